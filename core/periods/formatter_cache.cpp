#include "periods/formatter_cache.h"

#include <QLoggingCategory>

#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "i18n/string_table.h"
#include "money/icu_locale.h"

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(lcFormat, "tallyra.periods.format")

bool succeeded(UErrorCode status, const char* operation, const FormatterCache::Key& key)
{
    if (U_SUCCESS(status))
        return true;
    qCWarning(lcFormat, "ICU %s failed for \"%s\" in %s: %s", operation,
              qUtf8Printable(key.dateTemplate), qUtf8Printable(key.locale), u_errorName(status));
    return false;
}

icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

QString fromIcu(const icu::UnicodeString& text)
{
    return QString::fromUtf16(text.getBuffer(), text.length());
}

icu::TimeZone* knownZone(const QString& id)
{
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(toIcu(id)));
    if (!zone || *zone == icu::TimeZone::getUnknown())
        return nullptr;
    return zone.release();
}

icu::TimeZone* zoneFor(const QString& id)
{
    if (icu::TimeZone* zone = knownZone(id))
        return zone;
    // Qt names fixed offsets "UTC+03:00"; ICU reads them as "GMT+03:00".
    if (id.startsWith(QLatin1String("UTC")) && id.size() > 3)
        if (icu::TimeZone* zone = knownZone(QLatin1String("GMT") + id.mid(3)))
            return zone;
    qCWarning(lcFormat, "Unknown time zone %s; formatting in UTC", qUtf8Printable(id));
    return icu::TimeZone::getGMT()->clone();
}

icu::Calendar* makeCalendar(const FormatterCache::Key& key, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar* calendar = icu::Calendar::createInstance(zoneFor(key.timeZone), locale, status);
    if (!succeeded(status, "calendar", key)) {
        delete calendar;
        return nullptr;
    }
    // Proleptic Gregorian, like the period engine and QDate, rather than
    // ICU's switch from the Julian calendar in 1582.
    if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(calendar)) {
        status = U_ZERO_ERROR;
        gregorian->setGregorianChange(U_DATE_MIN, status);
        succeeded(status, "setGregorianChange", key);
    }
    return calendar;
}

std::unique_ptr<icu::SimpleDateFormat> makeFormat(const FormatterCache::Key& key)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale(key.locale.toLatin1().constData());
    // The calendar keyword makes the pattern generator and the symbols
    // those of the calendar, not only the arithmetic.
    locale.setKeywordValue("calendar", key.calendar.toLatin1().constData(), status);
    succeeded(status, "setKeywordValue", key);

    const icu::UnicodeString skeleton = toIcu(key.dateTemplate);
    icu::UnicodeString pattern = skeleton;
    status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (succeeded(status, "DateTimePatternGenerator", key)) {
        const icu::UnicodeString best = generator->getBestPattern(skeleton, status);
        if (succeeded(status, "getBestPattern", key))
            pattern = best;
    }

    status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (!succeeded(status, "SimpleDateFormat", key))
        return nullptr;
    if (icu::Calendar* calendar = makeCalendar(key, locale))
        format->adoptCalendar(calendar);
    if (key.standalone) {
        status = U_ZERO_ERROR;
        format->setContext(UDISPCTX_CAPITALIZATION_FOR_STANDALONE, status);
        succeeded(status, "setContext", key);
    }
    return format;
}

// Whether the day of the month comes before the month in a pattern; quoted
// literal text ('р'.) is skipped.
bool dayComesFirst(const QString& pattern)
{
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('d'))
            return true;
        else if (c == QLatin1Char('M') || c == QLatin1Char('L'))
            return false;
    }
    return false;
}

} // namespace

DateFormatter::DateFormatter(std::unique_ptr<icu::SimpleDateFormat> format)
    : m_format(std::move(format))
{
    if (m_format) {
        icu::UnicodeString pattern;
        m_format->toPattern(pattern);
        m_pattern = fromIcu(pattern);
        m_putsDayFirst = dayComesFirst(m_pattern);
    }
}

DateFormatter::~DateFormatter() = default;

QString DateFormatter::format(const QDateTime& instant) const
{
    if (!instant.isValid())
        return {};
    if (!m_format)
        return instant.toUTC().date().toString(Qt::ISODate);
    icu::UnicodeString text;
    {
        const std::lock_guard lock(m_mutex);
        m_format->format(static_cast<UDate>(instant.toMSecsSinceEpoch()), text);
    }
    return fromIcu(text);
}

FormatterCache& FormatterCache::shared()
{
    // Never destroyed: formatters handed out stay valid for threads still
    // formatting while the process exits.
    static FormatterCache* const instance = new FormatterCache;
    return *instance;
}

const DateFormatter& FormatterCache::formatter(const Key& key)
{
    const std::lock_guard lock(m_lock);
    auto& slot = m_formatters[key];
    if (!slot)
        slot = std::make_unique<DateFormatter>(makeFormat(key));
    return *slot;
}

const QTranslator* FormatterCache::bundle(const QLocale& locale)
{
    const QString id = QString::fromStdString(icuLocaleId(locale));
    {
        const std::lock_guard lock(m_lock);
        if (const auto found = m_bundles.constFind(id); found != m_bundles.cend())
            return found.value();
    }
    // Loading a table takes the string table's own lock; it is done outside
    // this one so the two locks are never held together.
    const QTranslator* table = translatorFor(locale);
    const std::lock_guard lock(m_lock);
    m_bundles.insert(id, table);
    return table;
}

qsizetype FormatterCache::formatterCount()
{
    const std::lock_guard lock(m_lock);
    return static_cast<qsizetype>(m_formatters.size());
}

} // namespace tallyra
