#pragma once

// CategoryBreakdown: where the money of an interval went — the tree of
// spending (or income) categories with their totals, or, for transfers,
// one row per transfer group (transfer_group.h).
//
// The tree lists every category of the mode's kind from the top level down,
// with zero rows included; a category of the other kind is skipped with
// its whole subtree. A parent's amount includes everything below it. The
// transactions of the kind that count as uncategorized
// (LedgerIndex::isUncategorized) form one more top-level row,
// "Uncategorized", shown only when their converted sum is not zero (they
// are counted either way). Rows are ordered by amount, largest first, then
// by name.
//
// Amounts are in the rates' base currency, converted per transaction (half
// to even); amounts without a rate add nothing and are counted in
// `uncounted`. Sums saturate.
//
// Thread safety: pure functions of an immutable index; any thread.

#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <variant>
#include <vector>

#include <QString>

#include "model/category_item.h"
#include "money/money.h"
#include "periods/date_interval.h"
#include "reports/base_converter.h"
#include "reports/category_mode.h"
#include "reports/category_scope.h"
#include "reports/ledger_index.h"
#include "reports/period_totals.h"

namespace tallyra {

struct CategoryNode
{
    // Drawn from the category's own icon and colour, or a named symbol.
    using Icon = std::variant<CategoryItem, SymbolIcon>;

    CategoryScope id;
    QString name;
    Icon icon;
    Money amount;
    int count = 0;
    // Absent for a leaf (never an empty list).
    std::optional<std::vector<CategoryNode>> children;

    friend bool operator==(const CategoryNode&, const CategoryNode&) = default;
};

struct CategoryBreakdown
{
    CategoryMode mode = CategoryMode::expenses;
    // The interval's whole spending, income or transfers.
    Money total;
    std::vector<CategoryNode> nodes;
    // Transactions of the mode's kind left out for lack of a rate.
    int uncounted = 0;

    friend bool operator==(const CategoryBreakdown&, const CategoryBreakdown&) = default;
};

inline constexpr char16_t kUncategorizedSymbol[] = u"questionmark";
inline constexpr char16_t kUncategorizedColor[] = u"#7D8590";

// The breakdown of the transactions dated in the interval.
[[nodiscard]] CategoryBreakdown categoryBreakdown(const LedgerIndex& index,
                                                  const DateInterval& interval, CategoryMode mode);

// The same, made one transaction at a time for reports that walk their
// interval once for several figures (the overview).
class CategoryBreakdownBuilder final
{
public:
    CategoryBreakdownBuilder(const LedgerIndex& index, CategoryMode mode);

    // Transactions of other kinds are ignored.
    void add(const Entry& entry, const BaseConverter::Converted& converted);
    // `entries`: the transactions that were added, in date order (see
    // CategoryTotalsBuilder::finish); `totals`: their PeriodTotals.
    [[nodiscard]] CategoryBreakdown finish(LedgerIndex::EntryRange entries,
                                           const PeriodTotals& totals) const;

private:
    [[nodiscard]] std::vector<CategoryNode>
    tree(const std::optional<CategoryId>& parent,
         const std::unordered_map<CategoryId, CategoryTotal>& totals) const;

    const LedgerIndex& m_index;
    CategoryMode m_mode;
    CategoryTotalsBuilder m_categories;
    CategoryTotal m_uncategorized;
    std::map<TransferGroup, CategoryTotal> m_groups;
};

} // namespace tallyra
