#include "reports/transfer_group.h"

#include <QCoreApplication>

#include "reports/ledger_index.h"

namespace tallyra {

namespace {

QString accountName(const std::optional<AccountId>& id, const LedgerIndex& index)
{
    const Account* account = id ? index.account(*id) : nullptr;
    return account ? account->name : QCoreApplication::translate("TransferGroup", "Account");
}

} // namespace

std::optional<TransferGroup> transferGroup(const Entry& entry, const LedgerIndex& index)
{
    if (entry.kind != EntryKind::transfer || !entry.accountID || !entry.toAccountID)
        return std::nullopt;
    const AccountId& source = *entry.accountID;
    const AccountId& destination = *entry.toAccountID;
    const std::optional<AccountId>& home = index.homeAccount();
    if (home && source == *home) {
        const Account* to = index.account(destination);
        if (to && group(to->kind) == AccountGroup::credit)
            return TransferGroup::cardPayments();
        return TransferGroup::toAccount(destination);
    }
    if (home && destination == *home)
        return TransferGroup::fromAccount(source);
    return TransferGroup::between(source, destination);
}

QString name(const TransferGroup& group, const LedgerIndex& index)
{
    switch (group.kind) {
    case TransferGroup::Kind::to:
        return QCoreApplication::translate("TransferGroup", "To %1")
            .arg(accountName(group.account, index));
    case TransferGroup::Kind::from:
        return QCoreApplication::translate("TransferGroup", "From %1")
            .arg(accountName(group.account, index));
    case TransferGroup::Kind::between:
        return QCoreApplication::translate("TransferGroup", "%1 → %2")
            .arg(accountName(group.account, index), accountName(group.destination, index));
    case TransferGroup::Kind::cardPayments:
        break;
    }
    return QCoreApplication::translate("TransferGroup", "Card Payments");
}

SymbolIcon icon(const TransferGroup& group, const LedgerIndex& index)
{
    if (group.kind == TransferGroup::Kind::cardPayments)
        return {QStringLiteral("creditcard.fill"), QStringLiteral("#D6336C")};
    const std::optional<AccountId>& shown =
        group.kind == TransferGroup::Kind::between ? group.destination : group.account;
    const Account* account = shown ? index.account(*shown) : nullptr;
    if (account && !account->sfSymbol.isEmpty())
        return {account->sfSymbol, account->colorHex};
    return {QStringLiteral("arrow.left.arrow.right"), QStringLiteral("#5C6BC0")};
}

} // namespace tallyra
