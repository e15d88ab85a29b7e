#include "store/store_container.h"

#include <algorithm>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store_fixture.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

class StoreContainerTest : public StoreTest
{
};

QStringList columnsOf(const QString& file, const char* table)
{
    QStringList names;
    const QString count =
        rawQuery(file, QStringLiteral("SELECT count(*) FROM pragma_table_info('%1')")
                           .arg(QString::fromUtf8(table)));
    for (int i = 0; i < count.toInt(); ++i)
        names.append(
            rawQuery(file, QStringLiteral("SELECT name FROM pragma_table_info('%1') WHERE cid = %2")
                               .arg(QString::fromUtf8(table))
                               .arg(i)));
    return names;
}

TEST_F(StoreContainerTest, newFileGetsTheVersionedSchema)
{
    const QString file = path();
    {
        auto store = openStore(file);
        ASSERT_TRUE(store);
        EXPECT_EQ(store->fileLocation(), QFileInfo(file).absoluteFilePath());
        EXPECT_FALSE(store->isInMemory());
        EXPECT_EQ(store->pictureFolder(), m_dir.filePath(q(".Tallyra_SUPPORT")));
        EXPECT_EQ(rawQuery(file, q("PRAGMA journal_mode")), q("wal"));
    }
    EXPECT_EQ(rawQuery(file, q("SELECT value FROM TallyraMetadata WHERE key = 'schemaVersion'")),
              q("1.0.0"));
    EXPECT_EQ(
        rawQuery(file,
                 q("SELECT length(value) FROM TallyraMetadata WHERE key = 'schemaFingerprint'")),
        q("64"));

    const QString z = q("Z_PK");
    EXPECT_EQ(columnsOf(file, "AccountModel"), (QStringList{z,
                                                            q("id"),
                                                            q("name"),
                                                            q("groupRaw"),
                                                            q("detail"),
                                                            q("colorHex"),
                                                            q("sfSymbol"),
                                                            q("currency"),
                                                            q("openingBalanceMinor"),
                                                            q("sourceRaw"),
                                                            q("externalId"),
                                                            q("order"),
                                                            q("isArchived"),
                                                            q("createdAt"),
                                                            q("kindRaw"),
                                                            q("creditLimitMinor"),
                                                            q("statementDay"),
                                                            q("paymentDueDay"),
                                                            q("interestRateBP"),
                                                            q("iconImage"),
                                                            q("iconEmoji")}));
    EXPECT_EQ(
        columnsOf(file, "CategoryModel"),
        (QStringList{z, q("id"), q("name"), q("kindRaw"), q("colorHex"), q("iconKind"),
                     q("iconValue"), q("iconImage"), q("order"), q("createdAt"), q("parent")}));
    EXPECT_EQ(columnsOf(file, "TransactionModel"), (QStringList{z,
                                                                q("id"),
                                                                q("date"),
                                                                q("hasTime"),
                                                                q("kindRaw"),
                                                                q("amountMinor"),
                                                                q("toAmountMinor"),
                                                                q("payee"),
                                                                q("note"),
                                                                q("tagsText"),
                                                                q("cleared"),
                                                                q("receipt"),
                                                                q("hasReceipt"),
                                                                q("contactName"),
                                                                q("contactIdentifier"),
                                                                q("externalId"),
                                                                q("createdAt"),
                                                                q("updatedAt"),
                                                                q("account"),
                                                                q("toAccount"),
                                                                q("category")}));
    EXPECT_EQ(columnsOf(file, "BudgetModel"),
              (QStringList{z, q("id"), q("name"), q("emoji"), q("limitMinor"), q("order")}));
    EXPECT_EQ(
        columnsOf(file, "GoalModel"),
        (QStringList{z, q("id"), q("kindRaw"), q("name"), q("emoji"), q("order"), q("targetMinor"),
                     q("assignedMinor"), q("monthlyMinor"), q("deadline"), q("balanceModeRaw"),
                     q("allAccounts"), q("startDate"), q("endDate"), q("category")}));
    EXPECT_EQ(
        columnsOf(file, "BalanceCheckpointModel"),
        (QStringList{z, q("id"), q("date"), q("balanceMinor"), q("createdAt"), q("account")}));
    EXPECT_EQ(columnsOf(file, "BudgetModel_categories"),
              (QStringList{q("budget"), q("category"), q("position")}));
    EXPECT_EQ(columnsOf(file, "GoalModel_accounts"),
              (QStringList{q("goal"), q("account"), q("position")}));

    // id is indexed but deliberately not unique.
    EXPECT_EQ(rawQuery(file, q("SELECT \"unique\" FROM pragma_index_list('TransactionModel') "
                               "WHERE name = 'TransactionModel_id'")),
              q("0"));
    EXPECT_EQ(
        rawQuery(file, q("SELECT group_concat(name, ',') FROM (SELECT name FROM "
                         "pragma_index_info('TransactionModel_date_createdAt') ORDER BY seqno)")),
        q("date,createdAt"));
    const auto onDelete = [&](const char* table, const char* column) {
        return rawQuery(
            file, QStringLiteral(
                      "SELECT on_delete FROM pragma_foreign_key_list('%1') WHERE \"from\" = '%2'")
                      .arg(QString::fromUtf8(table), QString::fromUtf8(column)));
    };
    EXPECT_EQ(onDelete("TransactionModel", "account"), q("SET NULL"));
    EXPECT_EQ(onDelete("TransactionModel", "toAccount"), q("SET NULL"));
    EXPECT_EQ(onDelete("TransactionModel", "category"), q("SET NULL"));
    EXPECT_EQ(onDelete("CategoryModel", "parent"), q("SET NULL"));
    EXPECT_EQ(onDelete("GoalModel", "category"), q("SET NULL"));
    EXPECT_EQ(onDelete("BalanceCheckpointModel", "account"), q("CASCADE"));
    EXPECT_EQ(onDelete("BudgetModel_categories", "category"), q("CASCADE"));
    EXPECT_EQ(onDelete("GoalModel_accounts", "account"), q("CASCADE"));
}

TEST_F(StoreContainerTest, reopenedFileKeepsItsData)
{
    AccountModel account;
    account.name = q("Wallet");
    {
        auto store = openStore();
        ASSERT_TRUE(store);
        store->mainContext().insert(account);
        store->mainContext().save();
    }
    auto store = openStore();
    ASSERT_TRUE(store);
    const QList<AccountModel> accounts = store->mainContext().fetch<AccountModel>();
    ASSERT_EQ(accounts.size(), 1);
    EXPECT_EQ(accounts.first(), account);
}

TEST_F(StoreContainerTest, emptyFileAndMissingFolderBecomeANewStore)
{
    const QString empty = path("empty.sqlite");
    {
        QFile file(empty);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(openStore(empty));
    EXPECT_TRUE(openStore(m_dir.filePath(q("deeper/still/Tallyra.sqlite"))));
}

struct DamageCase
{
    const char* name;
    const char* sql; // applied to a valid store file; null: the file's bytes are replaced
    const char* bytes;
    StoreError::Code expected;
};

class StoreContainerRefusal : public StoreTest, public ::testing::WithParamInterface<DamageCase>
{
};

TEST_P(StoreContainerRefusal, failsReadablyAndLeavesTheFileByteForByte)
{
    const DamageCase& c = GetParam();
    const QString file = path();
    if (c.sql != nullptr) {
        {
            auto store = openStore(file);
            ASSERT_TRUE(store);
        }
        // Rollback-journal mode, so that switching to WAL would show in the
        // header bytes if the check came too late.
        rawExecute(file, QString::fromUtf8(c.sql) + q("; PRAGMA journal_mode = DELETE;"));
    } else {
        QFile raw(file);
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
        raw.write(QByteArray(c.bytes));
    }
    const QByteArray before = fileHash(file);
    const QStringList folderBefore =
        QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    auto opened = StoreContainer::open(StoreConfiguration::onDisk(file, m_clock));
    ASSERT_FALSE(opened) << c.name;
    EXPECT_EQ(opened.error().code(), c.expected) << c.name;
    EXPECT_EQ(opened.error().userMessage(), StoreError::standardMessage(c.expected));
    EXPECT_FALSE(opened.error().userMessage().contains(file));
    EXPECT_EQ(fileHash(file), before) << c.name;
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              folderBefore)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreContainerRefusal,
    ::testing::Values(
        DamageCase{"newer version",
                   "UPDATE TallyraMetadata SET value = '2.0.0' WHERE key = 'schemaVersion'",
                   nullptr, StoreError::Code::otherVersion},
        DamageCase{"other fingerprint",
                   "UPDATE TallyraMetadata SET value = 'abc' WHERE key = 'schemaFingerprint'",
                   nullptr, StoreError::Code::otherVersion},
        DamageCase{"extra column", "ALTER TABLE TransactionModel ADD COLUMN mood TEXT", nullptr,
                   StoreError::Code::otherVersion},
        DamageCase{"no metadata", "DROP TABLE TallyraMetadata", nullptr,
                   StoreError::Code::notADataFile},
        DamageCase{"foreign database", "PRAGMA application_id = 42", nullptr,
                   StoreError::Code::notADataFile},
        DamageCase{"garbage", nullptr,
                   "This is not a database, just some text that is long enough to matter.",
                   StoreError::Code::notADataFile},
        DamageCase{"truncated header", nullptr, "SQLite format 3", StoreError::Code::notADataFile}),
    [](const ::testing::TestParamInfo<DamageCase>& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(StoreContainerTest, otherVersionMessageIsReadable)
{
    EXPECT_EQ(StoreError::standardMessage(StoreError::Code::otherVersion),
              q("This data file was made by a different version of Tallyra and can’t be opened."));
}

TEST_F(StoreContainerTest, pictureFolderSitsBesideTheFileWithoutItsExtension)
{
    EXPECT_EQ(StoreContainer::pictureFolderFor(q("/data/Tallyra.sqlite")),
              q("/data/.Tallyra_SUPPORT"));
    EXPECT_EQ(StoreContainer::pictureFolderFor(q("/data/my.ledger.store")),
              q("/data/.my.ledger_SUPPORT"));
    EXPECT_EQ(StoreContainer::pictureFolderFor(q("/data/Ledger")), q("/data/.Ledger_SUPPORT"));
}

TEST_F(StoreContainerTest, noCloudOnThisPlatform)
{
    auto opened =
        StoreContainer::open(StoreConfiguration::onDisk(path(), m_clock, CloudDatabase::automatic));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.value()->cloudContainerIdentifier(), std::nullopt);
    EXPECT_EQ(opened.value()->cloudAccountStatus(), std::nullopt);
    EXPECT_EQ(opened.value()->configuration().cloudMirroring, CloudDatabase::automatic);
}

TEST_F(StoreContainerTest, signalsReachTheirReceivers)
{
    auto store = openStore();
    ASSERT_TRUE(store);
    int saves = 0;
    int remote = 0;
    std::optional<MirroringEvent> event;
    QObject::connect(store.get(), &StoreContainer::contextSaved, [&] { ++saves; });
    QObject::connect(store.get(), &StoreContainer::remoteChangesReceived, [&] { ++remote; });
    QObject::connect(store.get(), &StoreContainer::mirroringEvent,
                     [&](const MirroringEvent& e) { event = e; });

    StoreContext& context = store->mainContext();
    context.save();
    EXPECT_EQ(saves, 0) << "a save without changes announces nothing";
    CategoryModel category;
    context.insert(category);
    context.save();
    EXPECT_EQ(saves, 1);
    context.remove<CategoryModel>(category.objectID + 100);
    context.save();
    EXPECT_EQ(saves, 1) << "deleting nothing is no change";

    store->simulateRemoteChangesForTesting();
    EXPECT_EQ(remote, 1);
    const MirroringEvent sent{QUuid::createUuid(),
                              MirroringEvent::Type::outgoing,
                              utc(2025, 1, 1),
                              utc(2025, 1, 1, 0, 1),
                              false,
                              q("Quota exceeded")};
    store->simulateMirroringEventForTesting(sent);
    EXPECT_EQ(event, sent);
}

TEST_F(StoreContainerTest, inMemoryStoreHasNoFileAndLeavesNothingBehind)
{
    const auto temporaryFiles = [] {
        QStringList names =
            QDir(q("/dev/shm")).entryList({q("tallyra-memory-*")}, QDir::Files | QDir::Hidden);
        names +=
            QDir(QDir::tempPath()).entryList({q("tallyra-memory-*")}, QDir::Files | QDir::Hidden);
        return names;
    };
    // Other tests running beside this one make and remove their own files, so
    // only the files that appeared with this store are followed.
    const QStringList before = temporaryFiles();
    QStringList ours;
    {
        auto opened = StoreContainer::open(StoreConfiguration::inMemory(m_clock));
        ASSERT_TRUE(opened);
        StoreContainer& store = *opened.value();
        EXPECT_TRUE(store.isInMemory());
        EXPECT_EQ(store.fileLocation(), std::nullopt);
        EXPECT_EQ(store.pictureFolder(), std::nullopt);
        for (const QString& name : temporaryFiles())
            if (!before.contains(name))
                ours.append(name);
        EXPECT_FALSE(ours.isEmpty());

        AccountModel account;
        account.iconImage = QByteArray("png bytes");
        store.mainContext().insert(account);
        store.mainContext().save();

        auto background = store.newBackgroundContext();
        ASSERT_TRUE(background);
        const QList<AccountModel> seen = background.value()->fetch<AccountModel>();
        ASSERT_EQ(seen.size(), 1);
        EXPECT_EQ(seen.first().iconImage, QByteArray("png bytes"));
    }
    const QStringList after = temporaryFiles();
    for (const QString& name : ours)
        EXPECT_FALSE(after.contains(name)) << name.toStdString();
}

} // namespace
