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
// Errors: a StoreError (readFailed, busy, …) instead of the rows.
// Threading: runs on the thread that owns the context, normally the
// loader's background context.

#include <QList>

#include "base/result.h"
#include "model/account.h"
#include "model/balance_checkpoint.h"
#include "model/budget.h"
#include "model/category_item.h"
#include "model/entry.h"
#include "model/goal.h"
#include "store/store_error.h"

namespace tallyra {

class StoreContext;

struct LedgerRows
{
    QList<Account> accounts;
    QList<CategoryItem> categories;
    QList<Entry> entries;
    QList<Budget> budgets;
    QList<Goal> goals;
    QList<BalanceCheckpoint> checkpoints;

    friend bool operator==(const LedgerRows& a, const LedgerRows& b) = default;
};

[[nodiscard]] Result<LedgerRows, StoreError> readLedger(StoreContext& context);

} // namespace tallyra
