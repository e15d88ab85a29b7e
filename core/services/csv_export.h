#pragma once

// CSVExport: every transaction of a ledger as one comma-separated text,
// amounts in their own currencies. Cells that a spreadsheet could take for
// a formula get an apostrophe in front; lines end with "\n"; the text ends
// with one. Dates and times are written in the given time zone.
//
// Pure; any thread.

#include <QString>
#include <QTimeZone>

#include "reports/ledger_index.h"

namespace tallyra::CSVExport {

inline constexpr char16_t kHeader[] =
    u"Date,Time,Type,Amount,Currency,To Amount,To Currency,Payee,Category,Account,To "
    u"Account,Note,Tags,Cleared";

[[nodiscard]] QString text(const LedgerIndex& index, const QTimeZone& zone);

// The shortest plain decimal of a minor-unit amount: "12.5", "12", "0.05", "-3".
[[nodiscard]] QString plainAmount(const Money& money);

} // namespace tallyra::CSVExport
