#pragma once

#include "command.h"

namespace tallyra::cli {

// emoji [--search WORDS] [--group NAME]: the emoji of the icon picker with
// their names, by group; --search keeps those matching every word (English
// and the --locale's language), --group one group ("Flags").
int runEmoji(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
