#pragma once

// What budgets and challenges count as spending: expenses filed under a
// set of categories or anything below them, each amount taken in the rates'
// base (the main currency), converted per transaction and rounded half to
// even; amounts in a currency without a rate are left out, never guessed.
//
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <unordered_set>

#include <QList>

#include "base/typed_id.h"
#include "model/entry.h"
#include "reports/base_converter.h"
#include "reports/ledger_index.h"

namespace tallyra {

// The categories and every category below them that the index knows.
[[nodiscard]] std::unordered_set<CategoryId> categoriesWithin(const LedgerIndex& index,
                                                              const QList<CategoryId>& roots);

// Whether the transaction is an expense filed in one of the categories.
[[nodiscard]] bool isSpendingIn(const Entry& entry, const std::unordered_set<CategoryId>& set);

// The instants (milliseconds since the epoch) of the range's entries, in
// the same order: day-by-day walks compare these rather than QDateTimes.
[[nodiscard]] const qint64* entryMSecs(const LedgerIndex& index, LedgerIndex::EntryRange range);

// The converted sum of the expenses of the range filed in the set.
[[nodiscard]] std::int64_t spendingIn(LedgerIndex::EntryRange range,
                                      const std::unordered_set<CategoryId>& set,
                                      const BaseConverter& converter);

} // namespace tallyra
