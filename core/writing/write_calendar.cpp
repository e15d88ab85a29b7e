#include "writing/write_calendar.h"

namespace tallyra {

namespace {

const QTime kNoon(12, 0);

} // namespace

WriteCalendar::WriteCalendar(QTimeZone zone)
    : m_zone(zone.isValid() ? std::move(zone) : QTimeZone::utc())
{
}

QDate WriteCalendar::dayOf(const QDateTime& instant) const
{
    return instant.toTimeZone(m_zone).date();
}

QDateTime WriteCalendar::startOfDay(const QDate& day) const
{
    return day.startOfDay(m_zone).toUTC();
}

bool WriteCalendar::isStartOfDay(const QDateTime& instant) const
{
    return instant.isValid() && startOfDay(dayOf(instant)) == instant;
}

QDateTime WriteCalendar::noon(const QDate& day) const
{
    const QDateTime candidate(day, kNoon, m_zone);
    if (candidate.isValid()) {
        const QDateTime local = candidate.toTimeZone(m_zone);
        if (local.date() == day && local.time() == kNoon)
            return candidate.toUTC();
    }
    // 12:00 falls into a gap: the first moment going forward is the
    // transition that ends the gap.
    if (m_zone.hasTransitions()) {
        for (const QTimeZone::OffsetData& transition :
             m_zone.transitions(startOfDay(day), startOfNextDay(day))) {
            const QDateTime local = transition.atUtc.toTimeZone(m_zone);
            if (local.date() == day && local.time() >= kNoon)
                return transition.atUtc.toUTC();
        }
    }
    return QDateTime();
}

QDateTime WriteCalendar::noonOf(const QDateTime& instant) const
{
    const QDateTime result = noon(dayOf(instant));
    return result.isValid() ? result : instant.toUTC();
}

QDateTime balanceInstant(const WriteCalendar& calendar, const QDateTime& now,
                         const std::optional<QDate>& day, bool accountHasTransactionToday)
{
    const QDate today = calendar.dayOf(now);
    if (day && *day != today)
        return calendar.startOfNextDay(*day);
    if (now > calendar.noonOf(now))
        return now.toUTC();
    if (accountHasTransactionToday)
        return now.toUTC().addSecs(1);
    return calendar.startOfNextDay(today);
}

} // namespace tallyra
