#include "reports/overview_report.h"

#include <algorithm>

#include "reports/base_converter.h"
#include "reports/day_grid.h"
#include "reports/ledger_index.h"
#include "reports/nearest_point.h"
#include "reports/recent_entries.h"

namespace tallyra {

namespace {

// Spending per day of the grid, accumulated into points.
class CumulativeSpending
{
public:
    CumulativeSpending(const DayGrid& grid, const CurrencyCode& currency)
        : m_grid(grid), m_currency(currency), m_perDay(grid.dayCount(), 0)
    {
    }

    void add(const Entry& entry, std::int64_t convertedMinor)
    {
        const qint64 date = entry.date.toMSecsSinceEpoch();
        while (m_day < m_perDay.size() && !(date < m_grid.startMSecs(m_day + 1)))
            ++m_day;
        if (m_day < m_perDay.size())
            m_perDay[m_day] = saturatingAdd(m_perDay[m_day], convertedMinor);
    }

    [[nodiscard]] std::vector<CumulativePoint> points() const
    {
        std::vector<CumulativePoint> points;
        points.reserve(m_perDay.size());
        std::int64_t running = 0;
        for (size_t i = 0; i < m_perDay.size(); ++i) {
            running = saturatingAdd(running, m_perDay[i]);
            points.push_back({static_cast<int>(i), m_grid.start(i), Money{running, m_currency}});
        }
        return points;
    }

private:
    const DayGrid& m_grid;
    CurrencyCode m_currency;
    std::vector<std::int64_t> m_perDay;
    size_t m_day = 0;
};

std::vector<QDateTime> boundaries(const DayGrid& grid)
{
    std::vector<QDateTime> days;
    days.reserve(grid.dayCount() + 1);
    for (size_t i = 0; i <= grid.dayCount(); ++i)
        days.push_back(grid.start(i));
    return days;
}

// The spent amount from day lo to day hi of a cumulative list, each index
// held to the list's last point.
std::int64_t spentBetween(const std::vector<CumulativePoint>& points, int lo, int hi)
{
    const int last = static_cast<int>(points.size()) - 1;
    const std::int64_t upTo = points[static_cast<size_t>(std::min(hi, last))].amount.minor;
    if (lo < 1)
        return upTo;
    return saturatingSub(upTo, points[static_cast<size_t>(std::min(lo - 1, last))].amount.minor);
}

} // namespace

OverviewReport overviewReport(const LedgerIndex& index, const PeriodEngine& engine,
                              const PeriodSelection& selection)
{
    const CurrencyCode& base = index.rates().base;
    const BaseConverter converter(index.rates());
    const PeriodWindow window = engine.window(selection);
    const DateInterval elapsed = window.elapsedInterval();

    OverviewReport report;
    report.netWorth = netWorth(index, window.elapsedEnd, converter);
    report.netWorthChange = report.netWorth - netWorth(index, window.interval.start, converter);
    report.netWorthBaseDate = engine.addingDays(-1, window.interval.start);
    report.comparisonInterval = engine.comparisonInterval(selection);
    report.comparison = totals(index, report.comparisonInterval);

    const DayGrid windowDays(engine, window.interval);
    report.dayCount = engine.dayCount(window.interval);
    report.days = boundaries(windowDays);
    const DayGrid elapsedDays(engine, elapsed);

    report.flowGranularity = PeriodEngine::granularity(selection.length(), false);
    for (const Bucket& bucket : engine.buckets(window, report.flowGranularity))
        if (bucket.interval.start < window.elapsedEnd)
            report.flow.push_back(
                {bucket.interval, Money{0, base}, Money{0, base}, bucket.isComplete});

    // The one walk over the period's transactions.
    report.totals = PeriodTotals::zero(base);
    CumulativeSpending current(elapsedDays, base);
    CategoryBreakdownBuilder tree(index, CategoryMode::expenses);
    const LedgerIndex::EntryRange entries = index.entries(elapsed);
    size_t bucket = 0;
    for (const Entry& entry : entries) {
        const BaseConverter::Converted converted = converter.convert(entry.amount);
        report.totals.add(entry, converted);
        if (entry.kind == EntryKind::transfer)
            continue;
        while (bucket < report.flow.size() && !(entry.date < report.flow[bucket].interval.end))
            ++bucket;
        const bool inBucket = bucket < report.flow.size();
        if (entry.kind == EntryKind::income) {
            if (inBucket)
                report.flow[bucket].received.minor =
                    saturatingAdd(report.flow[bucket].received.minor, converted.minor);
            continue;
        }
        if (inBucket)
            report.flow[bucket].spent.minor =
                saturatingAdd(report.flow[bucket].spent.minor, converted.minor);
        current.add(entry, converted.minor);
        tree.add(entry, converted);
    }
    report.current = current.points();
    report.categoryTree = tree.finish(entries, report.totals).nodes;
    report.recent = recentEntries(entries, [](const Entry&) { return true; });

    if (selection.length() != PeriodLength::max) {
        const PeriodWindow previousWindow =
            engine.window(PeriodSelection(selection.length(), selection.offset() + 1));
        const DayGrid previousDays(engine, previousWindow.interval);
        report.previousDays = boundaries(previousDays);
        CumulativeSpending previous(previousDays, base);
        for (const Entry& entry : index.entries(previousWindow.interval))
            if (entry.kind == EntryKind::expense)
                previous.add(entry, converter.convert(entry.amount).minor);
        report.previous = previous.points();
    }

    report.netWorthPoints.reserve(elapsedDays.dayCount());
    for (size_t i = 0; i < elapsedDays.dayCount(); ++i)
        report.netWorthPoints.push_back(
            {elapsedDays.start(i), netWorth(index, elapsedDays.start(i + 1), converter)});
    return report;
}

std::optional<SpendingReadout> spendingReadout(const OverviewReport& report, int lo, int hi)
{
    const auto valid = [](const auto& list, int i) {
        return i >= 0 && static_cast<size_t>(i) < list.size();
    };
    if (lo < 0 || lo > hi || !valid(report.current, hi) || !valid(report.days, hi + 1))
        return std::nullopt;
    SpendingReadout readout;
    readout.days = {lo, hi};
    readout.interval = {report.days[static_cast<size_t>(lo)],
                        report.days[static_cast<size_t>(hi) + 1]};
    readout.spent = Money{spentBetween(report.current, lo, hi), report.totals.spent.currency};
    if (!report.comparisonInterval.isEmpty() && valid(report.previous, lo)) {
        const int previousHi = std::min(hi, static_cast<int>(report.previous.size()) - 1);
        readout.previousInterval =
            DateInterval{report.previousDays[static_cast<size_t>(lo)],
                         report.previousDays[static_cast<size_t>(previousHi) + 1]};
        readout.previousSpent =
            Money{spentBetween(report.previous, lo, previousHi), report.totals.spent.currency};
    }
    return readout;
}

FlowRange flowRange(const OverviewReport& report, const FlowBucket& a, const FlowBucket& b)
{
    const FlowBucket& first = a.interval.start <= b.interval.start ? a : b;
    const FlowBucket& last = a.interval.start <= b.interval.start ? b : a;
    FlowRange range{{first.interval.start, last.interval.end},
                    Money{0, report.totals.received.currency},
                    Money{0, report.totals.spent.currency},
                    0};
    for (const FlowBucket& bucket : report.flow) {
        if (bucket.interval.start < first.interval.start ||
            last.interval.start < bucket.interval.start)
            continue;
        range.received.minor = saturatingAdd(range.received.minor, bucket.received.minor);
        range.spent.minor = saturatingAdd(range.spent.minor, bucket.spent.minor);
        ++range.count;
    }
    return range;
}

std::optional<NetWorthPoint> nearestNetWorthPoint(const OverviewReport& report,
                                                  const QDateTime& date)
{
    const auto i = nearestPointIndex(report.netWorthPoints, date,
                                     [](const NetWorthPoint& point) { return point.day; });
    return i ? std::optional(report.netWorthPoints[*i]) : std::nullopt;
}

std::optional<CumulativePoint> nearestCumulativePoint(const std::vector<CumulativePoint>& points,
                                                      const QDateTime& date)
{
    const auto i =
        nearestPointIndex(points, date, [](const CumulativePoint& point) { return point.date; });
    return i ? std::optional(points[*i]) : std::nullopt;
}

} // namespace tallyra
