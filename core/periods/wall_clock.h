#pragma once

// WallClock: the instant at which a clock on the wall in a time zone shows
// a given day and time. It is the one place that decides what a time means
// when a clock change skips it or shows it twice:
//   - inside the gap of a change forward, the first instant after the gap
//     (03:30 on the night Kyiv moves from 03:00 to 04:00 is 04:00);
//   - in the hour a change back repeats, the first of the two instants.
// A day therefore always starts where startOfDay() says, also where
// midnight itself is skipped.
//
// Days without a clock change are answered from a cached offset; the
// calendar is asked only for the others.
//
// Thread safety: keeps its own calendar and cache; one thread at a time.
//
// Example:
//   WallClock clock(QTimeZone("Europe/Kyiv"));
//   clock.instant(QDate(2026, 3, 29), QTime(3, 30)) // 2026-03-29 01:00 UTC

#include <memory>
#include <unordered_map>

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

namespace tallyra {

class IcuCalendar;

class WallClock final
{
public:
    // An invalid zone means UTC.
    explicit WallClock(const QTimeZone& zone);
    ~WallClock();
    WallClock(const WallClock&) = delete;
    WallClock& operator=(const WallClock&) = delete;

    // The instant, in UTC. An invalid time counts as midnight.
    [[nodiscard]] QDateTime instant(const QDate& day, const QTime& time);

private:
    std::unique_ptr<IcuCalendar> m_calendar;
    // Julian day → the UTC milliseconds of its midnight when the day is 24
    // hours long and starts at midnight; -1 for a day with a clock change.
    std::unordered_map<qint64, qint64> m_plainDays;
};

} // namespace tallyra
