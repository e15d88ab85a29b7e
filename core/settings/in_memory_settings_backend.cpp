#include "settings/in_memory_settings_backend.h"

namespace tallyra {

std::optional<QVariant> InMemorySettingsBackend::value(const QString& key) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_values.constFind(key);
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

void InMemorySettingsBackend::setValue(const QString& key, const std::optional<QVariant>& value)
{
    std::lock_guard lock(m_mutex);
    if (value)
        m_values.insert(key, *value);
    else
        m_values.remove(key);
}

QStringList InMemorySettingsBackend::keys() const
{
    std::lock_guard lock(m_mutex);
    return m_values.keys();
}

} // namespace tallyra
