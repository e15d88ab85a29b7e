#include "store/record_builders.h"

#include "model/stored_values.h"
#include "money/currency.h"

namespace tallyra {

RecordLinks::RecordLinks() : m_mainCurrency(Currency::main()) {}

RecordLinks::RecordLinks(CurrencyCode mainCurrency) : m_mainCurrency(std::move(mainCurrency)) {}

RecordLinks::RecordLinks(const QList<AccountModel>& accounts,
                         const QList<CategoryModel>& categories)
    : RecordLinks()
{
    for (const AccountModel& account : accounts)
        addAccount(account);
    for (const CategoryModel& category : categories)
        addCategory(category);
}

void RecordLinks::addAccount(const AccountModel& account)
{
    m_accounts.insert(account.objectID, AccountLink{account.id, account.currency});
}

void RecordLinks::addCategory(const CategoryModel& category)
{
    m_categories.insert(category.objectID, category.id);
}

const RecordLinks::AccountLink* RecordLinks::account(std::optional<std::int64_t> objectID) const
{
    if (!objectID)
        return nullptr;
    const auto found = m_accounts.constFind(*objectID);
    return found == m_accounts.constEnd() ? nullptr : &found.value();
}

std::optional<CategoryId> RecordLinks::categoryID(std::optional<std::int64_t> objectID) const
{
    if (!objectID)
        return std::nullopt;
    const auto found = m_categories.constFind(*objectID);
    if (found == m_categories.constEnd())
        return std::nullopt;
    return found.value();
}

Account makeAccount(const AccountModel& m)
{
    Account a;
    a.id = m.id;
    a.name = m.name;
    a.detail = m.detail;
    a.colorHex = m.colorHex;
    a.sfSymbol = m.sfSymbol;
    a.currency = m.currency;
    a.openingBalance = storedMoney(m.openingBalanceMinor, m.currency);
    a.source = m.source();
    a.order = m.order;
    a.isArchived = m.isArchived;
    a.kind = m.kind();
    if (m.creditLimitMinor)
        a.creditLimit = storedMoney(*m.creditLimitMinor, m.currency);
    a.statementDay = m.statementDay;
    a.paymentDueDay = m.paymentDueDay;
    if (m.interestRateBP)
        a.interestRate = interestRateFromBP(*m.interestRateBP);
    a.iconEmoji = m.iconEmoji;
    a.iconImage = m.iconImage;
    return a;
}

CategoryItem makeCategoryItem(const CategoryModel& m, const RecordLinks& links)
{
    CategoryItem c;
    c.id = m.id;
    c.name = m.name;
    c.kind = m.kind();
    c.colorHex = m.colorHex;
    c.icon = m.icon();
    c.order = m.order;
    c.parentID = links.categoryID(m.parent);
    c.iconImage = m.iconImage;
    return c;
}

Entry makeEntry(const TransactionModel& m, const RecordLinks& links)
{
    Entry e;
    const RecordLinks::AccountLink* account = links.account(m.account);
    const RecordLinks::AccountLink* toAccount = links.account(m.toAccount);
    e.id = m.id;
    e.date = m.date;
    e.hasTime = m.hasTime;
    e.kind = m.kind();
    e.amount =
        storedMoney(m.amountMinor, account != nullptr ? account->currency : links.mainCurrency());
    if (m.toAmountMinor)
        e.toAmount = storedMoney(*m.toAmountMinor,
                                 toAccount != nullptr ? toAccount->currency : e.amount.currency);
    e.payee = m.payee;
    e.texts.setNote(m.note);
    e.texts.setTags(tagsFromText(m.tagsText));
    e.cleared = m.cleared;
    e.hasReceipt = m.hasReceipt;
    e.texts.setContactName(m.contactName);
    if (account != nullptr)
        e.accountID = account->id;
    if (toAccount != nullptr)
        e.toAccountID = toAccount->id;
    e.categoryID = links.categoryID(m.category);
    e.texts.setContactIdentifier(m.contactIdentifier);
    return e;
}

Budget makeBudget(const BudgetModel& m, const RecordLinks& links)
{
    Budget b;
    b.id = m.id;
    b.name = m.name;
    b.emoji = m.emoji;
    b.limit = storedMoney(m.limitMinor, links.mainCurrency());
    b.order = m.order;
    for (const std::int64_t category : m.categories)
        if (const auto id = links.categoryID(category))
            b.categoryIDs.append(*id);
    return b;
}

Goal makeGoal(const GoalModel& m, const RecordLinks& links)
{
    Goal g;
    g.id = m.id;
    g.kind = m.kind();
    g.name = m.name;
    g.emoji = m.emoji;
    g.order = m.order;
    g.target = storedMoney(m.targetMinor, links.mainCurrency());
    g.assigned = storedMoney(m.assignedMinor, links.mainCurrency());
    g.monthly = storedMoney(m.monthlyMinor, links.mainCurrency());
    g.deadline = m.deadline;
    g.balanceMode = m.balanceMode();
    g.allAccounts = m.allAccounts;
    for (const std::int64_t account : m.accounts)
        if (const RecordLinks::AccountLink* link = links.account(account))
            g.accountIDs.append(link->id);
    g.categoryID = links.categoryID(m.category);
    g.startDate = m.startDate;
    g.endDate = m.endDate;
    return g;
}

std::optional<BalanceCheckpoint> makeBalanceCheckpoint(const BalanceCheckpointModel& m,
                                                       const RecordLinks& links)
{
    const RecordLinks::AccountLink* account = links.account(m.account);
    if (account == nullptr)
        return std::nullopt;
    return BalanceCheckpoint{m.id, account->id, m.date,
                             storedMoney(m.balanceMinor, account->currency), m.createdAt};
}

} // namespace tallyra
