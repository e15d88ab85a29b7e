#pragma once

// The value records made from stored objects, with every repair for old or
// damaged data: amounts clamped to ±kMoneyLimitMinor; unknown kinds,
// sources and modes read as their fixed defaults; an account's kind
// inferred when not stored; an empty category symbol read as
// "questionmark"; tags split at line breaks without empty ones.
//
// Currencies: an account's amounts are in its own currency; a
// transaction's amount in its account's currency, or in the main currency
// when it has none; its toAmount in the destination account's currency, or
// in the amount's currency when the destination is gone; a balance change
// in its account's currency; budgets and goals in the main currency.
// RecordLinks supplies the related objects' ids and currencies and the main
// currency, read once when it is made.
//
// The bulk ledger reader (ledger_reader.h) applies the same rules straight
// from the database; these builders are for objects already fetched.
//
// Thread safety: pure functions of their arguments; any thread.

#include <cstdint>
#include <optional>

#include <QHash>
#include <QList>

#include "model/account.h"
#include "model/balance_checkpoint.h"
#include "model/budget.h"
#include "model/category_item.h"
#include "model/entry.h"
#include "model/goal.h"
#include "store/account_model.h"
#include "store/balance_checkpoint_model.h"
#include "store/budget_model.h"
#include "store/category_model.h"
#include "store/goal_model.h"
#include "store/transaction_model.h"

namespace tallyra {

class RecordLinks
{
public:
    struct AccountLink
    {
        AccountId id;
        CurrencyCode currency;
    };

    // Links with no objects yet and the current main currency.
    RecordLinks();
    explicit RecordLinks(CurrencyCode mainCurrency);
    // Links to every account and category of the lists.
    RecordLinks(const QList<AccountModel>& accounts, const QList<CategoryModel>& categories);

    void addAccount(const AccountModel& account);
    void addCategory(const CategoryModel& category);

    // The account with that objectID, or null (none given, or not known).
    [[nodiscard]] const AccountLink* account(std::optional<std::int64_t> objectID) const;
    [[nodiscard]] std::optional<CategoryId> categoryID(std::optional<std::int64_t> objectID) const;
    [[nodiscard]] const CurrencyCode& mainCurrency() const noexcept { return m_mainCurrency; }

private:
    CurrencyCode m_mainCurrency;
    QHash<std::int64_t, AccountLink> m_accounts;
    QHash<std::int64_t, CategoryId> m_categories;
};

[[nodiscard]] Account makeAccount(const AccountModel& model);
[[nodiscard]] CategoryItem makeCategoryItem(const CategoryModel& model, const RecordLinks& links);
[[nodiscard]] Entry makeEntry(const TransactionModel& model, const RecordLinks& links);
[[nodiscard]] Budget makeBudget(const BudgetModel& model, const RecordLinks& links);
[[nodiscard]] Goal makeGoal(const GoalModel& model, const RecordLinks& links);
// None for a balance change without (a known) account.
[[nodiscard]] std::optional<BalanceCheckpoint>
makeBalanceCheckpoint(const BalanceCheckpointModel& model, const RecordLinks& links);

} // namespace tallyra
