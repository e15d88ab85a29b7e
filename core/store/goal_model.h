#pragma once

// GoalModel: a stored saving goal, balance goal or challenge; accounts
// lists the objectIDs of its accounts in relationship order (an account
// appears at most once) and category holds the objectID of a challenge's
// category. The inverses are AccountModel.goals and
// CategoryModel.challenges, fetched through StoreContext.
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

namespace tallyra {

struct GoalModel
{
    enum class Field : std::uint8_t
    {
        id,
        kindRaw,
        name,
        emoji,
        order,
        targetMinor,
        assignedMinor,
        monthlyMinor,
        deadline,
        balanceModeRaw,
        allAccounts,
        startDate,
        endDate,
        category,
    };
    using Id = GoalId;

    std::int64_t objectID = 0;
    GoalId id;
    QString kindRaw = QStringLiteral("saving");
    QString name;
    std::optional<QString> emoji;
    std::int64_t order = 0;
    std::int64_t targetMinor = 0;
    std::int64_t assignedMinor = 0;
    std::int64_t monthlyMinor = 0;
    std::optional<QDateTime> deadline;
    QString balanceModeRaw = QStringLiteral("stayAbove");
    bool allAccounts = false;
    std::optional<QDateTime> startDate;
    std::optional<QDateTime> endDate;
    std::optional<std::int64_t> category;
    QList<std::int64_t> accounts;

    [[nodiscard]] GoalKind kind() const { return goalKindFromStored(kindRaw); }
    [[nodiscard]] BalanceMode balanceMode() const { return balanceModeFromStored(balanceModeRaw); }

    friend bool operator==(const GoalModel& a, const GoalModel& b) = default;
};

} // namespace tallyra
