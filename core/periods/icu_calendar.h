#pragma once

// IcuCalendar: the period engine's working copy of an ICU Gregorian
// calendar, with the handful of operations the engine needs, all in the
// calendar's own time zone and all returning UTC instants.
//
// A day always runs from local midnight to the next local midnight, so a
// day may last 23 or 25 hours across a clock change. Where midnight does not
// exist (a clock change at 00:00) the day starts at the first instant that
// does; where midnight happens twice, at the first of them. The calendar is
// proleptic Gregorian, like QDate.
//
// ICU calendars are not safe to share between threads (even reads update
// their fields), so the engine keeps one immutable prototype and each query
// works on its own IcuCalendar clone of it.
//
// ICU failures (which cannot happen for the dates the application makes)
// leave the input unchanged and are logged.

#include <memory>

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <unicode/uversion.h>

#include "periods/date_interval.h"

U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

namespace tallyra {

class IcuCalendar final
{
public:
    struct Day
    {
        int year = 1970; // extended (astronomical) year
        int month = 1;   // 1…12
        int day = 1;     // 1…31
    };

    // A Gregorian calendar in the zone with the IANA id (UTC when ICU does
    // not know it), week rules of the locale and the given first weekday.
    [[nodiscard]] static std::shared_ptr<const icu::Calendar>
    makePrototype(const QString& zoneId, const QLocale& locale, int firstWeekday);
    // The same for a QTimeZone; a zone ICU does not know by id (a fixed
    // offset such as "UTC+03:00") keeps its offset from UTC.
    [[nodiscard]] static std::shared_ptr<const icu::Calendar>
    makePrototype(const QTimeZone& zone, const QLocale& locale, int firstWeekday);
    // The IANA id of the prototype's zone.
    [[nodiscard]] static QString zoneId(const icu::Calendar& prototype);

    explicit IcuCalendar(const icu::Calendar& prototype);
    ~IcuCalendar();
    IcuCalendar(const IcuCalendar&) = delete;
    IcuCalendar& operator=(const IcuCalendar&) = delete;

    [[nodiscard]] Day components(const QDateTime& instant);
    // 1 = Sunday … 7 = Saturday.
    [[nodiscard]] int dayOfWeek(const QDateTime& instant);
    [[nodiscard]] int firstWeekday() const;
    [[nodiscard]] int daysInMonth(int year, int month);

    [[nodiscard]] QDateTime startOfDay(const QDateTime& instant);
    // Local midnight of the given day; the day must exist in the month.
    [[nodiscard]] QDateTime startOfDay(int year, int month, int day);
    // The wall-clock time of the day: inside the gap of a clock change the
    // first instant after it, a time that happens twice the first of them.
    [[nodiscard]] QDateTime instantAt(int year, int month, int day, int msecsSinceMidnight);
    // Calendar arithmetic that keeps the wall-clock time (midnight stays
    // midnight across clock changes, and the start of a day always gives the
    // start of a day, even one without a midnight); adding months pins the day to the end
    // of a shorter month (31 January + 1 month = 28 or 29 February). Counts
    // beyond ±2^31 are cut to that range.
    [[nodiscard]] QDateTime addingDays(qint64 days, const QDateTime& instant);
    [[nodiscard]] QDateTime addingMonths(qint64 months, const QDateTime& instant);
    // Whole days or months from `from` to `to` (negative when `to` is
    // earlier), as the calendar counts them.
    [[nodiscard]] int dayDifference(const QDateTime& from, const QDateTime& to);
    [[nodiscard]] int monthDifference(const QDateTime& from, const QDateTime& to);
    // The seven days, midnight to midnight, of the week that contains the
    // instant, beginning on the calendar's first weekday.
    [[nodiscard]] DateInterval weekContaining(const QDateTime& instant);

private:
    [[nodiscard]] int julianDay(const QDateTime& instant);
    [[nodiscard]] QDateTime adding(int field, qint64 amount, const QDateTime& instant);

    std::unique_ptr<icu::Calendar> m_calendar;
};

} // namespace tallyra
