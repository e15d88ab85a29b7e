#pragma once

// WriteCalendar: the Gregorian calendar in the user's time zone as the
// writers need it — which day an instant falls on, where a day starts, and
// 12:00 of a day (where transactions without a time of day are stored).
//
// A day runs from its first instant (local midnight, or the first moment
// after a clock change that skips midnight) to the next day's first
// instant. Noon is 12:00:00 local time; where a clock change skips it, the
// first moment after the gap.
//
// Thread safety: an immutable value; any thread.

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

namespace tallyra {

class WriteCalendar
{
public:
    // An invalid zone means UTC.
    explicit WriteCalendar(QTimeZone zone);

    [[nodiscard]] const QTimeZone& timeZone() const noexcept { return m_zone; }

    [[nodiscard]] QDate dayOf(const QDateTime& instant) const;
    // The first instant of the day, in UTC.
    [[nodiscard]] QDateTime startOfDay(const QDate& day) const;
    [[nodiscard]] QDateTime startOfNextDay(const QDate& day) const
    {
        return startOfDay(day.addDays(1));
    }
    // 12:00:00 of the instant's day, in UTC; the instant itself when the
    // zone has no such moment that day.
    [[nodiscard]] QDateTime noonOf(const QDateTime& instant) const;
    [[nodiscard]] QDateTime noon(const QDate& day) const;
    // True when the instant is the first instant of its day.
    [[nodiscard]] bool isStartOfDay(const QDateTime& instant) const;

private:
    QTimeZone m_zone;
};

} // namespace tallyra
