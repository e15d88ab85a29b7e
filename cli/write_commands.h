#pragma once

// The tallyra-cli commands that change the ledger, each one write of the
// core's writers (so the same checks and messages as the application):
//
//   add expense|income|transfer AMOUNT --account A [--to B] [--received X]
//       [--category PATH] [--payee P] [--note N] [--tags "a, b"]
//       [--date YYYY-MM-DD] [--time HH:MM] [--uncleared]
//   edit ID [--kind K] [--amount X] [same options as add] [--cleared]
//   delete ID…
//   set-balance ACCOUNT AMOUNT [--on YYYY-MM-DD]
//   account add NAME --kind KIND --currency CODE [--balance AMOUNT [--on YYYY-MM-DD]]
//   category add PATH [--kind expense|income|transfer]
//
// Accounts are named by name or id; a category PATH is its names from the
// top joined by "/" ("Food/Groceries"). Dates: without --date and --time a
// new transaction is timed now; --date alone makes it a transaction of
// that day without a time (stored at 12:00); --time sets the time of day.
//
// Each prints what it did; with --json one line of JSON with the
// identifiers as canonical UUID text. A rejected write prints the writer's
// message to stderr and exits 1 with the database unchanged.

#include "command.h"

namespace tallyra::cli {

int runAdd(CommandContext& context, QStringList arguments);
int runEdit(CommandContext& context, QStringList arguments);
int runDelete(CommandContext& context, QStringList arguments);
int runSetBalance(CommandContext& context, QStringList arguments);
int runAccount(CommandContext& context, QStringList arguments);
int runCategory(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
