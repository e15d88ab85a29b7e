#include "reports/category_scope.h"

#include "reports/ledger_index.h"

namespace tallyra {

bool matches(const Entry& entry, const CategoryScope& scope, const LedgerIndex& index)
{
    if (const CategoryId* category = scope.categoryID())
        return entry.categoryID && index.isWithin(*entry.categoryID, *category);
    if (const EntryKind* kind = scope.uncategorizedKind())
        return entry.kind == *kind && index.isUncategorized(entry);
    const TransferGroup* group = scope.transferGroup();
    if (!group || entry.kind != EntryKind::transfer)
        return false;
    const std::optional<TransferGroup> actual = transferGroup(entry, index);
    return actual && *actual == *group;
}

} // namespace tallyra
