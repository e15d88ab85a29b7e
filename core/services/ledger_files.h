#pragma once

// LedgerFiles: the four JSON documents of a ledger in the sample-data
// format, as bytes: "accounts.json", "categories.json", "transactions.json"
// and "plans.json". They come from a folder (tallyra-cli import) or from
// the resources compiled into the program (the built-in sample ledger);
// LedgerDocument reads them.
//
// A folder must hold the first three files; "plans.json" may be left out
// when the ledger has no plans.
//
// Errors: readFolder() fails with a LedgerImportError naming the first file
// that is missing or cannot be read.
// Thread safety: a plain value; any thread.

#include <QByteArray>
#include <QString>

#include "base/result.h"
#include "services/ledger_import_error.h"

namespace tallyra {

struct LedgerFiles
{
    static constexpr char16_t kAccountsFile[] = u"accounts.json";
    static constexpr char16_t kCategoriesFile[] = u"categories.json";
    static constexpr char16_t kTransactionsFile[] = u"transactions.json";
    static constexpr char16_t kPlansFile[] = u"plans.json";

    QByteArray accounts;
    QByteArray categories;
    QByteArray transactions;
    // Empty: no plans.
    QByteArray plans;

    [[nodiscard]] static Result<LedgerFiles, LedgerImportError> readFolder(const QString& folder);

    // SHA-256 over the four documents: equal for the same ledger, whichever
    // folder it was read from.
    [[nodiscard]] QByteArray fingerprint() const;
};

} // namespace tallyra
