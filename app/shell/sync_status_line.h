#pragma once

// The sync line of the sidebar and the settings, in this platform's words.
// The ledger is one database file on this computer: Tallyra mirrors it to
// no cloud, so the line says where the data is and that syncing is off
// (a folder-sync service the user runs may copy the backups, never the
// live file). Sample data and empty runs say that nothing is saved.
//
// Thread safety: pure; any thread (texts in the application's language).

#include <QString>

#include "services/cloud_sync_state.h"

namespace tallyra::app {

struct SyncStatusLine
{
    QString title;  // "Saved on this computer — syncing is off"
    QString detail; // a second line, empty when there is none
};

[[nodiscard]] SyncStatusLine syncStatusLine(const CloudSyncState& state);

// The privacy paragraph of the settings screen.
[[nodiscard]] QString privacyText();

} // namespace tallyra::app
