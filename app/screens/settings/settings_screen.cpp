#include "screens/settings/settings_screen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "display/money_display.h"
#include "screens/settings/settings_view_model.h"
#include "services/app_services.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "shell/sync_status_line.h"
#include "theme/theme.h"
#include "widgets/card.h"
#include "widgets/segmented_switcher.h"
#include "widgets/tone_label.h"
#include "window/command_actions.h"

namespace tallyra::app {

namespace {

void selectValue(QComboBox* combo, const QVariant& value)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(std::max(0, combo->findData(value)));
}

void fill(QComboBox* combo, const QList<SettingsChoice>& choices)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const SettingsChoice& choice : choices)
        combo->addItem(choice.label, choice.value);
}

QString shortcutText(const QAction* action)
{
    return action ? action->shortcut().toString(QKeySequence::NativeText) : QString();
}

} // namespace

SettingsScreen::SettingsScreen(WindowContext& context, QWidget* parent)
    : Screen(Destination::settings, context, parent),
      m_viewModel(new SettingsViewModel(context.services, context.model, context.display, this))
{
    auto* page = new QWidget;
    page->setBackgroundRole(QPalette::Window);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(24, 20, 24, 28);
    column->setSpacing(8);

    // General
    Card* general = addSection(column, tr("General"));
    m_currency = makeCombo(tr("Main currency"));
    addRow(general, tr("Main currency"),
           tr("Totals, net worth and charts; accounts keep their own currencies"), m_currency);
    QStringList appearances;
    for (const AppSettings::Appearance appearance : allCases<AppSettings::Appearance>())
        appearances.push_back(title(appearance));
    m_appearance = new SegmentedSwitcher(appearances);
    m_appearance->setAccessibleName(tr("Appearance"));
    m_controls.insert(tr("Appearance"), m_appearance);
    addRow(general, tr("Appearance"), QString(), m_appearance);
    m_hideCents = makeSwitch(tr("Hide cents"));
    addRow(general, tr("Hide cents"),
           tr("Round every amount on screen; editing and exports keep the cents"), m_hideCents);
    m_hideBalances = makeSwitch(tr("Hide balances"));
    addRow(general, tr("Hide balances"),
           tr("Net worth and account balances show as •••; transactions stay readable (%1)")
               .arg(shortcutText(context.actions.action(AppCommand::toggleBalances))),
           m_hideBalances);
    m_sounds = makeSwitch(tr("Sounds"));
    addRow(general, tr("Sounds"),
           tr("A short sound when a new transaction is saved: one for an expense, income and a "
              "transfer"),
           m_sounds);

    // Periods
    Card* periods = addSection(column, tr("Periods"));
    m_weekStart = makeCombo(tr("Week starts on"));
    addRow(periods, tr("Week starts on"), QString(), m_weekStart);
    m_monthStart = makeCombo(tr("Month starts on"));
    addRow(periods, tr("Month starts on"),
           tr("Set this to your payday so every month starts with your salary"), m_monthStart);
    m_periodMode = new SegmentedSwitcher({tr("Rolling"), tr("Calendar")});
    m_periodMode->setAccessibleName(tr("Periods"));
    m_controls.insert(tr("Periods"), m_periodMode);
    addRow(periods, tr("Periods"),
           tr("Rolling periods end today (the last 30 days); calendar periods are whole weeks "
              "and months"),
           m_periodMode);
    m_defaultPeriod = makeCombo(tr("Default period"));
    addRow(periods, tr("Default period"),
           tr("Overview, Transactions, Categories and Accounts open on this period"),
           m_defaultPeriod);

    // Transactions
    Card* transactions = addSection(column, tr("Transactions"));
    m_showTime = makeSwitch(tr("Show time in lists"));
    addRow(transactions, tr("Show time in lists"),
           tr("Otherwise the order within a day tells when it happened"), m_showTime);
    m_suggestCategory = makeSwitch(tr("Suggest a category from the contact"));
    addRow(transactions, tr("Suggest a category from the contact"),
           tr("Picking a person fills the category used with them last time"), m_suggestCategory);
    m_trackCleared = makeSwitch(tr("Track cleared status"));
    addRow(transactions, tr("Track cleared status"),
           tr("Mark transactions as they appear on your statement; off keeps the editors simpler"),
           m_trackCleared);

    // Exchange rates
    Card* rates = addSection(column, tr("Exchange Rates"));
    auto* ratesBox = new QWidget;
    auto* ratesColumn = new QVBoxLayout(ratesBox);
    ratesColumn->setContentsMargins(0, 0, 0, 0);
    ratesColumn->setSpacing(2);
    m_ratesStatus = new QLabel;
    m_ratesSources = new ToneLabel(QString(), Tone::neutral);
    m_ratesError = new ToneLabel(QString(), Tone::warning);
    for (QLabel* label : {m_ratesStatus, static_cast<QLabel*>(m_ratesSources),
                          static_cast<QLabel*>(m_ratesError)}) {
        label->setWordWrap(true);
        ratesColumn->addWidget(label);
    }
    auto* refreshNow = new QPushButton(tr("Refresh Now"));
    connect(refreshNow, &QPushButton::clicked, this,
            [this] { this->context().services.refreshRates(); });
    m_controls.insert(tr("Exchange rates"), refreshNow);
    addRow(rates, tr("Exchange rates"), QString(), refreshNow);
    rates->content()->addWidget(ratesBox);

    // Data
    Card* dataCard = addSection(column, tr("Data"));
    auto* exportButton = new QPushButton(tr("Export…"));
    QAction* exportAction = context.actions.action(AppCommand::exportTransactions);
    connect(exportButton, &QPushButton::clicked, exportAction, &QAction::trigger);
    exportButton->setToolTip(exportAction->toolTip());
    m_controls.insert(tr("Export transactions"), exportButton);
    addRow(dataCard, tr("Export transactions"), tr("Every transaction as a CSV file"),
           exportButton);
    m_backup = new QPushButton(tr("Back Up…"));
    QAction* backupAction = context.actions.action(AppCommand::backUp);
    connect(m_backup, &QPushButton::clicked, backupAction, &QAction::trigger);
    m_controls.insert(tr("Back up data"), m_backup);
    addRow(dataCard, tr("Back up data"),
           m_viewModel->keepsNothing() ? tr("Sample data isn’t kept in a file")
                                       : tr("A copy of everything, receipts and pictures included"),
           m_backup);
    m_backup->setEnabled(!m_viewModel->keepsNothing() && backupAction->isEnabled());

    // About
    Card* about = addSection(column, tr("Privacy"));
    const SyncStatusLine sync = syncStatusLine(context.services.cloud().state());
    auto* syncLabel = new QLabel(
        sync.detail.isEmpty() ? sync.title : sync.title + QLatin1Char('\n') + sync.detail);
    syncLabel->setWordWrap(true);
    QFont bold = font();
    bold.setBold(true);
    syncLabel->setFont(bold);
    auto* privacy = new ToneLabel(privacyText(), Tone::neutral);
    privacy->setWordWrap(true);
    auto* version = new ToneLabel(SettingsViewModel::versionText(), Tone::neutral);
    about->content()->addWidget(syncLabel);
    about->content()->addWidget(privacy);
    about->content()->addWidget(version);

    column->addStretch(1);

    // The column keeps a readable width and centres in wide windows.
    page->setMaximumWidth(fontMetrics().averageCharWidth() * 110);
    // Stretches rather than an alignment, which would cost the wrapped
    // help texts their height-for-width.
    auto* centring = new QWidget;
    auto* centre = new QHBoxLayout(centring);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->addStretch(1);
    centre->addWidget(page, 100);
    centre->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setWidget(centring);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    fillCombos();
    refresh();

    connect(m_viewModel, &SettingsViewModel::changed, this, [this] {
        fillCombos();
        refresh();
    });
    connect(m_currency, &QComboBox::activated, this, [this] {
        const QString code = m_currency->currentData().toString();
        m_viewModel->change([code](AppSettings& s) { s.currency = code; });
    });
    connect(m_weekStart, &QComboBox::activated, this, [this] {
        const int day = m_weekStart->currentData().toInt();
        m_viewModel->change([day](AppSettings& s) { s.firstWeekday = day; });
    });
    connect(m_monthStart, &QComboBox::activated, this, [this] {
        const int day = m_monthStart->currentData().toInt();
        m_viewModel->change([day](AppSettings& s) { s.monthStartDay = day; });
    });
    connect(m_defaultPeriod, &QComboBox::activated, this, [this] {
        const auto length = enumFromRaw<PeriodLength>(m_defaultPeriod->currentData().toString());
        if (length)
            m_viewModel->change([length](AppSettings& s) { s.defaultPeriod = *length; });
    });
    connect(m_periodMode, &SegmentedSwitcher::currentChanged, this, [this](int index) {
        const PeriodMode mode = index == 0 ? PeriodMode::rolling : PeriodMode::calendar;
        m_viewModel->change([mode](AppSettings& s) { s.periodMode = mode; });
    });
    connect(m_appearance, &SegmentedSwitcher::currentChanged, this, [this](int index) {
        const auto appearanceCases = allCases<AppSettings::Appearance>();
        if (index < 0 || index >= static_cast<int>(appearanceCases.size()))
            return;
        const AppSettings::Appearance appearance = appearanceCases[static_cast<size_t>(index)];
        m_viewModel->change([appearance](AppSettings& s) { s.appearance = appearance; });
    });
    connect(m_hideCents, &QCheckBox::toggled, this,
            [this](bool on) { m_viewModel->change([on](AppSettings& s) { s.hideCents = on; }); });
    connect(m_showTime, &QCheckBox::toggled, this, [this](bool on) {
        m_viewModel->change([on](AppSettings& s) { s.showTimeInLists = on; });
    });
    connect(m_suggestCategory, &QCheckBox::toggled, this, [this](bool on) {
        m_viewModel->change([on](AppSettings& s) { s.suggestCategoryFromContact = on; });
    });
    connect(m_trackCleared, &QCheckBox::toggled, this, [this](bool on) {
        m_viewModel->change([on](AppSettings& s) { s.trackCleared = on; });
    });
    connect(m_hideBalances, &QCheckBox::toggled, m_viewModel, &SettingsViewModel::setHideBalances);
    connect(m_sounds, &QCheckBox::toggled, m_viewModel, &SettingsViewModel::setSounds);
}

QWidget* SettingsScreen::control(const QString& rowTitle) const
{
    return m_controls.value(rowTitle);
}

Card* SettingsScreen::addSection(QVBoxLayout* column, const QString& title)
{
    auto* heading = new QLabel(title);
    heading->setFont(Theme::scaled(font(), 1.1, QFont::DemiBold));
    if (column->count() > 0)
        column->addSpacing(12);
    column->addWidget(heading);
    auto* card = new Card;
    card->content()->setSpacing(14);
    column->addWidget(card);
    return card;
}

void SettingsScreen::addRow(Card* card, const QString& title, const QString& help, QWidget* control)
{
    auto* row = new QGridLayout;
    row->setHorizontalSpacing(24);
    row->setVerticalSpacing(2);
    auto* titleLabel = new QLabel(title);
    titleLabel->setBuddy(control);
    row->addWidget(titleLabel, 0, 0);
    if (!help.isEmpty()) {
        auto* helpLabel = new ToneLabel(help, Tone::neutral);
        helpLabel->setWordWrap(true);
        row->addWidget(helpLabel, 1, 0);
        control->setAccessibleDescription(help);
    }
    row->addWidget(control, 0, 1, help.isEmpty() ? 1 : 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    row->setColumnStretch(0, 1);
    card->content()->addLayout(row);
}

QComboBox* SettingsScreen::makeCombo(const QString& title)
{
    auto* combo = new QComboBox;
    combo->setAccessibleName(title);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMaxVisibleItems(14);
    m_controls.insert(title, combo);
    return combo;
}

QCheckBox* SettingsScreen::makeSwitch(const QString& title)
{
    auto* box = new QCheckBox;
    box->setAccessibleName(title);
    m_controls.insert(title, box);
    return box;
}

void SettingsScreen::fillCombos()
{
    if (m_currency->count() == 0)
        fill(m_currency, m_viewModel->currencies());
    fill(m_weekStart, m_viewModel->weekdays());
    fill(m_monthStart, m_viewModel->monthDays());
    fill(m_defaultPeriod, m_viewModel->defaultPeriods());
}

void SettingsScreen::refresh()
{
    const AppSettings& s = m_viewModel->settings();
    selectValue(m_currency, s.currency);
    selectValue(m_weekStart, s.firstWeekday);
    selectValue(m_monthStart, s.monthStartDay);
    selectValue(m_defaultPeriod, rawValue(s.defaultPeriod));
    {
        const QSignalBlocker modeBlocker(m_periodMode);
        m_periodMode->setCurrentIndex(s.periodMode == PeriodMode::rolling ? 0 : 1);
        const QSignalBlocker appearanceBlocker(m_appearance);
        m_appearance->setCurrentIndex(static_cast<int>(s.appearance));
    }
    const auto check = [](QCheckBox* box, bool on) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    };
    check(m_hideCents, s.hideCents);
    check(m_showTime, s.showTimeInLists);
    check(m_suggestCategory, s.suggestCategoryFromContact);
    check(m_trackCleared, s.trackCleared);
    check(m_hideBalances, m_viewModel->hidesBalances());
    check(m_sounds, m_viewModel->playsSounds());
    m_sounds->setEnabled(m_viewModel->soundsAvailable());

    const RatesSummary rates = m_viewModel->ratesSummary();
    m_ratesStatus->setText(rates.status + rates.base);
    m_ratesSources->setText(rates.sources);
    m_ratesSources->setVisible(!rates.sources.isEmpty());
    m_ratesError->setText(rates.error);
    m_ratesError->setVisible(!rates.error.isEmpty());
}

} // namespace tallyra::app
