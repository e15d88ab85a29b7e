#pragma once

// The three plans that share the Goal record: saving goals, balance goals
// and challenges. Stored as its raw text in GoalModel.kindRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class GoalKind : std::uint8_t
{
    saving,
    balance,
    challenge
};

inline constexpr std::array<GoalKind, 3> kAllGoalKinds = {GoalKind::saving, GoalKind::balance,
                                                          GoalKind::challenge};

[[nodiscard]] QString rawValue(GoalKind kind);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<GoalKind> goalKindFromRaw(QStringView raw);
// Repairing read of stored data: "balance" and "challenge" give their case,
// anything else is a saving goal.
[[nodiscard]] GoalKind goalKindFromStored(QStringView raw);
// "Saving Goal", "Balance Goal", "Challenge", translated.
[[nodiscard]] QString title(GoalKind kind);

} // namespace tallyra
