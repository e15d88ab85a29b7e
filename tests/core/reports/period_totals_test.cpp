#include "reports/period_totals.h"

#include <limits>

#include <gtest/gtest.h>

#include "money/currency.h"
#include "support/ledger_builder.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class PeriodTotalsTest : public ::testing::Test
{
protected:
    void SetUp() override { Currency::setMain(QStringLiteral("UAH")); }
    void TearDown() override { Currency::setMain(QStringLiteral("USD")); }

    FXRates rates()
    {
        FXRates r = FXRates::empty(QStringLiteral("UAH"));
        r.perUnit[QStringLiteral("USD")] = *Decimal::parse(u"41.5");
        return r;
    }
    DateInterval january() { return DateInterval{utc(2026, 1, 1, 0), utc(2026, 2, 1, 0)}; }
};

TEST_F(PeriodTotalsTest, sumsByKindAndCountsWhatHadNoRate)
{
    LedgerBuilder b;
    const auto uah = b.account(QStringLiteral("UAH"), QStringLiteral("UAH"));
    const auto usd =
        b.account(QStringLiteral("USD"), QStringLiteral("USD"), 0, AccountKind::cash, true);
    const auto gbp = b.account(QStringLiteral("GBP"), QStringLiteral("GBP"));
    b.expense(uah, 10000, utc(2026, 1, 3));
    b.expense(usd, 1000, utc(2026, 1, 4)); // archived accounts count too
    b.expense(gbp, 999, utc(2026, 1, 5));
    b.income(uah, 50000, utc(2026, 1, 6));
    b.transfer(usd, uah, 200, utc(2026, 1, 7), 8300);
    b.expense(uah, 1, utc(2026, 2, 1, 0)); // outside: the interval is half-open
    const PeriodTotals t = totals(b.build(rates()), january());
    EXPECT_EQ(t.spent, (Money{10000 + 41500, QStringLiteral("UAH")}));
    EXPECT_EQ(t.received.minor, 50000);
    EXPECT_EQ(t.moved.minor, 8300); // the source amount, converted
    EXPECT_EQ(t.expenseCount, 3);
    EXPECT_EQ(t.expensesWithoutRate, 1);
    EXPECT_EQ(t.withoutRate(), 1);
    EXPECT_EQ(t.transferCount, 1);
}

TEST_F(PeriodTotalsTest, emptyIntervalIsTheZeroValue)
{
    LedgerBuilder b;
    b.expense(b.account(QStringLiteral("A"), QStringLiteral("UAH")), 5, utc(2025, 6, 1));
    EXPECT_EQ(totals(b.build(rates()), january()), PeriodTotals::zero(QStringLiteral("UAH")));
}

TEST_F(PeriodTotalsTest, categoryTotalsRollUpTheTree)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("A"), QStringLiteral("UAH"));
    const auto food = b.category(QStringLiteral("Food"));
    const auto out = b.category(QStringLiteral("Eating out"), food);
    const auto lunch = b.category(QStringLiteral("Lunch"), out);
    b.expense(acc, 300, utc(2026, 1, 2)).categoryID = lunch;
    b.expense(acc, 700, utc(2026, 1, 3)).categoryID = out;
    b.expense(acc, 50, utc(2026, 1, 3)).categoryID = categoryId(77); // unknown: nowhere
    b.expense(acc, 20, utc(2026, 1, 3));                             // uncategorized
    b.income(acc, 999, utc(2026, 1, 4)).categoryID = food;           // other kind
    const auto map = categoryTotals(b.build(rates()), january(), EntryKind::expense);
    ASSERT_EQ(map.size(), 3u);
    EXPECT_EQ(map.at(lunch), (CategoryTotal{Money{300, QStringLiteral("UAH")}, 1}));
    EXPECT_EQ(map.at(out), (CategoryTotal{Money{1000, QStringLiteral("UAH")}, 2}));
    EXPECT_EQ(map.at(food), (CategoryTotal{Money{1000, QStringLiteral("UAH")}, 2}));
}

TEST_F(PeriodTotalsTest, categoryTotalsSaturateInDateOrderLikeEachLevelAddingItsTransactions)
{
    // The parent saturates at the second transaction; the third then takes
    // it down from the bound, so its total is not the sum of its children's.
    constexpr std::int64_t kBig = 5'000'000'000'000'000'000;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("A"), QStringLiteral("UAH"));
    const auto parent = b.category(QStringLiteral("Parent"));
    const auto left = b.category(QStringLiteral("Left"), parent);
    const auto right = b.category(QStringLiteral("Right"), parent);
    b.expense(acc, kBig, utc(2026, 1, 2)).categoryID = left;
    b.expense(acc, kBig, utc(2026, 1, 3)).categoryID = right;
    b.expense(acc, -kBig, utc(2026, 1, 4)).categoryID = left;
    const auto map = categoryTotals(b.build(rates()), january(), EntryKind::expense);
    EXPECT_EQ(map.at(left), (CategoryTotal{Money{0, QStringLiteral("UAH")}, 2}));
    EXPECT_EQ(map.at(right), (CategoryTotal{Money{kBig, QStringLiteral("UAH")}, 1}));
    EXPECT_EQ(map.at(parent), (CategoryTotal{Money{kMax - kBig, QStringLiteral("UAH")}, 3}));
}

TEST_F(PeriodTotalsTest, foreignAmountsConvertPerTransactionHalfToEven)
{
    // Each 0.05 USD is 2.075 UAH: 207.5 kopiyky, a tie, to 208; the sum of
    // the converted amounts, not the converted sum (0.15 × 41.5 = 622.5 → 622).
    LedgerBuilder b;
    const auto usd = b.account(QStringLiteral("Dollars"), QStringLiteral("USD"));
    const auto food = b.category(QStringLiteral("Food"));
    for (int day = 2; day <= 4; ++day)
        b.expense(usd, 5, utc(2026, 1, day)).categoryID = food;
    const LedgerIndex index = b.build(rates());
    EXPECT_EQ(totals(index, january()).spent, (Money{624, QStringLiteral("UAH")}));
    EXPECT_EQ(categoryTotals(index, january(), EntryKind::expense).at(food).amount,
              (Money{624, QStringLiteral("UAH")}));
}

TEST_F(PeriodTotalsTest, netWorthLeavesOutArchivedAndCountsDebts)
{
    LedgerBuilder b;
    b.account(QStringLiteral("Bank"), QStringLiteral("UAH"), 200000);
    b.account(QStringLiteral("Old"), QStringLiteral("UAH"), 100000, AccountKind::cash, true);
    const auto card =
        b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 0, AccountKind::creditCard);
    b.account(QStringLiteral("Dollars"), QStringLiteral("USD"), 1000);
    b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"), 1000); // no rate: adds nothing
    b.expense(card, 50000, utc(2026, 1, 10));
    const LedgerIndex index = b.build(rates());
    EXPECT_EQ(netWorth(index, utc(2026, 1, 10)), (Money{200000 + 41500, QStringLiteral("UAH")}));
    EXPECT_EQ(netWorth(index, utc(2026, 1, 11)).minor, 200000 + 41500 - 50000);
    EXPECT_EQ(index.accountsWithoutRate().size(), 1u);
}

} // namespace
