#pragma once

// A ledger folder in the import format (accounts.json, categories.json,
// transactions.json, plans.json) with a given number of transactions, for
// the import figure: the built-in sample's accounts (without their balance
// changes, so that any history fits), categories and plans, and its
// transactions repeated with new ids over the ten years before 2026.
//
// Deterministic. Throws std::runtime_error when a file can't be written.

#include <cstdint>

#include <QString>

namespace tallyra::bench {

// Writes the four files into the folder, which must exist.
void writeLedgerFolder(const QString& folder, std::int64_t transactionCount);

} // namespace tallyra::bench
