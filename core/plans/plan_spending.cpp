#include "plans/plan_spending.h"

#include <vector>

namespace tallyra {

std::unordered_set<CategoryId> categoriesWithin(const LedgerIndex& index,
                                                const QList<CategoryId>& roots)
{
    std::unordered_set<CategoryId> set;
    std::vector<CategoryId> pending;
    for (const CategoryId& root : roots)
        if (index.category(root))
            pending.push_back(root);
    // The visited set also stops a damaged tree whose parents form a loop.
    while (!pending.empty()) {
        const CategoryId id = pending.back();
        pending.pop_back();
        if (!set.insert(id).second)
            continue;
        for (const CategoryId& child : index.children(id))
            pending.push_back(child);
    }
    return set;
}

bool isSpendingIn(const Entry& entry, const std::unordered_set<CategoryId>& set)
{
    return entry.kind == EntryKind::expense && entry.categoryID && set.contains(*entry.categoryID);
}

const qint64* entryMSecs(const LedgerIndex& index, LedgerIndex::EntryRange range)
{
    return index.entryDates().data() + (range.begin() - index.entries().data());
}

std::int64_t spendingIn(LedgerIndex::EntryRange range, const std::unordered_set<CategoryId>& set,
                        const BaseConverter& converter)
{
    std::int64_t sum = 0;
    for (const Entry& entry : range)
        if (isSpendingIn(entry, set))
            sum = saturatingAdd(sum, converter.convert(entry.amount).minor);
    return sum;
}

} // namespace tallyra
