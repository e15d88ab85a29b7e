#include "model/goal.h"

#include "model/record_hash.h"

namespace tallyra {

size_t qHash(const Goal& g, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(g.id)
        .add(g.kind)
        .add(g.name)
        .add(g.emoji)
        .add(g.order)
        .add(g.target)
        .add(g.assigned)
        .add(g.monthly)
        .add(g.deadline)
        .add(g.balanceMode)
        .add(g.allAccounts)
        .add(g.accountIDs)
        .add(g.categoryID)
        .add(g.startDate)
        .add(g.endDate)
        .result();
}

} // namespace tallyra
