#pragma once

// The start options of the window application, from its command line:
//
//   --sample-data   the built-in sample ledger in memory; nothing is kept
//   --empty         an empty ledger in memory; nothing is kept
//   --no-welcome    never offer the welcome sheet
//   --locale ID     the language and formats of the run ("uk_UA")
//
// Without --empty, "TallyraEmptyStore" in the local defaults still asks for
// an empty store, as it does for a normal launch. Read the arguments after
// QGuiApplication has taken its own (-platform, …); anything else is an
// error.
//
// Thread safety: pure; any thread.

#include <QString>
#include <QStringList>

#include "base/error.h"
#include "base/result.h"
#include "services/app_environment.h"
#include "settings/settings_backend.h"

namespace tallyra::app {

struct AppOptionsError
{
    QString message;
};

// arguments: without the program name.
[[nodiscard]] Result<AppEnvironment, AppOptionsError>
appEnvironment(const QStringList& arguments, const SettingsBackend& defaults);

// The --help text.
[[nodiscard]] QString appOptionsHelp();

} // namespace tallyra::app
