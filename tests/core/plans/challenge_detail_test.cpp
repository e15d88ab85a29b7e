#include "plans/challenge_detail.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "core/reports/report_fixture.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

using State = ChallengeDayState;

class ChallengeDetailTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"));
        pounds = b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"));
        out = b.category(QStringLiteral("Out"));
        food = b.category(QStringLiteral("Food"), out);
        cafe = b.category(QStringLiteral("Cafe"), food);
        taxi = b.category(QStringLiteral("Taxi"));
        books = b.category(QStringLiteral("Books"));

        spend(card, 18400, kyiv(2026, 7, 1), food); // the six months before November
        spend(card, 100, kyiv(2026, 11, 5, 9), cafe);
        spend(card, 50, kyiv(2026, 11, 5, 18), food);
        spend(pounds, 700, kyiv(2026, 11, 6), food); // no rate: a slip that costs nothing
        spend(card, 7000, kyiv(2026, 11, 7), out);   // the parent is not watched
        b.income(card, 3000, kyiv(2026, 11, 8)).categoryID = food;
        b.transfer(card, pounds, 3000, kyiv(2026, 11, 9), 60).categoryID = food;
        spend(card, 999, kyiv(2026, 11, 20), food); // planned: ahead, streak intact
        spend(card, 500, kyiv(2026, 11, 15, 8), taxi);
    }

    void spend(const AccountId& account, std::int64_t minor, const QDateTime& date,
               const CategoryId& category)
    {
        b.expense(account, minor, date).categoryID = category;
    }

    static Goal challenge(const CategoryId& category, const QDate& start, const QDate& end)
    {
        Goal goal;
        goal.kind = GoalKind::challenge;
        goal.name = QStringLiteral("Challenge");
        goal.categoryID = category;
        goal.startDate = kyiv(start.year(), start.month(), start.day(), 0, 0);
        goal.endDate = kyiv(end.year(), end.month(), end.day(), 0, 0);
        return goal;
    }

    LedgerBuilder b;
    AccountId card;
    AccountId pounds;
    CategoryId out;
    CategoryId food;
    CategoryId cafe;
    CategoryId taxi;
    CategoryId books;
};

TEST_F(ChallengeDetailTest, daysStreakSpendingAndWhatWasKept)
{
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15);
    struct Case
    {
        const char* name;
        CategoryId category;
        QDate start;
        QDate end;
        int dayCount;
        std::vector<std::pair<int, State>> someDays; // (index, state)
        int ahead;
        size_t slips;
        std::int64_t spent;
        int streak;
        std::int64_t usualMonthly;
        std::int64_t kept;
        int daysToGo;
    };
    const QDate nov1(2026, 11, 1);
    for (const Case& c : {
             // Usual: 184.00 over the 184 days from 1 May; 14 days elapsed → 14.00,
             // less the 11.49 spent.
             Case{"under way",
                  food,
                  nov1,
                  QDate(2026, 11, 30),
                  30,
                  {{3, State::clean},
                   {4, State::slip},
                   {5, State::slip},
                   {6, State::clean},
                   {14, State::clean},
                   {15, State::ahead},
                   {19, State::ahead}},
                  15,
                  4,
                  1149,
                  9,
                  3067,
                  251,
                  15},
             Case{"a slip today",
                  taxi,
                  QDate(2026, 11, 10),
                  QDate(2026, 11, 20),
                  11,
                  {{5, State::slip}, {6, State::ahead}},
                  5,
                  1,
                  500,
                  0,
                  0,
                  0,
                  5},
             Case{"no slip at all",
                  books,
                  QDate(2026, 11, 10),
                  QDate(2026, 11, 30),
                  21,
                  {{5, State::clean}},
                  15,
                  0,
                  0,
                  6,
                  0,
                  0,
                  15},
             Case{"not started",
                  food,
                  QDate(2026, 12, 1),
                  QDate(2026, 12, 10),
                  10,
                  {{0, State::ahead}},
                  10,
                  0,
                  0,
                  0,
                  3258,
                  0,
                  25},
             // 25 October is 25 hours long in Kyiv: still one day. Kept: 184.00 over
             // the 183 days from 1 April, for 30 days.
             Case{"finished",
                  food,
                  QDate(2026, 10, 1),
                  QDate(2026, 10, 31),
                  31,
                  {{24, State::clean}, {30, State::clean}},
                  0,
                  0,
                  0,
                  31,
                  3067,
                  3016,
                  0},
             Case{"a subcategory alone",
                  cafe,
                  nov1,
                  QDate(2026, 11, 30),
                  30,
                  {{4, State::slip}, {5, State::clean}},
                  15,
                  1,
                  100,
                  10,
                  0,
                  0,
                  15},
         }) {
        const ChallengeDetail detail =
            challengeDetail(index, engine, challenge(c.category, c.start, c.end));
        EXPECT_EQ(detail.start, kyiv(c.start.year(), c.start.month(), c.start.day(), 0, 0))
            << c.name;
        EXPECT_EQ(detail.end, kyiv(c.end.year(), c.end.month(), c.end.day(), 0, 0)) << c.name;
        ASSERT_EQ(detail.days.size(), static_cast<size_t>(c.dayCount)) << c.name;
        EXPECT_EQ(detail.days.back().date, detail.end) << c.name;
        for (const auto& [day, state] : c.someDays)
            EXPECT_EQ(detail.days[static_cast<size_t>(day)].state, state) << c.name << " " << day;
        EXPECT_EQ(
            std::count_if(detail.days.begin(), detail.days.end(),
                          [](const ChallengeDetail::Day& d) { return d.state == State::ahead; }),
            c.ahead)
            << c.name;
        EXPECT_EQ(detail.slips.size(), c.slips) << c.name;
        EXPECT_EQ(detail.spent, uah(c.spent)) << c.name;
        EXPECT_EQ(detail.currentStreak, c.streak) << c.name;
        EXPECT_EQ(detail.usualMonthly, uah(c.usualMonthly)) << c.name;
        EXPECT_EQ(detail.kept, uah(c.kept)) << c.name;
        EXPECT_EQ(detail.daysToGo, c.daysToGo) << c.name;
        for (size_t i = 1; i < detail.slips.size(); ++i)
            EXPECT_LE(detail.slips[i].date, detail.slips[i - 1].date) << c.name;
    }
}

} // namespace
