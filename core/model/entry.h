#pragma once

// Entry: an immutable snapshot of one stored transaction (expense, income
// or transfer).
//
// amount is in the currency of the entry's account, or in the main
// currency when it has none; toAmount (the amount arriving at the
// destination of a transfer in another currency) is in the destination
// account's currency, or in amount's currency when the destination is gone.
// Both are clamped to ±kMoneyLimitMinor.
//
// A ledger holds up to a million of these, so the fields are laid out
// largest alignment first to leave no padding, and the currency texts share
// the account's string data instead of holding copies.
//
// Thread safety: a plain value; any thread.

#include <optional>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "base/typed_id.h"
#include "model/entry_kind.h"
#include "money/money.h"

namespace tallyra {

struct Entry
{
    // A UTC instant; when hasTime is false only its day is meaningful.
    QDateTime date;
    Money amount;
    std::optional<Money> toAmount;
    QString payee;
    QString note;
    QStringList tags;
    std::optional<QString> contactName;
    // The address-book identifier of the contact.
    std::optional<QString> contactIdentifier;
    EntryId id;
    std::optional<AccountId> accountID;
    // The destination account of a transfer.
    std::optional<AccountId> toAccountID;
    std::optional<CategoryId> categoryID;
    EntryKind kind = EntryKind::expense;
    bool hasTime = true;
    bool cleared = false;
    bool hasReceipt = false;

    friend bool operator==(const Entry& a, const Entry& b) = default;
};

[[nodiscard]] size_t qHash(const Entry& entry, size_t seed = 0);

} // namespace tallyra
