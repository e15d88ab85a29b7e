#include "periods/period_labels.h"

#include <algorithm>

#include "money/icu_locale.h"
#include "periods/formatter_cache.h"
#include "periods/period_selection.h"

namespace tallyra {

namespace {

// The engine computes in the Gregorian calendar only.
const QString& calendarId()
{
    static const QString id = QStringLiteral("gregorian");
    return id;
}

QString rangeSeparator()
{
    return QStringLiteral(" – ");
}
QString dashWithinMonth()
{
    return QStringLiteral("–");
}

// Offsets beyond the engine's largest are computed as that one, so the
// title counts the same periods back as the dates it stands for.
int shownOffset(PeriodLength length, std::int64_t offset)
{
    const PeriodSelection selection(length, offset);
    return static_cast<int>(std::min(selection.offset(), PeriodEngine::kMaxComputedOffset));
}

int monthsIn(PeriodLength length)
{
    switch (length) {
    case PeriodLength::threeMonths:
        return 3;
    case PeriodLength::sixMonths:
    case PeriodLength::last6Months:
        return 6;
    default:
        return 12;
    }
}

int daysIn(PeriodLength length)
{
    switch (length) {
    case PeriodLength::last30Days:
        return 30;
    case PeriodLength::last90Days:
        return 90;
    default:
        return 7;
    }
}

} // namespace

PeriodLabels::PeriodLabels(const PeriodEngine& engine)
    : m_engine(engine), m_localeId(QString::fromStdString(icuLocaleId(engine.locale()))),
      m_timeZoneId(engine.timeZoneId()),
      m_strings(engine.locale(), FormatterCache::shared().bundle(engine.locale()))
{
}

QString PeriodLabels::format(const QDateTime& date, const QString& dateTemplate,
                             bool standalone) const
{
    const FormatterCache::Key key{dateTemplate, m_localeId, calendarId(), m_timeZoneId, standalone};
    return FormatterCache::shared().formatter(key).format(date);
}

QString PeriodLabels::shortMonth(const QDateTime& date) const
{
    return format(date, QStringLiteral("MMM"));
}

QString PeriodLabels::shortMonthYear(const QDateTime& date) const
{
    return format(date, QStringLiteral("MMM yyyy"));
}

QString PeriodLabels::monthName(const QDateTime& date) const
{
    return format(date, QStringLiteral("MMMM"));
}

QString PeriodLabels::longDate(const QDateTime& date) const
{
    return format(date, QStringLiteral("MMMM d, yyyy"));
}

QString PeriodLabels::shortWeekday(const QDateTime& date) const
{
    return format(date, QStringLiteral("EEE"), true);
}

QString PeriodLabels::dayOfMonth(const QDateTime& date) const
{
    return format(date, QStringLiteral("d"));
}

QString PeriodLabels::weekdayAndDate(const QDateTime& date) const
{
    return format(date, QStringLiteral("EEEE, MMM d"), true);
}

QString PeriodLabels::timeOfDay(const QDateTime& date) const
{
    return format(date, QStringLiteral("jmm"));
}

QString PeriodLabels::dateAndTime(const QDateTime& date) const
{
    return format(date, QStringLiteral("MMM d, yyyy, jmm"));
}

QString PeriodLabels::shortDate(const QDateTime& date) const
{
    return sameYear(date, m_engine.today()) ? format(date, QStringLiteral("MMM d"))
                                            : format(date, QStringLiteral("MMM d, yyyy"));
}

QString PeriodLabels::dayHeader(const QDateTime& date) const
{
    const QDateTime day = m_engine.startOfDay(date);
    if (day == m_engine.today())
        return m_strings.translate("PeriodLabels", "Today");
    if (day == m_engine.addingDays(-1, m_engine.today()))
        return m_strings.translate("PeriodLabels", "Yesterday");
    return sameYear(day, m_engine.today()) ? format(day, QStringLiteral("EEEE, MMM d"), true)
                                           : format(day, QStringLiteral("EEEE, MMM d, yyyy"), true);
}

QString PeriodLabels::dayRange(const DateInterval& window, Year year) const
{
    const QDateTime& first = window.start;
    const QDateTime last = lastDay(window);
    const QString suffix =
        year == Year::shown ? QLatin1Char(' ') + format(last, QStringLiteral("yyyy")) : QString();
    const QString monthAndDay = QStringLiteral("MMM d");
    const QDate firstDay = m_engine.dayOf(first);
    const QDate lastDate = m_engine.dayOf(last);

    if (firstDay == lastDate)
        return format(first, monthAndDay) + suffix;
    if (firstDay.year() == lastDate.year() && firstDay.month() == lastDate.month()) {
        const FormatterCache::Key key{monthAndDay, m_localeId, calendarId(), m_timeZoneId, false};
        if (FormatterCache::shared().formatter(key).putsDayFirst())
            return format(first, QStringLiteral("d")) + dashWithinMonth() +
                   format(last, monthAndDay) + suffix;
        return format(first, monthAndDay) + dashWithinMonth() + format(last, QStringLiteral("d")) +
               suffix;
    }
    return format(first, monthAndDay) + rangeSeparator() + format(last, monthAndDay) + suffix;
}

QString PeriodLabels::periodTitle(PeriodLength length, std::int64_t offset) const
{
    // Counts are passed as plain variables: lupdate cannot read an
    // expression in that place and would miss the text.
    const int n = shownOffset(length, offset);
    switch (length) {
    case PeriodLength::week: {
        const int days = 7;
        if (n == 0)
            return m_strings.translate("PeriodLabels", "Last %n Days", nullptr, days);
        if (n == 1)
            return m_strings.translate("PeriodLabels", "Previous %n Days", nullptr, days);
        return m_strings.translate("PeriodLabels", "%n Weeks Ago", nullptr, n);
    }
    case PeriodLength::month:
        if (n == 0)
            return m_strings.translate("PeriodLabels", "This Month");
        if (n == 1)
            return m_strings.translate("PeriodLabels", "Last Month");
        return m_strings.translate("PeriodLabels", "%n Months Ago", nullptr, n);
    case PeriodLength::threeMonths:
    case PeriodLength::sixMonths:
    case PeriodLength::year: {
        const int months = monthsIn(length);
        if (n == 0)
            return m_strings.translate("PeriodLabels", "Last %n Months", nullptr, months);
        // A range of periods back; the plural agrees with its far end
        // ("21–24 місяці тому", "4–5 років тому").
        if (length == PeriodLength::year) {
            const int farYears = n + 1;
            return m_strings.translate("PeriodLabels", "%1–%n Years Ago", nullptr, farYears).arg(n);
        }
        const int farMonths = months * n + months;
        return m_strings.translate("PeriodLabels", "%1–%n Months Ago", nullptr, farMonths)
            .arg(months * n);
    }
    case PeriodLength::max:
        return m_strings.translate("PeriodLabels", "All Time");
    case PeriodLength::last7Days:
    case PeriodLength::last30Days:
    case PeriodLength::last90Days:
        if (n == 0) {
            const int days = daysIn(length);
            return m_strings.translate("PeriodLabels", "Last %n Days", nullptr, days);
        }
        break;
    case PeriodLength::last6Months:
    case PeriodLength::lastYear:
        if (n == 0) {
            const int months = monthsIn(length);
            return m_strings.translate("PeriodLabels", "Last %n Months", nullptr, months);
        }
        break;
    }
    return namedByDates(m_engine.window(PeriodSelection(length, offset)));
}

QString PeriodLabels::rangeLabel(PeriodLength length, std::int64_t offset, bool standalone) const
{
    const PeriodWindow window = m_engine.window(PeriodSelection(length, offset));
    const DateInterval& interval = window.interval;
    const bool monthsStartOnFirst = m_engine.settings().monthStartDay == 1;
    switch (length) {
    case PeriodLength::week:
        return dayRange(interval, Year::omitted);
    case PeriodLength::month:
        if (monthsStartOnFirst)
            return format(interval.start, QStringLiteral("MMMM yyyy"), standalone);
        return dayRange(interval, Year::omitted);
    case PeriodLength::threeMonths:
    case PeriodLength::sixMonths:
    case PeriodLength::year:
    case PeriodLength::max: {
        if (!monthsStartOnFirst)
            return dayRange(interval, Year::shown);
        const QDateTime last = lastDay(interval);
        const QString firstMonth = sameYear(interval.start, last)
                                       ? format(interval.start, QStringLiteral("MMM"))
                                       : format(interval.start, QStringLiteral("MMM yyyy"));
        return firstMonth + rangeSeparator() + format(last, QStringLiteral("MMM yyyy"));
    }
    case PeriodLength::last7Days:
    case PeriodLength::last30Days:
    case PeriodLength::last90Days:
    case PeriodLength::last6Months:
    case PeriodLength::lastYear:
        break;
    }
    return namedByDates(window);
}

QString PeriodLabels::periodLabel(PeriodLength length, std::int64_t offset) const
{
    if (isRolling(length) && offset >= 1)
        return rangeLabel(length, offset, true);
    return periodTitle(length, offset) + QStringLiteral(" · ") + rangeLabel(length, offset, false);
}

QString PeriodLabels::namedByDates(const PeriodWindow& window) const
{
    const QDateTime& first = window.interval.start;
    const QDateTime last = lastDay(window.interval);
    if (sameYear(first, last) && sameYear(last, m_engine.today()))
        return dayRange(window.interval, Year::omitted);
    const QString withYear = QStringLiteral("MMM d, yyyy");
    return format(first, withYear) + rangeSeparator() + format(last, withYear);
}

QDateTime PeriodLabels::lastDay(const DateInterval& window) const
{
    return std::max(m_engine.addingDays(-1, window.end), window.start);
}

bool PeriodLabels::sameYear(const QDateTime& a, const QDateTime& b) const
{
    return m_engine.dayOf(a).year() == m_engine.dayOf(b).year();
}

} // namespace tallyra
