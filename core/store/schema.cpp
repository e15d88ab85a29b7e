#include "store/schema.h"

#include <optional>

#include <QCryptographicHash>
#include <QString>

#include "store/sqlite_connection.h"

namespace tallyra::store_detail {

namespace {

// Column names are the stored attribute names; Z_PK is the row's identity.
// "id" is deliberately neither unique nor a key: two devices can create the
// same stable id, and the duplicates live side by side until merged.
// Amounts, counts and days are INTEGER; instants INTEGER milliseconds since
// the Unix epoch in UTC; bools INTEGER 0/1; ids 16-byte BLOBs; pictures are
// TEXT names of files in the picture folder.
constexpr const char* kStatements[] = {
    R"(CREATE TABLE "AccountModel" (
  "Z_PK" INTEGER PRIMARY KEY,
  "id" BLOB NOT NULL,
  "name" TEXT NOT NULL DEFAULT '',
  "groupRaw" TEXT NOT NULL DEFAULT 'cash',
  "detail" TEXT NOT NULL DEFAULT '',
  "colorHex" TEXT NOT NULL DEFAULT '#7D8590',
  "sfSymbol" TEXT NOT NULL DEFAULT 'creditcard.fill',
  "currency" TEXT NOT NULL,
  "openingBalanceMinor" INTEGER NOT NULL DEFAULT 0,
  "sourceRaw" TEXT NOT NULL DEFAULT 'manual',
  "externalId" TEXT,
  "order" INTEGER NOT NULL DEFAULT 0,
  "isArchived" INTEGER NOT NULL DEFAULT 0,
  "createdAt" INTEGER NOT NULL,
  "kindRaw" TEXT NOT NULL DEFAULT '',
  "creditLimitMinor" INTEGER,
  "statementDay" INTEGER,
  "paymentDueDay" INTEGER,
  "interestRateBP" INTEGER,
  "iconImage" TEXT,
  "iconEmoji" TEXT
))",
    R"(CREATE TABLE "CategoryModel" (
  "Z_PK" INTEGER PRIMARY KEY,
  "id" BLOB NOT NULL,
  "name" TEXT NOT NULL DEFAULT '',
  "kindRaw" TEXT NOT NULL DEFAULT 'expense',
  "colorHex" TEXT NOT NULL DEFAULT '#7D8590',
  "iconKind" TEXT NOT NULL DEFAULT 'symbol',
  "iconValue" TEXT NOT NULL DEFAULT 'questionmark',
  "iconImage" TEXT,
  "order" INTEGER NOT NULL DEFAULT 0,
  "createdAt" INTEGER NOT NULL DEFAULT 978307200000,
  "parent" INTEGER REFERENCES "CategoryModel"("Z_PK") ON DELETE SET NULL
))",
    R"(CREATE TABLE "TransactionModel" (
  "Z_PK" INTEGER PRIMARY KEY,
  "id" BLOB NOT NULL,
  "date" INTEGER NOT NULL,
  "hasTime" INTEGER NOT NULL DEFAULT 1,
  "kindRaw" TEXT NOT NULL DEFAULT 'expense',
  "amountMinor" INTEGER NOT NULL DEFAULT 0,
  "toAmountMinor" INTEGER,
  "payee" TEXT NOT NULL DEFAULT '',
  "note" TEXT NOT NULL DEFAULT '',
  "tagsText" TEXT NOT NULL DEFAULT '',
  "cleared" INTEGER NOT NULL DEFAULT 0,
  "receipt" TEXT,
  "hasReceipt" INTEGER NOT NULL DEFAULT 0,
  "contactName" TEXT,
  "contactIdentifier" TEXT,
  "externalId" TEXT,
  "createdAt" INTEGER NOT NULL,
  "updatedAt" INTEGER NOT NULL,
  "account" INTEGER REFERENCES "AccountModel"("Z_PK") ON DELETE SET NULL,
  "toAccount" INTEGER REFERENCES "AccountModel"("Z_PK") ON DELETE SET NULL,
  "category" INTEGER REFERENCES "CategoryModel"("Z_PK") ON DELETE SET NULL
))",
    R"(CREATE TABLE "BudgetModel" (
  "Z_PK" INTEGER PRIMARY KEY,
  "id" BLOB NOT NULL,
  "name" TEXT NOT NULL DEFAULT '',
  "emoji" TEXT,
  "limitMinor" INTEGER NOT NULL DEFAULT 0,
  "order" INTEGER NOT NULL DEFAULT 0
))",
    R"(CREATE TABLE "GoalModel" (
  "Z_PK" INTEGER PRIMARY KEY,
  "id" BLOB NOT NULL,
  "kindRaw" TEXT NOT NULL DEFAULT 'saving',
  "name" TEXT NOT NULL DEFAULT '',
  "emoji" TEXT,
  "order" INTEGER NOT NULL DEFAULT 0,
  "targetMinor" INTEGER NOT NULL DEFAULT 0,
  "assignedMinor" INTEGER NOT NULL DEFAULT 0,
  "monthlyMinor" INTEGER NOT NULL DEFAULT 0,
  "deadline" INTEGER,
  "balanceModeRaw" TEXT NOT NULL DEFAULT 'stayAbove',
  "allAccounts" INTEGER NOT NULL DEFAULT 0,
  "startDate" INTEGER,
  "endDate" INTEGER,
  "category" INTEGER REFERENCES "CategoryModel"("Z_PK") ON DELETE SET NULL
))",
    R"(CREATE TABLE "BalanceCheckpointModel" (
  "Z_PK" INTEGER PRIMARY KEY,
  "id" BLOB NOT NULL,
  "date" INTEGER NOT NULL,
  "balanceMinor" INTEGER NOT NULL DEFAULT 0,
  "createdAt" INTEGER NOT NULL,
  "account" INTEGER REFERENCES "AccountModel"("Z_PK") ON DELETE CASCADE
))",
    // The to-many sides: deleting either end removes the link, which is how
    // an ordered to-many relationship forgets a deleted member.
    R"(CREATE TABLE "BudgetModel_categories" (
  "budget" INTEGER NOT NULL REFERENCES "BudgetModel"("Z_PK") ON DELETE CASCADE,
  "category" INTEGER NOT NULL REFERENCES "CategoryModel"("Z_PK") ON DELETE CASCADE,
  "position" INTEGER NOT NULL,
  PRIMARY KEY ("budget", "category")
) WITHOUT ROWID)",
    R"(CREATE TABLE "GoalModel_accounts" (
  "goal" INTEGER NOT NULL REFERENCES "GoalModel"("Z_PK") ON DELETE CASCADE,
  "account" INTEGER NOT NULL REFERENCES "AccountModel"("Z_PK") ON DELETE CASCADE,
  "position" INTEGER NOT NULL,
  PRIMARY KEY ("goal", "account")
) WITHOUT ROWID)",
    R"(CREATE TABLE "TallyraMetadata" (
  "key" TEXT PRIMARY KEY NOT NULL,
  "value" TEXT NOT NULL
))",
    R"(CREATE INDEX "AccountModel_id" ON "AccountModel"("id"))",
    R"(CREATE INDEX "CategoryModel_id" ON "CategoryModel"("id"))",
    R"(CREATE INDEX "CategoryModel_parent" ON "CategoryModel"("parent"))",
    R"(CREATE INDEX "TransactionModel_id" ON "TransactionModel"("id"))",
    R"(CREATE INDEX "TransactionModel_date_createdAt" ON "TransactionModel"("date", "createdAt"))",
    R"(CREATE INDEX "TransactionModel_account" ON "TransactionModel"("account"))",
    R"(CREATE INDEX "TransactionModel_toAccount" ON "TransactionModel"("toAccount"))",
    R"(CREATE INDEX "TransactionModel_category" ON "TransactionModel"("category"))",
    R"(CREATE INDEX "BudgetModel_id" ON "BudgetModel"("id"))",
    R"(CREATE INDEX "BudgetModel_categories_category" ON "BudgetModel_categories"("category"))",
    R"(CREATE INDEX "GoalModel_id" ON "GoalModel"("id"))",
    R"(CREATE INDEX "GoalModel_category" ON "GoalModel"("category"))",
    R"(CREATE INDEX "GoalModel_accounts_account" ON "GoalModel_accounts"("account"))",
    R"(CREATE INDEX "BalanceCheckpointModel_id" ON "BalanceCheckpointModel"("id"))",
    R"(CREATE INDEX "BalanceCheckpointModel_account" ON "BalanceCheckpointModel"("account"))",
};

void createObjects(Connection& connection)
{
    for (const QByteArray& statement : schemaStatements())
        connection.execute(statement.constData());
}

std::optional<QString> metadataValue(Connection& connection, const char* key)
{
    auto statement = connection.prepare(R"(SELECT "value" FROM "TallyraMetadata" WHERE "key" = ?)");
    statement->bindText(1, QString::fromLatin1(key));
    if (!statement->step())
        return std::nullopt;
    return statement->textAt(0);
}

} // namespace

const QList<QByteArray>& schemaStatements()
{
    static const QList<QByteArray> statements = [] {
        QList<QByteArray> list;
        for (const char* statement : kStatements)
            list.append(QByteArray(statement));
        return list;
    }();
    return statements;
}

QByteArray schemaFingerprint(Connection& connection)
{
    // sqlite_ objects (automatic indexes) have no text of their own; they
    // follow from the tables' definitions.
    auto statement =
        connection.prepare(R"(SELECT "type", "name", "tbl_name", "sql" FROM sqlite_schema
        WHERE "name" NOT LIKE 'sqlite\_%' ESCAPE '\' ORDER BY "type", "name")");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    while (statement->step()) {
        for (int column = 0; column < 4; ++column) {
            hash.addData(statement->textAt(column).toUtf8());
            hash.addData(QByteArrayView("\x1f", 1));
        }
        hash.addData(QByteArrayView("\x1e", 1));
    }
    return hash.result().toHex();
}

const QByteArray& currentSchemaFingerprint()
{
    static const QByteArray fingerprint = [] {
        auto scratch = Connection::open(QStringLiteral(":memory:"), OpenMode::readWriteCreate);
        createObjects(*scratch);
        return schemaFingerprint(*scratch);
    }();
    return fingerprint;
}

FileContent inspect(Connection& readOnly)
{
    const auto fail = [&](StoreError::Code code, const QString& why) {
        return StoreError(code, QStringLiteral("%1: %2").arg(readOnly.path(), why));
    };
    const auto integer = [&](const char* sql) {
        auto statement = readOnly.prepare(sql);
        return statement->step() ? statement->int64At(0) : 0;
    };

    std::int64_t objectCount = 0;
    std::int64_t applicationID = 0;
    std::int64_t metadataTables = 0;
    try {
        // The first read is where SQLite finds out whether the file is a
        // database at all.
        objectCount = integer("SELECT count(*) FROM sqlite_schema");
        applicationID = integer("PRAGMA application_id");
        metadataTables = integer(
            R"(SELECT count(*) FROM sqlite_schema WHERE "type" = 'table' AND "name" = 'TallyraMetadata')");
    } catch (const StoreError& error) {
        if (error.code() == StoreError::Code::busy || error.code() == StoreError::Code::cannotOpen)
            throw;
        throw StoreError(StoreError::Code::notADataFile, error.detail());
    }

    if (applicationID != 0 && applicationID != kApplicationID)
        throw fail(StoreError::Code::notADataFile,
                   QStringLiteral("application_id %1").arg(applicationID));
    if (objectCount == 0)
        return FileContent::empty;
    if (metadataTables == 0)
        throw fail(StoreError::Code::notADataFile, QStringLiteral("no metadata table"));

    const std::optional<QString> version = metadataValue(readOnly, "schemaVersion");
    if (version != QString::fromLatin1(kSchemaVersion))
        throw fail(
            StoreError::Code::otherVersion,
            QStringLiteral("schema version %1").arg(version.value_or(QStringLiteral("(none)"))));
    const std::optional<QString> recorded = metadataValue(readOnly, "schemaFingerprint");
    if (recorded != QString::fromLatin1(currentSchemaFingerprint()))
        throw fail(StoreError::Code::otherVersion,
                   QStringLiteral("recorded schema fingerprint differs"));
    if (schemaFingerprint(readOnly) != currentSchemaFingerprint())
        throw fail(StoreError::Code::otherVersion,
                   QStringLiteral("tables or indexes differ from schema 1.0.0"));
    return FileContent::current;
}

void createSchema(Connection& connection)
{
    connection.execute("BEGIN IMMEDIATE");
    try {
        // Two programs opening a new file at once both found it empty; the
        // one that got the lock second finds the schema made and leaves it.
        auto existing = connection.prepare("SELECT count(*) FROM sqlite_schema");
        if (existing->step() && existing->int64At(0) > 0) {
            existing.reset();
            connection.execute("ROLLBACK");
            return;
        }
        existing.reset();
        createObjects(connection);
        auto insert =
            connection.prepare(R"(INSERT INTO "TallyraMetadata" ("key", "value") VALUES (?, ?))");
        insert->bindText(1, QStringLiteral("schemaVersion"));
        insert->bindText(2, QString::fromLatin1(kSchemaVersion));
        insert->run();
        insert->reset();
        insert->bindText(1, QStringLiteral("schemaFingerprint"));
        insert->bindText(2, QString::fromLatin1(currentSchemaFingerprint()));
        insert->run();
        connection.execute(
            QByteArray("PRAGMA application_id = " + QByteArray::number(kApplicationID))
                .constData());
        connection.execute("PRAGMA user_version = 1");
        connection.execute("COMMIT");
    } catch (...) {
        if (connection.inTransaction())
            connection.execute("ROLLBACK");
        throw;
    }
}

} // namespace tallyra::store_detail
