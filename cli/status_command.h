#pragma once

// tallyra-cli status
//
// Where the database is and what it holds: its path and size on disk (the
// write-ahead log included), the counts of accounts, categories and
// transactions, the sync line the window shows, and when the exchange
// rates were last downloaded. A database that does not exist yet is
// reported as such, not created. With --json one object with the keys
// "database", "exists", "bytes", "accounts", "categories", "transactions",
// "sync", "ratesUpdated" (ISO 8601 UTC or null) and "ratesAgeSeconds".

#include "command.h"

namespace tallyra::cli {

int runStatus(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
