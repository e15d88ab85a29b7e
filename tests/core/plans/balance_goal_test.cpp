#include "plans/balance_goal.h"

#include <gtest/gtest.h>

#include "core/reports/report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

Goal balanceGoal(BalanceMode mode, std::int64_t amount, QList<AccountId> accounts)
{
    Goal goal;
    goal.kind = GoalKind::balance;
    goal.name = QStringLiteral("Balance");
    goal.balanceMode = mode;
    goal.target = uah(amount);
    goal.allAccounts = accounts.isEmpty();
    goal.accountIDs = std::move(accounts);
    return goal;
}

class BalanceGoalTest : public ReportTest
{
};

TEST_F(BalanceGoalTest, countedAccountsAndTheirConvertedBalance)
{
    LedgerBuilder b;
    const AccountId card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 50000);
    const AccountId dollars = b.account(QStringLiteral("Dollars"), QStringLiteral("USD"), 1000);
    const AccountId old = b.account(QStringLiteral("Old"), QStringLiteral("UAH"), 999900,
                                    AccountKind::checking, true);
    const AccountId credit =
        b.account(QStringLiteral("Credit"), QStringLiteral("UAH"), -20000, AccountKind::creditCard);
    const AccountId pounds = b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"), 5000);
    b.expense(card, 1000, kyiv(2026, 11, 16, 0, 0)); // tomorrow: not yet
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15);
    struct Case
    {
        const char* name;
        QList<AccountId> accounts;
        std::vector<AccountId> counted;
        std::int64_t current;
    };
    for (const Case& c : {
             // 500.00 + 10.00 USD (400.00) − 200.00 of card debt; pounds have no rate.
             // In the ledger's account order (cards after cash-like accounts).
             Case{"all accounts", {}, {card, dollars, pounds, credit}, 70000},
             Case{"named, archived or not", {old, card}, {old, card}, 1049900},
             Case{"named without a rate", {pounds}, {pounds}, 0},
         }) {
        const BalanceGoalDetail detail =
            balanceGoalDetail(index, engine, balanceGoal(BalanceMode::reachBy, 1, c.accounts));
        EXPECT_EQ(detail.accountIDs, c.counted) << c.name;
        EXPECT_EQ(detail.current, uah(c.current)) << c.name;
        EXPECT_EQ(detail.history.back().balance, uah(c.current)) << c.name;
    }
}

TEST_F(BalanceGoalTest, stayAboveCountsDaysBelowTheFloorAndMonthlyLows)
{
    LedgerBuilder b;
    const AccountId card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 50000);
    b.expense(card, 15000, kyiv(2026, 10, 10));
    b.income(card, 20000, kyiv(2026, 10, 13));
    // Only the start of 15 May, a day before the history, holds −490.00.
    b.expense(card, 99000, kyiv(2026, 5, 14));
    b.income(card, 99000, kyiv(2026, 5, 15));
    const LedgerIndex index = b.build(uahRates());
    Goal goal = balanceGoal(BalanceMode::stayAbove, 40000, {card});
    goal.deadline = kyiv(2027, 1, 31, 0, 0);

    const BalanceGoalDetail detail = balanceGoalDetail(index, engineOn(2026, 11, 15), goal);
    // 16 May up to and including 16 November, one point a day.
    ASSERT_EQ(detail.history.size(), 185u);
    EXPECT_EQ(detail.history.front().date, kyiv(2026, 5, 16, 0, 0));
    EXPECT_EQ(detail.history.back().date, kyiv(2026, 11, 16, 0, 0));
    EXPECT_EQ(detail.history.back().balance, uah(55000));
    // The starts of 11, 12 and 13 October hold 350.00.
    EXPECT_EQ(detail.daysBelow, 3);
    ASSERT_TRUE(detail.lowest);
    EXPECT_EQ(*detail.lowest, (BalanceGoalDetail::Point{kyiv(2026, 10, 11, 0, 0), uah(35000)}));
    // May to September 500.00, October 350.00, November 550.00: 3,400.00 ÷ 7.
    EXPECT_EQ(detail.typicalLow, uah(48571));
    EXPECT_EQ(detail.deadline, QDate(2027, 1, 1));
    EXPECT_EQ(detail.monthsToDeadline, 2);
    EXPECT_FALSE(detail.growthPerMonth);
    EXPECT_FALSE(detail.projection);
}

TEST_F(BalanceGoalTest, reachByGrowsOverTwelveMonthsAndProjects)
{
    struct Case
    {
        const char* name;
        std::int64_t target;
        std::int64_t laterExpense;
        std::optional<std::int64_t> growth;
        std::optional<std::int64_t> months;
        std::optional<QDate> projection;
    };
    for (const Case& c : {
             Case{"60.00 missing at 20.00 a month", 150000, 0, 2000, 3, QDate(2027, 2, 1)},
             Case{"already there", 144000, 0, 2000, 0, QDate(2026, 11, 1)},
             Case{"lower than a year ago", 150000, 30000, -500, std::nullopt, std::nullopt},
             // 0.06 of growth a year is half a minor unit a month, rounded away from zero.
             Case{"growth rounds half away", 150000, 23994, 1, 29994, QDate(4526, 5, 1)},
         }) {
        LedgerBuilder b;
        const AccountId card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
        b.income(card, 120000, kyiv(2025, 11, 10));
        b.income(card, 24000, kyiv(2026, 3, 3));
        if (c.laterExpense > 0)
            b.expense(card, c.laterExpense, kyiv(2026, 6, 1));
        const LedgerIndex index = b.build(uahRates());
        const BalanceGoalDetail detail = balanceGoalDetail(
            index, engineOn(2026, 11, 15), balanceGoal(BalanceMode::reachBy, c.target, {card}));
        EXPECT_EQ(detail.growthPerMonth, c.growth ? std::optional(uah(*c.growth)) : std::nullopt)
            << c.name;
        EXPECT_EQ(detail.monthsAtPace, c.months) << c.name;
        EXPECT_EQ(detail.projection, c.projection) << c.name;
        ASSERT_EQ(detail.history.size(), 25u) << c.name;
        EXPECT_EQ(detail.history.front(),
                  (BalanceGoalDetail::Point{kyiv(2024, 12, 1, 0, 0), uah(0)}))
            << c.name;
        EXPECT_EQ(detail.history[12],
                  (BalanceGoalDetail::Point{kyiv(2025, 12, 1, 0, 0), uah(120000)}))
            << c.name;
        EXPECT_EQ(detail.history[23].date, kyiv(2026, 11, 1, 0, 0)) << c.name;
        EXPECT_EQ(detail.history.back().date, kyiv(2026, 11, 16, 0, 0)) << c.name;
        EXPECT_FALSE(detail.lowest) << c.name;
        EXPECT_FALSE(detail.typicalLow) << c.name;
        EXPECT_FALSE(detail.deadline) << c.name;
    }
}

} // namespace
