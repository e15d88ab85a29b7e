#include "periods/period_length.h"

namespace tallyra {

PeriodFamily family(PeriodLength length) noexcept
{
    switch (length) {
    case PeriodLength::max:
        return PeriodFamily::both;
    case PeriodLength::last7Days:
    case PeriodLength::last30Days:
    case PeriodLength::last90Days:
    case PeriodLength::last6Months:
    case PeriodLength::lastYear:
        return PeriodFamily::rolling;
    case PeriodLength::week:
    case PeriodLength::month:
    case PeriodLength::threeMonths:
    case PeriodLength::sixMonths:
    case PeriodLength::year:
        break;
    }
    return PeriodFamily::calendar;
}

bool isRolling(PeriodLength length) noexcept
{
    return family(length) == PeriodFamily::rolling;
}

bool isShownByDay(PeriodLength length) noexcept
{
    return length == PeriodLength::week || length == PeriodLength::month ||
           length == PeriodLength::last7Days || length == PeriodLength::last30Days;
}

PeriodLength calendarCounterpart(PeriodLength length) noexcept
{
    switch (length) {
    case PeriodLength::last7Days:
        return PeriodLength::week;
    case PeriodLength::last30Days:
        return PeriodLength::month;
    case PeriodLength::last90Days:
        return PeriodLength::threeMonths;
    case PeriodLength::last6Months:
        return PeriodLength::sixMonths;
    case PeriodLength::lastYear:
        return PeriodLength::year;
    default:
        return length;
    }
}

PeriodLength rollingCounterpart(PeriodLength length) noexcept
{
    switch (length) {
    case PeriodLength::week:
        return PeriodLength::last7Days;
    case PeriodLength::month:
        return PeriodLength::last30Days;
    case PeriodLength::threeMonths:
        return PeriodLength::last90Days;
    case PeriodLength::sixMonths:
        return PeriodLength::last6Months;
    case PeriodLength::year:
        return PeriodLength::lastYear;
    default:
        return length;
    }
}

PeriodLength converted(PeriodLength length, PeriodMode mode) noexcept
{
    return mode == PeriodMode::calendar ? calendarCounterpart(length) : rollingCounterpart(length);
}

} // namespace tallyra
