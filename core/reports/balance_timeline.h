#pragma once

// BalanceTimeline: what one account held at any instant, answered with one
// binary search. Built once per ledger load from the date-sorted
// transactions and balance changes.
//
// The points are the account's transactions and the balance changes after
// the first, in time order; sums[i] is the running total of every movement
// up to and including point i, not counting the opening. The first balance
// change sets the opening instead (so that it holds exactly); each later
// change adds a point 1 ms before its date carrying the adjustment, so a
// transaction exactly at a change's date counts after it.
//
// Amounts are minor units of the account's own currency; sums saturate at
// the 64-bit bounds. Thread safety: an immutable value once built.

#include <cstdint>
#include <optional>
#include <vector>

#include <QDateTime>

#include "base/typed_id.h"
#include "model/balance_checkpoint.h"
#include "model/entry.h"
#include "money/money.h"

namespace tallyra {

struct BalanceTimeline
{
    std::vector<qint64> dates; // milliseconds since the Unix epoch, ascending
    std::vector<std::int64_t> sums;
    std::vector<bool> isEntry;
    std::optional<std::int64_t> opening;
    std::vector<std::int64_t> adjustments;

    // The sum of the last point strictly before the instant; 0 when none.
    [[nodiscard]] std::int64_t sumBefore(qint64 instantMSecs) const;
    [[nodiscard]] std::int64_t sumBefore(const QDateTime& instant) const
    {
        return sumBefore(instant.toMSecsSinceEpoch());
    }

    friend bool operator==(const BalanceTimeline&, const BalanceTimeline&) = default;
};

// How far a balance change moved the balance.
struct BalanceChange
{
    BalanceCheckpoint checkpoint;
    Money moved;

    friend bool operator==(const BalanceChange&, const BalanceChange&) = default;
};

// The movement of one account caused by one transaction, in that account's
// minor units: −amount for its expenses, +amount for its income; a transfer
// takes the amount from the source and adds the received amount (toAmount,
// else amount) to the destination, so a transfer to itself moves it by the
// difference.
[[nodiscard]] std::int64_t effect(const Entry& entry, const AccountId& account);

} // namespace tallyra
