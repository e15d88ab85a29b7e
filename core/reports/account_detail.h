#pragma once

// AccountDetail: one account over the selected period — its balance at
// the start and at the end of the elapsed part, a balance for the end of
// every elapsed day with the lowest of them, the average daily balance,
// the money that came in and went out, and the latest transactions.
//
// Interval: the elapsed part of the window, [start, elapsedEnd). Amounts
// are in the account's own currency; nothing is converted. The average
// daily balance rounds half away from zero; sums saturate.
//
// Thread safety: pure; any thread.

#include <optional>
#include <vector>

#include <QDateTime>

#include "base/typed_id.h"
#include "model/entry.h"
#include "money/money.h"
#include "periods/period_engine.h"
#include "periods/period_selection.h"

namespace tallyra {

class LedgerIndex;

struct AccountDetail
{
    struct Point
    {
        QDateTime day; // the start of the day
        Money balance; // at the end of that day

        friend bool operator==(const Point&, const Point&) = default;
    };

    // The two ends of a range selected on the balance chart.
    struct RangeChange
    {
        Point from;
        Point to;

        friend bool operator==(const RangeChange&, const RangeChange&) = default;
    };

    Money opening; // just before the window's start
    Money closing; // just before elapsedEnd
    std::vector<Point> points;
    // The first point holding the smallest balance; none without points.
    std::optional<Point> lowest;
    // The mean of the points' balances; 0 without points.
    Money averageDaily;
    // The positive movements, and the negative ones as a positive amount.
    Money moneyIn;
    int inCount = 0;
    Money moneyOut;
    int outCount = 0;
    // The last five transactions of the elapsed part touching the account,
    // newest first.
    std::vector<Entry> recent;

    friend bool operator==(const AccountDetail&, const AccountDetail&) = default;
};

[[nodiscard]] AccountDetail accountDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                          const PeriodSelection& selection,
                                          const AccountId& account);

// The point nearest the date (the earlier one on a tie).
[[nodiscard]] std::optional<AccountDetail::Point> nearestPoint(const AccountDetail& detail,
                                                               const QDateTime& date);
// The nearest points of the two dates, earlier first; none when there are
// no points or both fall on the same day.
[[nodiscard]] std::optional<AccountDetail::RangeChange>
rangeChange(const AccountDetail& detail, const QDateTime& a, const QDateTime& b);

} // namespace tallyra
