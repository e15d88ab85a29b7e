#pragma once

// What the report commands of tallyra-cli share: reading the period
// options, naming categories by path, and the argument checks.
//
//   --period LENGTH [--offset K]   LENGTH is a period length raw value
//                                  (1W, 1M, …, R1Y); without it the
//                                  settings' default period; --mode carries
//                                  it into that family.
//
// A category PATH is its names from the top level down joined by "/"
// ("Food/Groceries"); categories are also accepted by id.
//
// Errors: UsageError for options that can't be read or name nothing.

#include <QString>
#include <QStringList>

#include "base/typed_id.h"
#include "ledger_session.h"
#include "periods/period_selection.h"
#include "reports/ledger_index.h"

namespace tallyra::cli {

// Takes --period and --offset from the arguments.
[[nodiscard]] PeriodSelection takePeriod(QStringList& arguments, const LedgerSession& session);
// Reads a period length raw value; throws UsageError naming the option.
[[nodiscard]] PeriodLength parsePeriodLength(const QString& text);
// Reads a whole number of periods back (0 or more).
[[nodiscard]] std::int64_t parseOffset(const QString& text);

// "Food/Groceries": the names from the top level down.
[[nodiscard]] QString categoryPath(const LedgerIndex& index, const CategoryId& id);
// The category at that path (or with that id); throws UsageError.
[[nodiscard]] CategoryId findCategory(const LedgerIndex& index, const QString& path);

// Throws UsageError naming the command when arguments are left over.
void expectNoArgumentsLeft(const QStringList& arguments, const QString& command);

} // namespace tallyra::cli
