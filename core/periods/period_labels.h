#pragma once

// PeriodLabels: the names of periods and dates as the user sees them: the
// period title in the toolbar ("This Month", "3–6 Months Ago"), the range
// under it ("Nov 25 – Dec 24", "December 2026"), day headers in transaction
// lists ("Today", "Friday, Dec 11") and short dates on charts.
//
// Everything follows the engine: dates are formatted in its locale and time
// zone through the shared FormatterCache, and the fixed texts come from the
// string table of its locale's language, not the application's. A new
// engine with another locale therefore relabels everything at once.
//
// Templates are ICU skeletons; the locale decides order and punctuation
// ("MMM d" is "Dec 11" in en_US, "11 Dec" in en_GB, "11 груд." in uk_UA).
// Ranges join their dates with "–" (within a month) or " – ".
//
// Fixed texts (context "PeriodLabels"; %n is a number with its plural form,
// %1 a number before it):
//   "Today", "Yesterday", "This Month", "Last Month", "All Time",
//   "Last %n Days" (7, 30, 90), "Previous %n Days" (7),
//   "Last %n Months" (3, 6, 12), "%n Weeks Ago", "%n Months Ago",
//   "%1–%n Months Ago" (3–6, 6–12 …), "%1–%n Years Ago" (1–2 …).
//
// Example (en_US, month start day 1, today 10 December 2026):
//   PeriodLabels labels(engine);
//   labels.periodLabel(PeriodLength::month, 0);   // "This Month · December 2026"
//   labels.periodLabel(PeriodLength::last30Days, 1); // "Oct 12 – Nov 10"
//
// Thread safety: a value holding a copy of the engine; const methods may be
// called from any thread.

#include <cstdint>

#include <QDateTime>
#include <QString>

#include "i18n/string_table.h"
#include "periods/date_interval.h"
#include "periods/period_engine.h"
#include "periods/period_length.h"

namespace tallyra {

class PeriodLabels final
{
public:
    enum class Year
    {
        omitted,
        shown, // " 2026" after the range
    };

    explicit PeriodLabels(const PeriodEngine& engine);

    [[nodiscard]] const PeriodEngine& engine() const noexcept { return m_engine; }

    // The instant formatted from an ICU skeleton in the engine's locale,
    // calendar and time zone; `standalone` capitalizes it as a text of its
    // own (a title, a header) where the language does so.
    [[nodiscard]] QString format(const QDateTime& date, const QString& dateTemplate,
                                 bool standalone = false) const;

    [[nodiscard]] QString shortMonth(const QDateTime& date) const;     // "MMM": Dec
    [[nodiscard]] QString shortMonthYear(const QDateTime& date) const; // "MMM yyyy": Dec 2026
    [[nodiscard]] QString monthName(const QDateTime& date) const;      // "MMMM": December
    [[nodiscard]] QString longDate(const QDateTime& date) const;       // December 11, 2026
    [[nodiscard]] QString shortWeekday(const QDateTime& date) const;   // "EEE", standalone: Fri
    [[nodiscard]] QString dayOfMonth(const QDateTime& date) const;     // "d": 11
    [[nodiscard]] QString weekdayAndDate(const QDateTime& date) const; // standalone: Friday, Dec 11
    [[nodiscard]] QString timeOfDay(const QDateTime& date) const;      // "jmm": 2:05 PM
    [[nodiscard]] QString dateAndTime(const QDateTime& date) const;    // Dec 11, 2026, 2:05 PM

    // "MMM d" in today's year, else "MMM d, yyyy".
    [[nodiscard]] QString shortDate(const QDateTime& date) const;
    // "Today", "Yesterday", else the weekday and date, with the year when
    // it is not today's (standalone).
    [[nodiscard]] QString dayHeader(const QDateTime& date) const;
    // The days of [start, end): one date, "Mar 1–31" (or "1–31 Mar" where
    // the day comes first) within a month, else "Nov 25 – Dec 24"; with the
    // year of the last day after it when asked.
    [[nodiscard]] QString dayRange(const DateInterval& window, Year year) const;

    // The toolbar title of a period ("This Month", "2 Weeks Ago"); rolling
    // periods before the current one are named by their dates. A negative
    // offset counts as 0, and offsets beyond what the engine computes as
    // its largest.
    [[nodiscard]] QString periodTitle(PeriodLength length, std::int64_t offset) const;
    // The dates of a period ("December 2026", "Jan – Jun 2026",
    // "Nov 25 – Dec 24").
    [[nodiscard]] QString rangeLabel(PeriodLength length, std::int64_t offset,
                                     bool standalone) const;
    // Title and range joined by " · "; for a rolling period before the
    // current one the range alone.
    [[nodiscard]] QString periodLabel(PeriodLength length, std::int64_t offset) const;

private:
    [[nodiscard]] QString namedByDates(const PeriodWindow& window) const;
    [[nodiscard]] QDateTime lastDay(const DateInterval& window) const;
    [[nodiscard]] bool sameYear(const QDateTime& a, const QDateTime& b) const;

    PeriodEngine m_engine;
    QString m_localeId;
    QString m_timeZoneId;
    StringTable m_strings;
};

} // namespace tallyra
