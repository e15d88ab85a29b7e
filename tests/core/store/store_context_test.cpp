#include "store/store_context.h"

#include <thread>

#include <QDir>
#include <QFile>

#include "money/currency.h"
#include "store_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class StoreContextTest : public OpenStoreTest
{
protected:
    QString pictures() const { return m_dir.filePath(q(".Tallyra_SUPPORT")); }

    AccountModel addAccount(const char* name, const char* currency = "USD")
    {
        AccountModel account;
        account.name = q(name);
        account.currency = q(currency);
        context().insert(account);
        return account;
    }
    CategoryModel addCategory(const char* name, std::optional<std::int64_t> parent = std::nullopt)
    {
        CategoryModel category;
        category.name = q(name);
        category.parent = parent;
        context().insert(category);
        return category;
    }
    TransactionModel addTransaction(const char* payee,
                                    std::optional<std::int64_t> account = std::nullopt,
                                    std::optional<std::int64_t> category = std::nullopt)
    {
        TransactionModel transaction;
        transaction.payee = q(payee);
        transaction.account = account;
        transaction.category = category;
        context().insert(transaction);
        return transaction;
    }
};

AccountModel fullAccount()
{
    AccountModel a;
    a.id = AccountId::random();
    a.name = q("Visa Gold");
    a.groupRaw = q("credit");
    a.detail = q("ends in 4242");
    a.colorHex = q("#D6336C");
    a.sfSymbol = q("creditcard.and.123");
    a.currency = q("EUR");
    a.openingBalanceMinor = -123'456;
    a.sourceRaw = q("monobank");
    a.externalId = q("mono-1");
    a.order = 7;
    a.isArchived = true;
    a.createdAt = utc(2024, 2, 29, 23, 59, 59, 999);
    a.kindRaw = q("creditCard");
    a.creditLimitMinor = 500'000;
    a.statementDay = 25;
    a.paymentDueDay = 10;
    a.interestRateBP = 2'499;
    static constexpr char kPicture[] = "\x89PNG\r\n\x1a\n\0\0binary";
    a.iconImage = QByteArray(kPicture, sizeof kPicture - 1);
    a.iconEmoji = q("💳");
    return a;
}

CategoryModel fullCategory(std::int64_t parent)
{
    CategoryModel c;
    c.id = CategoryId::random();
    c.name = q("Café & Bar");
    c.kindRaw = q("income");
    c.colorHex = q("#2E9D4E");
    c.iconKind = q("emoji");
    c.iconValue = q("☕️");
    c.iconImage = QByteArray(4096, '\xab');
    c.order = -3;
    c.createdAt = utc(1999, 12, 31, 12);
    c.parent = parent;
    return c;
}

TransactionModel fullTransaction(std::int64_t account, std::int64_t toAccount,
                                 std::int64_t category)
{
    TransactionModel t;
    t.id = EntryId::random();
    t.date = utc(2025, 1, 31, 12);
    t.hasTime = false;
    t.kindRaw = q("transfer");
    t.amountMinor = -4'200;
    t.toAmountMinor = 17'000;
    t.payee = q("Ünïcödé payee");
    t.note = q("line one\nline two");
    t.tagsText = q("food\ntravel");
    t.cleared = true;
    t.setReceipt(QByteArray("receipt scan"));
    t.contactName = q("Olena");
    t.contactIdentifier = q("ABC-123:ABPerson");
    t.externalId = q("bank-tx-9");
    t.createdAt = utc(2025, 1, 31, 18, 0, 0, 1);
    t.updatedAt = utc(2025, 2, 1, 8);
    t.account = account;
    t.toAccount = toAccount;
    t.category = category;
    return t;
}

TEST_F(StoreContextTest, everyAttributeRoundTripsThroughTheFile)
{
    AccountModel account = fullAccount();
    AccountModel plainAccount;
    plainAccount.currency = q("UAH");
    CategoryModel parent;
    context().insert(account);
    context().insert(plainAccount);
    context().insert(parent);
    CategoryModel category = fullCategory(parent.objectID);
    context().insert(category);
    TransactionModel transaction =
        fullTransaction(account.objectID, plainAccount.objectID, category.objectID);
    TransactionModel plainTransaction;
    context().insert(transaction);
    context().insert(plainTransaction);

    BudgetModel budget;
    budget.id = BudgetId::random();
    budget.name = q("Eating out");
    budget.emoji = q("🍔");
    budget.limitMinor = 30'000;
    budget.order = 2;
    // Relationship order is kept, and a repeated member is stored once.
    budget.categories = {category.objectID, parent.objectID, category.objectID};
    context().insert(budget);
    budget.categories = {category.objectID, parent.objectID};

    GoalModel goal;
    goal.id = GoalId::random();
    goal.kindRaw = q("challenge");
    goal.name = q("No coffee");
    goal.emoji = q("🚫");
    goal.order = 1;
    goal.targetMinor = 1;
    goal.assignedMinor = 2;
    goal.monthlyMinor = 3;
    goal.deadline = utc(2025, 12, 31);
    goal.balanceModeRaw = q("reachBy");
    goal.allAccounts = true;
    goal.startDate = utc(2025, 3, 1);
    goal.endDate = utc(2025, 3, 31);
    goal.category = category.objectID;
    goal.accounts = {plainAccount.objectID, account.objectID};
    context().insert(goal);
    GoalModel plainGoal;
    context().insert(plainGoal);

    BalanceCheckpointModel checkpoint;
    checkpoint.id = CheckpointId::random();
    checkpoint.date = utc(2025, 3, 1);
    checkpoint.balanceMinor = 999'999'999'999'999;
    checkpoint.createdAt = utc(2025, 3, 2);
    checkpoint.account = account.objectID;
    context().insert(checkpoint);
    context().save();
    m_store.reset();

    m_store = openStore();
    ASSERT_TRUE(m_store);
    EXPECT_EQ(context().fetch<AccountModel>(), (QList<AccountModel>{account, plainAccount}));
    EXPECT_EQ(context().fetch<CategoryModel>(), (QList<CategoryModel>{parent, category}));
    EXPECT_EQ(context().fetch<TransactionModel>(),
              (QList<TransactionModel>{transaction, plainTransaction}));
    EXPECT_EQ(context().fetch<BudgetModel>(), QList<BudgetModel>{budget});
    EXPECT_EQ(context().fetch<GoalModel>(), (QList<GoalModel>{goal, plainGoal}));
    EXPECT_EQ(context().fetch<BalanceCheckpointModel>(), QList<BalanceCheckpointModel>{checkpoint});

    // Stored forms: ids as 16 bytes, instants in milliseconds, bools as 0/1.
    EXPECT_EQ(rawQuery(path(), q("SELECT length(id) || typeof(id) FROM AccountModel LIMIT 1")),
              q("16blob"));
    EXPECT_EQ(rawQuery(path(), q("SELECT createdAt FROM AccountModel LIMIT 1")),
              QString::number(account.createdAt.toMSecsSinceEpoch()));
    EXPECT_EQ(rawQuery(path(), q("SELECT isArchived FROM AccountModel LIMIT 1")), q("1"));
    EXPECT_EQ(filesIn(pictures()).size(), 3) << "one file per picture, none in the rows";
    EXPECT_EQ(rawQuery(path(), q("SELECT typeof(receipt) FROM TransactionModel LIMIT 1")),
              q("text"));
}

TEST_F(StoreContextTest, insertAppliesTheDefaultsOfTheMoment)
{
    Currency::setMain(q("EUR"));
    AccountModel account;
    context().insert(account);
    Currency::setMain(q("UAH"));
    AccountModel later;
    context().insert(later);
    CategoryModel category;
    context().insert(category);
    m_clock->advanceSeconds(60);
    TransactionModel transaction;
    context().insert(transaction);
    BalanceCheckpointModel checkpoint;
    context().insert(checkpoint);
    context().save();

    const auto accounts = context().fetch<AccountModel>();
    ASSERT_EQ(accounts.size(), 2);
    EXPECT_EQ(accounts[0].currency, q("EUR"));
    EXPECT_EQ(accounts[1].currency, q("UAH"));
    EXPECT_FALSE(accounts[0].id.isNull());
    EXPECT_NE(accounts[0].id, accounts[1].id);
    EXPECT_EQ(accounts[0].createdAt, utc(2025, 3, 7, 9, 5));
    EXPECT_EQ(accounts[0].groupRaw, q("cash"));
    EXPECT_EQ(accounts[0].colorHex, q("#7D8590"));
    EXPECT_EQ(accounts[0].sfSymbol, q("creditcard.fill"));
    EXPECT_EQ(accounts[0].sourceRaw, q("manual"));
    EXPECT_EQ(accounts[0].kindRaw, q(""));

    const CategoryModel stored = *context().object<CategoryModel>(category.objectID);
    EXPECT_EQ(stored.createdAt, utc(2001, 1, 1));
    EXPECT_EQ(stored.icon(), CategoryIcon::symbol(q("questionmark")));
    EXPECT_EQ(stored.colorHex, q("#7D8590"));
    EXPECT_EQ(stored.kind(), CategoryKind::expense);

    const TransactionModel t = *context().object<TransactionModel>(transaction.objectID);
    EXPECT_EQ(t.date, utc(2025, 3, 7, 9, 6));
    EXPECT_EQ(t.createdAt, t.date);
    EXPECT_EQ(t.updatedAt, t.date);
    EXPECT_TRUE(t.hasTime);
    EXPECT_EQ(t.kindRaw, q("expense"));
    EXPECT_EQ(transaction, t) << "the defaults are written back into the inserted value";
    EXPECT_EQ(context().object<BalanceCheckpointModel>(checkpoint.objectID)->date,
              utc(2025, 3, 7, 9, 6));
}

TEST_F(StoreContextTest, deletingAnAccountAppliesItsDeleteRules)
{
    const AccountModel cash = addAccount("Cash");
    const AccountModel bank = addAccount("Bank");
    const TransactionModel out = addTransaction("out", cash.objectID);
    TransactionModel transfer = addTransaction("transfer", bank.objectID);
    transfer.toAccount = cash.objectID;
    context().change(transfer);
    BalanceCheckpointModel checkpoint;
    checkpoint.account = cash.objectID;
    context().insert(checkpoint);
    BalanceCheckpointModel other;
    other.account = bank.objectID;
    context().insert(other);
    GoalModel goal;
    goal.accounts = {bank.objectID, cash.objectID};
    context().insert(goal);
    context().save();
    EXPECT_EQ(context().goals(cash).size(), 1);
    EXPECT_EQ(context().incoming(cash).size(), 1);

    context().remove(cash);
    context().save();

    EXPECT_EQ(context().fetch<BalanceCheckpointModel>(), QList<BalanceCheckpointModel>{other});
    EXPECT_EQ(context().object<TransactionModel>(out.objectID)->account, std::nullopt);
    const TransactionModel afterTransfer = *context().object<TransactionModel>(transfer.objectID);
    EXPECT_EQ(afterTransfer.account, bank.objectID);
    EXPECT_EQ(afterTransfer.toAccount, std::nullopt);
    EXPECT_EQ(context().object<GoalModel>(goal.objectID)->accounts,
              QList<std::int64_t>{bank.objectID});
}

TEST_F(StoreContextTest, deletingACategoryAppliesItsDeleteRules)
{
    const CategoryModel food = addCategory("Food");
    const CategoryModel groceries = addCategory("Groceries", food.objectID);
    const CategoryModel coffee = addCategory("Coffee", food.objectID);
    const CategoryModel home = addCategory("Home");
    const TransactionModel bread = addTransaction("bread", std::nullopt, food.objectID);
    BudgetModel budget;
    budget.categories = {home.objectID, food.objectID, coffee.objectID};
    context().insert(budget);
    GoalModel challenge;
    challenge.kindRaw = q("challenge");
    challenge.category = food.objectID;
    context().insert(challenge);
    context().save();
    EXPECT_EQ(context().children(food).size(), 2);
    EXPECT_EQ(context().budgets(food).size(), 1);
    EXPECT_EQ(context().challenges(food).size(), 1);
    EXPECT_EQ(context().transactions(food).size(), 1);

    context().remove(food);
    context().save();

    EXPECT_EQ(context().object<CategoryModel>(groceries.objectID)->parent, std::nullopt);
    EXPECT_EQ(context().object<CategoryModel>(coffee.objectID)->parent, std::nullopt);
    EXPECT_EQ(context().object<TransactionModel>(bread.objectID)->category, std::nullopt);
    EXPECT_EQ(context().object<BudgetModel>(budget.objectID)->categories,
              (QList<std::int64_t>{home.objectID, coffee.objectID}));
    EXPECT_EQ(context().object<GoalModel>(challenge.objectID)->category, std::nullopt);
}

TEST_F(StoreContextTest, failedSaveWritesNothingAndTheContextStaysUsable)
{
    const AccountModel account = addAccount("Cash");
    context().save();
    rawExecute(path(), q("PRAGMA wal_checkpoint(TRUNCATE)"));
    const QByteArray fileBefore = fileHash(path());
    const QString dataBefore = rawDump(path());
    const QStringList picturesBefore = filesIn(pictures());

    TransactionModel transaction = addTransaction("coffee", account.objectID);
    transaction.setReceipt(QByteArray("scan"));
    context().change(transaction);
    AccountModel changed = account;
    changed.name = q("Renamed");
    changed.iconImage = QByteArray("icon");
    context().change(changed);
    EXPECT_TRUE(context().hasChanges());
    EXPECT_EQ(filesIn(pictures()).size(), 2);

    context().failNextSaveForTesting(StoreError(StoreError::Code::diskFull, q("injected")));
    try {
        context().save();
        FAIL() << "the save should have failed";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.code(), StoreError::Code::diskFull);
        EXPECT_EQ(error.userMessage(), q("There isn’t enough disk space to save your changes."));
    }
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(fileHash(path()), fileBefore);
    EXPECT_EQ(rawDump(path()), dataBefore);
    EXPECT_EQ(filesIn(pictures()), picturesBefore);
    EXPECT_EQ(context().fetch<TransactionModel>().size(), 0);
    EXPECT_EQ(context().object<AccountModel>(account.objectID)->name, q("Cash"));

    addTransaction("tea", account.objectID);
    context().save();
    EXPECT_EQ(rawQuery(path(), q("SELECT payee FROM TransactionModel")), q("tea"));
}

TEST_F(StoreContextTest, rollbackDiscardsTheUnitOfWork)
{
    const AccountModel account = addAccount("Cash");
    context().save();
    const QString dataBefore = rawDump(path());

    AccountModel renamed = account;
    renamed.name = q("Renamed");
    renamed.iconImage = QByteArray("new icon");
    context().change(renamed);
    addCategory("Food");
    context().remove(account);
    EXPECT_TRUE(context().hasChanges());
    context().rollback();

    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(context().fetch<AccountModel>(), QList<AccountModel>{account});
    EXPECT_EQ(context().count<CategoryModel>(), 0);
    EXPECT_EQ(rawDump(path()), dataBefore);
    EXPECT_EQ(filesIn(pictures()), QStringList());
}

TEST_F(StoreContextTest, aFailingChangeIsUndoneAloneAndKeepsEarlierChanges)
{
    const AccountModel kept = addAccount("Kept");
    TransactionModel broken;
    broken.account = kept.objectID + 1000; // no such account
    broken.setReceipt(QByteArray("scan"));
    EXPECT_THROW(context().insert(broken), StoreError);
    EXPECT_EQ(broken.objectID, 0);
    EXPECT_EQ(filesIn(pictures()), QStringList()) << "the failed change's picture is gone";
    EXPECT_TRUE(context().hasChanges());
    context().save();
    EXPECT_EQ(context().fetch<AccountModel>(), QList<AccountModel>{kept});
    EXPECT_EQ(context().count<TransactionModel>(), 0);

    AccountModel gone = kept;
    context().remove(kept);
    context().save();
    gone.name = q("Back?");
    try {
        context().change(gone);
        FAIL() << "changing a deleted object should fail";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.code(), StoreError::Code::notFound);
    }
    EXPECT_NO_THROW(context().remove(gone));
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(StoreContextTest, pictureFilesFollowTheSavedState)
{
    AccountModel account;
    account.iconImage = QByteArray("first");
    context().insert(account);
    context().save();
    const QStringList first = filesIn(pictures());
    ASSERT_EQ(first.size(), 1);

    // Unchanged bytes keep their file.
    account.name = q("Renamed");
    context().change(account);
    context().save();
    EXPECT_EQ(filesIn(pictures()), first);

    // New bytes get a new file; the old one stays until the save.
    account.iconImage = QByteArray("second");
    context().change(account);
    EXPECT_EQ(filesIn(pictures()).size(), 2);
    context().rollback();
    EXPECT_EQ(filesIn(pictures()), first);
    EXPECT_EQ(context().object<AccountModel>(account.objectID)->iconImage, QByteArray("first"));

    context().change(account);
    context().save();
    const QStringList second = filesIn(pictures());
    ASSERT_EQ(second.size(), 1);
    EXPECT_NE(second, first);
    EXPECT_EQ(context().object<AccountModel>(account.objectID)->iconImage, QByteArray("second"));

    // A picture a background context fetched stays readable until its
    // deletion is saved.
    context().remove(account);
    EXPECT_EQ(filesIn(pictures()), second);
    context().save();
    EXPECT_EQ(filesIn(pictures()), QStringList());
}

TEST_F(StoreContextTest, anUnreadablePictureIsNotDroppedByAChange)
{
    TransactionModel transaction;
    transaction.setReceipt(QByteArray("scan"));
    context().insert(transaction);
    context().save();
    const QStringList files = filesIn(pictures());
    ASSERT_EQ(files.size(), 1);
    const QString file = QDir(pictures()).filePath(files.first());
    // A folder in the file's place can't be read, whatever the user's rights.
    ASSERT_TRUE(QFile::rename(file, file + q(".away")));
    ASSERT_TRUE(QDir().mkdir(file));

    TransactionModel fetched = *context().object<TransactionModel>(transaction.objectID);
    EXPECT_EQ(fetched.receipt, std::nullopt);
    EXPECT_TRUE(fetched.hasReceipt);
    fetched.note = q("edited");
    context().change(fetched);
    context().save();

    ASSERT_TRUE(QDir().rmdir(file));
    ASSERT_TRUE(QFile::rename(file + q(".away"), file));
    const TransactionModel after = *context().object<TransactionModel>(transaction.objectID);
    EXPECT_EQ(after.note, q("edited"));
    EXPECT_EQ(after.receipt, QByteArray("scan"));

    // Replacing it with new bytes is still possible.
    TransactionModel replaced = after;
    replaced.receipt = QByteArray("new scan");
    context().change(replaced);
    context().save();
    EXPECT_EQ(context().object<TransactionModel>(transaction.objectID)->receipt,
              QByteArray("new scan"));
    EXPECT_EQ(filesIn(pictures()).size(), 1);
}

TEST_F(StoreContextTest, predicatesSelectAndOrder)
{
    using P = Predicate<TransactionModel>;
    using F = TransactionModel::Field;
    const AccountModel account = addAccount("Cash");
    QList<TransactionModel> all;
    for (int i = 0; i < 6; ++i) {
        TransactionModel t;
        t.payee = QStringLiteral("p%1").arg(i);
        t.date = utc(2025, 1, 1 + i);
        t.amountMinor = (i % 2 == 0 ? 1 : -1) * i * 100;
        t.cleared = i % 3 == 0;
        if (i < 3)
            t.account = account.objectID;
        if (i == 5)
            t.contactName = q("Olena");
        context().insert(t);
        all.append(t);
    }
    const auto payees = [&](const FetchRequest<TransactionModel>& request) {
        QStringList result;
        for (const TransactionModel& t : context().fetch(request))
            result.append(t.payee);
        return result.join(u',');
    };
    struct Case
    {
        const char* name;
        FetchRequest<TransactionModel> request;
        const char* expected;
    };
    const Case cases[] = {
        {"all", {}, "p0,p1,p2,p3,p4,p5"},
        {"id", {P::idEquals(all[3].id)}, "p3"},
        {"ids", {P::idIn(QList<EntryId>{all[4].id, all[1].id, EntryId::random()})}, "p1,p4"},
        {"no ids", {P::idIn(QList<EntryId>{})}, ""},
        {"objectIDs",
         {P::objectIDIn(QList<std::int64_t>{all[5].objectID, all[0].objectID})},
         "p0,p5"},
        {"date range",
         {P::greaterOrEqual(F::date, utc(2025, 1, 2)) && P::less(F::date, utc(2025, 1, 4))},
         "p1,p2"},
        {"account", {P::equals(F::account, account.objectID)}, "p0,p1,p2"},
        {"no account", {P::isNull(F::account)}, "p3,p4,p5"},
        {"either", {P::isNotNull(F::contactName) || P::equals(F::cleared, true)}, "p0,p3,p5"},
        {"not", {!P::equals(F::cleared, true)}, "p1,p2,p4,p5"},
        {"text", {P::equals(F::payee, q("p2"))}, "p2"},
        {"negative", {P::less(F::amountMinor, 0)}, "p1,p3,p5"},
        {"sorted", {{}, {{F::amountMinor, false}}, {}}, "p4,p2,p0,p1,p3,p5"},
        {"limited", {P::notEquals(F::payee, q("p0")), {{F::date, false}}, 2}, "p5,p4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(payees(c.request), q(c.expected)) << c.name;
    EXPECT_EQ(context().count(P::isNull(F::account)), 3);
    EXPECT_EQ(context().fetchFirst(P::equals(F::payee, q("p4")))->objectID, all[4].objectID);
    EXPECT_EQ(context().fetchFirst(P::equals(F::payee, q("nobody"))), std::nullopt);
}

TEST_F(StoreContextTest, longIdListsAndDuplicateIdsAreFound)
{
    QList<CategoryId> ids;
    for (int i = 0; i < 700; ++i) {
        CategoryModel category;
        category.name = QString::number(i);
        context().insert(category);
        if (i % 2 == 1)
            ids.append(category.id);
    }
    // Two devices seeding the same stable id: both rows exist side by side.
    CategoryModel twin;
    twin.id = ids.first();
    context().insert(twin);
    context().save();

    using P = Predicate<CategoryModel>;
    EXPECT_EQ(context().fetch(P::idEquals(ids.first())).size(), 2);
    // Lists of every size: one parameter chunk, several, and past the
    // parameter limit.
    for (const int unknown : {0, 2'000, 20'000}) {
        QList<CategoryId> wanted = ids;
        for (int i = 0; i < unknown; ++i)
            wanted.insert(i % wanted.size(), CategoryId::random());
        EXPECT_EQ(context().count(P::idIn(wanted)), 351) << unknown;
        QList<std::int64_t> objectIDs;
        for (std::int64_t i = 1; i <= 600 + unknown; ++i)
            objectIDs.append(i);
        EXPECT_EQ(context().count(P::objectIDIn(objectIDs) && P::idIn(ids)),
                  300 + (unknown > 0 ? 51 : 0))
            << unknown;
    }
    QList<StoreValue> names;
    for (int i = 0; i < 600; i += 3)
        names.append(StoreValue(QString::number(i)));
    names.append(StoreValue(q("quote\"and\\slash\n")));
    EXPECT_EQ(context().count(P::in(CategoryModel::Field::name, names)), 200);
    for (int i = 0; i < 20'000; ++i)
        names.append(StoreValue(QStringLiteral("none %1").arg(i)));
    EXPECT_EQ(context().count(P::in(CategoryModel::Field::name, names)), 200);
}

TEST_F(StoreContextTest, backgroundContextOnAnotherThreadSeesOnlySavedData)
{
    std::atomic<int> saves = 0;
    QObject::connect(
        m_store.get(), &StoreContainer::contextSaved, m_store.get(), [&] { ++saves; },
        Qt::DirectConnection);
    auto opened = m_store->newBackgroundContext();
    ASSERT_TRUE(opened);
    std::unique_ptr<StoreContext> background = std::move(opened).value();
    const auto countOnWorker = [&] {
        std::int64_t count = -1;
        std::thread worker([&] { count = background->count<AccountModel>(); });
        worker.join();
        return count;
    };

    addAccount("Unsaved");
    EXPECT_EQ(context().count<AccountModel>(), 1);
    EXPECT_EQ(countOnWorker(), 0);
    context().save();
    EXPECT_EQ(countOnWorker(), 1);
    EXPECT_EQ(saves, 1);

    // A save on the worker is announced as well.
    std::thread worker([&] {
        CategoryModel category;
        background->insert(category);
        background->save();
    });
    worker.join();
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(context().count<CategoryModel>(), 1);
    background.reset();
}

} // namespace
