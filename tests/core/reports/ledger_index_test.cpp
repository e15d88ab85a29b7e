#include "reports/ledger_index.h"

#include <algorithm>
#include <limits>

#include <gtest/gtest.h>

#include "support/ledger_builder.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

FXRates uah()
{
    return FXRates::empty(QStringLiteral("UAH"));
}

// The end of a day is the start of the next one.
QDateTime endOf(int y, int m, int d)
{
    return utc(y, m, d, 0).addDays(1);
}

TEST(BalanceTimeline, openingPlusEffectsStrictlyBefore)
{
    LedgerBuilder b;
    const auto card = b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 10000);
    b.expense(card, 2000, utc(2026, 3, 1));
    b.income(card, 500, utc(2026, 3, 2));
    const LedgerIndex index = b.build(uah());
    struct Case
    {
        QDateTime before;
        std::int64_t balance;
    };
    for (const Case& c : {Case{utc(2026, 3, 1), 10000}, Case{utc(2026, 3, 1).addMSecs(1), 8000},
                          Case{endOf(2026, 3, 2), 8500}, Case{utc(2030, 1, 1), 8500}})
        EXPECT_EQ(index.balance(card, c.before).minor, c.balance)
            << c.before.toString(Qt::ISODateWithMs).toStdString();
    EXPECT_EQ(index.currentBalance(card), (Money{8500, QStringLiteral("UAH")}));
}

TEST(BalanceTimeline, firstChangePinsTheOpeningAndLaterOnesAdjust)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("Bank"), QStringLiteral("UAH"), 10000);
    b.expense(acc, 2000, utc(2026, 5, 9)); // D−1
    b.checkpoint(acc, 50000, endOf(2026, 5, 10));
    b.expense(acc, 3000, utc(2026, 5, 11)); // D+1
    b.checkpoint(acc, 45000, endOf(2026, 5, 12));
    const LedgerIndex index = b.build(uah());

    const BalanceTimeline* line = index.timeline(acc);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->opening, 52000);
    EXPECT_EQ(index.balance(acc, endOf(2026, 5, 10)).minor, 50000);
    EXPECT_EQ(index.balance(acc, endOf(2026, 5, 11)).minor, 47000);
    EXPECT_EQ(index.balance(acc, endOf(2026, 5, 12)).minor, 45000);
    EXPECT_EQ(index.currentBalance(acc).minor, 45000);

    const auto changes = index.balanceChanges(acc);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].moved.minor, 42000);
    EXPECT_EQ(changes[1].moved.minor, -2000);
    EXPECT_EQ(line->isEntry, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(line->dates[2], endOf(2026, 5, 12).toMSecsSinceEpoch() - 1);
}

TEST(BalanceTimeline, transactionAtTheChangeInstantCountsAfterIt)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("Bank"), QStringLiteral("UAH"));
    b.checkpoint(acc, 1000, utc(2026, 1, 1));
    b.checkpoint(acc, 5000, utc(2026, 2, 1, 0));
    b.expense(acc, 100, utc(2026, 2, 1, 0));             // exactly at the change
    b.expense(acc, 10, utc(2026, 2, 1, 0).addMSecs(-2)); // a moment before
    const LedgerIndex index = b.build(uah());
    EXPECT_EQ(index.balance(acc, utc(2026, 2, 1, 0)).minor, 5000);
    EXPECT_EQ(index.currentBalance(acc).minor, 4900);
    EXPECT_EQ(index.balanceChanges(acc)[1].moved.minor, 4010);
}

TEST(BalanceTimeline, twoChangesAtOneInstantApplyInOrder)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("Bank"), QStringLiteral("UAH"));
    b.checkpoint(acc, 100, utc(2026, 1, 1));
    b.checkpoint(acc, 300, utc(2026, 1, 5));
    b.checkpoint(acc, 250, utc(2026, 1, 5));
    const LedgerIndex index = b.build(uah());
    const auto changes = index.balanceChanges(acc);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[1].moved.minor, 200);
    EXPECT_EQ(changes[2].moved.minor, -50);
    EXPECT_EQ(index.currentBalance(acc).minor, 250);
}

TEST(BalanceTimeline, transfersMoveEachSideByItsOwnAmount)
{
    LedgerBuilder b;
    const auto usd = b.account(QStringLiteral("USD"), QStringLiteral("USD"));
    const auto eur = b.account(QStringLiteral("EUR"), QStringLiteral("EUR"));
    const auto eur2 = b.account(QStringLiteral("EUR 2"), QStringLiteral("EUR"));
    b.transfer(usd, eur, 10000, utc(2026, 1, 1), 9200);
    b.transfer(usd, eur2, 10000, utc(2026, 1, 2));
    b.transfer(eur, eur, 1000, utc(2026, 1, 3), 1200); // to itself: moves by the difference
    const LedgerIndex index = b.build(uah());
    EXPECT_EQ(index.currentBalance(usd).minor, -20000);
    EXPECT_EQ(index.currentBalance(eur).minor, 9400);
    EXPECT_EQ(index.currentBalance(eur2).minor, 10000);
    EXPECT_EQ(index.timeline(eur)->dates.size(), 2u); // the self-transfer is one point
}

TEST(BalanceTimeline, sumsSaturateInsteadOfOverflowing)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("Big"), QStringLiteral("UAH"), kMoneyLimitMinor);
    for (int i = 0; i < 12000; ++i)
        b.income(acc, kMoneyLimitMinor, utc(2026, 1, 1).addSecs(i));
    b.expense(acc, 1, utc(2026, 2, 1));
    const LedgerIndex index = b.build(uah());
    EXPECT_EQ(index.timeline(acc)->sums[11999], kMax);
    EXPECT_EQ(index.timeline(acc)->sums.back(), kMax - 1);
    EXPECT_EQ(index.currentBalance(acc).minor, kMax); // the opening on top saturates again
    EXPECT_EQ(index.balance(acc, utc(2026, 1, 31)).minor, kMax);
}

TEST(LedgerIndex, sortsStablyAndOrdersAccountsByGroupOrderName)
{
    LedgerBuilder b;
    b.account(QStringLiteral("Zeta cash"), QStringLiteral("UAH"), 0, AccountKind::cash);
    b.account(QStringLiteral("Beta bank"), QStringLiteral("UAH"), 0, AccountKind::checking);
    b.account(QStringLiteral("Alpha bank"), QStringLiteral("UAH"), 0, AccountKind::checking);
    b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 0, AccountKind::creditCard);
    b.records().accounts[3].source = AccountSource::monobank; // a bank card lists under bank
    b.records().accounts[3].order = 5;
    const auto first = b.expense(accountId(1), 1, utc(2026, 1, 1)).id;
    const auto second = b.expense(accountId(1), 2, utc(2026, 1, 1)).id;
    b.expense(accountId(1), 3, utc(2025, 1, 1));
    const LedgerIndex index = b.build(uah());
    QStringList names;
    for (const auto& a : index.accounts())
        names << a.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Alpha bank"), QStringLiteral("Beta bank"),
                                  QStringLiteral("Card"), QStringLiteral("Zeta cash")}));
    ASSERT_EQ(index.entries().size(), 3u);
    EXPECT_EQ(index.entries()[1].id, first);
    EXPECT_EQ(index.entries()[2].id, second);
}

TEST(LedgerIndex, entriesHandedOverOutOfOrderAreSortedStablyWithTheirTimelines)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("Card"), QStringLiteral("UAH"), 10000);
    const auto late = b.expense(acc, 100, utc(2026, 3, 1)).id;
    const auto tieFirst = b.expense(acc, 200, utc(2026, 2, 1)).id;
    const auto early = b.income(acc, 5000, utc(2026, 1, 1)).id;
    const auto tieSecond = b.expense(acc, 300, utc(2026, 2, 1)).id;
    const LedgerIndex index = b.build(uah());
    std::vector<EntryId> order;
    for (const Entry& e : index.entries())
        order.push_back(e.id);
    EXPECT_EQ(order, (std::vector<EntryId>{early, tieFirst, tieSecond, late}));
    EXPECT_TRUE(std::is_sorted(index.entryDates().begin(), index.entryDates().end()));
    EXPECT_EQ(index.entryDates().front(), utc(2026, 1, 1).toMSecsSinceEpoch());
    EXPECT_EQ(index.balance(acc, utc(2026, 1, 2)).minor, 15000);
    EXPECT_EQ(index.balance(acc, utc(2026, 2, 2)).minor, 14500);
    EXPECT_EQ(index.currentBalance(acc).minor, 14400);
}

TEST(LedgerIndex, ancestorChainsAreBounded)
{
    LedgerBuilder b;
    std::optional<CategoryId> parent;
    for (int level = 0; level < 9; ++level)
        parent = b.category(QStringLiteral("L%1").arg(level), parent);
    const auto orphan = b.category(QStringLiteral("Orphan"), categoryId(999));
    const auto self = b.category(QStringLiteral("Self"));
    b.records().categories.back().parentID = self;
    const auto a = b.category(QStringLiteral("A"));
    const auto c = b.category(QStringLiteral("C"), a);
    for (auto& category : b.records().categories)
        if (category.id == a)
            category.parentID = c; // A ↔ C cycle
    const LedgerIndex index = b.build(uah());
    EXPECT_EQ(index.ancestors(*parent).size(), 8u);
    EXPECT_EQ(index.ancestors(orphan), std::vector<CategoryId>{orphan});
    EXPECT_EQ(index.ancestors(self), std::vector<CategoryId>{self});
    EXPECT_EQ(index.ancestors(c), (std::vector<CategoryId>{c, a}));
    EXPECT_TRUE(index.isWithin(*parent, categoryId(2)));
    EXPECT_FALSE(index.isWithin(*parent, categoryId(1))); // the ninth level is cut off
    EXPECT_FALSE(index.isWithin(categoryId(1), *parent));
    EXPECT_EQ(index.children(std::nullopt).front(), categoryId(1));
}

TEST(LedgerIndex, stageAndAccountsWithoutRate)
{
    {
        LedgerBuilder b;
        EXPECT_EQ(b.build(uah()).stage(), LedgerStage::noAccounts);
        b.account(QStringLiteral("Old"), QStringLiteral("GBP"), 0, AccountKind::cash, true);
        EXPECT_EQ(b.build(uah()).stage(), LedgerStage::noAccounts);
        b.account(QStringLiteral("Open"), QStringLiteral("UAH"));
        EXPECT_EQ(b.build(uah()).stage(), LedgerStage::noTransactions);
        b.expense(accountId(2), 1, utc(2026, 1, 1));
        EXPECT_EQ(b.build(uah()).stage(), LedgerStage::active);
    }
    LedgerBuilder b;
    b.account(QStringLiteral("Base"), QStringLiteral("UAH"));
    b.account(QStringLiteral("Pounds"), QStringLiteral("GBP"));
    b.account(QStringLiteral("Pounds 2"), QStringLiteral("GBP"));
    b.account(QStringLiteral("Archived"), QStringLiteral("CHF"), 0, AccountKind::cash, true);
    b.account(QStringLiteral("Dollars"), QStringLiteral("USD"));
    FXRates rates = uah();
    rates.perUnit[QStringLiteral("USD")] = Decimal(41);
    const LedgerIndex index = b.build(rates);
    ASSERT_EQ(index.accountsWithoutRate().size(), 2u);
    EXPECT_EQ(index.currenciesWithoutRate(), std::vector<CurrencyCode>{QStringLiteral("GBP")});
}

TEST(LedgerIndex, entriesOfAnIntervalAreHalfOpen)
{
    LedgerBuilder b;
    const auto acc = b.account(QStringLiteral("A"), QStringLiteral("UAH"));
    for (int day = 1; day <= 5; ++day)
        b.expense(acc, day, utc(2026, 1, day, 0));
    const LedgerIndex index = b.build(uah());
    EXPECT_EQ(index.entries(DateInterval{utc(2026, 1, 2, 0), utc(2026, 1, 4, 0)}).size(), 2u);
    EXPECT_TRUE(index.entries(DateInterval{utc(2026, 1, 4, 0), utc(2026, 1, 4, 0)}).empty());
    EXPECT_EQ(index.entries(DateInterval{utc(2020, 1, 1), utc(2030, 1, 1)}).size(), 5u);
    EXPECT_EQ(index.balance(accountId(42), utc(2026, 1, 1)).minor, 0);
}

} // namespace
