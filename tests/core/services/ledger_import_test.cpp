#include <memory>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <gtest/gtest.h>

#include "money/currency.h"
#include "money/stable_id.h"
#include "reports/ledger_index.h"
#include "services/json_node.h"
#include "services/ledger_document.h"
#include "services/sample_data.h"
#include "services/sample_importer.h"
#include "store/ledger_reader.h"
#include "store/store_container.h"

namespace tallyra {
namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

// ---- JsonNode --------------------------------------------------------------

TEST(JsonNode, keepsNumbersAsWritten)
{
    const auto node =
        JsonNode::parse(R"({"a": 760.5, "b": -0.01, "c": 1E3, "d": 12345678901234567.89, "e": 0})");
    ASSERT_TRUE(node);
    ASSERT_EQ(node->members().size(), 5u);
    EXPECT_EQ(node->member(u"a")->text(), q("760.5"));
    EXPECT_EQ(node->member(u"b")->text(), q("-0.01"));
    EXPECT_EQ(node->member(u"c")->text(), q("1E3"));
    EXPECT_EQ(node->member(u"d")->text(), q("12345678901234567.89"));
    EXPECT_EQ(node->members()[4].first, q("e")); // written order
}

TEST(JsonNode, findsARepeatedKeyAmongVeryManyInLinearTime)
{
    // Checked against every earlier key this took hours; ctest's time
    // limit is what fails it then.
    QByteArray text = "{";
    for (int i = 0; i < 300'000; ++i)
        text += "\"k" + QByteArray::number(i) + "\": 1,";
    text += "\"k7\": 2}";
    const auto node = JsonNode::parse(text);
    ASSERT_FALSE(node);
    EXPECT_EQ(node.error().message, q("the key “k7” appears twice"));
}

TEST(JsonNode, readsEscapesAndSurrogatePairs)
{
    const auto node = JsonNode::parse(R"(["a\"b\\c\/\n\t", "\u00e9\ud83d\udecf", "Кав’ярня"])");
    ASSERT_TRUE(node);
    EXPECT_EQ(node->items()[0].text(), q("a\"b\\c/\n\t"));
    EXPECT_EQ(node->items()[1].text(), q("é🛏"));
    EXPECT_EQ(node->items()[2].text(), q("Кав’ярня"));
}

struct SyntaxCase
{
    const char* text;
    int line;
    int column;
    const char* message;
};

class JsonSyntax : public ::testing::TestWithParam<SyntaxCase>
{
};

TEST_P(JsonSyntax, failsWithLineColumnAndReason)
{
    const SyntaxCase& c = GetParam();
    const auto node = JsonNode::parse(c.text);
    ASSERT_FALSE(node);
    EXPECT_EQ(node.error().line, c.line);
    EXPECT_EQ(node.error().column, c.column);
    EXPECT_EQ(node.error().message, q(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonSyntax,
    ::testing::Values(SyntaxCase{"[1,\n 2,]", 2, 4, "unexpected character"},
                      SyntaxCase{"{\"a\": 1, \"a\": 2}", 1, 10, "the key “a” appears twice"},
                      SyntaxCase{"[\"open", 1, 7, "a text is not closed with a double quote"},
                      SyntaxCase{"[\"\\ud83d\"]", 1, 3, "a lone surrogate in a \\u escape"},
                      SyntaxCase{"[01]", 1, 3, "a number may not start with 0 followed by digits"},
                      SyntaxCase{"[1.]", 1, 4, "expected a digit after the decimal point"},
                      SyntaxCase{"[1] [2]", 1, 5, "unexpected text after the end of the document"},
                      SyntaxCase{"", 1, 1, "the document ends where a value was expected"},
                      SyntaxCase{"[\"\xC3\x28\"]", 1, 1, "the file is not UTF-8 text"},
                      SyntaxCase{"{\"a\" 1}", 1, 6, "expected “:” after the key"}));

TEST(JsonNode, refusesNestingBeyondTheLimit)
{
    const QByteArray deep =
        QByteArray(JsonNode::kMaxDepth + 1, '[') + QByteArray(JsonNode::kMaxDepth + 1, ']');
    EXPECT_FALSE(JsonNode::parse(deep));
    const QByteArray allowed =
        QByteArray(JsonNode::kMaxDepth, '[') + QByteArray(JsonNode::kMaxDepth, ']');
    EXPECT_TRUE(JsonNode::parse(allowed));
}

// ---- a small ledger in the sample-data format ------------------------------

QJsonObject account(const char* name, const char* currency, const char* balance)
{
    return QJsonObject{{q("name"), q(name)},
                       {q("group"), q("bank")},
                       {q("detail"), q("")},
                       {q("color"), q("#1C7ED6")},
                       {q("sfSymbol"), q("creditcard.fill")},
                       {q("balance"), q(balance)},
                       {q("currency"), q(currency)}};
}

QJsonObject category(const char* path, const char* name, const char* parent, int level)
{
    QJsonObject c{
        {q("path"), q(path)},
        {q("name"), q(name)},
        {q("color"), q("#2E9D4E")},
        {q("level"), level},
        {q("icon"), QJsonObject{{q("kind"), q("symbol")}, {q("sfSymbol"), q("bag.fill")}}}};
    if (parent)
        c.insert(q("parent"), q(parent));
    return c;
}

QJsonObject transaction(int id, const char* date, const char* time, const char* kind,
                        const char* accountName, const char* amount)
{
    return QJsonObject{
        {q("id"), id},           {q("date"), q(date)},     {q("time"), q(time)},
        {q("kind"), q(kind)},    {q("payee"), q("Payee")}, {q("account"), q(accountName)},
        {q("amount"), q(amount)}};
}

QByteArray json(const QJsonArray& array)
{
    return QJsonDocument(array).toJson();
}

// Card (UAH, ends at 900.00), Wallet (UAH, ends at 50.00), Dollars (USD,
// ends at 100.00): Food/Groceries, Food/Cafe and Salary.
struct SmallLedger
{
    QJsonArray accounts{account("Card", "UAH", "900"), account("Wallet", "UAH", "50"),
                        account("Dollars", "USD", "100")};
    QJsonArray categories{
        category("Food", "Food", nullptr, 1), category("Food/Groceries", "Groceries", "Food", 2),
        category("Food/Cafe", "Cafe", "Food", 2), category("Salary", "Salary", nullptr, 1)};
    QJsonArray transactions{
        transaction(1, "2026-01-10", "09:30", "expense", "Card", "120.50"),
        transaction(2, "2026-01-10", "", "income", "Card", "1000"),
        transaction(3, "2026-07-01", "9:05 PM", "transfer", "Card", "410"),
        transaction(4, "2026-07-02", "", "expense", "Wallet", "30"),
    };
    QJsonObject plans{
        {q("budgets"), QJsonArray{QJsonObject{
                           {q("name"), q("Eating")},
                           {q("limit"), 5000},
                           {q("categories"), QJsonArray{q("Cafe"), q("Groceries"), q("Cafe")}}}}},
        {q("balanceGoals"), QJsonArray{QJsonObject{{q("name"), q("Everything")},
                                                   {q("mode"), q("reachBy")},
                                                   {q("deadline"), q("2027-01-31")},
                                                   {q("accounts"), q("all")},
                                                   {q("amount"), 100000}}}},
        {q("challenges"), QJsonArray{QJsonObject{{q("name"), q("No cafe")},
                                                 {q("category"), q("Cafe")},
                                                 {q("start"), q("2026-07-01")},
                                                 {q("end"), q("2026-07-31")}}}},
    };

    SmallLedger()
    {
        QJsonObject groceries = transactions[0].toObject();
        groceries.insert(q("category"), q("Food/Groceries"));
        groceries.insert(q("tags"), QJsonArray{q("home"), q(""), q("weekly")});
        groceries.insert(q("note"), q("=SUM"));
        transactions[0] = groceries;
        QJsonObject transfer = transactions[2].toObject();
        transfer.insert(q("toAccount"), q("Dollars"));
        transfer.insert(q("toAmount"), q("10"));
        transfer.insert(q("cleared"), false);
        transactions[2] = transfer;
    }

    [[nodiscard]] LedgerFiles files() const
    {
        return LedgerFiles{json(accounts), json(categories), json(transactions),
                           QJsonDocument(plans).toJson()};
    }
};

class LedgerImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Currency::setMain(q("UAH"));
        auto opened = StoreContainer::open(StoreConfiguration::inMemory());
        ASSERT_TRUE(opened);
        m_container = std::move(opened).value();
    }

    StoreContext& context() { return m_container->mainContext(); }

    // Decodes and imports; the failure message when either step fails.
    QString import(const LedgerFiles& files, std::int64_t dayShift = 0)
    {
        auto document = LedgerDocument::decode(files);
        if (!document)
            return document.error().userMessage();
        SampleImporter importer(context(), m_zone);
        importer.setDayShift(dayShift);
        try {
            m_summary = importer.run(*document);
        } catch (const Error& error) {
            return error.userMessage();
        }
        return {};
    }

    LedgerIndex index()
    {
        auto records = readLedger(context());
        EXPECT_TRUE(records);
        return LedgerIndex::build(std::move(records).value(), FXRates::empty(q("UAH")));
    }

    const Account& named(const LedgerIndex& ledger, const char* name)
    {
        for (const Account& a : ledger.accounts())
            if (a.name == q(name))
                return a;
        ADD_FAILURE() << "no account " << name;
        return ledger.accounts().front();
    }

    QDateTime kyiv(int y, int m, int d, int h = 0, int min = 0)
    {
        return QDateTime(QDate(y, m, d), QTime(h, min), m_zone);
    }

    QTimeZone m_zone{"Europe/Kyiv"};
    std::unique_ptr<StoreContainer> m_container;
    ImportSummary m_summary;
};

TEST_F(LedgerImport, readsDatesTimesAndFieldsInTheZone)
{
    ASSERT_EQ(import(SmallLedger().files()), QString());
    EXPECT_EQ(m_summary, (ImportSummary{3, 4, 4, 0, 1, 2}));
    const LedgerIndex ledger = index();
    ASSERT_EQ(ledger.entries().size(), 4u);
    const Entry& groceries = ledger.entries()[0];
    EXPECT_EQ(groceries.date, kyiv(2026, 1, 10, 9, 30));
    EXPECT_TRUE(groceries.hasTime);
    EXPECT_EQ(groceries.amount, (Money{12050, q("UAH")}));
    EXPECT_EQ(groceries.tags(), (QStringList{q("home"), q("weekly")}));
    EXPECT_EQ(groceries.note(), q("=SUM"));
    EXPECT_EQ(ledger.category(*groceries.categoryID)->name, q("Groceries"));
    EXPECT_TRUE(groceries.cleared);
    const Entry& salary = ledger.entries()[1];
    EXPECT_EQ(salary.date, kyiv(2026, 1, 10, 12, 0)); // untimed: noon of the day
    EXPECT_FALSE(salary.hasTime);
    const Entry& transfer = ledger.entries()[2];
    EXPECT_EQ(transfer.date,
              QDateTime(QDate(2026, 7, 1), QTime(18, 5), Qt::UTC)); // 9:05 PM, summer time
    EXPECT_EQ(transfer.toAmount, (Money{1000, q("USD")}));
    EXPECT_FALSE(transfer.cleared);
    // Children take their parent's kind; ids are stable.
    EXPECT_EQ(ledger.category(*groceries.categoryID)->parentID,
              CategoryId(StableID::make(u"sample.category", u"Food")));
    EXPECT_EQ(named(ledger, "Card").id, AccountId(StableID::make(u"sample.account", u"Card")));
    EXPECT_EQ(groceries.id, EntryId(StableID::make(u"sample.transaction", u"id:1")));
}

TEST_F(LedgerImport, openingBalanceIsTheBalanceMinusTheTransactionsEffect)
{
    ASSERT_EQ(import(SmallLedger().files()), QString());
    const LedgerIndex ledger = index();
    // Card: 900 = opening − 120.50 + 1000 − 410, so the opening is 430.50.
    EXPECT_EQ(named(ledger, "Card").openingBalance, (Money{43050, q("UAH")}));
    EXPECT_EQ(ledger.currentBalance(named(ledger, "Card").id), (Money{90000, q("UAH")}));
    // Dollars received 10 USD, not 410.
    EXPECT_EQ(named(ledger, "Dollars").openingBalance, (Money{9000, q("USD")}));
    EXPECT_EQ(ledger.currentBalance(named(ledger, "Wallet").id), (Money{5000, q("UAH")}));
}

TEST_F(LedgerImport, checkpointsHoldAtTheEndOfTheirDay)
{
    SmallLedger ledgerFiles;
    QJsonObject card = ledgerFiles.accounts[0].toObject();
    // After 2026-01-10 the card held 430.50 − 120.50 + 1000 = 1310; the
    // bank said 1300 on 2026-03-31, so the later balance is 1300 − 410 = 890.
    card.insert(q("checkpoints"),
                QJsonArray{QJsonObject{{q("date"), q("2026-03-31")}, {q("balance"), 1300}},
                           QJsonObject{{q("date"), q("2026-01-10")}, {q("balance"), 1310}}});
    card.insert(q("balance"), q("890"));
    ledgerFiles.accounts[0] = card;
    ASSERT_EQ(import(ledgerFiles.files()), QString());
    const LedgerIndex ledger = index();
    const Account& account = named(ledger, "Card");
    EXPECT_EQ(account.openingBalance, (Money{43050, q("UAH")}));
    const auto changes = ledger.balanceChanges(account.id);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].checkpoint.date, kyiv(2026, 1, 11));
    EXPECT_EQ(changes[0].moved, (Money{0, q("UAH")}));
    EXPECT_EQ(changes[1].checkpoint.date, kyiv(2026, 4, 1));
    EXPECT_EQ(changes[1].moved, (Money{-1000, q("UAH")}));
    EXPECT_EQ(ledger.balance(account.id, kyiv(2026, 1, 11)), (Money{131000, q("UAH")}));
    EXPECT_EQ(ledger.currentBalance(account.id), (Money{89000, q("UAH")}));
    EXPECT_EQ(m_summary.balanceChanges, 2);
}

TEST_F(LedgerImport, refusesABalanceThatContradictsTheCheckpoints)
{
    SmallLedger ledgerFiles;
    QJsonObject card = ledgerFiles.accounts[0].toObject();
    card.insert(q("checkpoints"),
                QJsonArray{QJsonObject{{q("date"), q("2026-03-31")}, {q("balance"), 1300}}});
    ledgerFiles.accounts[0] = card; // "balance" 900, but 1300 − 410 = 890
    EXPECT_EQ(import(ledgerFiles.files()), q("accounts.json, record 1: \"balance\" 900 doesn’t "
                                             "match the last checkpoint plus the transactions "
                                             "after it, which give 890"));
    EXPECT_EQ(context().count<AccountModel>(), 0);
}

TEST_F(LedgerImport, resolvesPlansByNameAndStoresTheirDaysAtMidnight)
{
    ASSERT_EQ(import(SmallLedger().files()), QString());
    const LedgerIndex ledger = index();
    ASSERT_EQ(ledger.budgets().size(), 1u);
    const Budget& budget = ledger.budgets()[0];
    EXPECT_EQ(budget.limit, (Money{500000, q("UAH")}));
    ASSERT_EQ(budget.categoryIDs.size(), 2); // "Cafe" named twice counts once
    EXPECT_EQ(ledger.category(budget.categoryIDs[0])->name, q("Cafe"));
    ASSERT_EQ(ledger.goals().size(), 2u);
    const Goal& everything = ledger.goals()[0];
    EXPECT_TRUE(everything.allAccounts);
    EXPECT_EQ(everything.balanceMode, BalanceMode::reachBy);
    EXPECT_EQ(everything.deadline, kyiv(2027, 1, 31));
    const Goal& challenge = ledger.goals()[1];
    EXPECT_EQ(challenge.kind, GoalKind::challenge);
    EXPECT_EQ(ledger.category(*challenge.categoryID)->name, q("Cafe"));
    EXPECT_EQ(challenge.startDate, kyiv(2026, 7, 1));
    EXPECT_EQ(challenge.endDate, kyiv(2026, 7, 31));
}

TEST_F(LedgerImport, plansNameCategoriesByPathAndSavingGoalsTheirAccount)
{
    SmallLedger ledgerFiles;
    ledgerFiles.plans.insert(
        q("budgets"), QJsonArray{QJsonObject{{q("name"), q("Food")},
                                             {q("emoji"), q("🍞")},
                                             {q("limit"), 100},
                                             {q("categories"), QJsonArray{q("Food/Groceries")}}}});
    ledgerFiles.plans.insert(q("savingGoals"), QJsonArray{QJsonObject{{q("name"), q("Trip")},
                                                                      {q("saved"), 100},
                                                                      {q("target"), 500},
                                                                      {q("monthly"), 50},
                                                                      {q("account"), q("Dollars")}},
                                                          QJsonObject{{q("name"), q("Loose")},
                                                                      {q("saved"), 0},
                                                                      {q("target"), 10},
                                                                      {q("monthly"), 0}}});
    QJsonArray balance = ledgerFiles.plans.value(q("balanceGoals")).toArray();
    QJsonObject paidOff = balance[0].toObject();
    paidOff.insert(q("amount"), 0); // a card paid off is a target too
    balance[0] = paidOff;
    ledgerFiles.plans.insert(q("balanceGoals"), balance);
    ASSERT_EQ(import(ledgerFiles.files()), QString());

    const LedgerIndex ledger = index();
    ASSERT_EQ(ledger.budgets().size(), 1u);
    EXPECT_EQ(ledger.budgets()[0].emoji, q("🍞"));
    ASSERT_EQ(ledger.budgets()[0].categoryIDs.size(), 1);
    EXPECT_EQ(ledger.category(ledger.budgets()[0].categoryIDs[0])->name, q("Groceries"));
    ASSERT_EQ(ledger.goals().size(), 4u);
    EXPECT_EQ(ledger.goals()[0].accountIDs, QList<AccountId>{named(ledger, "Dollars").id});
    EXPECT_TRUE(ledger.goals()[1].accountIDs.isEmpty()) << "the account stays optional";
    EXPECT_EQ(ledger.goals()[2].target, (Money{0, q("UAH")}));
}

TEST_F(LedgerImport, plansFollowTheWritersRules)
{
    struct Case
    {
        const char* list;
        const char* key;
        QJsonValue value;
        const char* message;
    };
    const QJsonObject saving{
        {q("name"), q("Trip")}, {q("saved"), 0}, {q("target"), 500}, {q("monthly"), 50}};
    for (const Case& c : {
             Case{"savingGoals", "target", 0,
                  "plans.json, savingGoals, record 1: \"target\" must be greater than 0"},
             Case{"savingGoals", "account", q("Nowhere"),
                  "plans.json, savingGoals, record 1: \"account\" names no account: “Nowhere”"},
             Case{"balanceGoals", "amount", -1,
                  "plans.json, balanceGoals, record 1: \"amount\" may not be negative"},
             Case{"balanceGoals", "accounts", QJsonArray{},
                  "plans.json, balanceGoals, record 1: \"accounts\" names no account"},
             Case{"challenges", "category", q("Food/Bakery"),
                  "plans.json, challenges, record 1: no category has the name or path "
                  "“Food/Bakery”"},
             Case{"challenges", "end", q("2026-06-30"),
                  "plans.json, challenges, record 1: \"end\" is before \"start\""},
         }) {
        SmallLedger ledgerFiles;
        ledgerFiles.plans.insert(q("savingGoals"), QJsonArray{saving});
        QJsonArray list = ledgerFiles.plans.value(q(c.list)).toArray();
        QJsonObject record = list[0].toObject();
        record.insert(q(c.key), c.value);
        list[0] = record;
        ledgerFiles.plans.insert(q(c.list), list);
        EXPECT_EQ(import(ledgerFiles.files()), q(c.message)) << c.key;
        EXPECT_EQ(context().count<GoalModel>(), 0) << c.key;
    }
}

TEST_F(LedgerImport, dayShiftMovesEveryDate)
{
    ASSERT_EQ(import(SmallLedger().files(), 10), QString());
    const LedgerIndex ledger = index();
    EXPECT_EQ(ledger.entries()[0].date, kyiv(2026, 1, 20, 9, 30));
    EXPECT_EQ(ledger.goals()[1].startDate, kyiv(2026, 7, 11));
}

TEST_F(LedgerImport, theSameLedgerTwiceIsRefusedAndNothingIsDoubled)
{
    ASSERT_EQ(import(SmallLedger().files()), QString());
    EXPECT_EQ(import(SmallLedger().files()), q("accounts.json, record 1: the account “Card” is in "
                                               "the database already; this ledger was imported "
                                               "before"));
    EXPECT_EQ(context().count<TransactionModel>(), 4);
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(LedgerImport, aLedgerOfPlansAloneIsNotImportedTwiceEither)
{
    const LedgerFiles files{
        "[]", "[]", "[]",
        R"({"savingGoals": [{"name": "Trip", "saved": 0, "target": 900.5, "monthly": 100}]})"};
    ASSERT_EQ(import(files), QString());
    EXPECT_EQ(index().goals().front().target, (Money{90050, q("UAH")}));
    EXPECT_EQ(import(files),
              q("plans.json, goals: the goal “Trip” is in the database already; this ledger was "
                "imported before"));
    EXPECT_EQ(context().count<GoalModel>(), 1);
}

TEST_F(LedgerImport, aFailedSaveLeavesTheStoreEmpty)
{
    auto document = LedgerDocument::decode(SmallLedger().files());
    ASSERT_TRUE(document);
    context().failNextSaveForTesting(StoreError(StoreError::Code::diskFull));
    SampleImporter importer(context(), m_zone);
    EXPECT_THROW(importer.run(*document), StoreError);
    EXPECT_EQ(context().count<AccountModel>(), 0);
    EXPECT_EQ(context().count<TransactionModel>(), 0);
    EXPECT_FALSE(context().hasChanges());
}

// A broken record: which file, which key, which value, and the message.
struct BrokenCase
{
    const char* name;
    int file; // 0 accounts, 1 categories, 2 transactions, 3 plans
    int record;
    const char* key;
    QJsonValue value;
    const char* message;
};

class BrokenLedger : public LedgerImport, public ::testing::WithParamInterface<BrokenCase>
{
};

TEST_P(BrokenLedger, failsNamingTheFileAndRecordAndWritesNothing)
{
    const BrokenCase& c = GetParam();
    SmallLedger ledger;
    QJsonArray* lists[] = {&ledger.accounts, &ledger.categories, &ledger.transactions};
    if (c.file < 3) {
        QJsonObject record = (*lists[c.file])[c.record].toObject();
        if (c.value.isUndefined())
            record.remove(q(c.key));
        else
            record.insert(q(c.key), c.value);
        (*lists[c.file])[c.record] = record;
    } else {
        QJsonArray budgets = ledger.plans.value(q("budgets")).toArray();
        QJsonObject budget = budgets[0].toObject();
        budget.insert(q(c.key), c.value);
        budgets[0] = budget;
        ledger.plans.insert(q("budgets"), budgets);
    }
    EXPECT_EQ(import(ledger.files()), q(c.message)) << c.name;
    EXPECT_EQ(context().count<AccountModel>(), 0);
    EXPECT_EQ(context().count<CategoryModel>(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenLedger,
    ::testing::Values(
        BrokenCase{"unknownAccount", 2, 1, "account", q("Nowhere"),
                   "transactions.json, record 2 (id 2): \"account\" names no account: “Nowhere”"},
        BrokenCase{"unknownCategory", 2, 3, "category", q("Food/Bakery"),
                   "transactions.json, record 4 (id 4): \"category\" names no category path: "
                   "“Food/Bakery”"},
        BrokenCase{"badDate", 2, 0, "date", q("2026-02-30"),
                   "transactions.json, record 1 (id 1): \"date\" must be a day as YYYY-MM-DD, not "
                   "“2026-02-30”"},
        BrokenCase{"badTime", 2, 0, "time", q("24:00"),
                   "transactions.json, record 1 (id 1): \"time\" must be a time as HH:mm or h:mm "
                   "AM, not “24:00”"},
        BrokenCase{"unknownKind", 2, 0, "kind", q("refund"),
                   "transactions.json, record 1 (id 1): \"kind\" must be expense, income or "
                   "transfer, not “refund”"},
        BrokenCase{"tooManyDecimals", 2, 0, "amount", q("1.005"),
                   "transactions.json, record 1 (id 1): \"amount\" 1.005 has more decimal places "
                   "than UAH has (2)"},
        BrokenCase{"amountAsText", 2, 0, "amount", q("12,50"),
                   "transactions.json, record 1 (id 1): \"amount\" is not a number: “12,50”"},
        BrokenCase{"zeroAmount", 2, 0, "amount", 0,
                   "transactions.json, record 1 (id 1): \"amount\" must be greater than 0 (the "
                   "kind says which way "
                   "the money went)"},
        BrokenCase{"missingAmount", 2, 1, "amount", QJsonValue(QJsonValue::Undefined),
                   "transactions.json, record 2 (id 2): \"amount\" is missing"},
        BrokenCase{"transferWithoutToAmount", 2, 2, "toAmount", QJsonValue(QJsonValue::Undefined),
                   "transactions.json, record 3 (id 3): a transfer from UAH to USD needs "
                   "\"toAmount\", what arrived "
                   "in USD"},
        BrokenCase{"repeatedId", 2, 3, "id", 1,
                   "transactions.json, record 4 (id 1): another transaction already has this id"},
        BrokenCase{"sameAccountName", 0, 1, "name", q("Card"),
                   "accounts.json, record 2: another account already has the name “Card”"},
        BrokenCase{"unknownGroup", 0, 0, "group", q("bankLinked2"),
                   "accounts.json, record 1: \"group\" must be bank, cash, savings, credit or "
                   "investments, not "
                   "“bankLinked2”"},
        BrokenCase{"badColor", 0, 2, "color", q("blue"),
                   "accounts.json, record 3: \"color\" must be a colour as #RRGGBB, not “blue”"},
        BrokenCase{"pathNotJoined", 1, 2, "path", q("Food/Café"),
                   "categories.json, record 3: \"path\" must be “Food/Cafe”: the parent’s path and "
                   "the name joined by “/”"},
        BrokenCase{"wrongLevel", 1, 1, "level", 3,
                   "categories.json, record 2: \"level\" must be 2, one below its parent"},
        BrokenCase{"budgetCategory", 3, 0, "categories", QJsonArray{q("Coffee")},
                   "plans.json, budgets, record 1: no category has the name or path “Coffee”"},
        BrokenCase{"budgetWithoutLimit", 3, 0, "limit", 0,
                   "plans.json, budgets, record 1: \"limit\" must be greater than 0"},
        BrokenCase{"budgetWithoutCategories", 3, 0, "categories", QJsonArray{},
                   "plans.json, budgets, record 1: \"categories\" names no category"},
        BrokenCase{"accountNotText", 2, 0, "account", 7,
                   "transactions.json, record 1 (id 1): \"account\" must be a text, not a number"},
        BrokenCase{"unknownTransactionKey", 2, 1, "colour", q("#FFFFFF"),
                   "transactions.json, record 2 (id 2): \"colour\" is not a key the import knows"},
        BrokenCase{"unknownAccountKey", 0, 0, "limit", 100,
                   "accounts.json, record 1: \"limit\" is not a key the import knows"},
        BrokenCase{"unknownBudgetKey", 3, 0, "spent", 100,
                   "plans.json, budgets, record 1: \"spent\" is not a key the import knows"},
        BrokenCase{"unknownAccountKind", 0, 0, "kind", q("debitCard"),
                   "accounts.json, record 1: \"kind\" must be an account kind such as checking or "
                   "creditCard, not “debitCard”"},
        BrokenCase{"statementDayBeyondMonths", 0, 0, "statementDay", 32,
                   "accounts.json, record 1: \"statementDay\" must be a day of the month from 1 "
                   "to 31"},
        BrokenCase{"interestFinerThanBasisPoints", 0, 0, "interestRate", q("24.955"),
                   "accounts.json, record 1: \"interestRate\" must be a percentage with at most "
                   "two decimals"},
        BrokenCase{"limitFinerThanTheCurrency", 0, 1, "creditLimit", q("100.005"),
                   "accounts.json, record 2: \"creditLimit\" 100.005 has more decimal places "
                   "than UAH has (2)"},
        // What the writers refuse is refused here too, so that nothing
        // imported fails its first edit.
        BrokenCase{"transferToItself", 2, 2, "toAccount", q("Card"),
                   "transactions.json, record 3 (id 3): Pick two different accounts."},
        BrokenCase{"amountBeyondTheWriters", 2, 0, "amount", q("1000000000000"),
                   "transactions.json, record 1 (id 1): The amount is too large."},
        BrokenCase{"unknownCurrency", 0, 0, "currency", q("XYZ"),
                   "accounts.json, record 1: \"currency\" “XYZ” is not a currency the ledger "
                   "knows"},
        BrokenCase{"sameNameInOtherCase", 0, 1, "name", q("card"),
                   "accounts.json, record 2: another account already has the name “card”"},
        BrokenCase{"openingBalanceBeyondTheLimit", 0, 0, "balance", q("-9999999999999.99"),
                   "accounts.json, record 1: the opening balance of “Card” that this needs is "
                   "larger than any amount the ledger can hold"}),
    [](const ::testing::TestParamInfo<BrokenCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(LedgerImport, readsTheOptionalAccountKeys)
{
    SmallLedger ledger;
    QJsonObject card = ledger.accounts[0].toObject();
    card.remove(q("group")); // follows from the kind
    card.remove(q("sfSymbol"));
    card.insert(q("kind"), q("creditCard"));
    card.insert(q("creditLimit"), q("20000.50"));
    card.insert(q("statementDay"), 31);
    card.insert(q("paymentDueDay"), 5);
    card.insert(q("interestRate"), 24.9);
    ledger.accounts[0] = card;
    QJsonObject wallet = ledger.accounts[1].toObject();
    wallet.insert(q("archived"), true);
    ledger.accounts[1] = wallet;
    ASSERT_EQ(import(ledger.files()), QString());

    const LedgerIndex ledgerIndex = index();
    const Account& imported = named(ledgerIndex, "Card");
    EXPECT_EQ(imported.kind, AccountKind::creditCard);
    EXPECT_EQ(listGroup(imported), AccountGroup::credit);
    EXPECT_EQ(imported.sfSymbol, q("creditcard.and.123"));
    EXPECT_EQ(imported.creditLimit, (Money{2000050, q("UAH")}));
    EXPECT_EQ(imported.statementDay, 31);
    EXPECT_EQ(imported.paymentDueDay, 5);
    EXPECT_EQ(imported.interestRate, *Decimal::parse(u"24.9"));
    EXPECT_TRUE(named(ledgerIndex, "Wallet").isArchived);
    EXPECT_FALSE(named(ledgerIndex, "Dollars").isArchived);
    EXPECT_FALSE(named(ledgerIndex, "Dollars").creditLimit);
}

TEST_F(LedgerImport, aFileThatIsNotJsonNamesTheFileAndPlace)
{
    LedgerFiles files = SmallLedger().files();
    files.categories = "[\n {\"path\": \"Food\",}\n]";
    EXPECT_EQ(import(files), q("categories.json: not readable as JSON (line 2, column 18: expected "
                               "a key in double quotes)"));
    files = SmallLedger().files();
    files.plans = "[]";
    EXPECT_EQ(import(files), q("plans.json: the file must hold one object, not an array"));
}

// ---- the built-in sample ---------------------------------------------------

// What the sample's accounts hold at the end, from accounts.json.
const std::map<QString, Money>& sampleBalances()
{
    static const std::map<QString, Money> balances{
        {q("Monobank Black"), {5190248, q("UAH")}},   {q("Cash"), {512100, q("UAH")}},
        {q("Savings Deposit"), {19295033, q("UAH")}}, {q("Credit Card"), {-2869250, q("UAH")}},
        {q("Wise USD"), {465000, q("USD")}},          {q("Euro Cash"), {12770, q("EUR")}},
        {q("Brokerage"), {730555, q("USD")}},
    };
    return balances;
}

TEST_F(LedgerImport, sampleDataEndsWithTheBalancesItStates)
{
    const ImportSummary summary = SampleData::load(context(), m_zone, QDate(2026, 11, 30));
    EXPECT_EQ(summary, (ImportSummary{7, 50, 756, 2, 4, 6}));
    const LedgerIndex ledger = index();
    for (const auto& [name, balance] : sampleBalances())
        EXPECT_EQ(ledger.currentBalance(named(ledger, name.toUtf8().constData()).id), balance)
            << qPrintable(name);
    // The January reconciliation matched the ledger; October's found 120
    // hryvnias of untracked spending.
    const auto changes = ledger.balanceChanges(named(ledger, "Monobank Black").id);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].moved, (Money{0, q("UAH")}));
    EXPECT_EQ(changes[1].moved, (Money{-12000, q("UAH")}));
    EXPECT_EQ(ledger.entries().back().date.toTimeZone(m_zone).date(), QDate(2026, 11, 30));
}

TEST_F(LedgerImport, sampleDataFollowsToday)
{
    SampleData::load(context(), m_zone, QDate(2031, 3, 15));
    const LedgerIndex ledger = index();
    EXPECT_EQ(ledger.entries().back().date.toTimeZone(m_zone).date(), QDate(2031, 3, 15));
    EXPECT_EQ(ledger.entries().front().date.toTimeZone(m_zone).date(), QDate(2030, 3, 16));
    for (const auto& [name, balance] : sampleBalances())
        EXPECT_EQ(ledger.currentBalance(named(ledger, name.toUtf8().constData()).id), balance)
            << qPrintable(name);
}

} // namespace
} // namespace tallyra
