#pragma once

// InMemorySettingsBackend: a settings backend that keeps nothing beyond the
// process: used when the application runs on sample data or an empty store,
// and by tests. Values come back exactly as they were stored, with their
// types.
//
// Thread safety: every access takes the backend's own mutex, so one
// instance may be shared between threads.

#include <mutex>

#include <QHash>

#include "settings/settings_backend.h"

namespace tallyra {

class InMemorySettingsBackend final : public SettingsBackend
{
public:
    InMemorySettingsBackend() = default;

    [[nodiscard]] std::optional<QVariant> value(const QString& key) const override;
    void setValue(const QString& key, const std::optional<QVariant>& value) override;

    // Every stored key, in no particular order.
    [[nodiscard]] QStringList keys() const;

private:
    mutable std::mutex m_mutex;
    QHash<QString, QVariant> m_values;
};

} // namespace tallyra
