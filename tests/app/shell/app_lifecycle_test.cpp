#include "shell/app_lifecycle.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "display/money_display.h"
#include "services/app_services.h"
#include "settings/in_memory_settings_backend.h"
#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;
using namespace std::chrono_literals;

namespace {

class LifecycleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppServices::Options options;
        options.env.useEmptyStore = true;
        options.env.showsWelcome = true;
        options.defaults = std::make_shared<InMemorySettingsBackend>();
        options.clock = m_clock;
        options.zone = kyivZone();
        options.buildEnvironment = [] { return std::optional<CloudEnvironment>(); };
        options.preferredLocalizations = {q("en")};
        options.reloadDelay = 5ms;
        m_services = AppServices::start(std::move(options));
        m_model = std::make_unique<AppModel>(AppLifecycle::modelOptions(*m_services, m_scheduler));
        AppLifecycle::Hooks hooks;
        hooks.mergeCategories = [this] {
            ++merges;
            if (mergeFails)
                throw Error(q("The database is locked."), q("SQLITE_BUSY"));
        };
        hooks.refreshRates = [this] { ++refreshes; };
        m_lifecycle = std::make_unique<AppLifecycle>(*m_services, *m_model, m_scheduler, nullptr,
                                                     &m_display, hooks);
    }

    // 23:55 in Kyiv: the loop's second pass falls on the next day.
    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(kyiv(2026, 3, 15, 23, 55));
    ManualScheduler m_scheduler;
    MoneyDisplay m_display{QLocale(q("en_US"))};
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<AppLifecycle> m_lifecycle;
    int merges = 0;
    int refreshes = 0;
    bool mergeFails = false;
};

TEST_F(LifecycleTest, theFirstAppearanceMergesRefreshesAndWelcomesOnce)
{
    m_lifecycle->windowAppeared();
    m_lifecycle->windowAppeared();
    EXPECT_EQ(merges, 1);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(m_model->isShowingWelcome());
    EXPECT_TRUE(m_lifecycle->isLooping());
}

TEST_F(LifecycleTest, everySixHundredSecondsRatesRefreshAndANewDayMovesToday)
{
    m_lifecycle->windowAppeared();
    const QDateTime firstToday = m_model->periodEngine().today();

    m_scheduler.advance(599s);
    EXPECT_EQ(refreshes, 1);
    m_clock->advanceSeconds(240); // 23:59, the same day
    m_scheduler.advance(1s);
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(merges, 1) << "the day hasn't changed";
    EXPECT_EQ(m_model->periodEngine().today(), firstToday);

    m_clock->advanceSeconds(600); // 00:09 the next day
    m_scheduler.advance(600s);
    EXPECT_EQ(refreshes, 3);
    EXPECT_EQ(merges, 2);
    EXPECT_EQ(m_lifecycle->today(), QDate(2026, 3, 16));
    EXPECT_EQ(m_model->periodEngine().today(), kyiv(2026, 3, 16, 0, 0));

    m_lifecycle->windowClosed();
    m_scheduler.advance(3600s);
    EXPECT_EQ(refreshes, 3);
}

TEST_F(LifecycleTest, aFailedMergeIsShownAndTheLoopGoesOn)
{
    mergeFails = true;
    m_lifecycle->windowAppeared();
    EXPECT_EQ(m_model->errorTitle(), q("Couldn’t Merge Categories"));
    EXPECT_EQ(m_model->errorMessage(), q("The database is locked."));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(LifecycleTest, settingsReachTheModelAndTheDisplay)
{
    m_services->settings().update([](AppSettings& s) {
        s.hideCents = true;
        s.setPeriodMode(PeriodMode::calendar);
        s.monthStartDay = 25;
    });
    EXPECT_TRUE(m_display.hideCents());
    EXPECT_EQ(m_model->periodMode(), PeriodMode::calendar);
    EXPECT_EQ(m_model->period().length(), PeriodLength::month);
    EXPECT_EQ(m_model->periodEngine().settings().monthStartDay, 25);
}

TEST_F(LifecycleTest, aRunThatKeepsNothingLeavesThePreferencesAlone)
{
    m_model->setPlaysSounds(false);
    EXPECT_FALSE(m_services->defaults().value(q("sounds.enabled")));
    EXPECT_FALSE(m_model->asksForContacts());
}

} // namespace
