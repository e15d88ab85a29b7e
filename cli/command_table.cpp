#include "command.h"
#include "rates_command.h"

namespace tallyra::cli {

const QList<Command>& commandTable()
{
    static const QList<Command> table{
        {QStringLiteral("rates"), QStringLiteral("rates [--refresh] [--need USD,EUR]"),
         QStringLiteral("exchange rates: show the cache, or refresh it from the banks"), &runRates},
    };
    return table;
}

} // namespace tallyra::cli
