#include "services/store_backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "base/file_error.h"
#include "store/database_copy.h"

namespace tallyra::StoreBackup {

namespace {

// Copies a folder and everything in it; the target must not exist yet.
void copyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        throw FileError(QCoreApplication::translate(
                            "StoreBackup", "The pictures couldn’t be copied into the backup."),
                        to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + u'/' + source.relativeFilePath(path);
        const bool ok = info.isDir() ? QDir().mkpath(target) : QFile::copy(path, target);
        if (!ok)
            throw FileError(QCoreApplication::translate(
                                "StoreBackup", "The pictures couldn’t be copied into the backup."),
                            path);
    }
}

} // namespace

Failure Failure::database(const QString& engineMessage)
{
    return Failure(Kind::database,
                   QCoreApplication::translate("StoreBackup", "The database couldn’t be copied: ") +
                       engineMessage);
}

Failure Failure::noStore()
{
    return Failure(
        Kind::noStore,
        QCoreApplication::translate(
            "StoreBackup", "This data isn’t kept in a file, so there is nothing to back up."));
}

QString folderName(const QDateTime& at, const QTimeZone& zone)
{
    const QDateTime local = at.toTimeZone(zone);
    const QDate day = local.date();
    const QTime time = local.time();
    return QStringLiteral("Tallyra Backup %1-%2-%3 %4.%5")
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'))
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString pictureFolderName(const QString& storeFile)
{
    return u'.' + QFileInfo(storeFile).completeBaseName() + QStringLiteral("_SUPPORT");
}

void copyDatabase(const QString& source, const QString& destination)
{
    if (const auto message = tallyra::copyDatabase(source, destination))
        throw Failure::database(*message);
}

QString backup(const QString& storeFile, const QString& folder, const QDateTime& at,
               const QTimeZone& zone)
{
    const QFileInfo store(storeFile);
    if (!store.isFile())
        throw Failure::noStore();

    const QString base = folderName(at, zone);
    QString name = base;
    for (int counter = 2; QFileInfo::exists(folder + u'/' + name); ++counter)
        name = base + u' ' + QString::number(counter);
    const QString target = folder + u'/' + name;
    if (!QDir().mkpath(target))
        throw FileError(
            QCoreApplication::translate("StoreBackup", "The backup folder couldn’t be made there."),
            target);

    try {
        copyDatabase(storeFile, target + u'/' + store.fileName());
        const QString pictures = store.dir().filePath(pictureFolderName(storeFile));
        if (QFileInfo(pictures).isDir())
            copyFolder(pictures, target + u'/' + pictureFolderName(storeFile));
    } catch (...) {
        QDir(target).removeRecursively();
        throw;
    }
    return target;
}

} // namespace tallyra::StoreBackup
