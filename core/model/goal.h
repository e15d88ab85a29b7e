#pragma once

// Goal: an immutable snapshot of one stored plan — a saving goal, a balance
// goal or a challenge, told apart by kind. Amounts are in the main currency
// read when the record was built.
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QDateTime>
#include <QList>
#include <QString>

#include "base/typed_id.h"
#include "model/balance_mode.h"
#include "model/goal_kind.h"
#include "money/money.h"

namespace tallyra {

struct Goal
{
    GoalId id;
    GoalKind kind = GoalKind::saving;
    QString name;
    std::optional<QString> emoji;
    std::int64_t order = 0;
    Money target;
    Money assigned;
    Money monthly;
    std::optional<QDateTime> deadline;
    BalanceMode balanceMode = BalanceMode::stayAbove;
    // Balance goals: watch every account instead of accountIDs.
    bool allAccounts = false;
    QList<AccountId> accountIDs;
    // The category a challenge watches.
    std::optional<CategoryId> categoryID;
    // The span of a challenge.
    std::optional<QDateTime> startDate;
    std::optional<QDateTime> endDate;

    friend bool operator==(const Goal& a, const Goal& b) = default;
};

[[nodiscard]] size_t qHash(const Goal& goal, size_t seed = 0);

} // namespace tallyra
