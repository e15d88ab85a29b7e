#pragma once

// LedgerWriter: the only way transactions change. Each operation checks its
// input, changes the store through the editing context, saves once and
// registers one undo step with its action name (the write frame,
// write_frame.h); the loaded ledger follows through the store's save
// notification, never through the writer.
//
// Operations and their action names: add / add with id ("Add Transaction"),
// edit ("Edit Transaction"), set receipt ("Add Receipt" / "Remove
// Receipt"), delete ("Delete Transaction" for one id, else "Delete
// Transactions"), change category ("Change Category"), change account
// ("Change Account"), set contact ("Change Contact" / "Remove Contact"),
// set cleared ("Mark Cleared" / "Mark Uncleared"). receipt() only reads.
//
// Storing a draft: the amount in minor units of the account's currency
// (half to even); a transaction without a time of day at 12:00 of its day
// in the writer's time zone; a received amount only for a transfer between
// two currencies; a category only when its kind is the transaction's; the
// payee trimmed; an empty contact name as none (and then no identifier).
// Bulk operations skip ids that no longer exist.
//
// Undo puts back exactly what was there, receipts included: a change of
// category or account also remembers the transaction's meta fields so its
// updatedAt comes back too. Redo runs the operation again with its first
// arguments (an add with the same id).
//
// Errors: WriteError (invalid draft, transaction gone, account deleted),
// checked before anything changes; StoreError from the store, after which
// the context is rolled back and the store is as before the call.
// Threading: main thread only; not re-entrant.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QTimeZone>

#include "base/error.h"
#include "base/typed_id.h"
#include "writing/entry_draft.h"
#include "writing/write_calendar.h"
#include "writing/write_frame.h"
#include "writing/write_undo.h"

namespace tallyra {

class NotificationCenter;
class StoreContext;
class StoreObjects;
struct TransactionModel;

class LedgerWriter final
{
public:
    class WriteError final : public Error
    {
    public:
        enum class Code : std::uint8_t
        {
            invalid,
            notFound,
            accountDeleted
        };

        [[nodiscard]] static WriteError invalid(EntryDraft::Problem problem);
        [[nodiscard]] static WriteError notFound();
        [[nodiscard]] static WriteError accountDeleted();

        [[nodiscard]] Code code() const noexcept { return m_code; }
        // The draft's problem of an invalid error.
        [[nodiscard]] std::optional<EntryDraft::Problem> problem() const noexcept
        {
            return m_problem;
        }

        // The user-facing text, translated.
        [[nodiscard]] static QString
        message(Code code, std::optional<EntryDraft::Problem> problem = std::nullopt);

    private:
        WriteError(Code code, std::optional<EntryDraft::Problem> problem);

        Code m_code;
        std::optional<EntryDraft::Problem> m_problem;
    };

    // zone: the calendar untimed transactions are placed in. notifications
    // (may be null) receives undo failures.
    explicit LedgerWriter(StoreContext& context, QTimeZone zone = QTimeZone::systemTimeZone(),
                          NotificationCenter* notifications = nullptr);
    ~LedgerWriter();
    LedgerWriter(const LedgerWriter&) = delete;
    LedgerWriter& operator=(const LedgerWriter&) = delete;

    [[nodiscard]] StoreContext& context() const noexcept { return m_context; }
    [[nodiscard]] WriteUndo& undo() noexcept { return m_undo; }
    [[nodiscard]] const WriteCalendar& calendar() const noexcept { return m_calendar; }

    EntryId add(const EntryDraft& draft, const std::optional<QByteArray>& receipt = std::nullopt);
    EntryId addWithID(const EntryDraft& draft, const std::optional<QByteArray>& receipt,
                      const EntryId& id);
    void edit(const EntryId& id, const EntryDraft& draft);
    // Stores the receipt, or removes it when bytes is none.
    void setReceipt(const std::optional<QByteArray>& bytes, const EntryId& id);
    // The stored receipt; none when there is none or it can't be read.
    // Throws WriteError::notFound when the transaction is gone.
    [[nodiscard]] std::optional<QByteArray> receipt(const EntryId& id);
    void remove(const QSet<EntryId>& ids);
    // None removes the category; a category that no longer exists too.
    // With a category only transactions of its kind change.
    void changeCategory(const std::optional<CategoryId>& categoryID, const QSet<EntryId>& ids);
    // A transfer into that account is left as it is. Amounts stay as they
    // are (not converted).
    void changeAccount(const AccountId& accountID, const QSet<EntryId>& ids);
    // An empty (after trimming) or missing name removes the contact.
    void setContact(const std::optional<QString>& name, const std::optional<QString>& identifier,
                    const QSet<EntryId>& ids);
    void setCleared(bool cleared, const QSet<EntryId>& ids);

private:
    // The store-aware check of a draft; throws WriteError.
    void check(const EntryDraft& draft);
    void apply(const EntryDraft& draft, TransactionModel& transaction, StoreObjects& objects) const;
    [[nodiscard]] QList<TransactionModel> transactions(const QSet<EntryId>& ids) const;

    StoreContext& m_context;
    WriteCalendar m_calendar;
    WriteUndo m_undo;
    WriteFrame m_frame;
};

} // namespace tallyra
