#include "shell/transaction_editor_model.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "shell/app_writers.h"
#include "shell_test_support.h"
#include "store/ledger_reader.h"
#include "store/store_container.h"
#include "store/store_context.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

Decimal dec(const char* text)
{
    return *Decimal::parse(QString::fromLatin1(text));
}

class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto opened = StoreContainer::open(StoreConfiguration::inMemory(m_clock));
        ASSERT_TRUE(opened.hasValue());
        m_store = std::move(opened).value();
        m_writers = std::make_unique<AppWriters>(context(), kyivZone());
        hryvnias = addAccount("Card", "UAH");
        dollars = addAccount("Wise", "USD");
        cash = addAccount("Cash", "UAH");
        food = addCategory("Food", "expense");
        salary = addCategory("Salary", "income");
        context().save();
        m_rates.perUnit[q("USD")] = dec("40");
    }

    StoreContext& context() { return m_store->mainContext(); }

    AccountId addAccount(const char* name, const char* currency)
    {
        AccountModel account;
        account.id = AccountId::random();
        account.name = q(name);
        account.currency = q(currency);
        context().insert(account);
        return account.id;
    }

    CategoryId addCategory(const char* name, const char* kind)
    {
        CategoryModel category;
        category.id = CategoryId::random();
        category.name = q(name);
        category.kindRaw = q(kind);
        context().insert(category);
        return category.id;
    }

    std::shared_ptr<const LedgerIndex> ledger()
    {
        auto records = readLedger(context());
        EXPECT_TRUE(records.hasValue());
        return std::make_shared<const LedgerIndex>(LedgerIndex::build(records.value(), m_rates));
    }

    std::unique_ptr<TransactionEditorModel> composer(const QDateTime& date = kyiv(2026, 3, 15))
    {
        return std::make_unique<TransactionEditorModel>(m_writers->ledger(), app, ledger(), date,
                                                        hryvnias);
    }

    std::vector<Entry> entries() { return ledger()->entries(); }

    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(kyiv(2026, 3, 15));
    std::unique_ptr<StoreContainer> m_store;
    std::unique_ptr<AppWriters> m_writers;
    FXRates m_rates = FXRates::empty(q("UAH"));
    ModelSetup setup;
    AppModel app{setup.options()};
    AccountId hryvnias, dollars, cash;
    CategoryId food, salary;
};

TEST_F(EditorTest, anEmptyReceivedAmountSavesTodaysRate)
{
    app.compose();
    auto editor = composer();
    editor->setKind(EntryKind::transfer);
    editor->setToAccount(dollars);
    EXPECT_TRUE(editor->showsReceivedAmount());
    EXPECT_FALSE(editor->receivedPlaceholder()) << "no amount yet";
    editor->setAmount(dec("100"));
    EXPECT_EQ(editor->receivedPlaceholder(), dec("2.5"));
    EXPECT_EQ(editor->inlineMessage(), QString());
    EXPECT_EQ(editor->title(), q("Add Transfer"));

    EXPECT_EQ(editor->save(), TransactionEditorModel::SaveResult::closed);
    EXPECT_FALSE(app.isComposingTransaction());
    const auto saved = entries();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].amount, (Money{10000, q("UAH")}));
    ASSERT_TRUE(saved[0].toAmount);
    EXPECT_EQ(*saved[0].toAmount, (Money{250, q("USD")}));
}

TEST_F(EditorTest, withoutARateTheTransferAsksHowMuchArrived)
{
    m_rates.perUnit.clear();
    auto editor = composer();
    editor->setKind(EntryKind::transfer);
    editor->setToAccount(dollars);
    editor->setAmount(dec("100"));
    for (const std::optional<Decimal>& typed :
         {std::optional<Decimal>(), std::optional(dec("0")), std::optional(Decimal::nan())}) {
        editor->setToAmount(typed);
        EXPECT_EQ(editor->inlineMessage(), q("Enter how much arrived"));
        EXPECT_EQ(editor->save(), TransactionEditorModel::SaveResult::invalid);
    }
    EXPECT_TRUE(entries().empty());
    editor->setToAmount(dec("2.4"));
    EXPECT_EQ(editor->save(), TransactionEditorModel::SaveResult::closed);
    EXPECT_EQ(*entries().at(0).toAmount, (Money{240, q("USD")}));
}

TEST_F(EditorTest, aTransferInOneCurrencyHasNoReceivedAmount)
{
    auto editor = composer();
    editor->setKind(EntryKind::transfer);
    editor->setToAccount(cash);
    editor->setAmount(dec("100"));
    editor->setToAmount(dec("5"));
    EXPECT_FALSE(editor->showsReceivedAmount());
    EXPECT_FALSE(editor->receivedPlaceholder());
    EXPECT_EQ(editor->save(), TransactionEditorModel::SaveResult::closed);
    EXPECT_FALSE(entries().at(0).toAmount);
}

TEST_F(EditorTest, inlineMessagesHaveNoFullStop)
{
    struct Case
    {
        std::function<void(TransactionEditorModel&)> change;
        const char* message;
    };
    const std::vector<Case> cases{
        {[](auto&) {}, "Enter an amount"},
        {[](auto& e) { e.setAmount(dec("-3")); }, "Enter an amount"},
        {[](auto& e) { e.setAmount(dec("999999999999.01")); }, "The amount is too large"},
        {[](auto& e) { e.setAmount(dec("999999999999")); }, ""},
        {[](auto& e) {
             e.setAmount(dec("1"));
             e.setAccount(std::nullopt);
         },
         "Choose an account"},
        {[](auto& e) {
             e.setAmount(dec("1"));
             e.setKind(EntryKind::transfer);
         },
         "Choose where the money goes"},
        {[this](auto& e) {
             e.setAmount(dec("1"));
             e.setKind(EntryKind::transfer);
             e.setToAccount(hryvnias);
         },
         "Pick two different accounts"},
    };
    for (const Case& c : cases) {
        auto editor = composer();
        c.change(*editor);
        EXPECT_EQ(editor->inlineMessage(), q(c.message));
    }
}

TEST_F(EditorTest, aPickedContactSuggestsTheCategoryUsedWithThemLast)
{
    // History: the contact with Food as an expense and Salary as income.
    for (const auto& [kind, category] :
         {std::pair(EntryKind::expense, food), std::pair(EntryKind::income, salary)}) {
        EntryDraft draft = EntryDraft::make(kyiv(2026, 3, 1), hryvnias);
        draft.kind = kind;
        draft.amount = dec("10");
        draft.categoryID = category;
        draft.contactName = q("Olena");
        draft.contactIdentifier = q("olena-1");
        (void)m_writers->ledger().add(draft);
    }
    const PickedContact olena{q("olena-1"), q("Olena")};
    struct Case
    {
        const char* name;
        bool pickFirst;
        bool suggest;
        EntryKind kind;
        std::optional<CategoryId> expected;
    };
    const CategoryId chosen = addCategory("Gifts", "expense");
    context().save();
    const std::vector<Case> cases{
        {"contactFirst", false, true, EntryKind::expense, food},
        {"sameKindOnly", false, true, EntryKind::income, salary},
        {"handPickedStays", true, true, EntryKind::expense, chosen},
        {"suggestionsOff", false, false, EntryKind::expense, std::nullopt},
    };
    for (const Case& c : cases) {
        auto editor = composer();
        editor->setKind(c.kind);
        if (c.pickFirst)
            editor->pickCategory(chosen);
        editor->pickContact(olena, c.suggest);
        EXPECT_EQ(editor->draft().categoryID, c.expected) << c.name;
        EXPECT_EQ(editor->draft().contactName, q("Olena")) << c.name;
        editor->pickContact(std::nullopt, c.suggest);
        EXPECT_FALSE(editor->draft().contactIdentifier) << c.name;
    }
}

TEST_F(EditorTest, keepOpenSavesOneAfterAnotherKeepingDateAccountAndCategory)
{
    app.setKeepsEditorOpen(true);
    app.compose();
    const QDateTime date = kyiv(2026, 3, 14, 9, 30);
    auto editor = composer(date);
    editor->pickCategory(food);
    editor->setCleared(false);
    for (const char* amount : {"12.50", "3", "7.25"}) {
        editor->setAmount(dec(amount));
        editor->setPayee(q("Market"));
        editor->setTagsText(q("weekly"));
        EXPECT_EQ(editor->save(), TransactionEditorModel::SaveResult::keptOpen);
        EXPECT_TRUE(app.isComposingTransaction());
        EXPECT_EQ(editor->draft().amount, Decimal(0));
        EXPECT_EQ(editor->draft().payee, QString());
        EXPECT_EQ(editor->tagsText(), QString());
        EXPECT_EQ(editor->draft().date, date);
        EXPECT_EQ(editor->draft().accountID, hryvnias);
        EXPECT_EQ(editor->draft().categoryID, food);
        EXPECT_FALSE(editor->draft().cleared);
        EXPECT_FALSE(editor->hasChanges());
    }
    EXPECT_EQ(editor->resetCount(), 3);
    const auto saved = entries();
    ASSERT_EQ(saved.size(), 3u);
    for (const Entry& entry : saved) {
        EXPECT_EQ(entry.categoryID, food);
        EXPECT_EQ(entry.tags(), QStringList{q("weekly")});
    }
    EXPECT_FALSE(app.toast()) << "dated before today";
}

TEST_F(EditorTest, changesAreTheDraftTagsOrReceipt)
{
    EntryDraft draft = EntryDraft::make(kyiv(2026, 3, 1), hryvnias);
    draft.amount = dec("10");
    draft.tags = {q("food"), q("travel")};
    (void)m_writers->ledger().add(draft);
    const Entry entry = entries().at(0);

    TransactionEditorModel untouched(m_writers->ledger(), app, ledger(), entry);
    EXPECT_EQ(untouched.tagsText(), q("food, travel"));
    EXPECT_EQ(untouched.title(), q("Edit Expense"));
    EXPECT_FALSE(untouched.hasChanges());
    untouched.setTagsText(q(" food ,travel"));
    EXPECT_FALSE(untouched.hasChanges()) << "the same tags typed differently";
    untouched.setTagsText(q("food"));
    EXPECT_TRUE(untouched.hasChanges());

    TransactionEditorModel receipt(m_writers->ledger(), app, ledger(), entry);
    receipt.setReceipt(
        TransactionEditorModel::Receipt{QByteArray("%PDF-1.4"), q("application/pdf")});
    EXPECT_TRUE(receipt.hasChanges());
    app.editTransaction(entry.id);
    EXPECT_EQ(receipt.save(), TransactionEditorModel::SaveResult::closed);
    EXPECT_FALSE(app.isPresenting());
    EXPECT_TRUE(entries().at(0).hasReceipt);
    EXPECT_EQ(m_writers->ledger().receipt(entry.id), QByteArray("%PDF-1.4"));
}

TEST_F(EditorTest, tagsAreSplitTrimmedAndKeptInOrder)
{
    auto editor = composer();
    editor->setAmount(dec("1"));
    editor->setTagsText(q("food,, travel , food"));
    ASSERT_EQ(editor->save(), TransactionEditorModel::SaveResult::closed);
    EXPECT_EQ(entries().at(0).tags(), (QStringList{q("food"), q("travel"), q("food")}));
}

TEST_F(EditorTest, aFailedWriteBecomesTheErrorAlert)
{
    auto editor = std::make_unique<TransactionEditorModel>(m_writers->ledger(), app, ledger(),
                                                           kyiv(2026, 3, 15), AccountId::random());
    editor->setAmount(dec("5"));
    app.compose();
    EXPECT_EQ(editor->save(), TransactionEditorModel::SaveResult::failed);
    EXPECT_EQ(app.errorMessage(), q("The account was deleted."));
    EXPECT_EQ(app.errorTitle(), q("Couldn’t Save"));
    EXPECT_TRUE(app.isComposingTransaction()) << "the sheet stays for another try";
}

TEST_F(EditorTest, aNewTransactionAfterTodayShowsTheToast)
{
    auto editor = composer(kyiv(2026, 3, 16, 8));
    editor->setAmount(dec("5"));
    ASSERT_EQ(editor->save(), TransactionEditorModel::SaveResult::closed);
    ASSERT_TRUE(app.toast());
    EXPECT_EQ(app.toast()->message, AppModel::futureDateToast());
}

TEST_F(EditorTest, startsWithTheDefaultAccountWhileItIsOpen)
{
    const auto index = ledger();
    EXPECT_EQ(TransactionEditorModel::startingAccount(*index, dollars), dollars);
    EXPECT_TRUE(TransactionEditorModel::startingAccount(*index, AccountId::random()));
    EXPECT_FALSE(TransactionEditorModel::startingAccount(LedgerIndex(), std::nullopt));
}

} // namespace
