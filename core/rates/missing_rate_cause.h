#pragma once

// MissingRateCause: why a currency has no exchange rate, as the
// exchange-rate service decides it.
//   unlisted — a complete answer today listed it in no source;
//   failed   — the last refresh couldn’t get it and it will be asked again;
//   loading  — no refresh has finished or failed yet.
// Stored and printed by its raw value, the case name.

#include "base/enum_table.h"

namespace tallyra {

enum class MissingRateCause
{
    unlisted,
    failed,
    loading,
};

inline constexpr auto kMissingRateCauses = makeEnumTable<MissingRateCause>({
    {MissingRateCause::unlisted, u"unlisted"},
    {MissingRateCause::failed, u"failed"},
    {MissingRateCause::loading, u"loading"},
});
[[nodiscard]] constexpr const auto& enumTable(MissingRateCause) noexcept
{
    return kMissingRateCauses;
}

} // namespace tallyra
