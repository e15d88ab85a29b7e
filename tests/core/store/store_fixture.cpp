#include "store_fixture.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include "money/currency.h"
#include "store/record_builders.h"

namespace tallyra::testing {

namespace {

sqlite3* openRaw(const QString& file)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        ADD_FAILURE() << "raw open failed: " << sqlite3_errmsg(db);
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 5000);
    return db;
}

} // namespace

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

QDateTime utc(int year, int month, int day, int hour, int minute, int second, int ms)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
}

void rawExecute(const QString& databaseFile, const QString& sql)
{
    sqlite3* db = openRaw(databaseFile);
    if (db == nullptr)
        return;
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << "raw SQL failed: " << message << "\n" << sql.toStdString();
    sqlite3_free(message);
    sqlite3_close(db);
}

QString rawQuery(const QString& databaseFile, const QString& sql)
{
    sqlite3* db = openRaw(databaseFile);
    if (db == nullptr)
        return {};
    sqlite3_stmt* statement = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "raw query failed: " << sqlite3_errmsg(db) << "\n" << sql.toStdString();
    } else if (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        result = text == nullptr ? q("NULL") : QString::fromUtf8(text);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

QString rawDump(const QString& databaseFile)
{
    sqlite3* db = openRaw(databaseFile);
    if (db == nullptr)
        return {};
    QString dump;
    QStringList tables;
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY name", -1,
                       &list, nullptr);
    while (sqlite3_step(list) == SQLITE_ROW)
        tables.append(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 0))));
    sqlite3_finalize(list);
    for (const QString& table : tables) {
        dump += table + u'\n';
        sqlite3_stmt* rows = nullptr;
        const QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\" ORDER BY 1, 2";
        sqlite3_prepare_v2(db, sql.constData(), -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                if (sqlite3_column_type(rows, c) == SQLITE_BLOB)
                    dump += QString::fromLatin1(
                        QByteArray(static_cast<const char*>(sqlite3_column_blob(rows, c)),
                                   sqlite3_column_bytes(rows, c))
                            .toHex());
                else if (const auto* text =
                             reinterpret_cast<const char*>(sqlite3_column_text(rows, c)))
                    dump += QString::fromUtf8(text);
                else
                    dump += q("NULL");
                dump += u'|';
            }
            dump += u'\n';
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return dump;
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

QStringList filesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

LedgerRecords perObjectLedger(StoreContext& context)
{
    const QList<AccountModel> accounts = context.fetch<AccountModel>();
    const QList<CategoryModel> categories = context.fetch<CategoryModel>();
    const RecordLinks links(accounts, categories);
    LedgerRecords rows;
    for (const AccountModel& m : accounts)
        rows.accounts.push_back(makeAccount(m));
    for (const CategoryModel& m : categories)
        rows.categories.push_back(makeCategoryItem(m, links));
    const FetchRequest<TransactionModel> byDate{
        {}, {{TransactionModel::Field::date}, {TransactionModel::Field::createdAt}}, {}};
    for (const TransactionModel& m : context.fetch(byDate))
        rows.entries.push_back(makeEntry(m, links));
    for (const BudgetModel& m : context.fetch<BudgetModel>())
        rows.budgets.push_back(makeBudget(m, links));
    for (const GoalModel& m : context.fetch<GoalModel>())
        rows.goals.push_back(makeGoal(m, links));
    for (const BalanceCheckpointModel& m : context.fetch<BalanceCheckpointModel>())
        if (auto checkpoint = makeBalanceCheckpoint(m, links))
            rows.checkpoints.push_back(std::move(*checkpoint));
    return rows;
}

void StoreTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_clock = std::make_shared<FixedClock>(utc(2025, 3, 7, 9, 5));
    Currency::setMain(q("USD"));
}

void StoreTest::TearDown()
{
    Currency::setMain(q("USD"));
}

void OpenStoreTest::SetUp()
{
    StoreTest::SetUp();
    m_store = openStore();
    ASSERT_TRUE(m_store);
}

void OpenStoreTest::TearDown()
{
    m_store.reset();
    StoreTest::TearDown();
}

QString StoreTest::path(const char* name) const
{
    return m_dir.filePath(QString::fromUtf8(name));
}

std::unique_ptr<StoreContainer> StoreTest::openStore(const QString& file)
{
    auto opened = StoreContainer::open(StoreConfiguration::onDisk(file, m_clock));
    if (!opened) {
        ADD_FAILURE() << "open failed: " << opened.error().userMessage().toStdString() << " — "
                      << opened.error().detail().toStdString();
        return nullptr;
    }
    return std::move(opened).value();
}

} // namespace tallyra::testing
