#include "writing_fixture.h"

#include <algorithm>
#include <ostream>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>

#include <sqlite3.h>

#include "money/currency.h"
#include "money/decimal.h"

namespace tallyra::testing {

namespace {

QString hashOf(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString text(const std::optional<QString>& value)
{
    return value ? u'"' + *value + u'"' : q("none");
}
QString text(const std::optional<std::int64_t>& value)
{
    return value ? QString::number(*value) : q("none");
}
QString text(const QDateTime& value)
{
    return value.isValid() ? value.toUTC().toString(Qt::ISODateWithMs) : q("none");
}
QString text(const std::optional<QDateTime>& value)
{
    return value ? text(*value) : q("none");
}
QString text(const std::optional<QByteArray>& value)
{
    return value ? hashOf(*value) : q("none");
}
QString text(bool value)
{
    return value ? q("true") : q("false");
}

template <class Id> QString text(const std::optional<Id>& id)
{
    return id ? id->toString() : q("none");
}

QString rawRowCounts(const QString& databaseFile)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databaseFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return q("unreadable");
    }
    QStringList tables;
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY name", -1,
                       &list, nullptr);
    while (sqlite3_step(list) == SQLITE_ROW)
        tables.append(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 0))));
    sqlite3_finalize(list);
    QString counts;
    for (const QString& table : tables) {
        sqlite3_stmt* count = nullptr;
        const QByteArray sql = "SELECT count(*) FROM \"" + table.toUtf8() + '"';
        sqlite3_prepare_v2(db, sql.constData(), -1, &count, nullptr);
        const std::int64_t n =
            sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int64(count, 0) : -1;
        sqlite3_finalize(count);
        counts += table + u'=' + QString::number(n) + u'\n';
    }
    sqlite3_close(db);
    return counts;
}

} // namespace

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

QTimeZone kyivZone()
{
    return QTimeZone(QByteArrayLiteral("Europe/Kyiv"));
}

QDateTime kyiv(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), kyivZone()).toUTC();
}

void PrintTo(const StoreSnapshot& snapshot, std::ostream* os)
{
    *os << "\n"
        << snapshot.objects.toStdString() << snapshot.rowCounts.toStdString() << "pictures:\n"
        << snapshot.pictureFiles.toStdString();
}

void WritingTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    Currency::setMain(q("UAH"));
    m_clock = std::make_shared<FixedClock>(kyiv(2025, 3, 7, 15, 0));
    auto opened = StoreContainer::open(
        StoreConfiguration::onDisk(m_dir.filePath(q("Tallyra.sqlite")), m_clock));
    ASSERT_TRUE(opened) << opened.error().detail().toStdString();
    m_store = std::move(opened).value();
    m_undo = std::make_unique<UndoManager>();
    m_notifications = std::make_unique<NotificationCenter>();
    makeWriters();
}

void WritingTest::makeWriters()
{
    m_ledger.reset();
    m_catalog.reset();
    context().setUndoManager(m_undo.get());
    m_ledger = std::make_unique<LedgerWriter>(context(), kyivZone(), m_notifications.get());
    m_catalog = std::make_unique<CatalogWriter>(context(), kyivZone(), m_notifications.get());
}

void WritingTest::TearDown()
{
    m_ledger.reset();
    m_catalog.reset();
    m_store.reset();
    m_undo.reset();
    Currency::setMain(q("USD"));
}

void WritingTest::reopen()
{
    m_ledger.reset();
    m_catalog.reset();
    m_store.reset();
    auto opened = StoreContainer::open(
        StoreConfiguration::onDisk(m_dir.filePath(q("Tallyra.sqlite")), m_clock));
    ASSERT_TRUE(opened);
    m_store = std::move(opened).value();
    m_undo->removeAllActions();
    makeWriters();
}

void WritingTest::rawExecute(const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(m_dir.filePath(q("Tallyra.sqlite")).toUtf8().constData(), &db),
              SQLITE_OK);
    sqlite3_busy_timeout(db, 5000);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

QString WritingTest::pictureFolder() const
{
    return m_dir.filePath(q(".Tallyra_SUPPORT"));
}

StoreSnapshot WritingTest::snapshot()
{
    StoreContext& c = context();
    const QList<AccountModel> accounts = c.fetch<AccountModel>();
    const QList<CategoryModel> categories = c.fetch<CategoryModel>();
    QHash<std::int64_t, AccountId> accountIDs;
    for (const AccountModel& a : accounts)
        accountIDs.insert(a.objectID, a.id);
    QHash<std::int64_t, CategoryId> categoryIDs;
    for (const CategoryModel& m : categories)
        categoryIDs.insert(m.objectID, m.id);
    const auto accountID = [&](std::optional<std::int64_t> objectID) -> QString {
        return objectID ? (accountIDs.contains(*objectID) ? accountIDs.value(*objectID).toString()
                                                          : q("dangling"))
                        : q("none");
    };
    const auto categoryID = [&](std::optional<std::int64_t> objectID) -> QString {
        return objectID ? (categoryIDs.contains(*objectID) ? categoryIDs.value(*objectID).toString()
                                                           : q("dangling"))
                        : q("none");
    };

    QStringList rows;
    for (const AccountModel& a : accounts)
        rows.append(QStringList{q("account"),
                                a.id.toString(),
                                a.name,
                                a.groupRaw,
                                a.detail,
                                a.colorHex,
                                a.sfSymbol,
                                a.currency,
                                QString::number(a.openingBalanceMinor),
                                a.sourceRaw,
                                text(a.externalId),
                                QString::number(a.order),
                                text(a.isArchived),
                                text(a.createdAt),
                                a.kindRaw,
                                text(a.creditLimitMinor),
                                text(a.statementDay),
                                text(a.paymentDueDay),
                                text(a.interestRateBP),
                                text(a.iconImage),
                                text(a.iconEmoji)}
                        .join(u'|'));
    for (const CategoryModel& m : categories)
        rows.append(QStringList{q("category"), m.id.toString(), m.name, m.kindRaw, m.colorHex,
                                m.iconKind, m.iconValue, text(m.iconImage),
                                QString::number(m.order), text(m.createdAt), categoryID(m.parent)}
                        .join(u'|'));
    for (const TransactionModel& t : c.fetch<TransactionModel>())
        rows.append(QStringList{q("transaction"),
                                t.id.toString(),
                                text(t.date),
                                text(t.hasTime),
                                t.kindRaw,
                                QString::number(t.amountMinor),
                                text(t.toAmountMinor),
                                t.payee,
                                t.note,
                                t.tagsText,
                                text(t.cleared),
                                text(t.receipt),
                                text(t.hasReceipt),
                                text(t.contactName),
                                text(t.contactIdentifier),
                                text(t.externalId),
                                text(t.createdAt),
                                text(t.updatedAt),
                                accountID(t.account),
                                accountID(t.toAccount),
                                categoryID(t.category)}
                        .join(u'|'));
    for (const BudgetModel& b : c.fetch<BudgetModel>()) {
        QStringList links;
        for (const std::int64_t member : b.categories)
            links.append(categoryID(member));
        rows.append(QStringList{q("budget"), b.id.toString(), b.name, text(b.emoji),
                                QString::number(b.limitMinor), QString::number(b.order),
                                links.join(u',')}
                        .join(u'|'));
    }
    for (const GoalModel& g : c.fetch<GoalModel>()) {
        QStringList links;
        for (const std::int64_t member : g.accounts)
            links.append(accountID(member));
        rows.append(QStringList{q("goal"), g.id.toString(), g.kindRaw, g.name, text(g.emoji),
                                QString::number(g.order), QString::number(g.targetMinor),
                                QString::number(g.assignedMinor), QString::number(g.monthlyMinor),
                                text(g.deadline), g.balanceModeRaw, text(g.allAccounts),
                                text(g.startDate), text(g.endDate), categoryID(g.category),
                                links.join(u',')}
                        .join(u'|'));
    }
    for (const BalanceCheckpointModel& k : c.fetch<BalanceCheckpointModel>())
        rows.append(QStringList{q("checkpoint"), k.id.toString(), text(k.date),
                                QString::number(k.balanceMinor), text(k.createdAt),
                                accountID(k.account)}
                        .join(u'|'));
    std::sort(rows.begin(), rows.end());

    QStringList files;
    const QDir folder(pictureFolder());
    for (const QString& name :
         folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(folder.filePath(name));
        files.append(file.open(QIODevice::ReadOnly) ? hashOf(file.readAll()) : q("unreadable"));
    }
    std::sort(files.begin(), files.end());

    return StoreSnapshot{rows.join(u'\n') + u'\n',
                         rawRowCounts(m_dir.filePath(q("Tallyra.sqlite"))),
                         files.join(u'\n') + u'\n'};
}

AccountModel WritingTest::addAccount(const char* name, const char* currency, std::int64_t opening)
{
    AccountModel account;
    account.name = q(name);
    account.currency = q(currency);
    account.openingBalanceMinor = opening;
    account.kindRaw = q("checking");
    account.groupRaw = q("bank");
    account.createdAt = kyiv(2025, 1, 1, 9, 0);
    context().insert(account);
    return account;
}

CategoryModel WritingTest::addCategory(const char* name, std::optional<std::int64_t> parent,
                                       const char* kind)
{
    CategoryModel category;
    category.id = CategoryId::random();
    category.name = q(name);
    category.parent = parent;
    category.kindRaw = q(kind);
    context().insert(category);
    return category;
}

TransactionModel WritingTest::addTransaction(const AccountModel& account, std::int64_t amountMinor,
                                             const QDateTime& date, const char* kind)
{
    TransactionModel transaction;
    transaction.account = account.objectID;
    transaction.amountMinor = amountMinor;
    transaction.date = date;
    transaction.kindRaw = q(kind);
    transaction.createdAt = kyiv(2025, 2, 1, 8, 0);
    transaction.updatedAt = transaction.createdAt;
    context().insert(transaction);
    return transaction;
}

void WritingTest::saveSeed()
{
    context().save();
}

std::optional<TransactionModel> WritingTest::transaction(const EntryId& id)
{
    return context().fetchFirst(Predicate<TransactionModel>::idEquals(id));
}

std::optional<AccountModel> WritingTest::account(const AccountId& id)
{
    return context().fetchFirst(Predicate<AccountModel>::idEquals(id));
}

std::optional<CategoryModel> WritingTest::category(const CategoryId& id)
{
    return context().fetchFirst(Predicate<CategoryModel>::idEquals(id));
}

QList<BalanceCheckpointModel> WritingTest::checkpointsOf(const AccountModel& account)
{
    return context().checkpoints(account);
}

EntryDraft WritingTest::expense(const AccountModel& account, const char* amount)
{
    EntryDraft draft = EntryDraft::make(kyiv(2025, 3, 7, 10, 30), account.id);
    draft.amount = *Decimal::parse(QString::fromUtf8(amount));
    return draft;
}

} // namespace tallyra::testing
