#include "services/ledger_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tallyra {

namespace {

struct ReadOutcome
{
    bool exists = false;
    std::optional<LedgerImportError> error;
    QByteArray bytes;
};

ReadOutcome readFile(const QDir& folder, const QString& name)
{
    ReadOutcome outcome;
    const QString path = folder.filePath(name);
    const QFileInfo info(path);
    if (!info.exists())
        return outcome;
    outcome.exists = true;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        outcome.error = LedgerImportError::inFile(name, QStringLiteral("the file can’t be read"),
                                                  path + QStringLiteral(": ") + file.errorString());
        return outcome;
    }
    outcome.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        outcome.error = LedgerImportError::inFile(name, QStringLiteral("the file can’t be read"),
                                                  path + QStringLiteral(": ") + file.errorString());
    return outcome;
}

} // namespace

Result<LedgerFiles, LedgerImportError> LedgerFiles::readFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return fail(LedgerImportError::inFile(folder, QStringLiteral("there is no such folder")));
    const QDir dir(folder);
    LedgerFiles files;
    const struct
    {
        const char16_t* name;
        QByteArray LedgerFiles::*bytes;
        bool required;
    } parts[] = {
        {kAccountsFile, &LedgerFiles::accounts, true},
        {kCategoriesFile, &LedgerFiles::categories, true},
        {kTransactionsFile, &LedgerFiles::transactions, true},
        {kPlansFile, &LedgerFiles::plans, false},
    };
    for (const auto& part : parts) {
        const QString name = QString::fromUtf16(part.name);
        ReadOutcome outcome = readFile(dir, name);
        if (outcome.error)
            return fail(*outcome.error);
        if (!outcome.exists && part.required)
            return fail(LedgerImportError::inFile(name, QStringLiteral("the file is missing"),
                                                  dir.filePath(name)));
        files.*part.bytes = std::move(outcome.bytes);
    }
    return files;
}

QByteArray LedgerFiles::fingerprint() const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray* part : {&accounts, &categories, &transactions, &plans}) {
        // The length first, so that moving bytes from one file to the next
        // changes the fingerprint.
        hash.addData(QByteArray(QByteArray::number(part->size()) + "\n"));
        hash.addData(*part);
    }
    return hash.result();
}

} // namespace tallyra
