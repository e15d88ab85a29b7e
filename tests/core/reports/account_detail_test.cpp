#include "reports/account_detail.h"

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/account_sections.h"
#include "reports/credit_summary.h"
#include "reports/ledger_index.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class AccountDetailTest : public ReportTest
{
};

TEST_F(AccountDetailTest, sectionsFollowSourceAndKindWithArchivedLast)
{
    LedgerBuilder b;
    const auto mono =
        b.account(QStringLiteral("Mono"), QStringLiteral("UAH"), 100, AccountKind::creditCard);
    b.records().accounts.back().source = AccountSource::monobank;
    b.account(QStringLiteral("Loan"), QStringLiteral("UAH"), -500, AccountKind::loan);
    b.account(QStringLiteral("Old"), QStringLiteral("UAH"), 7, AccountKind::savings, true);
    const auto wallet =
        b.account(QStringLiteral("Wallet"), QStringLiteral("UAH"), 0, AccountKind::cash);
    b.expense(wallet, 300, kyiv(2026, 11, 16, 9)); // tomorrow: not in today's balance
    b.expense(mono, 40, kyiv(2026, 11, 15, 9));
    const LedgerIndex index = b.build(uahRates());
    const PeriodEngine engine = engineOn(2026, 11, 15);

    auto ids = [](const std::vector<AccountSection>& sections) {
        QStringList list;
        for (const AccountSection& section : sections)
            list.append(section.id());
        return list;
    };
    const auto open = accountSections(index, engine.tomorrow(), false);
    EXPECT_EQ(ids(open), (QStringList{QStringLiteral("bank"), QStringLiteral("cash"),
                                      QStringLiteral("credit")}));
    EXPECT_EQ(open[0].rows[0].balance, uah(60));
    EXPECT_EQ(open[1].rows[0].balance, uah(0));
    const auto all = accountSections(index, engine.tomorrow(), true);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_FALSE(all.back().group);
    EXPECT_EQ(all.back().rows[0].account.name, QStringLiteral("Old"));
}

TEST_F(AccountDetailTest, averageDailyBalanceRoundsHalfAwayFromZero)
{
    struct Case
    {
        std::int64_t opening;
        std::int64_t secondDay; // a change on the third day
        std::int64_t average;
    };
    // 10.00, 10.00, 10.02: (3002 + 1) / 3 = 1001; the same below zero.
    // Two thirds of a minor unit round away from zero, one third toward it.
    for (const Case& c : {Case{1000, 2, 1001}, Case{-1000, -2, -1001}, Case{1, -1, 1},
                          Case{-1, 1, -1}, Case{0, 1, 0}, Case{0, -1, 0}}) {
        LedgerBuilder b;
        const auto acc = b.account(QStringLiteral("A"), QStringLiteral("UAH"), c.opening);
        if (c.secondDay > 0)
            b.income(acc, c.secondDay, kyiv(2026, 11, 3));
        else if (c.secondDay < 0)
            b.expense(acc, -c.secondDay, kyiv(2026, 11, 3));
        const AccountDetail detail = accountDetail(b.build(uahRates()), engineOn(2026, 11, 3),
                                                   PeriodSelection(PeriodLength::month), acc);
        ASSERT_EQ(detail.points.size(), 3u);
        EXPECT_EQ(detail.averageDaily, uah(c.average)) << c.opening << ' ' << c.secondDay;
    }
}

TEST_F(AccountDetailTest, pointsLowestAndMovementsOfTheElapsedDays)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("A"), QStringLiteral("UAH"), 10000);
    const auto other = b.account(QStringLiteral("B"), QStringLiteral("UAH"));
    b.expense(acc, 999, kyiv(2026, 10, 31)); // before the window
    b.expense(acc, 2000, kyiv(2026, 11, 2)); // lowest, first reached on 2 November
    b.income(acc, 500, kyiv(2026, 11, 3));
    b.expense(acc, 500, kyiv(2026, 11, 4));              // back to the lowest: not the first
    b.transfer(acc, acc, 1000, kyiv(2026, 11, 5), 1300); // to itself: +300
    b.transfer(other, acc, 700, kyiv(2026, 11, 5));
    b.transfer(acc, other, 0, kyiv(2026, 11, 5)); // moves nothing, counts nowhere
    b.expense(acc, 50, kyiv(2026, 11, 6));        // tomorrow
    const AccountDetail detail = accountDetail(b.build(uahRates()), engineOn(2026, 11, 5),
                                               PeriodSelection(PeriodLength::month), acc);
    EXPECT_EQ(detail.opening, uah(9001));
    EXPECT_EQ(detail.closing, uah(9001 - 2000 + 500 - 500 + 300 + 700));
    ASSERT_EQ(detail.points.size(), 5u);
    ASSERT_TRUE(detail.lowest);
    EXPECT_EQ(detail.lowest->day, kyiv(2026, 11, 2, 0));
    EXPECT_EQ(detail.lowest->balance, uah(7001));
    EXPECT_EQ(detail.moneyIn, uah(1500));
    EXPECT_EQ(detail.inCount, 3);
    EXPECT_EQ(detail.moneyOut, uah(2500));
    EXPECT_EQ(detail.outCount, 2);
    ASSERT_EQ(detail.recent.size(), 5u);
    EXPECT_EQ(detail.recent.front().amount, uah(0));

    const auto change = rangeChange(detail, kyiv(2026, 11, 4, 1), kyiv(2026, 11, 1, 2));
    ASSERT_TRUE(change);
    EXPECT_EQ(change->from.day, kyiv(2026, 11, 1, 0));
    EXPECT_EQ(change->to.day, kyiv(2026, 11, 4, 0));
    EXPECT_FALSE(rangeChange(detail, kyiv(2026, 11, 4, 1), kyiv(2026, 11, 4, 2)));
}

TEST_F(AccountDetailTest, creditSummaryOwedFundsAndAvailable)
{
    struct Case
    {
        std::int64_t balance;
        std::optional<std::int64_t> limit;
        std::int64_t owed;
        std::int64_t ownFunds;
        std::optional<std::int64_t> available;
    };
    const std::int64_t most = std::numeric_limits<std::int64_t>::max();
    for (const Case& c :
         {Case{-30000, 100000, 30000, 0, 70000}, Case{5000, 100000, 0, 5000, 105000},
          Case{-30000, std::nullopt, 30000, 0, std::nullopt},
          Case{-30000, 0, 30000, 0, std::nullopt},
          Case{std::numeric_limits<std::int64_t>::min(), 10, most, 0,
               std::numeric_limits<std::int64_t>::min() + 10}}) {
        Account card;
        card.kind = AccountKind::creditCard;
        card.currency = QStringLiteral("UAH");
        if (c.limit)
            card.creditLimit = uah(*c.limit);
        const CreditSummary summary = creditSummary(card, uah(c.balance), engineOn(2026, 11, 20));
        EXPECT_EQ(summary.owed, uah(c.owed)) << c.balance;
        EXPECT_EQ(summary.ownFunds, uah(c.ownFunds)) << c.balance;
        EXPECT_EQ(summary.available, c.available ? std::optional(uah(*c.available)) : std::nullopt)
            << c.balance;
        EXPECT_FALSE(summary.nextStatement);
    }
}

TEST_F(AccountDetailTest, nextStatementAndPaymentDays)
{
    struct Case
    {
        std::int64_t dayOfMonth;
        QDate today;
        QDate next;
    };
    for (const Case& c : {Case{31, QDate(2026, 11, 20), QDate(2026, 11, 30)},
                          Case{15, QDate(2026, 11, 20), QDate(2026, 12, 15)},
                          Case{20, QDate(2026, 11, 20), QDate(2026, 11, 20)},
                          Case{30, QDate(2027, 2, 10), QDate(2027, 2, 28)},
                          Case{29, QDate(2028, 2, 10), QDate(2028, 2, 29)},
                          Case{31, QDate(2026, 12, 31), QDate(2026, 12, 31)},
                          Case{1, QDate(2026, 12, 2), QDate(2027, 1, 1)},
                          Case{0, QDate(2026, 12, 2), QDate(2027, 1, 1)}})
        EXPECT_EQ(nextDayOfMonth(c.dayOfMonth, c.today), c.next)
            << c.dayOfMonth << ' ' << c.today.toString(Qt::ISODate).toStdString();

    Account card;
    card.currency = QStringLiteral("UAH");
    card.statementDay = 31;
    card.paymentDueDay = 25;
    card.interestRate = *Decimal::parse(u"24.9");
    const CreditSummary summary = creditSummary(card, uah(0), engineOn(2026, 11, 28));
    EXPECT_EQ(summary.nextStatement, QDate(2026, 11, 30));
    EXPECT_EQ(summary.nextPaymentDue, QDate(2026, 12, 25));
    EXPECT_EQ(summary.interestRate, *Decimal::parse(u"24.9"));
}

} // namespace
