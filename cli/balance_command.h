#pragma once

// tallyra-cli balance ACCOUNT [--at YYYY-MM-DD]
//
// What the account held at the end of that day in the --tz zone (every
// transaction dated that day counted), or now when --at is left out (with
// --today: at the end of that day). ACCOUNT is the account's name or id.
// The amount is in the account's own currency; with --json a Money
// {"minor": n, "currency": "XXX"}.

#include "command.h"

namespace tallyra::cli {

int runBalance(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
