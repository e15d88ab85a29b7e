#include <QStringList>

#include <gtest/gtest.h>

#include "model/account_group.h"
#include "model/account_kind.h"
#include "model/account_source.h"
#include "model/balance_mode.h"
#include "model/category_kind.h"
#include "model/entry_kind.h"
#include "model/goal_kind.h"

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

// Every case's raw value parses back to the case, and raw values are unique.
template <class Enum, size_t N, class Parse>
void expectRawRoundTrip(const std::array<Enum, N>& all, Parse parse)
{
    QStringList seen;
    for (const Enum value : all) {
        const QString raw = rawValue(value);
        EXPECT_FALSE(seen.contains(raw)) << raw.toStdString();
        seen.append(raw);
        ASSERT_TRUE(parse(raw).has_value()) << raw.toStdString();
        EXPECT_EQ(*parse(raw), value) << raw.toStdString();
    }
}

TEST(Enumerations, rawValuesRoundTripInTableOrder)
{
    expectRawRoundTrip(kAllEntryKinds, entryKindFromRaw);
    expectRawRoundTrip(kAllCategoryKinds, categoryKindFromRaw);
    expectRawRoundTrip(kAllAccountGroups, accountGroupFromRaw);
    expectRawRoundTrip(kAllAccountKinds, accountKindFromRaw);
    expectRawRoundTrip(kAllAccountSources, accountSourceFromRaw);
    expectRawRoundTrip(kAllGoalKinds, goalKindFromRaw);
    expectRawRoundTrip(kAllBalanceModes, balanceModeFromRaw);

    QStringList entryRaws;
    for (const EntryKind kind : kAllEntryKinds)
        entryRaws.append(rawValue(kind));
    EXPECT_EQ(entryRaws, (QStringList{q("expense"), q("income"), q("transfer")}));
    QStringList groupRaws;
    for (const AccountGroup group : kAllAccountGroups)
        groupRaws.append(rawValue(group));
    EXPECT_EQ(groupRaws,
              (QStringList{q("bank"), q("cash"), q("savings"), q("credit"), q("investments")}));
}

TEST(Enumerations, parsingIsExactAndFailsOnUnknownText)
{
    for (const char* text : {"", "Expense", "expense ", "refund", "bankLinked"}) {
        EXPECT_FALSE(entryKindFromRaw(q(text))) << text;
        EXPECT_FALSE(categoryKindFromRaw(q(text))) << text;
        EXPECT_FALSE(accountGroupFromRaw(q(text))) << text;
        EXPECT_FALSE(accountKindFromRaw(q(text))) << text;
    }
    EXPECT_FALSE(accountSourceFromRaw(q("Monobank")));
    EXPECT_FALSE(goalKindFromRaw(q("savings")));
    EXPECT_FALSE(balanceModeFromRaw(q("reachby")));
}

struct StoredCase
{
    const char* raw;
    int expected;
};

TEST(Enumerations, storedReadsRepairToFixedDefaults)
{
    for (const auto& c :
         {StoredCase{"income", 1}, StoredCase{"transfer", 2}, StoredCase{"expense", 0},
          StoredCase{"refund", 0}, StoredCase{"", 0}, StoredCase{"Income", 0}}) {
        EXPECT_EQ(static_cast<int>(entryKindFromStored(q(c.raw))), c.expected) << c.raw;
        EXPECT_EQ(static_cast<int>(categoryKindFromStored(q(c.raw))), c.expected) << c.raw;
        const QByteArray bytes(c.raw);
        EXPECT_EQ(static_cast<int>(entryKindFromStoredUtf8(bytes.constData(), bytes.size())),
                  c.expected)
            << c.raw;
    }
    EXPECT_EQ(entryKindFromStoredUtf8(nullptr, 0), EntryKind::expense);
    EXPECT_EQ(entryKindFromStoredUtf8("incomes", 6), EntryKind::income);

    EXPECT_EQ(accountSourceFromStored(q("monobank")), AccountSource::monobank);
    EXPECT_EQ(accountSourceFromStored(q("bank")), AccountSource::manual);
    EXPECT_EQ(goalKindFromStored(q("balance")), GoalKind::balance);
    EXPECT_EQ(goalKindFromStored(q("challenge")), GoalKind::challenge);
    EXPECT_EQ(goalKindFromStored(q("goal")), GoalKind::saving);
    EXPECT_EQ(balanceModeFromStored(q("reachBy")), BalanceMode::reachBy);
    EXPECT_EQ(balanceModeFromStored(q("")), BalanceMode::stayAbove);

    EXPECT_EQ(accountGroupFromStored(q("credit")), AccountGroup::credit);
    EXPECT_EQ(accountGroupFromStored(q("bankLinked")), AccountGroup::bank);
    EXPECT_EQ(accountGroupFromStored(q("xyz")), AccountGroup::cash);
    EXPECT_EQ(accountGroupFromStored(q("")), AccountGroup::cash);
}

struct KindCase
{
    const char* kindRaw;
    const char* groupRaw;
    const char* name;
    AccountKind expected;
};

class AccountKindInference : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(AccountKindInference, followsKindThenGroupThenName)
{
    const KindCase& c = GetParam();
    EXPECT_EQ(accountKindFromStored(q(c.kindRaw), q(c.groupRaw), q(c.name)), c.expected)
        << c.kindRaw << " / " << c.groupRaw << " / " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountKindInference,
    ::testing::Values(KindCase{"loan", "cash", "My Savings Jar", AccountKind::loan},
                      KindCase{"", "cash", "My Savings Jar", AccountKind::savings},
                      KindCase{"", "cash", "Wallet", AccountKind::cash},
                      KindCase{"", "cash", "Card", AccountKind::checking},
                      KindCase{"", "cash", "PETTY CASH", AccountKind::cash},
                      KindCase{"", "cash", "Cash savings", AccountKind::savings},
                      KindCase{"", "xyz", "wallet", AccountKind::cash},
                      KindCase{"", "savings", "Wallet", AccountKind::savings},
                      KindCase{"", "credit", "Wallet", AccountKind::creditCard},
                      KindCase{"", "investments", "Wallet", AccountKind::investment},
                      KindCase{"", "bank", "Wallet", AccountKind::checking},
                      KindCase{"", "bankLinked", "Savings", AccountKind::checking},
                      KindCase{"refund", "cash", "Savings", AccountKind::savings},
                      KindCase{"other", "bank", "", AccountKind::other}));

TEST(AccountKind, factsFollowTheTable)
{
    struct Facts
    {
        AccountKind kind;
        const char* title;
        const char* description;
        const char* symbol;
        AccountGroup group;
        bool isCredit;
    };
    const Facts table[] = {
        {AccountKind::cash, "Cash", "Wallet, cash on hand", "banknote.fill", AccountGroup::cash,
         false},
        {AccountKind::checking, "Bank Account", "Debit card, current account", "creditcard.fill",
         AccountGroup::bank, false},
        {AccountKind::savings, "Savings", "Deposit, savings account", "building.columns.fill",
         AccountGroup::savings, false},
        {AccountKind::creditCard, "Credit Card", "Limit, statement, due date", "creditcard.and.123",
         AccountGroup::credit, true},
        {AccountKind::investment, "Investment", "Brokerage, crypto, funds",
         "chart.line.uptrend.xyaxis", AccountGroup::investments, false},
        {AccountKind::loan, "Loan", "Mortgage, car loan, money owed", "house.fill",
         AccountGroup::credit, true},
        {AccountKind::other, "Other", "Anything else", "wallet.bifold.fill", AccountGroup::cash,
         false},
    };
    ASSERT_EQ(std::size(table), kAllAccountKinds.size());
    for (size_t i = 0; i < std::size(table); ++i) {
        const Facts& f = table[i];
        EXPECT_EQ(kAllAccountKinds[i], f.kind);
        EXPECT_EQ(title(f.kind), q(f.title));
        EXPECT_EQ(description(f.kind), q(f.description));
        EXPECT_EQ(symbol(f.kind), q(f.symbol));
        EXPECT_EQ(group(f.kind), f.group);
        EXPECT_EQ(isCredit(f.kind), f.isCredit);
    }
}

TEST(Enumerations, titlesAreTheEnglishKeys)
{
    EXPECT_EQ(title(EntryKind::expense), q("Expense"));
    EXPECT_EQ(title(EntryKind::income), q("Income"));
    EXPECT_EQ(title(EntryKind::transfer), q("Transfer"));
    EXPECT_EQ(title(CategoryKind::transfer), q("Transfer"));
    EXPECT_EQ(title(AccountGroup::investments), q("Investments"));
    EXPECT_EQ(title(AccountGroup::bank), q("Bank"));
}

TEST(CategoryKind, correspondsToEntryKindCaseForCase)
{
    for (size_t i = 0; i < kAllEntryKinds.size(); ++i) {
        EXPECT_EQ(toCategoryKind(kAllEntryKinds[i]), kAllCategoryKinds[i]);
        EXPECT_EQ(toEntryKind(kAllCategoryKinds[i]), kAllEntryKinds[i]);
        EXPECT_EQ(rawValue(kAllEntryKinds[i]), rawValue(kAllCategoryKinds[i]));
    }
}

} // namespace
