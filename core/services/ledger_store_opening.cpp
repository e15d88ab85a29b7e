// Choosing and opening the store of a launch: LedgerStore's static functions.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include "base/file_error.h"
#include "services/cloud_start_results.h"
#include "services/ledger_store.h"
#include "services/store_backup.h"
#include "services/store_location.h"

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(lcOpening, "tallyra.services.opening")

// The reason the cloud-mirrored open was given up, as the sync status will
// tell it.
struct CloudRefusal
{
    QString message;
    QString detail;
    std::optional<CloudEnvironmentMismatch> mismatch;
};

std::optional<CloudEnvironment> recordedEnvironment(const SettingsBackend& defaults)
{
    const auto stored = defaults.value(LedgerStore::kCloudEnvironmentKey);
    if (!stored || stored->typeId() != QMetaType::QString)
        return std::nullopt;
    return enumFromRaw<CloudEnvironment>(stored->toString());
}

} // namespace

std::optional<CloudEnvironment>
LedgerStore::storedEnvironmentConflict(std::optional<CloudEnvironment> buildEnvironment,
                                       const SettingsBackend& defaults)
{
    const auto stored = recordedEnvironment(defaults);
    if (!stored || stored == buildEnvironment)
        return std::nullopt;
    return stored;
}

std::optional<QString> LedgerStore::backupBeforeFirstSync(const QString& storeFile,
                                                          SettingsBackend& defaults,
                                                          const QDateTime& now,
                                                          const QTimeZone& zone)
{
    if (defaults.value(kBackupBeforeFirstSyncKey))
        return std::nullopt;
    if (!QFileInfo::exists(storeFile)) {
        defaults.setValue(kBackupBeforeFirstSyncKey, QVariant(QStringLiteral("-")));
        return std::nullopt;
    }
    const QString folder = StoreLocation::backupsFolderFor(storeFile);
    if (!QDir().mkpath(folder))
        throw FileError(
            QCoreApplication::translate("LedgerStore",
                                        "The Backups folder couldn’t be made next to your data."),
            folder);
    const QString made = StoreBackup::backup(storeFile, folder, now, zone);
    defaults.setValue(kBackupBeforeFirstSyncKey, QVariant(QFileInfo(made).fileName()));
    qCInfo(lcOpening, "Backup before the first cloud sync: %s", qUtf8Printable(made));
    return made;
}

Result<LedgerStore::OpenedStore, StoreError>
LedgerStore::makeContainer(bool inMemory, std::optional<CloudEnvironment> buildEnvironment,
                           SettingsBackend& defaults, const OpenOptions& options)
{
    const auto provider = options.provider ? options.provider : CloudContainerProvider::platform();
    const auto clock = options.clock ? options.clock : std::make_shared<const SystemClock>();

    if (inMemory) {
        auto opened = provider->open(StoreConfiguration::inMemory(clock));
        if (!opened)
            return fail(opened.error());
        return OpenedStore{std::move(opened).value(), std::nullopt};
    }

    const QString file = options.databaseFile.isEmpty() ? StoreLocation::defaultDatabaseFile()
                                                        : options.databaseFile;
    const auto cloud = StoreConfiguration::onDisk(file, clock, CloudDatabase::automatic);
    const auto local = StoreConfiguration::onDisk(file, clock, CloudDatabase::none);
    const std::optional<QString> container = provider->containerIdentifier(cloud);

    std::optional<CloudRefusal> refusal;
    if (container) {
        if (!buildEnvironment) {
            refusal = CloudRefusal{CloudEnvironmentUnknown().userMessage(), {}, std::nullopt};
        } else if (const auto stored = storedEnvironmentConflict(buildEnvironment, defaults)) {
            CloudEnvironmentMismatch mismatch(*stored, *buildEnvironment);
            refusal = CloudRefusal{mismatch.userMessage(), {}, mismatch};
        } else {
            try {
                (void)backupBeforeFirstSync(file, defaults, clock->now(), options.zone);
            } catch (const Error& error) {
                refusal = CloudRefusal{error.userMessage(), error.detail(), std::nullopt};
            }
        }
    }

    if (!refusal) {
        auto opened = provider->open(cloud);
        if (opened) {
            if (container && buildEnvironment && !recordedEnvironment(defaults))
                defaults.setValue(kCloudEnvironmentKey, QVariant(rawValue(*buildEnvironment)));
            CloudStartResults::clear();
            return OpenedStore{std::move(opened).value(), container};
        }
        refusal = CloudRefusal{opened.error().userMessage(), opened.error().detail(), std::nullopt};
    }

    // The data stays usable local-only; the sync status tells why.
    auto opened = provider->open(local);
    if (!opened)
        return fail(opened.error());
    qCWarning(lcOpening, "Cloud sync is off for this run: %s %s", qUtf8Printable(refusal->message),
              qUtf8Printable(refusal->detail));
    CloudStartResults::record({refusal->message, refusal->mismatch});
    return OpenedStore{std::move(opened).value(), std::nullopt};
}

} // namespace tallyra
