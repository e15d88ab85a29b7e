#include "store/picture_bookkeeping.h"

#include <algorithm>

namespace tallyra::store_detail {

void PictureBookkeeping::rollBackTo(const Mark& mark)
{
    for (qsizetype i = mark.written; i < m_writtenFiles.size(); ++i)
        m_pictures.remove(m_writtenFiles.at(i));
    m_writtenFiles.resize(std::min(mark.written, m_writtenFiles.size()));
    m_releasedFiles.resize(std::min(mark.released, m_releasedFiles.size()));
    for (qsizetype i = m_touched.size() - 1; i >= mark.touched; --i) {
        const auto& [key, previous] = m_touched.at(i);
        if (previous)
            m_known.insert(key, *previous);
        else
            m_known.remove(key);
    }
    m_touched.resize(std::min(mark.touched, m_touched.size()));
}

void PictureBookkeeping::commitSaved()
{
    for (const QString& file : std::as_const(m_releasedFiles))
        m_pictures.remove(file);
    m_releasedFiles.clear();
    m_writtenFiles.clear();
    m_touched.clear();
}

void PictureBookkeeping::setKnown(const Key& key, std::optional<Known> picture)
{
    const auto previous = m_known.constFind(key);
    m_touched.append({key, previous == m_known.constEnd()
                               ? std::nullopt
                               : std::optional<Known>(previous.value())});
    if (picture)
        m_known.insert(key, std::move(*picture));
    else
        m_known.remove(key);
}

QList<QString> PictureBookkeeping::place(const char* table, std::int64_t objectID,
                                         const QList<int>& columnIndexes,
                                         const QList<const std::optional<QByteArray>*>& values,
                                         const QList<QString>& current)
{
    QList<QString> files;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const std::optional<QByteArray>& value = *values.at(i);
        const QString present = i < current.size() ? current.at(i) : QString();
        const auto known = m_known.constFind(Key{table, objectID, columnIndexes.at(i)});
        const bool knownPresent =
            !present.isNull() && known != m_known.constEnd() && known->file == present;

        if (!value) {
            if (knownPresent && !known->readable) {
                // Never drop a picture just because it couldn't be read.
                files.append(present);
                continue;
            }
            if (!present.isNull())
                m_releasedFiles.append(present);
            files.append(QString());
            continue;
        }
        if (knownPresent && known->readable && known->bytes == *value) {
            files.append(present);
            continue;
        }
        const QString name = PictureStore::newName();
        m_pictures.write(name, *value);
        m_writtenFiles.append(name);
        if (!present.isNull())
            m_releasedFiles.append(present);
        files.append(name);
    }
    return files;
}

void PictureBookkeeping::remember(const char* table, std::int64_t objectID,
                                  const QList<int>& columnIndexes,
                                  const QList<const std::optional<QByteArray>*>& values,
                                  const QList<QString>& files)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        const Key key{table, objectID, columnIndexes.at(i)};
        if (files.at(i).isNull())
            setKnown(key, std::nullopt);
        else if (*values.at(i))
            setKnown(key, Known{files.at(i), **values.at(i), true});
    }
}

void PictureBookkeeping::release(const char* table, std::int64_t objectID,
                                 const QList<int>& columnIndexes, const QList<QString>& files)
{
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!files.at(i).isNull())
            m_releasedFiles.append(files.at(i));
        setKnown(Key{table, objectID, columnIndexes.at(i)}, std::nullopt);
    }
}

std::optional<QByteArray> PictureBookkeeping::load(const char* table, std::int64_t objectID,
                                                   int column, const QString& file)
{
    if (file.isNull())
        return std::nullopt;
    std::optional<QByteArray> bytes = m_pictures.read(file);
    m_known.insert(Key{table, objectID, column},
                   Known{file, bytes.value_or(QByteArray()), bytes.has_value()});
    return bytes;
}

} // namespace tallyra::store_detail
