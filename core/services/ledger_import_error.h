#pragma once

// LedgerImportError: a ledger in the sample-data format that cannot be
// imported — a file that is missing or is not JSON, or a record that breaks
// the format's rules. The message names the file and the first bad record
// (counted from 1) and says what is wrong with it, so the person who wrote
// the file can find and fix it:
//   transactions.json, record 12 (id 12): "account" names no account: “Wallet”.
// Nothing is written to the store when an import fails this way.
//
// Thread safety: a plain value; any thread.

#include "base/error.h"

namespace tallyra {

class LedgerImportError final : public Error
{
public:
    // A problem with the file as a whole; the detail (for the log) may
    // hold the path.
    [[nodiscard]] static LedgerImportError inFile(QString file, QString problem,
                                                  QString detail = {});
    // A problem with one record of the file; `record` is how the message
    // names it ("record 12 (id 12)", "budgets, record 2").
    [[nodiscard]] static LedgerImportError inRecord(QString file, QString record, QString problem);

    [[nodiscard]] const QString& file() const noexcept { return m_file; }
    // Empty for a problem with the whole file.
    [[nodiscard]] const QString& record() const noexcept { return m_record; }
    [[nodiscard]] const QString& problem() const noexcept { return m_problem; }

private:
    LedgerImportError(QString message, QString detail, QString file, QString record,
                      QString problem);

    QString m_file;
    QString m_record;
    QString m_problem;
};

} // namespace tallyra
