#pragma once

// PeriodLength: how long a period is and which family it belongs to.
//
// Rolling lengths always end today (the last 7, 30 or 90 days, the last 6 or
// 12 months). Calendar lengths are made of whole pay months that begin on
// the user's month start day, plus a seven-day week that ends today. All
// time (max) belongs to both families. Each length has a counterpart in the
// other family; converted() maps a length into a mode through it.
//
// Raw values are stored and encoded; decoding an unknown one fails rather
// than guessing.

#include "base/enum_table.h"
#include "periods/period_mode.h"

namespace tallyra {

enum class PeriodLength
{
    week,
    month,
    threeMonths,
    sixMonths,
    year,
    max,
    last7Days,
    last30Days,
    last90Days,
    last6Months,
    lastYear,
};

enum class PeriodFamily
{
    calendar,
    rolling,
    both, // max: all time is in both families
};

inline constexpr auto kPeriodLengths = makeEnumTable<PeriodLength>({
    {PeriodLength::week, u"1W"},
    {PeriodLength::month, u"1M"},
    {PeriodLength::threeMonths, u"3M"},
    {PeriodLength::sixMonths, u"6M"},
    {PeriodLength::year, u"1Y"},
    {PeriodLength::max, u"MAX"},
    {PeriodLength::last7Days, u"R7D"},
    {PeriodLength::last30Days, u"R30D"},
    {PeriodLength::last90Days, u"R90D"},
    {PeriodLength::last6Months, u"R6M"},
    {PeriodLength::lastYear, u"R1Y"},
});
[[nodiscard]] constexpr const auto& enumTable(PeriodLength) noexcept
{
    return kPeriodLengths;
}

[[nodiscard]] PeriodFamily family(PeriodLength length) noexcept;
// True exactly for last7Days … lastYear.
[[nodiscard]] bool isRolling(PeriodLength length) noexcept;
// week, month, last7Days and last30Days: the lengths shown day by day.
[[nodiscard]] bool isShownByDay(PeriodLength length) noexcept;

// The calendar length a rolling one stands for (last30Days → month); a
// calendar length and max are returned unchanged.
[[nodiscard]] PeriodLength calendarCounterpart(PeriodLength length) noexcept;
// The rolling length a calendar one stands for (month → last30Days); a
// rolling length and max are returned unchanged.
[[nodiscard]] PeriodLength rollingCounterpart(PeriodLength length) noexcept;
// The length in the given mode's family: max and lengths already in that
// family are unchanged, the others become their counterpart.
[[nodiscard]] PeriodLength converted(PeriodLength length, PeriodMode mode) noexcept;

} // namespace tallyra
