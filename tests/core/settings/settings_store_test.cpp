#include "settings/settings_store.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "recording_backend.h"
#include "settings/in_memory_cloud_key_value_store.h"
#include "settings/in_memory_settings_backend.h"
#include "settings/ubiquitous_settings_backend.h"
#include "settings/user_defaults_backend.h"

using namespace tallyra;
using tallyra::test_support::RecordingBackend;

namespace {

struct CloudSetup
{
    std::shared_ptr<InMemoryCloudKeyValueStore> cloud =
        std::make_shared<InMemoryCloudKeyValueStore>();
    std::shared_ptr<RecordingBackend> local = std::make_shared<RecordingBackend>();
    std::shared_ptr<UbiquitousSettingsBackend> backend;

    CloudSetup() { backend = std::make_shared<UbiquitousSettingsBackend>(cloud, local); }
};

} // namespace

TEST(SettingsStore, readsTheRecordAtCreation)
{
    auto backend = std::make_shared<RecordingBackend>();
    backend->seed(QString(AppSettings::kCurrencyKey), QStringLiteral("UAH"));
    backend->seed(QString(AppSettings::kMonthStartDayKey), 40);
    const SettingsStore store(backend);
    EXPECT_EQ(store.settings().currency, QStringLiteral("UAH"));
    EXPECT_EQ(store.settings().monthStartDay, 31);
    EXPECT_TRUE(backend->writes.empty());
    EXPECT_FALSE(store.observesCloud());
}

TEST(SettingsStore, changedRecordNotifiesOnceAndWritesAllKeysInOrder)
{
    auto backend = std::make_shared<RecordingBackend>();
    SettingsStore store(backend);
    QSignalSpy changes(&store, &SettingsStore::settingsChanged);

    AppSettings settings = store.settings();
    settings.hideCents = true;
    store.setSettings(settings);

    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(store.settings(), settings);
    ASSERT_EQ(backend->writes.size(), 12u);
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(backend->writes[i].first, AppSettings::keys()[static_cast<qsizetype>(i)]);
    EXPECT_FALSE(backend->writes[6].second); // no default account: the key is removed
    EXPECT_EQ(backend->writes[11].second, QVariant(true));
    EXPECT_EQ(AppSettings::read(*backend), settings);
}

TEST(SettingsStore, equalRecordWritesNothing)
{
    auto backend = std::make_shared<RecordingBackend>();
    SettingsStore store(backend);
    QSignalSpy changes(&store, &SettingsStore::settingsChanged);
    store.setSettings(store.settings());
    store.setSettings(AppSettings{});
    store.update([](AppSettings& s) { s.currency = QStringLiteral("USD"); });
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(backend->writes.empty());
}

TEST(SettingsStore, changingTheModeCarriesTheDefaultPeriod)
{
    auto backend = std::make_shared<InMemorySettingsBackend>();
    SettingsStore store(backend);
    store.update([](AppSettings& s) { s.periodMode = PeriodMode::calendar; });
    EXPECT_EQ(store.settings().defaultPeriod, PeriodLength::month);
    EXPECT_EQ(backend->value(QString(AppSettings::kDefaultPeriodKey)),
              QVariant(QStringLiteral("1M")));

    store.update([](AppSettings& s) { s.defaultPeriod = PeriodLength::max; });
    store.update([](AppSettings& s) { s.periodMode = PeriodMode::rolling; });
    EXPECT_EQ(store.settings().periodMode, PeriodMode::rolling);
    EXPECT_EQ(store.settings().defaultPeriod, PeriodLength::max);
}

TEST(SettingsStore, cloudValueBeatsLocalValue)
{
    CloudSetup setup;
    setup.cloud->setValue(QString(AppSettings::kCurrencyKey), QVariant(QStringLiteral("EUR")));
    setup.local->seed(QString(AppSettings::kCurrencyKey), QStringLiteral("USD"));
    setup.local->seed(QString(AppSettings::kMonthStartDayKey), 25);
    const SettingsStore store(setup.backend);
    EXPECT_TRUE(store.observesCloud());
    EXPECT_EQ(store.settings().currency, QStringLiteral("EUR"));
    EXPECT_EQ(store.settings().monthStartDay, 25);
}

TEST(SettingsStore, externalChangeReplacesTheRecordWithoutWritingBack)
{
    CloudSetup setup;
    SettingsStore store(setup.backend);
    QSignalSpy changes(&store, &SettingsStore::settingsChanged);
    const int cloudWrites = setup.cloud->writeCount();

    setup.cloud->simulateExternalChange({{QString(AppSettings::kHideCentsKey), QVariant(true)}});
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(store.settings().hideCents);
    EXPECT_TRUE(changes.first().first().value<AppSettings>().hideCents);
    AppSettings expected;
    expected.hideCents = true;
    EXPECT_EQ(store.settings(), expected);
    EXPECT_TRUE(setup.local->writes.empty());
    EXPECT_EQ(setup.cloud->writeCount(), cloudWrites);

    // A change that leaves the record as it is (same value, unrelated key, or
    // a value the read rules ignore) notifies nobody.
    setup.cloud->simulateExternalChange({{QString(AppSettings::kHideCentsKey), QVariant(true)}});
    setup.cloud->simulateExternalChange({{QStringLiteral("fx.rates"), QVariant(1)}});
    setup.cloud->simulateExternalChange(
        {{QString(AppSettings::kFirstWeekdayKey), QVariant(QStringLiteral("3"))}});
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(setup.local->writes.empty());
}

TEST(SettingsStore, externalRemovalFallsBackToTheLocalValue)
{
    CloudSetup setup;
    setup.cloud->setValue(QString(AppSettings::kCurrencyKey), QVariant(QStringLiteral("EUR")));
    setup.local->seed(QString(AppSettings::kCurrencyKey), QStringLiteral("GBP"));
    SettingsStore store(setup.backend);
    QSignalSpy changes(&store, &SettingsStore::settingsChanged);
    setup.cloud->simulateExternalChange({}, {QString(AppSettings::kCurrencyKey)});
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(store.settings().currency, QStringLiteral("GBP"));
}

TEST(SettingsStore, changeAfterTheStoreIsGoneReachesNobody)
{
    CloudSetup setup;
    {
        SettingsStore store(setup.backend);
        EXPECT_EQ(setup.cloud->observerCount(), 1);
    }
    EXPECT_EQ(setup.cloud->observerCount(), 0);
    setup.cloud->simulateExternalChange({{QString(AppSettings::kHideCentsKey), QVariant(true)}});
    EXPECT_TRUE(setup.local->writes.empty());
}

TEST(SettingsStore, recordPersistsThroughTheLocalDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.ini"));
    AppSettings settings;
    settings.currency = QStringLiteral("JPY");
    settings.monthStartDay = 31;
    settings.firstWeekday = 7;
    settings.setPeriodMode(PeriodMode::calendar);
    settings.defaultAccountID = AccountId::random();
    settings.overviewChart = OverviewChart::incomeAndSpending;
    settings.suggestCategoryFromContact = false;
    {
        SettingsStore store(std::make_shared<UserDefaultsBackend>(path));
        store.setSettings(settings);
    }
    const SettingsStore reopened(std::make_shared<UserDefaultsBackend>(path));
    EXPECT_EQ(reopened.settings(), settings);
}
