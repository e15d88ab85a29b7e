#pragma once

// BalanceCheckpoint: an immutable snapshot of one balance change, which
// pins what an account held at an instant. balance is in the account's
// currency, clamped to ±kMoneyLimitMinor. A stored balance change without
// an account yields no record at all.
//
// Thread safety: a plain value; any thread.

#include <QDateTime>

#include "base/typed_id.h"
#include "money/money.h"

namespace tallyra {

struct BalanceCheckpoint
{
    CheckpointId id;
    AccountId accountID;
    QDateTime date;
    Money balance;
    QDateTime createdAt;

    friend bool operator==(const BalanceCheckpoint& a, const BalanceCheckpoint& b) = default;
};

[[nodiscard]] size_t qHash(const BalanceCheckpoint& checkpoint, size_t seed = 0);

} // namespace tallyra
