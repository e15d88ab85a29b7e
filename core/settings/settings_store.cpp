#include "settings/settings_store.h"

#include <cassert>

#include "settings/ubiquitous_settings_backend.h"

namespace tallyra {

SettingsStore::SettingsStore(std::shared_ptr<SettingsBackend> backend, QObject* parent)
    : QObject(parent), m_backend(std::move(backend))
{
    assert(m_backend);
    m_settings = AppSettings::read(*m_backend);
    if (const auto* ubiquitous = dynamic_cast<const UbiquitousSettingsBackend*>(m_backend.get()))
        m_cloudObserver = connect(ubiquitous->cloud().get(), &CloudKeyValueStore::changedExternally,
                                  this, &SettingsStore::applyExternalChange);
}

SettingsStore::~SettingsStore()
{
    disconnect(m_cloudObserver);
}

void SettingsStore::setSettings(const AppSettings& settings)
{
    AppSettings incoming = settings;
    if (incoming.periodMode != m_settings.periodMode)
        incoming.setPeriodMode(incoming.periodMode);
    if (incoming == m_settings)
        return;
    m_settings = incoming;
    emit settingsChanged(m_settings);
    m_settings.write(*m_backend);
}

void SettingsStore::update(const std::function<void(AppSettings&)>& change)
{
    AppSettings changed = m_settings;
    change(changed);
    setSettings(changed);
}

void SettingsStore::applyExternalChange()
{
    // Another machine's values arrive as a whole record; writing them back
    // would only echo them to the cloud.
    AppSettings fresh = AppSettings::read(*m_backend);
    if (fresh == m_settings)
        return;
    m_settings = std::move(fresh);
    emit settingsChanged(m_settings);
}

} // namespace tallyra
