#pragma once

// SampleImporter: writes a LedgerDocument (the sample-data format) into a
// store, all of it in one save. It serves the built-in sample ledger
// (SampleData) and any ledger brought in with tallyra-cli import.
//
// Reading rules:
//   - Names are resolved to the objects created: a transaction's "account"
//     and "toAccount" by account name, its "category" by category path; a
//     budget's and a challenge's categories by path, else by name, taking
//     the first category of that name in file order; a saving goal's
//     "account" and a balance goal's accounts by name, or every account
//     for "all".
//   - "date" and "time" are read in the importer's time zone; an untimed
//     transaction is stored at 12:00 of its day with hasTime false.
//   - A checkpoint is a balance change for the end of its day: it is dated
//     at the start of the next day in the zone, so every transaction of
//     that day counts before it.
//   - "balance" is what the account holds after all its imported
//     transactions. Without checkpoints the opening balance is that balance
//     minus the transactions' effect. With checkpoints the first one fixes
//     the opening balance (it moves nothing), and "balance" must equal the
//     last checkpoint plus the transactions dated after it; a ledger that
//     contradicts itself there is refused.
//   - Amounts are major units of the account's currency (the destination's
//     for "toAmount") and must fit its minor digits exactly; plan amounts
//     are in the main currency (Currency::main() when run() starts). A
//     transfer between two currencies needs "toAmount".
//   - Plan dates (deadlines, a challenge's start and end) are stored at the
//     start of their day in the zone.
//   - Every created object gets a stable id, StableID::make(scope + ".account",
//     name) and so on ("category": path, "transaction": "id:" + id or
//     "record:" + position, "checkpoint", "budget", "goal": kind, position
//     and name), so the same ledger gets the same ids on every device.
//   - A day shift, when set, moves every date of the ledger by that many
//     whole calendar days before it is read in the zone.
//
// Errors: run() throws LedgerImportError for a record that names something
// the ledger doesn't have, an amount that doesn't fit, or an object whose id
// the store holds already (the ledger was imported before) — all found
// before anything is written — and StoreError when writing or saving fails;
// in every case the context is rolled back and the store keeps what it had.
// Threading: the thread that owns the context.

#include <cstdint>

#include <QString>
#include <QTimeZone>

#include "services/ledger_document.h"

namespace tallyra {

class StoreContext;

struct ImportSummary
{
    int accounts = 0;
    int categories = 0;
    int transactions = 0;
    int balanceChanges = 0;
    int budgets = 0;
    int goals = 0;

    friend bool operator==(const ImportSummary&, const ImportSummary&) = default;
};

class SampleImporter final
{
public:
    static constexpr char16_t kSampleScope[] = u"sample";

    // Precondition: the context has no unsaved changes.
    SampleImporter(StoreContext& context, QTimeZone zone);

    // The first part of the stable ids' namespaces; "sample" unless set.
    // Must not contain ":".
    void setIdScope(QString scope);
    // Whole days added to every date of the ledger; 0 unless set.
    void setDayShift(std::int64_t days);

    ImportSummary run(const LedgerDocument& document);

private:
    StoreContext& m_context;
    QTimeZone m_zone;
    QString m_scope = QString::fromUtf16(kSampleScope);
    std::int64_t m_dayShift = 0;
};

} // namespace tallyra
