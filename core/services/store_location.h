#pragma once

// Where the application keeps its data: the database file in the user's
// data folder (the application data location, e.g.
// ~/.local/share/Tallyra/Tallyra.sqlite), its picture folder beside it and
// the "Backups" folder next to it.

#include <QString>

namespace tallyra::StoreLocation {

inline constexpr char16_t kDatabaseFileName[] = u"Tallyra.sqlite";
inline constexpr char16_t kBackupsFolderName[] = u"Backups";

// The application's data folder (not created here).
[[nodiscard]] QString dataFolder();
// The default database file inside it.
[[nodiscard]] QString defaultDatabaseFile();
// The "Backups" folder next to a database file.
[[nodiscard]] QString backupsFolderFor(const QString& databaseFile);

} // namespace tallyra::StoreLocation
