#include "settings/app_settings.h"

#include <QUuid>

#include <gtest/gtest.h>

#include "recording_backend.h"
#include "settings/in_memory_settings_backend.h"

using namespace tallyra;

namespace {

AppSettings readWith(const QString& key, const QVariant& value)
{
    InMemorySettingsBackend backend;
    backend.setValue(key, value);
    return AppSettings::read(backend);
}

} // namespace

TEST(AppSettings, freshInstallationReadsTheDefaults)
{
    const InMemorySettingsBackend empty;
    const AppSettings settings = AppSettings::read(empty);
    EXPECT_EQ(settings.currency, QStringLiteral("USD"));
    EXPECT_EQ(settings.firstWeekday, 2);
    EXPECT_EQ(settings.monthStartDay, 1);
    EXPECT_EQ(settings.periodMode, PeriodMode::rolling);
    EXPECT_EQ(settings.defaultPeriod, PeriodLength::last30Days);
    EXPECT_EQ(settings.appearance, AppSettings::Appearance::system);
    EXPECT_FALSE(settings.defaultAccountID);
    EXPECT_FALSE(settings.showTimeInLists);
    EXPECT_TRUE(settings.suggestCategoryFromContact);
    EXPECT_EQ(settings.overviewChart, OverviewChart::spending);
    EXPECT_FALSE(settings.trackCleared);
    EXPECT_FALSE(settings.hideCents);
    EXPECT_EQ(settings, AppSettings{});
    EXPECT_EQ(settings.calendarSettings(), CalendarSettings{});
}

TEST(AppSettings, numbersAreClampedAndOtherTypesIgnored)
{
    struct Case
    {
        const char* name;
        QLatin1String key;
        QVariant stored;
        int monthStartDay;
        int firstWeekday;
    };
    const Case cases[] = {
        {"startDay40", AppSettings::kMonthStartDayKey, QVariant(40), 31, 2},
        {"startDay0", AppSettings::kMonthStartDayKey, QVariant(0), 1, 2},
        {"startDayNegative", AppSettings::kMonthStartDayKey, QVariant(-3), 1, 2},
        {"startDay64Bit", AppSettings::kMonthStartDayKey, QVariant(qint64(1) << 40), 31, 2},
        {"startDayUnsigned", AppSettings::kMonthStartDayKey, QVariant(quint64(1) << 63), 31, 2},
        {"startDayInRange", AppSettings::kMonthStartDayKey, QVariant(25), 25, 2},
        {"startDayAsText", AppSettings::kMonthStartDayKey, QVariant(QStringLiteral("25")), 1, 2},
        {"startDayAsDouble", AppSettings::kMonthStartDayKey, QVariant(25.0), 1, 2},
        {"startDayAsBool", AppSettings::kMonthStartDayKey, QVariant(true), 1, 2},
        {"weekday9", AppSettings::kFirstWeekdayKey, QVariant(9), 1, 7},
        {"weekday0", AppSettings::kFirstWeekdayKey, QVariant(0), 1, 1},
        {"weekdaySunday", AppSettings::kFirstWeekdayKey, QVariant(1), 1, 1},
        {"weekdayAsText", AppSettings::kFirstWeekdayKey, QVariant(QStringLiteral("1")), 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AppSettings settings = readWith(QString(c.key), c.stored);
        EXPECT_EQ(settings.monthStartDay, c.monthStartDay);
        EXPECT_EQ(settings.firstWeekday, c.firstWeekday);
    }
}

TEST(AppSettings, textFieldsFallBackToTheirDefaults)
{
    EXPECT_EQ(readWith(QString(AppSettings::kCurrencyKey), QStringLiteral("EUR")).currency,
              QStringLiteral("EUR"));
    EXPECT_EQ(readWith(QString(AppSettings::kCurrencyKey), 978).currency, QStringLiteral("USD"));
    EXPECT_EQ(readWith(QString(AppSettings::kPeriodModeKey), QStringLiteral("Calendar")).periodMode,
              PeriodMode::rolling);
    EXPECT_EQ(readWith(QString(AppSettings::kAppearanceKey), QStringLiteral("dark")).appearance,
              AppSettings::Appearance::dark);
    EXPECT_EQ(readWith(QString(AppSettings::kAppearanceKey), QStringLiteral("blue")).appearance,
              AppSettings::Appearance::system);
    EXPECT_EQ(
        readWith(QString(AppSettings::kOverviewChartKey), QStringLiteral("cashFlow")).overviewChart,
        OverviewChart::cashFlow);
    EXPECT_EQ(
        readWith(QString(AppSettings::kOverviewChartKey), QStringLiteral("pie")).overviewChart,
        OverviewChart::spending);
    EXPECT_EQ(readWith(QString(AppSettings::kDefaultPeriodKey), QStringLiteral("2W")).defaultPeriod,
              PeriodLength::last30Days);
    EXPECT_EQ(
        readWith(QString(AppSettings::kDefaultPeriodKey), QStringLiteral("R6M")).defaultPeriod,
        PeriodLength::last6Months);

    const QString id = QStringLiteral("1b4e28ba-2fa1-11d2-883f-0016d3cca427");
    EXPECT_EQ(readWith(QString(AppSettings::kDefaultAccountKey), id).defaultAccountID,
              AccountId::fromString(id));
    EXPECT_FALSE(readWith(QString(AppSettings::kDefaultAccountKey), QStringLiteral("cash"))
                     .defaultAccountID);
    EXPECT_FALSE(
        readWith(QString(AppSettings::kDefaultAccountKey), QUuid::createUuid()).defaultAccountID);

    EXPECT_TRUE(readWith(QString(AppSettings::kHideCentsKey), true).hideCents);
    EXPECT_FALSE(readWith(QString(AppSettings::kHideCentsKey), QStringLiteral("true")).hideCents);
    EXPECT_FALSE(
        readWith(QString(AppSettings::kSuggestCategoryKey), false).suggestCategoryFromContact);
    EXPECT_TRUE(readWith(QString(AppSettings::kSuggestCategoryKey), 0).suggestCategoryFromContact);
}

TEST(AppSettings, defaultPeriodIsNormalisedToTheMode)
{
    struct Case
    {
        const char* mode;
        const char* period; // nullptr: absent
        PeriodMode expectedMode;
        PeriodLength expectedPeriod;
    };
    const Case cases[] = {
        {"calendar", "R90D", PeriodMode::calendar, PeriodLength::threeMonths},
        {"calendar", nullptr, PeriodMode::calendar, PeriodLength::month},
        {"calendar", "MAX", PeriodMode::calendar, PeriodLength::max},
        {"calendar", "1W", PeriodMode::calendar, PeriodLength::week},
        {"rolling", "1Y", PeriodMode::rolling, PeriodLength::lastYear},
        {"weekly", "6M", PeriodMode::rolling, PeriodLength::last6Months},
        {nullptr, "3M", PeriodMode::rolling, PeriodLength::last90Days},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode ? c.mode : "-") + "/" + (c.period ? c.period : "-"));
        InMemorySettingsBackend backend;
        if (c.mode)
            backend.setValue(QString(AppSettings::kPeriodModeKey), QString::fromLatin1(c.mode));
        if (c.period)
            backend.setValue(QString(AppSettings::kDefaultPeriodKey),
                             QString::fromLatin1(c.period));
        const AppSettings settings = AppSettings::read(backend);
        EXPECT_EQ(settings.periodMode, c.expectedMode);
        EXPECT_EQ(settings.defaultPeriod, c.expectedPeriod);
    }
}

TEST(AppSettings, switchingTheModeCarriesTheDefaultPeriodOver)
{
    AppSettings settings;
    settings.defaultPeriod = PeriodLength::max;
    settings.setPeriodMode(PeriodMode::calendar);
    EXPECT_EQ(settings.defaultPeriod, PeriodLength::max);

    settings.defaultPeriod = PeriodLength::year;
    const AppSettings rolling = settings.withPeriodMode(PeriodMode::rolling);
    EXPECT_EQ(rolling.periodMode, PeriodMode::rolling);
    EXPECT_EQ(rolling.defaultPeriod, PeriodLength::lastYear);
    EXPECT_EQ(rolling.withPeriodMode(PeriodMode::calendar).defaultPeriod, PeriodLength::year);
}

TEST(AppSettings, writesEveryKeyInOrderAndReadsBackEqual)
{
    AppSettings settings;
    settings.currency = QStringLiteral("UAH");
    settings.firstWeekday = 1;
    settings.monthStartDay = 25;
    settings.setPeriodMode(PeriodMode::calendar);
    settings.defaultPeriod = PeriodLength::sixMonths;
    settings.appearance = AppSettings::Appearance::light;
    settings.defaultAccountID = AccountId::random();
    settings.showTimeInLists = true;
    settings.suggestCategoryFromContact = false;
    settings.overviewChart = OverviewChart::netWorth;
    settings.trackCleared = true;
    settings.hideCents = true;

    test_support::RecordingBackend backend;
    settings.write(backend);
    ASSERT_EQ(backend.writes.size(), 12u);
    for (size_t i = 0; i < backend.writes.size(); ++i)
        EXPECT_EQ(backend.writes[i].first, AppSettings::keys()[static_cast<qsizetype>(i)]);
    EXPECT_EQ(backend.writes[1].second->typeId(), QMetaType::Int);
    EXPECT_EQ(backend.writes[4].second, QVariant(QStringLiteral("6M")));
    EXPECT_EQ(backend.writes[6].second, QVariant(settings.defaultAccountID->toString()));
    EXPECT_EQ(backend.writes[7].second->typeId(), QMetaType::Bool);
    EXPECT_EQ(AppSettings::read(backend), settings);

    settings.defaultAccountID.reset();
    settings.write(backend);
    EXPECT_FALSE(backend.writes[18].second);
    EXPECT_FALSE(backend.value(QString(AppSettings::kDefaultAccountKey)));
}
