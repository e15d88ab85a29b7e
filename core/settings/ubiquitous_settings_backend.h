#pragma once

// UbiquitousSettingsBackend: settings that follow the user across machines.
// Reads prefer the cloud store and fall back to the local backend (so a
// machine that has not synced yet still has its own values); writes go to
// the cloud first and then to the local backend, so both always hold the
// latest value. On creation the cloud store is asked to synchronise once.
//
// The SettingsStore listens to cloud()'s changedExternally to pick up
// values written on other machines.
//
// Thread safety: main thread, like its cloud store.

#include <memory>

#include "settings/cloud_key_value_store.h"
#include "settings/settings_backend.h"

namespace tallyra {

class UbiquitousSettingsBackend final : public SettingsBackend
{
public:
    UbiquitousSettingsBackend(std::shared_ptr<CloudKeyValueStore> cloud,
                              std::shared_ptr<SettingsBackend> local);

    [[nodiscard]] std::optional<QVariant> value(const QString& key) const override;
    void setValue(const QString& key, const std::optional<QVariant>& value) override;

    [[nodiscard]] const std::shared_ptr<CloudKeyValueStore>& cloud() const noexcept
    {
        return m_cloud;
    }
    [[nodiscard]] const std::shared_ptr<SettingsBackend>& local() const noexcept { return m_local; }

private:
    std::shared_ptr<CloudKeyValueStore> m_cloud;
    std::shared_ptr<SettingsBackend> m_local;
};

} // namespace tallyra
