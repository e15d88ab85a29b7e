#include "command.h"

namespace tallyra::cli {

const QList<Command>& commandTable()
{
    static const QList<Command> table{
    };
    return table;
}

} // namespace tallyra::cli
