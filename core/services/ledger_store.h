#pragma once

// LedgerStore: owns the opened store for the whole run and publishes the
// current LedgerIndex, with a version that counts successful reloads, the
// rates in use, whether the first load has finished and the message of the
// last failed load. Screens read the published index and recompute their
// reports when the version changes; a published index never changes.
//
// Reloading: every save of any context of the store, every batch of remote
// (cloud) changes, a change of the rates in use and an explicit reload()
// schedule a reload 120 ms later on a monotonic timer; a newer request
// cancels the pending one, so a burst within that pause gives one reload.
// The loader then reads and indexes the ledger on its own thread. A load
// under way is never cancelled: it runs to the end and publishes, and a
// reload that came due meanwhile starts right after it (several of them
// make one). The first load starts at construction, without the pause.
//
// On success the store replaces the index, increments the version, clears
// the last error and sets isLoaded; on failure it keeps the previous index
// and keeps the error's message as lastError.
//
// Opening (the static functions): which store a launch works on — the
// database file cloud-mirrored, the same file local-only, or memory — with
// the guard against the other cloud environment's data and the one-time
// backup before the first cloud sync. The results that explain a local-only
// start go to CloudStartResults.
//
// Errors: opening returns StoreError; backupBeforeFirstSync throws
// StoreBackup::Failure or FileError. Nothing else throws.
// Threading: main thread only. The store's signals may come from any
// thread; they are received queued on the main thread.
//
// Example:
//   auto opened = LedgerStore::makeContainer(false, BuildEnvironment::detect(), defaults, {});
//   LedgerStore store(std::move(opened.value().container), rates.rates());
//   QObject::connect(&store, &LedgerStore::versionChanged, view, [&] { view->show(*store.index());
//   });

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QLatin1String>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QTimer>

#include "base/clock.h"
#include "base/result.h"
#include "reports/fx_rates.h"
#include "reports/ledger_index.h"
#include "services/cloud_container_provider.h"
#include "services/cloud_environment.h"
#include "services/ledger_loader.h"
#include "settings/settings_backend.h"
#include "store/store_container.h"
#include "store/store_error.h"

namespace tallyra {

class LedgerStore final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kReloadDelay{120};
    // Device-local keys in the standard defaults.
    static constexpr QLatin1String kCloudEnvironmentKey{"cloud.environment"};
    static constexpr QLatin1String kBackupBeforeFirstSyncKey{"cloud.backupBeforeFirstSync"};

    // Where and how makeContainer() opens the store.
    struct OpenOptions
    {
        // The database file; the default file in the data folder when empty.
        QString databaseFile;
        // Stamps new objects and names the backup; the system clock when null.
        std::shared_ptr<const Clock> clock;
        // The zone of the backup folder's name.
        QTimeZone zone = QTimeZone::systemTimeZone();
        // The platform's store engine; platform() when null.
        std::shared_ptr<const CloudContainerProvider> provider;
    };

    // The opened store and the cloud container it syncs with (none when
    // local-only or in memory).
    struct OpenedStore
    {
        std::unique_ptr<StoreContainer> container;
        std::optional<QString> cloudContainerIdentifier;
    };

    // Opens the store of this launch: in memory when asked; otherwise the
    // database file with cloud mirroring, falling back to the same file
    // local-only (recording why in CloudStartResults) when the build's
    // environment is unknown or differs from the one the data was synced
    // with, the backup before the first sync fails, or the cloud-mirrored
    // open fails. Fails with the local open's error when that fails too.
    // Writes "cloud.environment" after the first successful cloud open.
    [[nodiscard]] static Result<OpenedStore, StoreError>
    makeContainer(bool inMemory, std::optional<CloudEnvironment> buildEnvironment,
                  SettingsBackend& defaults, const OpenOptions& options);

    // Once per database: copies the store file into a dated folder in the
    // "Backups" folder beside it and records the folder's name under
    // "cloud.backupBeforeFirstSync"; records "-" when there is no file yet.
    // Returns the new backup folder; none when the key already held any
    // value or there was no file. Throws StoreBackup::Failure or FileError
    // (the key stays unset then).
    static std::optional<QString> backupBeforeFirstSync(const QString& storeFile,
                                                        SettingsBackend& defaults,
                                                        const QDateTime& now,
                                                        const QTimeZone& zone);

    // The environment recorded for the data under "cloud.environment" when
    // it is exactly "Development" or "Production" and differs from the
    // build's; none otherwise.
    [[nodiscard]] static std::optional<CloudEnvironment>
    storedEnvironmentConflict(std::optional<CloudEnvironment> buildEnvironment,
                              const SettingsBackend& defaults);

    // Takes the store over and starts the first load with the rates.
    LedgerStore(std::unique_ptr<StoreContainer> container, FXRates rates,
                std::chrono::milliseconds reloadDelay = kReloadDelay, QObject* parent = nullptr);
    ~LedgerStore() override;

    // Never null: an empty index until the first load has finished.
    [[nodiscard]] const std::shared_ptr<const LedgerIndex>& index() const noexcept
    {
        return m_index;
    }
    [[nodiscard]] std::uint64_t version() const noexcept { return m_version; }
    [[nodiscard]] const FXRates& rates() const noexcept { return m_rates; }
    [[nodiscard]] bool isLoaded() const noexcept { return m_isLoaded; }
    [[nodiscard]] const std::optional<QString>& lastError() const noexcept { return m_lastError; }
    [[nodiscard]] StoreContainer& container() const noexcept { return *m_container; }
    [[nodiscard]] StoreContext& mainContext() const noexcept { return m_container->mainContext(); }
    [[nodiscard]] LedgerLoader& loader() const noexcept { return *m_loader; }
    [[nodiscard]] std::chrono::milliseconds reloadDelay() const noexcept { return m_reloadDelay; }

    // True while a reload is pending or a load is under way.
    [[nodiscard]] bool isBusy() const noexcept;
    // Runs a local event loop until no reload is pending or under way, for
    // scripts and tests; false when the time ran out first.
    bool waitUntilIdle(std::chrono::milliseconds limit = std::chrono::seconds(30));

    // Schedules a reload after the pause, replacing the pending one.
    void reload();
    // Uses these rates from the next reload on; reloads only when they
    // differ from the current ones in base, rates or sources.
    void setRates(const FXRates& rates);

signals:
    void indexChanged(const std::shared_ptr<const tallyra::LedgerIndex>& index);
    void versionChanged(std::uint64_t version);
    void ratesChanged(const tallyra::FXRates& rates);
    void isLoadedChanged(bool isLoaded);
    void lastErrorChanged(const std::optional<QString>& lastError);
    // After every load, successful or not.
    void loadFinished(const tallyra::LedgerLoadOutcome& outcome);

private:
    void startLoad();
    void finishLoad(const LedgerLoadOutcome& outcome);

    std::unique_ptr<StoreContainer> m_container;
    std::unique_ptr<LedgerLoader> m_loader;
    std::chrono::milliseconds m_reloadDelay;
    QTimer m_pending;
    std::uint64_t m_running = 0; // ticket of the load under way, 0 when none
    bool m_loadAfterRunning = false;

    std::shared_ptr<const LedgerIndex> m_index;
    std::uint64_t m_version = 0;
    FXRates m_rates;
    bool m_isLoaded = false;
    std::optional<QString> m_lastError;
};

} // namespace tallyra
