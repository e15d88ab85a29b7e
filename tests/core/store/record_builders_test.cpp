#include "store/record_builders.h"

#include "money/currency.h"
#include "store/ledger_reader.h"
#include "store_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

QString blob(const QUuid& uuid)
{
    return q("x'") + QString::fromLatin1(uuid.toRfc4122().toHex()) + u'\'';
}

template <class Record, class Id>
const Record* findById(const std::vector<Record>& records, const Id& id)
{
    for (const Record& record : records)
        if (record.id == id)
            return &record;
    return nullptr;
}

// Rows written with raw SQL, as an old version or a damaged file could hold
// them, read through both the record builders and the bulk reader.
class StoredRepairs : public OpenStoreTest
{
protected:
    void SetUp() override
    {
        OpenStoreTest::SetUp();
        if (HasFatalFailure())
            return;
        Currency::setMain(q("UAH"));
        // Leaves the store's own connection idle while raw writers work.
        AccountModel pound;
        pound.currency = q("GBP");
        pound.name = q("Pounds");
        context().insert(pound);
        context().save();
        m_pound = pound;
        writeDamagedRows();
    }

    void account(const AccountId& id, const char* name, const char* kindRaw, const char* groupRaw,
                 const char* extraColumns = "", const char* extraValues = "")
    {
        rawExecute(
            path(),
            QStringLiteral(
                "INSERT INTO AccountModel (id, name, kindRaw, groupRaw, currency, createdAt%1) "
                "VALUES (%2, '%3', '%4', '%5', 'EUR', 0%6)")
                .arg(QString::fromUtf8(extraColumns), blob(id.uuid()), QString::fromUtf8(name),
                     QString::fromUtf8(kindRaw), QString::fromUtf8(groupRaw),
                     QString::fromUtf8(extraValues)));
    }

    QString pkOf(const char* table, const QUuid& id)
    {
        return rawQuery(path(), QStringLiteral("SELECT Z_PK FROM %1 WHERE id = %2")
                                    .arg(QString::fromUtf8(table), blob(id)));
    }

    void writeDamagedRows()
    {
        account(m_jar, "My Savings Jar", "", "cash");
        account(m_wallet, "Wallet", "", "cash");
        account(m_card, "Card", "", "cash");
        account(m_linked, "Linked", "", "bankLinked");
        account(m_odd, "Odd", "", "xyz");
        account(m_huge, "Huge", "creditCard", "credit",
                ", openingBalanceMinor, creditLimitMinor, sourceRaw, interestRateBP",
                ", 1000000000000000000, -1000000000000000000, 'weird', 1250");
        const QString huge = pkOf("AccountModel", m_huge.uuid());
        const QString pound = QString::number(m_pound.objectID);

        rawExecute(path(), QStringLiteral(
                               "INSERT INTO CategoryModel (id, name, kindRaw, iconKind, iconValue) "
                               "VALUES (%1, 'Blank', 'bogus', 'symbol', '')")
                               .arg(blob(m_blankIcon.uuid())));
        const auto transaction = [&](const EntryId& id, const QString& columns,
                                     const QString& values) {
            rawExecute(
                path(),
                QStringLiteral("INSERT INTO TransactionModel (id, date, createdAt, updatedAt, %1) "
                               "VALUES (%2, 1000, 1000, 1000, %3)")
                    .arg(columns, blob(id.uuid()), values));
        };
        transaction(m_refund, q("kindRaw, account, tagsText, amountMinor"),
                    QStringLiteral("'refund', %1, 'food\n\ntravel\n', 250").arg(huge));
        transaction(m_orphan, q("kindRaw, amountMinor, toAmountMinor"),
                    q("'income', 1000000000000000000, 5"));
        transaction(m_transfer, q("kindRaw, account, toAccount, amountMinor, toAmountMinor"),
                    QStringLiteral("'transfer', %1, %2, 1000, 900").arg(huge, pound));
        rawExecute(
            path(),
            QStringLiteral(
                "INSERT INTO BalanceCheckpointModel (id, date, balanceMinor, createdAt, account) "
                "VALUES (%1, 5, -1000000000000000000, 6, %2), (%3, 5, 1, 6, NULL)")
                .arg(blob(m_checkpoint.uuid()), huge, blob(m_orphanCheckpoint.uuid())));
        rawExecute(path(),
                   QStringLiteral(
                       "INSERT INTO BudgetModel (id, limitMinor) VALUES (%1, 1000000000000000000)")
                       .arg(blob(m_budget.uuid())));
        rawExecute(path(), QStringLiteral(
                               "INSERT INTO GoalModel (id, kindRaw, balanceModeRaw, targetMinor) "
                               "VALUES (%1, 'weird', '', -5)")
                               .arg(blob(m_goal.uuid())));
        // The destination of the transfer goes away (through the store, so
        // its delete rule runs).
        context().remove(m_pound);
        context().save();
    }

    AccountModel m_pound;
    AccountId m_jar = AccountId::random();
    AccountId m_wallet = AccountId::random();
    AccountId m_card = AccountId::random();
    AccountId m_linked = AccountId::random();
    AccountId m_odd = AccountId::random();
    AccountId m_huge = AccountId::random();
    CategoryId m_blankIcon = CategoryId::random();
    EntryId m_refund = EntryId::random();
    EntryId m_orphan = EntryId::random();
    EntryId m_transfer = EntryId::random();
    CheckpointId m_checkpoint = CheckpointId::random();
    CheckpointId m_orphanCheckpoint = CheckpointId::random();
    BudgetId m_budget = BudgetId::random();
    GoalId m_goal = GoalId::random();
};

TEST_F(StoredRepairs, bothReadingPathsRepairAlike)
{
    const LedgerRecords perObject = perObjectLedger(context());
    auto background = m_store->newBackgroundContext();
    ASSERT_TRUE(background);
    auto bulk = readLedger(*background.value());
    background.value().reset();
    ASSERT_TRUE(bulk) << bulk.error().detail().toStdString();
    EXPECT_EQ(bulk.value(), perObject);

    for (const LedgerRecords* rows :
         std::initializer_list<const LedgerRecords*>{&perObject, &bulk.value()}) {
        ASSERT_NE(findById(rows->accounts, m_jar), nullptr);
        EXPECT_EQ(findById(rows->accounts, m_jar)->kind, AccountKind::savings);
        EXPECT_EQ(findById(rows->accounts, m_wallet)->kind, AccountKind::cash);
        EXPECT_EQ(findById(rows->accounts, m_card)->kind, AccountKind::checking);
        EXPECT_EQ(findById(rows->accounts, m_linked)->kind, AccountKind::checking);
        const Account& huge = *findById(rows->accounts, m_huge);
        EXPECT_EQ(huge.openingBalance, (Money{999'999'999'999'999, q("EUR")}));
        EXPECT_EQ(huge.creditLimit, (Money{-999'999'999'999'999, q("EUR")}));
        EXPECT_EQ(huge.source, AccountSource::manual);
        EXPECT_EQ(huge.interestRate->toString(), q("12.5"));

        const CategoryItem& blank = *findById(rows->categories, m_blankIcon);
        EXPECT_EQ(blank.icon, CategoryIcon::symbol(q("questionmark")));
        EXPECT_EQ(blank.kind, CategoryKind::expense);

        const Entry& refund = *findById(rows->entries, m_refund);
        EXPECT_EQ(refund.kind, EntryKind::expense);
        EXPECT_EQ(refund.tags(), (QStringList{q("food"), q("travel")}));
        EXPECT_EQ(refund.amount, (Money{250, q("EUR")}));
        EXPECT_EQ(refund.accountID, m_huge);

        const Entry& orphan = *findById(rows->entries, m_orphan);
        EXPECT_EQ(orphan.amount, (Money{999'999'999'999'999, q("UAH")}));
        EXPECT_EQ(orphan.toAmount, (Money{5, q("UAH")}));
        EXPECT_EQ(orphan.accountID, std::nullopt);

        const Entry& transfer = *findById(rows->entries, m_transfer);
        EXPECT_EQ(transfer.toAccountID, std::nullopt);
        EXPECT_EQ(transfer.toAmount, (Money{900, q("EUR")})) << "the source account's currency";

        ASSERT_EQ(rows->checkpoints.size(), 1u) << "a balance change without account is skipped";
        EXPECT_EQ(rows->checkpoints.front().id, m_checkpoint);
        EXPECT_EQ(rows->checkpoints.front().balance, (Money{-999'999'999'999'999, q("EUR")}));

        EXPECT_EQ(findById(rows->budgets, m_budget)->limit, (Money{999'999'999'999'999, q("UAH")}));
        const Goal& goal = *findById(rows->goals, m_goal);
        EXPECT_EQ(goal.kind, GoalKind::saving);
        EXPECT_EQ(goal.balanceMode, BalanceMode::stayAbove);
        EXPECT_EQ(goal.target, (Money{-5, q("UAH")}));
    }
}

TEST_F(StoredRepairs, storedObjectsExposeTheRepairedReadings)
{
    const auto group = [&](const AccountId& id) {
        return context().fetchFirst(Predicate<AccountModel>::idEquals(id))->group();
    };
    EXPECT_EQ(group(m_linked), AccountGroup::bank);
    EXPECT_EQ(group(m_odd), AccountGroup::cash);
    EXPECT_EQ(group(m_jar), AccountGroup::cash);
    const TransactionModel refund =
        *context().fetchFirst(Predicate<TransactionModel>::idEquals(m_refund));
    EXPECT_EQ(refund.kind(), EntryKind::expense);
    EXPECT_EQ(refund.tags(), (QStringList{q("food"), q("travel")}));
    const GoalModel goal = *context().fetchFirst(Predicate<GoalModel>::idEquals(m_goal));
    EXPECT_EQ(goal.kind(), GoalKind::saving);
    EXPECT_EQ(goal.balanceMode(), BalanceMode::stayAbove);
}

TEST(RecordBuilders, budgetsAndGoalsTakeTheMainCurrencyOfTheirLinks)
{
    AccountModel account;
    account.objectID = 4;
    account.id = AccountId::random();
    account.currency = QString::fromUtf8("JPY");
    CategoryModel category;
    category.objectID = 9;
    category.id = CategoryId::random();
    RecordLinks links(QStringLiteral("CHF"));
    links.addAccount(account);
    links.addCategory(category);

    GoalModel goal;
    goal.targetMinor = 100;
    goal.accounts = {4, 77};
    goal.category = 9;
    const Goal record = makeGoal(goal, links);
    EXPECT_EQ(record.target, (Money{100, QStringLiteral("CHF")}));
    EXPECT_EQ(record.accountIDs, QList<AccountId>{account.id}) << "unknown objects are left out";
    EXPECT_EQ(record.categoryID, category.id);

    BalanceCheckpointModel checkpoint;
    checkpoint.account = 77;
    EXPECT_EQ(makeBalanceCheckpoint(checkpoint, links), std::nullopt);
    checkpoint.account = 4;
    EXPECT_EQ(makeBalanceCheckpoint(checkpoint, links)->balance.currency, QStringLiteral("JPY"));

    TransactionModel transaction;
    transaction.account = 4;
    transaction.amountMinor = 5;
    const Entry entry = makeEntry(transaction, links);
    EXPECT_EQ(entry.amount, (Money{5, QStringLiteral("JPY")}));
    EXPECT_TRUE(entry.amount.currency.isSharedWith(account.currency))
        << "entries share the account's text";
}

} // namespace
