#pragma once

// tallyra-cli import DIR
//
// Reads a ledger in the sample-data format from the folder (accounts.json,
// categories.json, transactions.json and, when the ledger has plans,
// plans.json) and writes all of it into the database in one save, creating
// the database when it doesn't exist yet. Dates and times are read in the
// --tz zone; plan amounts are in the main currency. Dates are never moved
// (only the built-in sample ledger follows today).
//
// The created objects get ids derived from the files' content, so the same
// ledger imported twice is refused the second time instead of being
// doubled. A file that can't be read, or a record that breaks the format,
// fails naming the file and the record, and the database is left as it was.
//
// Prints what was imported; with --json {"accounts": n, "categories": n,
// "transactions": n, "balanceChanges": n, "budgets": n, "goals": n}.

#include "command.h"

namespace tallyra::cli {

int runImport(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
