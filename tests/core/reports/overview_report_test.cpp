#include "reports/overview_report.h"

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class OverviewReportTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 100000);
        savings = b.account(QStringLiteral("Savings"), QStringLiteral("UAH"));
        pounds = b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"));
    }

    OverviewReport report(const PeriodEngine& engine, const PeriodSelection& selection)
    {
        const LedgerIndex index = b.build(uahRates());
        return overviewReport(index, engine, selection);
    }

    static std::vector<std::int64_t> amounts(const std::vector<CumulativePoint>& points)
    {
        std::vector<std::int64_t> list;
        for (const CumulativePoint& point : points)
            list.push_back(point.amount.minor);
        return list;
    }

    LedgerBuilder b;
    AccountId card;
    AccountId savings;
    AccountId pounds;
};

TEST_F(OverviewReportTest, firstDayOfTheMonthComparesWithTheFirstDayBefore)
{
    b.expense(card, 1000, kyiv(2026, 10, 1, 9));
    b.expense(card, 2000, kyiv(2026, 10, 2, 9));
    b.expense(card, 500, kyiv(2026, 11, 1, 9));
    b.expense(card, 700, kyiv(2026, 11, 2, 9)); // tomorrow
    const OverviewReport r = report(engineOn(2026, 11, 1), PeriodSelection(PeriodLength::month));

    EXPECT_EQ(r.totals.spent, uah(500));
    EXPECT_EQ(r.comparisonInterval, (DateInterval{kyiv(2026, 10, 1, 0), kyiv(2026, 10, 2, 0)}));
    EXPECT_EQ(r.comparison.spent, uah(1000));
    EXPECT_EQ(r.dayCount, 30);
    ASSERT_EQ(r.days.size(), 31u);
    EXPECT_EQ(r.days.back(), kyiv(2026, 12, 1, 0));
    EXPECT_EQ(amounts(r.current), (std::vector<std::int64_t>{500}));
    ASSERT_EQ(r.previous.size(), 31u); // the whole of October
    EXPECT_EQ(r.previous[1].amount, uah(3000));
    EXPECT_EQ(r.previous.back().amount, uah(3000));
    EXPECT_EQ(r.previousDays.size(), 32u);
    ASSERT_EQ(r.flow.size(), 1u); // the days ahead are dropped
    EXPECT_EQ(r.flow[0].spent, uah(500));
    EXPECT_TRUE(r.flow[0].isComplete);
    EXPECT_EQ(r.netWorthBaseDate, kyiv(2026, 10, 31, 0));
    EXPECT_EQ(r.netWorth, uah(100000 - 3500));
    EXPECT_EQ(r.netWorthChange, uah(-500));
    ASSERT_EQ(r.netWorthPoints.size(), 1u);
    EXPECT_EQ(r.netWorthPoints[0].value, uah(96500));
}

TEST_F(OverviewReportTest, transfersStayOutOfSpendingAndAmountsWithoutRateAreCounted)
{
    b.expense(card, 1000, kyiv(2026, 11, 2));
    b.transfer(card, savings, 5000, kyiv(2026, 11, 2));
    b.expense(pounds, 300, kyiv(2026, 11, 3));
    b.income(card, 8000, kyiv(2026, 11, 3));
    const OverviewReport r = report(engineOn(2026, 11, 3), PeriodSelection(PeriodLength::month));

    EXPECT_EQ(amounts(r.current), (std::vector<std::int64_t>{0, 1000, 1000}));
    EXPECT_EQ(r.flow[1].spent, uah(1000));
    EXPECT_EQ(r.flow[2].spent, uah(0));
    EXPECT_EQ(r.flow[2].received, uah(8000));
    EXPECT_EQ(r.totals.expenseCount, 2);
    EXPECT_EQ(r.totals.expensesWithoutRate, 1);
    EXPECT_EQ(r.totals.moved, uah(5000));
    ASSERT_EQ(r.categoryTree.size(), 1u); // the uncategorized row, 1000
    EXPECT_EQ(r.categoryTree[0].count, 2);
    ASSERT_EQ(r.recent.size(), 4u);
    EXPECT_EQ(r.recent.front().amount, uah(8000));
}

TEST_F(OverviewReportTest, pastPeriodCoversItsWholeWindowAndAllTimeComparesWithNothing)
{
    b.expense(card, 100, kyiv(2026, 9, 10));
    b.expense(card, 200, kyiv(2026, 10, 31, 23, 30));
    const PeriodEngine engine = engineOn(2026, 11, 15, kyiv(2026, 9, 10));

    const OverviewReport past = report(engine, PeriodSelection(PeriodLength::month, 1));
    EXPECT_EQ(past.current.size(), 31u);
    EXPECT_EQ(past.flow.size(), 31u);
    EXPECT_EQ(past.current.back().amount, uah(200));
    EXPECT_EQ(past.netWorthPoints.size(), 31u);

    const OverviewReport all = report(engine, PeriodSelection(PeriodLength::max));
    EXPECT_EQ(all.comparison, PeriodTotals::zero(QStringLiteral("UAH")));
    EXPECT_TRUE(all.comparisonInterval.isEmpty());
    EXPECT_TRUE(all.previous.empty());
    EXPECT_TRUE(all.previousDays.empty());
    EXPECT_EQ(all.flowGranularity, BucketGranularity::month);
    ASSERT_EQ(all.flow.size(), 3u); // September, October, November so far
    EXPECT_FALSE(all.flow.back().isComplete);
    EXPECT_EQ(all.netWorthPoints.size(), 30u + 31u + 15u); // from 1 September
    EXPECT_EQ(all.netWorthPoints.front().day, kyiv(2026, 9, 1, 0));
}

TEST_F(OverviewReportTest, daysFollowTheLocalCalendarAcrossTheClockChange)
{
    b.expense(card, 100, kyiv(2026, 3, 28, 23, 59));
    b.expense(card, 200, kyiv(2026, 3, 29, 0, 1));
    const OverviewReport r = report(engineOn(2026, 3, 31), PeriodSelection(PeriodLength::month));
    ASSERT_EQ(r.current.size(), 31u);
    EXPECT_EQ(r.current[27].amount, uah(100)); // 28 March
    EXPECT_EQ(r.current[28].amount, uah(300));
    EXPECT_EQ(r.days[28].secsTo(r.days[29]), 23 * 3600); // 29 March lasts 23 hours
    EXPECT_EQ(r.netWorthPoints[28].value, uah(100000 - 300));
}

TEST_F(OverviewReportTest, readoutsOverSelectedDaysAndBuckets)
{
    // October (31 days) against September (30 days).
    for (int day = 1; day <= 30; ++day)
        b.expense(card, 100, kyiv(2026, 9, day));
    for (int day = 1; day <= 31; ++day)
        b.expense(card, 10, kyiv(2026, 10, day));
    const OverviewReport r = report(engineOn(2026, 10, 31), PeriodSelection(PeriodLength::month));

    const auto firstWeek = spendingReadout(r, 0, 6);
    ASSERT_TRUE(firstWeek);
    EXPECT_EQ(firstWeek->spent, uah(70));
    EXPECT_EQ(firstWeek->previousSpent, uah(700));
    EXPECT_EQ(firstWeek->interval, (DateInterval{kyiv(2026, 10, 1, 0), kyiv(2026, 10, 8, 0)}));

    // Beyond September's 30 days the previous figures stop at its last day.
    const auto lastDays = spendingReadout(r, 29, 30);
    ASSERT_TRUE(lastDays);
    EXPECT_EQ(lastDays->spent, uah(20));
    EXPECT_EQ(lastDays->previousSpent, uah(100));
    EXPECT_EQ(lastDays->previousInterval,
              (DateInterval{kyiv(2026, 9, 30, 0), kyiv(2026, 10, 1, 0)}));

    EXPECT_FALSE(spendingReadout(r, 3, 2));
    EXPECT_FALSE(spendingReadout(r, -1, 2));
    EXPECT_FALSE(spendingReadout(r, 0, 31));

    const FlowRange range = flowRange(r, r.flow[9], r.flow[5]);
    EXPECT_EQ(range.count, 5);
    EXPECT_EQ(range.spent, uah(50));
    EXPECT_EQ(range.interval, (DateInterval{kyiv(2026, 10, 6, 0), kyiv(2026, 10, 11, 0)}));

    // Halfway between two days: the earlier one.
    const auto nearest = nearestNetWorthPoint(r, kyiv(2026, 10, 5, 12));
    ASSERT_TRUE(nearest);
    EXPECT_EQ(nearest->day, kyiv(2026, 10, 5, 0));
    EXPECT_EQ(nearestCumulativePoint(r.current, kyiv(2026, 12, 1))->day, 30);
    EXPECT_FALSE(nearestCumulativePoint({}, kyiv(2026, 10, 5)));
}

} // namespace
