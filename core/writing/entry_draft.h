#pragma once

// EntryDraft: the editable form of one transaction, as the transaction
// editor fills it and the ledger writer stores it. Amounts are typed
// decimals in major units (not yet minor units); accounts and the category
// are referred to by id.
//
// Defaults of a new draft: an expense of 0 on the given date with a time
// of day, from the given account, cleared, without category, destination,
// received amount, payee, note, tags or contact.
//
// Validation is pure (validate); the ledger writer adds the store-aware
// check (which accounts exist, whether a transfer crosses currencies)
// before every add and edit. A problem reaches the user as
// LedgerWriter::WriteError (message(problem) gives its text).
//
// Rounding: draftOf() turns minor units into exact decimals; resaving()
// rounds a converted received amount half away from zero to the
// destination currency's minor digits.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "base/typed_id.h"
#include "model/entry.h"
#include "model/entry_kind.h"
#include "money/decimal.h"

namespace tallyra {

class LedgerIndex;

struct EntryDraft
{
    enum class Problem : std::uint8_t
    {
        noAmount,
        noAccount,
        noDestination,
        sameAccount,
        tooLarge,
        noReceived
    };

    // The largest amount (and received amount) accepted, in major units.
    [[nodiscard]] static Decimal maxAmount();

    EntryKind kind = EntryKind::expense;
    Decimal amount = Decimal(0);
    QDateTime date;
    bool hasTime = true;
    std::optional<AccountId> accountID;
    // The destination of a transfer; ignored for other kinds.
    std::optional<AccountId> toAccountID;
    // What arrived in the destination when a transfer crosses currencies.
    std::optional<Decimal> toAmount;
    std::optional<CategoryId> categoryID;
    QString payee;
    QString note;
    QStringList tags;
    bool cleared = true;
    std::optional<QString> contactName;
    std::optional<QString> contactIdentifier;

    // A new draft with the defaults.
    [[nodiscard]] static EntryDraft make(const QDateTime& date,
                                         std::optional<AccountId> accountID = std::nullopt);
    // The draft of a stored transaction, for editing it.
    [[nodiscard]] static EntryDraft of(const Entry& entry);

    // The first problem of the draft, or none. crossCurrency: both accounts
    // are known and their currency codes differ (false when unknown).
    [[nodiscard]] std::optional<Problem> validate(bool crossCurrency) const;

    // The user-facing text of a problem, translated.
    [[nodiscard]] static QString message(Problem problem);

    // Splits a tag field at commas, trims each piece and drops empty ones;
    // order and duplicates are kept.
    [[nodiscard]] static QStringList parseTags(const QString& text);

    // The category of the latest (nearest the end of entries) transaction
    // of the kind with that contact: matched by identifier when one is
    // given, else by name ignoring case. Transactions without a category
    // are skipped. None when nothing matches or no contact is given.
    [[nodiscard]] static std::optional<CategoryId>
    suggestedCategory(const QString& contactName, const QString& contactIdentifier, EntryKind kind,
                      const std::vector<Entry>& entries);

    // The draft for writing the entry again after a bulk change, with a
    // transfer's missing received amount filled in: the amount itself
    // between accounts of one currency, else converted at the ledger's
    // rates. None when the received amount cannot be worked out.
    [[nodiscard]] static std::optional<EntryDraft> resaving(const Entry& entry,
                                                            const LedgerIndex& ledger);

    friend bool operator==(const EntryDraft& a, const EntryDraft& b) = default;
};

} // namespace tallyra
