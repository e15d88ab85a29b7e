#include "store/store_container.h"

#include <cassert>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryFile>

#include "store/picture_store.h"
#include "store/schema.h"
#include "store/sqlite_connection.h"
#include "store/store_shared.h"

namespace tallyra {

using namespace store_detail;

namespace {

Q_LOGGING_CATEGORY(lcContainer, "tallyra.store")

void configure(Connection& connection, bool inMemory, bool setJournalMode)
{
    connection.execute("PRAGMA foreign_keys = ON");
    // FULL makes every save survive a power cut; the temporary file of a
    // store in memory has nothing to survive for.
    connection.execute(inMemory ? "PRAGMA synchronous = OFF" : "PRAGMA synchronous = FULL");
    if (!setJournalMode)
        return;
    auto statement = connection.prepare("PRAGMA journal_mode = WAL");
    const QString mode =
        statement->step(StoreError::Code::cannotOpen) ? statement->textAt(0) : QString();
    if (mode.compare(u"wal", Qt::CaseInsensitive) != 0)
        qCWarning(lcContainer, "%s stays in journal mode %s: the loader then waits for saves",
                  qUtf8Printable(connection.path()), qUtf8Printable(mode));
}

QString privateTemporaryDatabase()
{
    // /dev/shm is memory, so the "file" costs no disk writes; elsewhere the
    // temporary folder does the same job a little slower.
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString folder =
        shm.isDir() && shm.isWritable() ? shm.absoluteFilePath() : QDir::tempPath();
    QTemporaryFile file(folder + QStringLiteral("/tallyra-memory-XXXXXX.sqlite"));
    // QTemporaryFile creates the file readable and writable by its owner only.
    if (!file.open())
        throw StoreError(
            StoreError::Code::cannotOpen,
            QStringLiteral("temporary database in %1: %2").arg(folder, file.errorString()));
    file.setAutoRemove(false);
    return file.fileName();
}

void removeDatabaseFiles(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

struct StoreContainer::Impl
{
    StoreConfiguration configuration;
    std::shared_ptr<StoreShared> shared;
    std::unique_ptr<StoreContext> mainContext;
};

StoreContainer::StoreContainer(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

StoreContainer::~StoreContainer()
{
    assert(m_impl->shared->backgroundContexts.load() == 0 &&
           "a background context outlives its container");
    m_impl->mainContext.reset();
    if (m_impl->shared->inMemory)
        removeDatabaseFiles(m_impl->shared->databasePath);
}

Result<std::unique_ptr<StoreContainer>, StoreError>
StoreContainer::open(StoreConfiguration configuration)
{
    if (!configuration.clock)
        configuration.clock = std::make_shared<SystemClock>();
    auto shared = std::make_shared<StoreShared>();
    shared->clock = configuration.clock;
    shared->inMemory = !configuration.filePath.has_value();

    try {
        bool fresh = true;
        if (shared->inMemory) {
            shared->databasePath = privateTemporaryDatabase();
            shared->pictures = std::make_shared<MemoryPictureStore>();
        } else {
            const QFileInfo info(*configuration.filePath);
            shared->databasePath = info.absoluteFilePath();
            if (info.isDir())
                throw StoreError(StoreError::Code::cannotOpen,
                                 QStringLiteral("%1 is a folder").arg(shared->databasePath));
            if (!QDir().mkpath(info.absolutePath()))
                throw StoreError(
                    StoreError::Code::cannotOpen,
                    QStringLiteral("can't create the folder %1").arg(info.absolutePath()));
            if (info.exists() && info.size() > 0) {
                // Checked through a read-only connection, before anything
                // (even the journal mode) is written: a foreign or newer
                // file must stay exactly as it is.
                auto check = Connection::open(shared->databasePath, OpenMode::readOnly);
                fresh = inspect(*check) == FileContent::empty;
            }
            shared->pictures =
                std::make_shared<FolderPictureStore>(pictureFolderFor(shared->databasePath));
        }

        auto connection = Connection::open(shared->databasePath, OpenMode::readWriteCreate);
        configure(*connection, shared->inMemory, true);
        if (fresh)
            createSchema(*connection);

        auto impl = std::make_unique<Impl>();
        impl->configuration = std::move(configuration);
        impl->shared = shared;
        std::unique_ptr<StoreContainer> container(new StoreContainer(std::move(impl)));
        shared->container = container.get();
        container->m_impl->mainContext.reset(
            new StoreContext(shared, std::move(connection), false));
        return container;
    } catch (const StoreError& error) {
        qCWarning(lcContainer, "Store can't be opened: %s", qUtf8Printable(error.detail()));
        if (shared->inMemory && !shared->databasePath.isEmpty())
            removeDatabaseFiles(shared->databasePath);
        return fail(error);
    }
}

const StoreConfiguration& StoreContainer::configuration() const noexcept
{
    return m_impl->configuration;
}

bool StoreContainer::isInMemory() const noexcept
{
    return m_impl->shared->inMemory;
}

std::optional<QString> StoreContainer::cloudContainerIdentifier() const
{
    return std::nullopt;
}

std::optional<QString> StoreContainer::fileLocation() const
{
    if (m_impl->shared->inMemory)
        return std::nullopt;
    return m_impl->shared->databasePath;
}

std::optional<QString> StoreContainer::pictureFolder() const
{
    if (m_impl->shared->inMemory)
        return std::nullopt;
    return pictureFolderFor(m_impl->shared->databasePath);
}

QString StoreContainer::pictureFolderFor(const QString& databaseFile)
{
    const QFileInfo info(databaseFile);
    return info.dir().filePath(u'.' + info.completeBaseName() + QStringLiteral("_SUPPORT"));
}

std::optional<CloudAccountStatus> StoreContainer::cloudAccountStatus() const
{
    return std::nullopt;
}

StoreContext& StoreContainer::mainContext() noexcept
{
    return *m_impl->mainContext;
}

Result<std::unique_ptr<StoreContext>, StoreError> StoreContainer::newBackgroundContext()
{
    try {
        auto connection = Connection::open(m_impl->shared->databasePath, OpenMode::readWrite);
        configure(*connection, m_impl->shared->inMemory, false);
        return std::unique_ptr<StoreContext>(
            new StoreContext(m_impl->shared, std::move(connection), true));
    } catch (const StoreError& error) {
        qCWarning(lcContainer, "Background context can't be opened: %s",
                  qUtf8Printable(error.detail()));
        return fail(error);
    }
}

void StoreContainer::simulateRemoteChangesForTesting()
{
    Q_EMIT remoteChangesReceived();
}

void StoreContainer::simulateMirroringEventForTesting(const MirroringEvent& event)
{
    Q_EMIT mirroringEvent(event);
}

void StoreContainer::simulateCloudAccountStatusForTesting(CloudAccountStatus status)
{
    Q_EMIT cloudAccountStatusChanged(status);
}

} // namespace tallyra
