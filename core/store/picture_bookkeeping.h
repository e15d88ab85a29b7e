#pragma once

// Internal to the store: which picture files one context's unsaved unit of
// work has written and stopped naming, and what it last knew of each
// picture of each row.
//
// Files follow the save: a file written by the unit is removed again when
// the unit (or one failed change of it) is undone; a file the unit stopped
// naming is removed only after the save that stopped naming it succeeded,
// so every committed row always names a file that exists.
//
// What is known of a picture lets a change skip rewriting bytes that did
// not change, and keeps a picture whose file could not be read: a model
// fetched with an unreadable picture holds none, and writing it back must
// not drop the file.
//
// Thread safety: the context's thread.

#include <cstdint>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include "store/picture_store.h"

namespace tallyra::store_detail {

class PictureBookkeeping
{
public:
    // Where the unit's bookkeeping stood before a change, to go back to
    // when that change fails.
    struct Mark
    {
        qsizetype written = 0;
        qsizetype released = 0;
        qsizetype touched = 0;
    };

    explicit PictureBookkeeping(PictureStore& pictures) : m_pictures(pictures) {}

    [[nodiscard]] Mark mark() const noexcept
    {
        return Mark{m_writtenFiles.size(), m_releasedFiles.size(), m_touched.size()};
    }
    // Undoes what the changes since the mark did: removes the files they
    // wrote and forgets what they learnt.
    void rollBackTo(const Mark& mark);
    // The unit ended without a commit: as rollBackTo the start of the unit.
    void discardUnsaved() { rollBackTo(Mark{}); }
    // The unit was committed: removes the files it stopped naming.
    void commitSaved();

    // The file names a row's pictures get for these bytes (a null name for
    // none), writing new files and releasing replaced ones. current holds
    // the row's present names (empty for an insert). Throws StoreError when
    // a file can't be written.
    [[nodiscard]] QList<QString> place(const char* table, std::int64_t objectID,
                                       const QList<int>& columnIndexes,
                                       const QList<const std::optional<QByteArray>*>& values,
                                       const QList<QString>& current);
    // Records what a row's pictures now hold after a write of these values
    // under these files.
    void remember(const char* table, std::int64_t objectID, const QList<int>& columnIndexes,
                  const QList<const std::optional<QByteArray>*>& values,
                  const QList<QString>& files);
    // The row was deleted: its files are released.
    void release(const char* table, std::int64_t objectID, const QList<int>& columnIndexes,
                 const QList<QString>& files);
    // Reads the picture of a fetched row; none for a null name or a file
    // that can't be read.
    [[nodiscard]] std::optional<QByteArray> load(const char* table, std::int64_t objectID,
                                                 int column, const QString& file);

private:
    struct Key
    {
        const char* table;
        std::int64_t objectID;
        int column;

        friend bool operator==(const Key& a, const Key& b) = default;
        friend size_t qHash(const Key& key, size_t seed = 0) noexcept
        {
            return qHashMulti(seed, reinterpret_cast<quintptr>(key.table), key.objectID,
                              key.column);
        }
    };
    struct Known
    {
        QString file;
        QByteArray bytes;
        bool readable = true;
    };

    void setKnown(const Key& key, std::optional<Known> picture);

    PictureStore& m_pictures;
    // Written by the unsaved unit: removed if it is undone.
    QList<QString> m_writtenFiles;
    // No longer named by the unsaved unit: removed once it is saved.
    QList<QString> m_releasedFiles;
    QHash<Key, Known> m_known;
    // What m_known held before each change of the unsaved unit.
    QList<std::pair<Key, std::optional<Known>>> m_touched;
};

} // namespace tallyra::store_detail
