#pragma once

// The bulk read of the whole ledger for the loader: every account,
// category, transaction, budget, goal and balance change as value records,
// read straight from the database into the records (no stored objects in
// between) with the same repairs and currency rules as the record builders.
//
// All six lists come from one consistent snapshot of the database. Order:
// accounts, categories, budgets, goals and balance changes in store order
// (objectID); entries by date, then createdAt, then store order. Balance
// changes without an account are left out.
//
// Performance: prepared statements, one pass per table, relationships
// resolved in memory, and repeated payees and tag lists sharing one string;
// a million transactions read in well under two seconds.
//
// Errors: a StoreError (readFailed, busy, …) instead of the records.
// Threading: runs on the thread that owns the context, normally the
// loader's background context.

#include "base/result.h"
#include "model/ledger_records.h"
#include "store/store_error.h"

namespace tallyra {

class StoreContext;

[[nodiscard]] Result<LedgerRecords, StoreError> readLedger(StoreContext& context);

} // namespace tallyra
