#include "shell/transaction_row_model.h"

#include <gtest/gtest.h>

#include "display/money_display.h"
#include "reports/ledger_index.h"
#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

class RowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LedgerRecords records;
        card = account(records, "Card", "UAH");
        wise = account(records, "Wise", "USD");
        food = category(records, "Food", std::nullopt);
        groceries = category(records, "Groceries", food);
        m_records = records;
    }

    AccountId account(LedgerRecords& records, const char* name, const char* currency)
    {
        Account a;
        a.id = AccountId::random();
        a.name = q(name);
        a.currency = q(currency);
        a.openingBalance = Money{100000, q(currency)};
        records.accounts.push_back(a);
        return a.id;
    }

    CategoryId category(LedgerRecords& records, const char* name, std::optional<CategoryId> parent)
    {
        CategoryItem c;
        c.id = CategoryId::random();
        c.name = q(name);
        c.parentID = parent;
        records.categories.push_back(c);
        return c.id;
    }

    Entry entry(EntryKind kind, std::int64_t minor, const char* payee = "")
    {
        Entry e;
        e.id = EntryId::random();
        e.kind = kind;
        e.amount = Money{minor, q("UAH")};
        e.accountID = card;
        e.payee = q(payee);
        e.date = kyiv(2026, 3, 14, 9, 5);
        return e;
    }

    TransactionRowModel row(const Entry& e, TransactionRowModel::Options options = {})
    {
        LedgerRecords records = m_records;
        records.entries.push_back(e);
        const LedgerIndex index = LedgerIndex::build(records, FXRates::empty(q("UAH")));
        options.zone = kyivZone();
        options.locale = QLocale(q("en_GB"));
        return TransactionRowModel::make(e, index, display, options);
    }

    LedgerRecords m_records;
    AccountId card, wise;
    CategoryId food, groceries;
    MoneyDisplay display{QLocale(q("en_US"))};
};

TEST_F(RowTest, titlesFallBackFromPayeeToCategoryToTheListsWords)
{
    Entry withPayee = entry(EntryKind::expense, 1250, "Silpo");
    withPayee.categoryID = groceries;
    const auto shop = row(withPayee);
    EXPECT_EQ(shop.title, q("Silpo"));
    EXPECT_EQ(shop.detail, q("Food · Groceries"));
    EXPECT_EQ(shop.icon, TransactionRowModel::Icon(groceries));
    EXPECT_EQ(shop.amount, QString::fromUtf16(u"−₴12.50"));

    Entry bare = entry(EntryKind::income, 500);
    const auto income = row(bare);
    EXPECT_EQ(income.title, q("Uncategorized"));
    EXPECT_FALSE(income.detail);
    EXPECT_EQ(income.icon, TransactionRowModel::Icon(TransactionRowModel::UncategorizedIcon{}));
    EXPECT_EQ(income.amount, QString::fromUtf16(u"+₴5.00"));
}

TEST_F(RowTest, aTransferNamesBothAccountsAndWhatArrived)
{
    Entry transfer = entry(EntryKind::transfer, 10000);
    transfer.toAccountID = wise;
    transfer.toAmount = Money{250, q("USD")};
    display.setHideBalances(true);
    const auto moved = row(transfer, {true, {}, {}, card});
    EXPECT_EQ(moved.title, q("Transfer"));
    EXPECT_EQ(moved.account, q("Card → Wise"));
    EXPECT_EQ(moved.amount, q("₴100.00 → $2.50")) << "amounts stay readable";
    EXPECT_EQ(moved.balance, QString::fromUtf16(u"₴\u00A0•••")) << "the balance is masked";
    EXPECT_EQ(moved.time, q("09:05"));
    EXPECT_TRUE(moved.timeColumn);
}

TEST_F(RowTest, aParentCategoryOfItsOwnSaysItHasNoSubcategory)
{
    Entry own = entry(EntryKind::expense, 100);
    own.categoryID = food;
    EXPECT_EQ(row(own).title, q("Food · no subcategory"));
    own.payee = q("Market");
    EXPECT_EQ(row(own).detail, q("Food · no subcategory"));
    Entry leaf = entry(EntryKind::expense, 100);
    leaf.categoryID = groceries;
    EXPECT_EQ(row(leaf).title, q("Groceries"));
}

TEST_F(RowTest, theDestinationsListSaysWhereATransferCameFrom)
{
    Entry transfer = entry(EntryKind::transfer, 10000);
    transfer.toAccountID = wise;
    transfer.toAmount = Money{250, q("USD")};
    EXPECT_EQ(row(transfer, {false, {}, {}, wise}).account, q("From Card"));
    EXPECT_EQ(row(transfer, {false, {}, {}, card}).account, q("Card → Wise"));
}

TEST_F(RowTest, subtitleHoldsNoteTagsAndContactInOrder)
{
    Entry e = entry(EntryKind::expense, 100);
    e.texts.setNote(q("  lunch "));
    e.texts.setTags({q("work"), q("team")});
    e.texts.setContactName(q("Olena"));
    e.texts.setContactIdentifier(q("olena-1"));
    e.hasTime = false;
    const auto r = row(e, {true, {}, {}, std::nullopt});
    EXPECT_EQ(r.subtitle, (QStringList{q("lunch"), q("#work #team"), q("Olena")}));
    EXPECT_EQ(r.contactIdentifier, q("olena-1"));
    EXPECT_FALSE(r.time) << "no time of day";
    EXPECT_FALSE(r.balance);
}

} // namespace
