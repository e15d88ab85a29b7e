#include "periods/wall_clock.h"

#include <QLocale>

#include "periods/icu_calendar.h"

namespace tallyra {

namespace {

constexpr qint64 kDayMSecs = 24 * 60 * 60 * 1000;
constexpr qint64 kIrregular = -1;

} // namespace

WallClock::WallClock(const QTimeZone& zone)
    : m_calendar(std::make_unique<IcuCalendar>(
          *IcuCalendar::makePrototype(zone.isValid() ? zone : QTimeZone::utc(), QLocale::c(), 2)))
{
}

WallClock::~WallClock() = default;

QDateTime WallClock::instant(const QDate& day, const QTime& time)
{
    const int msecs = time.isValid() ? time.msecsSinceStartOfDay() : 0;
    auto [found, added] = m_plainDays.try_emplace(day.toJulianDay(), kIrregular);
    if (added) {
        const QDate next = day.addDays(1);
        const QDateTime start = m_calendar->instantAt(day.year(), day.month(), day.day(), 0);
        const QDateTime end = m_calendar->instantAt(next.year(), next.month(), next.day(), 0);
        // Midnight to midnight in exactly 24 hours: no change of offset
        // inside the day (a skipped midnight makes the day shorter).
        if (start.msecsTo(end) == kDayMSecs)
            found->second = start.toMSecsSinceEpoch();
    }
    if (found->second != kIrregular)
        return QDateTime::fromMSecsSinceEpoch(found->second + msecs, QTimeZone::utc());
    return m_calendar->instantAt(day.year(), day.month(), day.day(), msecs);
}

} // namespace tallyra
