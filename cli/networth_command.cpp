#include "networth_command.h"

#include "display/money_display.h"
#include "ledger_session.h"
#include "reports/period_totals.h"
#include "value_json.h"

namespace tallyra::cli {

int runNetWorth(CommandContext& context, QStringList arguments)
{
    const auto at = takeOption(arguments, QStringLiteral("--at"));
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("networth: unexpected “%1”.").arg(arguments.first()));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const QDateTime before =
        at ? session.endOfDay(parseDay(*at, QStringLiteral("--at"))) : session.now();
    const LedgerIndex& index = session.index();
    const Money worth = netWorth(index, before);
    if (!index.accountsWithoutRate().empty()) {
        QStringList names;
        for (const Account& account : index.accountsWithoutRate())
            names << account.name;
        context.err << index.accountsWithoutRate().size() << " accounts aren’t counted: no rate ("
                    << names.join(QStringLiteral(", ")) << ").\n";
    }
    if (context.options.json)
        printJson(context.out, moneyJson(worth));
    else
        context.out << context.display.format(worth.minor, worth.currency) << '\n';
    return 0;
}

} // namespace tallyra::cli
