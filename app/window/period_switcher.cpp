#include "window/period_switcher.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "icons/symbol_icons.h"
#include "periods/period_labels.h"
#include "shell/app_model.h"
#include "widgets/tone_label.h"
#include "window/command_actions.h"

namespace tallyra::app {

namespace {

QString helpText(const QString& title, const QAction* action)
{
    const QKeySequence key = action->shortcut();
    return key.isEmpty()
               ? title
               : PeriodSwitcher::tr("%1 (%2)").arg(title, key.toString(QKeySequence::NativeText));
}

} // namespace

QString PeriodSwitcher::lengthName(PeriodLength length)
{
    switch (length) {
    case PeriodLength::week:
        return tr("Week");
    case PeriodLength::month:
        return tr("Month");
    case PeriodLength::threeMonths:
        return tr("3 Months");
    case PeriodLength::sixMonths:
    case PeriodLength::last6Months:
        return tr("6 Months");
    case PeriodLength::year:
        return tr("Year");
    case PeriodLength::max:
        return tr("All Time");
    case PeriodLength::last7Days:
        return tr("7 Days");
    case PeriodLength::last30Days:
        return tr("30 Days");
    case PeriodLength::last90Days:
        return tr("90 Days");
    case PeriodLength::lastYear:
        return tr("12 Months");
    }
    return {};
}

PeriodSwitcher::PeriodSwitcher(AppModel& model, const CommandActions& actions, QWidget* parent)
    : QWidget(parent), m_model(model), m_previous(new QToolButton), m_next(new QToolButton),
      m_title(new QLabel), m_range(new ToneLabel(QString(), Tone::neutral)),
      m_length(new QToolButton), m_menu(new QMenu(this))
{
    QAction* previous = actions.action(AppCommand::previousPeriod);
    QAction* next = actions.action(AppCommand::nextPeriod);
    m_previous->setDefaultAction(previous);
    m_next->setDefaultAction(next);
    for (QToolButton* arrow : {m_previous, m_next}) {
        arrow->setAutoRaise(true);
        arrow->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    previous->setToolTip(helpText(tr("Previous Period"), previous));
    next->setToolTip(helpText(tr("Next Period"), next));

    QFont bold = font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAlignment(Qt::AlignCenter);
    m_range->setAlignment(Qt::AlignCenter);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_range->setFont(small);

    m_length->setIcon(SymbolIcons::icon(QStringLiteral("calendar")));
    m_length->setPopupMode(QToolButton::InstantPopup);
    m_length->setAutoRaise(true);
    m_length->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_length->setMenu(m_menu);
    m_length->setToolTip(tr("Choose the length of the period"));
    m_length->setAccessibleName(tr("Period length"));

    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(m_title);
    texts->addWidget(m_range);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(m_previous);
    row->addLayout(texts);
    row->addWidget(m_next);
    row->addSpacing(6);
    row->addWidget(m_length);

    connect(&m_model, &AppModel::periodChanged, this, &PeriodSwitcher::refresh);
    connect(&m_model, &AppModel::periodEngineChanged, this, &PeriodSwitcher::refresh);
    connect(&m_model, &AppModel::periodModeChanged, this, &PeriodSwitcher::refresh);
    refresh();
}

QString PeriodSwitcher::title() const
{
    return m_title->text();
}

QString PeriodSwitcher::range() const
{
    return m_range->text();
}

QList<PeriodLength> PeriodSwitcher::offeredLengths() const
{
    QList<PeriodLength> lengths;
    for (const PeriodLength length : allCases<PeriodLength>()) {
        const PeriodFamily lengthFamily = family(length);
        if (lengthFamily == PeriodFamily::both || (lengthFamily == PeriodFamily::rolling) ==
                                                      (m_model.periodMode() == PeriodMode::rolling))
            lengths.push_back(length);
    }
    // All time goes last, after the longest period.
    std::stable_partition(lengths.begin(), lengths.end(),
                          [](PeriodLength length) { return length != PeriodLength::max; });
    return lengths;
}

void PeriodSwitcher::refresh()
{
    const PeriodSelection& period = m_model.period();
    const PeriodLabels labels(m_model.periodEngine());
    const QString title = labels.periodTitle(period.length(), period.offset());
    const QString range = labels.rangeLabel(period.length(), period.offset(), true);
    m_title->setText(title);
    m_range->setText(range == title ? QString() : range);
    m_range->setVisible(!m_range->text().isEmpty());
    setAccessibleName(
        tr("Period: %1")
            .arg(m_range->text().isEmpty() ? title : title + QStringLiteral(", ") + range));
    // The column keeps the width of the longest title it may show, so the
    // arrows do not jump while stepping.
    const int width = std::max(fontMetrics().averageCharWidth() * 22,
                               m_title->fontMetrics().horizontalAdvance(title) + 8);
    m_title->setMinimumWidth(width);
    rebuildMenu();
}

void PeriodSwitcher::rebuildMenu()
{
    m_menu->clear();
    const PeriodLength current = m_model.period().length();
    for (const PeriodLength length : offeredLengths()) {
        QAction* choice = m_menu->addAction(lengthName(length));
        choice->setCheckable(true);
        choice->setChecked(length == current);
        connect(choice, &QAction::triggered, this,
                [this, length] { m_model.setPeriod(PeriodSelection(length, 0)); });
    }
    m_length->setText(lengthName(current));
}

} // namespace tallyra::app
