#pragma once

// SampleData: the built-in sample ledger — a believable year of one
// person's money in UAH, USD and EUR, with accounts, the category tree,
// transactions, a credit card, savings, budgets, goals and a challenge —
// compiled into the program as four JSON resources in the sample-data
// format (see LedgerDocument), and its import into a store.
//
// The sample moves with the calendar: every date in it is shifted by the
// same whole number of days, so that its newest transaction falls on
// today and the current periods always show a full year of activity.
//
// The sample's amounts are written for UAH as the main currency; the
// caller sets Currency::main() (normally to kHomeCurrency) before load().
//
// Errors: load() throws LedgerImportError when a resource can't be read
// (a broken build) and the errors of SampleImporter::run().
// Threading: the thread that owns the context.

#include <QDate>
#include <QTimeZone>

#include "services/ledger_files.h"
#include "services/sample_importer.h"

namespace tallyra {

class StoreContext;

namespace SampleData {

// The currency the sample's plans and most of its accounts are kept in.
inline constexpr char16_t kHomeCurrency[] = u"UAH";

// The four JSON documents as compiled into the program.
[[nodiscard]] LedgerFiles resources();

// Imports the sample ledger into the store in one save, shifted so that its
// newest transaction is dated `today`, with dates read in `zone`.
ImportSummary load(StoreContext& context, const QTimeZone& zone, const QDate& today);

} // namespace SampleData

} // namespace tallyra
