#include "model/balance_checkpoint.h"

#include "model/record_hash.h"

namespace tallyra {

size_t qHash(const BalanceCheckpoint& c, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(c.id)
        .add(c.accountID)
        .add(c.date)
        .add(c.balance)
        .add(c.createdAt)
        .result();
}

} // namespace tallyra
