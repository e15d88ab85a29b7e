#pragma once

// PeriodEngine: turns a PeriodSelection into concrete intervals: the window
// the reports sum over, the part of it that has happened, the same days of
// the period before, and the chart buckets inside a window. It also knows
// the user's pay months (a month may run from the 25th to the 24th) and is
// the one place that decides what "today" is, so all screens agree on it.
//
// All calendar arithmetic is done by ICU's Gregorian calendar in the given
// time zone: days run from local midnight to local midnight (23 or 25 hours
// across a clock change), months follow the calendar (a start day of 31
// gives 28 or 29 in February and 30 in April). Every instant going in may
// be in any zone or offset; every instant coming out is UTC.
//
// The engine is an immutable value, cheap to copy. It keeps one ICU calendar
// behind a std::shared_ptr<const …> that nobody mutates; each query clones
// it and works on the clone, so one engine may be used from several threads
// at once. Its owner builds a new engine when the day, the calendar settings
// or the ledger's oldest date change.
//
// Offsets beyond kMaxComputedOffset periods are computed as that many
// (about 8,000 years back for weeks); an application never produces them.
// The engine reports no errors: ICU yields a date for every offset it makes.
//
// Example (month start day 25, today 4 March 2026 in Kyiv):
//   PeriodEngine engine(clock.now(), CalendarSettings{25, 2}, QTimeZone("Europe/Kyiv"),
//                       QLocale(QStringLiteral("uk_UA")), oldestRecordDate);
//   engine.window(PeriodSelection(PeriodLength::month)).interval;     // [25 Feb, 25 Mar)
//   engine.window(PeriodSelection(PeriodLength::month, 1)).interval;  // [25 Jan, 25 Feb)

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QTimeZone>

#include <unicode/uversion.h>

#include "periods/bucket.h"
#include "periods/calendar_settings.h"
#include "periods/date_interval.h"
#include "periods/period_selection.h"
#include "periods/period_window.h"

U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

namespace tallyra {

class IcuCalendar;

class PeriodEngine final
{
public:
    static constexpr std::int64_t kMaxComputedOffset = 400'000;

    // `now` is the current instant; today is the start of its day in `zone`.
    // The settings are kept within month start day 1…31 and first weekday
    // 1…7. The locale supplies the minimal days of the first week and is
    // kept for labels. An invalid zone means UTC; an invalid dataStart means
    // none.
    PeriodEngine(const QDateTime& now, CalendarSettings settings, const QTimeZone& zone,
                 const QLocale& locale, std::optional<QDateTime> dataStart = std::nullopt);
    // The same with an IANA zone id ("Europe/Kyiv"); an id ICU does not know
    // means UTC.
    PeriodEngine(const QDateTime& now, CalendarSettings settings, const QString& zoneId,
                 const QLocale& locale, std::optional<QDateTime> dataStart = std::nullopt);

    [[nodiscard]] const CalendarSettings& settings() const noexcept { return m_settings; }
    [[nodiscard]] const QLocale& locale() const noexcept { return m_locale; }
    [[nodiscard]] const std::optional<QDateTime>& dataStart() const noexcept { return m_dataStart; }
    // The IANA id of the engine's time zone.
    [[nodiscard]] QString timeZoneId() const;

    // The start of the current day.
    [[nodiscard]] const QDateTime& today() const noexcept { return m_today; }
    // The start of the next day: the exclusive end of today.
    [[nodiscard]] const QDateTime& tomorrow() const noexcept { return m_tomorrow; }
    // True when the instant's day starts at or after tomorrow.
    [[nodiscard]] bool isAfterToday(const QDateTime& date) const;

    // The start of the instant's day, and of a calendar day.
    [[nodiscard]] QDateTime startOfDay(const QDateTime& instant) const;
    [[nodiscard]] QDateTime startOfDay(const QDate& day) const;
    // The calendar day the instant falls on in the engine's zone.
    [[nodiscard]] QDate dayOf(const QDateTime& instant) const;

    // Calendar-day arithmetic: the same wall-clock time `days` days later.
    [[nodiscard]] QDateTime addingDays(std::int64_t days, const QDateTime& date) const;
    // Whole calendar days from the interval's start to its end (negative when
    // the end is earlier).
    [[nodiscard]] int dayCount(const DateInterval& interval) const;

    // One calendar day: its start and its date in the engine's zone.
    struct CalendarDay
    {
        QDateTime start;
        QDate date;

        friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
    };
    // Every day that overlaps the interval, from the day holding its start,
    // in order, followed by one more boundary: the start of the day after
    // the last (whose date is that day's). Empty for an empty interval.
    // One calendar clone for the whole run, so reports that go day by day
    // over years ask for their days once.
    [[nodiscard]] std::vector<CalendarDay> days(const DateInterval& interval) const;

    [[nodiscard]] PeriodWindow window(const PeriodSelection& selection) const;
    // The same days of the period before: as many days at the start of the
    // previous period as have elapsed of this one, capped at its end. Empty
    // (at the window's start) for max.
    [[nodiscard]] DateInterval comparisonInterval(const PeriodSelection& selection) const;
    // The window cut into days, weeks (starting on the first weekday) or pay
    // months, in time order; empty for an empty window.
    [[nodiscard]] QList<Bucket> buckets(const PeriodWindow& window,
                                        BucketGranularity granularity) const;
    [[nodiscard]] static BucketGranularity granularity(PeriodLength length, bool preferMonths);
    // The selection of the same length whose window contains the date; a
    // date after today, or max, leaves the selection unchanged.
    [[nodiscard]] PeriodSelection selectionShowing(const QDateTime& date,
                                                   const PeriodSelection& selection) const;
    // The pay-month starts in [start, end), in order.
    [[nodiscard]] QList<QDateTime> monthStarts(const DateInterval& interval) const;

    // Pay months are numbered year × 12 + (month − 1) by the calendar month
    // they begin in. The index of the pay month containing the date:
    [[nodiscard]] int monthIndex(const QDateTime& date) const;
    // Local midnight of the first day of pay month `index`.
    [[nodiscard]] QDateTime monthStart(int index) const;
    // The day of the calendar month on which pay month `index` begins: the
    // month start day, or the month's last day when it is shorter.
    [[nodiscard]] int startDayOfMonth(int index) const;

private:
    class Computation;

    std::shared_ptr<const icu::Calendar> m_calendar;
    CalendarSettings m_settings;
    QLocale m_locale;
    std::optional<QDateTime> m_dataStart;
    QDateTime m_today;
    QDateTime m_tomorrow;

    PeriodEngine(std::shared_ptr<const icu::Calendar> calendar, const QDateTime& now,
                 CalendarSettings settings, const QLocale& locale,
                 std::optional<QDateTime> dataStart);
};

} // namespace tallyra
