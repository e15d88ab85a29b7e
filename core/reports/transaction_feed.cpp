#include "reports/transaction_feed.h"

#include "periods/period_engine.h"
#include "reports/base_converter.h"
#include "reports/day_grid.h"
#include "reports/ledger_index.h"

namespace tallyra {

bool TransactionScope::matches(const Entry& entry, const LedgerIndex& index) const
{
    if (account && entry.accountID != account && entry.toAccountID != account)
        return false;
    if (uncategorized && !index.isUncategorized(entry))
        return false;
    if (!category)
        return true;
    if (!entry.categoryID)
        return false;
    return categoryAlone ? *entry.categoryID == *category
                         : index.isWithin(*entry.categoryID, *category);
}

TransactionFeed transactionFeed(const LedgerIndex& index, const DateInterval& window,
                                const TransactionScope& scope, TransactionFilter filter,
                                const EntrySearch& search, const PeriodEngine& engine)
{
    const CurrencyCode& base = index.rates().base;
    const BaseConverter converter(index.rates());
    const DayGrid days(engine, window);
    EntrySearch::Context context(search, index, engine, &days);

    TransactionFeed feed;
    feed.totals = PeriodTotals::zero(base);
    const LedgerIndex::EntryRange entries = index.entries(window);
    std::optional<size_t> currentDay;
    for (const Entry* entry = entries.end(); entry != entries.begin();) {
        --entry;
        if (!scope.matches(*entry, index) || !keeps(filter, entry->kind))
            continue;
        if (!search.isEmpty() && !search.matches(*entry, context))
            continue;
        const std::optional<size_t> day = days.dayOf(entry->date.toMSecsSinceEpoch());
        if (!day)
            continue; // cannot happen: the grid covers the window
        if (day != currentDay) {
            feed.days.push_back({days.start(*day), {}, PeriodTotals::zero(base)});
            currentDay = day;
        }
        const BaseConverter::Converted converted = converter.convert(entry->amount);
        feed.days.back().entries.push_back(*entry);
        feed.days.back().totals.add(*entry, converted);
        feed.totals.add(*entry, converted);
    }
    return feed;
}

} // namespace tallyra
