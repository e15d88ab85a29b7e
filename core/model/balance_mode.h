#pragma once

// How a balance goal is judged: keep the balance above the target the whole
// time, or reach the target by the deadline. Stored as its raw text in
// GoalModel.balanceModeRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QStringView>

#include "base/enum_table.h"

namespace tallyra {

enum class BalanceMode : std::uint8_t
{
    stayAbove,
    reachBy
};

inline constexpr auto kBalanceModes = makeEnumTable<BalanceMode>(
    {
        {BalanceMode::stayAbove, u"stayAbove", QT_TRANSLATE_NOOP("BalanceMode", "Stay Above")},
        {BalanceMode::reachBy, u"reachBy", QT_TRANSLATE_NOOP("BalanceMode", "Reach By")},
    },
    "BalanceMode");
[[nodiscard]] constexpr const auto& enumTable(BalanceMode) noexcept
{
    return kBalanceModes;
}

// Repairing read of stored data: "reachBy" is reachBy, anything else stayAbove.
[[nodiscard]] inline BalanceMode balanceModeFromStored(QStringView raw)
{
    return enumFromRaw<BalanceMode>(raw).value_or(BalanceMode::stayAbove);
}

} // namespace tallyra
