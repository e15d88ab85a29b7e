#include "writing/catalog_writer.h"

#include <functional>
#include <ostream>

#include <gtest/gtest.h>

#include "writing_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

using Code = CatalogWriter::WriteError::Code;

Decimal d(const char* text)
{
    return *Decimal::parse(q(text));
}

// A ledger with a four-level category tree, three accounts with
// transactions between them, a balance change, a budget and two goals.
class CatalogWriterTest : public WritingTest
{
public:
    void SetUp() override
    {
        WritingTest::SetUp();
        card = addAccount("Card", "UAH", 50000);
        cash = addAccount("Cash", "UAH");
        dollars = addAccount("Dollars", "USD");
        card.order = 0;
        cash.order = 1;
        dollars.order = 2;
        card.iconImage = QByteArrayLiteral("card picture");
        for (AccountModel* a : {&card, &cash, &dollars})
            context().change(*a);

        food = addCategory("Food");
        groceries = addCategory("Groceries", food.objectID);
        fruit = addCategory("Fruit", groceries.objectID);
        apples = addCategory("Apples", fruit.objectID);
        transport = addCategory("Transport");
        transport.order = 1;
        transport.iconImage = QByteArrayLiteral("bus");
        context().change(transport);
        taxi = addCategory("Taxi", transport.objectID);
        salary = addCategory("Salary", std::nullopt, "income");
        salary.order = 2;
        context().change(salary);
        bonus = addCategory("Bonus", salary.objectID, "income");

        TransactionModel t = addTransaction(card, 2000, kyiv(2025, 3, 1, 10, 0));
        t.category = groceries.objectID;
        context().change(t);
        bread = t.id;
        t = addTransaction(cash, 3000, kyiv(2025, 3, 2, 10, 0));
        t.category = taxi.objectID;
        t.setReceipt(QByteArrayLiteral("taxi receipt"));
        context().change(t);
        ride = t.id;
        t = addTransaction(card, 500000, kyiv(2025, 3, 3, 10, 0), "income");
        t.category = bonus.objectID;
        context().change(t);
        award = t.id;
        t = addTransaction(card, 10000, kyiv(2025, 3, 4, 10, 0), "transfer");
        t.toAccount = cash.objectID;
        context().change(t);
        withdrawal = t.id;
        t = addTransaction(card, 41000, kyiv(2025, 3, 5, 10, 0), "transfer");
        t.toAccount = dollars.objectID;
        t.toAmountMinor = 1000;
        context().change(t);
        exchange = t.id;
        t = addTransaction(cash, 1500, kyiv(2025, 3, 5, 11, 0), "transfer");
        t.toAccount = card.objectID;
        context().change(t);
        deposit = t.id;

        BalanceCheckpointModel checkpoint;
        checkpoint.account = card.objectID;
        checkpoint.date = kyiv(2025, 3, 6, 0, 0);
        checkpoint.balanceMinor = 123400;
        checkpoint.createdAt = kyiv(2025, 3, 5, 20, 0);
        context().insert(checkpoint);
        pinned = checkpoint.id;

        BudgetModel budget;
        budget.name = q("Everyday");
        budget.limitMinor = 900000;
        budget.categories = {transport.objectID, groceries.objectID, taxi.objectID,
                             apples.objectID};
        context().insert(budget);
        everyday = budget.id;
        GoalModel saving;
        saving.name = q("Holiday");
        saving.targetMinor = 100000;
        saving.accounts = {dollars.objectID, card.objectID, cash.objectID};
        context().insert(saving);
        holiday = saving.id;
        GoalModel challenge;
        challenge.kindRaw = q("challenge");
        challenge.name = q("No fruit");
        challenge.category = fruit.objectID;
        challenge.order = 1;
        context().insert(challenge);
        saveSeed();
    }

    template <class F> void expectError(Code code, F&& write)
    {
        const StoreSnapshot before = snapshot();
        const QString undoName = m_undo->undoActionName();
        int undoChanges = 0;
        const auto connection =
            QObject::connect(m_undo.get(), &UndoManager::changed, [&] { ++undoChanges; });
        try {
            write();
            ADD_FAILURE() << "accepted";
        } catch (const CatalogWriter::WriteError& error) {
            EXPECT_EQ(error.code(), code);
            EXPECT_EQ(error.userMessage(), CatalogWriter::WriteError::message(code));
        }
        QObject::disconnect(connection);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(undoChanges, 0) << "nothing registered";
        EXPECT_EQ(m_undo->undoActionName(), undoName);
    }

    [[nodiscard]] CategoryDraft draftOf(const CategoryModel& category) const
    {
        CategoryDraft draft;
        draft.name = category.name;
        draft.kind = category.kind();
        draft.colorHex = category.colorHex;
        draft.icon = category.icon();
        draft.iconImage = category.iconImage;
        return draft;
    }

    [[nodiscard]] AccountDraft draftOf(const AccountModel& account) const
    {
        AccountDraft draft;
        draft.name = account.name;
        draft.kind = account.kind();
        draft.currency = account.currency;
        draft.sfSymbol = account.sfSymbol;
        draft.colorHex = account.colorHex;
        draft.iconImage = account.iconImage;
        return draft;
    }

    AccountModel card, cash, dollars;
    CategoryModel food, groceries, fruit, apples, transport, taxi, salary, bonus;
    EntryId bread, ride, award, withdrawal, exchange, deposit;
    CheckpointId pinned;
    BudgetId everyday;
    GoalId holiday;
};

// ---- every undoable operation round trips ------------------------------------

struct RoundTrip
{
    const char* name;
    const char* actionName;
    std::function<void(CatalogWriterTest&, CatalogWriter&)> write;
};

void PrintTo(const RoundTrip& row, std::ostream* os)
{
    *os << row.name;
}

class CatalogRoundTripTest : public CatalogWriterTest,
                             public ::testing::WithParamInterface<RoundTrip>
{
};

TEST_P(CatalogRoundTripTest, undoRestoresTheWholeStoreAndRedoRepeatsTheWrite)
{
    const StoreSnapshot before = snapshot();
    GetParam().write(*this, *m_catalog);
    const StoreSnapshot after = snapshot();
    ASSERT_NE(before, after) << "the write changed nothing";
    EXPECT_EQ(m_undo->undoActionName(), q(GetParam().actionName));

    m_undo->undo();
    EXPECT_EQ(snapshot(), before);
    ASSERT_TRUE(m_undo->canRedo());
    EXPECT_EQ(m_undo->redoActionName(), q(GetParam().actionName));

    m_undo->redo();
    EXPECT_EQ(snapshot(), after);
    m_undo->undo();
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, CatalogRoundTripTest,
    ::testing::Values(
        RoundTrip{"newTopCategory", "New Category",
                  [](CatalogWriterTest&, CatalogWriter& w) {
                      CategoryDraft draft;
                      draft.name = q(" Gifts ");
                      draft.kind = CategoryKind::income;
                      draft.icon = CategoryIcon::emoji(q("🎁"));
                      draft.iconImage = QByteArrayLiteral("gift");
                      (void)w.categories().newCategory(draft);
                  }},
        RoundTrip{"newSubcategory", "New Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      CategoryDraft draft;
                      draft.name = q("Pears");
                      draft.parentID = f.fruit.id;
                      (void)w.categories().newCategory(draft);
                  }},
        RoundTrip{"renameAndRecolour", "Edit Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      CategoryDraft draft = f.draftOf(f.transport);
                      draft.name = q("Travel");
                      draft.colorHex = q("#FF0000");
                      draft.icon = CategoryIcon::symbol(q("car"));
                      draft.iconImage.reset();
                      w.categories().editCategory(f.transport.id, draft);
                  }},
        RoundTrip{"editIntoAnotherParent", "Edit Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      CategoryDraft draft = f.draftOf(f.transport);
                      draft.parentID = f.food.id;
                      w.categories().editCategory(f.transport.id, draft);
                  }},
        RoundTrip{"moveBeforeASibling", "Move Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.categories().moveCategory(f.salary.id, std::nullopt, f.food.id);
                  }},
        RoundTrip{"moveUnderAnotherParent", "Move Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.categories().moveCategory(f.taxi.id, f.groceries.id, f.fruit.id);
                  }},
        RoundTrip{"deleteSubtreeMovingTransactions", "Delete Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.categories().deleteCategory(f.food.id, f.transport.id);
                  }},
        RoundTrip{"deleteSubtreeWithBudgetAndChallenge", "Delete Category",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.categories().deleteCategory(f.groceries.id, std::nullopt);
                  }},
        RoundTrip{"newAccountWithBalance", "New Account",
                  [](CatalogWriterTest&, CatalogWriter& w) {
                      AccountDraft draft;
                      draft.name = q("Visa");
                      draft.kind = AccountKind::creditCard;
                      draft.currency = q("EUR");
                      draft.balanceToday = d("-120.5");
                      draft.creditLimit = d("2000");
                      draft.iconImage = QByteArrayLiteral("visa");
                      (void)w.accounts().newAccount(draft);
                  }},
        RoundTrip{"editAccount", "Edit Account",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      AccountDraft draft = f.draftOf(f.card);
                      draft.name = q("Main card");
                      draft.kind = AccountKind::creditCard;
                      draft.creditLimit = d("1000");
                      draft.iconImage = QByteArrayLiteral("new picture");
                      w.accounts().editAccount(f.card.id, draft);
                  }},
        RoundTrip{"archive", "Archive Account",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().setArchived(f.cash.id, true);
                  }},
        RoundTrip{
            "reorder", "Reorder Accounts",
            [](CatalogWriterTest& f, CatalogWriter& w) {
                w.accounts().reorderAccounts({{f.dollars.id, 0}, {f.card.id, 1}, {f.cash.id, 2}});
            }},
        RoundTrip{"deleteAccountWithTransactions", "Delete Account",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().deleteAccount(f.card.id, AccountTransactions::deleteAll());
                  }},
        RoundTrip{"deleteAccountMovingTransactions", "Delete Account",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().deleteAccount(f.card.id, AccountTransactions::move(f.cash.id));
                  }},
        RoundTrip{"changeBalance", "Change Balance",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      (void)w.accounts().changeBalance(f.card.id, d("99.99"), {});
                  }},
        RoundTrip{"changeBalanceReplacing", "Change Balance",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      (void)w.accounts().changeBalance(f.card.id, d("5"), QDate(2025, 3, 5));
                  }},
        RoundTrip{"setBalances", "Set Balances",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().setBalances(
                          {{f.card.id, AccountKind::creditCard, d("3000"), d("10")},
                           {f.cash.id, AccountKind::cash, std::nullopt, d("20")}},
                          {{f.card.id, d("1")}, {f.cash.id, d("20.00")}});
                  }},
        RoundTrip{"changeOpeningBalance", "Change Opening Balance",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().changeOpeningBalance(f.cash.id, d("12.34"));
                  }},
        RoundTrip{"editBalanceChange", "Edit Balance Change",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().editBalanceChange(f.pinned, d("7"), QDate(2025, 3, 2));
                  }},
        RoundTrip{"deleteBalanceChange", "Delete Balance Change",
                  [](CatalogWriterTest& f, CatalogWriter& w) {
                      w.accounts().deleteBalanceChange(f.pinned);
                  }}),
    [](const ::testing::TestParamInfo<RoundTrip>& row) { return std::string(row.param.name); });

// ---- the category tree -------------------------------------------------------

TEST_F(CatalogWriterTest, categoriesGoAtMostFourLevelsDeep)
{
    CategoryDraft draft;
    draft.name = q("Deep");
    draft.parentID = fruit.id;
    const CategoryId level4 = m_catalog->categories().newCategory(draft);
    EXPECT_EQ(category(level4)->parent, fruit.objectID);
    m_undo->removeAllActions();

    draft.parentID = apples.id;
    expectError(Code::tooDeep, [&] { (void)m_catalog->categories().newCategory(draft); });
    EXPECT_EQ(CatalogWriter::WriteError::message(Code::tooDeep),
              q("Categories can go at most four levels deep."));
}

TEST_F(CatalogWriterTest, moveChecksDepthCycleAndKind)
{
    expectError(Code::tooDeep, [&] {
        m_catalog->categories().moveCategory(transport.id, fruit.id, std::nullopt);
    });
    expectError(Code::cycle,
                [&] { m_catalog->categories().moveCategory(food.id, fruit.id, std::nullopt); });
    expectError(Code::cycle,
                [&] { m_catalog->categories().moveCategory(food.id, food.id, std::nullopt); });
    expectError(Code::invalid, [&] {
        m_catalog->categories().moveCategory(transport.id, salary.id, std::nullopt);
    });
    expectError(Code::notFound, [&] {
        m_catalog->categories().moveCategory(CategoryId::random(), std::nullopt, std::nullopt);
    });
    EXPECT_EQ(CatalogWriter::WriteError::message(Code::cycle),
              q("A category can\u2019t be moved inside itself."));

    // Two levels under a level-2 category reach exactly level 4.
    m_catalog->categories().moveCategory(transport.id, groceries.id, std::nullopt);
    EXPECT_EQ(category(transport.id)->parent, groceries.objectID);
}

TEST_F(CatalogWriterTest, moveRenumbersTheNewSiblings)
{
    CategoryDraft draft;
    draft.name = q("Bakery");
    draft.parentID = food.id;
    const CategoryId bakery = m_catalog->categories().newCategory(draft);
    EXPECT_EQ(category(bakery)->order, 1) << "after the greatest sibling order";

    m_catalog->categories().moveCategory(taxi.id, food.id, bakery);
    EXPECT_EQ(category(groceries.id)->order, 0);
    EXPECT_EQ(category(taxi.id)->order, 1);
    EXPECT_EQ(category(bakery)->order, 2);

    m_catalog->categories().moveCategory(salary.id, std::nullopt, CategoryId::random());
    EXPECT_EQ(category(food.id)->order, 0);
    EXPECT_EQ(category(transport.id)->order, 1);
    EXPECT_EQ(category(salary.id)->order, 2) << "a 'before' that is no sibling puts it last";
}

TEST_F(CatalogWriterTest, editChecksCycleDepthAndKindLock)
{
    CategoryDraft draft = draftOf(food);
    draft.parentID = apples.id;
    expectError(Code::cycle, [&] { m_catalog->categories().editCategory(food.id, draft); });
    draft = draftOf(transport);
    draft.parentID = fruit.id;
    expectError(Code::tooDeep, [&] { m_catalog->categories().editCategory(transport.id, draft); });
    draft = draftOf(salary);
    draft.kind = CategoryKind::expense;
    expectError(Code::kindLocked, [&] { m_catalog->categories().editCategory(salary.id, draft); });
    EXPECT_EQ(CatalogWriter::WriteError::message(Code::kindLocked),
              q("The type can\u2019t change while the category has transactions."));
    draft.name = q(" \t ");
    expectError(Code::emptyName, [&] { m_catalog->categories().editCategory(salary.id, draft); });
    EXPECT_EQ(CatalogWriter::WriteError::message(Code::emptyName), q("Give it a name."));
}

TEST_F(CatalogWriterTest, kindChangesForTheWholeUnusedSubtree)
{
    CategoryDraft gifts;
    gifts.name = q("Gifts");
    gifts.kind = CategoryKind::income;
    const CategoryId top = m_catalog->categories().newCategory(gifts);
    CategoryDraft child;
    child.name = q("Birthday");
    child.kind = CategoryKind::expense;
    child.parentID = top;
    const CategoryId birthday = m_catalog->categories().newCategory(child);
    EXPECT_EQ(category(birthday)->kindRaw, q("income")) << "a subcategory takes its parent's kind";

    gifts.kind = CategoryKind::expense;
    m_catalog->categories().editCategory(top, gifts);
    EXPECT_EQ(category(top)->kindRaw, q("expense"));
    EXPECT_EQ(category(birthday)->kindRaw, q("expense"));

    // Moving into an income parent by editing takes the parent's kind.
    CategoryDraft intoSalary = draftOf(*category(top));
    intoSalary.parentID = salary.id;
    m_catalog->categories().editCategory(top, intoSalary);
    EXPECT_EQ(category(top)->kindRaw, q("income"));
    EXPECT_EQ(category(birthday)->kindRaw, q("income"));
    EXPECT_EQ(category(top)->order, 1) << "after Bonus under its new parent";
}

TEST_F(CatalogWriterTest, deletingACategoryMovesTheSubtreesTransactions)
{
    TransactionModel inApples = addTransaction(card, 700, kyiv(2025, 3, 6, 9, 0));
    inApples.category = apples.objectID;
    context().change(inApples);
    saveSeed();

    m_catalog->categories().deleteCategory(groceries.id, food.id);
    EXPECT_FALSE(category(groceries.id));
    EXPECT_FALSE(category(fruit.id));
    EXPECT_FALSE(category(apples.id));
    EXPECT_EQ(transaction(bread)->category, food.objectID);
    EXPECT_EQ(transaction(inApples.id)->category, food.objectID);

    m_undo->undo();
    const auto restoredGroceries = category(groceries.id);
    const auto restoredFruit = category(fruit.id);
    ASSERT_TRUE(restoredGroceries && restoredFruit && category(apples.id));
    EXPECT_EQ(restoredFruit->parent, restoredGroceries->objectID)
        << "children relinked to the recreated parent";
    EXPECT_EQ(category(apples.id)->parent, restoredFruit->objectID);
    EXPECT_EQ(transaction(bread)->category, restoredGroceries->objectID);
    EXPECT_EQ(transaction(inApples.id)->category, category(apples.id)->objectID);

    expectError(Code::cycle, [&] { m_catalog->categories().deleteCategory(food.id, apples.id); });
    expectError(Code::invalid,
                [&] { m_catalog->categories().deleteCategory(transport.id, salary.id); });
    expectError(Code::notFound,
                [&] { m_catalog->categories().deleteCategory(food.id, CategoryId::random()); });
}

// ---- accounts ------------------------------------------------------------------

TEST_F(CatalogWriterTest, newAccountAppliesTheDraftByKind)
{
    AccountDraft draft;
    draft.name = q("  Visa ");
    draft.kind = AccountKind::creditCard;
    draft.currency = q("EUR");
    draft.creditLimit = d("1500.555");
    draft.statementDay = 40;
    draft.paymentDueDay = 0;
    draft.interestRate = d("5.25");
    draft.iconEmoji = q("");
    const auto visa = account(m_catalog->accounts().newAccount(draft));
    EXPECT_EQ(visa->name, q("Visa"));
    EXPECT_EQ(visa->groupRaw, q("credit"));
    EXPECT_EQ(visa->kindRaw, q("creditCard"));
    EXPECT_EQ(visa->sfSymbol, q("creditcard.and.123"));
    EXPECT_EQ(visa->creditLimitMinor, 150056);
    EXPECT_EQ(visa->statementDay, 31);
    EXPECT_EQ(visa->paymentDueDay, 1);
    EXPECT_EQ(visa->interestRateBP, 525);
    EXPECT_FALSE(visa->iconEmoji);
    EXPECT_EQ(visa->order, 3);
    EXPECT_TRUE(checkpointsOf(*visa).isEmpty()) << "a zero balance without a day records none";

    // One account of a name, whatever its case and spaces.
    draft.name = q("visa");
    expectError(Code::duplicateAccountName, [&] { (void)m_catalog->accounts().newAccount(draft); });

    draft.name = q("Wallet");
    draft.kind = AccountKind::cash;
    draft.balanceDate = QDate(2025, 3, 1);
    const auto wallet = account(m_catalog->accounts().newAccount(draft));
    EXPECT_EQ(wallet->groupRaw, q("cash"));
    EXPECT_FALSE(wallet->creditLimitMinor || wallet->statementDay || wallet->paymentDueDay ||
                 wallet->interestRateBP);
    ASSERT_EQ(checkpointsOf(*wallet).size(), 1);
    EXPECT_EQ(checkpointsOf(*wallet).first().date, kyiv(2025, 3, 2, 0, 0));
    EXPECT_EQ(checkpointsOf(*wallet).first().balanceMinor, 0);

    draft.name = q(" ");
    expectError(Code::emptyName, [&] { (void)m_catalog->accounts().newAccount(draft); });
}

TEST_F(CatalogWriterTest, aSecondCategoryOfANameUnderOneParentIsRefused)
{
    const StoreSnapshot before = snapshot();
    CategoryDraft draft = draftOf(taxi);
    draft.parentID = transport.id;
    draft.name = q(" TAXI ");
    expectError(Code::duplicateCategoryName,
                [&] { (void)m_catalog->categories().newCategory(draft); });
    CategoryDraft renamed = draftOf(transport);
    renamed.name = q("food");
    expectError(Code::duplicateCategoryName,
                [&] { m_catalog->categories().editCategory(transport.id, renamed); });
    EXPECT_EQ(snapshot(), before);

    // Keeping its own name is no clash; another kind at the top, or another
    // parent, is another list.
    m_catalog->categories().editCategory(food.id, draftOf(food));
    CategoryDraft income;
    income.name = q("Food");
    income.kind = CategoryKind::income;
    EXPECT_NO_THROW((void)m_catalog->categories().newCategory(income));
    CategoryDraft elsewhere = draftOf(taxi);
    elsewhere.parentID = food.id;
    EXPECT_NO_THROW((void)m_catalog->categories().newCategory(elsewhere));
}

TEST_F(CatalogWriterTest, theCurrencyLocksOnceTheAccountHasHistory)
{
    AccountDraft draft = draftOf(cash);
    draft.currency = q("EUR");
    expectError(Code::currencyLocked, [&] { m_catalog->accounts().editAccount(cash.id, draft); });
    EXPECT_EQ(CatalogWriter::WriteError::message(Code::currencyLocked),
              q("The currency can\u2019t change once the account has transactions or a balance. "
                "Create a new "
                "account for another currency."));

    AccountModel fresh = addAccount("Fresh", "UAH");
    saveSeed();
    AccountDraft freshDraft = draftOf(fresh);
    freshDraft.currency = q("EUR");
    m_catalog->accounts().editAccount(fresh.id, freshDraft);
    EXPECT_EQ(account(fresh.id)->currency, q("EUR"));

    (void)m_catalog->accounts().changeBalance(fresh.id, d("1"), {});
    freshDraft.currency = q("PLN");
    expectError(Code::currencyLocked,
                [&] { m_catalog->accounts().editAccount(fresh.id, freshDraft); });

    AccountModel opened = addAccount("Opened", "UAH", 100);
    saveSeed();
    AccountDraft openedDraft = draftOf(opened);
    openedDraft.currency = q("EUR");
    expectError(Code::currencyLocked,
                [&] { m_catalog->accounts().editAccount(opened.id, openedDraft); });
}

TEST_F(CatalogWriterTest, deletingAnAccountMovesOnlyToTheSameCurrency)
{
    using AT = AccountTransactions;
    expectError(Code::currencyMismatch,
                [&] { m_catalog->accounts().deleteAccount(card.id, AT::move(dollars.id)); });
    expectError(Code::currencyMismatch,
                [&] { m_catalog->accounts().deleteAccount(card.id, AT::move(card.id)); });
    expectError(Code::notFound, [&] {
        m_catalog->accounts().deleteAccount(card.id, AT::move(AccountId::random()));
    });
    EXPECT_EQ(CatalogWriter::WriteError::message(Code::currencyMismatch),
              q("Transactions can only move to an account in the same currency."));

    m_catalog->accounts().deleteAccount(card.id, AT::move(cash.id));
    EXPECT_FALSE(account(card.id));
    EXPECT_FALSE(transaction(withdrawal)) << "a transfer between the two is deleted";
    EXPECT_FALSE(transaction(deposit));
    EXPECT_EQ(transaction(bread)->account, cash.objectID);
    EXPECT_EQ(transaction(exchange)->account, cash.objectID);
    EXPECT_EQ(transaction(exchange)->toAccount, dollars.objectID);
    EXPECT_EQ(context().count(Predicate<BalanceCheckpointModel>::idEquals(pinned)), 0);

    m_undo->undo();
    const auto restored = account(card.id);
    ASSERT_TRUE(restored);
    const auto goal = context().fetchFirst(Predicate<GoalModel>::idEquals(holiday));
    EXPECT_EQ(goal->accounts,
              (QList<std::int64_t>{dollars.objectID, restored->objectID, cash.objectID}))
        << "the account is back at its place in the goal";
}

// ---- balance changes -------------------------------------------------------------

// The rule itself is tested on its own; here, which transactions count as
// the account's transactions of today.
TEST_F(CatalogWriterTest, aMorningBalanceFollowsTheAccountsTransactionsOfToday)
{
    struct Case
    {
        const char* name;
        QDateTime transaction;
        bool incoming;
        QDateTime expected;
    };
    const Case cases[] = {
        {"noneToday", kyiv(2025, 3, 6, 23, 59), false, kyiv(2025, 3, 8, 0, 0)},
        {"outgoingToday", kyiv(2025, 3, 7, 0, 0), false, kyiv(2025, 3, 7, 9, 0, 1)},
        {"incomingToday", kyiv(2025, 3, 7, 8, 0), true, kyiv(2025, 3, 7, 9, 0, 1)},
        {"tomorrowAlready", kyiv(2025, 3, 8, 0, 0), false, kyiv(2025, 3, 8, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AccountModel account = addAccount(c.name);
        TransactionModel t = addTransaction(c.incoming ? cash : account, 100, c.transaction,
                                            c.incoming ? "transfer" : "expense");
        if (c.incoming) {
            t.toAccount = account.objectID;
            context().change(t);
        }
        saveSeed();
        m_clock->set(kyiv(2025, 3, 7, 9, 0));
        const CheckpointId id = m_catalog->accounts().changeBalance(account.id, d("10"), {});
        const auto stored = context().fetchFirst(Predicate<BalanceCheckpointModel>::idEquals(id));
        EXPECT_EQ(stored->date, c.expected);
        EXPECT_EQ(stored->balanceMinor, 1000);
    }
}

TEST_F(CatalogWriterTest, aBalanceEnteredAgainWithinASecondReplacesTheFirst)
{
    m_clock->set(kyiv(2025, 3, 7, 15, 0));
    const CheckpointId first = m_catalog->accounts().changeBalance(cash.id, d("1"), {});
    m_clock->set(m_clock->now().addMSecs(999));
    const CheckpointId second = m_catalog->accounts().changeBalance(cash.id, d("2"), {});
    QList<BalanceCheckpointModel> stored = checkpointsOf(cash);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.first().id, second);
    EXPECT_NE(first, second);

    m_clock->set(m_clock->now().addMSecs(1000));
    (void)m_catalog->accounts().changeBalance(cash.id, d("3"), {});
    EXPECT_EQ(checkpointsOf(cash).size(), 2) << "a full second apart both stay";

    (void)m_catalog->accounts().changeBalance(cash.id, d("4"), QDate(2025, 3, 1));
    (void)m_catalog->accounts().changeBalance(cash.id, d("5"), QDate(2025, 3, 1));
    EXPECT_EQ(context().count(Predicate<BalanceCheckpointModel>::equals(
                  BalanceCheckpointModel::Field::date, kyiv(2025, 3, 2, 0, 0))),
              1);
}

TEST_F(CatalogWriterTest, editingABalanceChangeKeepsItsInstantForTheSameDay)
{
    // The seeded balance change sits at midnight of 6 March: it stands for 5 March.
    m_catalog->accounts().editBalanceChange(pinned, d("8"), QDate(2025, 3, 5));
    auto stored = context().fetchFirst(Predicate<BalanceCheckpointModel>::idEquals(pinned));
    EXPECT_EQ(stored->date, kyiv(2025, 3, 6, 0, 0));
    EXPECT_EQ(stored->balanceMinor, 800);

    m_catalog->accounts().editBalanceChange(pinned, d("8"), QDate(2025, 3, 1));
    stored = context().fetchFirst(Predicate<BalanceCheckpointModel>::idEquals(pinned));
    EXPECT_EQ(stored->date, kyiv(2025, 3, 2, 0, 0));

    expectError(Code::notFound, [&] {
        m_catalog->accounts().editBalanceChange(CheckpointId::random(), d("1"), QDate());
    });
    expectError(Code::notFound,
                [&] { m_catalog->accounts().deleteBalanceChange(CheckpointId::random()); });
}

TEST_F(CatalogWriterTest, setBalancesChangesKindSymbolLimitAndOnlyDifferentBalances)
{
    AccountModel custom = *account(cash.id);
    custom.sfSymbol = q("star");
    context().change(custom);
    saveSeed();

    m_catalog->accounts().setBalances({{card.id, AccountKind::savings, std::nullopt, d("10")},
                                       {cash.id, AccountKind::loan, d("50"), d("20")}},
                                      {{card.id, d("9.99")}, {cash.id, d("20")}});
    const auto savedCard = account(card.id);
    EXPECT_EQ(savedCard->kindRaw, q("savings"));
    EXPECT_EQ(savedCard->groupRaw, q("savings"));
    EXPECT_EQ(savedCard->sfSymbol, q("building.columns.fill"))
        << "the old kind's default symbol follows the kind";
    const auto savedCash = account(cash.id);
    EXPECT_EQ(savedCash->sfSymbol, q("star")) << "a chosen symbol stays";
    EXPECT_EQ(savedCash->groupRaw, q("credit"));
    EXPECT_EQ(savedCash->creditLimitMinor, 5000);
    EXPECT_EQ(checkpointsOf(*savedCard).size(), 2);
    EXPECT_EQ(checkpointsOf(*savedCash).size(), 0) << "an unchanged balance records nothing";
    EXPECT_EQ(m_undo->undoActionName(), q("Set Balances"));

    expectError(Code::notFound, [&] {
        m_catalog->accounts().setBalances(
            {{AccountId::random(), AccountKind::cash, std::nullopt, d("1")}}, {});
    });
}

TEST_F(CatalogWriterTest, unreadableAmountsAreRefusedRatherThanStoredAsZero)
{
    const Decimal nan = Decimal::nan();
    expectError(Code::invalid,
                [&] { (void)m_catalog->accounts().changeBalance(card.id, nan, {}); });
    expectError(Code::invalid, [&] { m_catalog->accounts().changeOpeningBalance(card.id, nan); });
    expectError(Code::invalid,
                [&] { m_catalog->accounts().editBalanceChange(pinned, nan, QDate(2025, 3, 5)); });
    expectError(Code::invalid, [&] {
        m_catalog->accounts().setBalances({{card.id, AccountKind::checking, std::nullopt, nan}},
                                          {});
    });
    AccountDraft draft;
    draft.name = q("New");
    draft.balanceToday = nan;
    expectError(Code::invalid, [&] { (void)m_catalog->accounts().newAccount(draft); });
    draft = draftOf(card);
    draft.kind = AccountKind::creditCard;
    draft.creditLimit = nan;
    expectError(Code::invalid, [&] { m_catalog->accounts().editAccount(card.id, draft); });
    GoalDraft goal;
    goal.name = q("Car");
    goal.target = d("10");
    goal.accountIDs = {card.id};
    goal.monthly = nan;
    expectError(Code::invalid, [&] { (void)m_catalog->plans().newGoal(goal); });
}

// ---- plans -------------------------------------------------------------------------

TEST_F(CatalogWriterTest, plansAreValidatedOrderedAndSavedWithoutUndo)
{
    BudgetDraft budget;
    budget.name = q(" Fun ");
    budget.limit = d("100.5");
    budget.categoryIDs = {transport.id, CategoryId::random(), transport.id};
    const BudgetId fun = m_catalog->plans().newBudget(budget);
    const auto stored = context().fetchFirst(Predicate<BudgetModel>::idEquals(fun));
    EXPECT_EQ(stored->name, q("Fun"));
    EXPECT_EQ(stored->limitMinor, 10050);
    EXPECT_EQ(stored->order, 1);
    EXPECT_EQ(stored->categories, QList<std::int64_t>{transport.objectID});
    EXPECT_FALSE(m_undo->canUndo()) << "plans register no undo step";

    for (const auto& change : std::initializer_list<std::function<void(BudgetDraft&)>>{
             [](BudgetDraft& b) { b.name = q("  "); }, [](BudgetDraft& b) { b.limit = Decimal(0); },
             [](BudgetDraft& b) { b.categoryIDs.clear(); }}) {
        BudgetDraft bad = budget;
        change(bad);
        expectError(Code::invalid, [&] { (void)m_catalog->plans().newBudget(bad); });
        expectError(Code::invalid, [&] { m_catalog->plans().editBudget(fun, bad); });
    }
    expectError(Code::notFound, [&] { m_catalog->plans().editBudget(BudgetId::random(), budget); });
    expectError(Code::notFound, [&] { m_catalog->plans().deleteBudget(BudgetId::random()); });
    m_catalog->plans().deleteBudget(fun);
    EXPECT_EQ(context().count(Predicate<BudgetModel>::idEquals(fun)), 0);

    struct GoalCase
    {
        const char* name;
        std::function<void(GoalDraft&)> change;
        bool valid;
    };
    const GoalCase goals[] = {
        {"saving", [&](GoalDraft& g) { g.accountIDs = {card.id}; }, true},
        {"savingWithoutAccount", [](GoalDraft&) {}, false},
        {"savingWithoutTarget",
         [&](GoalDraft& g) {
             g.accountIDs = {card.id};
             g.target = Decimal(0);
         },
         false},
        {"balanceAllAccounts",
         [](GoalDraft& g) {
             g.kind = GoalKind::balance;
             g.allAccounts = true;
         },
         true},
        {"balanceWithoutAccounts", [](GoalDraft& g) { g.kind = GoalKind::balance; }, false},
        {"challenge",
         [&](GoalDraft& g) {
             g.kind = GoalKind::challenge;
             g.categoryID = taxi.id;
             g.startDate = kyiv(2025, 3, 1);
             g.endDate = kyiv(2025, 3, 1);
         },
         true},
        {"challengeEndingBeforeItStarts",
         [&](GoalDraft& g) {
             g.kind = GoalKind::challenge;
             g.categoryID = taxi.id;
             g.startDate = kyiv(2025, 3, 2);
             g.endDate = kyiv(2025, 3, 1);
         },
         false},
        {"challengeWithoutCategory",
         [&](GoalDraft& g) {
             g.kind = GoalKind::challenge;
             g.startDate = kyiv(2025, 3, 1);
             g.endDate = kyiv(2025, 3, 9);
         },
         false},
    };
    std::int64_t expectedOrder = 2;
    for (const GoalCase& c : goals) {
        GoalDraft draft;
        draft.name = q("Goal");
        draft.target = d("100");
        c.change(draft);
        if (!c.valid) {
            expectError(Code::invalid, [&] { (void)m_catalog->plans().newGoal(draft); });
            continue;
        }
        const GoalId id = m_catalog->plans().newGoal(draft);
        const auto goal = context().fetchFirst(Predicate<GoalModel>::idEquals(id));
        EXPECT_EQ(goal->order, expectedOrder++) << c.name;
        EXPECT_EQ(goal->kindRaw, rawValue(draft.kind)) << c.name;
    }
    EXPECT_FALSE(m_undo->canUndo());
}

// ---- failures and redo ---------------------------------------------------------------

TEST_F(CatalogWriterTest, aFailingSaveLeavesTheStoreAsItWasAndRegistersNothing)
{
    using AT = AccountTransactions;
    const std::function<void()> writes[] = {
        [&] {
            CategoryDraft another = draftOf(food);
            another.name = q("Food and drink");
            (void)m_catalog->categories().newCategory(another);
        },
        [&] { m_catalog->categories().deleteCategory(food.id, transport.id); },
        [&] { m_catalog->categories().moveCategory(taxi.id, food.id, std::nullopt); },
        [&] { m_catalog->accounts().deleteAccount(card.id, AT::deleteAll()); },
        [&] { (void)m_catalog->accounts().changeBalance(card.id, d("1"), {}); },
        [&] { m_catalog->accounts().deleteBalanceChange(pinned); },
        [&] {
            BudgetDraft budget{q("B"), std::nullopt, d("1"), {food.id}};
            (void)m_catalog->plans().newBudget(budget);
        },
    };
    const StoreSnapshot before = snapshot();
    for (const auto& write : writes) {
        context().failNextSaveForTesting(StoreError(StoreError::Code::busy));
        EXPECT_THROW(write(), StoreError);
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(m_undo->canUndo());
        EXPECT_FALSE(context().hasChanges());
    }
}

TEST_F(CatalogWriterTest, redoKeepsTheIdsSoLaterStepsStillFindTheirObjects)
{
    CategoryDraft draft;
    draft.name = q("Books");
    const CategoryId books = m_catalog->categories().newCategory(draft);
    EntryDraft entry = expense(card, "30");
    entry.categoryID = books;
    const EntryId bought = m_ledger->add(entry);
    const StoreSnapshot after = snapshot();

    m_undo->undo();
    m_undo->undo();
    EXPECT_FALSE(category(books));
    m_undo->redo();
    m_undo->redo();
    EXPECT_EQ(snapshot(), after);
    EXPECT_EQ(transaction(bought)->category, category(books)->objectID);
}

TEST_F(CatalogWriterTest, undoOfADeletedSubtreeRestoresBudgetOrderAndChallenge)
{
    m_catalog->categories().deleteCategory(groceries.id, std::nullopt);
    auto budget = context().fetchFirst(Predicate<BudgetModel>::idEquals(everyday));
    EXPECT_EQ(budget->categories, (QList<std::int64_t>{transport.objectID, taxi.objectID}));
    m_undo->undo();
    budget = context().fetchFirst(Predicate<BudgetModel>::idEquals(everyday));
    EXPECT_EQ(budget->categories,
              (QList<std::int64_t>{transport.objectID, category(groceries.id)->objectID,
                                   taxi.objectID, category(apples.id)->objectID}));
    const auto challenge = context().fetchFirst(
        Predicate<GoalModel>::equals(GoalModel::Field::kindRaw, q("challenge")));
    EXPECT_EQ(challenge->category, category(fruit.id)->objectID);
}

} // namespace
