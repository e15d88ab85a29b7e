#include "backup_command.h"

#include <QJsonObject>

#include "base/clock.h"
#include "ledger_session.h"
#include "services/store_backup.h"
#include "value_json.h"

namespace tallyra::cli {

int runBackup(CommandContext& context, QStringList arguments)
{
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("backup expects one folder: backup DIR."));
    // The store stays open during the copy, as in the application: the
    // online backup takes a consistent snapshot of it.
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const auto file = session.databaseFile();
    if (!file)
        throw StoreBackup::Failure::noStore();
    const QString folder =
        StoreBackup::backup(*file, arguments.first(), SystemClock().now(), session.zone());
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("path"), folder}});
    else
        context.out << folder << '\n';
    return 0;
}

} // namespace tallyra::cli
