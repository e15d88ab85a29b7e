// Drives the built tallyra-cli through its write commands and checks the
// database it leaves behind.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>

#include <gtest/gtest.h>

#include "store/record_builders.h"
#include "store/store_container.h"
#include "store/store_context.h"

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

// The ledger as value records, each list in store order.
struct Ledger
{
    QList<Account> accounts;
    QList<CategoryItem> categories;
    QList<Entry> entries;
    QList<BalanceCheckpoint> checkpoints;

    friend bool operator==(const Ledger& a, const Ledger& b) = default;
};

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

class CliWriteCommands : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    [[nodiscard]] QString database() const { return m_dir.filePath(q("ledger.sqlite")); }

    CliRun run(QStringList arguments, QStringList globals = {})
    {
        QProcess process;
        QStringList all{q("--db"),    database(),      q("--tz"),       q("Europe/Kyiv"),
                        q("--today"), q("2025-03-07"), q("--currency"), q("UAH")};
        all += globals;
        all += arguments;
        process.start(QString::fromUtf8(TALLYRA_CLI_PATH), all);
        EXPECT_TRUE(process.waitForFinished(60000)) << "tallyra-cli did not finish";
        return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                      QString::fromUtf8(process.readAllStandardOutput()),
                      QString::fromUtf8(process.readAllStandardError())};
    }

    // The id a --json command printed.
    QString idOf(const CliRun& result, const char* key = "id")
    {
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
        const QString id = object.value(q(key)).toString();
        EXPECT_TRUE(EntryId::fromString(id).has_value()) << result.out.toStdString();
        EXPECT_EQ(id, id.toLower()) << "canonical UUID text";
        EXPECT_FALSE(id.startsWith(u'{'));
        return id;
    }

    Ledger ledger()
    {
        auto opened = StoreContainer::open(StoreConfiguration::onDisk(database()));
        EXPECT_TRUE(opened);
        if (!opened)
            return {};
        StoreContext& context = opened.value()->mainContext();
        const QList<AccountModel> accounts = context.fetch<AccountModel>();
        const QList<CategoryModel> categories = context.fetch<CategoryModel>();
        const RecordLinks links(accounts, categories);
        Ledger ledger;
        for (const AccountModel& account : accounts)
            ledger.accounts.append(makeAccount(account));
        for (const CategoryModel& category : categories)
            ledger.categories.append(makeCategoryItem(category, links));
        for (const TransactionModel& transaction : context.fetch<TransactionModel>())
            ledger.entries.append(makeEntry(transaction, links));
        for (const BalanceCheckpointModel& checkpoint : context.fetch<BalanceCheckpointModel>())
            if (auto record = makeBalanceCheckpoint(checkpoint, links))
                ledger.checkpoints.append(*record);
        return ledger;
    }

    QList<TransactionModel> storedTransactions()
    {
        auto opened = StoreContainer::open(StoreConfiguration::onDisk(database()));
        EXPECT_TRUE(opened);
        return opened ? opened.value()->mainContext().fetch<TransactionModel>()
                      : QList<TransactionModel>();
    }

    const Entry* entry(const Ledger& rows, const QString& id)
    {
        for (const Entry& e : rows.entries)
            if (e.id.toString() == id)
                return &e;
        return nullptr;
    }

    void seed()
    {
        card = idOf(
            run({q("account"), q("add"), q("Card"), q("--kind"), q("checking"), q("--currency"),
                 q("UAH"), q("--balance"), q("1000"), q("--on"), q("2025-03-01")},
                {q("--json")}));
        dollars = idOf(run({q("account"), q("add"), q("Dollars"), q("--kind"), q("savings"),
                            q("--currency"), q("USD")},
                           {q("--json")}));
        // A new database starts with the starter categories.
        food = categoryId(q("Food"), std::nullopt);
        groceries = categoryId(q("Groceries"), food);
    }

    QString categoryId(const QString& name, const std::optional<QString>& parent)
    {
        for (const CategoryItem& category : ledger().categories) {
            const std::optional<QString> itsParent =
                category.parentID ? std::optional(category.parentID->toString()) : std::nullopt;
            if (category.name == name && itsParent == parent)
                return category.id.toString();
        }
        ADD_FAILURE() << "no category " << name.toStdString();
        return {};
    }

    QTemporaryDir m_dir;
    QString card, dollars, food, groceries;
};

TEST_F(CliWriteCommands, accountAndCategoryAddCreateWhatTheySay)
{
    seed();
    const Ledger rows = ledger();
    ASSERT_EQ(rows.accounts.size(), 2);
    EXPECT_EQ(rows.accounts.at(0).id.toString(), card);
    EXPECT_EQ(rows.accounts.at(0).kind, AccountKind::checking);
    EXPECT_EQ(rows.accounts.at(1).currency, q("USD"));
    ASSERT_EQ(rows.checkpoints.size(), 1) << "the balance is recorded as a balance change";
    EXPECT_EQ(rows.checkpoints.at(0).balance.minor, 100000);
    EXPECT_EQ(rows.checkpoints.at(0).date, QDateTime(QDate(2025, 3, 1), QTime(22, 0), Qt::UTC))
        << "the end of 1 March in Kyiv";
    EXPECT_GT(rows.categories.size(), 20) << "the starter categories";
    EXPECT_FALSE(food.isEmpty());
    EXPECT_FALSE(groceries.isEmpty());

    const QString fruit =
        idOf(run({q("category"), q("add"), q("Food/Groceries/Fruit")}, {q("--json")}));
    EXPECT_EQ(categoryId(q("Fruit"), groceries), fruit);
}

TEST_F(CliWriteCommands, secondAccountOrCategoryOfANameIsRefused)
{
    seed();
    const Ledger before = ledger();
    struct Case
    {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{q("category"), q("add"), q("Food"), q("--kind"), q("expense")},
         "There\u2019s already a category with that name here."},
        {{q("category"), q("add"), q("food/groceries")},
         "There\u2019s already a category with that name here."},
        {{q("account"), q("add"), q("card"), q("--kind"), q("cash"), q("--currency"), q("UAH")},
         "There\u2019s already an account with that name."},
        {{q("account"), q("edit"), q("Dollars"), q("--name"), q(" Card ")},
         "There\u2019s already an account with that name."},
    };
    for (const Case& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(result.err.trimmed(), q(c.message)) << c.arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(ledger(), before);
    // An income category may share a top-level name with an expense one.
    EXPECT_EQ(run({q("category"), q("add"), q("Food"), q("--kind"), q("income")}).exitCode, 0);
}

TEST_F(CliWriteCommands, editWithNothingToChangeChangesNothing)
{
    seed();
    const QString id = idOf(
        run({q("add"), q("expense"), q("20"), q("--account"), q("Card"), q("--time"), q("09:15")},
            {q("--json")}));
    const QList<TransactionModel> before = storedTransactions();
    ASSERT_EQ(before.size(), 1);
    for (const QStringList& edit :
         {QStringList{q("edit"), id}, QStringList{q("edit"), id, q("--amount"), q("20.00")},
          QStringList{q("edit"), id, q("--account"), q("card")}}) {
        // The clock of a run is the real time of day on the pinned date, so
        // a write would show as a later updatedAt.
        QThread::msleep(5);
        const CliRun result = run(edit);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(storedTransactions(), before)
            << edit.join(u' ').toStdString() << ": not even its time";
    }
}

TEST_F(CliWriteCommands, addReadsAmountsWithTheMoneyInputRules)
{
    seed();
    const QString comma = idOf(run({q("add"), q("expense"), q("12,50"), q("--account"), q("Card"),
                                    q("--category"), q("Food/Groceries"), q("--payee"), q(" Shop "),
                                    q("--tags"), q("a, , b"), q("--date"), q("2025-03-05")},
                                   {q("--json")}));
    const QString sum = idOf(run({q("add"), q("expense"), q("10+2.5"), q("--account"), card,
                                  q("--time"), q("09:15"), q("--uncleared")},
                                 {q("--json")}));
    const QString german =
        idOf(run({q("add"), q("income"), q("1.234,5"), q("--account"), q("card")},
                 {q("--json"), q("--locale"), q("de_DE")}));

    const Ledger rows = ledger();
    const Entry* first = entry(rows, comma);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->amount, (Money{1250, q("UAH")}));
    EXPECT_EQ(first->categoryID->toString(), groceries);
    EXPECT_EQ(first->payee, q("Shop"));
    EXPECT_EQ(first->tags(), (QStringList{q("a"), q("b")}));
    EXPECT_FALSE(first->hasTime);
    EXPECT_EQ(first->date, QDateTime(QDate(2025, 3, 5), QTime(10, 0), Qt::UTC)) << "noon in Kyiv";
    EXPECT_TRUE(first->cleared);
    const Entry* second = entry(rows, sum);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->amount.minor, 1250);
    EXPECT_TRUE(second->hasTime);
    EXPECT_EQ(second->date, QDateTime(QDate(2025, 3, 7), QTime(7, 15), Qt::UTC));
    EXPECT_FALSE(second->cleared);
    EXPECT_EQ(entry(rows, german)->amount.minor, 123450);
    EXPECT_EQ(entry(rows, german)->kind, EntryKind::income);
}

TEST_F(CliWriteCommands, aRejectedWritePrintsTheWritersMessageAndChangesNothing)
{
    seed();
    const Ledger before = ledger();
    struct Case
    {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{q("add"), q("transfer"), q("5"), q("--account"), q("Card"), q("--to"), q("Card")},
         "Pick two different accounts."},
        {{q("add"), q("transfer"), q("410"), q("--account"), q("Card"), q("--to"), q("Dollars")},
         "Enter how much arrived."},
        {{q("add"), q("expense"), q("0"), q("--account"), q("Card")}, "Enter an amount."},
        {{q("add"), q("expense"), q(""), q("--account"), q("Card")}, "Enter an amount."},
        // A calculation whose result rounds to nothing in the currency.
        {{q("add"), q("expense"), q("0.01/3"), q("--account"), q("Card")}, "Enter an amount."},
        {{q("add"), q("expense"), q("0.00"), q("--account"), q("Card")}, "Enter an amount."},
        {{q("add"), q("transfer"), q("4"), q("--account"), q("Card"), q("--to"), q("Dollars"),
          q("--received"), q("0.01/4")},
         "Enter how much arrived."},
        {{q("add"), q("transfer"), q("5"), q("--account"), q("Card")},
         "Choose where the money goes."},
        {{q("add"), q("expense"), q("1000000000000"), q("--account"), q("Card")},
         "The amount is too large."},
        {{q("edit"), q("7f1c2a44-0000-4000-8000-000000000001"), q("--amount"), q("3")},
         "The transaction no longer exists \u2014 it may have been deleted on another device."},
        {{q("category"), q("add"), q("Food/ ")}, "Give it a name."},
        {{q("category"), q("add"), q("Food/Groceries/A/B")},
         "There is no category \u201cFood/Groceries/A\u201d."},
        {{q("add"), q("expense"), q("5"), q("--account"), q("Nowhere")},
         "There is no account \u201cNowhere\u201d."},
    };
    for (const Case& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(result.err.trimmed(), q(c.message)) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(ledger(), before);
}

TEST_F(CliWriteCommands, amountsTheFieldWouldNotTakeAreRefusedByName)
{
    seed();
    const Ledger before = ledger();
    struct Case
    {
        QStringList arguments;
        const char* message;
    };
    const auto add = [](const char* amount) {
        return QStringList{q("add"), q("expense"), q(amount), q("--account"), q("Card")};
    };
    const char* notAmount =
        "Can\u2019t read \u201c%1\u201d as an amount: \u201c%2\u201d is not part of one.";
    const Case cases[] = {
        {add("1e5"), "e"},
        {add("(1+2)*3"), "()"},
        {add("0x10"), "x"},
        {add("1..2"), "."},
        {add("lots"), "lots"},
        {add("12\u20AC"), "\u20AC"},
        {{q("add"), q("transfer"), q("4"), q("--account"), q("Card"), q("--to"), q("Dollars"),
          q("--received"), q("1e2")},
         "e"},
        {{q("set-balance"), q("Card"), q("5k")}, "k"},
        {{q("account"), q("add"), q("Cash"), q("--kind"), q("cash"), q("--currency"), q("UAH"),
          q("--balance"), q("1_000")},
         "_"},
    };
    for (const Case& c : cases) {
        const CliRun result = run(c.arguments);
        const QString text = c.arguments.size() == 5 ? c.arguments.at(2) : c.arguments.last();
        EXPECT_EQ(result.exitCode, 1) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(result.err.trimmed(), q(notAmount).arg(text, q(c.message)))
            << c.arguments.join(u' ').toStdString();
    }
    const CliRun cents = run(add("12.345"));
    EXPECT_EQ(cents.exitCode, 1);
    EXPECT_EQ(cents.err.trimmed(),
              q("Can\u2019t read \u201c12.345\u201d as an amount in UAH: it has "
                "more decimal places than UAH allows (\u201c5\u201d would be "
                "left out)."));
    EXPECT_EQ(ledger(), before);
}

TEST_F(CliWriteCommands, aTimeInADaylightSavingGapIsTheFirstInstantAfterIt)
{
    seed();
    // Kyiv moved its clocks from 03:00 to 04:00 on 30 March 2025.
    const QString gap = idOf(run({q("add"), q("expense"), q("5"), q("--account"), q("Card"),
                                  q("--date"), q("2025-03-30"), q("--time"), q("03:30")},
                                 {q("--json")}));
    const QString repeated = idOf(run({q("add"), q("expense"), q("5"), q("--account"), q("Card"),
                                       q("--date"), q("2025-10-26"), q("--time"), q("03:30")},
                                      {q("--json")}));
    const Ledger rows = ledger();
    ASSERT_TRUE(entry(rows, gap));
    EXPECT_EQ(entry(rows, gap)->date, QDateTime(QDate(2025, 3, 30), QTime(1, 0), Qt::UTC));
    ASSERT_TRUE(entry(rows, repeated));
    EXPECT_EQ(entry(rows, repeated)->date, QDateTime(QDate(2025, 10, 26), QTime(0, 30), Qt::UTC))
        << "the first of the two 03:30s";
}

TEST_F(CliWriteCommands, editDeleteAndSetBalance)
{
    seed();
    const QString id =
        idOf(run({q("add"), q("expense"), q("20"), q("--account"), q("Card")}, {q("--json")}));
    EXPECT_EQ(idOf(run({q("edit"), id, q("--amount"), q("35.5"), q("--category"), q("Food"),
                        q("--date"), q("2025-03-06")},
                       {q("--json")})),
              id);
    Ledger rows = ledger();
    ASSERT_TRUE(entry(rows, id));
    EXPECT_EQ(entry(rows, id)->amount.minor, 3550);
    EXPECT_EQ(entry(rows, id)->categoryID->toString(), food);
    EXPECT_EQ(entry(rows, id)->date.toTimeZone(QTimeZone(QByteArrayLiteral("Europe/Kyiv"))).date(),
              QDate(2025, 3, 6));
    EXPECT_TRUE(entry(rows, id)->hasTime) << "a timed transaction keeps its time of day";

    const CliRun balance =
        run({q("set-balance"), q("Card"), q("500"), q("--on"), q("2025-03-03")}, {q("--json")});
    const QString checkpoint = idOf(balance);
    rows = ledger();
    ASSERT_EQ(rows.checkpoints.size(), 2);
    bool found = false;
    for (const BalanceCheckpoint& c : rows.checkpoints) {
        if (c.id.toString() != checkpoint)
            continue;
        found = true;
        EXPECT_EQ(c.balance.minor, 50000);
        EXPECT_EQ(c.date, QDateTime(QDate(2025, 3, 3), QTime(22, 0), Qt::UTC));
    }
    EXPECT_TRUE(found);

    const CliRun deleted =
        run({q("delete"), id, q("00000000-0000-4000-8000-000000000009")}, {q("--json")});
    EXPECT_EQ(deleted.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(deleted.out.toUtf8()).object();
    EXPECT_EQ(object.value(q("deleted")).toArray().size(), 1);
    EXPECT_EQ(object.value(q("missing")).toArray().size(), 1);
    EXPECT_FALSE(entry(ledger(), id));

    const CliRun again = run({q("delete"), id});
    EXPECT_EQ(again.exitCode, 1);
}

TEST_F(CliWriteCommands, textOutputSaysWhatWasDone)
{
    seed();
    const CliRun added =
        run({q("add"), q("transfer"), q("410"), q("--account"), q("Card"), q("--to"), q("Dollars"),
             q("--received"), q("10"), q("--date"), q("2025-03-04")});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_TRUE(added.out.startsWith(
        q("Added transfer 410.00 UAH from Card to Dollars (10.00 USD) on 2025-03-04")))
        << added.out.toStdString();
    const CliRun category = run({q("category"), q("add"), q("Food/Groceries/Fruit")});
    EXPECT_TRUE(category.out.startsWith(q("Created category Food/Groceries/Fruit (expense, id ")))
        << category.out.toStdString();
    const CliRun usage = run({q("account"), q("add"), q("X")});
    EXPECT_EQ(usage.exitCode, 2);
}

} // namespace

namespace {

QJsonObject jsonOf(const CliRun& result)
{
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return QJsonDocument::fromJson(result.out.toUtf8()).object();
}

QStringList namesIn(const QJsonObject& plans, const char* list)
{
    QStringList names;
    for (const QJsonValue& plan : plans.value(q(list)).toArray())
        names.append(plan.toObject().value(q("name")).toString());
    return names;
}

TEST_F(CliWriteCommands, plansAreAddedChangedAndDeletedThroughTheWriter)
{
    seed();
    idOf(run({q("budget"), q("add"), q("Eating"), q("--limit"), q("3000"), q("--categories"),
              q("Food/Groceries, Food"), q("--emoji"), q("🍞")},
             {q("--json")}));
    idOf(run({q("goal"), q("add"), q("saving"), q("Trip"), q("--target"), q("5000"), q("--monthly"),
              q("1000"), q("--assigned"), q("500"), q("--deadline"), q("2025-12-31"),
              q("--account"), q("Dollars")},
             {q("--json")}));
    idOf(run({q("goal"), q("add"), q("balance"), q("Cushion"), q("--mode"), q("stayAbove"),
              q("--amount"), q("500"), q("--accounts"), q("Card")},
             {q("--json")}));
    idOf(run({q("challenge"), q("add"), q("No snacks"), q("--category"), q("Food/Groceries"),
              q("--start"), q("2025-03-01"), q("--end"), q("2025-03-31")},
             {q("--json")}));

    QJsonObject plans = jsonOf(run({q("plans")}, {q("--json")}));
    EXPECT_EQ(namesIn(plans, "budgets"), QStringList{q("Eating")});
    EXPECT_EQ(namesIn(plans, "savingGoals"), QStringList{q("Trip")});
    EXPECT_EQ(namesIn(plans, "balanceGoals"), QStringList{q("Cushion")});
    EXPECT_EQ(namesIn(plans, "challenges"), QStringList{q("No snacks")});
    const QJsonObject budget = jsonOf(run({q("budget"), q("Eating")}, {q("--json")}));
    EXPECT_EQ(budget.value(q("month")).toObject().value(q("limit")).toObject().value(q("minor")),
              300000);
    EXPECT_EQ(budget.value(q("categories")).toArray().size(), 2);
    QJsonObject trip = jsonOf(run({q("goal"), q("Trip")}, {q("--json")}));
    EXPECT_EQ(trip.value(q("deadline")).toString(), q("2025-12-01"));
    EXPECT_EQ(trip.value(q("savingsAccount")).toString(), q("Dollars"));
    EXPECT_EQ(trip.value(q("monthsToDeadline")).toInt(), 9);

    idOf(run({q("plan"), q("edit"), q("Eating"), q("--limit"), q("4000")}, {q("--json")}));
    idOf(run(
        {q("plan"), q("edit"), q("trip"), q("--deadline"), q("none"), q("--name"), q("Long trip")},
        {q("--json")}));
    const CliRun deleted = run({q("plan"), q("delete"), q("Cushion")});
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
    EXPECT_EQ(deleted.out, q("Deleted balance goal Cushion\n"));

    plans = jsonOf(run({q("plans")}, {q("--json")}));
    EXPECT_EQ(plans.value(q("budgets"))
                  .toArray()
                  .at(0)
                  .toObject()
                  .value(q("limit"))
                  .toObject()
                  .value(q("minor")),
              400000);
    EXPECT_EQ(namesIn(plans, "savingGoals"), QStringList{q("Long trip")});
    EXPECT_TRUE(namesIn(plans, "balanceGoals").isEmpty());
    trip = jsonOf(run({q("goal"), q("Long trip")}, {q("--json")}));
    EXPECT_TRUE(trip.value(q("deadline")).isNull());
    EXPECT_EQ(trip.value(q("status")).toString(), q("noDeadline"));
    EXPECT_EQ(trip.value(q("saved")).toObject().value(q("minor")), 50000) << "kept by the edit";
}

TEST_F(CliWriteCommands, aRejectedPlanWriteSaysWhyAndChangesNothing)
{
    seed();
    idOf(run(
        {q("budget"), q("add"), q("Eating"), q("--limit"), q("3000"), q("--categories"), q("Food")},
        {q("--json")}));
    const QString before = run({q("plans")}, {q("--json")}).out;
    struct Case
    {
        QStringList arguments;
        const char* message;
    };
    const char* invalid = "That change isn\u2019t possible here.";
    const Case cases[] = {
        {{q("budget"), q("add"), q("Zero"), q("--limit"), q("0"), q("--categories"), q("Food")},
         invalid},
        {{q("budget"), q("add"), q("None"), q("--limit"), q("10")}, invalid},
        {{q("budget"), q("add"), q(" "), q("--limit"), q("10"), q("--categories"), q("Food")},
         invalid},
        {{q("goal"), q("add"), q("saving"), q("Trip"), q("--target"), q("10")}, invalid},
        {{q("goal"), q("add"), q("balance"), q("Card"), q("--mode"), q("reachBy"), q("--amount"),
          q("0"), q("--all-accounts")},
         invalid},
        {{q("challenge"), q("add"), q("Late"), q("--category"), q("Food"), q("--start"),
          q("2025-03-10"), q("--end"), q("2025-03-01")},
         invalid},
        {{q("plan"), q("edit"), q("Eating"), q("--limit"), q("0")}, invalid},
        {{q("budget"), q("add"), q("Lots"), q("--limit"), q("lots"), q("--categories"), q("Food")},
         "Can\u2019t read \u201clots\u201d as an amount: \u201clots\u201d is not part of one."},
        {{q("plan"), q("delete"), q("Nope")}, "There is no plan named \u201cNope\u201d."},
        {{q("budget"), q("Nope")}, "There is no budget named \u201cNope\u201d."},
        {{q("goal"), q("Eating")}, "There is no goal named \u201cEating\u201d."},
        {{q("challenge"), q("Nope")}, "There is no challenge named \u201cNope\u201d."},
    };
    for (const Case& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(result.err.trimmed(), q(c.message)) << c.arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(run({q("plans")}, {q("--json")}).out, before);
    const CliRun wrongOption = run({q("plan"), q("edit"), q("Eating"), q("--target"), q("5")});
    EXPECT_EQ(wrongOption.exitCode, 2);
    EXPECT_EQ(wrongOption.err.trimmed(), q("--target does not apply to a budget."));
}

} // namespace
