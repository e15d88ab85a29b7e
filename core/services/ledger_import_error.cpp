#include "services/ledger_import_error.h"

namespace tallyra {

LedgerImportError::LedgerImportError(QString message, QString detail, QString file, QString record,
                                     QString problem)
    : Error(std::move(message), std::move(detail)), m_file(std::move(file)),
      m_record(std::move(record)), m_problem(std::move(problem))
{
}

LedgerImportError LedgerImportError::inFile(QString file, QString problem, QString detail)
{
    QString message = file + QStringLiteral(": ") + problem;
    return LedgerImportError(std::move(message), std::move(detail), std::move(file), QString(),
                             std::move(problem));
}

LedgerImportError LedgerImportError::inRecord(QString file, QString record, QString problem)
{
    QString message = file + QStringLiteral(", ") + record + QStringLiteral(": ") + problem;
    return LedgerImportError(std::move(message), QString(), std::move(file), std::move(record),
                             std::move(problem));
}

} // namespace tallyra
