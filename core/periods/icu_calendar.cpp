#include "periods/icu_calendar.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QLoggingCategory>

#include <unicode/gregocal.h>
#include <unicode/simpletz.h>
#include <unicode/timezone.h>

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(lcCalendar, "tallyra.periods.calendar")

UDate toUDate(const QDateTime& instant)
{
    return static_cast<UDate>(instant.toMSecsSinceEpoch());
}

QDateTime fromUDate(UDate date)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::floor(date)), Qt::UTC);
}

bool succeeded(UErrorCode status, const char* operation)
{
    if (U_SUCCESS(status))
        return true;
    qCWarning(lcCalendar, "ICU calendar %s failed: %s", operation, u_errorName(status));
    return false;
}

int32_t clampedAmount(qint64 amount)
{
    return static_cast<int32_t>(std::clamp<qint64>(amount, std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max()));
}

icu::Locale icuLocale(const QLocale& locale)
{
    // QLocale's name is language_TERRITORY, which is what ICU's week data
    // (first weekday, minimal days in the first week) is keyed by.
    return icu::Locale(locale.name().toLatin1().constData());
}

std::shared_ptr<const icu::Calendar> makeCalendar(icu::TimeZone* zoneToAdopt, const QLocale& locale,
                                                  int firstWeekday)
{
    UErrorCode status = U_ZERO_ERROR;
    auto calendar =
        std::make_shared<icu::GregorianCalendar>(zoneToAdopt, icuLocale(locale), status);
    if (!succeeded(status, "creation")) {
        status = U_ZERO_ERROR;
        calendar = std::make_shared<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(),
                                                            icu::Locale::getRoot(), status);
    }
    // Proleptic Gregorian, as QDate counts, instead of ICU's default switch
    // from the Julian calendar in 1582.
    status = U_ZERO_ERROR;
    calendar->setGregorianChange(U_DATE_MIN, status);
    succeeded(status, "setGregorianChange");
    calendar->setFirstDayOfWeek(static_cast<UCalendarDaysOfWeek>(std::clamp(firstWeekday, 1, 7)));
    // A local midnight that a clock change skips resolves to the first
    // instant of the day; one that happens twice resolves to the first.
    calendar->setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
    calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    calendar->setLenient(true);
    return calendar;
}

icu::TimeZone* knownZone(const QString& zoneId)
{
    std::unique_ptr<icu::TimeZone> zone(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zoneId.toStdString())));
    if (!zone || *zone == icu::TimeZone::getUnknown())
        return nullptr;
    return zone.release();
}

} // namespace

std::shared_ptr<const icu::Calendar>
IcuCalendar::makePrototype(const QString& zoneId, const QLocale& locale, int firstWeekday)
{
    icu::TimeZone* zone = knownZone(zoneId);
    if (!zone) {
        qCWarning(lcCalendar, "Unknown time zone %s; using UTC", qUtf8Printable(zoneId));
        zone = icu::TimeZone::getGMT()->clone();
    }
    return makeCalendar(zone, locale, firstWeekday);
}

std::shared_ptr<const icu::Calendar>
IcuCalendar::makePrototype(const QTimeZone& zone, const QLocale& locale, int firstWeekday)
{
    if (!zone.isValid())
        return makePrototype(QStringLiteral("UTC"), locale, firstWeekday);
    const QString id = QString::fromUtf8(zone.id());
    if (icu::TimeZone* known = knownZone(id))
        return makeCalendar(known, locale, firstWeekday);
    const int offsetMSecs = zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(0, Qt::UTC)) * 1000;
    return makeCalendar(
        new icu::SimpleTimeZone(offsetMSecs, icu::UnicodeString::fromUTF8(zone.id().toStdString())),
        locale, firstWeekday);
}

QString IcuCalendar::zoneId(const icu::Calendar& prototype)
{
    icu::UnicodeString id;
    prototype.getTimeZone().getID(id);
    std::string utf8;
    id.toUTF8String(utf8);
    return QString::fromStdString(utf8);
}

IcuCalendar::IcuCalendar(const icu::Calendar& prototype) : m_calendar(prototype.clone()) {}

IcuCalendar::~IcuCalendar() = default;

IcuCalendar::Day IcuCalendar::components(const QDateTime& instant)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(instant), status);
    Day day;
    day.year = m_calendar->get(UCAL_EXTENDED_YEAR, status);
    day.month = m_calendar->get(UCAL_MONTH, status) + 1;
    day.day = m_calendar->get(UCAL_DATE, status);
    if (!succeeded(status, "components"))
        return Day{};
    return day;
}

int IcuCalendar::dayOfWeek(const QDateTime& instant)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(instant), status);
    const int weekday = m_calendar->get(UCAL_DAY_OF_WEEK, status);
    return succeeded(status, "dayOfWeek") ? weekday : 1;
}

int IcuCalendar::julianDay(const QDateTime& instant)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(instant), status);
    const int day = m_calendar->get(UCAL_JULIAN_DAY, status);
    return succeeded(status, "julianDay") ? day : 0;
}

int IcuCalendar::firstWeekday() const
{
    return static_cast<int>(m_calendar->getFirstDayOfWeek());
}

int IcuCalendar::daysInMonth(int year, int month)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->clear();
    m_calendar->set(UCAL_EXTENDED_YEAR, year);
    m_calendar->set(UCAL_MONTH, month - 1);
    m_calendar->set(UCAL_DATE, 1);
    const int days = m_calendar->getActualMaximum(UCAL_DATE, status);
    return succeeded(status, "daysInMonth") ? days : 28;
}

QDateTime IcuCalendar::startOfDay(const QDateTime& instant)
{
    const Day day = components(instant);
    return startOfDay(day.year, day.month, day.day);
}

QDateTime IcuCalendar::startOfDay(int year, int month, int day)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->clear();
    m_calendar->set(UCAL_EXTENDED_YEAR, year);
    m_calendar->set(UCAL_MONTH, month - 1);
    m_calendar->set(UCAL_DATE, day);
    const UDate start = m_calendar->getTime(status);
    if (!succeeded(status, "startOfDay"))
        return QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
    return fromUDate(start);
}

QDateTime IcuCalendar::instantAt(int year, int month, int day, int msecsSinceMidnight)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->clear();
    m_calendar->set(UCAL_EXTENDED_YEAR, year);
    m_calendar->set(UCAL_MONTH, month - 1);
    m_calendar->set(UCAL_DATE, day);
    m_calendar->set(UCAL_MILLISECONDS_IN_DAY, msecsSinceMidnight);
    const UDate at = m_calendar->getTime(status);
    if (!succeeded(status, "instantAt"))
        return QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
    return fromUDate(at);
}

QDateTime IcuCalendar::addingDays(qint64 days, const QDateTime& instant)
{
    // Days are counted on the civil calendar (Julian day numbers) and only
    // then put back on the clock, so that adding composes: ICU's own add
    // turns a day that a zone skips (30 December 2011 in Apia) into the
    // next one, and then a day back and a day back again lands on the same
    // day twice.
    const bool isDayStart = startOfDay(instant) == instant;
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(instant), status);
    const qint64 julian = m_calendar->get(UCAL_JULIAN_DAY, status);
    const int wallClock = m_calendar->get(UCAL_MILLISECONDS_IN_DAY, status);
    if (!succeeded(status, "addingDays"))
        return instant;
    const auto onDay = [&](qint64 count) {
        const QDate target = QDate::fromJulianDay(julian + count);
        // QDate has no year 0; ICU's extended year does (1 BC is year 0).
        const int year = target.year() < 0 ? target.year() + 1 : target.year();
        return isDayStart ? startOfDay(year, target.month(), target.day())
                          : instantAt(year, target.month(), target.day(), wallClock);
    };
    // A skipped day has no length, so it can't be told apart from the day
    // after it; counting only the days that exist keeps x - 1 - 1 == x - 2.
    // A day falls short of its 24 hours by at most a clock change's hour
    // otherwise, so a shortfall of most of a day means one was skipped.
    constexpr qint64 kDay = 24 * 3600 * 1000;
    constexpr qint64 kMostOfADay = 20 * 3600 * 1000;
    const qint64 wanted = clampedAmount(days);
    qint64 count = wanted;
    QDateTime result = onDay(count);
    for (int step = 0; step < 8 && wanted != 0; ++step) {
        const qint64 span = instant.msecsTo(result);
        const qint64 shortfall = wanted > 0 ? wanted * kDay - span : span - wanted * kDay;
        if (shortfall < kMostOfADay)
            break;
        count += (wanted > 0 ? 1 : -1) * ((shortfall + kDay / 2) / kDay);
        result = onDay(count);
    }
    return result;
}

QDateTime IcuCalendar::addingMonths(qint64 months, const QDateTime& instant)
{
    return adding(UCAL_MONTH, months, instant);
}

QDateTime IcuCalendar::adding(int field, qint64 amount, const QDateTime& instant)
{
    // ICU keeps the wall-clock time, which is right for every instant except
    // the start of a day that has no midnight (it begins at, say, 01:00): a
    // day later must be the next midnight, not 01:00 again. So a day start
    // always maps to a day start.
    const bool isDayStart = startOfDay(instant) == instant;
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(instant), status);
    m_calendar->add(static_cast<UCalendarDateFields>(field), clampedAmount(amount), status);
    const UDate result = m_calendar->getTime(status);
    if (!succeeded(status, "adding"))
        return instant;
    return isDayStart ? startOfDay(fromUDate(result)) : fromUDate(result);
}

int IcuCalendar::dayDifference(const QDateTime& from, const QDateTime& to)
{
    // Between two day starts the answer is the number of calendar days,
    // even when one of them is a day that begins after midnight (where a
    // wall-clock count would come out a day short).
    if (startOfDay(from) == from && startOfDay(to) == to)
        return julianDay(to) - julianDay(from);
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(from), status);
    const int days = m_calendar->fieldDifference(toUDate(to), UCAL_DATE, status);
    return succeeded(status, "dayDifference") ? days : 0;
}

int IcuCalendar::monthDifference(const QDateTime& from, const QDateTime& to)
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(toUDate(from), status);
    const int months = m_calendar->fieldDifference(toUDate(to), UCAL_MONTH, status);
    return succeeded(status, "monthDifference") ? months : 0;
}

DateInterval IcuCalendar::weekContaining(const QDateTime& instant)
{
    const QDateTime day = startOfDay(instant);
    const int daysIntoWeek = (dayOfWeek(day) - firstWeekday() + 7) % 7;
    const QDateTime start = addingDays(-daysIntoWeek, day);
    return {start, addingDays(7, start)};
}

} // namespace tallyra
