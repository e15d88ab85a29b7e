#include "reports/balance_timeline.h"

#include <algorithm>

namespace tallyra {

std::int64_t BalanceTimeline::sumBefore(qint64 instantMSecs) const
{
    const auto k = std::lower_bound(dates.begin(), dates.end(), instantMSecs) - dates.begin();
    return k == 0 ? 0 : sums[static_cast<size_t>(k - 1)];
}

std::int64_t effect(const Entry& entry, const AccountId& account)
{
    const bool fromHere = entry.accountID && *entry.accountID == account;
    switch (entry.kind) {
    case EntryKind::expense:
        return fromHere ? saturatingNegate(entry.amount.minor) : 0;
    case EntryKind::income:
        return fromHere ? entry.amount.minor : 0;
    case EntryKind::transfer: {
        std::int64_t moved = fromHere ? saturatingNegate(entry.amount.minor) : 0;
        if (entry.toAccountID && *entry.toAccountID == account)
            moved =
                saturatingAdd(moved, entry.toAmount ? entry.toAmount->minor : entry.amount.minor);
        return moved;
    }
    }
    return 0;
}

} // namespace tallyra
