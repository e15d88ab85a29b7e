#include "periods/period_engine.h"

#include <algorithm>
#include <cassert>

#include <unicode/calendar.h>

#include "periods/icu_calendar.h"

namespace tallyra {

namespace {

CalendarSettings clampedSettings(CalendarSettings settings)
{
    settings.monthStartDay = std::clamp(settings.monthStartDay, 1, 31);
    settings.firstWeekday = std::clamp(settings.firstWeekday, 1, 7);
    return settings;
}

std::optional<QDateTime> validOrNothing(std::optional<QDateTime> instant)
{
    if (instant && !instant->isValid())
        return std::nullopt;
    if (instant)
        return instant->toUTC();
    return instant;
}

int floorDivide(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

std::int64_t computedOffset(const PeriodSelection& selection)
{
    return std::min(selection.offset(), PeriodEngine::kMaxComputedOffset);
}

int monthsIn(PeriodLength length)
{
    switch (length) {
    case PeriodLength::month:
        return 1;
    case PeriodLength::threeMonths:
        return 3;
    case PeriodLength::sixMonths:
    case PeriodLength::last6Months:
        return 6;
    case PeriodLength::year:
    case PeriodLength::lastYear:
        return 12;
    default:
        return 0;
    }
}

int daysIn(PeriodLength length)
{
    switch (length) {
    case PeriodLength::week:
    case PeriodLength::last7Days:
        return 7;
    case PeriodLength::last30Days:
        return 30;
    case PeriodLength::last90Days:
        return 90;
    default:
        return 0;
    }
}

} // namespace

// One query's worth of work on a private clone of the engine's calendar.
// Queries that build on others (comparisons on windows, the search in
// selectionShowing) run through one Computation so they clone only once.
class PeriodEngine::Computation
{
public:
    explicit Computation(const PeriodEngine& engine)
        : m_engine(engine), m_calendar(*engine.m_calendar)
    {
    }

    IcuCalendar& calendar() { return m_calendar; }

    int startDayOfMonth(int index)
    {
        const int year = floorDivide(index, 12);
        const int month = index - 12 * year + 1;
        return std::min(m_engine.m_settings.monthStartDay, m_calendar.daysInMonth(year, month));
    }

    int monthIndex(const QDateTime& date)
    {
        const IcuCalendar::Day day = m_calendar.components(date);
        const int index = day.year * 12 + (day.month - 1);
        return day.day >= startDayOfMonth(index) ? index : index - 1;
    }

    QDateTime monthStart(int index)
    {
        const int year = floorDivide(index, 12);
        const int month = index - 12 * year + 1;
        return m_calendar.startOfDay(year, month, startDayOfMonth(index));
    }

    int dayCount(const QDateTime& start, const QDateTime& end)
    {
        return m_calendar.dayDifference(start, end);
    }

    PeriodWindow window(PeriodLength length, std::int64_t offset)
    {
        const QDateTime& today = m_engine.m_today;
        const QDateTime& tomorrow = m_engine.m_tomorrow;
        DateInterval interval;
        switch (length) {
        case PeriodLength::week: {
            // The seven days ending today, not aligned to the first weekday.
            const QDateTime end = m_calendar.addingDays(1 - 7 * offset, today);
            interval = {m_calendar.addingDays(-7, end), end};
            break;
        }
        case PeriodLength::month:
        case PeriodLength::threeMonths:
        case PeriodLength::sixMonths:
        case PeriodLength::year: {
            const int months = monthsIn(length);
            const int last = monthIndex(today) - months * static_cast<int>(offset);
            interval = {monthStart(last - months + 1), monthStart(last + 1)};
            break;
        }
        case PeriodLength::max: {
            const QDateTime& dataStart = m_engine.m_dataStart.value_or(today);
            const QDateTime first = std::min(dataStart, today);
            interval = {monthStart(monthIndex(first)), monthStart(monthIndex(today) + 1)};
            break;
        }
        case PeriodLength::last7Days:
        case PeriodLength::last30Days:
        case PeriodLength::last90Days: {
            const int days = daysIn(length);
            const QDateTime end = m_calendar.addingDays(-days * offset, tomorrow);
            interval = {m_calendar.addingDays(-days, end), end};
            break;
        }
        case PeriodLength::last6Months:
        case PeriodLength::lastYear: {
            // Both ends are counted from tomorrow so neighbouring offsets meet
            // exactly, whatever the month lengths.
            const int months = monthsIn(length);
            interval = {m_calendar.addingMonths(-months * (offset + 1), tomorrow),
                        m_calendar.addingMonths(-months * offset, tomorrow)};
            break;
        }
        }
        const QDateTime elapsedEnd = std::min(std::max(interval.start, tomorrow), interval.end);
        return PeriodWindow{interval, elapsedEnd, isRolling(length)};
    }

    DateInterval comparisonInterval(PeriodLength length, std::int64_t offset)
    {
        const PeriodWindow current = window(length, offset);
        if (length == PeriodLength::max)
            return {current.interval.start, current.interval.start};
        const PeriodWindow previous = window(length, offset + 1);
        const int days = dayCount(current.interval.start, current.elapsedEnd);
        const QDateTime end =
            std::min(previous.interval.end, m_calendar.addingDays(days, previous.interval.start));
        return {previous.interval.start, end};
    }

    DateInterval unitContaining(const QDateTime& instant, BucketGranularity granularity)
    {
        switch (granularity) {
        case BucketGranularity::day:
            return {instant, m_calendar.addingDays(1, instant)};
        case BucketGranularity::week:
            return m_calendar.weekContaining(instant);
        case BucketGranularity::month: {
            const int index = monthIndex(instant);
            return {monthStart(index), monthStart(index + 1)};
        }
        }
        return {instant, m_calendar.addingDays(1, instant)};
    }

    QList<Bucket> buckets(const PeriodWindow& window, BucketGranularity granularity)
    {
        QList<Bucket> result;
        const DateInterval& span = window.interval;
        QDateTime cursor = span.start;
        while (cursor < span.end) {
            const DateInterval unit = unitContaining(cursor, granularity);
            const QDateTime end = std::min(unit.end, span.end);
            if (!(cursor < end)) {
                // A unit that doesn't move the cursor is a calendar fault:
                // loud in a test build, never an endless loop in the field.
                assert(false && "a bucket must move the cursor");
                qWarning("Period engine: a %s bucket at %s does not advance",
                         granularity == BucketGranularity::day ? "day" : "week or month",
                         qPrintable(cursor.toString(Qt::ISODate)));
                break;
            }
            // A calendar window is made of whole units by construction, so
            // only a rolling window's cut edges count as partial.
            const bool aligned = !window.isRolling || (cursor == unit.start && end == unit.end);
            result.append(Bucket{{cursor, end}, aligned && end <= m_engine.m_tomorrow});
            cursor = end;
        }
        return result;
    }

    PeriodSelection selectionShowing(const QDateTime& date, const PeriodSelection& selection)
    {
        const PeriodLength length = selection.length();
        if (length == PeriodLength::max)
            return selection;
        const QDateTime day = m_calendar.startOfDay(date);
        if (!(day < m_engine.m_tomorrow))
            return selection;

        switch (length) {
        case PeriodLength::week:
        case PeriodLength::last7Days:
        case PeriodLength::last30Days:
        case PeriodLength::last90Days:
            return PeriodSelection(length, dayCount(day, m_engine.m_today) / daysIn(length));
        case PeriodLength::month:
        case PeriodLength::threeMonths:
        case PeriodLength::sixMonths:
        case PeriodLength::year: {
            const int difference = monthIndex(m_engine.m_today) - monthIndex(day);
            if (difference < 0)
                return selection;
            return PeriodSelection(length, difference / monthsIn(length));
        }
        case PeriodLength::last6Months:
        case PeriodLength::lastYear: {
            // Month arithmetic pins days to month ends, so the window that holds
            // the date is found by a short search from just below the estimate.
            const int months = monthsIn(length);
            const int wholeMonths =
                std::max(0, m_calendar.monthDifference(day, m_engine.m_tomorrow));
            std::int64_t offset = std::max(wholeMonths / months, 1) - 1;
            while (offset < kMaxComputedOffset && day < window(length, offset).interval.start)
                ++offset;
            return PeriodSelection(length, offset);
        }
        case PeriodLength::max:
            break;
        }
        return selection;
    }

    QList<QDateTime> monthStarts(const DateInterval& interval)
    {
        QList<QDateTime> starts;
        int index = monthIndex(interval.start);
        if (monthStart(index) < interval.start)
            ++index;
        for (QDateTime start = monthStart(index); start < interval.end; start = monthStart(++index))
            starts.append(start);
        return starts;
    }

private:
    const PeriodEngine& m_engine;
    IcuCalendar m_calendar;
};

PeriodEngine::PeriodEngine(const QDateTime& now, CalendarSettings settings, const QTimeZone& zone,
                           const QLocale& locale, std::optional<QDateTime> dataStart)
    : PeriodEngine(IcuCalendar::makePrototype(zone, locale, clampedSettings(settings).firstWeekday),
                   now, settings, locale, std::move(dataStart))
{
}

PeriodEngine::PeriodEngine(const QDateTime& now, CalendarSettings settings, const QString& zoneId,
                           const QLocale& locale, std::optional<QDateTime> dataStart)
    : PeriodEngine(
          IcuCalendar::makePrototype(zoneId, locale, clampedSettings(settings).firstWeekday), now,
          settings, locale, std::move(dataStart))
{
}

PeriodEngine::PeriodEngine(std::shared_ptr<const icu::Calendar> calendar, const QDateTime& now,
                           CalendarSettings settings, const QLocale& locale,
                           std::optional<QDateTime> dataStart)
    : m_calendar(std::move(calendar)), m_settings(clampedSettings(settings)), m_locale(locale),
      m_dataStart(validOrNothing(std::move(dataStart)))
{
    IcuCalendar calendarCopy(*m_calendar);
    m_today = calendarCopy.startOfDay(now);
    m_tomorrow = calendarCopy.addingDays(1, m_today);
}

QString PeriodEngine::timeZoneId() const
{
    return IcuCalendar::zoneId(*m_calendar);
}

bool PeriodEngine::isAfterToday(const QDateTime& date) const
{
    return startOfDay(date) >= m_tomorrow;
}

QDateTime PeriodEngine::startOfDay(const QDateTime& instant) const
{
    return IcuCalendar(*m_calendar).startOfDay(instant);
}

QDateTime PeriodEngine::startOfDay(const QDate& day) const
{
    return IcuCalendar(*m_calendar)
        .startOfDay(day.year() < 0 ? day.year() + 1 : day.year(), day.month(), day.day());
}

QDate PeriodEngine::dayOf(const QDateTime& instant) const
{
    const IcuCalendar::Day day = IcuCalendar(*m_calendar).components(instant);
    // QDate has no year 0: extended year 0 is 1 BC.
    return QDate(day.year <= 0 ? day.year - 1 : day.year, day.month, day.day);
}

QDateTime PeriodEngine::addingDays(std::int64_t days, const QDateTime& date) const
{
    return IcuCalendar(*m_calendar).addingDays(days, date);
}

int PeriodEngine::dayCount(const DateInterval& interval) const
{
    return Computation(*this).dayCount(interval.start, interval.end);
}

std::vector<PeriodEngine::CalendarDay> PeriodEngine::days(const DateInterval& interval) const
{
    std::vector<CalendarDay> result;
    if (interval.isEmpty())
        return result;
    IcuCalendar calendar(*m_calendar);
    auto dayAt = [&](const QDateTime& start) {
        const IcuCalendar::Day day = calendar.components(start);
        return CalendarDay{start,
                           QDate(day.year <= 0 ? day.year - 1 : day.year, day.month, day.day)};
    };
    QDateTime start = calendar.startOfDay(interval.start);
    while (true) {
        result.push_back(dayAt(start));
        if (!(start < interval.end))
            break;
        const QDateTime next = calendar.addingDays(1, start);
        if (!(start < next))
            break; // never loop on a calendar failure
        start = next;
    }
    return result;
}

PeriodWindow PeriodEngine::window(const PeriodSelection& selection) const
{
    return Computation(*this).window(selection.length(), computedOffset(selection));
}

DateInterval PeriodEngine::comparisonInterval(const PeriodSelection& selection) const
{
    return Computation(*this).comparisonInterval(selection.length(), computedOffset(selection));
}

QList<Bucket> PeriodEngine::buckets(const PeriodWindow& window, BucketGranularity granularity) const
{
    return Computation(*this).buckets(window, granularity);
}

BucketGranularity PeriodEngine::granularity(PeriodLength length, bool preferMonths)
{
    switch (length) {
    case PeriodLength::week:
    case PeriodLength::month:
    case PeriodLength::last7Days:
    case PeriodLength::last30Days:
        return BucketGranularity::day;
    case PeriodLength::threeMonths:
    case PeriodLength::sixMonths:
    case PeriodLength::last90Days:
    case PeriodLength::last6Months:
        return preferMonths ? BucketGranularity::month : BucketGranularity::week;
    case PeriodLength::year:
    case PeriodLength::max:
    case PeriodLength::lastYear:
        break;
    }
    return BucketGranularity::month;
}

PeriodSelection PeriodEngine::selectionShowing(const QDateTime& date,
                                               const PeriodSelection& selection) const
{
    return Computation(*this).selectionShowing(date, selection);
}

QList<QDateTime> PeriodEngine::monthStarts(const DateInterval& interval) const
{
    return Computation(*this).monthStarts(interval);
}

int PeriodEngine::monthIndex(const QDateTime& date) const
{
    return Computation(*this).monthIndex(date);
}

QDateTime PeriodEngine::monthStart(int index) const
{
    return Computation(*this).monthStart(index);
}

int PeriodEngine::startDayOfMonth(int index) const
{
    return Computation(*this).startDayOfMonth(index);
}

} // namespace tallyra
