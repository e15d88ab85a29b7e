#pragma once

// LocalPreferences: the device-local preferences the application keeps
// outside AppSettings, in a local backend (never the cloud):
//
//   "sounds.enabled"          true   play a sound after saving a transaction
//   "editor.keepOpen"         false  the editor stays open after saving
//   "editor.detailsExpanded"  false  the editor's details start expanded
//   "display.hideBalances"    false  balances are masked on screen
//   "welcome.seen"            false  the welcome sheet has been shown
//
// A missing key or a value that is not a boolean reads as the default.
//
// Thread safety: as the backend's.

#include <memory>

#include <QLatin1String>

#include "settings/settings_backend.h"

namespace tallyra {

class LocalPreferences final
{
public:
    static constexpr QLatin1String kSoundsEnabledKey{"sounds.enabled"};
    static constexpr QLatin1String kEditorKeepOpenKey{"editor.keepOpen"};
    static constexpr QLatin1String kEditorDetailsExpandedKey{"editor.detailsExpanded"};
    static constexpr QLatin1String kHideBalancesKey{"display.hideBalances"};
    static constexpr QLatin1String kWelcomeSeenKey{"welcome.seen"};

    explicit LocalPreferences(std::shared_ptr<SettingsBackend> backend);

    [[nodiscard]] bool soundsEnabled() const;
    void setSoundsEnabled(bool enabled);
    [[nodiscard]] bool editorKeepOpen() const;
    void setEditorKeepOpen(bool keepOpen);
    [[nodiscard]] bool editorDetailsExpanded() const;
    void setEditorDetailsExpanded(bool expanded);
    [[nodiscard]] bool hideBalances() const;
    void setHideBalances(bool hide);
    [[nodiscard]] bool welcomeSeen() const;
    void setWelcomeSeen(bool seen);

private:
    [[nodiscard]] bool flag(QLatin1String key, bool fallback) const;
    void setFlag(QLatin1String key, bool value);

    std::shared_ptr<SettingsBackend> m_backend;
};

} // namespace tallyra
