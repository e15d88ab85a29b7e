#pragma once

// The window's own start options, read before the shared ones
// (appEnvironment: --sample-data, --empty, --no-welcome, --locale):
//
//   --today YYYY-MM-DD   pins the clock to noon of that day (screenshots,
//                        tests, demonstrations)
//   --screenshots DIR    renders every screen and sheet to DIR as PNG and
//                        exits; implies --empty unless --sample-data is given
//   --rates FILE         takes exchange rates from a rates file instead of
//                        the banks (the command line's format)
//   --help               prints the options
//
// Both "--option value" and "--option=value" are accepted. Everything else
// is left in `rest` for appEnvironment.
//
// Thread safety: pure; any thread.

#include <optional>

#include <QDate>
#include <QString>
#include <QStringList>

#include "base/result.h"

namespace tallyra::app {

struct WindowOptions
{
    std::optional<QDate> today;
    std::optional<QString> screenshotFolder;
    std::optional<QString> ratesFile;
    bool help = false;
    QStringList rest;
};

// arguments: without the program name.
[[nodiscard]] Result<WindowOptions, QString> parseWindowOptions(const QStringList& arguments);
[[nodiscard]] QString windowOptionsHelp();

} // namespace tallyra::app
