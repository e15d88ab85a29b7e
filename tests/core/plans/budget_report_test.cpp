#include "plans/budget_report.h"

#include <limits>

#include <gtest/gtest.h>

#include "core/reports/report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

BudgetMonth monthWith(std::int64_t limit, std::int64_t spent, double elapsedFraction,
                      int daysLeft = 15)
{
    BudgetMonth month;
    month.limit = uah(limit);
    month.spent = uah(spent);
    month.elapsedFraction = elapsedFraction;
    month.dayCount = 30;
    month.daysLeft = daysLeft;
    return month;
}

TEST(BudgetStatus, followsTheLimitAndThePaceMargin)
{
    struct Case
    {
        const char* name;
        std::int64_t limit;
        std::int64_t spent;
        double elapsed;
        BudgetStatus status;
        double share;
    };
    for (const Case& c : {
             Case{"exactly the limit is not over", 10000, 10000, 1.0, BudgetStatus::onTrack, 1.0},
             Case{"one minor unit more is over", 10000, 10001, 1.0, BudgetStatus::over, 1.0001},
             Case{"54 % at half the month", 10000, 5400, 0.5, BudgetStatus::onTrack, 0.54},
             Case{"55 % at half the month is the margin", 10000, 5500, 0.5, BudgetStatus::onTrack,
                  0.55},
             Case{"56 % at half the month", 10000, 5600, 0.5, BudgetStatus::aheadOfPace, 0.56},
             Case{"all of it on the first day", 10000, 10000, 1.0 / 30, BudgetStatus::aheadOfPace,
                  1.0},
             Case{"zero limit, nothing spent", 0, 0, 0.0, BudgetStatus::onTrack, 0.0},
             Case{"zero limit, anything spent", 0, 1, 0.0, BudgetStatus::over, 0.0},
             Case{"refunds below zero", 10000, -500, 0.5, BudgetStatus::onTrack, -0.05},
         }) {
        const BudgetMonth month = monthWith(c.limit, c.spent, c.elapsed);
        EXPECT_EQ(budgetStatus(month), c.status) << c.name;
        EXPECT_DOUBLE_EQ(spentShare(month), c.share) << c.name;
    }
}

TEST(BudgetStatus, remainingAndAllowancePerDay)
{
    struct Case
    {
        const char* name;
        std::int64_t limit;
        std::int64_t spent;
        int daysLeft;
        std::int64_t remaining;
        std::int64_t allowance;
    };
    for (const Case& c : {
             Case{"250.00 over 3 days", 30000, 5000, 3, 25000, 8333},
             Case{"a half rounds up", 30000, 29995, 2, 5, 3},
             Case{"nothing left", 30000, 30000, 3, 0, 0},
             Case{"over the limit", 30000, 31000, 3, -1000, 0},
             Case{"no day left", 30000, 5000, 0, 25000, 0},
             Case{"saturates", -kMoneyLimitMinor, std::numeric_limits<std::int64_t>::max(), 3,
                  std::numeric_limits<std::int64_t>::min(), 0},
         }) {
        const BudgetMonth month = monthWith(c.limit, c.spent, 0.5, c.daysLeft);
        EXPECT_EQ(remaining(month), uah(c.remaining)) << c.name;
        EXPECT_EQ(allowancePerDay(month), uah(c.allowance)) << c.name;
    }
}

class BudgetReportTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
        dollars = b.account(QStringLiteral("Dollars"), QStringLiteral("USD"));
        pounds = b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"));
        food = b.category(QStringLiteral("Food"));
        cafe = b.category(QStringLiteral("Cafe"), food);
        other = b.category(QStringLiteral("Other"));
        budget.name = QStringLiteral("Food");
        budget.limit = uah(10000);
        budget.categoryIDs = {food};
    }

    void spend(const AccountId& account, std::int64_t minor, const QDateTime& date,
               const CategoryId& category)
    {
        b.expense(account, minor, date).categoryID = category;
    }

    LedgerBuilder b;
    AccountId card;
    AccountId dollars;
    AccountId pounds;
    CategoryId food;
    CategoryId cafe;
    CategoryId other;
    Budget budget;
};

TEST_F(BudgetReportTest, monthCountsTheCategoriesBelowAndConvertsWhatHasARate)
{
    spend(card, 1000, kyiv(2026, 11, 1, 0, 0), cafe);
    spend(dollars, 25, kyiv(2026, 11, 3), food); // 0.25 USD = 10.00 UAH
    spend(pounds, 500, kyiv(2026, 11, 4), food); // no rate: left out
    b.income(card, 700, kyiv(2026, 11, 5)).categoryID = food;
    spend(card, 900, kyiv(2026, 11, 6), other);
    spend(card, 300, kyiv(2026, 10, 31, 23, 59), food);
    spend(card, 400, kyiv(2026, 11, 30, 23, 0), food); // later this month
    b.expense(card, 800, kyiv(2026, 11, 7));           // uncategorized
    const LedgerIndex index = b.build(uahRates());

    struct Case
    {
        const char* name;
        int monthStartDay;
        std::int64_t offset;
        std::int64_t spent;
        int dayCount;
        int daysLeft;
        double elapsedFraction;
    };
    for (const Case& c : {
             Case{"this month", 1, 0, 2400, 30, 15, 0.5},
             // October has 31 days although its last Sunday is 25 hours long.
             Case{"last month", 1, 1, 300, 31, 0, 1.0},
             // 25 October to 24 November: 22 of 31 days have gone.
             Case{"pay month from the 25th", 25, 0, 2300, 31, 9, 22.0 / 31},
         }) {
        const PeriodEngine engine = engineOn(2026, 11, 15, {}, c.monthStartDay);
        const BudgetMonth month = budgetMonth(index, engine, budget, c.offset);
        EXPECT_EQ(month.spent, uah(c.spent)) << c.name;
        EXPECT_EQ(month.limit, uah(10000)) << c.name;
        EXPECT_EQ(month.dayCount, c.dayCount) << c.name;
        EXPECT_EQ(month.daysLeft, c.daysLeft) << c.name;
        EXPECT_DOUBLE_EQ(month.elapsedFraction, c.elapsedFraction) << c.name;
        EXPECT_EQ(month.window, engine.window(PeriodSelection(PeriodLength::month, c.offset)))
            << c.name;
    }
}

TEST_F(BudgetReportTest, detailHasSixMonthsTheUsualSpendOverrunsAndDays)
{
    budget.categoryIDs = {food, cafe};            // overlapping: each expense still counts once
    spend(card, 99999, kyiv(2026, 4, 20), food);  // seven months back: outside everything
    spend(card, 1200, kyiv(2026, 5, 20), food);   // six back: usual only
    spend(card, 10000, kyiv(2026, 9, 10), food);  // exactly the limit
    spend(card, 12000, kyiv(2026, 10, 10), cafe); // over
    spend(card, 100, kyiv(2026, 11, 1), cafe);
    spend(card, 200, kyiv(2026, 11, 3, 23, 59), food);
    spend(card, 5000, kyiv(2026, 11, 20), food); // after today: in the month, not in its days
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15);

    const BudgetDetail detail = budgetDetail(index, engine, budget);
    EXPECT_EQ(detail.month.spent, uah(5300));
    ASSERT_EQ(detail.history.size(), 6u);
    EXPECT_EQ(detail.history.front().window.interval.start, kyiv(2026, 6, 1, 0, 0));
    EXPECT_EQ(detail.history.back(), detail.month);
    EXPECT_EQ(detail.history[4].spent, uah(12000));
    EXPECT_EQ(detail.overCount, 1);
    // (12000 + 10000 + 1200) ÷ 6 = 3866.67
    EXPECT_EQ(detail.usual, uah(3867));

    ASSERT_EQ(detail.cumulative.size(), 15u);
    EXPECT_EQ(detail.cumulative[0], (BudgetDetail::DayPoint{1, uah(100)}));
    EXPECT_EQ(detail.cumulative[1], (BudgetDetail::DayPoint{2, uah(100)}));
    EXPECT_EQ(detail.cumulative[2], (BudgetDetail::DayPoint{3, uah(300)}));
    EXPECT_EQ(detail.cumulative.back(), (BudgetDetail::DayPoint{15, uah(300)}));
    EXPECT_EQ(detail.categories,
              (std::vector<BudgetDetail::CategoryLine>{{food, uah(5300)}, {cafe, uah(100)}}));

    // A month back: its days are all elapsed; history stays on the current month.
    const BudgetDetail october = budgetDetail(index, engine, budget, 1);
    EXPECT_EQ(october.month, detail.history[4]);
    EXPECT_EQ(october.cumulative.size(), 31u);
    EXPECT_EQ(october.cumulative.back().amount, uah(12000));
    EXPECT_EQ(october.history, detail.history);
}

TEST_F(BudgetReportTest, usualDividesBySixForAYoungBudget)
{
    spend(card, 600, kyiv(2026, 10, 2), food);
    const LedgerIndex index = b.build(uahRates());
    EXPECT_EQ(budgetDetail(index, engineOn(2026, 11, 15), budget).usual, uah(100));
}

} // namespace
