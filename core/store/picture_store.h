#pragma once

// Internal to the store: where pictures (account and category images,
// receipts) live outside the database rows. A row holds the name of its
// picture; each picture is written once under a fresh name and never
// rewritten in place, so a file stays valid for every committed row that
// names it until the save that drops the name has succeeded.
//
// On disk the files sit in the folder beside the database named "." + the
// database file's name without extension + "_SUPPORT"; a store in memory
// keeps them in memory.
//
// Thread safety: every call may come from any context's thread.

#include <memory>
#include <mutex>
#include <optional>

#include <QByteArray>
#include <QHash>
#include <QString>

namespace tallyra::store_detail {

class PictureStore
{
public:
    virtual ~PictureStore() = default;

    // A new unique name for a picture.
    [[nodiscard]] static QString newName();

    // The bytes, or nothing when the picture can't be read.
    [[nodiscard]] virtual std::optional<QByteArray> read(const QString& name) const = 0;
    // Throws StoreError (pictureFailed, diskFull) when the bytes can't be
    // written completely; a failed write leaves no file behind.
    virtual void write(const QString& name, const QByteArray& bytes) = 0;
    // Best effort: a picture that can't be removed is only wasted space.
    virtual void remove(const QString& name) noexcept = 0;
};

class FolderPictureStore final : public PictureStore
{
public:
    explicit FolderPictureStore(QString folder) : m_folder(std::move(folder)) {}

    [[nodiscard]] const QString& folder() const noexcept { return m_folder; }

    [[nodiscard]] std::optional<QByteArray> read(const QString& name) const override;
    void write(const QString& name, const QByteArray& bytes) override;
    void remove(const QString& name) noexcept override;

private:
    QString m_folder;
};

class MemoryPictureStore final : public PictureStore
{
public:
    [[nodiscard]] std::optional<QByteArray> read(const QString& name) const override;
    void write(const QString& name, const QByteArray& bytes) override;
    void remove(const QString& name) noexcept override;
    [[nodiscard]] qsizetype count() const;

private:
    mutable std::mutex m_mutex;
    QHash<QString, QByteArray> m_pictures;
};

} // namespace tallyra::store_detail
