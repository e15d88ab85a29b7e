#include "plans/saving_goal.h"

#include <gtest/gtest.h>

#include "core/reports/report_fixture.h"
#include "plans/plan_months.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

GoalId goalId(int n)
{
    return GoalId(QUuid(0xb0000000u + static_cast<uint>(n), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
}

Goal savingGoal(int n, std::int64_t target, std::int64_t assigned, std::int64_t monthly,
                std::optional<QDateTime> deadline = std::nullopt)
{
    Goal goal;
    goal.id = goalId(n);
    goal.kind = GoalKind::saving;
    goal.name = QStringLiteral("Goal %1").arg(n);
    goal.order = n;
    goal.target = uah(target);
    goal.assigned = uah(assigned);
    goal.monthly = uah(monthly);
    goal.deadline = std::move(deadline);
    return goal;
}

TEST(PlanMonths, indicesAndFirstDaysRoundTrip)
{
    for (const QDate day : {QDate(2026, 1, 31), QDate(2026, 12, 1), QDate(1, 1, 1),
                            QDate(-1, 12, 31), QDate(-45, 3, 3)}) {
        const QDate first = firstDayOfMonth(monthIndex(day));
        EXPECT_EQ(first, QDate(day.year(), day.month(), 1)) << day.toString().toStdString();
    }
    EXPECT_EQ(monthIndex(QDate(2026, 1, 5)), 24312);
}

class SavingGoalTest : public ReportTest
{
};

TEST_F(SavingGoalTest, paceProjectionStatusAndNeededPerMonth)
{
    const LedgerIndex index(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15); // this month: November 2026
    struct Case
    {
        const char* name;
        std::int64_t target;
        std::int64_t assigned;
        std::int64_t monthly;
        std::optional<QDateTime> deadline;
        std::optional<int> monthsToDeadline;
        std::optional<std::int64_t> monthsAtPace;
        std::optional<QDate> projection;
        GoalStatus status;
        std::optional<std::int64_t> needed;
    };
    const QDateTime february = kyiv(2027, 2, 15, 0, 0);
    for (const Case& c : {
             Case{"600.00 left at 200.00 a month", 100000, 40000, 20000, february, 3, 3,
                  QDate(2027, 2, 1), GoalStatus::onTrack, 20000},
             Case{"601.00 left at 200.00 a month", 100100, 40000, 20000, february, 3, 4,
                  QDate(2027, 3, 1), GoalStatus::behind, 20033},
             Case{"at the target, deadline passed", 100000, 100000, 0, kyiv(2026, 1, 1, 0, 0), -10,
                  0, QDate(2026, 11, 1), GoalStatus::reached, 0},
             Case{"past the target", 100000, 120000, 5000, std::nullopt, std::nullopt, 0,
                  QDate(2026, 11, 1), GoalStatus::reached, std::nullopt},
             Case{"no deadline, pace known", 100000, 40000, 20000, std::nullopt, std::nullopt, 3,
                  QDate(2027, 2, 1), GoalStatus::noDeadline, std::nullopt},
             Case{"nothing planned per month", 100000, 40000, 0, february, 3, std::nullopt,
                  std::nullopt, GoalStatus::behind, 20000},
             // 0.50 over four months is 0.125 a month: half a minor unit, rounded up.
             Case{"needed rounds half up", 100050, 100000, 0, kyiv(2027, 3, 10, 0, 0), 4,
                  std::nullopt, std::nullopt, GoalStatus::behind, 13},
             // Local midnight of 1 March is still February in UTC.
             Case{"deadline read in the local zone", 100000, 40000, 20000, kyiv(2027, 3, 1, 0, 0),
                  4, 3, QDate(2027, 2, 1), GoalStatus::onTrack, 15000},
             Case{"deadline passed, still missing", 100000, 40000, 20000, kyiv(2026, 9, 10, 0, 0),
                  -2, 3, QDate(2027, 2, 1), GoalStatus::behind, 60000},
             Case{"a pace beyond the calendar", kMoneyLimitMinor, 0, 1, february, 3,
                  kMoneyLimitMinor, std::nullopt, GoalStatus::behind,
                  Money::dividedRounded(kMoneyLimitMinor, 3)},
         }) {
        const SavingGoalDetail detail = savingGoalDetail(
            index, engine, savingGoal(1, c.target, c.assigned, c.monthly, c.deadline));
        EXPECT_EQ(detail.monthsToDeadline, c.monthsToDeadline) << c.name;
        EXPECT_EQ(detail.monthsAtPace, c.monthsAtPace) << c.name;
        EXPECT_EQ(detail.projection, c.projection) << c.name;
        EXPECT_EQ(goalStatus(detail), c.status) << c.name;
        EXPECT_EQ(neededPerMonth(detail), c.needed ? std::optional(uah(*c.needed)) : std::nullopt)
            << c.name;
        EXPECT_TRUE(detail.envelopes.empty()) << c.name;
    }
}

TEST_F(SavingGoalTest, sharedAccountSplitsIntoEnvelopesAndWhatIsNotAssigned)
{
    struct Case
    {
        const char* name;
        std::int64_t secondAssigned;
        std::int64_t unassigned;
    };
    for (const Case& c : {
             // 1,000.00 held (and 50.00 arriving today) with 300.00 and 500.00 claimed.
             Case{"room left", 50000, 25000},
             Case{"over-assigned", 80000, 0},
         }) {
        LedgerBuilder b;
        const AccountId savings = b.account(QStringLiteral("Savings"), QStringLiteral("UAH"),
                                            100000, AccountKind::savings);
        const AccountId other = b.account(QStringLiteral("Other"), QStringLiteral("UAH"));
        b.income(savings, 5000, kyiv(2026, 11, 15, 23, 30));
        b.income(savings, 7000, kyiv(2026, 11, 16, 0, 0)); // tomorrow
        Goal first = savingGoal(1, 100000, 30000, 0);
        first.accountIDs = {savings};
        first.order = 2;
        Goal elsewhere = savingGoal(2, 100000, 10000, 0);
        elsewhere.accountIDs = {other, savings}; // only a goal's first account holds it
        elsewhere.order = 1;
        Goal second = savingGoal(3, 100000, c.secondAssigned, 0);
        second.accountIDs = {savings};
        second.order = 0; // envelopes follow the goals' order
        b.records().goals = {first, elsewhere, second};
        const LedgerIndex index = b.build(uahRates());

        const SavingGoalDetail detail = savingGoalDetail(index, engineOn(2026, 11, 15), first);
        EXPECT_EQ(detail.savingsAccountID, savings) << c.name;
        ASSERT_EQ(detail.envelopes.size(), 3u) << c.name;
        EXPECT_EQ(detail.envelopes[0],
                  (SavingGoalDetail::Envelope{goalId(3), QStringLiteral("Goal 3"),
                                              uah(c.secondAssigned)}))
            << c.name;
        EXPECT_EQ(detail.envelopes[1].id, goalId(1)) << c.name;
        EXPECT_EQ(detail.envelopes[2],
                  (SavingGoalDetail::Envelope{std::nullopt, QStringLiteral("Not assigned"),
                                              uah(c.unassigned)}))
            << c.name;
    }
}

TEST_F(SavingGoalTest, anAccountWithoutARateLeavesNothingUnassigned)
{
    LedgerBuilder b;
    const AccountId pounds = b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"), 100000);
    Goal goal = savingGoal(1, 100000, 100, 0);
    goal.accountIDs = {pounds};
    b.records().goals = {goal};
    const LedgerIndex index = b.build(uahRates());
    const SavingGoalDetail detail = savingGoalDetail(index, engineOn(2026, 11, 15), goal);
    ASSERT_EQ(detail.envelopes.size(), 2u);
    EXPECT_EQ(detail.envelopes.back().amount, uah(0));
}

} // namespace
