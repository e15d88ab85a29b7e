#pragma once

// How a balance goal is judged: keep the balance above the target the whole
// time, or reach the target by the deadline. Stored as its raw text in
// GoalModel.balanceModeRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class BalanceMode : std::uint8_t
{
    stayAbove,
    reachBy
};

inline constexpr std::array<BalanceMode, 2> kAllBalanceModes = {BalanceMode::stayAbove,
                                                                BalanceMode::reachBy};

[[nodiscard]] QString rawValue(BalanceMode mode);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<BalanceMode> balanceModeFromRaw(QStringView raw);
// Repairing read of stored data: "reachBy" is reachBy, anything else stayAbove.
[[nodiscard]] BalanceMode balanceModeFromStored(QStringView raw);
// "Stay Above", "Reach By", translated.
[[nodiscard]] QString title(BalanceMode mode);

} // namespace tallyra
