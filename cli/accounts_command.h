#pragma once

// tallyra-cli accounts
//
// Every account in the application's order (by section, then order, then
// name) with its current balance in its own currency — every transaction
// and balance change counted, also those dated after today. Archived
// accounts are listed and marked.
//
// With --json a list of {"id", "name", "currency", "kind" (raw value),
// "group" (the section's raw value), "isArchived", "balance" (Money)}.

#include "command.h"

namespace tallyra::cli {

int runAccounts(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
