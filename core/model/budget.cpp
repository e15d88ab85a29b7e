#include "model/budget.h"

#include "model/record_hash.h"

namespace tallyra {

size_t qHash(const Budget& b, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(b.id)
        .add(b.name)
        .add(b.emoji)
        .add(b.limit)
        .add(b.order)
        .add(b.categoryIDs)
        .result();
}

} // namespace tallyra
