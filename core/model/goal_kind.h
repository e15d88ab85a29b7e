#pragma once

// The three plans that share the Goal record: saving goals, balance goals
// and challenges. Stored as its raw text in GoalModel.kindRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QStringView>

#include "base/enum_table.h"

namespace tallyra {

enum class GoalKind : std::uint8_t
{
    saving,
    balance,
    challenge
};

inline constexpr auto kGoalKinds = makeEnumTable<GoalKind>(
    {
        {GoalKind::saving, u"saving", QT_TRANSLATE_NOOP("GoalKind", "Saving Goal")},
        {GoalKind::balance, u"balance", QT_TRANSLATE_NOOP("GoalKind", "Balance Goal")},
        {GoalKind::challenge, u"challenge", QT_TRANSLATE_NOOP("GoalKind", "Challenge")},
    },
    "GoalKind");
[[nodiscard]] constexpr const auto& enumTable(GoalKind) noexcept
{
    return kGoalKinds;
}

// Repairing read of stored data: "balance" and "challenge" give their case,
// anything else is a saving goal.
[[nodiscard]] inline GoalKind goalKindFromStored(QStringView raw)
{
    return enumFromRaw<GoalKind>(raw).value_or(GoalKind::saving);
}

} // namespace tallyra
