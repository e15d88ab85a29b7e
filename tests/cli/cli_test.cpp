// tallyra-cli from the outside: each test runs the built program with its
// own database, settings and data folders in a temporary directory, a
// pinned day and zone, and a rates file, and checks what it prints.
//
// The expected figures of the sample ledger were worked out from its JSON
// files on their own (exact decimals, USD at 40 and EUR at 45 hryvnias).

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Failures show the JSON text rather than bytes.
inline void PrintTo(const QJsonObject& object, std::ostream* os)
{
    *os << QJsonDocument(object).toJson(QJsonDocument::Compact).constData();
}

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;

    [[nodiscard]] QJsonValue json() const
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << out.constData();
        return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    }
};

QJsonObject money(qint64 minor, const char* currency)
{
    return QJsonObject{{q("minor"), minor}, {q("currency"), q(currency)}};
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class TallyraCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_db = m_dir.filePath(q("ledger.sqlite"));
        QFile rates(m_dir.filePath(q("rates.json")));
        ASSERT_TRUE(rates.open(QIODevice::WriteOnly));
        rates.write(
            R"({"base": "UAH", "perUnit": {"USD": "40", "EUR": "45"}, "sources": {"USD": "nbu", "EUR": "nbu"}})");
    }

    // Runs tallyra-cli with the test's database, zone, day, rates and main
    // currency (the sample's UAH) in front of the given arguments.
    CliRun cli(const QStringList& arguments, bool withDatabase = true)
    {
        QStringList all{q("--tz"),       q("Europe/Kyiv"), q("--today"),
                        q("2026-11-30"), q("--rates"),     m_dir.filePath(q("rates.json")),
                        q("--currency"), q("UAH")};
        if (withDatabase)
            all << q("--db") << m_db;
        return run(all << arguments);
    }

    // Starts tallyra-cli with exactly these arguments.
    void start(QProcess& process, const QStringList& all)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Keep the user's own settings and data out of the test.
        environment.insert(q("XDG_CONFIG_HOME"), m_dir.filePath(q("config")));
        environment.insert(q("XDG_DATA_HOME"), m_dir.filePath(q("data")));
        process.setProcessEnvironment(environment);
        process.start(q(TALLYRA_CLI_PATH), all);
    }

    static CliRun finish(QProcess& process)
    {
        EXPECT_TRUE(process.waitForFinished(60'000));
        CliRun run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // Runs tallyra-cli with exactly these arguments.
    CliRun run(const QStringList& all)
    {
        QProcess process;
        start(process, all);
        return finish(process);
    }

    // The global options cli() puts in front, with the database.
    QStringList globals() const
    {
        return {q("--tz"),       q("Europe/Kyiv"),
                q("--today"),    q("2026-11-30"),
                q("--rates"),    m_dir.filePath(q("rates.json")),
                q("--currency"), q("UAH"),
                q("--db"),       m_db};
    }

    void importSample()
    {
        const CliRun run = cli({q("--json"), q("import"), q(TALLYRA_SAMPLE_DIR)});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.json().toObject(), (QJsonObject{{q("accounts"), 7},
                                                      {q("categories"), 50},
                                                      {q("transactions"), 756},
                                                      {q("balanceChanges"), 2},
                                                      {q("budgets"), 4},
                                                      {q("goals"), 6}}));
    }

    // A copy of the sample folder whose file `name` is replaced by `bytes`.
    QString brokenSample(const char* name, const QByteArray& bytes)
    {
        const QString folder = m_dir.filePath(q("broken"));
        QDir().mkpath(folder);
        for (const char* file :
             {"accounts.json", "categories.json", "transactions.json", "plans.json"}) {
            QFile::remove(folder + u'/' + q(file));
            QFile::copy(q(TALLYRA_SAMPLE_DIR) + u'/' + q(file), folder + u'/' + q(file));
        }
        QFile file(folder + u'/' + q(name));
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return folder;
    }

    QTemporaryDir m_dir;
    QString m_db;
};

TEST_F(TallyraCli, accountsListsTheSampleBalancesInAccountOrder)
{
    importSample();
    const CliRun run = cli({q("--json"), q("accounts")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QJsonArray accounts = run.json().toArray();
    struct Expected
    {
        const char* name;
        const char* kind;
        const char* group;
        qint64 minor;
        const char* currency;
    };
    // Bank, cash, savings, credit, investments; inside a section by order.
    const Expected expected[] = {
        {"Monobank Black", "checking", "bank", 5190248, "UAH"},
        {"Wise USD", "checking", "bank", 465000, "USD"},
        {"Cash", "cash", "cash", 512100, "UAH"},
        {"Euro Cash", "cash", "cash", 12770, "EUR"},
        {"Savings Deposit", "savings", "savings", 19295033, "UAH"},
        {"Credit Card", "creditCard", "credit", -2869250, "UAH"},
        {"Brokerage", "investment", "investments", 730555, "USD"},
    };
    ASSERT_EQ(accounts.size(), std::size(expected));
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        const QJsonObject account = accounts[i].toObject();
        const Expected& e = expected[i];
        EXPECT_EQ(account.value(q("name")).toString(), q(e.name));
        EXPECT_EQ(account.value(q("kind")).toString(), q(e.kind)) << e.name;
        EXPECT_EQ(account.value(q("group")).toString(), q(e.group)) << e.name;
        EXPECT_EQ(account.value(q("currency")).toString(), q(e.currency)) << e.name;
        EXPECT_FALSE(account.value(q("isArchived")).toBool());
        EXPECT_EQ(account.value(q("balance")).toObject(), money(e.minor, e.currency)) << e.name;
        EXPECT_EQ(account.value(q("id")).toString().size(), 36); // canonical UUID text
    }
}

TEST_F(TallyraCli, balanceAtTheEndOfADayByNameOrId)
{
    importSample();
    struct Case
    {
        const char* account;
        const char* day;
        qint64 minor;
        const char* currency;
    } cases[] = {
        {"Monobank Black", "2026-01-31", 3485408, "UAH"}, // the first balance change
        {"Monobank Black", "2026-10-31", 4816964, "UAH"}, // the second, 120 below the ledger
        {"Monobank Black", "2026-11-01", 2319464, "UAH"},
        {"Credit Card", "2026-06-30", -2266450, "UAH"},
        {"Euro Cash", "2026-06-30", 12000, "EUR"},
        {"Brokerage", "2026-06-30", 624618, "USD"},
    };
    for (const Case& c : cases) {
        const CliRun run = cli({q("--json"), q("balance"), q(c.account), q("--at"), q(c.day)});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.json().toObject(), money(c.minor, c.currency)) << c.account << ' ' << c.day;
    }
    const QString id =
        cli({q("--json"), q("accounts")}).json().toArray()[5].toObject().value(q("id")).toString();
    const CliRun byId = cli({q("balance"), id});
    EXPECT_EQ(byId.exitCode, 0) << qPrintable(byId.err);
    EXPECT_EQ(byId.out, QByteArray("−₴28,692.50\n"));

    const CliRun unknown = cli({q("balance"), q("Piggy Bank")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, q("No account is named “Piggy Bank”.\n"));
}

TEST_F(TallyraCli, totalsOfAPastMonthAndTheMonthBefore)
{
    importSample();
    const CliRun run =
        cli({q("--json"), q("totals"), q("--period"), q("1M"), q("--offset"), q("1")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QJsonObject result = run.json().toObject();
    // October 2026 in Kyiv: summer time until the 25th.
    EXPECT_EQ(result.value(q("window")).toObject(),
              (QJsonObject{{q("start"), q("2026-10-01T00:00:00+03:00")},
                           {q("end"), q("2026-11-01T00:00:00+02:00")},
                           {q("elapsedEnd"), q("2026-11-01T00:00:00+02:00")},
                           {q("isRolling"), false}}));
    auto totals = [](qint64 received, qint64 spent, qint64 moved, int incomes, int expenses,
                     int transfers) {
        return QJsonObject{{q("received"), money(received, "UAH")},
                           {q("spent"), money(spent, "UAH")},
                           {q("moved"), money(moved, "UAH")},
                           {q("incomeCount"), incomes},
                           {q("expenseCount"), expenses},
                           {q("transferCount"), transfers},
                           {q("incomeWithoutRate"), 0},
                           {q("expensesWithoutRate"), 0},
                           {q("transfersWithoutRate"), 0}};
    };
    EXPECT_EQ(result.value(q("totals")).toObject(), totals(10813566, 5183716, 4293716, 4, 53, 3));
    EXPECT_EQ(result.value(q("comparisonInterval")).toObject(),
              (QJsonObject{{q("start"), q("2026-09-01T00:00:00+03:00")},
                           {q("end"), q("2026-10-01T00:00:00+03:00")}}));
    EXPECT_EQ(result.value(q("comparison")).toObject(),
              totals(6956528, 4787166, 2736216, 2, 46, 3));

    // Without rates the foreign amounts are counted, not guessed.
    QFile::remove(m_dir.filePath(q("rates.json")));
    QFile empty(m_dir.filePath(q("rates.json")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write(R"({"base": "UAH", "perUnit": {}})");
    empty.close();
    const QJsonObject noRates =
        cli({q("--json"), q("totals"), q("--period"), q("1M"), q("--offset"), q("1")})
            .json()
            .toObject()
            .value(q("totals"))
            .toObject();
    EXPECT_EQ(noRates.value(q("incomeWithoutRate")).toInt(), 2); // freelance and dividends in USD
    EXPECT_EQ(noRates.value(q("transfersWithoutRate")).toInt(), 1);
}

TEST_F(TallyraCli, netWorthConvertsEveryAccount)
{
    importSample();
    for (const auto& [day, minor] :
         {std::pair{"2026-06-30", 59368409LL}, {"2026-11-30", 70524981LL}}) {
        const CliRun run = cli({q("--json"), q("networth"), q("--at"), q(day)});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.json().toObject(), money(minor, "UAH")) << day;
    }
    // --today pins "now" to the end of that day.
    EXPECT_EQ(cli({q("networth")}).out, QByteArray("₴705,249.81\n"));
    EXPECT_EQ(cli({q("--hide-balances"), q("networth")}).out, QByteArray("₴\u00A0•••\n"));
}

TEST_F(TallyraCli, exportWritesEveryTransactionAsCsv)
{
    importSample();
    const CliRun run = cli({q("export")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(),
              758); // header, 756 lines, and the empty piece after the final line feed
    EXPECT_EQ(
        lines.front(),
        QByteArray("Date,Time,Type,Amount,Currency,To Amount,To Currency,Payee,Category,Account,"
                   "To Account,Note,Tags,Cleared"));
    EXPECT_TRUE(lines.contains(
        QByteArray("2026-07-01,09:00,transfer,700,USD,598.4,EUR,Wise conversion,,Wise USD,"
                   "Euro Cash,,,yes")));
    EXPECT_TRUE(lines.contains(QByteArray("2026-07-13,16:20,expense,96,EUR,,,Wombat's City "
                                          "Hostel,Fun / Travel / Hotels / Hostels,Euro Cash,,,"
                                          "trip,yes")));
    EXPECT_EQ(
        lines[756],
        QByteArray(
            "2026-11-30,,income,968.31,UAH,,,PrivatBank,Interest & Dividends,Savings Deposit,,"
            "Deposit interest,,yes"));

    const QString file = m_dir.filePath(q("transactions.csv"));
    const CliRun toFile = cli({q("export"), file});
    ASSERT_EQ(toFile.exitCode, 0) << qPrintable(toFile.err);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), run.out);
}

TEST_F(TallyraCli, aBrokenLedgerFailsNamingTheRecordAndLeavesTheDatabaseAlone)
{
    importSample();
    const QByteArray before = fileHash(m_db);
    ASSERT_FALSE(before.isEmpty());

    QFile original(q(TALLYRA_SAMPLE_DIR "/transactions.json"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QJsonArray transactions = QJsonDocument::fromJson(original.readAll()).array();
    QJsonObject third = transactions[2].toObject();
    third.insert(q("account"), q("Nowhere"));
    transactions[2] = third;
    const CliRun unknownAccount =
        cli({q("import"), brokenSample("transactions.json", QJsonDocument(transactions).toJson())});
    EXPECT_EQ(unknownAccount.exitCode, 1);
    EXPECT_EQ(unknownAccount.err,
              q("transactions.json, record 3 (id 3): \"account\" names no account: “Nowhere”\n"));
    EXPECT_EQ(fileHash(m_db), before);

    const CliRun notJson =
        cli({q("import"), brokenSample("accounts.json", "[\n {\"name\": \"Cash\"\n]")});
    EXPECT_EQ(notJson.exitCode, 1);
    EXPECT_EQ(notJson.err,
              q("accounts.json: not readable as JSON (line 3, column 1: expected “,” or “}”)\n"));
    EXPECT_EQ(fileHash(m_db), before);

    // The same ledger a second time would double every transaction.
    const CliRun again = cli({q("import"), q(TALLYRA_SAMPLE_DIR)});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.startsWith(
        q("accounts.json, record 1: the account “Monobank Black” is in the database already")))
        << qPrintable(again.err);
    EXPECT_EQ(fileHash(m_db), before);
}

TEST_F(TallyraCli, twoImportsOfOneLedgerAtOnceImportItOnce)
{
    importSample();
    const QByteArray once = cli({q("--json"), q("accounts")}).out;
    ASSERT_FALSE(once.isEmpty());
    for (int attempt = 0; attempt < 4; ++attempt) {
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(m_db + q(suffix));
        QProcess first;
        QProcess second;
        start(first, globals() << q("import") << q(TALLYRA_SAMPLE_DIR));
        start(second, globals() << q("import") << q(TALLYRA_SAMPLE_DIR));
        const CliRun a = finish(first);
        const CliRun b = finish(second);
        ASSERT_EQ(a.exitCode + b.exitCode, 1) << qPrintable(a.err) << qPrintable(b.err);
        const QString refusal = a.exitCode == 1 ? a.err : b.err;
        EXPECT_TRUE(refusal.contains(q("this ledger was imported before"))) << qPrintable(refusal);
        const CliRun accounts = cli({q("--json"), q("accounts")});
        ASSERT_EQ(accounts.exitCode, 0) << qPrintable(accounts.err);
        EXPECT_EQ(accounts.out, once) << "every balance as after one import";
    }
}

TEST_F(TallyraCli, anOutputThatCannotBeWrittenFailsInsteadOfStoppingShort)
{
    importSample();
    QProcess full;
    full.setStandardOutputFile(q("/dev/full"));
    start(full, globals() << q("export"));
    const CliRun toFullDisk = finish(full);
    EXPECT_EQ(toFullDisk.exitCode, 1);
    EXPECT_TRUE(toFullDisk.err.startsWith(q("The output couldn’t be written: ")))
        << qPrintable(toFullDisk.err);

    const QString nowhere = m_dir.filePath(q("no/such/folder/all.csv"));
    const CliRun toMissingFolder = cli({q("export"), nowhere});
    EXPECT_EQ(toMissingFolder.exitCode, 1);
    EXPECT_TRUE(toMissingFolder.err.startsWith(q("The export couldn’t be written to")))
        << qPrintable(toMissingFolder.err);
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(TallyraCli, statusSaysWhereTheLedgerIsAndWhatItHolds)
{
    const CliRun before = cli({q("--json"), q("status")});
    ASSERT_EQ(before.exitCode, 0) << qPrintable(before.err);
    EXPECT_EQ(before.json().toObject().value(q("exists")), QJsonValue(false));
    EXPECT_FALSE(QFile::exists(m_db)) << "status creates nothing";

    importSample();
    const QJsonObject status = cli({q("--json"), q("status")}).json().toObject();
    EXPECT_EQ(status.value(q("database")).toString(), m_db);
    EXPECT_GT(status.value(q("bytes")).toInteger(), 0);
    EXPECT_EQ(status.value(q("accounts")).toInteger(), 7);
    EXPECT_EQ(status.value(q("categories")).toInteger(), 50);
    EXPECT_EQ(status.value(q("transactions")).toInteger(), 756);
    EXPECT_FALSE(status.value(q("sync")).toString().isEmpty());
    EXPECT_TRUE(status.value(q("ratesUpdated")).isNull()) << "this run's settings have no rates";
}

TEST_F(TallyraCli, anEmptyDatabaseFileIsReadAsAnEmptyLedgerAndLeftEmpty)
{
    QFile empty(m_db);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const CliRun accounts = cli({q("--json"), q("accounts")});
    EXPECT_EQ(accounts.exitCode, 0) << qPrintable(accounts.err);
    EXPECT_EQ(accounts.json().toArray().size(), 0);
    EXPECT_EQ(QFileInfo(m_db).size(), 0) << "a command that reads writes nothing";
}

TEST_F(TallyraCli, aMissingFileOrDatabaseIsReported)
{
    const CliRun missing = cli({q("import"), brokenSample("accounts.json", "[]")});
    ASSERT_EQ(missing.exitCode, 1) << "the sample's transactions name accounts";
    EXPECT_EQ(
        missing.err,
        q("transactions.json, record 1 (id 1): \"account\" names no account: “Monobank Black”\n"));
    EXPECT_FALSE(QFile::exists(m_db)) << "a failed import leaves no new database behind";
    QFile::remove(m_dir.filePath(q("broken/categories.json")));
    const CliRun noFile = cli({q("import"), m_dir.filePath(q("broken"))});
    EXPECT_EQ(noFile.exitCode, 1);
    EXPECT_EQ(noFile.err, q("categories.json: the file is missing\n"));
    EXPECT_FALSE(QFile::exists(m_db));

    const CliRun noDatabase = cli({q("accounts")});
    EXPECT_EQ(noDatabase.exitCode, 1);
    EXPECT_EQ(noDatabase.err, q("There is no database at “%1”.\n").arg(m_db));
    EXPECT_FALSE(QFile::exists(m_db));
}

TEST_F(TallyraCli, backupMakesADatedFolderWithTheDatabase)
{
    importSample();
    const QString target = m_dir.filePath(q("backups"));
    const CliRun first = cli({q("backup"), target});
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.err);
    const QString folder = QString::fromUtf8(first.out).trimmed();
    EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(q("Tallyra Backup ")))
        << qPrintable(folder);
    EXPECT_EQ(QFileInfo(folder).absolutePath(), QFileInfo(target).absoluteFilePath());
    EXPECT_TRUE(QFile::exists(folder + q("/ledger.sqlite")));

    // The copy is a whole ledger of its own.
    const CliRun fromCopy =
        cli({q("--json"), q("--db"), folder + q("/ledger.sqlite"), q("networth")}, false);
    ASSERT_EQ(fromCopy.exitCode, 0) << qPrintable(fromCopy.err);
    EXPECT_EQ(fromCopy.json().toObject(), money(70524981, "UAH"));

    const CliRun sample = cli({q("--sample-data"), q("backup"), target}, false);
    EXPECT_EQ(sample.exitCode, 1);
    EXPECT_EQ(sample.err, q("This data isn’t kept in a file, so there is nothing to back up.\n"));
}

TEST_F(TallyraCli, sampleDataEndsTodayInItsHomeCurrency)
{
    const CliRun accounts =
        cli({q("--sample-data"), q("--today"), q("2030-05-01"), q("--json"), q("accounts")}, false);
    ASSERT_EQ(accounts.exitCode, 0) << qPrintable(accounts.err);
    EXPECT_EQ(accounts.json().toArray()[0].toObject().value(q("balance")).toObject(),
              money(5190248, "UAH"));
    const CliRun worth =
        cli({q("--sample-data"), q("--today"), q("2030-05-01"), q("--json"), q("networth")}, false);
    EXPECT_EQ(worth.json().toObject(), money(70524981, "UAH"));
    const CliRun csv = cli({q("--sample-data"), q("--today"), q("2030-05-01"), q("export")}, false);
    const QList<QByteArray> lines = csv.out.trimmed().split('\n');
    EXPECT_TRUE(lines.back().startsWith("2030-05-01,")) << lines.back().constData();
    EXPECT_FALSE(QFile::exists(m_db));
}

TEST_F(TallyraCli, ratesOnSampleDataAreBasedOnItsHomeCurrency)
{
    // Without --currency a sample-data run takes the sample's UAH, not the
    // settings' currency; the cache is empty, so nothing is fetched or known.
    const CliRun rates = run({q("--sample-data"), q("--json"), q("rates")});
    ASSERT_EQ(rates.exitCode, 0) << qPrintable(rates.err);
    EXPECT_EQ(rates.json().toObject().value(q("base")).toString(), q("UAH"));
    EXPECT_TRUE(rates.json().toObject().value(q("perUnit")).toObject().isEmpty());
}

TEST_F(TallyraCli, reportsOfAPastMonthAgreeWithItsTotals)
{
    importSample();
    const QStringList period{q("--period"), q("1M"), q("--offset"), q("1")};
    const QJsonObject totals = cli(QStringList{q("--json"), q("totals")} << period)
                                   .json()
                                   .toObject()
                                   .value(q("totals"))
                                   .toObject();
    ASSERT_FALSE(totals.isEmpty());

    const QJsonObject overview =
        cli(QStringList{q("--json"), q("overview")} << period).json().toObject();
    EXPECT_EQ(overview.value(q("totals")).toObject(), totals);
    const QJsonArray current = overview.value(q("current")).toArray();
    EXPECT_EQ(current.size(), 31); // October
    EXPECT_EQ(current.last().toObject().value(q("amount")), totals.value(q("spent")));

    // A past period's feed covers what its totals cover.
    const QJsonObject feed = cli(QStringList{q("--json"), q("feed")} << period).json().toObject();
    EXPECT_EQ(feed.value(q("totals")).toObject(), totals);

    for (const char* mode : {"expenses", "income", "transfers"}) {
        const QJsonObject breakdown =
            cli(QStringList{q("--json"), q("categories"), q("--mode"), q(mode)} << period)
                .json()
                .toObject();
        qint64 sum = 0;
        for (const QJsonValue node : breakdown.value(q("nodes")).toArray())
            sum += node.toObject().value(q("amount")).toObject().value(q("minor")).toInteger();
        EXPECT_EQ(sum, breakdown.value(q("total")).toObject().value(q("minor")).toInteger())
            << mode;
    }
}

TEST_F(TallyraCli, importTakesAccountKeysAndRefusesKeysItDoesNotKnow)
{
    QFile original(q(TALLYRA_SAMPLE_DIR "/accounts.json"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QJsonArray accounts = QJsonDocument::fromJson(original.readAll()).array();
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        QJsonObject account = accounts[i].toObject();
        if (account.value(q("name")) == q("Credit Card")) {
            account.remove(q("group"));
            account.insert(q("kind"), q("creditCard"));
            account.insert(q("creditLimit"), 50000);
            account.insert(q("statementDay"), 31);
            account.insert(q("paymentDueDay"), 25);
            account.insert(q("interestRate"), q("24.9"));
        }
        if (account.value(q("name")) == q("Euro Cash"))
            account.insert(q("archived"), true);
        accounts[i] = account;
    }
    const CliRun imported =
        cli({q("import"), brokenSample("accounts.json", QJsonDocument(accounts).toJson())});
    ASSERT_EQ(imported.exitCode, 0) << qPrintable(imported.err);

    const QJsonObject credit = cli({q("--json"), q("account-detail"), q("Credit Card")})
                                   .json()
                                   .toObject()
                                   .value(q("credit"))
                                   .toObject();
    EXPECT_EQ(credit, (QJsonObject{{q("owed"), money(2869250, "UAH")},
                                   {q("ownFunds"), money(0, "UAH")},
                                   {q("limit"), money(5000000, "UAH")},
                                   {q("available"), money(5000000 - 2869250, "UAH")},
                                   {q("nextStatement"), q("2026-11-30")},
                                   {q("nextPaymentDue"), q("2026-12-25")},
                                   {q("interestRate"), q("24.9")}}));
    const QJsonArray open = cli({q("--json"), q("sections")}).json().toArray();
    const QJsonArray all = cli({q("--json"), q("sections"), q("--archived")}).json().toArray();
    EXPECT_EQ(open[1].toObject().value(q("rows")).toArray().size(), 1); // Cash alone
    EXPECT_EQ(all.last().toObject().value(q("id")), q("archived"));
    EXPECT_EQ(all.last().toObject().value(q("rows")).toArray()[0].toObject().value(q("account")),
              q("Euro Cash"));

    QFile transactionsFile(q(TALLYRA_SAMPLE_DIR "/transactions.json"));
    ASSERT_TRUE(transactionsFile.open(QIODevice::ReadOnly));
    QJsonArray transactions = QJsonDocument::fromJson(transactionsFile.readAll()).array();
    QJsonObject fifth = transactions[4].toObject();
    fifth.insert(q("colour"), q("#FFFFFF"));
    transactions[4] = fifth;
    const QString other = m_dir.filePath(q("other.sqlite"));
    const CliRun refused =
        cli({q("--db"), other, q("import"),
             brokenSample("transactions.json", QJsonDocument(transactions).toJson())},
            false);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              q("transactions.json, record 5 (id 5): \"colour\" is not a key the import knows\n"));
}

TEST_F(TallyraCli, accountCommandsSetCreditDetailsAndArchive)
{
    const CliRun added =
        cli({q("account"), q("add"), q("Visa"), q("--kind"), q("creditCard"), q("--currency"),
             q("UAH"), q("--limit"), q("20 000"), q("--statement-day"), q("31"), q("--payment-day"),
             q("20"), q("--interest"), q("36.5"), q("--balance"), q("-1500")});
    ASSERT_EQ(added.exitCode, 0) << qPrintable(added.err);
    auto credit = [&] {
        return cli({q("--json"), q("account-detail"), q("Visa")})
            .json()
            .toObject()
            .value(q("credit"))
            .toObject();
    };
    EXPECT_EQ(credit().value(q("available")).toObject(), money(1850000, "UAH"));
    EXPECT_EQ(credit().value(q("nextPaymentDue")), q("2026-12-20"));
    EXPECT_EQ(credit().value(q("interestRate")), q("36.5"));

    const CliRun edited = cli({q("account"), q("edit"), q("Visa"), q("--limit"), q("none"),
                               q("--interest"), q("40"), q("--name"), q("Visa Gold")});
    ASSERT_EQ(edited.exitCode, 0) << qPrintable(edited.err);
    const QJsonObject after = cli({q("--json"), q("account-detail"), q("Visa Gold")})
                                  .json()
                                  .toObject()
                                  .value(q("credit"))
                                  .toObject();
    EXPECT_TRUE(after.value(q("limit")).isNull());
    EXPECT_TRUE(after.value(q("available")).isNull());
    EXPECT_EQ(after.value(q("interestRate")), q("40"));
    EXPECT_EQ(after.value(q("nextStatement")), q("2026-11-30"));

    ASSERT_EQ(cli({q("account"), q("archive"), q("Visa Gold")}).exitCode, 0);
    EXPECT_TRUE(cli({q("--json"), q("sections")}).json().toArray().isEmpty());
    ASSERT_EQ(cli({q("account"), q("unarchive"), q("Visa Gold")}).exitCode, 0);
    EXPECT_EQ(cli({q("--json"), q("sections")}).json().toArray()[0].toObject().value(q("id")),
              q("credit"));
}

TEST_F(TallyraCli, reportCommandsRefuseWhatTheyCannotRead)
{
    importSample();
    struct Case
    {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{q("category-detail")},
         "category-detail needs one of --category PATH, --uncategorized KIND or "
         "--transfer-group NAME."},
        {{q("category-detail"), q("--category"), q("Food/Nothing")},
         "No category has the path “Food/Nothing”."},
        {{q("category-detail"), q("--transfer-group"), q("To Nowhere")},
         "No transfer group is named “To Nowhere”."},
        {{q("categories"), q("--mode"), q("spending")},
         "--mode expects expenses, income or transfers, not “spending”."},
        {{q("feed"), q("--alone")}, "--alone goes with --category."},
        {{q("feed"), q("--period"), q("2M")},
         "--period expects one of 1W, 1M, 3M, 6M, 1Y, MAX, R7D, R30D, R90D, R6M, R1Y, not “2M”."},
        {{q("account-detail"), q("Nobody")}, "No account is named “Nobody”."},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(c.arguments.join(u' '));
        EXPECT_EQ(run.err, q(c.message) + u'\n');
    }
}

} // namespace
