#pragma once

// OverviewReport: where the user stands over the selected period — net
// worth and its change, income and spending next to the same days before,
// spending accumulated day by day for this period and the previous one,
// the spending tree, the latest transactions, income and spending per
// chart bucket, and net worth day by day. Computed in one walk over the
// period's transactions, plus one over the previous period and one over
// the comparison days.
//
// Intervals: the totals, the tree, the recent list, the flow buckets and
// the daily points cover the elapsed part of the window, [start,
// elapsedEnd) — in the current period the days up to today, in a past one
// the whole window. Flow buckets starting at or after elapsedEnd (the
// future) are dropped.
//
// Amounts are in the rates' base currency, converted per transaction (half
// to even); amounts without a rate add nothing to the sums and are counted
// in totals.*WithoutRate. Sums saturate. Transfers never count as spending.
//
// Thread safety: pure functions of immutable inputs; any thread (the
// window computes this off its main thread).

#include <optional>
#include <utility>
#include <vector>

#include <QDateTime>

#include "model/entry.h"
#include "money/money.h"
#include "periods/bucket.h"
#include "periods/date_interval.h"
#include "periods/period_engine.h"
#include "periods/period_selection.h"
#include "reports/category_breakdown.h"
#include "reports/period_totals.h"

namespace tallyra {

class LedgerIndex;

// Spending accumulated from the start of an interval to the end of a day.
struct CumulativePoint
{
    int day = 0;    // 0 for the first day
    QDateTime date; // the start of that day
    Money amount;

    friend bool operator==(const CumulativePoint&, const CumulativePoint&) = default;
};

struct FlowBucket
{
    DateInterval interval;
    Money received;
    Money spent;
    bool isComplete = false;

    friend bool operator==(const FlowBucket&, const FlowBucket&) = default;
};

struct NetWorthPoint
{
    QDateTime day; // the start of the day
    Money value;   // net worth at the end of that day

    friend bool operator==(const NetWorthPoint&, const NetWorthPoint&) = default;
};

struct OverviewReport
{
    // Net worth just before elapsedEnd, and its change since just before
    // the window's start.
    Money netWorth;
    Money netWorthChange;
    // The start of the day before the window's start: what the change is
    // measured from.
    QDateTime netWorthBaseDate;
    PeriodTotals totals;     // [start, elapsedEnd)
    PeriodTotals comparison; // the same days before; zero for all time
    DateInterval comparisonInterval;
    // Calendar days of the whole window; `days` holds its dayCount + 1 day
    // boundaries, the last being the window's end.
    int dayCount = 0;
    std::vector<QDateTime> days;
    // The same for the previous period's window; empty for all time.
    std::vector<QDateTime> previousDays;
    // One point per elapsed day of the window, and per day of the whole
    // previous window (empty for all time).
    std::vector<CumulativePoint> current;
    std::vector<CumulativePoint> previous;
    // The spending tree of [start, elapsedEnd).
    std::vector<CategoryNode> categoryTree;
    // The last five transactions of [start, elapsedEnd), newest first.
    std::vector<Entry> recent;
    BucketGranularity flowGranularity = BucketGranularity::day;
    std::vector<FlowBucket> flow;
    // One point per elapsed day.
    std::vector<NetWorthPoint> netWorthPoints;

    friend bool operator==(const OverviewReport&, const OverviewReport&) = default;
};

// Spending over a range of days selected on the cumulative chart, and over
// the same days of the previous period.
struct SpendingReadout
{
    std::pair<int, int> days; // lo…hi, both included
    DateInterval interval;
    Money spent;
    std::optional<DateInterval> previousInterval;
    std::optional<Money> previousSpent;

    friend bool operator==(const SpendingReadout&, const SpendingReadout&) = default;
};

// Income and spending over a run of flow buckets.
struct FlowRange
{
    DateInterval interval;
    Money received;
    Money spent;
    int count = 0; // buckets

    friend bool operator==(const FlowRange&, const FlowRange&) = default;
};

[[nodiscard]] OverviewReport overviewReport(const LedgerIndex& index, const PeriodEngine& engine,
                                            const PeriodSelection& selection);

// None unless 0 ≤ lo ≤ hi and hi is an elapsed day. The previous figures
// are present when there are days to compare with; days beyond the
// previous period's length use its last day.
[[nodiscard]] std::optional<SpendingReadout> spendingReadout(const OverviewReport& report, int lo,
                                                             int hi);
// The flow buckets from a's start to b's start (in either order).
[[nodiscard]] FlowRange flowRange(const OverviewReport& report, const FlowBucket& a,
                                  const FlowBucket& b);
[[nodiscard]] std::optional<NetWorthPoint> nearestNetWorthPoint(const OverviewReport& report,
                                                                const QDateTime& date);
[[nodiscard]] std::optional<CumulativePoint>
nearestCumulativePoint(const std::vector<CumulativePoint>& points, const QDateTime& date);

} // namespace tallyra
