#include "model/account.h"

#include "model/record_hash.h"

namespace tallyra {

size_t qHash(const Account& a, size_t seed)
{
    return detail::HashBuilder(seed)
        .add(a.id)
        .add(a.name)
        .add(a.detail)
        .add(a.colorHex)
        .add(a.sfSymbol)
        .add(a.currency)
        .add(a.openingBalance)
        .add(a.source)
        .add(a.order)
        .add(a.isArchived)
        .add(a.kind)
        .add(a.creditLimit)
        .add(a.statementDay)
        .add(a.paymentDueDay)
        .add(a.interestRate)
        .add(a.iconEmoji)
        .add(a.iconImage)
        .result();
}

} // namespace tallyra
