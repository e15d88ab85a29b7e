#include "sync_status_line.h"

#include <QCoreApplication>

namespace tallyra::app {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("SyncStatus", text);
}

} // namespace

SyncStatusLine syncStatusLine(const CloudSyncState& state)
{
    const auto* off = std::get_if<CloudSyncOff>(&state);
    if (off && std::holds_alternative<CloudSyncOff::NotStored>(off->reason))
        return {translated(QT_TRANSLATE_NOOP("SyncStatus", "Sample data — nothing is saved")), {}};
    if (off)
        if (const auto* failed = std::get_if<CloudSyncOff::FailedToStart>(&off->reason))
            return {translated(
                        QT_TRANSLATE_NOOP("SyncStatus", "Saved on this computer — syncing is off")),
                    failed->message};
    return {translated(QT_TRANSLATE_NOOP("SyncStatus", "Saved on this computer — syncing is off")),
            {}};
}

QString privacyText()
{
    return translated(QT_TRANSLATE_NOOP(
        "SyncStatus", "Everything lives in one database on this computer. There are no "
                      "Tallyra servers and no separate account."));
}

} // namespace tallyra::app
