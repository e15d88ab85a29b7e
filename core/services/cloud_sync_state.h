#pragma once

// The one sync status the sidebar and the settings show, and the log of
// mirroring events it is derived from.

#include <map>
#include <optional>
#include <set>
#include <variant>

#include <QDateTime>
#include <QString>

#include "services/cloud_environment.h"
#include "services/cloud_sync_event.h"

namespace tallyra {

struct CloudSyncOff
{
    struct FailedToStart
    {
        QString message;
        friend bool operator==(const FailedToStart&, const FailedToStart&) = default;
    };
    struct OtherEnvironment
    {
        CloudEnvironment data;
        CloudEnvironment build;
        friend bool operator==(const OtherEnvironment&, const OtherEnvironment&) = default;
    };
    struct NotStored
    {
        friend bool operator==(const NotStored&, const NotStored&) = default;
    };
    struct NotAvailable
    {
        friend bool operator==(const NotAvailable&, const NotAvailable&) = default;
    };
    struct NoAccount
    {
        friend bool operator==(const NoAccount&, const NoAccount&) = default;
    };
    using Reason =
        std::variant<FailedToStart, OtherEnvironment, NotStored, NotAvailable, NoAccount>;

    Reason reason;
    friend bool operator==(const CloudSyncOff&, const CloudSyncOff&) = default;
};

struct CloudSyncUpToDate
{
    QDateTime lastFinished;
    friend bool operator==(const CloudSyncUpToDate&, const CloudSyncUpToDate&) = default;
};

struct CloudSyncFailed
{
    QString error;
    std::optional<QDateTime> lastSuccess;
    friend bool operator==(const CloudSyncFailed&, const CloudSyncFailed&) = default;
};

struct CloudSyncWaiting
{
    friend bool operator==(const CloudSyncWaiting&, const CloudSyncWaiting&) = default;
};

struct CloudSyncSyncing
{
    friend bool operator==(const CloudSyncSyncing&, const CloudSyncSyncing&) = default;
};

using CloudSyncState = std::variant<CloudSyncOff, CloudSyncUpToDate, CloudSyncFailed,
                                    CloudSyncWaiting, CloudSyncSyncing>;

// "Synced", "Saved on this computer — syncing is off", …
[[nodiscard]] QString statusText(const CloudSyncState& state);
[[nodiscard]] bool isOff(const CloudSyncState& state);

// The recent mirroring events. Times only move forward.
struct CloudSyncLog
{
    std::set<QUuid> running;
    std::map<CloudSyncEvent::Kind, CloudSyncEvent> lastFinished;
    std::map<CloudSyncEvent::Kind, QDateTime> lastSuccessByKind;
    std::optional<QDateTime> lastSuccess;
    int imports = 0;

    void record(const CloudSyncEvent& event);
    // The state while syncing is on.
    [[nodiscard]] CloudSyncState derivedState() const;
};

} // namespace tallyra
