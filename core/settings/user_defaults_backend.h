#pragma once

// UserDefaultsBackend: the machine-local settings backend, over QSettings
// (organisation "Tallyra", application "Tallyra" unless given another).
//
// QSettings' INI files, which are also the native format on Linux, keep
// every value as text, so an integer would come back as the string "7".
// Each value is therefore stored as a QByteArray: the marker "TallyraV1:"
// followed by the QVariant in QDataStream form (Qt 6.0 stream version).
// Reads give back the original type: text, integers, booleans, doubles,
// and lists and maps of these. A value written by someone else without the
// marker (a hand-edited file) is returned as QSettings reads it; a marked
// value that cannot be decoded is treated as absent and logged.
//
// Every write is flushed to disk at once, so a value survives a crash and
// another QSettings on the same file sees it.
//
// Thread safety: the backend serialises its own accesses, so one instance
// may be shared between threads.

#include <memory>
#include <mutex>

#include <QSettings>

#include "settings/settings_backend.h"

namespace tallyra {

class UserDefaultsBackend final : public SettingsBackend
{
public:
    // The standard user settings of the application.
    UserDefaultsBackend();
    // An INI file at the path (for tests and portable runs).
    explicit UserDefaultsBackend(const QString& iniFilePath);
    // Any QSettings; the backend owns it.
    explicit UserDefaultsBackend(std::unique_ptr<QSettings> settings);
    ~UserDefaultsBackend() override;

    [[nodiscard]] std::optional<QVariant> value(const QString& key) const override;
    void setValue(const QString& key, const std::optional<QVariant>& value) override;

    [[nodiscard]] QString fileName() const;

    // The stored form of a value, and back; exposed for tests and tools.
    [[nodiscard]] static QByteArray encode(const QVariant& value);
    [[nodiscard]] static std::optional<QVariant> decode(const QVariant& stored);

private:
    mutable std::mutex m_mutex;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tallyra
