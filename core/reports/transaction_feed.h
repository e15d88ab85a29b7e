#pragma once

// TransactionFeed: the transaction list of a period — narrowed to an
// account or a category (the scope), to one kind (the filter) and by the
// search field, in that order — grouped by calendar day, newest day first
// and newest transaction first within a day, with totals per day and for
// the whole list.
//
// The feed covers the whole interval it is given (the period's window), so
// the current month lists its future-dated transactions too. Days follow
// the engine's time zone. Totals are PeriodTotals in the rates' base
// currency (per transaction, half to even; amounts without a rate add
// nothing and are counted).
//
// Thread safety: pure functions of immutable inputs; any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringView>

#include "base/enum_table.h"
#include "base/typed_id.h"
#include "model/entry.h"
#include "periods/date_interval.h"
#include "reports/entry_search.h"
#include "reports/period_totals.h"

namespace tallyra {

class LedgerIndex;
class PeriodEngine;

enum class TransactionFilter : std::uint8_t
{
    all,
    expenses,
    income,
    transfers
};

struct TransactionFilterCase
{
    TransactionFilter value;
    QStringView raw;
    const char* title;
    // The kind kept; none keeps every kind.
    std::optional<EntryKind> kind;
};

inline constexpr auto kTransactionFilters = makeEnumTable<TransactionFilter, TransactionFilterCase>(
    {
        {TransactionFilter::all, u"all", QT_TRANSLATE_NOOP("TransactionFilter", "All Transactions"),
         std::nullopt},
        {TransactionFilter::expenses, u"expenses",
         QT_TRANSLATE_NOOP("TransactionFilter", "Expenses"), EntryKind::expense},
        {TransactionFilter::income, u"income", QT_TRANSLATE_NOOP("TransactionFilter", "Income"),
         EntryKind::income},
        {TransactionFilter::transfers, u"transfers",
         QT_TRANSLATE_NOOP("TransactionFilter", "Transfers"), EntryKind::transfer},
    },
    "TransactionFilter");
[[nodiscard]] constexpr const auto& enumTable(TransactionFilter) noexcept
{
    return kTransactionFilters;
}

[[nodiscard]] constexpr bool keeps(TransactionFilter filter, EntryKind kind) noexcept
{
    const std::optional<EntryKind>& kept = kTransactionFilters[filter].kind;
    return !kept || *kept == kind;
}

// What the list is opened for; all empty is the whole ledger.
struct TransactionScope
{
    // Only transactions filed under this category (and, unless
    // categoryAlone, below it).
    std::optional<CategoryId> category;
    bool categoryAlone = false;
    // Only transactions leaving or entering this account.
    std::optional<AccountId> account;
    // Only transactions that count as uncategorized (any kind).
    bool uncategorized = false;

    [[nodiscard]] bool matches(const Entry& entry, const LedgerIndex& index) const;

    friend bool operator==(const TransactionScope&, const TransactionScope&) = default;
};

struct TransactionFeed
{
    struct Day
    {
        QDateTime id; // the start of the calendar day
        std::vector<Entry> entries;
        PeriodTotals totals;

        friend bool operator==(const Day&, const Day&) = default;
    };

    std::vector<Day> days;
    PeriodTotals totals;

    friend bool operator==(const TransactionFeed&, const TransactionFeed&) = default;
};

[[nodiscard]] TransactionFeed transactionFeed(const LedgerIndex& index, const DateInterval& window,
                                              const TransactionScope& scope,
                                              TransactionFilter filter, const EntrySearch& search,
                                              const PeriodEngine& engine);

} // namespace tallyra
