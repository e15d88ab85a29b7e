#include "writing/account_writer.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>

#include "money/currency.h"
#include "writing/catalog_write_support.h"
#include "writing/main_thread.h"

namespace tallyra {

using namespace writing_detail;
using Code = CatalogWriteError::Code;

namespace {

void requireNumbers(const AccountDraft& draft)
{
    requireNumber(draft.balanceToday);
    requireNumber(draft.creditLimit);
    requireNumber(draft.interestRate);
}

bool withinOneSecond(const QDateTime& a, const QDateTime& b)
{
    const qint64 difference = a.msecsTo(b);
    return difference > -1000 && difference < 1000;
}

void setKind(AccountModel& account, AccountKind kind)
{
    account.kindRaw = rawValue(kind);
    account.groupRaw = rawValue(group(kind));
}

void applyDetails(AccountModel& account, const AccountDraft& draft)
{
    setKind(account, draft.kind);
    const bool isCard = draft.kind == AccountKind::creditCard;
    const bool isLoan = draft.kind == AccountKind::loan;
    const bool isSavings = draft.kind == AccountKind::savings;
    const CurrencyCode& currency = draft.currency.isEmpty() ? account.currency : draft.currency;
    account.creditLimitMinor = isCard && draft.creditLimit
                                   ? std::optional(minorOf(*draft.creditLimit, currency))
                                   : std::nullopt;
    account.statementDay = isCard && draft.statementDay
                               ? std::optional(std::clamp<std::int64_t>(*draft.statementDay, 1, 31))
                               : std::nullopt;
    account.paymentDueDay =
        (isCard || isLoan) && draft.paymentDueDay
            ? std::optional(std::clamp<std::int64_t>(*draft.paymentDueDay, 1, 31))
            : std::nullopt;
    account.interestRateBP =
        (isCard || isLoan || isSavings) && draft.interestRate
            ? std::optional(
                  (*draft.interestRate * Decimal(100))
                      .toInt64Clamped(Rounding::halfEven, std::numeric_limits<std::int64_t>::max()))
            : std::nullopt;
    account.detail = draft.detail;
    account.colorHex = draft.colorHex;
    account.sfSymbol = draft.sfSymbol.isEmpty() ? symbol(draft.kind) : draft.sfSymbol;
    account.iconImage = draft.iconImage;
    account.iconEmoji =
        draft.iconEmoji && !draft.iconEmoji->isEmpty() ? draft.iconEmoji : std::nullopt;
    account.currency = currency;
    account.isArchived = draft.isArchived;
}

// Accounts are picked by name in the editor, the filters and on the command
// line; two of one name (ignoring case) can't be told apart there.
void requireUniqueName(StoreContext& store, const QString& name,
                       std::optional<std::int64_t> except = std::nullopt)
{
    for (const AccountModel& other : store.fetch<AccountModel>())
        if (other.objectID != except &&
            other.name.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            throw CatalogWriteError(Code::duplicateAccountName);
}

void requireKnownCurrency(const CurrencyCode& currency)
{
    if (!currency.isEmpty() && !Currency::all().contains(currency))
        throw CatalogWriteError(Code::unknownCurrency);
}

} // namespace

StoreContext& AccountWriter::context() const noexcept
{
    return m_frame.context();
}

// ---- accounts ----------------------------------------------------------------

AccountId AccountWriter::newAccount(const AccountDraft& draft)
{
    assertMainThread();
    StoreContext& store = context();
    const QString name = trimmedName(draft.name);
    requireNumbers(draft);
    requireKnownCurrency(draft.currency);
    requireUniqueName(store, name);
    return m_frame.run(
        QCoreApplication::translate("CatalogWriter", "New Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            AccountModel account;
            account.id = scope.newID<AccountId>();
            account.name = name;
            account.currency = draft.currency.isEmpty() ? Currency::main() : draft.currency;
            account.order = nextOrder(store.fetch<AccountModel>());
            account.createdAt = store.clock().now();
            applyDetails(account, draft);
            store.insert(account);
            scope.records().created.accounts.append(account.id);
            if (!draft.balanceToday.isZero() || draft.balanceDate)
                setBalance(scope, objects, account, draft.balanceToday, draft.balanceDate);
            return account.id;
        },
        [this, draft] { (void)newAccount(draft); });
}

void AccountWriter::editAccount(const AccountId& id, const AccountDraft& draft)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const AccountModel found = existing<AccountModel>(lookup, id);
    const QString name = trimmedName(draft.name);
    requireNumbers(draft);
    requireUniqueName(store, name, found.objectID);
    if (!draft.currency.isEmpty() && draft.currency != found.currency) {
        requireKnownCurrency(draft.currency);
        const bool hasHistory =
            found.openingBalanceMinor != 0 || !store.outgoing(found).isEmpty() ||
            !store.incoming(found).isEmpty() || !store.checkpoints(found).isEmpty();
        if (hasHistory)
            throw CatalogWriteError(Code::currencyLocked);
    }
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Edit Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            AccountModel account = found;
            recordAccountValues(scope, objects, account);
            account.name = name;
            applyDetails(account, draft);
            store.change(account);
        },
        [this, id, draft] { editAccount(id, draft); });
}

void AccountWriter::setArchived(const AccountId& id, bool archived)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const AccountModel found = existing<AccountModel>(lookup, id);
    m_frame.run(
        archived ? QCoreApplication::translate("CatalogWriter", "Archive Account")
                 : QCoreApplication::translate("CatalogWriter", "Unarchive Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            AccountModel account = found;
            recordAccountValues(scope, objects, account);
            account.isArchived = archived;
            store.change(account);
        },
        [this, id, archived] { setArchived(id, archived); });
}

void AccountWriter::reorderAccounts(const QList<std::pair<AccountId, std::int64_t>>& orders)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    QList<std::pair<AccountModel, std::int64_t>> accounts;
    for (const auto& [id, order] : orders)
        accounts.append({existing<AccountModel>(lookup, id), order});
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Reorder Accounts"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            for (const auto& [found, order] : accounts) {
                // Fetched again: the same account may be listed twice.
                std::optional<AccountModel> account = store.object<AccountModel>(found.objectID);
                if (!account)
                    throw CatalogWriteError(Code::notFound);
                recordAccountValues(scope, objects, *account);
                account->order = order;
                store.change(*account);
            }
        },
        [this, orders] { reorderAccounts(orders); });
}

void AccountWriter::deleteAccount(const AccountId& id, const AccountTransactions& transactions)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const AccountModel found = existing<AccountModel>(lookup, id);
    std::optional<AccountModel> destination;
    if (transactions.destination()) {
        destination = existing<AccountModel>(lookup, *transactions.destination());
        if (destination->objectID == found.objectID || destination->currency != found.currency)
            throw CatalogWriteError(Code::currencyMismatch);
    }

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Delete Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            WriteRecords& records = scope.records();
            records.accounts.append(objects.accountRecord(found));
            const QList<BalanceCheckpointModel> checkpoints = store.checkpoints(found);
            for (const BalanceCheckpointModel& checkpoint : checkpoints)
                records.checkpoints.append(objects.checkpointRecord(checkpoint));

            const auto deleteTransaction = [&](const TransactionModel& transaction) {
                records.transactions.append(objects.transactionRecord(transaction));
                store.remove(transaction);
            };
            if (!destination) {
                for (const TransactionModel& transaction : store.outgoing(found))
                    deleteTransaction(transaction);
                for (const TransactionModel& transaction : store.incoming(found))
                    deleteTransaction(transaction);
            } else {
                const std::int64_t to = destination->objectID;
                for (TransactionModel transaction : store.outgoing(found)) {
                    // A transfer between the two would become a transfer
                    // to itself.
                    if (transaction.toAccount == to) {
                        deleteTransaction(transaction);
                        continue;
                    }
                    records.links.append(objects.transactionLinks(transaction));
                    transaction.account = to;
                    store.change(transaction);
                }
                // Fetched after the outgoing ones moved, so a transaction
                // that was both is seen as it is now.
                for (TransactionModel transaction : store.incoming(found)) {
                    if (transaction.account == to) {
                        deleteTransaction(transaction);
                        continue;
                    }
                    records.links.append(objects.transactionLinks(transaction));
                    transaction.toAccount = to;
                    store.change(transaction);
                }
            }
            for (const BalanceCheckpointModel& checkpoint : checkpoints)
                store.remove(checkpoint);
            store.remove(found);
        },
        [this, id, transactions] { deleteAccount(id, transactions); });
}

// ---- balance changes ---------------------------------------------------------

QDateTime AccountWriter::balanceDate(const AccountModel& account,
                                     const std::optional<QDate>& day) const
{
    StoreContext& store = context();
    const QDateTime now = store.clock().now();
    const QDate today = m_calendar.dayOf(now);
    using P = Predicate<TransactionModel>;
    using F = TransactionModel::Field;
    const P onToday = P::greaterOrEqual(F::date, m_calendar.startOfDay(today)) &&
                      P::less(F::date, m_calendar.startOfNextDay(today));
    const P ofAccount =
        P::equals(F::account, account.objectID) || P::equals(F::toAccount, account.objectID);
    return balanceInstant(m_calendar, now, day, store.count(onToday && ofAccount) > 0);
}

CheckpointId AccountWriter::setBalance(WriteScope& scope, StoreObjects& objects,
                                       const AccountModel& account, const Decimal& balance,
                                       const std::optional<QDate>& day)
{
    StoreContext& store = context();
    const QDateTime date = balanceDate(account, day);
    for (const BalanceCheckpointModel& replaced : store.checkpoints(account)) {
        if (!withinOneSecond(replaced.date, date))
            continue;
        scope.records().checkpoints.append(objects.checkpointRecord(replaced));
        store.remove(replaced);
    }
    BalanceCheckpointModel checkpoint;
    checkpoint.id = scope.newID<CheckpointId>();
    checkpoint.date = date;
    checkpoint.balanceMinor = minorOf(balance, account.currency);
    checkpoint.createdAt = store.clock().now();
    checkpoint.account = account.objectID;
    store.insert(checkpoint);
    scope.records().created.checkpoints.append(checkpoint.id);
    return checkpoint.id;
}

CheckpointId AccountWriter::changeBalance(const AccountId& id, const Decimal& balance,
                                          const std::optional<QDate>& day)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const AccountModel found = existing<AccountModel>(lookup, id);
    requireNumber(balance);
    return m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Change Balance"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            return setBalance(scope, objects, found, balance, day);
        },
        [this, id, balance, day] { (void)changeBalance(id, balance, day); });
}

void AccountWriter::setBalances(const QList<AccountBalance>& rows,
                                const QHash<AccountId, Decimal>& currentBalances)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    for (const AccountBalance& row : rows) {
        (void)existing<AccountModel>(lookup, row.id);
        requireNumber(row.balance);
        requireNumber(row.creditLimit);
    }
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Set Balances"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            for (const AccountBalance& row : rows) {
                AccountModel account = existing<AccountModel>(objects, row.id);
                recordAccountValues(scope, objects, account);
                const AccountKind oldKind = account.kind();
                if (row.kind != oldKind) {
                    if (account.sfSymbol == symbol(oldKind))
                        account.sfSymbol = symbol(row.kind);
                    setKind(account, row.kind);
                }
                account.creditLimitMinor =
                    row.creditLimit ? std::optional(minorOf(*row.creditLimit, account.currency))
                                    : std::nullopt;
                store.change(account);
                const auto current = currentBalances.constFind(row.id);
                const bool unchanged = current != currentBalances.constEnd() &&
                                       minorOf(current.value(), account.currency) ==
                                           minorOf(row.balance, account.currency);
                if (!unchanged)
                    setBalance(scope, objects, account, row.balance, std::nullopt);
            }
        },
        [this, rows, currentBalances] { setBalances(rows, currentBalances); });
}

void AccountWriter::changeOpeningBalance(const AccountId& id, const Decimal& amount)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const AccountModel found = existing<AccountModel>(lookup, id);
    requireNumber(amount);
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Change Opening Balance"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            AccountModel account = found;
            recordAccountValues(scope, objects, account);
            account.openingBalanceMinor = minorOf(amount, account.currency);
            store.change(account);
        },
        [this, id, amount] { changeOpeningBalance(id, amount); });
}

void AccountWriter::editBalanceChange(const CheckpointId& id, const Decimal& balance,
                                      const QDate& day)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const std::optional<BalanceCheckpointModel> found = lookup.byID<BalanceCheckpointModel>(id);
    const std::optional<AccountModel> account =
        found && found->account ? store.object<AccountModel>(*found->account) : std::nullopt;
    if (!found || !account)
        throw CatalogWriteError(Code::notFound);
    requireNumber(balance);
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Edit Balance Change"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            BalanceCheckpointModel checkpoint = *found;
            scope.records().checkpointValues.append(objects.checkpointRecord(checkpoint));
            // A balance at midnight holds at the end of the day before.
            const QDate standsFor = m_calendar.isStartOfDay(checkpoint.date)
                                        ? m_calendar.dayOf(checkpoint.date).addDays(-1)
                                        : m_calendar.dayOf(checkpoint.date);
            if (day != standsFor)
                checkpoint.date = balanceDate(*account, day);
            checkpoint.balanceMinor = minorOf(balance, account->currency);
            store.change(checkpoint);
        },
        [this, id, balance, day] { editBalanceChange(id, balance, day); });
}

void AccountWriter::deleteBalanceChange(const CheckpointId& id)
{
    assertMainThread();
    StoreContext& store = context();
    StoreObjects lookup(store);
    const BalanceCheckpointModel found = existing<BalanceCheckpointModel>(lookup, id);
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Delete Balance Change"),
        [&](WriteScope& scope) {
            StoreObjects objects(store);
            scope.records().checkpoints.append(objects.checkpointRecord(found));
            store.remove(found);
        },
        [this, id] { deleteBalanceChange(id); });
}

} // namespace tallyra
