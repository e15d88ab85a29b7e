#include "settings/local_preferences.h"

#include <cassert>

namespace tallyra {

LocalPreferences::LocalPreferences(std::shared_ptr<SettingsBackend> backend)
    : m_backend(std::move(backend))
{
    assert(m_backend);
}

bool LocalPreferences::soundsEnabled() const
{
    return flag(kSoundsEnabledKey, true);
}
void LocalPreferences::setSoundsEnabled(bool enabled)
{
    setFlag(kSoundsEnabledKey, enabled);
}
bool LocalPreferences::editorKeepOpen() const
{
    return flag(kEditorKeepOpenKey, false);
}
void LocalPreferences::setEditorKeepOpen(bool keepOpen)
{
    setFlag(kEditorKeepOpenKey, keepOpen);
}
bool LocalPreferences::editorDetailsExpanded() const
{
    return flag(kEditorDetailsExpandedKey, false);
}
void LocalPreferences::setEditorDetailsExpanded(bool expanded)
{
    setFlag(kEditorDetailsExpandedKey, expanded);
}
bool LocalPreferences::hideBalances() const
{
    return flag(kHideBalancesKey, false);
}
void LocalPreferences::setHideBalances(bool hide)
{
    setFlag(kHideBalancesKey, hide);
}
bool LocalPreferences::welcomeSeen() const
{
    return flag(kWelcomeSeenKey, false);
}
void LocalPreferences::setWelcomeSeen(bool seen)
{
    setFlag(kWelcomeSeenKey, seen);
}

bool LocalPreferences::flag(QLatin1String key, bool fallback) const
{
    const std::optional<QVariant> value = m_backend->value(QString(key));
    if (value && value->typeId() == QMetaType::Bool)
        return value->toBool();
    return fallback;
}

void LocalPreferences::setFlag(QLatin1String key, bool value)
{
    m_backend->setValue(QString(key), QVariant(value));
}

} // namespace tallyra
