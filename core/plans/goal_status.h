#pragma once

// Where a saving goal stands: on course for its deadline, behind it,
// without a deadline to judge against, or already at its target.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include "base/enum_table.h"

namespace tallyra {

enum class GoalStatus : std::uint8_t
{
    onTrack,
    behind,
    noDeadline,
    reached
};

inline constexpr auto kGoalStatuses = makeEnumTable<GoalStatus>(
    {
        {GoalStatus::onTrack, u"onTrack", QT_TRANSLATE_NOOP("GoalStatus", "On track")},
        {GoalStatus::behind, u"behind", QT_TRANSLATE_NOOP("GoalStatus", "Behind")},
        {GoalStatus::noDeadline, u"noDeadline", QT_TRANSLATE_NOOP("GoalStatus", "No deadline")},
        {GoalStatus::reached, u"reached", QT_TRANSLATE_NOOP("GoalStatus", "Reached")},
    },
    "GoalStatus");

[[nodiscard]] constexpr const auto& enumTable(GoalStatus) noexcept
{
    return kGoalStatuses;
}

} // namespace tallyra
