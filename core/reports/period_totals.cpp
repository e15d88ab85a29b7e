#include "reports/period_totals.h"

#include <limits>

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

namespace {

void addConverted(PeriodTotals& totals, EntryKind kind, std::int64_t converted, bool hasRate)
{
    const int missing = hasRate ? 0 : 1;
    switch (kind) {
    case EntryKind::expense:
        totals.spent.minor = saturatingAdd(totals.spent.minor, converted);
        ++totals.expenseCount;
        totals.expensesWithoutRate += missing;
        break;
    case EntryKind::income:
        totals.received.minor = saturatingAdd(totals.received.minor, converted);
        ++totals.incomeCount;
        totals.incomeWithoutRate += missing;
        break;
    case EntryKind::transfer:
        totals.moved.minor = saturatingAdd(totals.moved.minor, converted);
        ++totals.transferCount;
        totals.transfersWithoutRate += missing;
        break;
    }
}

} // namespace

void PeriodTotals::add(const Entry& entry, const FXRates& rates)
{
    addConverted(*this, entry.kind, rates.toBase(entry.amount).minor,
                 rates.hasRate(entry.amount.currency));
}

void PeriodTotals::add(const Entry& entry, const BaseConverter& converter)
{
    const BaseConverter::Converted converted = converter.convert(entry.amount);
    addConverted(*this, entry.kind, converted.minor, converted.hasRate);
}

PeriodTotals totals(const LedgerIndex& index, const DateInterval& interval)
{
    PeriodTotals result = PeriodTotals::zero(Currency::main());
    const BaseConverter converter(index.rates());
    for (const Entry& entry : index.entries(interval))
        result.add(entry, converter);
    return result;
}

std::unordered_map<CategoryId, CategoryTotal>
categoryTotals(const LedgerIndex& index, const DateInterval& interval, EntryKind kind)
{
    const CurrencyCode base = index.rates().base;
    const BaseConverter converter(index.rates());
    // Summed per category first and then rolled up the tree once per
    // category, rather than once per transaction and level. Integer sums
    // regroup freely while nothing saturates, which the sum of magnitudes
    // staying in range guarantees; otherwise the transactions are added
    // level by level in date order, as the saturation rule has it.
    std::unordered_map<CategoryId, CategoryTotal> own;
    std::int64_t magnitude = 0;
    for (const Entry& entry : index.entries(interval)) {
        if (entry.kind != kind || !entry.categoryID)
            continue;
        const std::int64_t converted = converter.convert(entry.amount).minor;
        auto [it, inserted] = own.try_emplace(*entry.categoryID, CategoryTotal{Money{0, base}, 0});
        it->second.amount.minor = saturatingAdd(it->second.amount.minor, converted);
        ++it->second.count;
        magnitude =
            saturatingAdd(magnitude, converted < 0 ? saturatingNegate(converted) : converted);
    }

    std::unordered_map<CategoryId, CategoryTotal> result;
    if (magnitude == std::numeric_limits<std::int64_t>::max()) {
        for (const Entry& entry : index.entries(interval)) {
            if (entry.kind != kind || !entry.categoryID)
                continue;
            const std::int64_t converted = converter.convert(entry.amount).minor;
            for (const CategoryId& id : index.ancestors(*entry.categoryID)) {
                auto [it, inserted] = result.try_emplace(id, CategoryTotal{Money{0, base}, 0});
                it->second.amount.minor = saturatingAdd(it->second.amount.minor, converted);
                ++it->second.count;
            }
        }
        return result;
    }
    for (const auto& [category, total] : own) {
        // A category no longer in the ledger has no chain and counts nowhere.
        for (const CategoryId& id : index.ancestors(category)) {
            auto [it, inserted] = result.try_emplace(id, CategoryTotal{Money{0, base}, 0});
            it->second.amount.minor += total.amount.minor;
            it->second.count += total.count;
        }
    }
    return result;
}

Money netWorth(const LedgerIndex& index, const QDateTime& before)
{
    Money total{0, index.rates().base};
    const BaseConverter converter(index.rates());
    for (const Account& account : index.accounts()) {
        if (account.isArchived)
            continue;
        total.minor =
            saturatingAdd(total.minor, converter.convert(index.balance(account.id, before)).minor);
    }
    return total;
}

} // namespace tallyra
