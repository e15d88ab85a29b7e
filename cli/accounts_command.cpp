#include "accounts_command.h"

#include <QJsonArray>
#include <QJsonObject>

#include "display/money_display.h"
#include "ledger_session.h"
#include "value_json.h"

namespace tallyra::cli {

int runAccounts(CommandContext& context, QStringList arguments)
{
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("accounts: unexpected “%1”.").arg(arguments.first()));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const LedgerIndex& index = session.index();

    if (context.options.json) {
        QJsonArray list;
        for (const Account& account : index.accounts())
            list.append(QJsonObject{
                {QStringLiteral("id"), account.id.toString()},
                {QStringLiteral("name"), account.name},
                {QStringLiteral("currency"), account.currency},
                {QStringLiteral("kind"), rawValue(account.kind)},
                {QStringLiteral("group"), rawValue(listGroup(account))},
                {QStringLiteral("isArchived"), account.isArchived},
                {QStringLiteral("balance"), moneyJson(index.currentBalance(account.id))},
            });
        printJson(context.out, list);
        return 0;
    }
    if (index.accounts().empty()) {
        context.out << "No accounts.\n";
        return 0;
    }
    std::optional<AccountGroup> section;
    for (const Account& account : index.accounts()) {
        if (section != listGroup(account)) {
            if (section)
                context.out << '\n';
            section = listGroup(account);
            context.out << title(*section) << '\n';
        }
        const Money balance = index.currentBalance(account.id);
        context.out << "  " << account.name.leftJustified(28) << ' '
                    << context.display.format(balance.minor, balance.currency).rightJustified(22)
                    << "  " << title(account.kind)
                    << (account.isArchived ? QStringLiteral(" (archived)") : QString()) << '\n';
    }
    return 0;
}

} // namespace tallyra::cli
