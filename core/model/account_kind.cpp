#include "model/account_kind.h"

namespace tallyra {

AccountKind accountKindFromStored(QStringView kindRaw, QStringView groupRaw, QStringView name)
{
    if (const auto kind = enumFromRaw<AccountKind>(kindRaw))
        return *kind;
    // Accounts from before kinds existed only had a group; the cash group
    // held every hand-made account, so its name is the best hint left.
    switch (accountGroupFromStored(groupRaw)) {
    case AccountGroup::savings:
        return AccountKind::savings;
    case AccountGroup::credit:
        return AccountKind::creditCard;
    case AccountGroup::investments:
        return AccountKind::investment;
    case AccountGroup::bank:
        return AccountKind::checking;
    case AccountGroup::cash:
        break;
    }
    const QString lower = name.toString().toLower();
    if (lower.contains(u"saving"))
        return AccountKind::savings;
    if (lower.contains(u"cash") || lower.contains(u"wallet"))
        return AccountKind::cash;
    return AccountKind::checking;
}

} // namespace tallyra
