#include "services/app_services.h"

#include <QDir>
#include <QFile>

#include "core/rates/rate_test_support.h"
#include "i18n/string_table.h"
#include "money/currency.h"
#include "services/cloud_start_results.h"
#include "services/default_categories.h"
#include "services_test_support.h"
#include "settings/in_memory_settings_backend.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

struct LocaleCase
{
    AppEnvironment env;
    QStringList preferred;
    const char* system;
    const char* expected;
};

AppEnvironment sample()
{
    AppEnvironment env;
    env.useSampleData = true;
    return env;
}

AppEnvironment emptyStore()
{
    AppEnvironment env;
    env.useEmptyStore = true;
    return env;
}

TEST(AppServices, startLocale)
{
    AppEnvironment overridden;
    overridden.localeOverride = q("de_DE");
    const LocaleCase cases[] = {
        {overridden, {q("uk")}, "en_US", "de_DE"},
        {sample(), {q("uk")}, "de_DE", "uk_UA"},
        {sample(), {q("en")}, "uk_UA", "en_US"},
        {emptyStore(), {}, "uk_UA", "en_US"},
        {AppEnvironment{}, {q("en")}, "de_DE", "en_DE"},
        {AppEnvironment{}, {}, "de_DE", "en_DE"},
        {AppEnvironment{}, {q("uk-UA"), q("en")}, "uk_UA", "uk_UA"},
        {AppEnvironment{}, {q("uk")}, "en_US", "uk_UA"},
    };
    for (const LocaleCase& c : cases)
        EXPECT_EQ(AppServices::startLocale(c.env, c.preferred, QLocale(q(c.system))).name(),
                  q(c.expected))
            << c.system << " → " << c.expected;
}

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Currency::setMain(q("USD"));
        CloudStartResults::clear();
    }
    void TearDown() override
    {
        Currency::setMain(q("USD"));
        QLocale::setDefault(QLocale::c());
        Currency::setInputLocale(QLocale::c());
        (void)installApplicationTranslator(QLocale(QLocale::English));
        CloudStartResults::clear();
    }

    AppServices::Options options(AppEnvironment env = {})
    {
        AppServices::Options o;
        o.env = std::move(env);
        o.defaults = m_defaults;
        o.databaseFile = file();
        o.clock = m_clock;
        o.zone = QTimeZone::utc();
        o.buildEnvironment = [] {
            return std::optional<CloudEnvironment>(CloudEnvironment::production);
        };
        o.rateProvider = m_provider;
        o.preferredLocalizations = {q("en")};
        o.reloadDelay = std::chrono::milliseconds(10);
        return o;
    }
    QString file() const { return m_dir.filePath(q("Tallyra.sqlite")); }
    static std::size_t categoryCount(const AppServices& services)
    {
        EXPECT_TRUE(services.store().waitUntilIdle());
        return services.store().index()->categories().size();
    }

    QTemporaryDir m_dir;
    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(utc(2026, 4, 1, 23, 30));
    std::shared_ptr<InMemorySettingsBackend> m_defaults =
        std::make_shared<InMemorySettingsBackend>();
    std::shared_ptr<test::ScriptedProvider> m_provider = std::make_shared<test::ScriptedProvider>();
};

TEST_F(StartupTest, normalLaunchOpensTheDatabaseAndSeeds)
{
    m_defaults->setValue(AppSettings::kCurrencyKey, QVariant(q("EUR")));
    m_defaults->setValue(q("fx.base"), QVariant(q("USD")));
    m_defaults->setValue(q("fx.rates"), QVariant(QVariantMap{{q("EUR"), 0.9}, {q("UAH"), 0.025}}));

    auto services = AppServices::start(options());
    EXPECT_EQ(services->storeFailure(), std::nullopt);
    EXPECT_EQ(services->seedFailure(), std::nullopt);
    EXPECT_EQ(services->store().container().fileLocation(), file());
    EXPECT_EQ(statusText(services->cloud().state()),
              statusText(CloudSyncOff{CloudSyncOff::NotAvailable{}}));
    EXPECT_EQ(categoryCount(*services), 47u);
    EXPECT_EQ(m_defaults->value(DefaultCategories::kSeededKey), QVariant(true));
    EXPECT_EQ(Currency::main(), q("EUR"));
    EXPECT_EQ(services->rates().rates().base, q("EUR"))
        << "the cached rates are rebased to the main currency";
    EXPECT_EQ(services->store().rates(), services->rates().rates());
    EXPECT_EQ(services->today(), QDate(2026, 4, 1));
    EXPECT_EQ(services->locale().language(), QLocale::English);
}

TEST_F(StartupTest, emptyStoreKeepsNothing)
{
    auto o = options(emptyStore());
    o.preferredLocalizations = {q("uk")};
    auto services = AppServices::start(o);
    EXPECT_TRUE(services->store().container().isInMemory());
    EXPECT_EQ(statusText(services->cloud().state()),
              statusText(CloudSyncOff{CloudSyncOff::NotStored{}}));
    EXPECT_EQ(categoryCount(*services), 47u) << "an empty store still gets the starter tree";
    EXPECT_EQ(services->locale().name(), q("uk_UA"));
    EXPECT_EQ(Currency::inputLocale().name(), q("uk_UA"));
    EXPECT_TRUE(m_defaults->keys().isEmpty()) << "neither settings nor flags reach the defaults";
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(StartupTest, unreadableDatabaseRunsOnAnEmptyStoreInMemory)
{
    QFile garbage(file());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();

    auto services = AppServices::start(options());
    EXPECT_EQ(services->storeFailure(),
              StoreError::standardMessage(StoreError::Code::notADataFile));
    EXPECT_TRUE(services->store().container().isInMemory());
    EXPECT_EQ(categoryCount(*services), 0u) << "no starter categories over a failure";
    EXPECT_EQ(QFileInfo(file()).size(), 4096);
}

TEST_F(StartupTest, sampleDataFillsTheStoreInMemory)
{
    CloudStartResults::record({q("left over"), std::nullopt});
    auto o = options(sample());
    o.fillSampleData = [](StoreContext& context) {
        addAccount(context, "Sample card", "UAH");
        context.save();
    };
    auto services = AppServices::start(o);
    EXPECT_EQ(services->storeFailure(), std::nullopt);
    EXPECT_TRUE(services->store().container().isInMemory());
    EXPECT_EQ(statusText(services->cloud().state()),
              statusText(CloudSyncOff{CloudSyncOff::NotStored{}}))
        << "start results are not shown with sample data";
    EXPECT_EQ(categoryCount(*services), 0u) << "no seeding with sample data";
    ASSERT_EQ(services->store().index()->accounts().size(), 1u);
    EXPECT_EQ(services->locale().name(), q("en_US"));
    services.reset();

    // A sample set that fails half-way counts as a failed open.
    o.fillSampleData = [](StoreContext& context) {
        addAccount(context, "Half made");
        context.save();
        throw Error(q("The sample data couldn’t be read."));
    };
    services = AppServices::start(o);
    EXPECT_EQ(services->storeFailure(), q("The sample data couldn’t be read."));
    ASSERT_TRUE(services->store().waitUntilIdle());
    EXPECT_TRUE(services->store().index()->accounts().empty()) << "a fresh empty store";
}

TEST_F(StartupTest, sampleDataWithoutAHookIsTheBuiltInLedger)
{
    auto services = AppServices::start(options(sample()));
    EXPECT_EQ(services->storeFailure(), std::nullopt);
    ASSERT_TRUE(services->store().waitUntilIdle());
    const auto& index = *services->store().index();
    EXPECT_EQ(index.accounts().size(), 7u);
    // Its amounts and plans are written for its home currency.
    EXPECT_EQ(services->settings().settings().currency, q("UAH"));
    EXPECT_EQ(Currency::main(), q("UAH"));
    EXPECT_EQ(m_defaults->value(AppSettings::kCurrencyKey), std::nullopt)
        << "the device's own settings are not touched";
    ASSERT_FALSE(index.entries().empty());
    // The sample's newest transaction lands on the run's today.
    EXPECT_EQ(index.entries().back().date.toTimeZone(QTimeZone::utc()).date(), services->today());
}

TEST_F(StartupTest, changingTheCurrencySettingRebasesReloadsAndRefreshes)
{
    m_defaults->setValue(q("fx.base"), QVariant(q("USD")));
    m_defaults->setValue(q("fx.rates"), QVariant(QVariantMap{{q("EUR"), 1.25}}));
    auto services = AppServices::start(options());
    addAccount(services->store().mainContext(), "Card", "UAH");
    services->store().mainContext().save();
    ASSERT_TRUE(services->store().waitUntilIdle());
    const auto version = services->store().version();

    FXRates answer = FXRates::empty(q("EUR"));
    answer.perUnit[q("UAH")] = test::dec("0.022");
    answer.perUnit[q("USD")] = test::dec("0.8");
    m_provider->fetchAnswers.push_back(RateFetch{answer, std::nullopt});

    services->settings().update([](AppSettings& s) { s.currency = q("EUR"); });
    EXPECT_EQ(Currency::main(), q("EUR"));
    EXPECT_EQ(services->store().rates().base, q("EUR"));
    EXPECT_EQ(services->store().rates().perUnit.at(q("USD")), test::dec("0.8"))
        << "1 ÷ 1.25 at once";
    ASSERT_EQ(m_provider->asks.size(), 1);
    EXPECT_EQ(m_provider->asks[0].base, q("EUR"));
    EXPECT_EQ(m_provider->asks[0].needing, (CurrencySet{q("UAH")}));

    test::drainEvents();
    ASSERT_TRUE(services->store().waitUntilIdle());
    EXPECT_EQ(services->store().rates().perUnit.at(q("UAH")), test::dec("0.022"));
    EXPECT_EQ(services->store().index()->rates(), services->store().rates());
    EXPECT_GT(services->store().version(), version);
    EXPECT_TRUE(services->store().index()->currenciesWithoutRate().empty());

    // The same currency again changes nothing.
    services->setMainCurrency(q("EUR"));
    EXPECT_EQ(m_provider->asks.size(), 1);
}

} // namespace
