#pragma once

// CloudKeyValueStore: a key-value store that follows the user across
// machines (the platform's cloud key-value store where one exists). Values
// are dynamically typed like SettingsBackend's. When another machine changes
// keys, the store emits changedExternally with the changed keys, on the
// thread the store lives in.
//
// Thread safety: main thread, like the settings that read it.

#include <optional>

#include <QObject>
#include <QStringList>
#include <QVariant>

namespace tallyra {

class CloudKeyValueStore : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~CloudKeyValueStore() override = default;

    // The stored value, or nothing when the key holds none.
    [[nodiscard]] virtual std::optional<QVariant> value(const QString& key) const = 0;
    // Stores the value; nothing removes the key.
    virtual void setValue(const QString& key, const std::optional<QVariant>& value) = 0;
    // Asks the store to exchange its changes with the cloud; false when it
    // could not start (no account, no store).
    virtual bool synchronize() = 0;

signals:
    void changedExternally(const QStringList& keys);
};

} // namespace tallyra
