#pragma once

// CategoryDetail: one row of the category tree over the selected period —
// its total, bars per chart bucket, the average of the complete bars, its
// share of the mode's whole total, the same days before, and the most
// recent transactions.
//
// The detail covers the elapsed part of the window, [start, elapsedEnd):
// bars are the engine's buckets that start before elapsedEnd, at the
// granularity of the period's length (weeks, or months with preferMonths,
// for the three- and six-month lengths).
//
// Rounding: amounts are converted per transaction into the rates' base
// currency (half to even); the average is the sum of the complete bars
// divided by their number, halves away from zero. Absent when no bar is
// complete, and when months are preferred but the bars are days.
//
// Thread safety: pure functions; any thread.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/entry.h"
#include "money/money.h"
#include "periods/bucket.h"
#include "periods/date_interval.h"
#include "periods/period_engine.h"
#include "periods/period_selection.h"
#include "reports/category_scope.h"

namespace tallyra {

class LedgerIndex;

struct CategoryDetail
{
    struct Bar
    {
        DateInterval interval;
        Money amount;
        bool isComplete = false;

        friend bool operator==(const Bar&, const Bar&) = default;
    };

    // A run of bars selected on the chart.
    struct BarRange
    {
        DateInterval interval;
        Money amount;
        int count = 0; // bars

        friend bool operator==(const BarRange&, const BarRange&) = default;
    };

    Money total;
    int count = 0;
    // Matching transactions left out for lack of a rate.
    int uncounted = 0;
    Money comparisonTotal;
    DateInterval comparisonInterval;
    BucketGranularity granularity = BucketGranularity::day;
    std::vector<Bar> bars;
    std::optional<Money> average;
    // total ÷ the mode's whole total, 0…1 for positive totals; 0 when that
    // total is 0.
    double share = 0;
    // The last five matching transactions, newest first.
    std::vector<Entry> recent;

    friend bool operator==(const CategoryDetail&, const CategoryDetail&) = default;
};

// modeTotal: the whole total of the scope's mode over the same elapsed
// part of the window (what the breakdown shows as its total).
[[nodiscard]] CategoryDetail categoryDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                            const CategoryScope& scope,
                                            const PeriodSelection& selection,
                                            const Money& modeTotal, bool preferMonths);

// The bars from the earlier of a and b to the later, inclusive; none when
// either is not a bar of the detail.
[[nodiscard]] std::optional<CategoryDetail::BarRange> barRange(const CategoryDetail& detail,
                                                               size_t a, size_t b);

} // namespace tallyra
