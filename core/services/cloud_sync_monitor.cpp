#include "services/cloud_sync_monitor.h"

namespace tallyra {

CloudSyncMonitor::CloudSyncMonitor(StoreFacts store, std::optional<QString> startFailure,
                                   std::optional<CloudEnvironmentMismatch> mismatch,
                                   QObject* parent)
    : QObject(parent), m_containerIdentifier(std::move(store.containerIdentifier))
{
    if (mismatch) {
        m_state = CloudSyncOff{CloudSyncOff::OtherEnvironment{mismatch->data(), mismatch->build()}};
    } else if (startFailure) {
        m_state = CloudSyncOff{CloudSyncOff::FailedToStart{*startFailure}};
    } else if (store.isOnDisk) {
        if (m_containerIdentifier) {
            m_state = CloudSyncWaiting{};
            m_watching = true;
        } else {
            m_state = CloudSyncOff{CloudSyncOff::NotAvailable{}};
        }
    } else {
        m_state = CloudSyncOff{CloudSyncOff::NotStored{}};
    }
}

void CloudSyncMonitor::start(CloudMirroring* mirroring)
{
    m_mirroring = mirroring;
    if (!mirroring || !m_watching)
        return;
    connect(mirroring, &CloudMirroring::eventReported, this, &CloudSyncMonitor::record);
    connect(mirroring, &CloudMirroring::accountChanged, this,
            [this] { setHasAccount(m_mirroring && m_mirroring->hasAccount()); });
    setHasAccount(mirroring->hasAccount());
}

void CloudSyncMonitor::record(const CloudSyncEvent& event)
{
    m_log.record(event);
    refresh();
}

void CloudSyncMonitor::setHasAccount(bool hasAccount)
{
    m_hasAccount = hasAccount;
    refresh();
}

void CloudSyncMonitor::refresh()
{
    if (!m_watching)
        return;
    CloudSyncState next = m_hasAccount ? m_log.derivedState()
                                       : CloudSyncState{CloudSyncOff{CloudSyncOff::NoAccount{}}};
    if (next == m_state)
        return;
    m_state = std::move(next);
    emit stateChanged(m_state);
}

} // namespace tallyra
