#pragma once

// A small key-value store of dynamically typed values (text, integer,
// boolean, floating point, and lists and maps of these, as QVariant).
// Implemented by the local defaults (QSettings), an in-memory map and the
// cloud-backed store; read by the settings store, the rate cache and the
// application's device-local preferences.
//
// Thread safety: main thread, except the in-memory backend, which
// serialises its own map.

#include <optional>

#include <QString>
#include <QVariant>

namespace tallyra {

class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;
    // The stored value, or nothing when the key holds none.
    [[nodiscard]] virtual std::optional<QVariant> value(const QString& key) const = 0;
    // Stores the value; nothing removes the key.
    virtual void setValue(const QString& key, const std::optional<QVariant>& value) = 0;
};

} // namespace tallyra
