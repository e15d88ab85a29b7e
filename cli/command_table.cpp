#include "command.h"
#include "rates_command.h"
#include "write_commands.h"

namespace tallyra::cli {

const QList<Command>& commandTable()
{
    static const QList<Command> table{
        {QStringLiteral("rates"), QStringLiteral("rates [--refresh] [--need USD,EUR]"),
         QStringLiteral("exchange rates: show the cache, or refresh it from the banks"), &runRates},
        {QStringLiteral("add"), QStringLiteral("add expense|income|transfer AMOUNT --account A [...]"), QStringLiteral("add a transaction (--to B --received X --category PATH --payee P --note N --tags \"a, b\" --date D --time HH:MM --uncleared)"), &runAdd},
        {QStringLiteral("edit"), QStringLiteral("edit ID [--kind K] [--amount X] [add's options]"), QStringLiteral("change a transaction"), &runEdit},
        {QStringLiteral("delete"), QStringLiteral("delete ID..."), QStringLiteral("delete transactions"), &runDelete},
        {QStringLiteral("set-balance"), QStringLiteral("set-balance ACCOUNT AMOUNT [--on YYYY-MM-DD]"), QStringLiteral("record what an account holds"), &runSetBalance},
        {QStringLiteral("account"), QStringLiteral("account add NAME --kind KIND --currency CODE [--balance X [--on D]]"), QStringLiteral("create an account"), &runAccount},
        {QStringLiteral("category"), QStringLiteral("category add PATH [--kind expense|income|transfer]"), QStringLiteral("create a category (\"Food/Groceries\")"), &runCategory},
    };
    return table;
}

} // namespace tallyra::cli
