#pragma once

// The badge a transaction row starts with: its category's own badge (the
// category's colour, symbol, emoji or picture), the transfer arrows, or the
// question mark of an uncategorized transaction, both of these in the
// neutral grey the category breakdown uses for them.
//
// Threading: main thread only (QPixmap).

#include <QPixmap>

#include "shell/transaction_row_model.h"

namespace tallyra {
class LedgerIndex;
}

namespace tallyra::app {

[[nodiscard]] QPixmap transactionBadge(const TransactionRowModel::Icon& icon,
                                       const LedgerIndex& ledger, int size, qreal ratio);

} // namespace tallyra::app
