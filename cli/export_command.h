#pragma once

// tallyra-cli export [FILE]
//
// Every transaction as CSV (the application's "Export Transactions…"):
// dates and times in the --tz zone, amounts in their own currencies, UTF-8
// with LF line ends. Written to FILE (replaced when it exists), else to
// standard output. --json makes no difference.

#include "command.h"

namespace tallyra::cli {

int runExport(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
