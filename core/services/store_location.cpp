#include "services/store_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallyra::StoreLocation {

QString dataFolder()
{
    // The application's data location, spelled out so that the CLI and the
    // application share one folder whatever the running program is called.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Tallyra"));
}

QString defaultDatabaseFile()
{
    return QDir(dataFolder()).filePath(QString::fromUtf16(kDatabaseFileName));
}

QString backupsFolderFor(const QString& databaseFile)
{
    return QFileInfo(databaseFile).dir().filePath(QString::fromUtf16(kBackupsFolderName));
}

} // namespace tallyra::StoreLocation
