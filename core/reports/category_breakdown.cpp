#include "reports/category_breakdown.h"

#include <algorithm>

#include <QCoreApplication>

namespace tallyra {

namespace {

void sortNodes(std::vector<CategoryNode>& nodes)
{
    std::stable_sort(nodes.begin(), nodes.end(), [](const CategoryNode& a, const CategoryNode& b) {
        if (a.amount.minor != b.amount.minor)
            return a.amount.minor > b.amount.minor;
        return a.name < b.name;
    });
}

void addTo(CategoryTotal& total, std::int64_t minor)
{
    total.amount.minor = saturatingAdd(total.amount.minor, minor);
    ++total.count;
}

} // namespace

CategoryBreakdownBuilder::CategoryBreakdownBuilder(const LedgerIndex& index, CategoryMode mode)
    : m_index(index), m_mode(mode),
      m_categories(index, entryKind(mode)), m_uncategorized{Money{0, index.rates().base}, 0}
{
}

void CategoryBreakdownBuilder::add(const Entry& entry, const BaseConverter::Converted& converted)
{
    if (entry.kind != entryKind(m_mode))
        return;
    if (m_mode == CategoryMode::transfers) {
        if (const std::optional<TransferGroup> group = transferGroup(entry, m_index)) {
            auto [it, inserted] =
                m_groups.try_emplace(*group, CategoryTotal{Money{0, m_index.rates().base}, 0});
            addTo(it->second, converted.minor);
        }
        return;
    }
    m_categories.add(entry, converted.minor);
    if (m_index.isUncategorized(entry))
        addTo(m_uncategorized, converted.minor);
}

std::vector<CategoryNode>
CategoryBreakdownBuilder::tree(const std::optional<CategoryId>& parent,
                               const std::unordered_map<CategoryId, CategoryTotal>& totals) const
{
    const CategoryKind kind = toCategoryKind(entryKind(m_mode));
    std::vector<CategoryNode> nodes;
    for (const CategoryId& id : m_index.children(parent)) {
        const CategoryItem* category = m_index.category(id);
        if (!category || category->kind != kind)
            continue;
        CategoryNode node{CategoryScope::category(id),
                          category->name,
                          *category,
                          Money{0, m_index.rates().base},
                          0,
                          std::nullopt};
        if (const auto found = totals.find(id); found != totals.end()) {
            node.amount = found->second.amount;
            node.count = found->second.count;
        }
        if (std::vector<CategoryNode> children = tree(id, totals); !children.empty())
            node.children = std::move(children);
        nodes.push_back(std::move(node));
    }
    sortNodes(nodes);
    return nodes;
}

CategoryBreakdown CategoryBreakdownBuilder::finish(LedgerIndex::EntryRange entries,
                                                   const PeriodTotals& totals) const
{
    CategoryBreakdown breakdown;
    breakdown.mode = m_mode;
    switch (m_mode) {
    case CategoryMode::expenses:
        breakdown.total = totals.spent;
        breakdown.uncounted = totals.expensesWithoutRate;
        break;
    case CategoryMode::income:
        breakdown.total = totals.received;
        breakdown.uncounted = totals.incomeWithoutRate;
        break;
    case CategoryMode::transfers:
        breakdown.total = totals.moved;
        breakdown.uncounted = totals.transfersWithoutRate;
        for (const auto& [group, total] : m_groups)
            breakdown.nodes.push_back(CategoryNode{CategoryScope::transfers(group),
                                                   name(group, m_index), icon(group, m_index),
                                                   total.amount, total.count, std::nullopt});
        sortNodes(breakdown.nodes);
        return breakdown;
    }
    // The top level of the tree is the children of "no parent"; a category
    // whose parent is missing or part of a cycle never shows as a row.
    breakdown.nodes = tree(std::nullopt, m_categories.finish(entries));
    if (!m_uncategorized.amount.isZero()) {
        breakdown.nodes.push_back(
            CategoryNode{CategoryScope::uncategorized(entryKind(m_mode)),
                         QCoreApplication::translate("CategoryBreakdown", "Uncategorized"),
                         SymbolIcon{QString::fromUtf16(kUncategorizedSymbol),
                                    QString::fromUtf16(kUncategorizedColor)},
                         m_uncategorized.amount, m_uncategorized.count, std::nullopt});
        sortNodes(breakdown.nodes);
    }
    return breakdown;
}

CategoryBreakdown categoryBreakdown(const LedgerIndex& index, const DateInterval& interval,
                                    CategoryMode mode)
{
    const BaseConverter converter(index.rates());
    const LedgerIndex::EntryRange entries = index.entries(interval);
    PeriodTotals totals = PeriodTotals::zero(index.rates().base);
    CategoryBreakdownBuilder builder(index, mode);
    for (const Entry& entry : entries) {
        const BaseConverter::Converted converted = converter.convert(entry.amount);
        totals.add(entry, converted);
        builder.add(entry, converted);
    }
    return builder.finish(entries, totals);
}

} // namespace tallyra
