#include "settings/app_settings.h"

#include <algorithm>
#include <limits>

namespace tallyra {

namespace {

std::optional<QString> textValue(const std::optional<QVariant>& value)
{
    if (value && value->typeId() == QMetaType::QString)
        return value->toString();
    return std::nullopt;
}

// Any integral type counts (a cloud store may hand back 64-bit numbers);
// doubles and numeric text do not.
std::optional<qint64> integerValue(const std::optional<QVariant>& value)
{
    if (!value)
        return std::nullopt;
    switch (value->typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::SChar:
        return value->toLongLong();
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const qulonglong unsignedValue = value->toULongLong();
        return static_cast<qint64>(
            std::min<qulonglong>(unsignedValue, std::numeric_limits<qint64>::max()));
    }
    default:
        return std::nullopt;
    }
}

std::optional<bool> booleanValue(const std::optional<QVariant>& value)
{
    if (value && value->typeId() == QMetaType::Bool)
        return value->toBool();
    return std::nullopt;
}

int clamped(qint64 value, int low, int high)
{
    return static_cast<int>(std::clamp<qint64>(value, low, high));
}

} // namespace

const QList<QString>& AppSettings::keys()
{
    static const QList<QString> all{
        kCurrencyKey,        kFirstWeekdayKey,  kMonthStartDayKey,  kPeriodModeKey,
        kDefaultPeriodKey,   kAppearanceKey,    kDefaultAccountKey, kShowTimeKey,
        kSuggestCategoryKey, kOverviewChartKey, kTrackClearedKey,   kHideCentsKey,
    };
    return all;
}

AppSettings AppSettings::read(const SettingsBackend& backend)
{
    AppSettings settings;
    const auto read = [&backend](QLatin1String key) { return backend.value(QString(key)); };

    if (const auto currency = textValue(read(kCurrencyKey)))
        settings.currency = *currency;
    if (const auto weekday = integerValue(read(kFirstWeekdayKey)))
        settings.firstWeekday = clamped(*weekday, 1, 7);
    if (const auto startDay = integerValue(read(kMonthStartDayKey)))
        settings.monthStartDay = clamped(*startDay, 1, 31);
    settings.setPeriodMode(textValue(read(kPeriodModeKey)) == rawValue(PeriodMode::calendar)
                               ? PeriodMode::calendar
                               : PeriodMode::rolling);
    if (const auto raw = textValue(read(kDefaultPeriodKey)))
        if (const auto length = enumFromRaw<PeriodLength>(*raw))
            settings.defaultPeriod = converted(*length, settings.periodMode);
    if (const auto raw = textValue(read(kAppearanceKey)))
        settings.appearance = enumFromRaw<Appearance>(*raw).value_or(Appearance::system);
    if (const auto raw = textValue(read(kDefaultAccountKey)))
        settings.defaultAccountID = AccountId::fromString(*raw);
    if (const auto showTime = booleanValue(read(kShowTimeKey)))
        settings.showTimeInLists = *showTime;
    if (const auto suggest = booleanValue(read(kSuggestCategoryKey)))
        settings.suggestCategoryFromContact = *suggest;
    if (const auto raw = textValue(read(kOverviewChartKey)))
        settings.overviewChart = enumFromRaw<OverviewChart>(*raw).value_or(OverviewChart::spending);
    if (const auto track = booleanValue(read(kTrackClearedKey)))
        settings.trackCleared = *track;
    if (const auto hide = booleanValue(read(kHideCentsKey)))
        settings.hideCents = *hide;
    return settings;
}

void AppSettings::write(SettingsBackend& backend) const
{
    const auto write = [&backend](QLatin1String key, std::optional<QVariant> value) {
        backend.setValue(QString(key), value);
    };
    write(kCurrencyKey, QVariant(currency));
    write(kFirstWeekdayKey, QVariant(firstWeekday));
    write(kMonthStartDayKey, QVariant(monthStartDay));
    write(kPeriodModeKey, QVariant(rawValue(periodMode)));
    write(kDefaultPeriodKey, QVariant(rawValue(defaultPeriod)));
    write(kAppearanceKey, QVariant(rawValue(appearance)));
    write(kDefaultAccountKey,
          defaultAccountID ? std::optional<QVariant>(defaultAccountID->toString()) : std::nullopt);
    write(kShowTimeKey, QVariant(showTimeInLists));
    write(kSuggestCategoryKey, QVariant(suggestCategoryFromContact));
    write(kOverviewChartKey, QVariant(rawValue(overviewChart)));
    write(kTrackClearedKey, QVariant(trackCleared));
    write(kHideCentsKey, QVariant(hideCents));
}

void AppSettings::setPeriodMode(PeriodMode mode)
{
    periodMode = mode;
    defaultPeriod = converted(defaultPeriod, mode);
}

AppSettings AppSettings::withPeriodMode(PeriodMode mode) const
{
    AppSettings copy = *this;
    copy.setPeriodMode(mode);
    return copy;
}

CalendarSettings AppSettings::calendarSettings() const
{
    return CalendarSettings{monthStartDay, firstWeekday};
}

} // namespace tallyra
