#include "reports/period_totals.h"

#include <limits>

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
    add(entry, converter.convert(entry.amount));
}

void PeriodTotals::add(const Entry& entry, const BaseConverter::Converted& converted)
{
    addConverted(*this, entry.kind, converted.minor, converted.hasRate);
}

PeriodTotals totals(const LedgerIndex& index, const DateInterval& interval)
{
    PeriodTotals result = PeriodTotals::zero(index.rates().base);
    const BaseConverter converter(index.rates());
    for (const Entry& entry : index.entries(interval))
        result.add(entry, converter);
    return result;
}

CategoryTotalsBuilder::CategoryTotalsBuilder(const LedgerIndex& index, EntryKind kind)
    : m_index(index), m_kind(kind)
{
}

void CategoryTotalsBuilder::add(const Entry& entry, std::int64_t convertedMinor)
{
    if (entry.kind != m_kind || !entry.categoryID)
        return;
    auto [it, inserted] =
        m_own.try_emplace(*entry.categoryID, CategoryTotal{Money{0, m_index.rates().base}, 0});
    it->second.amount.minor = saturatingAdd(it->second.amount.minor, convertedMinor);
    ++it->second.count;
    m_magnitude = saturatingAdd(m_magnitude, convertedMinor < 0 ? saturatingNegate(convertedMinor)
                                                                : convertedMinor);
}

std::unordered_map<CategoryId, CategoryTotal>
CategoryTotalsBuilder::finish(LedgerIndex::EntryRange entries) const
{
    // Summed per category first and then rolled up the tree once per
    // category, rather than once per transaction and level. Integer sums
    // regroup freely while nothing saturates, which the sum of magnitudes
    // staying in range guarantees; otherwise the transactions are added
    // level by level in date order, as the saturation rule has it.
    const CurrencyCode& base = m_index.rates().base;
    std::unordered_map<CategoryId, CategoryTotal> result;
    if (m_magnitude == std::numeric_limits<std::int64_t>::max()) {
        const BaseConverter converter(m_index.rates());
        for (const Entry& entry : entries) {
            if (entry.kind != m_kind || !entry.categoryID)
                continue;
            const std::int64_t converted = converter.convert(entry.amount).minor;
            for (const CategoryId& id : m_index.ancestors(*entry.categoryID)) {
                auto [it, inserted] = result.try_emplace(id, CategoryTotal{Money{0, base}, 0});
                it->second.amount.minor = saturatingAdd(it->second.amount.minor, converted);
                ++it->second.count;
            }
        }
        return result;
    }
    for (const auto& [category, total] : m_own) {
        // A category no longer in the ledger has no chain and counts nowhere.
        for (const CategoryId& id : m_index.ancestors(category)) {
            auto [it, inserted] = result.try_emplace(id, CategoryTotal{Money{0, base}, 0});
            it->second.amount.minor += total.amount.minor;
            it->second.count += total.count;
        }
    }
    return result;
}

std::unordered_map<CategoryId, CategoryTotal>
categoryTotals(const LedgerIndex& index, const DateInterval& interval, EntryKind kind)
{
    const BaseConverter converter(index.rates());
    CategoryTotalsBuilder builder(index, kind);
    const LedgerIndex::EntryRange entries = index.entries(interval);
    for (const Entry& entry : entries)
        if (entry.kind == kind && entry.categoryID)
            builder.add(entry, converter.convert(entry.amount).minor);
    return builder.finish(entries);
}

Money netWorth(const LedgerIndex& index, const QDateTime& before)
{
    return netWorth(index, before, BaseConverter(index.rates()));
}

Money netWorth(const LedgerIndex& index, const QDateTime& before, const BaseConverter& converter)
{
    Money total{0, index.rates().base};
    for (const Account& account : index.accounts()) {
        if (account.isArchived)
            continue;
        total.minor =
            saturatingAdd(total.minor, converter.convert(index.balance(account.id, before)).minor);
    }
    return total;
}

} // namespace tallyra
