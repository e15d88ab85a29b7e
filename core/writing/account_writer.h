#pragma once

// AccountWriter: the writes of accounts and their balance changes, each one
// undoable step in the shared write frame ("New Account", "Edit Account",
// "Archive Account"/"Unarchive Account", "Reorder Accounts", "Delete
// Account", "Change Balance", "Set Balances", "Change Opening Balance",
// "Edit Balance Change", "Delete Balance Change").
//
// A balance entered for a day is dated by the balance-date rule
// (balanceInstant, write_calendar.h) with "now" from the store's clock and
// days in the writer's time zone; entering it replaces the account's
// balance changes less than one second from that instant. An account draft
// without a symbol gets its kind's symbol. The currency of an account
// can't change once it has an opening balance, transactions or balance
// changes.
//
// Errors: CatalogWriteError with its user-facing message, before anything
// changed; StoreError from the store, after which nothing changed either.
// Threading: main thread only; not re-entrant.

#include <cstdint>
#include <optional>
#include <utility>

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>

#include "base/typed_id.h"
#include "money/decimal.h"
#include "writing/catalog_drafts.h"
#include "writing/write_calendar.h"

namespace tallyra {

class StoreContext;
class StoreObjects;
class WriteFrame;
class WriteScope;
struct AccountModel;

class AccountWriter final
{
public:
    // The frame must outlive the writer.
    AccountWriter(WriteFrame& frame, WriteCalendar calendar)
        : m_frame(frame), m_calendar(std::move(calendar))
    {
    }

    [[nodiscard]] const WriteCalendar& calendar() const noexcept { return m_calendar; }

    AccountId newAccount(const AccountDraft& draft);
    // The balance is not changed here.
    void editAccount(const AccountId& id, const AccountDraft& draft);
    void setArchived(const AccountId& id, bool archived);
    void reorderAccounts(const QList<std::pair<AccountId, std::int64_t>>& orders);
    void deleteAccount(const AccountId& id, const AccountTransactions& transactions);

    // Records what the account holds at the end of the day (today when
    // none); returns the new balance change's id.
    CheckpointId changeBalance(const AccountId& id, const Decimal& balance,
                               const std::optional<QDate>& day);
    // Applies each row's kind and credit limit, and records its balance for
    // today unless it equals the current balance given for that account.
    void setBalances(const QList<AccountBalance>& rows,
                     const QHash<AccountId, Decimal>& currentBalances);
    void changeOpeningBalance(const AccountId& id, const Decimal& amount);
    void editBalanceChange(const CheckpointId& id, const Decimal& balance, const QDate& day);
    void deleteBalanceChange(const CheckpointId& id);

    // The instant a balance entered for the day (today when none) applies
    // to for the account. Reads the store.
    [[nodiscard]] QDateTime balanceDate(const AccountModel& account,
                                        const std::optional<QDate>& day) const;

private:
    [[nodiscard]] StoreContext& context() const noexcept;
    CheckpointId setBalance(WriteScope& scope, StoreObjects& objects, const AccountModel& account,
                            const Decimal& balance, const std::optional<QDate>& day);

    WriteFrame& m_frame;
    WriteCalendar m_calendar;
};

} // namespace tallyra
