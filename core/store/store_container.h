#pragma once

// StoreContainer: the opened ledger store — one per database file, or one
// in memory — from which contexts are made. It creates the schema in a new
// file, refuses a file of another schema or program without touching it,
// and announces saves and (on platforms that mirror to the cloud) remote
// changes and mirroring events.
//
// On disk: the file is SQLite in WAL mode with foreign keys enforced;
// pictures live in the folder beside it named "." + the file's name without
// extension + "_SUPPORT" (".Tallyra_SUPPORT" for "Tallyra.sqlite").
//
// In memory: the database is a private temporary file (in /dev/shm when it
// exists, else the temporary folder), readable by this user only and
// deleted when the container closes, so that the loader's background
// connection sees the same data with the same snapshot isolation as on
// disk; pictures stay in memory. The container still reports itself as in
// memory: it has no file location and nothing to back up.
//
// This platform has no cloud database: cloudContainerIdentifier() is
// always none, and remoteChangesReceived, mirroringEvent and
// cloudAccountStatusChanged are never emitted (the ForTesting methods
// emit them for tests of their receivers).
//
// Errors: open() returns StoreError with a readable message.
// Threading: created, used and destroyed on the main thread. The signals
// may be emitted on any thread that saves a context; connect with a
// receiver context so delivery is queued to the receiver's thread. Every
// background context must be destroyed before the container.

#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "base/clock.h"
#include "base/result.h"
#include "store/mirroring_event.h"
#include "store/store_configuration.h"
#include "store/store_context.h"
#include "store/store_error.h"

namespace tallyra {

namespace store_detail {
struct StoreShared;
}

class StoreContainer final : public QObject
{
    Q_OBJECT

public:
    // Opens (creating when missing or empty) the store of the configuration.
    // An existing file is checked before anything is written to it: a file
    // that is not a database of this application, or of another schema
    // version, fails and is left byte for byte as it was.
    [[nodiscard]] static Result<std::unique_ptr<StoreContainer>, StoreError>
    open(StoreConfiguration configuration);

    ~StoreContainer() override;

    [[nodiscard]] const StoreConfiguration& configuration() const noexcept;
    [[nodiscard]] bool isInMemory() const noexcept;
    // The cloud container the store mirrors to; none on this platform.
    [[nodiscard]] std::optional<QString> cloudContainerIdentifier() const;
    // The database file; none for a store in memory. This is the file a
    // backup copies with SQLite's online backup.
    [[nodiscard]] std::optional<QString> fileLocation() const;
    // The folder of the pictures beside the database file; none in memory.
    [[nodiscard]] std::optional<QString> pictureFolder() const;
    // The picture folder that belongs to a database file.
    [[nodiscard]] static QString pictureFolderFor(const QString& databaseFile);
    // The user's cloud account status; none when the platform has no cloud
    // account service (as here), in which case no answer ever comes.
    [[nodiscard]] std::optional<CloudAccountStatus> cloudAccountStatus() const;

    // The context of the main thread.
    [[nodiscard]] StoreContext& mainContext() noexcept;
    // A new context on its own database connection, for one worker thread.
    [[nodiscard]] Result<std::unique_ptr<StoreContext>, StoreError> newBackgroundContext();

    void simulateRemoteChangesForTesting();
    void simulateMirroringEventForTesting(const MirroringEvent& event);
    void simulateCloudAccountStatusForTesting(CloudAccountStatus status);

Q_SIGNALS:
    // A context of this container saved changes.
    void contextSaved();
    // The store received objects from the cloud.
    void remoteChangesReceived();
    // A mirroring operation started or ended.
    void mirroringEvent(const tallyra::MirroringEvent& event);
    void cloudAccountStatusChanged(tallyra::CloudAccountStatus status);

private:
    struct Impl;
    explicit StoreContainer(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> m_impl;
};

} // namespace tallyra
