#include "settings/ubiquitous_settings_backend.h"

#include <cassert>

namespace tallyra {

UbiquitousSettingsBackend::UbiquitousSettingsBackend(std::shared_ptr<CloudKeyValueStore> cloud,
                                                     std::shared_ptr<SettingsBackend> local)
    : m_cloud(std::move(cloud)), m_local(std::move(local))
{
    assert(m_cloud && m_local);
    m_cloud->synchronize();
}

std::optional<QVariant> UbiquitousSettingsBackend::value(const QString& key) const
{
    if (std::optional<QVariant> fromCloud = m_cloud->value(key))
        return fromCloud;
    return m_local->value(key);
}

void UbiquitousSettingsBackend::setValue(const QString& key, const std::optional<QVariant>& value)
{
    m_cloud->setValue(key, value);
    m_local->setValue(key, value);
}

} // namespace tallyra
