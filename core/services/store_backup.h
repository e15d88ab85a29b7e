#pragma once

// StoreBackup makes dated backup folders of the live database: a
// consistent copy of the database file (SQLite's online backup, while the
// application keeps it open) and a copy of the picture folder beside it.
// A failed backup leaves no half-made folder behind.
//
// Thread: any; a backup blocks its caller for the length of the copy.

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include "base/error.h"

namespace tallyra::StoreBackup {

class Failure final : public Error
{
public:
    enum class Kind
    {
        database,
        noStore
    };

    [[nodiscard]] static Failure database(const QString& engineMessage);
    [[nodiscard]] static Failure noStore();

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }

private:
    Failure(Kind kind, QString message) : Error(std::move(message)), m_kind(kind) {}
    Kind m_kind;
};

// "Tallyra Backup 2025-03-07 09.05": the backup time in the given zone.
[[nodiscard]] QString folderName(const QDateTime& at, const QTimeZone& zone);

// ".Tallyra_SUPPORT" for ".../Tallyra.sqlite": the folder of pictures kept
// beside a store file.
[[nodiscard]] QString pictureFolderName(const QString& storeFile);

// Copies the store file (and its picture folder, when it exists) into a new
// folder named after `at` inside `folder` (" 2", " 3", … when the name is
// taken) and returns the new folder's path. Throws Failure (noStore when no
// file exists at storeFile; database when the copy fails) or FileError.
[[nodiscard]] QString backup(const QString& storeFile, const QString& folder, const QDateTime& at,
                             const QTimeZone& zone);

// Throws Failure::database with the engine's message when the copy fails.
void copyDatabase(const QString& source, const QString& destination);

} // namespace tallyra::StoreBackup
