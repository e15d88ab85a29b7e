#include "services/sample_data.h"

#include <QFile>

#include "services/ledger_document.h"

namespace tallyra::SampleData {

namespace {

QByteArray resource(const char16_t* name)
{
    const QString file = QString::fromUtf16(name);
    QFile resourceFile(QStringLiteral(":/tallyra/sample/") + file);
    if (!resourceFile.open(QIODevice::ReadOnly))
        throw LedgerImportError::inFile(file,
                                        QStringLiteral("the sample data isn’t part of this build"));
    return resourceFile.readAll();
}

} // namespace

LedgerFiles resources()
{
    LedgerFiles files;
    files.accounts = resource(LedgerFiles::kAccountsFile);
    files.categories = resource(LedgerFiles::kCategoriesFile);
    files.transactions = resource(LedgerFiles::kTransactionsFile);
    files.plans = resource(LedgerFiles::kPlansFile);
    return files;
}

ImportSummary load(StoreContext& context, const QTimeZone& zone, const QDate& today)
{
    auto document = LedgerDocument::decode(resources());
    if (!document)
        throw document.error();
    SampleImporter importer(context, zone);
    if (const auto newest = document->newestTransactionDay())
        importer.setDayShift(newest->daysTo(today));
    return importer.run(*document);
}

} // namespace tallyra::SampleData
