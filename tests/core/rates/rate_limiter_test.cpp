#include "rates/rate_limiter.h"

#include <gtest/gtest.h>

#include "rate_test_support.h"

using namespace tallyra;
using namespace tallyra::test;
using namespace std::chrono_literals;

namespace {

class RateLimiterTest : public ::testing::Test
{
protected:
    RateLimiterTest()
        : limiter(
              5s, [this] { return now; },
              [this](RateLimiter::Duration delay, QObject*, std::function<void()> wake) {
                  sleeps.append(delay);
                  if (cancelSleeps)
                      return; // the caller went away: wake is dropped
                  now += delay;
                  wake();
              })
    {
    }

    int pass()
    {
        int passed = 0;
        limiter.wait(&context, [&passed] { ++passed; });
        return passed;
    }

    RateLimiter::Instant now{100s};
    QList<RateLimiter::Duration> sleeps;
    bool cancelSleeps = false;
    QObject context;
    RateLimiter limiter;
};

TEST_F(RateLimiterTest, firstRequestPassesAtOnce)
{
    EXPECT_EQ(limiter.remaining(), 0s);
    EXPECT_EQ(pass(), 1);
    EXPECT_TRUE(sleeps.isEmpty());
    EXPECT_EQ(limiter.remaining(), 5s);
}

TEST_F(RateLimiterTest, secondRequestWaitsForTheRestOfTheInterval)
{
    ASSERT_EQ(pass(), 1);
    now += 2s;
    EXPECT_EQ(limiter.remaining(), 3s);
    EXPECT_EQ(pass(), 1);
    EXPECT_EQ(sleeps, (QList<RateLimiter::Duration>{3s}));
    // Passage is recorded after the sleep, so the next full interval starts there.
    EXPECT_EQ(limiter.remaining(), 5s);
}

TEST_F(RateLimiterTest, requestsAtLeastAnIntervalApartNeverSleep)
{
    for (auto gap : {5s, 6s, 3600s}) {
        now += gap;
        EXPECT_EQ(pass(), 1);
    }
    EXPECT_TRUE(sleeps.isEmpty());
}

TEST_F(RateLimiterTest, cancelledSleepLeavesTheLastPassageAlone)
{
    ASSERT_EQ(pass(), 1);
    now += 1s;
    cancelSleeps = true;
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(sleeps, (QList<RateLimiter::Duration>{4s}));
    now += 1s;
    EXPECT_EQ(limiter.remaining(), 3s);
}

TEST(RateLimiter, timerSleepWakesOnTheContextAfterTheDelay)
{
    RateLimiter limiter(60ms);
    QObject context;
    QEventLoop loop;
    int passed = 0;
    limiter.wait(&context, [&] { ++passed; });
    const auto started = std::chrono::steady_clock::now();
    limiter.wait(&context, [&] {
        ++passed;
        loop.quit();
    });
    EXPECT_EQ(passed, 1);
    QTimer::singleShot(3s, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(passed, 2);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 55ms);
}

TEST(RateLimiter, timerSleepIsCancelledWithItsContext)
{
    RateLimiter limiter(30ms);
    int passed = 0;
    {
        QObject context;
        limiter.wait(&context, [&] { ++passed; });
        limiter.wait(&context, [&] { ++passed; });
    }
    QEventLoop loop;
    QTimer::singleShot(100ms, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(passed, 1);
}

TEST(ContinuousClock, neverRunsBackwards)
{
    const auto first = ContinuousClock::now();
    const auto second = ContinuousClock::now();
    EXPECT_LE(first, second);
    EXPECT_GT(first.time_since_epoch().count(), 0);
}

} // namespace
