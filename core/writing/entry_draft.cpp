#include "writing/entry_draft.h"

#include <QCoreApplication>

#include "reports/ledger_index.h"

namespace tallyra {

Decimal EntryDraft::maxAmount()
{
    return Decimal(std::int64_t{999'999'999'999});
}

EntryDraft EntryDraft::make(const QDateTime& date, std::optional<AccountId> accountID)
{
    EntryDraft draft;
    draft.date = date;
    draft.accountID = accountID;
    return draft;
}

EntryDraft EntryDraft::of(const Entry& entry)
{
    EntryDraft draft;
    draft.kind = entry.kind;
    draft.amount = entry.amount.decimal();
    draft.date = entry.date;
    draft.hasTime = entry.hasTime;
    draft.accountID = entry.accountID;
    draft.toAccountID = entry.toAccountID;
    if (entry.toAmount)
        draft.toAmount = entry.toAmount->decimal();
    draft.categoryID = entry.categoryID;
    draft.payee = entry.payee;
    draft.note = entry.note();
    draft.tags = entry.tags();
    draft.cleared = entry.cleared;
    draft.contactName = entry.contactName();
    draft.contactIdentifier = entry.contactIdentifier();
    return draft;
}

std::optional<EntryDraft::Problem> EntryDraft::validate(bool crossCurrency) const
{
    // NaN compares false with everything, so "not greater than zero"
    // catches it together with zero and negative amounts.
    if (!(amount > Decimal(0)))
        return Problem::noAmount;
    if (amount > maxAmount())
        return Problem::tooLarge;
    // A received amount left over from an earlier transfer is checked for
    // every kind: the field still holds it and the editor shows it.
    if (toAmount && *toAmount > maxAmount())
        return Problem::tooLarge;
    if (!accountID)
        return Problem::noAccount;
    if (kind != EntryKind::transfer)
        return std::nullopt;
    if (!toAccountID)
        return Problem::noDestination;
    if (*toAccountID == *accountID)
        return Problem::sameAccount;
    if (!crossCurrency)
        return std::nullopt;
    if (toAmount && *toAmount > Decimal(0))
        return std::nullopt;
    return Problem::noReceived;
}

QString EntryDraft::message(Problem problem)
{
    switch (problem) {
    case Problem::noAmount:
        return QCoreApplication::translate("EntryDraft", "Enter an amount.");
    case Problem::noAccount:
        return QCoreApplication::translate("EntryDraft", "Choose an account.");
    case Problem::noDestination:
        return QCoreApplication::translate("EntryDraft", "Choose where the money goes.");
    case Problem::sameAccount:
        return QCoreApplication::translate("EntryDraft", "Pick two different accounts.");
    case Problem::tooLarge:
        return QCoreApplication::translate("EntryDraft", "The amount is too large.");
    case Problem::noReceived:
        return QCoreApplication::translate("EntryDraft", "Enter how much arrived.");
    }
    return {};
}

QStringList EntryDraft::parseTags(const QString& text)
{
    QStringList tags;
    for (const QString& piece : text.split(u',', Qt::SkipEmptyParts)) {
        const QString tag = piece.trimmed();
        if (!tag.isEmpty())
            tags.append(tag);
    }
    return tags;
}

std::optional<CategoryId> EntryDraft::suggestedCategory(const QString& contactName,
                                                        const QString& contactIdentifier,
                                                        EntryKind kind,
                                                        const std::vector<Entry>& entries)
{
    const QString name = contactName.trimmed();
    if (name.isEmpty() && contactIdentifier.isEmpty())
        return std::nullopt;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->kind != kind || !entry->categoryID)
            continue;
        const bool sameIdentifier =
            !contactIdentifier.isEmpty() && entry->contactIdentifier() == contactIdentifier;
        // An empty name would match every nameless contact, so names only
        // count when there is one.
        const bool sameName = !name.isEmpty() && entry->contactName() &&
                              entry->contactName()->compare(name, Qt::CaseInsensitive) == 0;
        if (sameIdentifier || sameName)
            return entry->categoryID;
    }
    return std::nullopt;
}

std::optional<EntryDraft> EntryDraft::resaving(const Entry& entry, const LedgerIndex& ledger)
{
    EntryDraft draft = of(entry);
    if (entry.kind != EntryKind::transfer || (draft.toAmount && *draft.toAmount > Decimal(0)))
        return draft;
    if (!entry.toAccountID || !entry.accountID)
        return draft;
    const Account* source = ledger.account(*entry.accountID);
    const Account* destination = ledger.account(*entry.toAccountID);
    if (source == nullptr || destination == nullptr)
        return draft;
    if (source->currency == destination->currency) {
        if (!(draft.amount > Decimal(0)))
            return std::nullopt;
        draft.toAmount = draft.amount;
        return draft;
    }
    // Cross rates go through the base currency; convert() also rounds half
    // away from zero to the destination's minor digits.
    const std::optional<Decimal> received =
        ledger.rates().convert(draft.amount, source->currency, destination->currency);
    if (!received || !(*received > Decimal(0)))
        return std::nullopt;
    draft.toAmount = *received;
    return draft;
}

} // namespace tallyra
