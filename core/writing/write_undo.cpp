#include "writing/write_undo.h"

#include <algorithm>

#include <QHash>
#include <QLoggingCategory>
#include <QVariant>

#include "store/store_context.h"
#include "writing/main_thread.h"
#include "writing/notification_center.h"
#include "writing/store_objects.h"
#include "writing/undo_manager.h"

namespace tallyra {

using writing_detail::assertMainThread;

namespace {

Q_LOGGING_CATEGORY(lcWriteUndo, "tallyra.writing.undo")

template <StoredModel Model>
void removeAllWithID(StoreContext& context, const typename Model::Id& id)
{
    for (const Model& model : context.fetch(Predicate<Model>::idEquals(id)))
        context.remove(model);
}

// The first object per id, as every lookup by id takes it.
template <StoredModel Model> QHash<typename Model::Id, Model> tableByID(StoreContext& context)
{
    QHash<typename Model::Id, Model> table;
    for (Model& model : context.fetch<Model>())
        if (!table.contains(model.id))
            table.insert(model.id, std::move(model));
    return table;
}

template <class Id, class Model>
std::optional<std::int64_t> objectIDOf(const QHash<Id, Model>& table, const std::optional<Id>& id)
{
    if (!id)
        return std::nullopt;
    const auto found = table.constFind(*id);
    if (found == table.constEnd())
        return std::nullopt;
    return found->objectID;
}

void applyAttributes(AccountModel& m, const AccountRecord& r)
{
    m.id = r.id;
    m.name = r.name;
    m.groupRaw = r.groupRaw;
    m.detail = r.detail;
    m.colorHex = r.colorHex;
    m.sfSymbol = r.sfSymbol;
    m.currency = r.currency;
    m.sourceRaw = r.sourceRaw;
    m.kindRaw = r.kindRaw;
    m.openingBalanceMinor = r.openingBalanceMinor;
    m.externalId = r.externalId;
    m.order = r.order;
    m.isArchived = r.isArchived;
    m.createdAt = r.createdAt;
    m.creditLimitMinor = r.creditLimitMinor;
    m.statementDay = r.statementDay;
    m.paymentDueDay = r.paymentDueDay;
    m.interestRateBP = r.interestRateBP;
    m.iconImage = r.iconImage;
    m.iconEmoji = r.iconEmoji;
}

void applyAttributes(CategoryModel& m, const CategoryRecord& r)
{
    m.id = r.id;
    m.name = r.name;
    m.kindRaw = r.kindRaw;
    m.colorHex = r.colorHex;
    m.iconKind = r.iconKind;
    m.iconValue = r.iconValue;
    m.iconImage = r.iconImage;
    m.order = r.order;
    m.createdAt = r.createdAt;
}

// The receipt of a snapshot onto a transaction: bytes and none replace what
// is there; "unchanged" keeps the object's own (which for a new object is
// nothing, and for one whose picture could not be read is that picture).
void applyReceipt(TransactionModel& m, const ReceiptState& receipt, bool isNew)
{
    switch (receipt.kind()) {
    case ReceiptState::Kind::data:
        m.setReceipt(receipt.bytes());
        break;
    case ReceiptState::Kind::none:
        m.setReceipt(std::nullopt);
        break;
    case ReceiptState::Kind::unchanged:
        if (isNew)
            m.setReceipt(std::nullopt);
        break;
    }
}

void applyValues(TransactionModel& m, const TransactionRecord& r)
{
    m.id = r.id;
    m.date = r.date;
    m.hasTime = r.hasTime;
    m.cleared = r.cleared;
    m.kindRaw = r.kindRaw;
    m.payee = r.payee;
    m.note = r.note;
    m.tagsText = r.tagsText;
    m.amountMinor = r.amountMinor;
    m.toAmountMinor = r.toAmountMinor;
    m.contactName = r.contactName;
    m.contactIdentifier = r.contactIdentifier;
    m.externalId = r.externalId;
    m.createdAt = r.createdAt;
    m.updatedAt = r.updatedAt;
}

// Puts recreated members back at their old index in a to-many list. The
// indexes were all taken from the list before the write, so inserting them
// in ascending order rebuilds it exactly when nothing else changed since.
void insertAtPositions(QList<std::int64_t>& list, QList<std::pair<qsizetype, std::int64_t>> members)
{
    std::stable_sort(members.begin(), members.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [position, objectID] : members) {
        if (list.contains(objectID))
            continue;
        if (position < 0 || position > list.size())
            list.append(objectID);
        else
            list.insert(position, objectID);
    }
}

class Restore
{
public:
    explicit Restore(StoreContext& context) : m_context(context) {}

    void run(const WriteRecords& records)
    {
        deleteCreated(records.created);
        m_accounts = tableByID<AccountModel>(m_context);
        m_categories = tableByID<CategoryModel>(m_context);
        m_budgets = tableByID<BudgetModel>(m_context);
        m_goals = tableByID<GoalModel>(m_context);
        recreateAccounts(records.accounts);
        recreateCategories(records.categories);
        recreateCheckpoints(records.checkpoints);
        recreateTransactions(records.transactions);
        writeBackAccounts(records.accountValues);
        writeBackCategories(records.categoryValues);
        writeBackCheckpoints(records.checkpointValues);
        writeBackTransactions(records);
    }

private:
    void deleteCreated(const WriteRecords::CreatedIDs& created)
    {
        for (const EntryId& id : created.transactions)
            removeAllWithID<TransactionModel>(m_context, id);
        for (const CheckpointId& id : created.checkpoints)
            removeAllWithID<BalanceCheckpointModel>(m_context, id);
        // Children are created after their parents, so the newest go first.
        for (auto id = created.categories.crbegin(); id != created.categories.crend(); ++id)
            removeAllWithID<CategoryModel>(m_context, *id);
        for (const AccountId& id : created.accounts)
            removeAllWithID<AccountModel>(m_context, id);
    }

    void recreateAccounts(const QList<AccountRecord>& records)
    {
        QHash<GoalId, QList<std::pair<qsizetype, std::int64_t>>> goalLinks;
        for (const AccountRecord& record : records) {
            if (m_accounts.contains(record.id))
                continue;
            AccountModel account;
            applyAttributes(account, record);
            m_context.insert(account);
            for (qsizetype i = 0; i < record.goalIDs.size(); ++i)
                goalLinks[record.goalIDs.at(i)].append(
                    {record.goalPositions.value(i, -1), account.objectID});
            m_accounts.insert(record.id, std::move(account));
        }
        for (auto link = goalLinks.cbegin(); link != goalLinks.cend(); ++link) {
            const auto goal = m_goals.find(link.key());
            if (goal == m_goals.end())
                continue;
            insertAtPositions(goal->accounts, link.value());
            m_context.change(*goal);
        }
    }

    void recreateCategories(const QList<CategoryRecord>& records)
    {
        QHash<BudgetId, QList<std::pair<qsizetype, std::int64_t>>> budgetLinks;
        for (const CategoryRecord& record : records) {
            if (m_categories.contains(record.id))
                continue;
            CategoryModel category;
            applyAttributes(category, record);
            category.parent = objectIDOf(m_categories, record.parentID);
            m_context.insert(category);
            for (qsizetype i = 0; i < record.budgetIDs.size(); ++i)
                budgetLinks[record.budgetIDs.at(i)].append(
                    {record.budgetPositions.value(i, -1), category.objectID});
            for (const GoalId& goalID : record.challengeIDs) {
                const auto goal = m_goals.find(goalID);
                if (goal == m_goals.end())
                    continue;
                goal->category = category.objectID;
                m_context.change(*goal);
            }
            m_categories.insert(record.id, std::move(category));
        }
        for (auto link = budgetLinks.cbegin(); link != budgetLinks.cend(); ++link) {
            const auto budget = m_budgets.find(link.key());
            if (budget == m_budgets.end())
                continue;
            insertAtPositions(budget->categories, link.value());
            m_context.change(*budget);
        }
    }

    void recreateCheckpoints(const QList<CheckpointRecord>& records)
    {
        for (const CheckpointRecord& record : records) {
            if (m_context.count(Predicate<BalanceCheckpointModel>::idEquals(record.id)) > 0)
                continue;
            BalanceCheckpointModel checkpoint;
            checkpoint.id = record.id;
            checkpoint.date = record.date;
            checkpoint.balanceMinor = record.balanceMinor;
            checkpoint.createdAt = record.createdAt;
            checkpoint.account = objectIDOf(m_accounts, record.accountID);
            m_context.insert(checkpoint);
        }
    }

    void recreateTransactions(const QList<TransactionRecord>& records)
    {
        for (const TransactionRecord& record : records) {
            if (m_context.count(Predicate<TransactionModel>::idEquals(record.id)) > 0)
                continue;
            TransactionModel transaction;
            applyValues(transaction, record);
            applyReceipt(transaction, record.receipt, true);
            setLinks(transaction, record.accountID, record.toAccountID, record.categoryID);
            m_context.insert(transaction);
        }
    }

    void writeBackAccounts(const QList<AccountRecord>& records)
    {
        for (const AccountRecord& record : records) {
            const auto account = m_accounts.find(record.id);
            if (account == m_accounts.end())
                continue;
            applyAttributes(*account, record);
            m_context.change(*account);
        }
    }

    void writeBackCategories(const QList<CategoryRecord>& records)
    {
        for (const CategoryRecord& record : records) {
            const auto category = m_categories.find(record.id);
            if (category == m_categories.end())
                continue;
            applyAttributes(*category, record);
            category->parent = objectIDOf(m_categories, record.parentID);
            m_context.change(*category);
        }
    }

    void writeBackCheckpoints(const QList<CheckpointRecord>& records)
    {
        StoreObjects objects(m_context);
        for (const CheckpointRecord& record : records) {
            auto checkpoint = objects.byID<BalanceCheckpointModel>(record.id);
            if (!checkpoint)
                continue;
            checkpoint->date = record.date;
            checkpoint->balanceMinor = record.balanceMinor;
            checkpoint->createdAt = record.createdAt;
            checkpoint->account = objectIDOf(m_accounts, record.accountID);
            m_context.change(*checkpoint);
        }
    }

    void writeBackTransactions(const WriteRecords& records)
    {
        StoreObjects objects(m_context);
        for (const TransactionRecord& record : records.transactionValues) {
            auto transaction = objects.byID<TransactionModel>(record.id);
            if (!transaction)
                continue;
            applyValues(*transaction, record);
            applyReceipt(*transaction, record.receipt, false);
            setLinks(*transaction, record.accountID, record.toAccountID, record.categoryID);
            m_context.change(*transaction);
        }
        for (const TransactionMeta& meta : records.transactionMeta) {
            auto transaction = objects.byID<TransactionModel>(meta.id);
            if (!transaction)
                continue;
            transaction->cleared = meta.cleared;
            transaction->contactName = meta.contactName;
            transaction->contactIdentifier = meta.contactIdentifier;
            transaction->updatedAt = meta.updatedAt;
            m_context.change(*transaction);
        }
        for (const TransactionLinks& links : records.links) {
            auto transaction = objects.byID<TransactionModel>(links.id);
            if (!transaction)
                continue;
            setLinks(*transaction, links.accountID, links.toAccountID, links.categoryID);
            m_context.change(*transaction);
        }
    }

    void setLinks(TransactionModel& transaction, const std::optional<AccountId>& account,
                  const std::optional<AccountId>& toAccount,
                  const std::optional<CategoryId>& category) const
    {
        transaction.account = objectIDOf(m_accounts, account);
        transaction.toAccount = objectIDOf(m_accounts, toAccount);
        transaction.category = objectIDOf(m_categories, category);
    }

    StoreContext& m_context;
    QHash<AccountId, AccountModel> m_accounts;
    QHash<CategoryId, CategoryModel> m_categories;
    QHash<BudgetId, BudgetModel> m_budgets;
    QHash<GoalId, GoalModel> m_goals;
};

// Registers one step the way every writer does: a group of its own when
// none is open, then the action name on the manager.
void registerNamed(UndoManager& manager, const QObject* owner, const QString& actionName,
                   std::function<void()> action)
{
    const bool ownGroup = manager.groupingLevel() == 0;
    if (ownGroup)
        manager.beginUndoGrouping();
    manager.registerUndo(owner, std::move(action));
    if (ownGroup)
        manager.endUndoGrouping();
    manager.setActionName(actionName);
}

} // namespace

WriteUndo::WriteUndo(StoreContext& context, NotificationCenter* notifications, QObject* parent)
    : QObject(parent), m_context(context), m_notifications(notifications)
{
}

WriteUndo::~WriteUndo() = default;

void WriteUndo::registerStep(std::shared_ptr<const WriteRecords> records, const QString& actionName,
                             std::function<void()> redo)
{
    assertMainThread();
    UndoManager* manager = m_context.undoManager();
    if (manager == nullptr)
        return;
    registerNamed(*manager, this, actionName,
                  [this, records = std::move(records), actionName, redo = std::move(redo)] {
                      undoStep(records, actionName, redo);
                  });
}

void WriteUndo::restore(const WriteRecords& records)
{
    Restore restore(m_context);
    restore.run(records);
}

void WriteUndo::undoStep(const std::shared_ptr<const WriteRecords>& records,
                         const QString& actionName, const std::function<void()>& redo)
{
    UndoManager* manager = m_context.undoManager();
    m_context.setUndoManager(nullptr);
    try {
        restore(*records);
        m_context.save();
    } catch (...) {
        const UndoFailure failure = UndoFailure::capture(std::current_exception(), false);
        m_context.rollback();
        m_context.setUndoManager(manager);
        report(failure);
        return;
    }
    m_context.setUndoManager(manager);
    registerRedo(actionName, redo);
}

void WriteUndo::registerRedo(const QString& actionName, std::function<void()> redo)
{
    UndoManager* manager = m_context.undoManager();
    if (manager == nullptr)
        return;
    registerNamed(*manager, this, actionName, [this, redo = std::move(redo)] { redoStep(redo); });
}

void WriteUndo::redoStep(const std::function<void()>& redo)
{
    try {
        redo();
    } catch (...) {
        report(UndoFailure::capture(std::current_exception(), true));
    }
}

void WriteUndo::report(const UndoFailure& failure)
{
    qCWarning(lcWriteUndo, "%s failed: %s", failure.isRedo ? "Redo" : "Undo",
              qUtf8Printable(failure.error->detail().isEmpty() ? failure.message()
                                                               : failure.error->detail()));
    Q_EMIT undoFailed(failure);
    if (m_notifications != nullptr) {
        QVariantMap userInfo;
        userInfo.insert(QString::fromUtf16(kUndoFailureKey), QVariant::fromValue(failure));
        m_notifications->post(
            Notification{QString::fromUtf16(kUndoFailureNotification), &m_context, userInfo});
    }
}

} // namespace tallyra
