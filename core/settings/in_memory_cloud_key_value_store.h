#pragma once

// InMemoryCloudKeyValueStore: a cloud key-value store that lives in memory:
// the stand-in on platforms without a cloud store, and the fake tests use to
// play another machine's changes (simulateExternalChange).
//
// Thread safety: main thread, like every cloud store.

#include <QHash>

#include "settings/cloud_key_value_store.h"

namespace tallyra {

class InMemoryCloudKeyValueStore final : public CloudKeyValueStore
{
    Q_OBJECT

public:
    using CloudKeyValueStore::CloudKeyValueStore;

    [[nodiscard]] std::optional<QVariant> value(const QString& key) const override;
    void setValue(const QString& key, const std::optional<QVariant>& value) override;
    bool synchronize() override;

    // Applies changes as if another machine had made them, then emits
    // changedExternally once with every changed and removed key.
    void simulateExternalChange(const QVariantMap& changed, const QStringList& removed = {});

    [[nodiscard]] int synchronizeCount() const noexcept { return m_synchronizeCount; }
    [[nodiscard]] int writeCount() const noexcept { return m_writeCount; }
    // How many connections listen to changedExternally.
    [[nodiscard]] int observerCount() const;

private:
    QHash<QString, QVariant> m_values;
    int m_synchronizeCount = 0;
    int m_writeCount = 0;
};

} // namespace tallyra
