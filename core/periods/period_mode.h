#pragma once

// PeriodMode: which family of period lengths the user works in. It is a
// setting, not part of a selection; when it changes, the selected and the
// default lengths are carried over with converted() (period_length.h).

#include "base/enum_table.h"

namespace tallyra {

enum class PeriodMode
{
    rolling,
    calendar,
};

inline constexpr auto kPeriodModes = makeEnumTable<PeriodMode>({
    {PeriodMode::rolling, u"rolling"},
    {PeriodMode::calendar, u"calendar"},
});
[[nodiscard]] constexpr const auto& enumTable(PeriodMode) noexcept
{
    return kPeriodModes;
}

} // namespace tallyra
