#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/file_error.h"
#include "services/build_environment.h"
#include "services/cloud_start_results.h"
#include "services/ledger_store.h"
#include "services/store_backup.h"
#include "services_test_support.h"
#include "settings/in_memory_settings_backend.h"

using namespace tallyra;
using namespace tallyra::testing;

namespace {

constexpr auto dev = CloudEnvironment::development;
constexpr auto prod = CloudEnvironment::production;

struct ConflictCase
{
    std::optional<QVariant> stored;
    std::optional<CloudEnvironment> build;
    std::optional<CloudEnvironment> conflict;
};

TEST(LedgerStoreOpening, storedEnvironmentConflict)
{
    const ConflictCase cases[] = {
        {std::nullopt, prod, std::nullopt},
        {QVariant(q("Production")), prod, std::nullopt},
        {QVariant(q("Development")), dev, std::nullopt},
        {QVariant(q("Production")), dev, prod},
        {QVariant(q("Development")), prod, dev},
        {QVariant(q("Production")), std::nullopt, prod},
        // Anything but the exact texts counts as not set.
        {QVariant(q("production")), dev, std::nullopt},
        {QVariant(q(" Production")), dev, std::nullopt},
        {QVariant(q("Staging")), prod, std::nullopt},
        {QVariant(q("")), prod, std::nullopt},
        {QVariant(1), dev, std::nullopt},
        {QVariant(QByteArray("Production")), dev, std::nullopt},
    };
    for (const ConflictCase& c : cases) {
        InMemorySettingsBackend defaults;
        defaults.setValue(LedgerStore::kCloudEnvironmentKey, c.stored);
        EXPECT_EQ(LedgerStore::storedEnvironmentConflict(c.build, defaults), c.conflict)
            << (c.stored ? c.stored->toString().toStdString() : "none");
    }
}

TEST(BuildEnvironment, entitlementsAndVariable)
{
    using BuildEnvironment::Entitlements;
    const QStringList containers{q("iCloud.app.tallyra")};
    EXPECT_EQ(BuildEnvironment::entitlementEnvironment(std::nullopt), std::nullopt);
    EXPECT_EQ(BuildEnvironment::entitlementEnvironment(Entitlements{{}, q("Production"), {}}),
              std::nullopt);
    EXPECT_EQ(
        BuildEnvironment::entitlementEnvironment(Entitlements{containers, q("Production"), {}}),
        prod);
    EXPECT_EQ(BuildEnvironment::entitlementEnvironment(
                  Entitlements{containers, q("Production"), containers}),
              dev);
    EXPECT_EQ(
        BuildEnvironment::entitlementEnvironment(Entitlements{containers, q("Development"), {}}),
        dev);
    EXPECT_EQ(BuildEnvironment::entitlementEnvironment(Entitlements{containers, std::nullopt, {}}),
              dev);

    EXPECT_EQ(BuildEnvironment::fromVariable(q("Production")), prod);
    EXPECT_EQ(BuildEnvironment::fromVariable(q("Development")), dev);
    EXPECT_EQ(BuildEnvironment::fromVariable(q("")), std::nullopt);
    EXPECT_EQ(BuildEnvironment::fromVariable(q("production")), std::nullopt);
}

class OpeningTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        CloudStartResults::clear();
        m_provider = std::make_shared<FakeCloudProvider>();
    }
    void TearDown() override { CloudStartResults::clear(); }

    QString file() const { return m_dir.filePath(q("data/Tallyra.sqlite")); }
    QString backups() const { return m_dir.filePath(q("data/Backups")); }
    LedgerStore::OpenOptions options() const
    {
        return LedgerStore::OpenOptions{file(), m_clock, QTimeZone::utc(), m_provider};
    }
    // A database file with one account, as an earlier run left it.
    void makeExistingDatabase()
    {
        QDir().mkpath(QFileInfo(file()).path());
        auto container = openOrFail(StoreConfiguration::onDisk(file(), m_clock));
        addAccount(container->mainContext(), "Cash");
        container->mainContext().save();
    }
    std::optional<QVariant> key(QLatin1String name) const { return m_defaults.value(name); }
    QStringList backupFolders() const
    {
        return QDir(backups()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(utc(2026, 3, 7, 9, 5));
    std::shared_ptr<FakeCloudProvider> m_provider;
    InMemorySettingsBackend m_defaults;
};

TEST_F(OpeningTest, backupBeforeFirstSync)
{
    auto backup = [&] {
        return LedgerStore::backupBeforeFirstSync(file(), m_defaults, m_clock->now(),
                                                  QTimeZone::utc());
    };
    // No file yet: nothing to copy, and never asked again.
    EXPECT_EQ(backup(), std::nullopt);
    EXPECT_EQ(key(LedgerStore::kBackupBeforeFirstSyncKey), QVariant(q("-")));
    makeExistingDatabase();
    EXPECT_EQ(backup(), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(backups()));

    m_defaults.setValue(LedgerStore::kBackupBeforeFirstSyncKey, std::nullopt);
    const auto made = backup();
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(QFileInfo(*made).fileName(), q("Tallyra Backup 2026-03-07 09.05"));
    EXPECT_EQ(QFileInfo(*made).path(), backups());
    EXPECT_TRUE(QFileInfo::exists(QDir(*made).filePath(q("Tallyra.sqlite"))));
    EXPECT_EQ(key(LedgerStore::kBackupBeforeFirstSyncKey),
              QVariant(q("Tallyra Backup 2026-03-07 09.05")));

    m_clock->advanceSeconds(3600);
    EXPECT_EQ(backup(), std::nullopt);
    EXPECT_EQ(backupFolders().size(), 1);
}

TEST_F(OpeningTest, firstCloudLaunchWithoutAFile)
{
    m_defaults.setValue(LedgerStore::kCloudEnvironmentKey,
                        QVariant(q("staging"))); // counts as not set
    auto opened = LedgerStore::makeContainer(false, prod, m_defaults, options());
    ASSERT_TRUE(opened) << opened.error().detail().toStdString();
    EXPECT_EQ(opened.value().cloudContainerIdentifier, q("iCloud.app.tallyra"));
    EXPECT_EQ(opened.value().container->fileLocation(), file());
    EXPECT_EQ(m_provider->opened, std::vector<CloudDatabase>{CloudDatabase::automatic});
    EXPECT_EQ(key(LedgerStore::kBackupBeforeFirstSyncKey), QVariant(q("-")));
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), QVariant(q("Production")));
    EXPECT_EQ(CloudStartResults::current().failureMessage, std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(backups()));
}

TEST_F(OpeningTest, existingDatabaseIsBackedUpBeforeTheFirstSyncOnly)
{
    makeExistingDatabase();
    for (int launch = 0; launch < 2; ++launch) {
        m_clock->advanceSeconds(3600);
        auto opened = LedgerStore::makeContainer(false, dev, m_defaults, options());
        ASSERT_TRUE(opened);
        EXPECT_EQ(opened.value().cloudContainerIdentifier, q("iCloud.app.tallyra"));
    }
    EXPECT_EQ(backupFolders(), QStringList{q("Tallyra Backup 2026-03-07 10.05")});
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), QVariant(q("Development")));
}

TEST_F(OpeningTest, otherEnvironmentsDataOpensLocalOnly)
{
    makeExistingDatabase();
    m_defaults.setValue(LedgerStore::kCloudEnvironmentKey, QVariant(q("Production")));
    auto opened = LedgerStore::makeContainer(false, dev, m_defaults, options());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.value().cloudContainerIdentifier, std::nullopt);
    EXPECT_EQ(m_provider->opened, std::vector<CloudDatabase>{CloudDatabase::none});
    EXPECT_EQ(opened.value().container->mainContext().count<AccountModel>(), 1);

    const CloudStartResults results = CloudStartResults::current();
    ASSERT_TRUE(results.mismatch.has_value());
    EXPECT_EQ(results.mismatch->data(), prod);
    EXPECT_EQ(results.mismatch->build(), dev);
    EXPECT_EQ(results.failureMessage, results.mismatch->userMessage());
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), QVariant(q("Production")))
        << "left as it was";
    EXPECT_EQ(key(LedgerStore::kBackupBeforeFirstSyncKey), std::nullopt);
}

TEST_F(OpeningTest, failedCloudOpenFallsBackToTheSameFileLocally)
{
    makeExistingDatabase();
    m_provider->cloudOpenFailure = StoreError(StoreError::Code::cannotOpen, q("engine detail"));
    auto opened = LedgerStore::makeContainer(false, prod, m_defaults, options());
    ASSERT_TRUE(opened);
    EXPECT_EQ(m_provider->opened,
              (std::vector<CloudDatabase>{CloudDatabase::automatic, CloudDatabase::none}));
    EXPECT_EQ(opened.value().container->fileLocation(), file());
    EXPECT_EQ(opened.value().container->mainContext().count<AccountModel>(), 1);
    EXPECT_EQ(CloudStartResults::current().failureMessage,
              StoreError::standardMessage(StoreError::Code::cannotOpen));
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), std::nullopt)
        << "written only after a cloud open";

    // The next launch that opens with the cloud clears what was recorded.
    m_provider->cloudOpenFailure.reset();
    ASSERT_TRUE(LedgerStore::makeContainer(false, prod, m_defaults, options()));
    EXPECT_EQ(CloudStartResults::current().failureMessage, std::nullopt);
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), QVariant(q("Production")));
}

TEST_F(OpeningTest, unreadableFileFailsWithTheLocalError)
{
    QDir().mkpath(QFileInfo(file()).path());
    QFile garbage(file());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    m_provider->container.reset();

    auto opened = LedgerStore::makeContainer(false, prod, m_defaults, options());
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().code(), StoreError::Code::notADataFile);
    EXPECT_EQ(QFileInfo(file()).size(), 4096) << "left as it was";
}

TEST_F(OpeningTest, refusedCloudOpensLocalOnly)
{
    // No build environment, then a backup that can't be made.
    makeExistingDatabase();
    auto opened = LedgerStore::makeContainer(false, std::nullopt, m_defaults, options());
    ASSERT_TRUE(opened);
    EXPECT_EQ(CloudStartResults::current().failureMessage, CloudEnvironmentUnknown().userMessage());
    EXPECT_FALSE(CloudStartResults::current().mismatch.has_value());
    opened.value().container.reset();

    QFile blocker(backups()); // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW((void)LedgerStore::backupBeforeFirstSync(file(), m_defaults, m_clock->now(),
                                                          QTimeZone::utc()),
                 FileError);
    ASSERT_TRUE(LedgerStore::makeContainer(false, prod, m_defaults, options()));
    EXPECT_TRUE(CloudStartResults::current().failureMessage.has_value());
    EXPECT_EQ(m_provider->opened,
              (std::vector<CloudDatabase>{CloudDatabase::none, CloudDatabase::none}));
    EXPECT_EQ(key(LedgerStore::kBackupBeforeFirstSyncKey), std::nullopt);
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), std::nullopt);
}

TEST_F(OpeningTest, thisPlatformOpensAPlainLocalStore)
{
    auto where = options();
    where.provider.reset();
    auto opened = LedgerStore::makeContainer(false, prod, m_defaults, where);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.value().cloudContainerIdentifier, std::nullopt);
    EXPECT_FALSE(opened.value().container->isInMemory());
    EXPECT_EQ(key(LedgerStore::kCloudEnvironmentKey), std::nullopt);
    EXPECT_EQ(key(LedgerStore::kBackupBeforeFirstSyncKey), std::nullopt);
    EXPECT_EQ(CloudStartResults::current().failureMessage, std::nullopt);

    auto memory = LedgerStore::makeContainer(true, prod, m_defaults, where);
    ASSERT_TRUE(memory);
    EXPECT_TRUE(memory.value().container->isInMemory());
    EXPECT_TRUE(m_defaults.keys().isEmpty());
}

} // namespace
