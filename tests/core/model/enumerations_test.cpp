#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include "model/account_group.h"
#include "model/account_kind.h"
#include "model/account_source.h"
#include "model/balance_mode.h"
#include "model/category_icon.h"
#include "model/category_kind.h"
#include "model/entry_kind.h"
#include "model/goal_kind.h"

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(EnumTable, parsingIsExact)
{
    EXPECT_EQ(enumFromRaw<AccountKind>(u"creditCard"), AccountKind::creditCard);
    for (const char* text : {"", "creditcard", "CreditCard", "creditCard ", "credit"})
        EXPECT_FALSE(enumFromRaw<AccountKind>(q(text))) << text;
    EXPECT_EQ(enumFromRaw<CategoryIcon::Kind>(u"emoji"), CategoryIcon::Kind::emoji);
    EXPECT_EQ(allCases<AccountGroup>().back(), AccountGroup::investments);
}

// Stored text outside the raw values is repaired to one fixed case per
// enumeration, as every reader of the store sees it.
struct StoredCase
{
    const char* raw;
    EntryKind entryKind;
    GoalKind goalKind;
    BalanceMode balanceMode;
    AccountSource source;
    AccountGroup group;
};

TEST(Enumerations, storedReadsRepairToFixedDefaults)
{
    const StoredCase cases[] = {
        {"income", EntryKind::income, GoalKind::saving, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::cash},
        {"transfer", EntryKind::transfer, GoalKind::saving, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::cash},
        {"balance", EntryKind::expense, GoalKind::balance, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::cash},
        {"challenge", EntryKind::expense, GoalKind::challenge, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::cash},
        {"reachBy", EntryKind::expense, GoalKind::saving, BalanceMode::reachBy,
         AccountSource::manual, AccountGroup::cash},
        {"monobank", EntryKind::expense, GoalKind::saving, BalanceMode::stayAbove,
         AccountSource::monobank, AccountGroup::cash},
        {"credit", EntryKind::expense, GoalKind::saving, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::credit},
        {"bankLinked", EntryKind::expense, GoalKind::saving, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::bank},
        {"Income", EntryKind::expense, GoalKind::saving, BalanceMode::stayAbove,
         AccountSource::manual, AccountGroup::cash},
        {"", EntryKind::expense, GoalKind::saving, BalanceMode::stayAbove, AccountSource::manual,
         AccountGroup::cash},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(entryKindFromStored(q(c.raw)), c.entryKind);
        EXPECT_EQ(categoryKindFromStored(q(c.raw)), toCategoryKind(c.entryKind));
        const QByteArray bytes(c.raw);
        EXPECT_EQ(entryKindFromStoredUtf8(bytes.constData(), bytes.size()), c.entryKind);
        EXPECT_EQ(goalKindFromStored(q(c.raw)), c.goalKind);
        EXPECT_EQ(balanceModeFromStored(q(c.raw)), c.balanceMode);
        EXPECT_EQ(accountSourceFromStored(q(c.raw)), c.source);
        EXPECT_EQ(accountGroupFromStored(q(c.raw)), c.group);
    }
    EXPECT_EQ(entryKindFromStoredUtf8(nullptr, 0), EntryKind::expense);
    EXPECT_EQ(entryKindFromStoredUtf8("incomes", 6), EntryKind::income);
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

} // namespace
