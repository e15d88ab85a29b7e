#pragma once

// tallyra-cli backup DIR
//
// Makes a dated backup folder ("Tallyra Backup YYYY-MM-DD HH.MM", " 2", " 3"…
// when taken) inside DIR, holding a consistent copy of the database made
// while it is open, and its picture folder when there is one. Prints the
// new folder's path; with --json {"path": …}. The folder name uses the
// current time in the --tz zone. There is nothing to back up with
// --sample-data.

#include "command.h"

namespace tallyra::cli {

int runBackup(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
