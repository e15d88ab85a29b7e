#include "writing/write_records.h"

namespace tallyra {

bool WriteRecords::isEmpty() const
{
    return accounts.isEmpty() && categories.isEmpty() && checkpoints.isEmpty() &&
           transactions.isEmpty() && links.isEmpty() && created.accounts.isEmpty() &&
           created.categories.isEmpty() && created.checkpoints.isEmpty() &&
           created.transactions.isEmpty() && transactionValues.isEmpty() &&
           transactionMeta.isEmpty() && categoryValues.isEmpty() && accountValues.isEmpty() &&
           checkpointValues.isEmpty();
}

} // namespace tallyra
