#pragma once

// LedgerGenerator: a synthetic ledger for the benchmark, written into a
// store through the ordinary store API: 12 accounts in UAH, USD and EUR
// (a credit card and savings among them), a four-level tree of 78
// categories, the given number of transactions spread over ten years
// ending at `end` (mostly expenses, some income, transfers between
// accounts with a received amount across currencies; payees, notes, tags
// and times of day as a person would write them), a few balance changes
// per account, budgets and goals.
//
// Deterministic: the same count and end give the same ledger. Transactions
// are inserted roughly in date order with a share of back-dated ones, as
// a ledger typed over the years would be.
//
// Threading: the thread that owns the context.

#include <cstdint>

#include <QDateTime>

namespace tallyra {
class StoreContext;
}

namespace tallyra::bench {

struct GeneratedLedger
{
    std::int64_t transactions = 0;
    std::int64_t checkpoints = 0;
    int accounts = 0;
    int categories = 0;
};

// Inserts the ledger and saves once. Throws StoreError.
GeneratedLedger generateLedger(StoreContext& context, std::int64_t transactionCount,
                               const QDateTime& end);

} // namespace tallyra::bench
