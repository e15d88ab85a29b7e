#include "periods/period_length.h"

namespace tallyra {

QString rawValue(PeriodLength length)
{
    switch (length) {
    case PeriodLength::week:
        return QStringLiteral("1W");
    case PeriodLength::month:
        return QStringLiteral("1M");
    case PeriodLength::threeMonths:
        return QStringLiteral("3M");
    case PeriodLength::sixMonths:
        return QStringLiteral("6M");
    case PeriodLength::year:
        return QStringLiteral("1Y");
    case PeriodLength::max:
        return QStringLiteral("MAX");
    case PeriodLength::last7Days:
        return QStringLiteral("R7D");
    case PeriodLength::last30Days:
        return QStringLiteral("R30D");
    case PeriodLength::last90Days:
        return QStringLiteral("R90D");
    case PeriodLength::last6Months:
        return QStringLiteral("R6M");
    case PeriodLength::lastYear:
        return QStringLiteral("R1Y");
    }
    return {};
}

std::optional<PeriodLength> periodLengthFromRaw(QStringView raw)
{
    for (PeriodLength length : allPeriodLengths())
        if (rawValue(length) == raw)
            return length;
    return std::nullopt;
}

const QList<PeriodLength>& allPeriodLengths()
{
    static const QList<PeriodLength> all{
        PeriodLength::week,        PeriodLength::month,      PeriodLength::threeMonths,
        PeriodLength::sixMonths,   PeriodLength::year,       PeriodLength::max,
        PeriodLength::last7Days,   PeriodLength::last30Days, PeriodLength::last90Days,
        PeriodLength::last6Months, PeriodLength::lastYear,
    };
    return all;
}

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
