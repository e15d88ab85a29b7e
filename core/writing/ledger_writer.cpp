#include "writing/ledger_writer.h"

#include <QCoreApplication>

#include "model/category_kind.h"
#include "money/currency.h"
#include "money/money.h"
#include "store/store_context.h"
#include "writing/main_thread.h"
#include "writing/store_objects.h"

namespace tallyra {

using writing_detail::assertMainThread;

// ---- errors ----------------------------------------------------------------

LedgerWriter::WriteError::WriteError(Code code, std::optional<EntryDraft::Problem> problem)
    : Error(message(code, problem)), m_code(code), m_problem(problem)
{
}

LedgerWriter::WriteError LedgerWriter::WriteError::invalid(EntryDraft::Problem problem)
{
    return WriteError(Code::invalid, problem);
}

LedgerWriter::WriteError LedgerWriter::WriteError::notFound()
{
    return WriteError(Code::notFound, std::nullopt);
}

LedgerWriter::WriteError LedgerWriter::WriteError::accountDeleted()
{
    return WriteError(Code::accountDeleted, std::nullopt);
}

QString LedgerWriter::WriteError::message(Code code, std::optional<EntryDraft::Problem> problem)
{
    switch (code) {
    case Code::invalid:
        return EntryDraft::message(problem.value_or(EntryDraft::Problem::noAmount));
    case Code::notFound:
        return QCoreApplication::translate(
            "LedgerWriter",
            "The transaction no longer exists — it may have been deleted on another device.");
    case Code::accountDeleted:
        return QCoreApplication::translate("LedgerWriter", "The account was deleted.");
    }
    return {};
}

// ---- the writer --------------------------------------------------------------

LedgerWriter::LedgerWriter(StoreContext& context, QTimeZone zone, NotificationCenter* notifications)
    : m_context(context), m_calendar(std::move(zone)), m_undo(context, notifications),
      m_frame(m_undo)
{
}

LedgerWriter::~LedgerWriter() = default;

void LedgerWriter::check(const EntryDraft& draft)
{
    StoreObjects objects(m_context);
    const std::optional<AccountModel> account =
        draft.accountID ? objects.byID<AccountModel>(*draft.accountID) : std::nullopt;
    const bool isTransfer = draft.kind == EntryKind::transfer;
    const std::optional<AccountModel> destination =
        isTransfer && draft.toAccountID ? objects.byID<AccountModel>(*draft.toAccountID)
                                        : std::nullopt;
    const bool crossCurrency = account && destination && account->currency != destination->currency;
    if (const auto problem = draft.validate(crossCurrency))
        throw WriteError::invalid(*problem);
    // validate() sees decimals; what gets stored is minor units, and
    // 0.001 hryvnia would be saved as a zero the user never meant.
    if (account && Money::fromDecimal(draft.amount, account->currency).isZero())
        throw WriteError::invalid(EntryDraft::Problem::noAmount);
    if (crossCurrency && draft.toAmount &&
        Money::fromDecimal(*draft.toAmount, destination->currency).isZero())
        throw WriteError::invalid(EntryDraft::Problem::noReceived);
    if (draft.accountID && !account)
        throw WriteError::accountDeleted();
    if (isTransfer && draft.toAccountID && !destination)
        throw WriteError::accountDeleted();
}

void LedgerWriter::apply(const EntryDraft& draft, TransactionModel& t, StoreObjects& objects) const
{
    t.kindRaw = rawValue(draft.kind);

    const std::optional<AccountModel> account =
        draft.accountID ? objects.byID<AccountModel>(*draft.accountID) : std::nullopt;
    const CurrencyCode currency = account ? account->currency : Currency::main();
    t.amountMinor = Money::fromDecimal(draft.amount, currency).minor;
    t.date = draft.hasTime ? draft.date.toUTC() : m_calendar.noonOf(draft.date);
    t.hasTime = draft.hasTime;
    t.account = account ? std::optional(account->objectID) : std::nullopt;

    const std::optional<AccountModel> destination =
        draft.kind == EntryKind::transfer && draft.toAccountID
            ? objects.byID<AccountModel>(*draft.toAccountID)
            : std::nullopt;
    t.toAccount = destination ? std::optional(destination->objectID) : std::nullopt;
    // A received amount only means something when the money changes
    // currency on the way; between accounts of one currency it is the
    // amount itself and is not stored.
    if (destination && account && destination->currency != account->currency && draft.toAmount &&
        *draft.toAmount > Decimal(0))
        t.toAmountMinor = Money::fromDecimal(*draft.toAmount, destination->currency).minor;
    else
        t.toAmountMinor.reset();

    t.category.reset();
    if (draft.categoryID) {
        const std::optional<CategoryModel> category =
            objects.byID<CategoryModel>(*draft.categoryID);
        if (category && category->kind() == toCategoryKind(draft.kind))
            t.category = category->objectID;
    }

    t.payee = draft.payee.trimmed();
    t.note = draft.note;
    t.setTags(draft.tags);
    t.cleared = draft.cleared;
    if (draft.contactName && !draft.contactName->isEmpty()) {
        t.contactName = draft.contactName;
        t.contactIdentifier = draft.contactIdentifier;
    } else {
        t.contactName.reset();
        t.contactIdentifier.reset();
    }
}

QList<TransactionModel> LedgerWriter::transactions(const QSet<EntryId>& ids) const
{
    return m_context.fetch(Predicate<TransactionModel>::idIn(ids));
}

EntryId LedgerWriter::add(const EntryDraft& draft, const std::optional<QByteArray>& receipt)
{
    return addWithID(draft, receipt, EntryId::random());
}

EntryId LedgerWriter::addWithID(const EntryDraft& draft, const std::optional<QByteArray>& receipt,
                                const EntryId& id)
{
    assertMainThread();
    check(draft);
    return m_frame.run(
        QCoreApplication::translate("LedgerWriter", "Add Transaction"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            TransactionModel transaction;
            transaction.id = id;
            transaction.createdAt = m_context.clock().now();
            transaction.updatedAt = transaction.createdAt;
            apply(draft, transaction, objects);
            if (receipt)
                transaction.setReceipt(*receipt);
            m_context.insert(transaction);
            scope.records().created.transactions.append(id);
            return id;
        },
        [this, draft, receipt, id] { addWithID(draft, receipt, id); });
}

void LedgerWriter::edit(const EntryId& id, const EntryDraft& draft)
{
    assertMainThread();
    check(draft);
    {
        // An edit that changes nothing is no edit: no save, no new
        // "updated" time, no undo step for the user to wonder about.
        StoreObjects objects(m_context);
        if (const auto current = objects.byID<TransactionModel>(id)) {
            TransactionModel edited = *current;
            apply(draft, edited, objects);
            if (edited == *current)
                return;
        }
    }
    m_frame.run(
        QCoreApplication::translate("LedgerWriter", "Edit Transaction"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            std::optional<TransactionModel> transaction = objects.byID<TransactionModel>(id);
            if (!transaction)
                throw WriteError::notFound();
            scope.records().transactionValues.append(objects.transactionRecord(*transaction));
            apply(draft, *transaction, objects);
            transaction->updatedAt = m_context.clock().now();
            m_context.change(*transaction);
        },
        [this, id, draft] { edit(id, draft); });
}

void LedgerWriter::setReceipt(const std::optional<QByteArray>& bytes, const EntryId& id)
{
    assertMainThread();
    m_frame.run(
        bytes ? QCoreApplication::translate("LedgerWriter", "Add Receipt")
              : QCoreApplication::translate("LedgerWriter", "Remove Receipt"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            std::optional<TransactionModel> transaction = objects.byID<TransactionModel>(id);
            if (!transaction)
                throw WriteError::notFound();
            scope.records().transactionValues.append(objects.transactionRecord(*transaction));
            transaction->setReceipt(bytes);
            transaction->updatedAt = m_context.clock().now();
            m_context.change(*transaction);
        },
        [this, bytes, id] { setReceipt(bytes, id); });
}

std::optional<QByteArray> LedgerWriter::receipt(const EntryId& id)
{
    assertMainThread();
    StoreObjects objects(m_context);
    const std::optional<TransactionModel> transaction = objects.byID<TransactionModel>(id);
    if (!transaction)
        throw WriteError::notFound();
    return transaction->hasReceipt ? transaction->receipt : std::nullopt;
}

void LedgerWriter::remove(const QSet<EntryId>& ids)
{
    assertMainThread();
    m_frame.run(
        ids.size() == 1 ? QCoreApplication::translate("LedgerWriter", "Delete Transaction")
                        : QCoreApplication::translate("LedgerWriter", "Delete Transactions"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            for (const TransactionModel& transaction : transactions(ids)) {
                scope.records().transactions.append(objects.transactionRecord(transaction));
                m_context.remove(transaction);
            }
        },
        [this, ids] { remove(ids); });
}

void LedgerWriter::changeCategory(const std::optional<CategoryId>& categoryID,
                                  const QSet<EntryId>& ids)
{
    assertMainThread();
    m_frame.run(
        QCoreApplication::translate("LedgerWriter", "Change Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            const std::optional<CategoryModel> category =
                categoryID ? objects.byID<CategoryModel>(*categoryID) : std::nullopt;
            const QDateTime now = m_context.clock().now();
            for (TransactionModel transaction : transactions(ids)) {
                if (category && transaction.kind() != toEntryKind(category->kind()))
                    continue;
                // The meta fields carry updatedAt, so undo brings it back too.
                scope.records().transactionMeta.append(StoreObjects::transactionMeta(transaction));
                scope.records().links.append(objects.transactionLinks(transaction));
                transaction.category = category ? std::optional(category->objectID) : std::nullopt;
                transaction.updatedAt = now;
                m_context.change(transaction);
            }
        },
        [this, categoryID, ids] { changeCategory(categoryID, ids); });
}

void LedgerWriter::changeAccount(const AccountId& accountID, const QSet<EntryId>& ids)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    if (!lookup.byID<AccountModel>(accountID))
        throw WriteError::notFound();
    m_frame.run(
        QCoreApplication::translate("LedgerWriter", "Change Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            const std::optional<AccountModel> account = objects.byID<AccountModel>(accountID);
            if (!account)
                throw WriteError::notFound();
            const QDateTime now = m_context.clock().now();
            for (TransactionModel transaction : transactions(ids)) {
                // It would become a transfer to itself.
                if (transaction.toAccount == account->objectID)
                    continue;
                scope.records().transactionMeta.append(StoreObjects::transactionMeta(transaction));
                scope.records().links.append(objects.transactionLinks(transaction));
                transaction.account = account->objectID;
                transaction.updatedAt = now;
                m_context.change(transaction);
            }
        },
        [this, accountID, ids] { changeAccount(accountID, ids); });
}

void LedgerWriter::setContact(const std::optional<QString>& name,
                              const std::optional<QString>& identifier, const QSet<EntryId>& ids)
{
    assertMainThread();
    const QString trimmed = name ? name->trimmed() : QString();
    const bool removing = trimmed.isEmpty();
    m_frame.run(
        removing ? QCoreApplication::translate("LedgerWriter", "Remove Contact")
                 : QCoreApplication::translate("LedgerWriter", "Change Contact"),
        [&](WriteScope& scope) {
            const QDateTime now = m_context.clock().now();
            for (TransactionModel transaction : transactions(ids)) {
                scope.records().transactionMeta.append(StoreObjects::transactionMeta(transaction));
                transaction.contactName = removing ? std::nullopt : std::optional(trimmed);
                transaction.contactIdentifier = removing ? std::nullopt : identifier;
                transaction.updatedAt = now;
                m_context.change(transaction);
            }
        },
        [this, name, identifier, ids] { setContact(name, identifier, ids); });
}

void LedgerWriter::setCleared(bool cleared, const QSet<EntryId>& ids)
{
    assertMainThread();
    m_frame.run(
        cleared ? QCoreApplication::translate("LedgerWriter", "Mark Cleared")
                : QCoreApplication::translate("LedgerWriter", "Mark Uncleared"),
        [&](WriteScope& scope) {
            const QDateTime now = m_context.clock().now();
            for (TransactionModel transaction : transactions(ids)) {
                scope.records().transactionMeta.append(StoreObjects::transactionMeta(transaction));
                transaction.cleared = cleared;
                transaction.updatedAt = now;
                m_context.change(transaction);
            }
        },
        [this, cleared, ids] { setCleared(cleared, ids); });
}

} // namespace tallyra
