#include "model/entry.h"

#include "model/record_hash.h"

namespace tallyra {

// Every byte of an Entry is a field: a new field must find a place that
// keeps it so (see the layout note in the header).
static_assert(sizeof(Entry) == sizeof(QDateTime) + sizeof(Money) + sizeof(std::optional<Money>) +
                                   3 * sizeof(QString) + 2 * sizeof(std::optional<QString>) +
                                   sizeof(EntryId) + 3 * sizeof(std::optional<AccountId>) +
                                   4 * sizeof(bool));

size_t qHash(const Entry& e, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(e.id)
        .add(e.date)
        .add(e.hasTime)
        .add(e.kind)
        .add(e.amount)
        .add(e.toAmount)
        .add(e.payee)
        .add(e.note)
        .add(e.tags)
        .add(e.cleared)
        .add(e.hasReceipt)
        .add(e.contactName)
        .add(e.accountID)
        .add(e.toAccountID)
        .add(e.categoryID)
        .add(e.contactIdentifier)
        .result();
}

} // namespace tallyra
