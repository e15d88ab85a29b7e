#pragma once

// AppEnvironment: the start options of a run, fixed for its length. With
// sample data or an empty store the ledger lives in memory and the
// settings and the rate cache use in-memory backends: nothing the user
// does is kept.
//
// A normal launch reads "TallyraEmptyStore" from the standard defaults into
// useEmptyStore (a boolean, a non-zero number, or the text "true", "yes" or
// "1", as a hand-edited defaults file holds it); sample data is off and the
// welcome sheet may be offered. The command line and tests set the fields
// themselves.
//
// Thread safety: a plain value; any thread.

#include <optional>

#include <QLatin1String>
#include <QString>

#include "settings/settings_backend.h"

namespace tallyra {

struct AppEnvironment
{
    static constexpr QLatin1String kEmptyStoreKey{"TallyraEmptyStore"};

    bool useSampleData = false;
    bool useEmptyStore = false;
    bool showsWelcome = false;
    // A locale identifier ("uk_UA") that wins over every other choice.
    std::optional<QString> localeOverride;

    // Sample data or an empty store: nothing is kept.
    [[nodiscard]] bool keepsNothing() const noexcept { return useSampleData || useEmptyStore; }

    // The options of a normal launch.
    [[nodiscard]] static AppEnvironment fromDefaults(const SettingsBackend& defaults);

    friend bool operator==(const AppEnvironment& a, const AppEnvironment& b) = default;
};

} // namespace tallyra
