#pragma once

// tallyra-cli rates [--refresh] [--need USD,EUR]
//
// Shows the cached exchange rates (base, each currency's rate and source,
// when they were updated, what is missing and why); --refresh first brings
// them up to date through the exchange-rate service and stores the result in
// the application's own rate cache (the local settings; XDG_CONFIG_HOME moves
// it, --sample-data keeps it in memory). The main currency is --currency,
// else the currency setting. With --json:
//   {"base": code, "perUnit": {code: decimal text}, "sources": {code: raw},
//    "updated": ISO 8601 or null, "lastError": text or null,
//    "missing": {code: cause}}
// Exit status 1 when a refresh ended with an error (the output still shows
// what is cached).

#include "command.h"

namespace tallyra::cli {

int runRates(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
