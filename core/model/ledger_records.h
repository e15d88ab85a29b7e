#pragma once

// LedgerRecords: every record of a ledger as value records, as one load
// read them from the store — accounts, categories, budgets, goals and
// balance changes in store order, entries by date and then creation. The
// store's bulk reader fills it and the ledger index takes it over by move,
// so a million entries are never copied between the two.
//
// Thread safety: a plain value; any thread.

#include <vector>

#include "model/account.h"
#include "model/balance_checkpoint.h"
#include "model/budget.h"
#include "model/category_item.h"
#include "model/entry.h"
#include "model/goal.h"

namespace tallyra {

struct LedgerRecords
{
    std::vector<Account> accounts;
    std::vector<CategoryItem> categories;
    std::vector<Entry> entries;
    std::vector<Budget> budgets;
    std::vector<Goal> goals;
    std::vector<BalanceCheckpoint> checkpoints;

    friend bool operator==(const LedgerRecords& a, const LedgerRecords& b) = default;
};

} // namespace tallyra
