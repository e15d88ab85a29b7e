#include "services/cloud_sync_state.h"

#include <QCoreApplication>

namespace tallyra {

namespace {

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
// Spelled out: deducing an aggregate's arguments is C++20 that GCC has and
// clang 14 has not.
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

QString statusText(const CloudSyncState& state)
{
    return std::visit(
        Overloaded{
            [](const CloudSyncOff& off) {
                return std::visit(
                    Overloaded{
                        [](const CloudSyncOff::FailedToStart&) {
                            return QCoreApplication::translate(
                                "CloudSync", "Saved on this computer — sync couldn’t start");
                        },
                        [](const CloudSyncOff::OtherEnvironment&) {
                            return QCoreApplication::translate(
                                "CloudSync", "Saved on this computer — sync is off in this copy");
                        },
                        [](const CloudSyncOff::NotStored&) {
                            return QCoreApplication::translate("CloudSync",
                                                               "Sample data — nothing is saved");
                        },
                        [](const CloudSyncOff::NotAvailable&) {
                            return QCoreApplication::translate(
                                "CloudSync", "Saved on this computer — syncing is off");
                        },
                        [](const CloudSyncOff::NoAccount&) {
                            return QCoreApplication::translate(
                                "CloudSync", "Saved on this computer — sign in to sync");
                        },
                    },
                    off.reason);
            },
            [](const CloudSyncUpToDate&) {
                return QCoreApplication::translate("CloudSync", "Synced");
            },
            [](const CloudSyncFailed&) {
                return QCoreApplication::translate("CloudSync", "Couldn’t sync");
            },
            [](const CloudSyncWaiting&) {
                return QCoreApplication::translate("CloudSync", "Sync is on");
            },
            [](const CloudSyncSyncing&) {
                return QCoreApplication::translate("CloudSync", "Syncing…");
            },
        },
        state);
}

bool isOff(const CloudSyncState& state)
{
    return std::holds_alternative<CloudSyncOff>(state);
}

void CloudSyncLog::record(const CloudSyncEvent& event)
{
    if (!event.ended) {
        running.insert(event.id);
        return;
    }
    running.erase(event.id);
    lastFinished[event.kind] = event;
    if (!event.succeeded)
        return;
    const QDateTime end = *event.ended;
    auto& kindSuccess = lastSuccessByKind[event.kind];
    if (!kindSuccess.isValid() || end > kindSuccess)
        kindSuccess = end;
    if (!lastSuccess || end > *lastSuccess)
        lastSuccess = end;
    if (event.kind == CloudSyncEvent::Kind::incoming)
        ++imports;
}

CloudSyncState CloudSyncLog::derivedState() const
{
    if (!running.empty())
        return CloudSyncSyncing{};
    if (lastFinished.empty())
        return CloudSyncWaiting{};
    const CloudSyncEvent* failed = nullptr;
    QDateTime latest;
    for (const auto& [kind, event] : lastFinished) {
        if (!event.succeeded && (!failed || *event.ended > *failed->ended))
            failed = &event;
        if (!latest.isValid() || *event.ended > latest)
            latest = *event.ended;
    }
    if (!failed)
        return CloudSyncUpToDate{latest};
    // The last success recorded before the failure: per kind, so a later
    // success of another kind does not count as "before".
    std::optional<QDateTime> before;
    for (const auto& [kind, when] : lastSuccessByKind)
        if (when <= *failed->ended && (!before || when > *before))
            before = when;
    return CloudSyncFailed{failed->error.value_or(QString()), before};
}

} // namespace tallyra
