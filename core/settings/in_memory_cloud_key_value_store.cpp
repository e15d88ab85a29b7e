#include "settings/in_memory_cloud_key_value_store.h"

namespace tallyra {

std::optional<QVariant> InMemoryCloudKeyValueStore::value(const QString& key) const
{
    const auto found = m_values.constFind(key);
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

void InMemoryCloudKeyValueStore::setValue(const QString& key, const std::optional<QVariant>& value)
{
    ++m_writeCount;
    if (value)
        m_values.insert(key, *value);
    else
        m_values.remove(key);
}

bool InMemoryCloudKeyValueStore::synchronize()
{
    ++m_synchronizeCount;
    return true;
}

int InMemoryCloudKeyValueStore::observerCount() const
{
    return receivers(SIGNAL(changedExternally(QStringList)));
}

void InMemoryCloudKeyValueStore::simulateExternalChange(const QVariantMap& changed,
                                                        const QStringList& removed)
{
    QStringList keys;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        m_values.insert(it.key(), it.value());
        keys.append(it.key());
    }
    for (const QString& key : removed) {
        m_values.remove(key);
        keys.append(key);
    }
    emit changedExternally(keys);
}

} // namespace tallyra
