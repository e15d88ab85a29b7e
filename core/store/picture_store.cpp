#include "store/picture_store.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QUuid>

#include "store/store_error.h"

namespace tallyra::store_detail {

namespace {
Q_LOGGING_CATEGORY(lcPictures, "tallyra.store.pictures")

bool isPlainName(const QString& name)
{
    // Names come from rows, which a damaged or foreign file could fill with
    // anything; never let one reach outside the folder.
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u"." &&
           name != u"..";
}
} // namespace

QString PictureStore::newName()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

std::optional<QByteArray> FolderPictureStore::read(const QString& name) const
{
    if (!isPlainName(name)) {
        qCWarning(lcPictures, "Picture name %s is not a file name", qUtf8Printable(name));
        return std::nullopt;
    }
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcPictures, "Picture %s can't be read: %s", qUtf8Printable(file.fileName()),
                  qUtf8Printable(file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

void FolderPictureStore::write(const QString& name, const QByteArray& bytes)
{
    if (!QDir().mkpath(m_folder))
        throw StoreError(StoreError::Code::pictureFailed,
                         QStringLiteral("can't create %1").arg(m_folder));
    QSaveFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        throw StoreError(StoreError::Code::pictureFailed,
                         QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        const auto code = file.error() == QFileDevice::ResourceError
                              ? StoreError::Code::diskFull
                              : StoreError::Code::pictureFailed;
        throw StoreError(code, QStringLiteral("%1: %2").arg(file.fileName(), reason));
    }
}

void FolderPictureStore::remove(const QString& name) noexcept
{
    if (!isPlainName(name))
        return;
    const QString path = QDir(m_folder).filePath(name);
    if (QFile::exists(path) && !QFile::remove(path))
        qCWarning(lcPictures, "Picture %s can't be removed", qUtf8Printable(path));
}

std::optional<QByteArray> MemoryPictureStore::read(const QString& name) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_pictures.constFind(name);
    if (found == m_pictures.constEnd())
        return std::nullopt;
    return found.value();
}

void MemoryPictureStore::write(const QString& name, const QByteArray& bytes)
{
    std::lock_guard lock(m_mutex);
    m_pictures.insert(name, bytes);
}

void MemoryPictureStore::remove(const QString& name) noexcept
{
    std::lock_guard lock(m_mutex);
    m_pictures.remove(name);
}

qsizetype MemoryPictureStore::count() const
{
    std::lock_guard lock(m_mutex);
    return m_pictures.size();
}

} // namespace tallyra::store_detail
