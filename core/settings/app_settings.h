#pragma once

// AppSettings: the user's preferences, as one value record. It is read from
// and written to a SettingsBackend under the "settings." keys below, in this
// order (the field order):
//
//   field                       key                        type       default
//   currency                    "settings.currency"        text       "USD"
//   firstWeekday                "settings.firstWeekday"    integer    2 (Monday), 1…7
//   monthStartDay               "settings.monthStartDay"   integer    1, 1…31
//   periodMode                  "settings.periodMode"      raw value  rolling
//   defaultPeriod               "settings.defaultPeriod"   raw value  last30Days
//   appearance                  "settings.appearance"      raw value  system
//   defaultAccountID            "settings.defaultAccount"  UUID text  absent (key removed)
//   showTimeInLists             "settings.showTime"        boolean    false
//   suggestCategoryFromContact  "settings.suggestCategory" boolean    true
//   overviewChart               "settings.overviewChart"   raw value  spending
//   trackCleared                "settings.trackCleared"    boolean    false
//   hideCents                   "settings.hideCents"       boolean    false
//
// Integers are clamped to their range; a periodMode other than "calendar"
// reads as rolling; defaultPeriod is normalised to the mode (below).
//
// Reading never fails: a missing key, a value of another type (a number
// stored as text, a double where an integer belongs), an unknown text or an
// out-of-range number gives the default or the clamped value.
//
// Mode normalisation: defaultPeriod always belongs to periodMode's family
// (a rolling length in calendar mode becomes its calendar counterpart and
// back; max stays max). Reading applies it, and so does setPeriodMode(),
// which is how the mode should be changed; SettingsStore::setSettings()
// applies it too when the mode differs from the current one.
//
// Thread safety: a plain value; any thread.

#include <optional>

#include <QLatin1String>
#include <QList>
#include <QString>

#include "base/enum_table.h"
#include "base/typed_id.h"
#include "periods/calendar_settings.h"
#include "periods/period_length.h"
#include "settings/overview_chart.h"
#include "settings/settings_backend.h"

namespace tallyra {

struct AppSettings
{
    enum class Appearance
    {
        system,
        light,
        dark,
    };

    static constexpr QLatin1String kCurrencyKey{"settings.currency"};
    static constexpr QLatin1String kFirstWeekdayKey{"settings.firstWeekday"};
    static constexpr QLatin1String kMonthStartDayKey{"settings.monthStartDay"};
    static constexpr QLatin1String kPeriodModeKey{"settings.periodMode"};
    static constexpr QLatin1String kDefaultPeriodKey{"settings.defaultPeriod"};
    static constexpr QLatin1String kAppearanceKey{"settings.appearance"};
    static constexpr QLatin1String kDefaultAccountKey{"settings.defaultAccount"};
    static constexpr QLatin1String kShowTimeKey{"settings.showTime"};
    static constexpr QLatin1String kSuggestCategoryKey{"settings.suggestCategory"};
    static constexpr QLatin1String kOverviewChartKey{"settings.overviewChart"};
    static constexpr QLatin1String kTrackClearedKey{"settings.trackCleared"};
    static constexpr QLatin1String kHideCentsKey{"settings.hideCents"};

    QString currency = QStringLiteral("USD");
    int firstWeekday = 2;
    int monthStartDay = 1;
    PeriodMode periodMode = PeriodMode::rolling;
    PeriodLength defaultPeriod = PeriodLength::last30Days;
    Appearance appearance = Appearance::system;
    std::optional<AccountId> defaultAccountID;
    bool showTimeInLists = false;
    bool suggestCategoryFromContact = true;
    OverviewChart overviewChart = OverviewChart::spending;
    bool trackCleared = false;
    bool hideCents = false;

    // The twelve keys in the order they are read and written.
    [[nodiscard]] static const QList<QString>& keys();

    // Reads every key with its read-back rule, then normalises the default
    // period to the mode.
    [[nodiscard]] static AppSettings read(const SettingsBackend& backend);
    // Writes all twelve keys in order; an absent default account removes
    // its key.
    void write(SettingsBackend& backend) const;

    // Assigns the mode and carries defaultPeriod over to it.
    void setPeriodMode(PeriodMode mode);
    [[nodiscard]] AppSettings withPeriodMode(PeriodMode mode) const;

    // The month start day and first weekday for the period engine.
    [[nodiscard]] CalendarSettings calendarSettings() const;

    friend bool operator==(const AppSettings& a, const AppSettings& b) = default;
};

inline constexpr auto kAppearances = makeEnumTable<AppSettings::Appearance>(
    {
        {AppSettings::Appearance::system, u"system", QT_TRANSLATE_NOOP("AppSettings", "System")},
        {AppSettings::Appearance::light, u"light", QT_TRANSLATE_NOOP("AppSettings", "Light")},
        {AppSettings::Appearance::dark, u"dark", QT_TRANSLATE_NOOP("AppSettings", "Dark")},
    },
    "AppSettings");
[[nodiscard]] constexpr const auto& enumTable(AppSettings::Appearance) noexcept
{
    return kAppearances;
}

} // namespace tallyra
