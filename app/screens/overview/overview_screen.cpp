#include "screens/overview/overview_screen.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "icons/symbol_icons.h"
#include "reports/ledger_index.h"
#include "screens/overview/first_run_view.h"
#include "screens/overview/overview_charts.h"
#include "screens/overview/overview_view_model.h"
#include "screens/overview/spending_ring.h"
#include "services/app_services.h"
#include "services/ledger_store.h"
#include "settings/settings_store.h"
#include "shell/app_commands.h"
#include "theme/theme.h"
#include "widgets/amount_label.h"
#include "widgets/big_figure.h"
#include "widgets/card.h"
#include "widgets/empty_state.h"
#include "widgets/semantic_palette.h"
#include "widgets/tone_label.h"
#include "widgets/transaction_badge.h"
#include "window/command_actions.h"

namespace tallyra::app {

namespace {

QPushButton* linkButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setForegroundRole(QPalette::Link);
    return button;
}

// A one-line label that ends in "…" when the card is too narrow for it;
// the full text stays in the tooltip.
class ElidingLabel final : public QLabel
{
public:
    explicit ElidingLabel(const QString& text) : QLabel(text)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setToolTip(text);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width()));
    }
};

EmptyState* compactEmpty()
{
    auto* empty = new EmptyState;
    empty->setCompact(true);
    return empty;
}

// One of the latest transactions: badge, title over its details, amount,
// and the way to the row in the full list.
QWidget* recentRow(const TransactionRowModel& row, const LedgerIndex& ledger,
                   const std::function<void()>& reveal)
{
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(10);
    const int size = widget->fontMetrics().height() * 2;
    auto* badge = new QLabel;
    badge->setPixmap(transactionBadge(row.icon, ledger, size, widget->devicePixelRatioF()));
    badge->setFixedSize(size, size);

    auto* title = new ElidingLabel(row.title);
    QStringList details;
    if (row.detail)
        details.push_back(*row.detail);
    details.push_back(row.account);
    if (row.time)
        details.push_back(*row.time);
    auto* detail = new ElidingLabel(details.join(QStringLiteral(" · ")));
    detail->setForegroundRole(QPalette::PlaceholderText);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(title);
    texts->addWidget(detail);

    auto* amount = new AmountLabel;
    amount->setAmount(row.amount, amountTone(row.kind));
    auto* show = new QToolButton;
    show->setIcon(SymbolIcons::icon(QStringLiteral("chevron.right")));
    show->setAutoRaise(true);
    show->setToolTip(OverviewScreen::tr("Show in Transactions"));
    show->setAccessibleName(OverviewScreen::tr("Show in Transactions"));
    QObject::connect(show, &QToolButton::clicked, widget, reveal);

    layout->addWidget(badge);
    layout->addLayout(texts, 1);
    layout->addWidget(amount);
    layout->addWidget(show);
    widget->setAccessibleName(row.title + QStringLiteral(", ") + row.amount + QStringLiteral(", ") +
                              row.account);
    return widget;
}

} // namespace

OverviewScreen::OverviewScreen(WindowContext& context, QWidget* parent)
    : Screen(Destination::overview, context, parent),
      m_viewModel(new OverviewViewModel(context.services, context.model, context.display, this)),
      m_pages(new QStackedWidget),
      m_firstRun(new FirstRunView(context.actions.action(AppCommand::newAccount),
                                  context.actions.action(AppCommand::newTransaction)))
{
    // Made here, not in the initialiser list: it fills members declared
    // after m_report.
    m_report = makeReport();
    m_pages->addWidget(m_firstRun);
    m_pages->addWidget(m_report);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    connect(&context.services.store(), &LedgerStore::indexChanged, this,
            &OverviewScreen::refreshStage);
    connect(m_viewModel, &OverviewViewModel::changed, this, &OverviewScreen::refreshContent);
    refreshStage();
    refreshContent();
}

QWidget* OverviewScreen::makeReport()
{
    auto* page = new QWidget;
    page->setBackgroundRole(QPalette::Window);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(24, 20, 24, 28);
    column->setSpacing(14);

    // The three figures share one card, side by side.
    auto* figures = new Card;
    auto* figureRow = new QHBoxLayout;
    figureRow->setSpacing(24);
    for (int i = 0; i < 3; ++i) {
        auto* figure = new BigFigure(QString());
        connect(figure, &BigFigure::actionTriggered, this,
                [this, i] { m_viewModel->showFigureDetail(i); });
        m_figures.push_back(figure);
        figureRow->addWidget(figure, 1);
    }
    figures->content()->addLayout(figureRow);
    column->addWidget(figures);

    // The chart the user picked, and spending so far.
    m_chartCard = new Card(QString());
    m_chartReadout = new QLabel;
    m_chartReadout->setForegroundRole(QPalette::PlaceholderText);
    m_chartReadout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_chartCard->addHeaderWidget(m_chartReadout);
    m_chartMenu = new QToolButton;
    m_chartMenu->setPopupMode(QToolButton::InstantPopup);
    m_chartMenu->setAutoRaise(true);
    m_chartMenu->setIcon(SymbolIcons::icon(QStringLiteral("chart.bar")));
    m_chartMenu->setToolTip(tr("Choose what this chart shows"));
    m_chartMenu->setAccessibleName(tr("Choose what this chart shows"));
    auto* menu = new QMenu(m_chartMenu);
    auto* choices = new QActionGroup(menu);
    for (const OverviewChart chart : OverviewViewModel::chartChoices()) {
        QAction* action = menu->addAction(OverviewViewModel::chartTitle(chart));
        action->setCheckable(true);
        action->setData(static_cast<int>(chart));
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, chart] { m_viewModel->setChart(chart); });
    }
    m_chartMenu->setMenu(menu);
    m_chartCard->addHeaderWidget(m_chartMenu);
    m_chart = new PeriodChart(context().display);
    m_chartEmpty = compactEmpty();
    m_chartPages = new QStackedWidget;
    m_chartPages->addWidget(m_chart);
    m_chartPages->addWidget(m_chartEmpty);
    m_chartCard->content()->addWidget(m_chartPages);
    connect(m_chart, &IndexChart::hovered, this,
            [this](int point) { m_chartReadout->setText(m_viewModel->chartReadout(point)); });

    auto* cumulativeCard = new Card(tr("Spending So Far"));
    auto* caption = new ToneLabel(OverviewViewModel::cumulativeCaption(), Tone::neutral);
    caption->setWordWrap(true);
    m_warning =
        new ToneLabel(QStringLiteral("⚠ ") + OverviewViewModel::warningText(), Tone::warning);
    m_warning->setWordWrap(true);
    m_cumulativeReadout = new QLabel;
    m_cumulativeReadout->setForegroundRole(QPalette::PlaceholderText);
    m_cumulativeReadout->setWordWrap(true);
    m_cumulative = new CumulativeChart(context().display);
    m_cumulativeEmpty = compactEmpty();
    m_cumulativePages = new QStackedWidget;
    m_cumulativePages->addWidget(m_cumulative);
    m_cumulativePages->addWidget(m_cumulativeEmpty);
    cumulativeCard->content()->addWidget(caption);
    cumulativeCard->content()->addWidget(m_warning);
    cumulativeCard->content()->addWidget(m_cumulativePages, 1);
    cumulativeCard->content()->addWidget(m_cumulativeReadout);
    connect(m_cumulative, &IndexChart::hovered, this,
            [this](int day) { m_cumulativeReadout->setText(m_viewModel->cumulativeReadout(day)); });

    auto* charts = new QHBoxLayout;
    charts->setSpacing(14);
    charts->addWidget(m_chartCard, 3);
    charts->addWidget(cumulativeCard, 2);
    column->addLayout(charts);

    // Where the money went, and what happened last.
    auto* ringCard = new Card(tr("Spending by Category"));
    QPushButton* allCategories = linkButton(tr("See All"));
    allCategories->setAccessibleName(tr("See all categories"));
    connect(allCategories, &QPushButton::clicked, this,
            [this] { m_viewModel->showAllCategories(); });
    ringCard->addHeaderWidget(allCategories);
    m_ring = new SpendingRing;
    m_ringEmpty = compactEmpty();
    m_ringPages = new QStackedWidget;
    m_ringPages->addWidget(m_ring);
    m_ringPages->addWidget(m_ringEmpty);
    ringCard->content()->addWidget(m_ringPages);

    auto* recentCard = new Card(tr("Recent Transactions"));
    QPushButton* allTransactions = linkButton(tr("See All"));
    allTransactions->setAccessibleName(tr("See all transactions"));
    connect(allTransactions, &QPushButton::clicked, this,
            [this] { m_viewModel->showAllTransactions(); });
    recentCard->addHeaderWidget(allTransactions);
    m_recentList = new QWidget;
    m_recentRows = new QVBoxLayout(m_recentList);
    m_recentRows->setContentsMargins(0, 0, 0, 0);
    m_recentRows->setSpacing(4);
    m_recentEmpty = compactEmpty();
    m_recentPages = new QStackedWidget;
    m_recentPages->addWidget(m_recentList);
    m_recentPages->addWidget(m_recentEmpty);
    recentCard->content()->addWidget(m_recentPages);

    auto* lists = new QHBoxLayout;
    lists->setSpacing(14);
    lists->addWidget(ringCard, 1);
    lists->addWidget(recentCard, 1);
    column->addLayout(lists);
    column->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

bool OverviewScreen::showsFirstRun() const
{
    return m_pages->currentWidget() == m_firstRun;
}

bool OverviewScreen::isBusy() const
{
    return m_viewModel->isBusy();
}

int OverviewScreen::recentRowCount() const
{
    return m_recentPages->currentWidget() == m_recentList ? m_recentRows->count() : 0;
}

void OverviewScreen::refreshStage()
{
    const auto& index = context().services.store().index();
    const LedgerStage stage = index ? index->stage() : LedgerStage::noAccounts;
    m_firstRun->setHasAccount(stage != LedgerStage::noAccounts);
    m_pages->setCurrentWidget(stage == LedgerStage::active ? m_report
                                                           : static_cast<QWidget*>(m_firstRun));
}

void OverviewScreen::refreshContent()
{
    const OverviewViewModel& model = *m_viewModel;
    if (!model.hasReport())
        return;
    for (int i = 0; i < m_figures.size() && i < model.figures().size(); ++i) {
        const OverviewFigure& figure = model.figures()[i];
        m_figures[i]->setCaption(figure.caption);
        m_figures[i]->setValue(figure.value, figure.tone);
        m_figures[i]->setComparison(figure.comparison, figure.comparisonTone);
        m_figures[i]->setNote(figure.note);
        m_figures[i]->setAction(figure.action);
    }

    const OverviewChartContent& chart = model.chart();
    m_chartCard->setTitle(OverviewViewModel::chartTitle(chart.kind));
    for (QAction* action : m_chartMenu->menu()->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(chart.kind));
    if (chart.emptyText.isEmpty()) {
        m_chart->setContent(chart);
        m_chartPages->setCurrentWidget(m_chart);
    } else {
        m_chartEmpty->setContent(QStringLiteral("chart.bar"), chart.emptyText, QString());
        m_chartPages->setCurrentWidget(m_chartEmpty);
    }
    m_chartReadout->clear();

    const OverviewCumulative& cumulative = model.cumulative();
    m_warning->setVisible(cumulative.isAhead);
    if (cumulative.emptyText.isEmpty()) {
        m_cumulative->setContent(cumulative);
        m_cumulativePages->setCurrentWidget(m_cumulative);
    } else {
        m_cumulativeEmpty->setContent(QStringLiteral("chart.line.uptrend.xyaxis"),
                                      cumulative.emptyText, QString());
        m_cumulativePages->setCurrentWidget(m_cumulativeEmpty);
    }
    m_cumulativeReadout->setText(
        model.cumulativeReadout(static_cast<int>(cumulative.current.size()) - 1));

    const OverviewRing& ring = model.ring();
    if (ring.emptyText.isEmpty()) {
        m_ring->setRing(ring);
        m_ringPages->setCurrentWidget(m_ring);
    } else {
        m_ringEmpty->setContent(QStringLiteral("chart.pie"), ring.emptyText, QString());
        m_ringPages->setCurrentWidget(m_ringEmpty);
    }

    while (QLayoutItem* item = m_recentRows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const OverviewRecent& recent = model.recent();
    const auto& index = context().services.store().index();
    if (recent.rows.isEmpty() || !index) {
        m_recentEmpty->setContent(QStringLiteral("arrow.left.arrow.right"), recent.emptyText,
                                  QString());
        m_recentPages->setCurrentWidget(m_recentEmpty);
    } else {
        for (const TransactionRowModel& row : recent.rows) {
            const EntryId id = row.id;
            m_recentRows->addWidget(
                recentRow(row, *index, [this, id] { m_viewModel->showInTransactions(id); }));
        }
        m_recentPages->setCurrentWidget(m_recentList);
    }
}

} // namespace tallyra::app
