#pragma once

// How a budget's month is going: within its pace, spending faster than the
// month is passing, or past the limit.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include "base/enum_table.h"

namespace tallyra {

enum class BudgetStatus : std::uint8_t
{
    onTrack,
    aheadOfPace,
    over
};

inline constexpr auto kBudgetStatuses = makeEnumTable<BudgetStatus>(
    {
        {BudgetStatus::onTrack, u"onTrack", QT_TRANSLATE_NOOP("BudgetStatus", "On track")},
        {BudgetStatus::aheadOfPace, u"aheadOfPace",
         QT_TRANSLATE_NOOP("BudgetStatus", "Ahead of pace")},
        {BudgetStatus::over, u"over", QT_TRANSLATE_NOOP("BudgetStatus", "Over budget")},
    },
    "BudgetStatus");

[[nodiscard]] constexpr const auto& enumTable(BudgetStatus) noexcept
{
    return kBudgetStatuses;
}

} // namespace tallyra
