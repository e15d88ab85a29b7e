#include "model/account_group.h"

#include <QCoreApplication>

namespace tallyra {

QString rawValue(AccountGroup group)
{
    switch (group) {
    case AccountGroup::bank:
        return QStringLiteral("bank");
    case AccountGroup::cash:
        break;
    case AccountGroup::savings:
        return QStringLiteral("savings");
    case AccountGroup::credit:
        return QStringLiteral("credit");
    case AccountGroup::investments:
        return QStringLiteral("investments");
    }
    return QStringLiteral("cash");
}

std::optional<AccountGroup> accountGroupFromRaw(QStringView raw)
{
    for (const AccountGroup group : kAllAccountGroups)
        if (raw == rawValue(group))
            return group;
    return std::nullopt;
}

AccountGroup accountGroupFromStored(QStringView raw)
{
    if (const auto group = accountGroupFromRaw(raw))
        return *group;
    // Accounts linked to a bank were once kept in a group of their own.
    if (raw == u"bankLinked")
        return AccountGroup::bank;
    return AccountGroup::cash;
}

QString title(AccountGroup group)
{
    switch (group) {
    case AccountGroup::bank:
        return QCoreApplication::translate("AccountGroup", "Bank");
    case AccountGroup::cash:
        break;
    case AccountGroup::savings:
        return QCoreApplication::translate("AccountGroup", "Savings");
    case AccountGroup::credit:
        return QCoreApplication::translate("AccountGroup", "Credit");
    case AccountGroup::investments:
        return QCoreApplication::translate("AccountGroup", "Investments");
    }
    return QCoreApplication::translate("AccountGroup", "Cash");
}

} // namespace tallyra
