#include "reports/period_totals.h"

#include "money/currency.h"

namespace tallyra {

PeriodTotals PeriodTotals::zero(const CurrencyCode& currency)
{
    PeriodTotals totals;
    totals.received = Money{0, currency};
    totals.spent = Money{0, currency};
    totals.moved = Money{0, currency};
    return totals;
}

void PeriodTotals::add(const Entry& entry, const FXRates& rates)
{
    const std::int64_t converted = rates.toBase(entry.amount).minor;
    const int missing = rates.hasRate(entry.amount.currency) ? 0 : 1;
    switch (entry.kind) {
    case EntryKind::expense:
        spent.minor = saturatingAdd(spent.minor, converted);
        ++expenseCount;
        expensesWithoutRate += missing;
        break;
    case EntryKind::income:
        received.minor = saturatingAdd(received.minor, converted);
        ++incomeCount;
        incomeWithoutRate += missing;
        break;
    case EntryKind::transfer:
        moved.minor = saturatingAdd(moved.minor, converted);
        ++transferCount;
        transfersWithoutRate += missing;
        break;
    }
}

PeriodTotals totals(const LedgerIndex& index, const DateInterval& interval)
{
    PeriodTotals result = PeriodTotals::zero(Currency::main());
    for (const Entry& entry : index.entries(interval))
        result.add(entry, index.rates());
    return result;
}

std::unordered_map<CategoryId, CategoryTotal> categoryTotals(const LedgerIndex& index, const DateInterval& interval,
                                                             EntryKind kind)
{
    std::unordered_map<CategoryId, CategoryTotal> result;
    const CurrencyCode base = index.rates().base;
    for (const Entry& entry : index.entries(interval)) {
        if (entry.kind != kind || !entry.categoryID)
            continue;
        const auto& chain = index.ancestors(*entry.categoryID);
        if (chain.empty())
            continue;
        const std::int64_t converted = index.rates().toBase(entry.amount).minor;
        for (const CategoryId& id : chain) {
            auto [it, inserted] = result.try_emplace(id, CategoryTotal{Money{0, base}, 0});
            it->second.amount.minor = saturatingAdd(it->second.amount.minor, converted);
            ++it->second.count;
        }
    }
    return result;
}

Money netWorth(const LedgerIndex& index, const QDateTime& before)
{
    Money total{0, index.rates().base};
    for (const Account& account : index.accounts()) {
        if (account.isArchived)
            continue;
        total.minor = saturatingAdd(total.minor, index.rates().toBase(index.balance(account.id, before)).minor);
    }
    return total;
}

} // namespace tallyra
