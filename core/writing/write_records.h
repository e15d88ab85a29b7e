#pragma once

// WriteRecords: what one write recorded so that undo can put the store
// back, as plain value snapshots keyed by the objects' stable ids (never by
// row identity: a deleted object comes back as a new row with its old id).
//
//   accounts, categories, checkpoints, transactions — full snapshots of
//     objects the write deleted (recreated on undo);
//   links — a transaction's three relationships before the write moved it;
//   created — ids of objects the write created (deleted on undo), each
//     list in creation order;
//   transactionValues, transactionMeta, categoryValues, accountValues,
//     checkpointValues — objects the write changed in place (written back).
//
// A write snapshots an object at most once per list, before its first
// change, so each record holds the state from before the write.
//
// Relationship order: AccountRecord and CategoryRecord remember where they
// stood in each goal's account list and each budget's category list
// (goalPositions, budgetPositions, parallel to the id lists), so a deleted
// account or category comes back at its old place in those lists.
//
// Thread safety: plain values; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "base/typed_id.h"

namespace tallyra {

// The receipt of a transaction snapshot: restore these bytes, keep what is
// stored, or no receipt.
class ReceiptState
{
public:
    enum class Kind : std::uint8_t
    {
        data,
        unchanged,
        none
    };

    // No receipt.
    ReceiptState() = default;
    [[nodiscard]] static ReceiptState data(QByteArray bytes)
    {
        return ReceiptState(Kind::data, std::move(bytes));
    }
    [[nodiscard]] static ReceiptState unchanged() { return ReceiptState(Kind::unchanged, {}); }
    [[nodiscard]] static ReceiptState none() { return {}; }

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    // The bytes of a data state; empty otherwise.
    [[nodiscard]] const QByteArray& bytes() const noexcept { return m_bytes; }

    friend bool operator==(const ReceiptState& a, const ReceiptState& b) = default;

private:
    ReceiptState(Kind kind, QByteArray bytes) : m_kind(kind), m_bytes(std::move(bytes)) {}

    Kind m_kind = Kind::none;
    QByteArray m_bytes;
};

struct TransactionRecord
{
    EntryId id;
    QDateTime date;
    bool hasTime = true;
    bool cleared = false;
    QString kindRaw;
    QString payee;
    QString note;
    QString tagsText;
    std::int64_t amountMinor = 0;
    std::optional<std::int64_t> toAmountMinor;
    ReceiptState receipt;
    std::optional<QString> contactName;
    std::optional<QString> contactIdentifier;
    std::optional<QString> externalId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<AccountId> accountID;
    std::optional<AccountId> toAccountID;
    std::optional<CategoryId> categoryID;

    friend bool operator==(const TransactionRecord& a, const TransactionRecord& b) = default;
};

struct TransactionMeta
{
    EntryId id;
    bool cleared = false;
    std::optional<QString> contactName;
    std::optional<QString> contactIdentifier;
    QDateTime updatedAt;

    friend bool operator==(const TransactionMeta& a, const TransactionMeta& b) = default;
};

struct TransactionLinks
{
    EntryId id;
    std::optional<AccountId> accountID;
    std::optional<AccountId> toAccountID;
    std::optional<CategoryId> categoryID;

    friend bool operator==(const TransactionLinks& a, const TransactionLinks& b) = default;
};

struct CheckpointRecord
{
    CheckpointId id;
    QDateTime date;
    std::int64_t balanceMinor = 0;
    QDateTime createdAt;
    std::optional<AccountId> accountID;

    friend bool operator==(const CheckpointRecord& a, const CheckpointRecord& b) = default;
};

struct AccountRecord
{
    AccountId id;
    QString name;
    QString groupRaw;
    QString detail;
    QString colorHex;
    QString sfSymbol;
    QString currency;
    QString sourceRaw;
    QString kindRaw;
    std::int64_t openingBalanceMinor = 0;
    std::optional<QString> externalId;
    std::int64_t order = 0;
    bool isArchived = false;
    QDateTime createdAt;
    std::optional<std::int64_t> creditLimitMinor;
    std::optional<std::int64_t> statementDay;
    std::optional<std::int64_t> paymentDueDay;
    std::optional<std::int64_t> interestRateBP;
    std::optional<QByteArray> iconImage;
    std::optional<QString> iconEmoji;
    // The goals that name this account, and the account's index in each
    // goal's account list.
    QList<GoalId> goalIDs;
    QList<qsizetype> goalPositions;

    friend bool operator==(const AccountRecord& a, const AccountRecord& b) = default;
};

struct CategoryRecord
{
    CategoryId id;
    QString name;
    QString kindRaw;
    QString colorHex;
    QString iconKind;
    QString iconValue;
    std::optional<QByteArray> iconImage;
    std::int64_t order = 0;
    QDateTime createdAt;
    std::optional<CategoryId> parentID;
    // The budgets that include the category, with its index in each
    // budget's category list.
    QList<BudgetId> budgetIDs;
    QList<qsizetype> budgetPositions;
    // The challenges that watch the category.
    QList<GoalId> challengeIDs;

    friend bool operator==(const CategoryRecord& a, const CategoryRecord& b) = default;
};

struct WriteRecords
{
    struct CreatedIDs
    {
        QList<AccountId> accounts;
        QList<CategoryId> categories;
        QList<CheckpointId> checkpoints;
        QList<EntryId> transactions;

        friend bool operator==(const CreatedIDs& a, const CreatedIDs& b) = default;
    };

    QList<AccountRecord> accounts;
    QList<CategoryRecord> categories;
    QList<CheckpointRecord> checkpoints;
    QList<TransactionRecord> transactions;
    QList<TransactionLinks> links;
    CreatedIDs created;
    QList<TransactionRecord> transactionValues;
    QList<TransactionMeta> transactionMeta;
    QList<CategoryRecord> categoryValues;
    QList<AccountRecord> accountValues;
    QList<CheckpointRecord> checkpointValues;

    // True when the write recorded nothing at all.
    [[nodiscard]] bool isEmpty() const;

    friend bool operator==(const WriteRecords& a, const WriteRecords& b) = default;
};

} // namespace tallyra
