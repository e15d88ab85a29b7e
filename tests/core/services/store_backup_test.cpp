#include "services/store_backup.h"

#include <atomic>
#include <thread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "base/file_error.h"

using namespace tallyra;

namespace {

QDateTime at(int h, int m)
{
    return QDateTime(QDate(2025, 3, 7), QTime(h, m), Qt::UTC);
}

void exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
}

sqlite3* openDatabase(const QString& path)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    return db;
}

long long rowCount(const QString& path)
{
    sqlite3* db = openDatabase(path);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM t", -1, &stmt, nullptr);
    long long n = -1;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        n = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return n;
}

class StoreBackupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        storeFile = dir.filePath(QStringLiteral("data/Tallyra.sqlite"));
        QDir().mkpath(dir.filePath(QStringLiteral("data")));
        db = openDatabase(storeFile);
        exec(db, "PRAGMA journal_mode=WAL; CREATE TABLE t(x INTEGER); INSERT INTO t VALUES "
                 "(1),(2),(3);");
        backups = dir.filePath(QStringLiteral("backups"));
    }
    void TearDown() override { sqlite3_close(db); }

    QTemporaryDir dir;
    QString storeFile;
    QString backups;
    sqlite3* db = nullptr;
};

TEST(StoreBackupNames, folderNameUsesTheLocalTime)
{
    EXPECT_EQ(StoreBackup::folderName(at(9, 5), QTimeZone(QByteArrayLiteral("UTC"))),
              QStringLiteral("Tallyra Backup 2025-03-07 09.05"));
    EXPECT_EQ(StoreBackup::folderName(at(23, 30), QTimeZone(QByteArrayLiteral("Europe/Kyiv"))),
              QStringLiteral("Tallyra Backup 2025-03-08 01.30"));
    EXPECT_EQ(StoreBackup::pictureFolderName(QStringLiteral("/a/b/Tallyra.sqlite")),
              QStringLiteral(".Tallyra_SUPPORT"));
}

TEST_F(StoreBackupTest, copiesTheOpenDatabaseWithItsCommittedRows)
{
    const QString folder =
        StoreBackup::backup(storeFile, backups, at(9, 5), QTimeZone(QByteArrayLiteral("UTC")));
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/Tallyra Backup 2025-03-07 09.05")));
    EXPECT_EQ(rowCount(folder + QStringLiteral("/Tallyra.sqlite")), 3);
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/.Tallyra_SUPPORT")));
}

TEST_F(StoreBackupTest, sameMinuteGetsNumberedNames)
{
    const QTimeZone utc(QByteArrayLiteral("UTC"));
    const QString first = StoreBackup::backup(storeFile, backups, at(9, 5), utc);
    const QString second = StoreBackup::backup(storeFile, backups, at(9, 5), utc);
    const QString third = StoreBackup::backup(storeFile, backups, at(9, 5), utc);
    EXPECT_TRUE(second.endsWith(QStringLiteral("09.05 2")));
    EXPECT_TRUE(third.endsWith(QStringLiteral("09.05 3")));
    EXPECT_NE(first, second);
}

TEST_F(StoreBackupTest, copiesThePictureFolderWhole)
{
    const QString pictures = dir.filePath(QStringLiteral("data/.Tallyra_SUPPORT/_EXTERNAL_DATA"));
    QDir().mkpath(pictures);
    QFile file(pictures + QStringLiteral("/receipt-1"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("JPEGDATA");
    file.close();
    const QString folder =
        StoreBackup::backup(storeFile, backups, at(9, 5), QTimeZone(QByteArrayLiteral("UTC")));
    QFile copy(folder + QStringLiteral("/.Tallyra_SUPPORT/_EXTERNAL_DATA/receipt-1"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArrayLiteral("JPEGDATA"));
}

TEST_F(StoreBackupTest, missingStoreFileIsNoStoreAndMakesNothing)
{
    try {
        (void)StoreBackup::backup(dir.filePath(QStringLiteral("nothing.sqlite")), backups, at(9, 5),
                                  QTimeZone(QByteArrayLiteral("UTC")));
        FAIL() << "expected a failure";
    } catch (const StoreBackup::Failure& failure) {
        EXPECT_EQ(failure.kind(), StoreBackup::Failure::Kind::noStore);
        EXPECT_EQ(
            failure.userMessage(),
            QStringLiteral("This data isn’t kept in a file, so there is nothing to back up."));
    }
    EXPECT_FALSE(QFileInfo::exists(backups));
}

TEST_F(StoreBackupTest, unreadableSourceFailsAndLeavesNoFolder)
{
    QFile garbage(dir.filePath(QStringLiteral("data/Broken.sqlite")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    try {
        (void)StoreBackup::backup(garbage.fileName(), backups, at(9, 5),
                                  QTimeZone(QByteArrayLiteral("UTC")));
        FAIL() << "expected a failure";
    } catch (const StoreBackup::Failure& failure) {
        EXPECT_EQ(failure.kind(), StoreBackup::Failure::Kind::database);
        EXPECT_TRUE(
            failure.userMessage().startsWith(QStringLiteral("The database couldn’t be copied: ")));
    }
    EXPECT_TRUE(QDir(backups).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(StoreBackupTest, failedPictureCopyRemovesTheHalfMadeFolder)
{
    // A dangling link cannot be copied: the database is already in the
    // backup folder when the pictures fail, and the folder must go.
    const QString pictures = dir.filePath(QStringLiteral("data/.Tallyra_SUPPORT"));
    QDir().mkpath(pictures);
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("nowhere")), pictures + QStringLiteral("/broken")));
    EXPECT_THROW((void)StoreBackup::backup(storeFile, backups, at(9, 5),
                                           QTimeZone(QByteArrayLiteral("UTC"))),
                 FileError);
    EXPECT_TRUE(QDir(backups).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(StoreBackupTest, targetThatIsAFileFailsWithNoLeftovers)
{
    QFile blocker(backups);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
    blocker.close();
    EXPECT_THROW((void)StoreBackup::backup(storeFile, backups, at(9, 5),
                                           QTimeZone(QByteArrayLiteral("UTC"))),
                 FileError);
    EXPECT_TRUE(QFileInfo(backups).isFile());
}

TEST_F(StoreBackupTest, copyUnderAConcurrentWriterIsConsistent)
{
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        sqlite3* other = openDatabase(storeFile);
        sqlite3_busy_timeout(other, 1000);
        for (int i = 0; i < 400 && !stop; ++i) {
            // Each transaction adds ten rows: a consistent copy holds a multiple of ten plus the
            // first three.
            sqlite3_exec(
                other,
                "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<10) "
                "INSERT INTO t SELECT i FROM n; COMMIT;",
                nullptr, nullptr, nullptr);
        }
        sqlite3_close(other);
    });
    const QTimeZone utc(QByteArrayLiteral("UTC"));
    std::vector<QString> folders;
    for (int i = 0; i < 5; ++i)
        folders.push_back(StoreBackup::backup(storeFile, backups, at(9, i), utc));
    stop = true;
    writer.join();
    for (const QString& folder : folders) {
        const long long n = rowCount(folder + QStringLiteral("/Tallyra.sqlite"));
        EXPECT_GE(n, 3);
        EXPECT_EQ((n - 3) % 10, 0) << folder.toStdString() << " holds " << n;
    }
}

} // namespace
