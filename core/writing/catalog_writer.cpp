#include "writing/catalog_writer.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QSet>

#include "model/account_group.h"
#include "money/currency.h"
#include "money/money.h"
#include "store/store_context.h"
#include "writing/main_thread.h"
#include "writing/store_objects.h"

namespace tallyra {

using writing_detail::assertMainThread;

namespace {

using Code = CatalogWriter::WriteError::Code;

// The stored object a write is about; one that is gone makes the write fail
// as "not found".
template <StoredModel Model> Model existing(StoreObjects& objects, const typename Model::Id& id)
{
    std::optional<Model> found = objects.byID<Model>(id);
    if (!found)
        throw CatalogWriter::WriteError(Code::notFound);
    return std::move(*found);
}

constexpr int kLevelCap = 16;

QString trimmedName(const QString& name)
{
    QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        throw CatalogWriter::WriteError(Code::emptyName);
    return trimmed;
}

std::int64_t minorOf(const Decimal& value, const CurrencyCode& currency)
{
    return Money::fromDecimal(value, currency).minor;
}

// An amount that could not be read is refused rather than stored as zero.
void requireNumber(const Decimal& value)
{
    if (value.isNaN())
        throw CatalogWriter::WriteError(Code::invalid);
}

void requireNumber(const std::optional<Decimal>& value)
{
    if (value)
        requireNumber(*value);
}

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

// The category tree as one fetch sees it, by row identity. Levels and
// heights are capped so that damaged (cyclic) data cannot loop.
class CategoryTree
{
public:
    explicit CategoryTree(StoreContext& context)
    {
        for (CategoryModel& category : context.fetch<CategoryModel>()) {
            const std::int64_t objectID = category.objectID;
            m_children[category.parent.value_or(0)].append(objectID);
            m_categories.insert(objectID, std::move(category));
        }
        for (QList<std::int64_t>& children : m_children)
            sortSiblings(children);
    }

    [[nodiscard]] const CategoryModel& at(std::int64_t objectID) const
    {
        return m_categories.find(objectID).value();
    }

    [[nodiscard]] int level(std::int64_t objectID) const
    {
        int level = 1;
        std::optional<std::int64_t> parent = at(objectID).parent;
        while (parent && m_categories.contains(*parent) && level < kLevelCap) {
            ++level;
            parent = at(*parent).parent;
        }
        return level;
    }

    [[nodiscard]] int height(std::int64_t objectID, int depth = 1) const
    {
        int height = 1;
        if (depth >= kLevelCap)
            return height;
        for (const std::int64_t child : children(objectID))
            height = std::max(height, 1 + this->height(child, depth + 1));
        return height;
    }

    // The category followed by its descendants, depth first in sibling
    // order (each child followed by its own descendants).
    [[nodiscard]] QList<std::int64_t> subtree(std::int64_t objectID) const
    {
        QList<std::int64_t> result;
        QSet<std::int64_t> seen;
        appendSubtree(objectID, result, seen);
        return result;
    }

    // The children of a category (of the top level for none) in sibling
    // order.
    [[nodiscard]] QList<std::int64_t> children(std::optional<std::int64_t> parent) const
    {
        return m_children.value(parent.value_or(0));
    }

    [[nodiscard]] std::int64_t nextOrder(std::optional<std::int64_t> parent,
                                         std::int64_t except = 0) const
    {
        std::optional<std::int64_t> greatest;
        for (const std::int64_t sibling : children(parent))
            if (sibling != except)
                greatest = std::max(greatest.value_or(std::numeric_limits<std::int64_t>::min()),
                                    at(sibling).order);
        return greatest ? *greatest + 1 : 0;
    }

private:
    void sortSiblings(QList<std::int64_t>& siblings) const
    {
        std::stable_sort(siblings.begin(), siblings.end(), [this](std::int64_t a, std::int64_t b) {
            const CategoryModel& x = m_categories.find(a).value();
            const CategoryModel& y = m_categories.find(b).value();
            if (x.order != y.order)
                return x.order < y.order;
            return x.name < y.name;
        });
    }

    void appendSubtree(std::int64_t objectID, QList<std::int64_t>& result,
                       QSet<std::int64_t>& seen) const
    {
        if (seen.contains(objectID))
            return;
        seen.insert(objectID);
        result.append(objectID);
        for (const std::int64_t child : children(objectID))
            appendSubtree(child, result, seen);
    }

    QHash<std::int64_t, CategoryModel> m_categories;
    QHash<std::int64_t, QList<std::int64_t>> m_children;
};

QList<StoreValue> storeValues(const QList<std::int64_t>& objectIDs)
{
    QList<StoreValue> values;
    for (const std::int64_t objectID : objectIDs)
        values.append(StoreValue(objectID));
    return values;
}

bool hasTransactions(StoreContext& context, const QList<std::int64_t>& categories)
{
    return context.count(Predicate<TransactionModel>::in(TransactionModel::Field::category,
                                                         storeValues(categories))) > 0;
}

template <class Record, class Id> bool recorded(const QList<Record>& records, const Id& id)
{
    return std::any_of(records.cbegin(), records.cend(),
                       [&id](const Record& record) { return record.id == id; });
}

void recordAccountValues(WriteScope& scope, StoreObjects& objects, const AccountModel& account)
{
    if (!recorded(scope.records().accountValues, account.id))
        scope.records().accountValues.append(objects.accountRecord(account));
}

void recordCategoryValues(WriteScope& scope, StoreObjects& objects, const CategoryModel& category)
{
    if (!recorded(scope.records().categoryValues, category.id))
        scope.records().categoryValues.append(objects.categoryRecord(category));
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

} // namespace

// ---- errors ----------------------------------------------------------------

CatalogWriter::WriteError::WriteError(Code code) : Error(message(code)), m_code(code) {}

QString CatalogWriter::WriteError::message(Code code)
{
    switch (code) {
    case Code::emptyName:
        return QCoreApplication::translate("CatalogWriter", "Give it a name.");
    case Code::notFound:
        return QCoreApplication::translate(
            "CatalogWriter", "It no longer exists — it may have been deleted on another device.");
    case Code::tooDeep:
        return QCoreApplication::translate("CatalogWriter",
                                           "Categories can go at most four levels deep.");
    case Code::cycle:
        return QCoreApplication::translate("CatalogWriter",
                                           "A category can’t be moved inside itself.");
    case Code::invalid:
        return QCoreApplication::translate("CatalogWriter", "That change isn’t possible here.");
    case Code::currencyMismatch:
        return QCoreApplication::translate(
            "CatalogWriter", "Transactions can only move to an account in the same currency.");
    case Code::currencyLocked:
        return QCoreApplication::translate("CatalogWriter",
                                           "The currency can’t change once the account has "
                                           "transactions or a balance. Create a new "
                                           "account for another currency.");
    case Code::kindLocked:
        return QCoreApplication::translate(
            "CatalogWriter", "The type can’t change while the category has transactions.");
    }
    return {};
}

// ---- the writer --------------------------------------------------------------

CatalogWriter::CatalogWriter(StoreContext& context, QTimeZone zone,
                             NotificationCenter* notifications, std::function<QDateTime()> now)
    : m_context(context), m_calendar(std::move(zone)), m_now(std::move(now)),
      m_undo(context, notifications), m_frame(m_undo)
{
}

CatalogWriter::~CatalogWriter() = default;

QDateTime CatalogWriter::now() const
{
    return m_now ? m_now().toUTC() : m_context.clock().now();
}

// ---- categories --------------------------------------------------------------

CategoryId CatalogWriter::newCategory(const CategoryDraft& draft)
{
    assertMainThread();
    const QString name = trimmedName(draft.name);
    StoreObjects lookup(m_context);
    std::optional<CategoryModel> parent;
    if (draft.parentID) {
        parent = lookup.byID<CategoryModel>(*draft.parentID);
        if (!parent)
            throw WriteError(Code::notFound);
        if (CategoryTree(m_context).level(parent->objectID) + 1 > kMaxCategoryLevel)
            throw WriteError(Code::tooDeep);
    }
    return m_frame.run(
        QCoreApplication::translate("CatalogWriter", "New Category"),
        [&](WriteScope& scope) {
            const CategoryTree tree(m_context);
            CategoryModel category;
            category.id = scope.newID<CategoryId>();
            category.createdAt = now();
            category.name = name;
            category.kindRaw = rawValue(parent ? parent->kind() : draft.kind);
            category.parent = parent ? std::optional(parent->objectID) : std::nullopt;
            category.colorHex = draft.colorHex;
            category.setIcon(draft.icon);
            category.iconImage = draft.iconImage;
            category.order = tree.nextOrder(category.parent);
            m_context.insert(category);
            scope.records().created.categories.append(category.id);
            return category.id;
        },
        [this, draft] { (void)newCategory(draft); });
}

void CatalogWriter::editCategory(const CategoryId& id, const CategoryDraft& draft)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const CategoryModel found = existing<CategoryModel>(lookup, id);
    const QString name = trimmedName(draft.name);
    const CategoryTree tree(m_context);
    const QList<std::int64_t> subtree = tree.subtree(found.objectID);
    std::optional<std::int64_t> parent;
    CategoryKind kind = draft.kind;
    if (draft.parentID) {
        const std::optional<CategoryModel> newParent = lookup.byID<CategoryModel>(*draft.parentID);
        if (!newParent)
            throw WriteError(Code::notFound);
        if (subtree.contains(newParent->objectID))
            throw WriteError(Code::cycle);
        if (tree.level(newParent->objectID) + tree.height(found.objectID) > kMaxCategoryLevel)
            throw WriteError(Code::tooDeep);
        parent = newParent->objectID;
        kind = newParent->kind();
    }
    if (kind != found.kind() && hasTransactions(m_context, subtree))
        throw WriteError(Code::kindLocked);

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Edit Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            for (const std::int64_t member : subtree)
                recordCategoryValues(scope, objects, tree.at(member));
            CategoryModel category = tree.at(found.objectID);
            if (category.parent != parent)
                category.order = tree.nextOrder(parent, category.objectID);
            category.parent = parent;
            category.name = name;
            category.colorHex = draft.colorHex;
            category.setIcon(draft.icon);
            category.iconImage = draft.iconImage;
            category.kindRaw = rawValue(kind);
            m_context.change(category);
            for (const std::int64_t member : subtree.mid(1)) {
                CategoryModel descendant = tree.at(member);
                if (descendant.kindRaw == rawValue(kind))
                    continue;
                descendant.kindRaw = rawValue(kind);
                m_context.change(descendant);
            }
        },
        [this, id, draft] { editCategory(id, draft); });
}

void CatalogWriter::moveCategory(const CategoryId& id, const std::optional<CategoryId>& newParent,
                                 const std::optional<CategoryId>& before)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const CategoryModel found = existing<CategoryModel>(lookup, id);
    const CategoryTree tree(m_context);
    std::optional<std::int64_t> parent;
    if (newParent) {
        const std::optional<CategoryModel> target = lookup.byID<CategoryModel>(*newParent);
        if (!target)
            throw WriteError(Code::notFound);
        if (tree.subtree(found.objectID).contains(target->objectID))
            throw WriteError(Code::cycle);
        if (target->kind() != found.kind())
            throw WriteError(Code::invalid);
        if (tree.level(target->objectID) + tree.height(found.objectID) > kMaxCategoryLevel)
            throw WriteError(Code::tooDeep);
        parent = target->objectID;
    }
    QList<std::int64_t> siblings = tree.children(parent);
    siblings.removeAll(found.objectID);
    qsizetype position = siblings.size();
    if (before) {
        for (qsizetype i = 0; i < siblings.size(); ++i) {
            if (tree.at(siblings.at(i)).id == *before) {
                position = i;
                break;
            }
        }
    }
    siblings.insert(position, found.objectID);

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Move Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            for (const std::int64_t sibling : siblings)
                recordCategoryValues(scope, objects, tree.at(sibling));
            for (qsizetype i = 0; i < siblings.size(); ++i) {
                CategoryModel category = tree.at(siblings.at(i));
                if (category.objectID == found.objectID)
                    category.parent = parent;
                category.order = i;
                m_context.change(category);
            }
        },
        [this, id, newParent, before] { moveCategory(id, newParent, before); });
}

void CatalogWriter::deleteCategory(const CategoryId& id, const std::optional<CategoryId>& receiver)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const CategoryModel found = existing<CategoryModel>(lookup, id);
    const CategoryTree tree(m_context);
    const QList<std::int64_t> affected = tree.subtree(found.objectID);
    std::optional<std::int64_t> target;
    if (receiver) {
        const std::optional<CategoryModel> receiving = lookup.byID<CategoryModel>(*receiver);
        if (!receiving)
            throw WriteError(Code::notFound);
        if (affected.contains(receiving->objectID))
            throw WriteError(Code::cycle);
        // The ledger never files a transaction under a category of another
        // kind; moving them there would make expenses count as income.
        if (receiving->kind() != found.kind())
            throw WriteError(Code::invalid);
        target = receiving->objectID;
    }

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Delete Category"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            for (const std::int64_t member : affected) {
                const CategoryModel& category = tree.at(member);
                scope.records().categories.append(objects.categoryRecord(category));
                for (TransactionModel transaction : m_context.transactions(category)) {
                    scope.records().links.append(objects.transactionLinks(transaction));
                    transaction.category = target;
                    m_context.change(transaction);
                }
            }
            for (auto member = affected.crbegin(); member != affected.crend(); ++member)
                m_context.remove<CategoryModel>(*member);
        },
        [this, id, receiver] { deleteCategory(id, receiver); });
}

// ---- accounts ----------------------------------------------------------------

AccountId CatalogWriter::newAccount(const AccountDraft& draft)
{
    assertMainThread();
    const QString name = trimmedName(draft.name);
    requireNumbers(draft);
    return m_frame.run(
        QCoreApplication::translate("CatalogWriter", "New Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            std::optional<std::int64_t> greatest;
            for (const AccountModel& other : m_context.fetch<AccountModel>())
                greatest = std::max(greatest.value_or(std::numeric_limits<std::int64_t>::min()),
                                    other.order);
            AccountModel account;
            account.id = scope.newID<AccountId>();
            account.name = name;
            account.currency = draft.currency.isEmpty() ? Currency::main() : draft.currency;
            account.order = greatest ? *greatest + 1 : 0;
            account.createdAt = now();
            applyDetails(account, draft);
            m_context.insert(account);
            scope.records().created.accounts.append(account.id);
            if (!draft.balanceToday.isZero() || draft.balanceDate)
                setBalance(scope, objects, account, draft.balanceToday, draft.balanceDate);
            return account.id;
        },
        [this, draft] { (void)newAccount(draft); });
}

void CatalogWriter::editAccount(const AccountId& id, const AccountDraft& draft)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const AccountModel found = existing<AccountModel>(lookup, id);
    const QString name = trimmedName(draft.name);
    requireNumbers(draft);
    if (!draft.currency.isEmpty() && draft.currency != found.currency) {
        const bool hasHistory =
            found.openingBalanceMinor != 0 || !m_context.outgoing(found).isEmpty() ||
            !m_context.incoming(found).isEmpty() || !m_context.checkpoints(found).isEmpty();
        if (hasHistory)
            throw WriteError(Code::currencyLocked);
    }
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Edit Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            AccountModel account = found;
            recordAccountValues(scope, objects, account);
            account.name = name;
            applyDetails(account, draft);
            m_context.change(account);
        },
        [this, id, draft] { editAccount(id, draft); });
}

void CatalogWriter::setArchived(const AccountId& id, bool archived)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const AccountModel found = existing<AccountModel>(lookup, id);
    m_frame.run(
        archived ? QCoreApplication::translate("CatalogWriter", "Archive Account")
                 : QCoreApplication::translate("CatalogWriter", "Unarchive Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            AccountModel account = found;
            recordAccountValues(scope, objects, account);
            account.isArchived = archived;
            m_context.change(account);
        },
        [this, id, archived] { setArchived(id, archived); });
}

void CatalogWriter::reorderAccounts(const QList<std::pair<AccountId, std::int64_t>>& orders)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    QList<std::pair<AccountModel, std::int64_t>> accounts;
    for (const auto& [id, order] : orders) {
        std::optional<AccountModel> account = lookup.byID<AccountModel>(id);
        if (!account)
            throw WriteError(Code::notFound);
        accounts.append({std::move(*account), order});
    }
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Reorder Accounts"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            for (const auto& [found, order] : accounts) {
                // Fetched again: the same account may be listed twice.
                std::optional<AccountModel> account =
                    m_context.object<AccountModel>(found.objectID);
                if (!account)
                    throw WriteError(Code::notFound);
                recordAccountValues(scope, objects, *account);
                account->order = order;
                m_context.change(*account);
            }
        },
        [this, orders] { reorderAccounts(orders); });
}

void CatalogWriter::deleteAccount(const AccountId& id, const AccountTransactions& transactions)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const AccountModel found = existing<AccountModel>(lookup, id);
    std::optional<AccountModel> destination;
    if (transactions.destination()) {
        destination = lookup.byID<AccountModel>(*transactions.destination());
        if (!destination)
            throw WriteError(Code::notFound);
        if (destination->objectID == found.objectID || destination->currency != found.currency)
            throw WriteError(Code::currencyMismatch);
    }

    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Delete Account"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            WriteRecords& records = scope.records();
            records.accounts.append(objects.accountRecord(found));
            const QList<BalanceCheckpointModel> checkpoints = m_context.checkpoints(found);
            for (const BalanceCheckpointModel& checkpoint : checkpoints)
                records.checkpoints.append(objects.checkpointRecord(checkpoint));

            const auto deleteTransaction = [&](const TransactionModel& transaction) {
                records.transactions.append(objects.transactionRecord(transaction));
                m_context.remove(transaction);
            };
            if (!destination) {
                for (const TransactionModel& transaction : m_context.outgoing(found))
                    deleteTransaction(transaction);
                for (const TransactionModel& transaction : m_context.incoming(found))
                    deleteTransaction(transaction);
            } else {
                const std::int64_t to = destination->objectID;
                for (TransactionModel transaction : m_context.outgoing(found)) {
                    // A transfer between the two would become a transfer
                    // to itself.
                    if (transaction.toAccount == to) {
                        deleteTransaction(transaction);
                        continue;
                    }
                    records.links.append(objects.transactionLinks(transaction));
                    transaction.account = to;
                    m_context.change(transaction);
                }
                // Fetched after the outgoing ones moved, so a transaction
                // that was both is seen as it is now.
                for (TransactionModel transaction : m_context.incoming(found)) {
                    if (transaction.account == to) {
                        deleteTransaction(transaction);
                        continue;
                    }
                    records.links.append(objects.transactionLinks(transaction));
                    transaction.toAccount = to;
                    m_context.change(transaction);
                }
            }
            for (const BalanceCheckpointModel& checkpoint : checkpoints)
                m_context.remove(checkpoint);
            m_context.remove(found);
        },
        [this, id, transactions] { deleteAccount(id, transactions); });
}

// ---- balance changes ---------------------------------------------------------

QDateTime CatalogWriter::balanceDate(const AccountModel& account,
                                     const std::optional<QDate>& day) const
{
    const QDateTime current = now();
    const QDate today = m_calendar.dayOf(current);
    if (day && *day != today)
        return m_calendar.startOfNextDay(*day);
    if (current > m_calendar.noonOf(current))
        return current;
    // Before noon the balance is taken to hold at the end of the day, unless
    // something already happened today: then it pins the balance as of now,
    // just after those transactions.
    using P = Predicate<TransactionModel>;
    using F = TransactionModel::Field;
    const P onToday = P::greaterOrEqual(F::date, m_calendar.startOfDay(today)) &&
                      P::less(F::date, m_calendar.startOfNextDay(today));
    const P ofAccount =
        P::equals(F::account, account.objectID) || P::equals(F::toAccount, account.objectID);
    if (m_context.count(onToday && ofAccount) > 0)
        return current.addSecs(1);
    return m_calendar.startOfNextDay(today);
}

CheckpointId CatalogWriter::setBalance(WriteScope& scope, StoreObjects& objects,
                                       const AccountModel& account, const Decimal& balance,
                                       const std::optional<QDate>& day)
{
    const QDateTime date = balanceDate(account, day);
    for (const BalanceCheckpointModel& existing : m_context.checkpoints(account)) {
        if (!withinOneSecond(existing.date, date))
            continue;
        scope.records().checkpoints.append(objects.checkpointRecord(existing));
        m_context.remove(existing);
    }
    BalanceCheckpointModel checkpoint;
    checkpoint.id = scope.newID<CheckpointId>();
    checkpoint.date = date;
    checkpoint.balanceMinor = minorOf(balance, account.currency);
    checkpoint.createdAt = now();
    checkpoint.account = account.objectID;
    m_context.insert(checkpoint);
    scope.records().created.checkpoints.append(checkpoint.id);
    return checkpoint.id;
}

CheckpointId CatalogWriter::changeBalance(const AccountId& id, const Decimal& balance,
                                          const std::optional<QDate>& day)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const AccountModel found = existing<AccountModel>(lookup, id);
    requireNumber(balance);
    return m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Change Balance"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            return setBalance(scope, objects, found, balance, day);
        },
        [this, id, balance, day] { (void)changeBalance(id, balance, day); });
}

void CatalogWriter::setBalances(const QList<AccountBalance>& rows,
                                const QHash<AccountId, Decimal>& currentBalances)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    for (const AccountBalance& row : rows) {
        if (!lookup.byID<AccountModel>(row.id))
            throw WriteError(Code::notFound);
        requireNumber(row.balance);
        requireNumber(row.creditLimit);
    }
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Set Balances"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            for (const AccountBalance& row : rows) {
                std::optional<AccountModel> account = objects.byID<AccountModel>(row.id);
                if (!account)
                    throw WriteError(Code::notFound);
                recordAccountValues(scope, objects, *account);
                const AccountKind oldKind = account->kind();
                if (row.kind != oldKind) {
                    if (account->sfSymbol == symbol(oldKind))
                        account->sfSymbol = symbol(row.kind);
                    setKind(*account, row.kind);
                }
                const std::optional<std::int64_t> creditLimit =
                    row.creditLimit ? std::optional(minorOf(*row.creditLimit, account->currency))
                                    : std::nullopt;
                if (creditLimit != account->creditLimitMinor)
                    account->creditLimitMinor = creditLimit;
                m_context.change(*account);
                const auto current = currentBalances.constFind(row.id);
                const bool unchanged = current != currentBalances.constEnd() &&
                                       minorOf(current.value(), account->currency) ==
                                           minorOf(row.balance, account->currency);
                if (!unchanged)
                    setBalance(scope, objects, *account, row.balance, std::nullopt);
            }
        },
        [this, rows, currentBalances] { setBalances(rows, currentBalances); });
}

void CatalogWriter::changeOpeningBalance(const AccountId& id, const Decimal& amount)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const AccountModel found = existing<AccountModel>(lookup, id);
    requireNumber(amount);
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Change Opening Balance"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            AccountModel account = found;
            recordAccountValues(scope, objects, account);
            account.openingBalanceMinor = minorOf(amount, account.currency);
            m_context.change(account);
        },
        [this, id, amount] { changeOpeningBalance(id, amount); });
}

void CatalogWriter::editBalanceChange(const CheckpointId& id, const Decimal& balance,
                                      const QDate& day)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const std::optional<BalanceCheckpointModel> found = lookup.byID<BalanceCheckpointModel>(id);
    const std::optional<AccountModel> account =
        found && found->account ? m_context.object<AccountModel>(*found->account) : std::nullopt;
    if (!found || !account)
        throw WriteError(Code::notFound);
    requireNumber(balance);
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Edit Balance Change"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            BalanceCheckpointModel checkpoint = *found;
            scope.records().checkpointValues.append(objects.checkpointRecord(checkpoint));
            // A balance at midnight holds at the end of the day before.
            const QDate standsFor = m_calendar.isStartOfDay(checkpoint.date)
                                        ? m_calendar.dayOf(checkpoint.date).addDays(-1)
                                        : m_calendar.dayOf(checkpoint.date);
            if (day != standsFor)
                checkpoint.date = balanceDate(*account, day);
            checkpoint.balanceMinor = minorOf(balance, account->currency);
            m_context.change(checkpoint);
        },
        [this, id, balance, day] { editBalanceChange(id, balance, day); });
}

void CatalogWriter::deleteBalanceChange(const CheckpointId& id)
{
    assertMainThread();
    StoreObjects lookup(m_context);
    const BalanceCheckpointModel found = existing<BalanceCheckpointModel>(lookup, id);
    m_frame.run(
        QCoreApplication::translate("CatalogWriter", "Delete Balance Change"),
        [&](WriteScope& scope) {
            StoreObjects objects(m_context);
            scope.records().checkpoints.append(objects.checkpointRecord(found));
            m_context.remove(found);
        },
        [this, id] { deleteBalanceChange(id); });
}

// ---- plans -------------------------------------------------------------------

namespace {

void validate(const BudgetDraft& draft)
{
    if (draft.name.trimmed().isEmpty() || !(draft.limit > Decimal(0)) ||
        draft.categoryIDs.isEmpty())
        throw CatalogWriter::WriteError(Code::invalid);
}

void validate(const GoalDraft& draft)
{
    bool valid = !draft.name.trimmed().isEmpty() && !draft.target.isNaN() &&
                 !draft.assigned.isNaN() && !draft.monthly.isNaN();
    switch (draft.kind) {
    case GoalKind::saving:
        valid = valid && draft.target > Decimal(0) && !draft.accountIDs.isEmpty();
        break;
    case GoalKind::balance:
        valid = valid && draft.target > Decimal(0) &&
                (draft.allAccounts || !draft.accountIDs.isEmpty());
        break;
    case GoalKind::challenge:
        valid = valid && draft.categoryID && draft.startDate && draft.endDate &&
                !(*draft.endDate < *draft.startDate);
        break;
    }
    if (!valid)
        throw CatalogWriter::WriteError(Code::invalid);
}

template <StoredModel Model> std::int64_t nextPlanOrder(StoreContext& context)
{
    std::optional<std::int64_t> greatest;
    for (const Model& plan : context.fetch<Model>())
        greatest =
            std::max(greatest.value_or(std::numeric_limits<std::int64_t>::min()), plan.order);
    return greatest ? *greatest + 1 : 0;
}

} // namespace

template <class Body> auto CatalogWriter::savePlan(Body&& body)
{
    assertMainThread();
    try {
        auto result = body();
        m_context.save();
        return result;
    } catch (...) {
        m_context.rollback();
        throw;
    }
}

void CatalogWriter::apply(BudgetModel& budget, const BudgetDraft& draft)
{
    StoreObjects objects(m_context);
    budget.name = draft.name.trimmed();
    budget.emoji = draft.emoji && !draft.emoji->isEmpty() ? draft.emoji : std::nullopt;
    budget.limitMinor = minorOf(draft.limit, Currency::main());
    budget.categories.clear();
    for (const CategoryId& id : draft.categoryIDs)
        if (const auto category = objects.byID<CategoryModel>(id);
            category && !budget.categories.contains(category->objectID))
            budget.categories.append(category->objectID);
    if (budget.categories.isEmpty())
        throw WriteError(Code::notFound);
}

void CatalogWriter::apply(GoalModel& goal, const GoalDraft& draft)
{
    StoreObjects objects(m_context);
    const CurrencyCode main = Currency::main();
    goal.kindRaw = rawValue(draft.kind);
    goal.name = draft.name.trimmed();
    goal.emoji = draft.emoji && !draft.emoji->isEmpty() ? draft.emoji : std::nullopt;
    goal.targetMinor = minorOf(draft.target, main);
    goal.assignedMinor = minorOf(draft.assigned, main);
    goal.monthlyMinor = minorOf(draft.monthly, main);
    goal.deadline = draft.deadline ? std::optional(draft.deadline->toUTC()) : std::nullopt;
    goal.balanceModeRaw = rawValue(draft.balanceMode);
    goal.allAccounts = draft.allAccounts;
    goal.accounts.clear();
    for (const AccountId& id : draft.accountIDs)
        if (const auto account = objects.byID<AccountModel>(id);
            account && !goal.accounts.contains(account->objectID))
            goal.accounts.append(account->objectID);
    goal.category.reset();
    if (draft.categoryID)
        if (const auto category = objects.byID<CategoryModel>(*draft.categoryID))
            goal.category = category->objectID;
    goal.startDate = draft.startDate ? std::optional(draft.startDate->toUTC()) : std::nullopt;
    goal.endDate = draft.endDate ? std::optional(draft.endDate->toUTC()) : std::nullopt;
    // What made the draft valid must still exist.
    const bool linksLost =
        (draft.kind == GoalKind::saving && goal.accounts.isEmpty()) ||
        (draft.kind == GoalKind::balance && !draft.allAccounts && goal.accounts.isEmpty()) ||
        (draft.kind == GoalKind::challenge && !goal.category);
    if (linksLost)
        throw WriteError(Code::notFound);
}

template <class Model, class Draft> auto CatalogWriter::newPlan(const Draft& draft)
{
    validate(draft);
    return savePlan([&] {
        Model plan;
        plan.id = Model::Id::random();
        plan.order = nextPlanOrder<Model>(m_context);
        apply(plan, draft);
        m_context.insert(plan);
        return plan.id;
    });
}

template <class Model, class Draft>
void CatalogWriter::editPlan(const typename Model::Id& id, const Draft& draft)
{
    validate(draft);
    std::optional<Model> plan = StoreObjects(m_context).byID<Model>(id);
    if (!plan)
        throw WriteError(Code::notFound);
    savePlan([&] {
        apply(*plan, draft);
        m_context.change(*plan);
        return true;
    });
}

template <class Model> void CatalogWriter::deletePlan(const typename Model::Id& id)
{
    const std::optional<Model> plan = StoreObjects(m_context).byID<Model>(id);
    if (!plan)
        throw WriteError(Code::notFound);
    savePlan([&] {
        m_context.remove(*plan);
        return true;
    });
}

BudgetId CatalogWriter::newBudget(const BudgetDraft& draft)
{
    return newPlan<BudgetModel>(draft);
}

void CatalogWriter::editBudget(const BudgetId& id, const BudgetDraft& draft)
{
    editPlan<BudgetModel>(id, draft);
}

void CatalogWriter::deleteBudget(const BudgetId& id)
{
    deletePlan<BudgetModel>(id);
}

GoalId CatalogWriter::newGoal(const GoalDraft& draft)
{
    return newPlan<GoalModel>(draft);
}

void CatalogWriter::editGoal(const GoalId& id, const GoalDraft& draft)
{
    editPlan<GoalModel>(id, draft);
}

void CatalogWriter::deleteGoal(const GoalId& id)
{
    deletePlan<GoalModel>(id);
}

} // namespace tallyra
