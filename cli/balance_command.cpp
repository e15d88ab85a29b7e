#include "balance_command.h"

#include "display/money_display.h"
#include "ledger_session.h"
#include "value_json.h"

namespace tallyra::cli {

int runBalance(CommandContext& context, QStringList arguments)
{
    const auto at = takeOption(arguments, QStringLiteral("--at"));
    if (arguments.size() != 1)
        throw UsageError(
            QStringLiteral("balance expects one account: balance ACCOUNT [--at YYYY-MM-DD]."));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const QDateTime before =
        at ? session.endOfDay(parseDay(*at, QStringLiteral("--at"))) : session.now();
    const Account& account = session.findAccount(arguments.first());
    const Money balance = session.index().balance(account.id, before);
    if (context.options.json)
        printJson(context.out, moneyJson(balance));
    else
        context.out << context.display.format(balance.minor, balance.currency) << '\n';
    return 0;
}

} // namespace tallyra::cli
