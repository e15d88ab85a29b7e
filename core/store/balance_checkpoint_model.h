#pragma once

// BalanceCheckpointModel: a stored balance change; account holds the
// objectID of its account. Deleting the account deletes its balance
// changes. Defaults: an invalid date or createdAt becomes the store
// clock's now on insert.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QDateTime>

#include "base/typed_id.h"

namespace tallyra {

struct BalanceCheckpointModel
{
    enum class Field : std::uint8_t
    {
        id,
        date,
        balanceMinor,
        createdAt,
        account
    };
    using Id = CheckpointId;

    std::int64_t objectID = 0;
    CheckpointId id;
    QDateTime date;
    std::int64_t balanceMinor = 0;
    QDateTime createdAt;
    std::optional<std::int64_t> account;

    friend bool operator==(const BalanceCheckpointModel& a,
                           const BalanceCheckpointModel& b) = default;
};

} // namespace tallyra
