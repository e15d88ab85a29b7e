#pragma once

// Where an exchange rate came from; stored by its raw value in the rate
// cache. Titles name the source for the user.

#include "base/enum_table.h"

namespace tallyra {

enum class RateSource
{
    nationalBank,
    monobank,
};

inline constexpr auto kRateSources = makeEnumTable<RateSource>(
    {
        {RateSource::nationalBank, u"nbu",
         QT_TRANSLATE_NOOP("RateSource", "National Bank of Ukraine (official rate)")},
        {RateSource::monobank, u"monobank",
         QT_TRANSLATE_NOOP("RateSource", "Monobank (public rate)")},
    },
    "RateSource");
[[nodiscard]] constexpr const auto& enumTable(RateSource) noexcept
{
    return kRateSources;
}

} // namespace tallyra
