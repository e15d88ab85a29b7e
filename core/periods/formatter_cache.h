#pragma once

// FormatterCache: the process's shared date formatters and per-locale string
// tables, so that screens and charts that redraw often never build an ICU
// formatter twice.
//
// A formatter is made from a template (an ICU skeleton such as "MMM d"),
// which ICU's pattern generator turns into the locale's own pattern ("MMM d"
// in en_US, "d MMM" in en_GB and uk_UA), in a calendar and time zone, and,
// when `standalone` is set, with the capitalization of a text standing on
// its own ("Грудень" rather than "грудень"). One formatter exists per
// (template, locale, calendar, time zone, standalone) for the life of the
// process; the cache is never emptied.
//
// The cache is created on first use and shared by all threads; one lock
// guards both maps. ICU's SimpleDateFormat::format is const but writes to
// the formatter's calendar, so a DateFormatter formats under a lock of its
// own: different formatters work in parallel, one formatter serialises its
// callers (formatting takes microseconds, while a clone per call would cost
// nearly as much as building the formatter). Formatters handed out are only
// used to format, never reconfigured.
//
// Bad input is not an error: an unknown locale falls back to ICU's root
// data, an unknown time zone to UTC (logged), an unknown calendar to the
// Gregorian one.

#include <memory>
#include <mutex>
#include <unordered_map>

#include <QDateTime>
#include <QHash>
#include <QHashFunctions>
#include <QLocale>
#include <QString>

#include <unicode/uversion.h>

class QTranslator;

U_NAMESPACE_BEGIN
class SimpleDateFormat;
U_NAMESPACE_END

namespace tallyra {

// One cached ICU formatter. Thread safety: format() from any thread.
class DateFormatter final
{
public:
    explicit DateFormatter(std::unique_ptr<icu::SimpleDateFormat> format);
    ~DateFormatter();
    DateFormatter(const DateFormatter&) = delete;
    DateFormatter& operator=(const DateFormatter&) = delete;

    // The instant as a date (and time) in the formatter's zone; an invalid
    // instant gives an empty string.
    [[nodiscard]] QString format(const QDateTime& instant) const;
    // The localized pattern the template became ("d MMM" for "MMM d" in uk).
    [[nodiscard]] const QString& pattern() const noexcept { return m_pattern; }
    // True when the pattern shows the day of the month before the month.
    [[nodiscard]] bool putsDayFirst() const noexcept { return m_putsDayFirst; }

private:
    mutable std::mutex m_mutex;
    std::unique_ptr<icu::SimpleDateFormat> m_format;
    QString m_pattern;
    bool m_putsDayFirst = false;
};

class FormatterCache final
{
public:
    struct Key
    {
        QString dateTemplate; // an ICU skeleton, "MMM d, yyyy"
        QString locale;       // an ICU locale id, "uk_UA"
        QString calendar;     // an ICU calendar id, "gregorian"
        QString timeZone;     // an IANA id, "Europe/Kyiv"
        bool standalone = false;

        friend bool operator==(const Key& a, const Key& b) = default;
        friend size_t qHash(const Key& key, size_t seed = 0) noexcept
        {
            return qHashMulti(seed, key.dateTemplate, key.locale, key.calendar, key.timeZone,
                              key.standalone);
        }
    };

    // The one cache of the process.
    [[nodiscard]] static FormatterCache& shared();

    // The formatter for the key, built on first request. The reference stays
    // valid until the process exits.
    [[nodiscard]] const DateFormatter& formatter(const Key& key);
    // The string table of the locale's language (nullptr for English and
    // languages without one), cached by the locale's id.
    [[nodiscard]] const QTranslator* bundle(const QLocale& locale);

    // The number of formatters built so far.
    [[nodiscard]] qsizetype formatterCount();

private:
    struct KeyHash
    {
        size_t operator()(const Key& key) const noexcept { return qHash(key); }
    };

    FormatterCache() = default;

    std::mutex m_lock;
    std::unordered_map<Key, std::unique_ptr<DateFormatter>, KeyHash> m_formatters;
    QHash<QString, const QTranslator*> m_bundles;
};

} // namespace tallyra
