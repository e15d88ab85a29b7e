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
// A ledger holds up to a million of these, so the record is kept small: the
// fields every report reads are laid out largest alignment first to leave
// no padding, the currency texts share the account's string data, and the
// texts most transactions leave empty (note, tags, contact) live in one
// shared block that an entry without them does not allocate at all.
//
// Thread safety: a plain value; any thread.

#include <optional>

#include <QDateTime>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>

#include "base/typed_id.h"
#include "model/entry_kind.h"
#include "money/money.h"

namespace tallyra {

// The seldom-filled texts of an entry. Copies share one block until one of
// them is changed; an entry with none of the texts holds a null pointer.
class EntryTexts
{
public:
    EntryTexts();
    EntryTexts(const EntryTexts& other);
    EntryTexts(EntryTexts&& other) noexcept;
    EntryTexts& operator=(const EntryTexts& other);
    EntryTexts& operator=(EntryTexts&& other) noexcept;
    ~EntryTexts();

    [[nodiscard]] const QString& note() const;
    [[nodiscard]] const QStringList& tags() const;
    [[nodiscard]] const std::optional<QString>& contactName() const;
    [[nodiscard]] const std::optional<QString>& contactIdentifier() const;

    void setNote(QString note);
    void setTags(QStringList tags);
    void setContactName(std::optional<QString> name);
    void setContactIdentifier(std::optional<QString> identifier);

    friend bool operator==(const EntryTexts& a, const EntryTexts& b);

private:
    struct Data;
    [[nodiscard]] static const Data& none();
    Data& edit();
    // Drops the block once every text is empty again, so that equal
    // entries cost the same.
    void dropIfEmpty();

    QSharedDataPointer<Data> d;
};

struct Entry
{
    // A UTC instant; when hasTime is false only its day is meaningful.
    QDateTime date;
    Money amount;
    std::optional<Money> toAmount;
    QString payee;
    EntryId id;
    std::optional<AccountId> accountID;
    // The destination account of a transfer.
    std::optional<AccountId> toAccountID;
    std::optional<CategoryId> categoryID;
    EntryKind kind = EntryKind::expense;
    bool hasTime = true;
    bool cleared = false;
    bool hasReceipt = false;
    EntryTexts texts;

    [[nodiscard]] const QString& note() const { return texts.note(); }
    [[nodiscard]] const QStringList& tags() const { return texts.tags(); }
    [[nodiscard]] const std::optional<QString>& contactName() const { return texts.contactName(); }
    // The address-book identifier of the contact.
    [[nodiscard]] const std::optional<QString>& contactIdentifier() const
    {
        return texts.contactIdentifier();
    }

    friend bool operator==(const Entry& a, const Entry& b) = default;
};

[[nodiscard]] size_t qHash(const Entry& entry, size_t seed = 0);

} // namespace tallyra
