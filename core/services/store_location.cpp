#include "services/store_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallyra::StoreLocation {

QString dataFolder()
{
    // The CLI and the application share one data folder whatever the
    // running program is called.
    const QString savedName = QCoreApplication::applicationName();
    const QString savedOrganization = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("Tallyra"));
    QCoreApplication::setOrganizationName(QString());
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(savedName);
    QCoreApplication::setOrganizationName(savedOrganization);
    return folder;
}

QString defaultDatabaseFile() { return QDir(dataFolder()).filePath(QString::fromUtf16(kDatabaseFileName)); }

QString backupsFolderFor(const QString& databaseFile)
{
    return QFileInfo(databaseFile).dir().filePath(QString::fromUtf16(kBackupsFolderName));
}

} // namespace tallyra::StoreLocation
