#include "export_command.h"

#include <QSaveFile>

#include "ledger_session.h"
#include "services/csv_export.h"

namespace tallyra::cli {

int runExport(CommandContext& context, QStringList arguments)
{
    if (arguments.size() > 1)
        throw UsageError(QStringLiteral("export expects at most one file: export [FILE]."));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const QString text = CSVExport::text(session.index(), session.zone());
    if (arguments.isEmpty()) {
        context.out << text;
        return 0;
    }
    // A save file replaces the old export only once the new one is whole.
    // Anything short of every byte written and the file closed cleanly
    // discards the temporary copy; the old export, if any, stays as it was.
    QSaveFile file(arguments.first());
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Error(QStringLiteral("The export couldn’t be written to “%1”: %2")
                        .arg(arguments.first(), reason));
    }
    context.err << "Exported " << session.index().entries().size() << " transactions to "
                << arguments.first() << ".\n";
    return 0;
}

} // namespace tallyra::cli
