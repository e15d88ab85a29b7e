#pragma once

// CloudSyncMonitor turns the store's mirroring events into the one status
// shown in the sidebar and the settings. It starts "off" with a reason when
// syncing cannot run (no cloud container, an in-memory store, a start
// failure or the other environment's data) and then never changes; while
// syncing is on, every event and account change recomputes the state.
//
// Thread: main thread only.

#include <optional>

#include <QObject>
#include <QPointer>

#include "services/cloud_environment.h"
#include "services/cloud_mirroring.h"
#include "services/cloud_sync_state.h"

namespace tallyra {

class CloudSyncMonitor final : public QObject
{
    Q_OBJECT
public:
    struct StoreFacts
    {
        std::optional<QString> containerIdentifier; // the cloud container of the opened store
        bool isOnDisk = false;                      // false for an in-memory store
    };

    CloudSyncMonitor(StoreFacts store, std::optional<QString> startFailure,
                     std::optional<CloudEnvironmentMismatch> mismatch, QObject* parent = nullptr);

    // Listens to the mirroring source (which may be null: nothing to watch)
    // and asks for the account status once.
    void start(CloudMirroring* mirroring);

    [[nodiscard]] const CloudSyncState& state() const noexcept { return m_state; }
    [[nodiscard]] const CloudSyncLog& log() const noexcept { return m_log; }
    [[nodiscard]] const std::optional<QString>& containerIdentifier() const noexcept
    {
        return m_containerIdentifier;
    }
    [[nodiscard]] int imports() const noexcept { return m_log.imports; }
    [[nodiscard]] bool hasAccount() const noexcept { return m_hasAccount; }
    [[nodiscard]] bool isSyncEnabled() const { return !isOff(m_state); }

    // Folds one mirroring event into the log and recomputes the state.
    void record(const CloudSyncEvent& event);
    void setHasAccount(bool hasAccount);

signals:
    void stateChanged(const tallyra::CloudSyncState& state);

private:
    void refresh();

    std::optional<QString> m_containerIdentifier;
    CloudSyncState m_state;
    CloudSyncLog m_log;
    bool m_hasAccount = true;
    bool m_watching = false; // syncing can run: the state follows the log
    QPointer<CloudMirroring> m_mirroring;
};

} // namespace tallyra
