#include "writing/store_objects.h"

namespace tallyra {

std::optional<AccountId> StoreObjects::accountID(std::optional<std::int64_t> objectID)
{
    if (!objectID)
        return std::nullopt;
    if (const auto known = m_accountIDs.constFind(*objectID); known != m_accountIDs.constEnd())
        return known.value();
    const std::optional<AccountModel> account = m_context.object<AccountModel>(*objectID);
    if (!account)
        return std::nullopt;
    m_accountIDs.insert(*objectID, account->id);
    return account->id;
}

std::optional<CategoryId> StoreObjects::categoryID(std::optional<std::int64_t> objectID)
{
    if (!objectID)
        return std::nullopt;
    if (const auto known = m_categoryIDs.constFind(*objectID); known != m_categoryIDs.constEnd())
        return known.value();
    const std::optional<CategoryModel> category = m_context.object<CategoryModel>(*objectID);
    if (!category)
        return std::nullopt;
    m_categoryIDs.insert(*objectID, category->id);
    return category->id;
}

TransactionRecord StoreObjects::transactionRecord(const TransactionModel& t)
{
    TransactionRecord r;
    r.id = t.id;
    r.date = t.date;
    r.hasTime = t.hasTime;
    r.cleared = t.cleared;
    r.kindRaw = t.kindRaw;
    r.payee = t.payee;
    r.note = t.note;
    r.tagsText = t.tagsText;
    r.amountMinor = t.amountMinor;
    r.toAmountMinor = t.toAmountMinor;
    if (!t.hasReceipt)
        r.receipt = ReceiptState::none();
    else if (t.receipt)
        r.receipt = ReceiptState::data(*t.receipt);
    else
        r.receipt = ReceiptState::unchanged();
    r.contactName = t.contactName;
    r.contactIdentifier = t.contactIdentifier;
    r.externalId = t.externalId;
    r.createdAt = t.createdAt;
    r.updatedAt = t.updatedAt;
    r.accountID = accountID(t.account);
    r.toAccountID = accountID(t.toAccount);
    r.categoryID = categoryID(t.category);
    return r;
}

TransactionLinks StoreObjects::transactionLinks(const TransactionModel& t)
{
    return TransactionLinks{t.id, accountID(t.account), accountID(t.toAccount),
                            categoryID(t.category)};
}

TransactionMeta StoreObjects::transactionMeta(const TransactionModel& t)
{
    return TransactionMeta{t.id, t.cleared, t.contactName, t.contactIdentifier, t.updatedAt};
}

CheckpointRecord StoreObjects::checkpointRecord(const BalanceCheckpointModel& c)
{
    return CheckpointRecord{c.id, c.date, c.balanceMinor, c.createdAt, accountID(c.account)};
}

AccountRecord StoreObjects::accountRecord(const AccountModel& a)
{
    AccountRecord r;
    r.id = a.id;
    r.name = a.name;
    r.groupRaw = a.groupRaw;
    r.detail = a.detail;
    r.colorHex = a.colorHex;
    r.sfSymbol = a.sfSymbol;
    r.currency = a.currency;
    r.sourceRaw = a.sourceRaw;
    r.kindRaw = a.kindRaw;
    r.openingBalanceMinor = a.openingBalanceMinor;
    r.externalId = a.externalId;
    r.order = a.order;
    r.isArchived = a.isArchived;
    r.createdAt = a.createdAt;
    r.creditLimitMinor = a.creditLimitMinor;
    r.statementDay = a.statementDay;
    r.paymentDueDay = a.paymentDueDay;
    r.interestRateBP = a.interestRateBP;
    r.iconImage = a.iconImage;
    r.iconEmoji = a.iconEmoji;
    for (const GoalModel& goal : m_context.goals(a)) {
        r.goalIDs.append(goal.id);
        r.goalPositions.append(goal.accounts.indexOf(a.objectID));
    }
    m_accountIDs.insert(a.objectID, a.id);
    return r;
}

CategoryRecord StoreObjects::categoryRecord(const CategoryModel& c)
{
    CategoryRecord r;
    r.id = c.id;
    r.name = c.name;
    r.kindRaw = c.kindRaw;
    r.colorHex = c.colorHex;
    r.iconKind = c.iconKind;
    r.iconValue = c.iconValue;
    r.iconImage = c.iconImage;
    r.order = c.order;
    r.createdAt = c.createdAt;
    r.parentID = categoryID(c.parent);
    for (const BudgetModel& budget : m_context.budgets(c)) {
        r.budgetIDs.append(budget.id);
        r.budgetPositions.append(budget.categories.indexOf(c.objectID));
    }
    for (const GoalModel& goal : m_context.challenges(c))
        r.challengeIDs.append(goal.id);
    m_categoryIDs.insert(c.objectID, c.id);
    return r;
}

} // namespace tallyra
