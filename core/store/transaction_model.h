#pragma once

// TransactionModel: a stored transaction with exactly the stored attributes
// as public fields; account, toAccount and category hold the objectIDs of
// the related objects. See AccountModel for objectID and id.
//
// Defaults: an invalid date, createdAt or updatedAt becomes the store
// clock's now on insert; hasTime true; kind "expense".
//
// Thread safety: a plain value; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "base/typed_id.h"
#include "model/entry_kind.h"

namespace tallyra {

struct TransactionModel
{
    enum class Field : std::uint8_t
    {
        id,
        date,
        hasTime,
        kindRaw,
        amountMinor,
        toAmountMinor,
        payee,
        note,
        tagsText,
        cleared,
        receipt,
        hasReceipt,
        contactName,
        contactIdentifier,
        externalId,
        createdAt,
        updatedAt,
        account,
        toAccount,
        category,
    };
    using Id = EntryId;

    std::int64_t objectID = 0;
    EntryId id;
    QDateTime date;
    bool hasTime = true;
    QString kindRaw = QStringLiteral("expense");
    std::int64_t amountMinor = 0;
    // The amount arriving at the destination of a transfer in another currency.
    std::optional<std::int64_t> toAmountMinor;
    QString payee;
    QString note;
    // One tag per line.
    QString tagsText;
    bool cleared = false;
    // Kept outside the row, in the store's picture folder.
    std::optional<QByteArray> receipt;
    bool hasReceipt = false;
    std::optional<QString> contactName;
    std::optional<QString> contactIdentifier;
    std::optional<QString> externalId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<std::int64_t> account;
    std::optional<std::int64_t> toAccount;
    std::optional<std::int64_t> category;

    [[nodiscard]] EntryKind kind() const { return entryKindFromStored(kindRaw); }
    [[nodiscard]] QStringList tags() const;
    void setTags(const QStringList& tags);
    // Stores the picture (or removes it) and keeps hasReceipt in step.
    void setReceipt(std::optional<QByteArray> bytes);

    friend bool operator==(const TransactionModel& a, const TransactionModel& b) = default;
};

} // namespace tallyra
