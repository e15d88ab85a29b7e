#include "writing/ledger_writer.h"

#include <functional>
#include <ostream>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "writing/undo_failure.h"
#include "writing_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

Decimal d(const char* text)
{
    return *Decimal::parse(q(text));
}

class LedgerWriterTest : public WritingTest
{
public:
    void SetUp() override
    {
        WritingTest::SetUp();
        card = addAccount("Card", "UAH");
        cash = addAccount("Cash", "UAH");
        dollars = addAccount("Dollars", "USD");
        yen = addAccount("Yen", "JPY");
        food = addCategory("Food");
        groceries = addCategory("Groceries", food.objectID);
        salary = addCategory("Salary", std::nullopt, "income");

        TransactionModel t1 = addTransaction(card, 15000, kyiv(2025, 3, 1, 9, 0));
        t1.category = food.objectID;
        t1.setReceipt(QByteArrayLiteral("receipt one"));
        t1.contactName = q("Olena");
        t1.contactIdentifier = q("contact-1");
        t1.payee = q("Market");
        t1.setTags({q("weekly"), q("market")});
        context().change(t1);
        lunch = t1.id;
        TransactionModel t2 = addTransaction(card, 100000, kyiv(2025, 3, 2, 12, 0), "income");
        t2.category = salary.objectID;
        context().change(t2);
        pay = t2.id;
        TransactionModel t3 = addTransaction(card, 41000, kyiv(2025, 3, 3, 18, 0), "transfer");
        t3.toAccount = dollars.objectID;
        t3.toAmountMinor = 1000;
        context().change(t3);
        exchange = t3.id;
        coffee = addTransaction(cash, 6000, kyiv(2025, 3, 4, 8, 0)).id;

        BudgetModel budget;
        budget.name = q("Food");
        budget.limitMinor = 500000;
        budget.categories = {food.objectID, groceries.objectID};
        context().insert(budget);
        GoalModel goal;
        goal.name = q("Holiday");
        goal.targetMinor = 1000000;
        goal.accounts = {card.objectID, cash.objectID};
        context().insert(goal);
        saveSeed();
    }

    AccountModel card, cash, dollars, yen;
    CategoryModel food, groceries, salary;
    EntryId lunch, pay, exchange, coffee;
};

// ---- every operation: undo gives back the whole store, redo the write ----

struct RoundTrip
{
    const char* name;
    const char* actionName;
    std::function<void(LedgerWriterTest&, LedgerWriter&)> write;
};

void PrintTo(const RoundTrip& row, std::ostream* os)
{
    *os << row.name;
}

class LedgerRoundTripTest : public LedgerWriterTest, public ::testing::WithParamInterface<RoundTrip>
{
};

TEST_P(LedgerRoundTripTest, undoRestoresTheWholeStoreAndRedoRepeatsTheWrite)
{
    const StoreSnapshot before = snapshot();
    GetParam().write(*this, *m_ledger);
    const StoreSnapshot after = snapshot();
    ASSERT_NE(before, after) << "the write changed nothing";
    EXPECT_EQ(m_undo->undoActionName(), q(GetParam().actionName));

    m_undo->undo();
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(m_undo->canUndo());
    ASSERT_TRUE(m_undo->canRedo());
    EXPECT_EQ(m_undo->redoActionName(), q(GetParam().actionName));

    m_undo->redo();
    EXPECT_EQ(snapshot(), after);
    EXPECT_EQ(m_undo->undoActionName(), q(GetParam().actionName));

    m_undo->undo();
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, LedgerRoundTripTest,
    ::testing::Values(RoundTrip{"addWithReceipt", "Add Transaction",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    EntryDraft draft = f.expense(f.card, "12.50");
                                    draft.categoryID = f.groceries.id;
                                    draft.tags = {q("a"), q("b")};
                                    (void)w.add(draft, QByteArrayLiteral("new receipt"));
                                }},
                      RoundTrip{"addCrossCurrencyTransfer", "Add Transaction",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    EntryDraft draft = f.expense(f.card, "410");
                                    draft.kind = EntryKind::transfer;
                                    draft.toAccountID = f.dollars.id;
                                    draft.toAmount = d("10");
                                    (void)w.add(draft);
                                }},
                      RoundTrip{"edit", "Edit Transaction",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    EntryDraft draft = f.expense(f.cash, "99.99");
                                    draft.categoryID = f.groceries.id;
                                    draft.payee = q("Bakery");
                                    draft.hasTime = false;
                                    w.edit(f.lunch, draft);
                                }},
                      RoundTrip{"addReceipt", "Add Receipt",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setReceipt(QByteArrayLiteral("pay slip"), f.pay);
                                }},
                      RoundTrip{"replaceReceipt", "Add Receipt",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setReceipt(QByteArrayLiteral("better"), f.lunch);
                                }},
                      RoundTrip{"removeReceipt", "Remove Receipt",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setReceipt(std::nullopt, f.lunch);
                                }},
                      RoundTrip{"deleteOne", "Delete Transaction",
                                [](LedgerWriterTest& f, LedgerWriter& w) { w.remove({f.lunch}); }},
                      RoundTrip{"deleteThree", "Delete Transactions",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.remove({f.lunch, f.exchange, f.coffee, EntryId::random()});
                                }},
                      RoundTrip{"changeCategory", "Change Category",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.changeCategory(f.groceries.id, {f.lunch, f.pay});
                                }},
                      RoundTrip{"removeCategory", "Change Category",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.changeCategory(std::nullopt, {f.lunch, f.pay});
                                }},
                      RoundTrip{"changeAccount", "Change Account",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.changeAccount(f.cash.id, {f.lunch, f.exchange});
                                }},
                      RoundTrip{"changeContact", "Change Contact",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setContact(q(" Taras "), q("contact-2"), {f.pay, f.lunch});
                                }},
                      RoundTrip{"removeContact", "Remove Contact",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setContact(q("  "), q("x"), {f.lunch});
                                }},
                      RoundTrip{"markUncleared", "Mark Uncleared",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setCleared(false, {f.lunch, f.pay});
                                }},
                      RoundTrip{"markCleared", "Mark Cleared",
                                [](LedgerWriterTest& f, LedgerWriter& w) {
                                    w.setCleared(true, {f.coffee});
                                }}),
    [](const ::testing::TestParamInfo<RoundTrip>& row) { return std::string(row.param.name); });

// ---- what is stored --------------------------------------------------------

TEST_F(LedgerWriterTest, untimedTransactionsAreStoredAtNoonOfTheirDayInTheWritersZone)
{
    struct Case
    {
        QDateTime typed;
        QDateTime stored;
    };
    const Case cases[] = {
        {kyiv(2025, 3, 7, 23, 30), kyiv(2025, 3, 7, 12, 0)},
        {kyiv(2025, 3, 7, 0, 0), kyiv(2025, 3, 7, 12, 0)},
        // 23:00 UTC is already the next day in Kyiv.
        {QDateTime(QDate(2025, 3, 7), QTime(23, 0), Qt::UTC), kyiv(2025, 3, 8, 12, 0)},
        // The clocks go forward at 03:00 that night; noon is still noon.
        {kyiv(2025, 3, 30, 20, 0), QDateTime(QDate(2025, 3, 30), QTime(9, 0), Qt::UTC)},
    };
    for (const Case& c : cases) {
        EntryDraft draft = expense(card, "5");
        draft.date = c.typed;
        draft.hasTime = false;
        const auto stored = transaction(m_ledger->add(draft));
        EXPECT_EQ(stored->date, c.stored) << c.typed.toString(Qt::ISODate).toStdString();
        EXPECT_FALSE(stored->hasTime);
    }

    EntryDraft timed = expense(card, "5");
    EXPECT_EQ(transaction(m_ledger->add(timed))->date, kyiv(2025, 3, 7, 10, 30));
}

TEST_F(LedgerWriterTest, draftValuesAreStoredByTheStoringRules)
{
    EntryDraft draft = expense(card, "12.345");
    draft.payee = q("  Corner Shop \t");
    draft.note = q("  as typed ");
    draft.tags = {q("x"), q("y")};
    draft.cleared = false;
    draft.contactName = q("");
    draft.contactIdentifier = q("dropped");
    draft.categoryID = salary.id;
    const auto stored = transaction(m_ledger->add(draft));
    EXPECT_EQ(stored->amountMinor, 1234) << "half to even";
    EXPECT_EQ(stored->payee, q("Corner Shop"));
    EXPECT_EQ(stored->note, q("  as typed "));
    EXPECT_EQ(stored->tagsText, q("x\ny"));
    EXPECT_FALSE(stored->cleared);
    EXPECT_FALSE(stored->contactName);
    EXPECT_FALSE(stored->contactIdentifier);
    EXPECT_FALSE(stored->category) << "an expense never takes an income category";
    EXPECT_EQ(stored->createdAt, m_clock->now());
    EXPECT_EQ(stored->updatedAt, m_clock->now());

    EntryDraft inYen = expense(yen, "1500.5");
    EXPECT_EQ(transaction(m_ledger->add(inYen))->amountMinor, 1500);
}

TEST_F(LedgerWriterTest, receivedAmountOnlyForTransfersAcrossCurrencies)
{
    EntryDraft sameCurrency = expense(card, "100");
    sameCurrency.kind = EntryKind::transfer;
    sameCurrency.toAccountID = cash.id;
    sameCurrency.toAmount = d("90");
    const auto same = transaction(m_ledger->add(sameCurrency));
    EXPECT_FALSE(same->toAmountMinor);
    EXPECT_EQ(same->toAccount, cash.objectID);

    EntryDraft cross = expense(card, "4100");
    cross.kind = EntryKind::transfer;
    cross.toAccountID = yen.id;
    cross.toAmount = d("15000");
    EXPECT_EQ(transaction(m_ledger->add(cross))->toAmountMinor, 15000);

    EntryDraft income = expense(card, "10");
    income.kind = EntryKind::income;
    income.toAccountID = cash.id;
    income.toAmount = d("3");
    const auto stored = transaction(m_ledger->add(income));
    EXPECT_FALSE(stored->toAccount);
    EXPECT_FALSE(stored->toAmountMinor);
}

TEST_F(LedgerWriterTest, storeAwareCheckFailsBeforeAnythingChanges)
{
    AccountModel gone = addAccount("Gone", "EUR");
    saveSeed();
    context().remove(gone);
    saveSeed();

    struct Case
    {
        const char* name;
        std::function<void(EntryDraft&)> change;
        const char* message;
    };
    const Case cases[] = {
        {"crossWithoutReceived",
         [&](EntryDraft& e) {
             e.kind = EntryKind::transfer;
             e.toAccountID = dollars.id;
         },
         "Enter how much arrived."},
        {"deletedAccount", [&](EntryDraft& e) { e.accountID = gone.id; },
         "The account was deleted."},
        {"deletedDestination",
         [&](EntryDraft& e) {
             e.kind = EntryKind::transfer;
             e.toAccountID = gone.id;
         },
         "The account was deleted."},
        {"validationFirst",
         [&](EntryDraft& e) {
             e.accountID = gone.id;
             e.amount = Decimal(0);
         },
         "Enter an amount."},
        {"sameAccount",
         [&](EntryDraft& e) {
             e.kind = EntryKind::transfer;
             e.toAccountID = card.id;
         },
         "Pick two different accounts."},
    };
    const StoreSnapshot before = snapshot();
    for (const Case& c : cases) {
        EntryDraft draft = expense(card, "10");
        c.change(draft);
        try {
            (void)m_ledger->add(draft);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const LedgerWriter::WriteError& error) {
            EXPECT_EQ(error.userMessage(), q(c.message)) << c.name;
        }
        EXPECT_THROW(m_ledger->edit(lunch, draft), LedgerWriter::WriteError) << c.name;
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(m_undo->canUndo());
}

TEST_F(LedgerWriterTest, missingTransactionIsNotFoundAndChangesNothing)
{
    const StoreSnapshot before = snapshot();
    const EntryId missing = EntryId::random();
    const auto expectNotFound = [](const std::function<void()>& write) {
        try {
            write();
            ADD_FAILURE() << "accepted";
        } catch (const LedgerWriter::WriteError& error) {
            EXPECT_EQ(error.code(), LedgerWriter::WriteError::Code::notFound);
            EXPECT_EQ(error.userMessage(), q("The transaction no longer exists \u2014 it may have "
                                             "been deleted on another device."));
        }
    };
    expectNotFound([&] { m_ledger->edit(missing, expense(card, "1")); });
    expectNotFound([&] { m_ledger->setReceipt(QByteArrayLiteral("x"), missing); });
    expectNotFound([&] { (void)m_ledger->receipt(missing); });
    expectNotFound([&] { m_ledger->changeAccount(AccountId::random(), {lunch}); });
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(m_undo->canUndo());

    m_ledger->remove({missing});
    m_ledger->setCleared(false, {missing});
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(m_undo->canUndo()) << "a write that changed nothing leaves no step";
}

TEST_F(LedgerWriterTest, receiptIsReadBack)
{
    EXPECT_EQ(m_ledger->receipt(lunch), QByteArrayLiteral("receipt one"));
    EXPECT_EQ(m_ledger->receipt(pay), std::nullopt);
    m_ledger->setReceipt(QByteArrayLiteral("second"), pay);
    EXPECT_EQ(m_ledger->receipt(pay), QByteArrayLiteral("second"));
    EXPECT_TRUE(transaction(pay)->hasReceipt);
    m_ledger->setReceipt(std::nullopt, pay);
    EXPECT_FALSE(transaction(pay)->hasReceipt);
}

TEST_F(LedgerWriterTest, changeCategoryOnlyTouchesTransactionsOfItsKind)
{
    m_ledger->changeCategory(salary.id, {lunch, pay, coffee});
    EXPECT_EQ(transaction(lunch)->category, food.objectID);
    EXPECT_EQ(transaction(pay)->category, salary.objectID);
    EXPECT_FALSE(transaction(coffee)->category);

    m_ledger->changeCategory(CategoryId::random(), {lunch, pay});
    EXPECT_FALSE(transaction(lunch)->category) << "a category that is gone removes it";
    EXPECT_FALSE(transaction(pay)->category);
}

TEST_F(LedgerWriterTest, changeAccountLeavesATransferIntoThatAccountAlone)
{
    const auto transfer = transaction(exchange);
    m_ledger->changeAccount(dollars.id, {exchange, lunch});
    EXPECT_EQ(*transaction(exchange), *transfer);
    EXPECT_EQ(transaction(lunch)->account, dollars.objectID);
    EXPECT_EQ(transaction(lunch)->amountMinor, 15000) << "amounts are not converted";
}

TEST_F(LedgerWriterTest, receiptsComeBackToThePictureFolderOnUndo)
{
    m_ledger->setReceipt(QByteArrayLiteral("second receipt"), coffee);
    const StoreSnapshot before = snapshot();
    ASSERT_EQ(before.pictureFiles.count(u'\n'), 2);
    m_ledger->remove({lunch, coffee, pay});
    EXPECT_EQ(snapshot().pictureFiles, q("\n")) << "deleted receipts leave the folder";
    m_undo->undo();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(m_ledger->receipt(lunch), QByteArrayLiteral("receipt one"));
    EXPECT_EQ(m_ledger->receipt(coffee), QByteArrayLiteral("second receipt"));
}

// ---- failures ----------------------------------------------------------------

TEST_F(LedgerWriterTest, aFailingSaveLeavesTheStoreAsItWasAndRegistersNothing)
{
    const std::function<void()> writes[] = {
        [&] { (void)m_ledger->add(expense(card, "1"), QByteArrayLiteral("picture")); },
        [&] { m_ledger->edit(lunch, expense(cash, "3")); },
        [&] { m_ledger->setReceipt(QByteArrayLiteral("other"), lunch); },
        [&] {
            m_ledger->remove({lunch, pay});
        },
        [&] { m_ledger->changeCategory(groceries.id, {lunch}); },
        [&] { m_ledger->changeAccount(cash.id, {lunch}); },
        [&] { m_ledger->setContact(q("A"), std::nullopt, {lunch}); },
        [&] { m_ledger->setCleared(false, {lunch}); },
    };
    const StoreSnapshot before = snapshot();
    for (const auto& write : writes) {
        context().failNextSaveForTesting(StoreError(StoreError::Code::diskFull));
        EXPECT_THROW(write(), StoreError);
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(m_undo->canUndo());
        EXPECT_FALSE(context().hasChanges());
        EXPECT_EQ(context().undoManager(), m_undo.get()) << "the undo manager is given back";
    }
    // The writer still works afterwards.
    (void)m_ledger->add(expense(card, "1"));
    EXPECT_TRUE(m_undo->canUndo());
}

TEST_F(LedgerWriterTest, aWriteThatFailsHalfwayIsRolledBackWhole)
{
    // The second of the two changes fails inside the store.
    rawExecute(
        "CREATE TRIGGER refuse AFTER UPDATE ON TransactionModel WHEN NEW.amountMinor = 100000 "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const StoreSnapshot before = snapshot();
    EXPECT_THROW(m_ledger->setCleared(true, {lunch, pay}), StoreError);
    EXPECT_FALSE(context().hasChanges());
    EXPECT_FALSE(transaction(lunch)->cleared)
        << "seen through the context, unsaved changes included";
    EXPECT_EQ(snapshot(), before) << "the first change is gone too";
    EXPECT_FALSE(m_undo->canUndo());
    rawExecute("DROP TRIGGER refuse");
}

TEST_F(LedgerWriterTest, anUndoThatFailsHalfwayIsRolledBackWhole)
{
    std::optional<UndoFailure> failure;
    QObject::connect(&m_ledger->undo(), &WriteUndo::undoFailed,
                     [&](const UndoFailure& f) { failure = f; });
    const EntryId late = m_ledger->add(expense(card, "4"), QByteArrayLiteral("late receipt"));
    m_ledger->remove({coffee, late});
    const StoreSnapshot after = snapshot();

    // Recreating the second transaction needs its receipt written, and the
    // picture folder has become a plain file.
    const QString folder = pictureFolder();
    ASSERT_TRUE(QDir().rename(folder, folder + q(".away")));
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_undo->undo();
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().rename(folder + q(".away"), folder));

    EXPECT_EQ(snapshot(), after) << "the transaction recreated before the failure is gone again";
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isRedo);
    const auto* error = dynamic_cast<const StoreError*>(failure->error.get());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), StoreError::Code::pictureFailed);
    EXPECT_EQ(m_undo->undoActionName(), q("Add Transaction")) << "only the add is left to undo";
    EXPECT_FALSE(m_undo->canRedo());
}

TEST_F(LedgerWriterTest, aFailingUndoIsReportedAndLeavesTheStoreAsItWas)
{
    std::optional<UndoFailure> signalled;
    std::optional<UndoFailure> posted;
    const void* postedObject = nullptr;
    QObject::connect(&m_ledger->undo(), &WriteUndo::undoFailed,
                     [&](const UndoFailure& f) { signalled = f; });
    QObject::connect(m_notifications.get(), &NotificationCenter::posted,
                     [&](const Notification& n) {
                         posted = undoFailure(n);
                         postedObject = n.object;
                     });

    m_ledger->remove({lunch});
    const StoreSnapshot after = snapshot();
    context().failNextSaveForTesting(StoreError(StoreError::Code::writeFailed));
    m_undo->undo();

    EXPECT_EQ(snapshot(), after);
    EXPECT_FALSE(m_undo->canUndo());
    EXPECT_FALSE(m_undo->canRedo());
    EXPECT_EQ(context().undoManager(), m_undo.get());
    ASSERT_TRUE(signalled);
    EXPECT_FALSE(signalled->isRedo);
    EXPECT_TRUE(dynamic_cast<const StoreError*>(signalled->error.get()));
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->message(), signalled->message());
    EXPECT_EQ(postedObject, &context());
}

TEST_F(LedgerWriterTest, undoSkipsWhatWasDeletedElsewhere)
{
    const EntryId added = m_ledger->add(expense(card, "7"));
    m_ledger->edit(lunch, expense(cash, "8"));
    // Another device deletes both.
    context().remove(*transaction(added));
    context().remove(*transaction(lunch));
    saveSeed();
    const StoreSnapshot before = snapshot();

    m_undo->undo();
    EXPECT_EQ(snapshot(), before) << "undo of an edit of a deleted transaction changes nothing";
    m_undo->undo();
    EXPECT_EQ(snapshot(), before) << "undo of an add whose transaction is gone changes nothing";
    EXPECT_TRUE(m_undo->canRedo());
}

TEST_F(LedgerWriterTest, aFailingRedoIsReportedAsRedo)
{
    std::optional<UndoFailure> failure;
    QObject::connect(m_notifications.get(), &NotificationCenter::posted,
                     [&](const Notification& n) { failure = undoFailure(n); });
    (void)m_ledger->add(expense(yen, "100"));
    m_undo->undo();
    context().remove(*account(yen.id));
    saveSeed();
    const StoreSnapshot before = snapshot();

    m_undo->redo();
    EXPECT_EQ(snapshot(), before);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->isRedo);
    EXPECT_EQ(failure->message(), q("The account was deleted."));
    EXPECT_FALSE(m_undo->canRedo());
    EXPECT_FALSE(m_undo->canUndo());
}

TEST_F(LedgerWriterTest, aRecreatedTransactionWhoseAccountIsGoneHasNoAccount)
{
    m_ledger->remove({coffee});
    context().remove(*account(cash.id));
    saveSeed();
    m_undo->undo();
    const auto restored = transaction(coffee);
    ASSERT_TRUE(restored);
    EXPECT_FALSE(restored->account);
    EXPECT_EQ(restored->amountMinor, 6000);
}

TEST_F(LedgerWriterTest, writesInsideAnOpenGroupAreUndoneTogether)
{
    const StoreSnapshot before = snapshot();
    m_undo->beginUndoGrouping();
    (void)m_ledger->add(expense(card, "1"));
    m_ledger->setCleared(false, {lunch});
    m_ledger->remove({pay});
    m_undo->endUndoGrouping();
    m_undo->setActionName(q("Import"));

    EXPECT_EQ(m_undo->undoActionName(), q("Import"));
    m_undo->undo();
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(m_undo->canUndo());
}

TEST_F(LedgerWriterTest, withoutAnUndoManagerWritesStillSave)
{
    context().setUndoManager(nullptr);
    const EntryId id = m_ledger->add(expense(card, "3"));
    EXPECT_TRUE(transaction(id));
    EXPECT_EQ(context().undoManager(), nullptr);
}

} // namespace
