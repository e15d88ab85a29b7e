#include "model/account_group.h"

namespace tallyra {

AccountGroup accountGroupFromStored(QStringView raw)
{
    if (const auto group = enumFromRaw<AccountGroup>(raw))
        return *group;
    // Accounts linked to a bank were once kept in a group of their own.
    if (raw == u"bankLinked")
        return AccountGroup::bank;
    return AccountGroup::cash;
}

} // namespace tallyra
