#include "screens/overview/overview_view_model.h"

#include <QtConcurrent/QtConcurrentRun>

#include "display/money_display.h"
#include "money/currency.h"
#include "periods/period_labels.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "services/ledger_store.h"
#include "settings/settings_store.h"
#include "shell/app_model.h"

namespace tallyra::app {

namespace {

double major(const Money& money)
{
    return static_cast<double>(money.minor) /
           static_cast<double>(Currency::minorScale(money.currency));
}

QColor colorOf(const CategoryNode::Icon& icon)
{
    if (const auto* item = std::get_if<CategoryItem>(&icon))
        return QColor(item->colorHex);
    return QColor(std::get<SymbolIcon>(icon).colorHex);
}

// Labels for a run of points: every one when they fit, else every n-th
// (keeping the first) so the axis never crowds.
QStringList thinned(const QStringList& labels, int most)
{
    if (labels.size() <= most)
        return labels;
    const auto step = static_cast<int>((labels.size() + most - 1) / most);
    QStringList result;
    result.reserve(labels.size());
    for (int i = 0; i < labels.size(); ++i)
        result.push_back(i % step == 0 ? labels[i] : QString());
    return result;
}

constexpr int kMostAxisLabels = 12;

} // namespace

OverviewViewModel::OverviewViewModel(AppServices& services, AppModel& model, MoneyDisplay& display,
                                     QObject* parent)
    : QObject(parent), m_services(services), m_model(model), m_display(display)
{
    connect(&m_watcher, &QFutureWatcher<OverviewReport>::finished, this,
            &OverviewViewModel::finished);
    connect(&services.store(), &LedgerStore::indexChanged, this, &OverviewViewModel::refresh);
    connect(&model, &AppModel::periodChanged, this, &OverviewViewModel::refresh);
    connect(&model, &AppModel::periodEngineChanged, this, &OverviewViewModel::refresh);
    // Display switches change texts only, but the texts come from the
    // report, so the cheapest correct answer is to rebuild them.
    const auto rebuild = [this] {
        if (m_report && m_index)
            build(*m_report, *m_index);
    };
    connect(&display, &MoneyDisplay::hideCentsChanged, this, rebuild);
    connect(&display, &MoneyDisplay::hideBalancesChanged, this, rebuild);
    connect(&services.settings(), &SettingsStore::settingsChanged, this, rebuild);
    refresh();
}

OverviewViewModel::~OverviewViewModel()
{
    m_watcher.waitForFinished();
}

void OverviewViewModel::refresh()
{
    const std::shared_ptr<const LedgerIndex>& index = m_services.store().index();
    if (!index)
        return;
    ++m_ticket;
    if (m_watcher.isRunning())
        return; // finished() starts the newest request
    m_runningTicket = m_ticket;
    m_pendingIndex = index;
    if (!m_pending) {
        m_pending = true;
        emit busyChanged(true);
    }
    m_watcher.setFuture(
        QtConcurrent::run([index, engine = m_model.periodEngine(), selection = m_model.period()] {
            return overviewReport(*index, engine, selection);
        }));
}

void OverviewViewModel::finished()
{
    if (m_runningTicket != m_ticket) {
        m_pending = false;
        refresh();
        return;
    }
    m_index = m_pendingIndex;
    m_report = m_watcher.result();
    build(*m_report, *m_index);
    m_pending = false;
    emit busyChanged(false);
}

QString OverviewViewModel::money(const Money& amount) const
{
    return m_display.format(amount.minor, amount.currency);
}

QString OverviewViewModel::shortDate(const QDateTime& date) const
{
    return PeriodLabels(m_model.periodEngine()).shortDate(date);
}

QList<OverviewChart> OverviewViewModel::chartChoices()
{
    return {OverviewChart::netWorth, OverviewChart::cashFlow, OverviewChart::spending,
            OverviewChart::incomeAndSpending};
}

QString OverviewViewModel::chartTitle(OverviewChart chart)
{
    return title(chart);
}

void OverviewViewModel::setChart(OverviewChart chart)
{
    m_services.settings().update(
        [chart](AppSettings& settings) { settings.overviewChart = chart; });
}

QString OverviewViewModel::cumulativeCaption()
{
    return tr("Spent so far, day by day, over the previous period");
}

QString OverviewViewModel::warningText()
{
    return tr("More spent than the same days before");
}

void OverviewViewModel::build(const OverviewReport& report, const LedgerIndex& index)
{
    using Masking = MoneyDisplay::Masking;
    const PeriodLabels labels(m_model.periodEngine());
    const bool compares = report.comparisonInterval.start < report.comparisonInterval.end;
    const QString currency = report.netWorth.currency;

    // --- Figures
    OverviewFigure worth;
    worth.caption = tr("Net Worth");
    worth.value = money(report.netWorth);
    worth.tone = report.netWorth.minor < 0 ? Tone::expense : Tone::plain;
    if (!m_display.hideBalances() && !report.netWorthChange.isZero())
        worth.comparison = tr("%1 since %2")
                               .arg(m_display.signedAmount(report.netWorthChange.minor, currency),
                                    labels.shortDate(report.netWorthBaseDate));
    else if (!m_display.hideBalances())
        worth.comparison = tr("No change since %1").arg(labels.shortDate(report.netWorthBaseDate));
    worth.comparisonTone = report.netWorthChange.minor > 0   ? Tone::income
                           : report.netWorthChange.minor < 0 ? Tone::expense
                                                             : Tone::neutral;
    if (const auto missing = static_cast<int>(index.accountsWithoutRate().size()))
        worth.note = tr("%n accounts not counted", "", missing);
    worth.action = tr("Show accounts");

    const auto comparison = [&](const Money& now, const Money& before, bool isSpending) {
        const Money difference = now - before;
        const QString amount = m_display.signedAmount(difference.minor, currency, Masking::never);
        if (isSpending && before.isZero())
            return std::pair{tr("Nothing spent the same days before"), Tone::neutral};
        const Tone up = isSpending ? Tone::expense : Tone::income;
        const Tone down = isSpending ? Tone::income : Tone::expense;
        const Tone tone = difference.minor > 0 ? up : difference.minor < 0 ? down : Tone::neutral;
        return std::pair{tr("%1 vs the same days before").arg(amount), tone};
    };

    OverviewFigure income;
    income.caption = tr("Income");
    income.value = m_display.format(report.totals.received.minor, currency, true, Masking::never);
    income.tone = Tone::income;
    if (compares)
        std::tie(income.comparison, income.comparisonTone) =
            comparison(report.totals.received, report.comparison.received, false);
    if (report.totals.incomeWithoutRate > 0)
        income.note = tr("%n transactions not counted", "", report.totals.incomeWithoutRate);
    income.action = tr("Show income");

    OverviewFigure spent;
    spent.caption = tr("Spent");
    spent.value = m_display.format(report.totals.spent.minor, currency, true, Masking::never);
    spent.tone = Tone::expense;
    if (compares)
        std::tie(spent.comparison, spent.comparisonTone) =
            comparison(report.totals.spent, report.comparison.spent, true);
    if (report.totals.expensesWithoutRate > 0)
        spent.note = tr("%n transactions not counted", "", report.totals.expensesWithoutRate);
    spent.action = tr("Show expenses");
    m_figures = {worth, income, spent};

    // --- Chart
    OverviewChartContent chart;
    chart.kind = m_services.settings().settings().overviewChart;
    chart.currency = currency;
    if (chart.kind == OverviewChart::netWorth) {
        QStringList dayLabels;
        for (const NetWorthPoint& point : report.netWorthPoints) {
            chart.points.push_back({QString(), 0, 0, major(point.value), true});
            dayLabels.push_back(labels.shortDate(point.day));
        }
        dayLabels = thinned(dayLabels, 6);
        for (int i = 0; i < chart.points.size(); ++i)
            chart.points[i].label = dayLabels[i];
        if (!chart.points.isEmpty()) {
            chart.startMark = 0;
            if (m_model.periodEngine().isAfterToday(report.days.back()) ||
                report.days.back() == m_model.periodEngine().tomorrow())
                chart.todayMark = static_cast<int>(chart.points.size() - 1);
        }
        // A level line over a period without a single transaction says
        // nothing the figure above doesn't.
        const PeriodTotals& t = report.totals;
        const bool quiet = t.incomeCount + t.expenseCount + t.transferCount == 0;
        const bool flat = std::all_of(
            report.netWorthPoints.begin(), report.netWorthPoints.end(),
            [&](const NetWorthPoint& p) { return p.value == report.netWorthPoints.front().value; });
        if (chart.points.isEmpty() || (quiet && flat))
            chart.emptyText = tr("No activity in this period");
        else if (m_display.hideBalances())
            chart.summary = tr("Net worth day by day");
        else
            chart.summary = tr("Net worth day by day, from %1 to %2")
                                .arg(money(report.netWorthPoints.front().value),
                                     money(report.netWorthPoints.back().value));
    } else {
        QStringList bucketLabels;
        bool anything = false;
        for (const FlowBucket& bucket : report.flow) {
            OverviewChartPoint point;
            point.received = major(bucket.received);
            point.spent = major(bucket.spent);
            point.value = point.received - point.spent;
            point.isComplete = bucket.isComplete;
            anything = anything || !bucket.received.isZero() || !bucket.spent.isZero();
            chart.points.push_back(point);
            switch (report.flowGranularity) {
            case BucketGranularity::day:
                bucketLabels.push_back(labels.dayOfMonth(bucket.interval.start));
                break;
            case BucketGranularity::week:
                bucketLabels.push_back(labels.shortDate(bucket.interval.start));
                break;
            case BucketGranularity::month:
                bucketLabels.push_back(labels.shortMonth(bucket.interval.start));
                break;
            }
        }
        bucketLabels = thinned(bucketLabels, kMostAxisLabels);
        for (int i = 0; i < chart.points.size(); ++i)
            chart.points[i].label = bucketLabels[i];
        const bool spendingOnly = chart.kind == OverviewChart::spending;
        if (spendingOnly)
            anything = !report.totals.spent.isZero();
        if (!anything)
            chart.emptyText = chart.kind == OverviewChart::cashFlow
                                  ? tr("No activity in this period")
                                  : tr("Nothing in this period");
        else
            chart.summary = tr("%1: received %2, spent %3")
                                .arg(chartTitle(chart.kind), money(report.totals.received),
                                     money(report.totals.spent));
    }
    m_chart = chart;

    // --- Cumulative spending
    OverviewCumulative cumulative;
    cumulative.currency = currency;
    for (const CumulativePoint& point : report.current)
        cumulative.current.push_back(major(point.amount));
    for (const CumulativePoint& point : report.previous)
        cumulative.previous.push_back(major(point.amount));
    const qsizetype dayTotal = std::max(cumulative.current.size(), cumulative.previous.size());
    QStringList dayLabels;
    for (qsizetype i = 0; i < dayTotal; ++i)
        dayLabels.push_back(i < static_cast<qsizetype>(report.days.size())
                                ? labels.dayOfMonth(report.days[static_cast<size_t>(i)])
                                : QString());
    cumulative.dayLabels = thinned(dayLabels, 8);
    if (!cumulative.current.isEmpty() && !cumulative.previous.isEmpty()) {
        const qsizetype last = cumulative.current.size() - 1;
        const double before = cumulative.previous[std::min(last, cumulative.previous.size() - 1)];
        cumulative.isAhead = cumulative.current.back() > before;
    }
    const bool spentNow = !report.totals.spent.isZero();
    const bool spentBefore = !cumulative.previous.isEmpty() && cumulative.previous.back() > 0;
    if (!spentNow && !spentBefore)
        cumulative.emptyText = tr("Nothing spent in this period");
    else
        cumulative.summary = tr("Spent so far: %1").arg(money(report.totals.spent));
    m_cumulative = cumulative;

    // --- Spending ring
    OverviewRing ring;
    std::int64_t total = 0;
    for (const CategoryNode& node : report.categoryTree)
        if (node.amount.minor > 0)
            total = saturatingAdd(total, node.amount.minor);
    ring.total = m_display.format(total, currency, true, Masking::never);
    std::int64_t other = 0;
    QStringList spoken;
    for (const CategoryNode& node : report.categoryTree) {
        if (node.amount.minor <= 0)
            continue;
        if (ring.slices.size() >= kRingSlices) {
            other = saturatingAdd(other, node.amount.minor);
            continue;
        }
        OverviewSlice slice;
        slice.name = node.name;
        slice.amount = m_display.format(node.amount.minor, currency, true, Masking::never);
        slice.value = major(node.amount);
        slice.share =
            m_display.percent(static_cast<double>(node.amount.minor) / static_cast<double>(total),
                              MoneyDisplay::PercentDigits::adaptive);
        slice.color = colorOf(node.icon);
        slice.icon = node.icon;
        slice.scope = node.id;
        ring.slices.push_back(slice);
        spoken.push_back(slice.name + QLatin1Char(' ') + slice.amount);
    }
    if (other > 0) {
        // "Other" stays last (it is not a category) and wears a neutral grey.
        OverviewSlice slice;
        slice.name = tr("Other");
        slice.amount = m_display.format(other, currency, true, Masking::never);
        slice.value = major(Money{other, currency});
        slice.share = m_display.percent(static_cast<double>(other) / static_cast<double>(total),
                                        MoneyDisplay::PercentDigits::adaptive);
        slice.color = QColor(QString::fromUtf16(kUncategorizedColor));
        ring.slices.push_back(slice);
        spoken.push_back(slice.name + QLatin1Char(' ') + slice.amount);
    }
    if (ring.slices.isEmpty())
        ring.emptyText = tr("Nothing spent in this period");
    else
        ring.summary = tr("Spending by category: %1").arg(spoken.join(QStringLiteral(", ")));
    m_ring = ring;

    // --- Recent transactions
    OverviewRecent recent;
    TransactionRowModel::Options options;
    options.showsTime = m_services.settings().settings().showTimeInLists;
    options.zone = m_services.zone();
    options.locale = m_model.periodEngine().locale();
    for (const Entry& entry : report.recent)
        recent.rows.push_back(TransactionRowModel::make(entry, index, m_display, options));
    if (recent.rows.isEmpty())
        recent.emptyText = tr("No transactions in this period");
    m_recent = recent;

    emit changed();
}

QString OverviewViewModel::chartReadout(int point) const
{
    if (!m_report || point < 0 || point >= m_chart.points.size())
        return {};
    const OverviewReport& report = *m_report;
    const PeriodLabels labels(m_model.periodEngine());
    const QString currency = m_chart.currency;
    if (m_chart.kind == OverviewChart::netWorth) {
        const NetWorthPoint& day = report.netWorthPoints[static_cast<size_t>(point)];
        return tr("%1: %2").arg(labels.shortDate(day.day), money(day.value));
    }
    const FlowBucket& bucket = report.flow[static_cast<size_t>(point)];
    const QString when = report.flowGranularity == BucketGranularity::day
                             ? labels.shortDate(bucket.interval.start)
                             : labels.dayRange(bucket.interval, PeriodLabels::Year::omitted);
    using Masking = MoneyDisplay::Masking;
    switch (m_chart.kind) {
    case OverviewChart::spending:
        return tr("%1: spent %2").arg(when, money(bucket.spent));
    case OverviewChart::cashFlow:
        return tr("%1: %2 (received %3, spent %4)")
            .arg(when,
                 m_display.signedAmount((bucket.received - bucket.spent).minor, currency,
                                        Masking::never),
                 money(bucket.received), money(bucket.spent));
    case OverviewChart::incomeAndSpending:
    case OverviewChart::netWorth:
        break;
    }
    return tr("%1: received %2, spent %3").arg(when, money(bucket.received), money(bucket.spent));
}

QString OverviewViewModel::cumulativeReadout(int day) const
{
    if (!m_report)
        return {};
    const PeriodLabels labels(m_model.periodEngine());
    const auto last = static_cast<int>(m_report->current.size()) - 1;
    if (day < 0 || last < 0)
        return {};
    const std::optional<SpendingReadout> readout =
        spendingReadout(*m_report, 0, std::min(day, last));
    if (!readout)
        return {};
    const QString through =
        labels.shortDate(m_report->days[static_cast<size_t>(readout->days.second)]);
    QString text = tr("By %1: %2").arg(through, money(readout->spent));
    if (readout->previousSpent)
        text += tr(" · the same days before: %1").arg(money(*readout->previousSpent));
    return text;
}

void OverviewViewModel::showFigureDetail(int figure)
{
    switch (figure) {
    case 0:
        m_model.setDestination(Destination::accounts);
        break;
    case 1:
        m_model.setTransactionScope(TransactionScope::all());
        m_model.setTransactionFilter(TransactionFilter::income);
        m_model.setDestination(Destination::transactions);
        break;
    default:
        m_model.setTransactionScope(TransactionScope::all());
        m_model.setTransactionFilter(TransactionFilter::expenses);
        m_model.setDestination(Destination::transactions);
        break;
    }
}

void OverviewViewModel::showAllCategories()
{
    m_model.setCategoryMode(CategoryMode::expenses);
    m_model.setDestination(Destination::categories);
}

void OverviewViewModel::showAllTransactions()
{
    m_model.setTransactionScope(TransactionScope::all());
    m_model.setTransactionFilter(TransactionFilter::all);
    m_model.setDestination(Destination::transactions);
}

void OverviewViewModel::showInTransactions(const EntryId& id)
{
    m_model.setTransactionScope(TransactionScope::all());
    m_model.setTransactionFilter(TransactionFilter::all);
    m_model.revealTransaction(id);
}

} // namespace tallyra::app
