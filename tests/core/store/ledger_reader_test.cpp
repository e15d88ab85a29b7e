#include "store/ledger_reader.h"

#include <random>

#include "money/currency.h"
#include "store/record_builders.h"
#include "store_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class LedgerReaderTest : public OpenStoreTest
{
protected:
    LedgerRecords bulk()
    {
        auto background = m_store->newBackgroundContext();
        if (!background) {
            ADD_FAILURE() << "no background context";
            return {};
        }
        auto rows = readLedger(*background.value());
        if (!rows) {
            ADD_FAILURE() << rows.error().detail().toStdString();
            return {};
        }
        return std::move(rows).value();
    }

    // A ledger with every kind of object and relationship, the optional
    // fields both present and absent, children stored before their parents
    // and many transactions sharing a date.
    void fillMixedLedger()
    {
        std::mt19937 random(20250307);
        const auto pick = [&](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        const char* currencies[] = {"USD", "EUR", "UAH", "JPY", "KWD"};
        QList<std::int64_t> accounts;
        for (int i = 0; i < 6; ++i) {
            AccountModel a;
            a.name = QStringLiteral("Account %1").arg(i);
            a.currency = q(currencies[i % 5]);
            a.openingBalanceMinor = pick(100000) - 50000;
            a.kindRaw = i == 2 ? q("") : q("checking");
            if (i % 2 == 0) {
                a.creditLimitMinor = 10000 * i;
                a.interestRateBP = 100 * i + 5;
                a.iconEmoji = q("🏦");
                a.statementDay = i;
            }
            if (i == 3)
                a.iconImage = QByteArray("icon-3");
            context().insert(a);
            accounts.append(a.objectID);
        }
        QList<std::int64_t> categories;
        CategoryModel child;
        child.name = q("Child first");
        context().insert(child);
        categories.append(child.objectID);
        for (int i = 0; i < 8; ++i) {
            CategoryModel c;
            c.name = QStringLiteral("Category %1").arg(i);
            c.kindRaw = q(i % 3 == 0 ? "income" : "expense");
            c.order = 8 - i;
            if (i > 2)
                c.parent = categories.at(pick(static_cast<int>(categories.size())));
            if (i == 4)
                c.setIcon(CategoryIcon::image());
            if (i == 4)
                c.iconImage = QByteArray("cat-4");
            context().insert(c);
            categories.append(c.objectID);
        }
        child.parent = categories.last();
        context().change(child);

        for (int i = 0; i < 400; ++i) {
            TransactionModel t;
            // Few distinct dates and creation times, so ties are common.
            t.date = utc(2025, 1 + pick(3), 1 + pick(5), pick(2) == 0 ? 12 : pick(24));
            t.createdAt = utc(2025, 4, 1, pick(3));
            t.updatedAt = t.createdAt;
            t.hasTime = pick(2) == 0;
            t.kindRaw = q(i % 7 == 0    ? "transfer"
                          : i % 5 == 0  ? "income"
                          : i % 11 == 0 ? "refund"
                                        : "expense");
            t.amountMinor = pick(2'000'000) - 1'000'000;
            if (pick(3) > 0)
                t.account = accounts.at(pick(static_cast<int>(accounts.size())));
            if (t.kindRaw == u"transfer") {
                t.toAccount = accounts.at(pick(static_cast<int>(accounts.size())));
                t.toAmountMinor = pick(1000);
            }
            if (pick(2) == 0)
                t.category = categories.at(pick(static_cast<int>(categories.size())));
            t.payee = QStringLiteral("Payee %1").arg(pick(20));
            t.note = pick(4) == 0 ? QStringLiteral("note %1").arg(i) : QString();
            t.tagsText = pick(3) == 0 ? q("food\n\ntravel") : pick(2) == 0 ? q("work") : QString();
            t.cleared = pick(2) == 0;
            if (i % 50 == 0)
                t.setReceipt(QByteArray("receipt"));
            if (i % 9 == 0) {
                t.contactName = q("Olena");
                t.contactIdentifier = q("c-1");
            }
            context().insert(t);
        }
        for (int i = 0; i < 3; ++i) {
            BudgetModel b;
            b.name = QStringLiteral("Budget %1").arg(i);
            b.limitMinor = 1000 * i;
            b.categories = {categories.at(5 - i), categories.at(i)};
            if (i == 1)
                b.emoji = q("🍔");
            context().insert(b);
            GoalModel g;
            g.kindRaw = q(i == 0 ? "saving" : i == 1 ? "balance" : "challenge");
            g.accounts = {accounts.at(i + 2), accounts.at(i)};
            g.deadline = i == 0 ? std::optional<QDateTime>(utc(2026, 1, 1)) : std::nullopt;
            g.category = i == 2 ? std::optional<std::int64_t>(categories.at(1)) : std::nullopt;
            context().insert(g);
        }
        for (int i = 0; i < 10; ++i) {
            BalanceCheckpointModel c;
            c.date = utc(2025, 2, 1 + i);
            c.balanceMinor = i * 1000;
            c.account = accounts.at(i % accounts.size());
            context().insert(c);
        }
        context().save();
        // One account goes, taking its checkpoints and leaving transactions
        // and transfers without it.
        context().remove<AccountModel>(accounts.at(1));
        context().save();
    }
};

TEST_F(LedgerReaderTest, bulkReadEqualsThePerObjectPath)
{
    Currency::setMain(q("CHF"));
    fillMixedLedger();
    const LedgerRecords expected = perObjectLedger(context());
    const LedgerRecords rows = bulk();
    ASSERT_EQ(rows.entries.size(), 400u);
    EXPECT_EQ(rows.accounts, expected.accounts);
    EXPECT_EQ(rows.categories, expected.categories);
    EXPECT_EQ(rows.budgets, expected.budgets);
    EXPECT_EQ(rows.goals, expected.goals);
    EXPECT_EQ(rows.checkpoints, expected.checkpoints);
    for (size_t i = 0; i < rows.entries.size(); ++i)
        ASSERT_EQ(rows.entries[i], expected.entries[i]) << "entry " << i;
    EXPECT_EQ(rows, expected);
}

TEST_F(LedgerReaderTest, entriesComeByDateThenCreationThenStoreOrder)
{
    const QDateTime noon = utc(2025, 5, 1, 12);
    const auto add = [&](const char* payee, const QDateTime& date, const QDateTime& createdAt) {
        TransactionModel t;
        t.payee = q(payee);
        t.date = date;
        t.createdAt = createdAt;
        context().insert(t);
    };
    add("late", noon.addDays(1), utc(2025, 1, 1));
    add("second", noon, utc(2025, 5, 1, 8));
    add("first", noon, utc(2025, 5, 1, 7));
    add("third", noon, utc(2025, 5, 1, 8));
    add("early", noon.addDays(-1), utc(2025, 6, 1));
    context().save();

    QStringList payees;
    for (const Entry& e : bulk().entries)
        payees.append(e.payee);
    EXPECT_EQ(payees, (QStringList{q("early"), q("first"), q("second"), q("third"), q("late")}));
}

TEST_F(LedgerReaderTest, farApartRowIdentitiesResolveToo)
{
    AccountModel near;
    near.currency = q("EUR");
    context().insert(near);
    TransactionModel first;
    first.date = utc(2025, 1, 2);
    first.account = near.objectID;
    context().insert(first);
    context().save();
    // Identities far beyond the row count, as a table that once held many
    // more rows (or a foreign writer) leaves them.
    rawExecute(path(), q("INSERT INTO AccountModel (Z_PK, id, currency, createdAt) VALUES "
                         "(5000000000, randomblob(16), 'JPY', 0);"
                         "INSERT INTO CategoryModel (Z_PK, id) VALUES (7000000000, randomblob(16));"
                         "INSERT INTO TransactionModel (Z_PK, id, date, createdAt, updatedAt, "
                         "account, toAccount, category, "
                         "toAmountMinor) VALUES (9000000000, randomblob(16), 0, 0, 0, 5000000000, "
                         "1, 7000000000, 3)"));
    const LedgerRecords rows = bulk();
    EXPECT_EQ(rows, perObjectLedger(context()));
    ASSERT_EQ(rows.entries.size(), 2u);
    EXPECT_EQ(rows.entries[0].amount.currency, q("JPY"));
    EXPECT_EQ(rows.entries[0].toAmount, (Money{3, q("EUR")}));
    EXPECT_EQ(rows.entries[0].categoryID, rows.categories.front().id);
    EXPECT_EQ(rows.entries[1].accountID, near.id);
}

TEST_F(LedgerReaderTest, emptyStoreGivesEmptyLists)
{
    EXPECT_EQ(bulk(), LedgerRecords{});
}

TEST_F(LedgerReaderTest, repeatedTextsShareOneString)
{
    for (int i = 0; i < 3; ++i) {
        TransactionModel t;
        t.payee = q("Corner Shop");
        t.tagsText = q("food\nweekly");
        context().insert(t);
    }
    context().save();
    const LedgerRecords rows = bulk();
    ASSERT_EQ(rows.entries.size(), 3u);
    EXPECT_TRUE(rows.entries[0].payee.isSharedWith(rows.entries[2].payee));
    EXPECT_EQ(rows.entries[2].tags(), (QStringList{q("food"), q("weekly")}));
}

TEST_F(LedgerReaderTest, readsItsOwnContextsUnsavedChanges)
{
    AccountModel account;
    context().insert(account);
    auto rows = readLedger(context());
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows.value().accounts.size(), 1u);
    EXPECT_TRUE(context().hasChanges());
    context().rollback();
    EXPECT_EQ(readLedger(context()).value().accounts.size(), 0);
}

} // namespace
