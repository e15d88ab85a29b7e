#include "import_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

#include "ledger_session.h"
#include "services/ledger_document.h"
#include "services/sample_importer.h"
#include "services/store_location.h"
#include "store/store_container.h"
#include "store/store_context.h"
#include "value_json.h"

namespace tallyra::cli {

namespace {

// Removes a database file made by an import that then failed, so that a
// failed import leaves no trace; an existing database is never touched.
void removeNewDatabase(const QString& path, bool removePictureFolder)
{
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
    if (removePictureFolder)
        QDir(StoreContainer::pictureFolderFor(path)).removeRecursively();
}

// True when the database has no records: another import running at the
// same moment may have made the "new" file and filled it, and its ledger
// must stay.
bool holdsNothing(const QString& path)
{
    auto opened = StoreContainer::open(StoreConfiguration::onDisk(path));
    if (!opened)
        return false;
    StoreContext& context = opened.value()->mainContext();
    try {
        return context.count<AccountModel>() == 0 && context.count<CategoryModel>() == 0 &&
               context.count<TransactionModel>() == 0 && context.count<BudgetModel>() == 0 &&
               context.count<GoalModel>() == 0;
    } catch (const StoreError&) {
        return false;
    }
}

} // namespace

int runImport(CommandContext& context, QStringList arguments)
{
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("import expects one folder: import DIR."));
    if (context.options.sampleData)
        throw UsageError(
            QStringLiteral("import writes to a database; it can’t be used with --sample-data."));

    // The files are read and checked before the database is even opened,
    // so a broken ledger never creates or touches one.
    auto files = LedgerFiles::readFolder(arguments.first());
    if (!files)
        throw files.error();
    auto document = LedgerDocument::decode(*files);
    if (!document)
        throw document.error();

    const QString path = context.options.dbPath.value_or(StoreLocation::defaultDatabaseFile());
    const bool isNew = !QFileInfo::exists(path);
    const bool hadPictureFolder = QFileInfo::exists(StoreContainer::pictureFolderFor(path));
    ImportSummary summary;
    QString written;
    try {
        LedgerSession session(context.options, LedgerSession::Access::createIfMissing);
        SampleImporter importer(session.context(), session.zone());
        importer.setIdScope(QStringLiteral("import-") +
                            QString::fromLatin1(files->fingerprint().toHex().left(16)));
        summary = importer.run(*document);
        written = session.databaseFile().value_or(path);
    } catch (...) {
        if (isNew && holdsNothing(path))
            removeNewDatabase(path, !hadPictureFolder);
        throw;
    }

    if (context.options.json) {
        printJson(context.out, QJsonObject{
                                   {QStringLiteral("accounts"), summary.accounts},
                                   {QStringLiteral("categories"), summary.categories},
                                   {QStringLiteral("transactions"), summary.transactions},
                                   {QStringLiteral("balanceChanges"), summary.balanceChanges},
                                   {QStringLiteral("budgets"), summary.budgets},
                                   {QStringLiteral("goals"), summary.goals},
                               });
    } else {
        context.out << "Imported " << summary.accounts << " accounts, " << summary.categories
                    << " categories, " << summary.transactions << " transactions, "
                    << summary.balanceChanges << " balance changes, " << summary.budgets
                    << " budgets and " << summary.goals << " goals into " << written << ".\n";
    }
    return 0;
}

} // namespace tallyra::cli
