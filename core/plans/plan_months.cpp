#include "plans/plan_months.h"

#include "periods/period_engine.h"

namespace tallyra {

int monthIndex(const QDate& day) noexcept
{
    return day.year() * 12 + day.month() - 1;
}

QDate firstDayOfMonth(int index)
{
    // Floor division, so that indices before year 0 still name a month.
    const int year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    return QDate(year, index - year * 12 + 1, 1);
}

int currentMonthIndex(const PeriodEngine& engine)
{
    return monthIndex(engine.dayOf(engine.today()));
}

std::optional<DeadlineMonth> deadlineMonth(const PeriodEngine& engine,
                                           const std::optional<QDateTime>& deadline)
{
    if (!deadline)
        return std::nullopt;
    const int index = monthIndex(engine.dayOf(*deadline));
    return DeadlineMonth{firstDayOfMonth(index), index - currentMonthIndex(engine)};
}

Pace paceTowards(std::int64_t missingMinor, std::int64_t perMonthMinor, int thisMonth)
{
    if (missingMinor < 1)
        return Pace{0, firstDayOfMonth(thisMonth)};
    if (perMonthMinor < 1)
        return Pace{};
    // Rounded up without adding first, which could overflow near the limit.
    const std::int64_t months =
        missingMinor / perMonthMinor + (missingMinor % perMonthMinor != 0 ? 1 : 0);
    Pace pace{months, std::nullopt};
    if (months <= kMaxProjectedMonths)
        pace.projection = firstDayOfMonth(thisMonth + static_cast<int>(months));
    return pace;
}

} // namespace tallyra
