#pragma once

// LedgerIndex: the immutable snapshot of the whole ledger that every report
// reads. Built off the main thread by the loader from the store's records
// and handed to the main thread whole; a published index never changes.
//
// Lists are sorted with stable sorts, so transactions at the same instant
// keep the order the store returned them in (creation order). Lookups are
// hash maps; date queries are binary searches over entryDates.
//
// Thread safety: immutable after build(); read from any thread.

#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <QDateTime>

#include "base/typed_id.h"
#include "model/account.h"
#include "model/account_group.h"
#include "model/balance_checkpoint.h"
#include "model/budget.h"
#include "model/category_item.h"
#include "model/entry.h"
#include "model/goal.h"
#include "model/ledger_records.h"
#include "periods/date_interval.h"
#include "reports/balance_timeline.h"
#include "reports/fx_rates.h"

namespace tallyra {

enum class LedgerStage
{
    noAccounts,
    noTransactions,
    active
};

// The section an account is listed under: a bank-synchronised account is
// always "bank"; any other follows its kind.
[[nodiscard]] AccountGroup listGroup(const Account& account);

class LedgerIndex
{
public:
    // An empty ledger with the given rates.
    explicit LedgerIndex(FXRates rates = FXRates::empty(QString()));

    [[nodiscard]] static LedgerIndex build(LedgerRecords records, FXRates rates);

    [[nodiscard]] const std::vector<Account>& accounts() const noexcept { return m_accounts; }
    [[nodiscard]] const std::vector<CategoryItem>& categories() const noexcept
    {
        return m_categories;
    }
    [[nodiscard]] const std::vector<Entry>& entries() const noexcept { return m_entries; }
    [[nodiscard]] const std::vector<Budget>& budgets() const noexcept { return m_budgets; }
    [[nodiscard]] const std::vector<Goal>& goals() const noexcept { return m_goals; }
    [[nodiscard]] const FXRates& rates() const noexcept { return m_rates; }
    // Milliseconds since the Unix epoch of entries(), in the same order.
    [[nodiscard]] const std::vector<qint64>& entryDates() const noexcept { return m_entryDates; }
    [[nodiscard]] const std::vector<Account>& accountsWithoutRate() const noexcept
    {
        return m_accountsWithoutRate;
    }
    [[nodiscard]] const std::vector<CurrencyCode>& currenciesWithoutRate() const noexcept
    {
        return m_currenciesWithoutRate;
    }

    [[nodiscard]] const Account* account(const AccountId& id) const;
    [[nodiscard]] const CategoryItem* category(const CategoryId& id) const;
    // The children of a category in category order; of the top level for nothing.
    [[nodiscard]] const std::vector<CategoryId>&
    children(const std::optional<CategoryId>& parent) const;
    // [the category, its parent, …]: at most eight ids, cut at a missing
    // parent or a cycle. Empty for an unknown category.
    [[nodiscard]] const std::vector<CategoryId>& ancestors(const CategoryId& id) const;
    [[nodiscard]] bool isWithin(const CategoryId& category, const CategoryId& ancestor) const;
    // The category's ids from the top level down to it; empty for an
    // unknown category. A chain cut at a missing parent or a cycle starts
    // where the cut is.
    [[nodiscard]] std::vector<CategoryId> path(const CategoryId& id) const;
    // 1 for a leaf, else 1 + the most levels among its children (at most
    // eight, whatever the data).
    [[nodiscard]] int levels(const CategoryId& id) const;
    // Whether any transaction is filed under the category or below it.
    [[nodiscard]] bool isInUse(const CategoryId& id) const;
    // Whether the transaction counts as uncategorized: it has no category,
    // its category is not in the ledger, its chain does not reach a
    // top-level category (a missing parent, a cycle, a chain cut at eight
    // levels), or that top-level category is of another kind than the
    // transaction (an expense filed under an income tree).
    [[nodiscard]] bool isUncategorized(const Entry& entry) const;
    // The account most transfers leave from (ties: the larger id as upper-case
    // text); none without transfers. Transfers are grouped around it.
    [[nodiscard]] const std::optional<AccountId>& homeAccount() const noexcept
    {
        return m_homeAccount;
    }
    [[nodiscard]] const BalanceTimeline* timeline(const AccountId& account) const;
    [[nodiscard]] const std::vector<BalanceCheckpoint>& checkpoints(const AccountId& account) const;

    [[nodiscard]] LedgerStage stage() const;
    [[nodiscard]] std::vector<Account> activeAccounts() const;

    // The account's balance strictly before the instant, in its currency;
    // zero in the main currency for an unknown account.
    [[nodiscard]] Money balance(const AccountId& account, const QDateTime& before) const;
    [[nodiscard]] Money currentBalance(const AccountId& account) const;
    [[nodiscard]] std::vector<BalanceChange> balanceChanges(const AccountId& account) const;
    [[nodiscard]] bool hasActivity(const AccountId& account) const;

    // The transactions dated in [start, end): a contiguous run of entries().
    struct EntryRange
    {
        const Entry* first = nullptr;
        const Entry* last = nullptr;
        [[nodiscard]] const Entry* begin() const { return first; }
        [[nodiscard]] const Entry* end() const { return last; }
        [[nodiscard]] size_t size() const { return static_cast<size_t>(last - first); }
        [[nodiscard]] bool empty() const { return first == last; }
    };
    [[nodiscard]] EntryRange entries(const DateInterval& interval) const;

private:
    [[nodiscard]] Money balanceBefore(const AccountId& account, qint64 beforeMSecs) const;

    std::vector<Account> m_accounts;
    std::vector<CategoryItem> m_categories;
    std::vector<Entry> m_entries;
    std::vector<Budget> m_budgets;
    std::vector<Goal> m_goals;
    FXRates m_rates;
    std::unordered_map<AccountId, size_t> m_accountsByID;    // position in m_accounts
    std::unordered_map<CategoryId, size_t> m_categoriesByID; // position in m_categories
    std::map<std::optional<CategoryId>, std::vector<CategoryId>> m_childrenByID;
    std::unordered_map<CategoryId, std::vector<CategoryId>> m_ancestorsByID;
    // The kind of the top-level category each chain reaches; categories
    // whose chain is cut are not in it.
    std::unordered_map<CategoryId, CategoryKind> m_treeKindByID;
    // Categories with a transaction filed in them or below them.
    std::unordered_set<CategoryId> m_categoriesInUse;
    std::optional<AccountId> m_homeAccount;
    std::vector<qint64> m_entryDates;
    std::unordered_map<AccountId, BalanceTimeline> m_balanceTimeline;
    std::unordered_map<AccountId, std::vector<BalanceCheckpoint>> m_checkpointsByAccount;
    std::vector<Account> m_accountsWithoutRate;
    std::vector<CurrencyCode> m_currenciesWithoutRate;
};

} // namespace tallyra
