#pragma once

// The sums every report is made of: income, spending and transfers of an
// interval, totals per category rolled up the tree, and net worth, all in
// the rates' base (display) currency. Amounts in a currency without a rate
// add nothing and are counted instead, so screens can say how much was
// left out. Sums saturate at the 64-bit bounds.
//
// Pure functions of an index; any thread.

#include <unordered_map>

#include "reports/base_converter.h"
#include "reports/ledger_index.h"

namespace tallyra {

struct PeriodTotals
{
    Money received;
    Money spent;
    Money moved; // transfers, at their source amount
    int incomeCount = 0;
    int expenseCount = 0;
    int transferCount = 0;
    int incomeWithoutRate = 0;
    int expensesWithoutRate = 0;
    int transfersWithoutRate = 0;

    // All zero, in the given currency (normally the main currency).
    [[nodiscard]] static PeriodTotals zero(const CurrencyCode& currency);
    void add(const Entry& entry, const FXRates& rates);
    // The same with a converter made from the rates, for long runs of entries.
    void add(const Entry& entry, const BaseConverter& converter);
    // The same with the entry's amount already converted.
    void add(const Entry& entry, const BaseConverter::Converted& converted);
    [[nodiscard]] int withoutRate() const
    {
        return incomeWithoutRate + expensesWithoutRate + transfersWithoutRate;
    }

    friend bool operator==(const PeriodTotals&, const PeriodTotals&) = default;
};

struct CategoryTotal
{
    Money amount;
    int count = 0;

    friend bool operator==(const CategoryTotal&, const CategoryTotal&) = default;
};

// Sums per category made one transaction at a time, for reports that walk
// a period once for several figures. finish() gives what categoryTotals()
// gives for the same transactions.
class CategoryTotalsBuilder final
{
public:
    CategoryTotalsBuilder(const LedgerIndex& index, EntryKind kind);

    // Transactions of another kind or without a category are ignored.
    void add(const Entry& entry, std::int64_t convertedMinor);
    // `entries` are the transactions that were added, in date order; they
    // are read again only when a sum reached the 64-bit bounds.
    [[nodiscard]] std::unordered_map<CategoryId, CategoryTotal>
    finish(LedgerIndex::EntryRange entries) const;

private:
    const LedgerIndex& m_index;
    EntryKind m_kind;
    std::unordered_map<CategoryId, CategoryTotal> m_own;
    std::int64_t m_magnitude = 0;
};

// Totals of the transactions dated in the interval, archived accounts
// included; the zero value is in the rates' base currency.
[[nodiscard]] PeriodTotals totals(const LedgerIndex& index, const DateInterval& interval);

// For each category, the converted sum and count of the interval's
// transactions of that kind in it or any category below it. Transactions
// without a known category are in no entry.
[[nodiscard]] std::unordered_map<CategoryId, CategoryTotal>
categoryTotals(const LedgerIndex& index, const DateInterval& interval, EntryKind kind);

// The converted balances strictly before the instant of every account that
// is not archived; debts are negative balances and lower it.
[[nodiscard]] Money netWorth(const LedgerIndex& index, const QDateTime& before);
// The same with a converter made from the index's rates, for many instants.
[[nodiscard]] Money netWorth(const LedgerIndex& index, const QDateTime& before,
                             const BaseConverter& converter);

} // namespace tallyra
