#include "reports/ledger_index.h"

#include <algorithm>
#include <limits>
#include <set>
#include <unordered_set>

#include "money/currency.h"

namespace tallyra {

namespace {

constexpr size_t kMaxAncestorChain = 8;

int groupRank(AccountGroup group)
{
    return static_cast<int>(group);
}

// The entries in date order, stable, with their dates. The store hands them
// over sorted already, which one pass confirms; otherwise only a list of
// positions is sorted and every entry is moved once, instead of the many
// moves of sorting the large records themselves.
void sortEntries(std::vector<Entry>& entries, std::vector<qint64>& dates)
{
    dates.clear();
    dates.reserve(entries.size());
    for (const Entry& entry : entries)
        dates.push_back(entry.date.toMSecsSinceEpoch());
    if (std::is_sorted(dates.begin(), dates.end()))
        return;
    std::vector<size_t> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return dates[a] < dates[b]; });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    std::vector<qint64> sortedDates;
    sortedDates.reserve(dates.size());
    for (const size_t i : order) {
        sorted.push_back(std::move(entries[i]));
        sortedDates.push_back(dates[i]);
    }
    entries = std::move(sorted);
    dates = std::move(sortedDates);
}

// Walks the transactions and appends a point to each account they move.
// A first walk counts the points, so each timeline is allocated once at its
// final size.
std::unordered_map<AccountId, BalanceTimeline> entryPoints(const std::vector<Account>& accounts,
                                                           const std::vector<Entry>& entries,
                                                           const std::vector<qint64>& dates)
{
    std::unordered_map<AccountId, BalanceTimeline> timelines;
    timelines.reserve(accounts.size());
    for (const Account& account : accounts)
        timelines.try_emplace(account.id);
    auto forEachAccount = [&](const Entry& entry, auto&& visit) {
        if (entry.accountID)
            if (const auto found = timelines.find(*entry.accountID); found != timelines.end())
                visit(found->first, found->second);
        if (entry.toAccountID && (!entry.accountID || *entry.toAccountID != *entry.accountID))
            if (const auto found = timelines.find(*entry.toAccountID); found != timelines.end())
                visit(found->first, found->second);
    };
    std::unordered_map<BalanceTimeline*, size_t> counts;
    for (const Entry& entry : entries)
        forEachAccount(entry, [&](const AccountId&, BalanceTimeline& t) { ++counts[&t]; });
    for (const auto& [timeline, count] : counts) {
        timeline->dates.reserve(count);
        timeline->sums.reserve(count);
        timeline->isEntry.reserve(count);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        forEachAccount(entry, [&](const AccountId& id, BalanceTimeline& t) {
            const std::int64_t moved = effect(entry, id);
            t.dates.push_back(dates[i]);
            t.sums.push_back(t.sums.empty() ? moved : saturatingAdd(t.sums.back(), moved));
            t.isEntry.push_back(true);
        });
    }
    return timelines;
}

// Re-expresses an account's transaction points around its balance changes:
// the first change fixes the opening, each later one adds an adjustment.
void applyCheckpoints(BalanceTimeline& timeline, const std::vector<BalanceCheckpoint>& changes)
{
    if (changes.empty())
        return;
    const BalanceTimeline points = std::move(timeline);
    const qint64 firstDate = changes.front().date.toMSecsSinceEpoch();
    const std::int64_t opening =
        saturatingSub(changes.front().balance.minor, points.sumBefore(firstDate));

    BalanceTimeline rebuilt;
    rebuilt.opening = opening;
    rebuilt.dates.reserve(points.dates.size() + changes.size() - 1);
    rebuilt.sums.reserve(points.sums.size() + changes.size() - 1);
    rebuilt.isEntry.reserve(points.isEntry.size() + changes.size() - 1);
    rebuilt.adjustments.reserve(changes.size() - 1);
    std::int64_t running = 0;
    std::int64_t previousPointSum = 0;
    size_t next = 0;
    auto copyPointsBefore = [&](qint64 limit, bool all) {
        for (; next < points.dates.size() && (all || points.dates[next] < limit); ++next) {
            running = saturatingAdd(running, saturatingSub(points.sums[next], previousPointSum));
            previousPointSum = points.sums[next];
            rebuilt.dates.push_back(points.dates[next]);
            rebuilt.sums.push_back(running);
            rebuilt.isEntry.push_back(true);
        }
    };
    for (size_t i = 1; i < changes.size(); ++i) {
        const qint64 date = changes[i].date.toMSecsSinceEpoch();
        copyPointsBefore(date, false);
        const std::int64_t before = saturatingAdd(opening, running);
        const std::int64_t adjustment = saturatingSub(changes[i].balance.minor, before);
        running = saturatingAdd(running, adjustment);
        rebuilt.adjustments.push_back(adjustment);
        rebuilt.dates.push_back(date - 1);
        rebuilt.sums.push_back(running);
        rebuilt.isEntry.push_back(false);
    }
    copyPointsBefore(0, true);
    timeline = std::move(rebuilt);
}

// The source account with the most transfers; on a tie the one whose id,
// as upper-case text, sorts last.
std::optional<AccountId> findHomeAccount(const std::vector<Entry>& entries)
{
    std::unordered_map<AccountId, std::int64_t> counts;
    for (const Entry& entry : entries)
        if (entry.kind == EntryKind::transfer && entry.accountID)
            ++counts[*entry.accountID];
    std::optional<AccountId> home;
    std::int64_t best = 0;
    QString bestText;
    for (const auto& [account, count] : counts) {
        if (count < best)
            continue;
        QString text = account.uuid().toString(QUuid::WithoutBraces).toUpper();
        if (count > best || text > bestText) {
            home = account;
            best = count;
            bestText = std::move(text);
        }
    }
    return home;
}

} // namespace

AccountGroup listGroup(const Account& account)
{
    if (account.source == AccountSource::monobank)
        return AccountGroup::bank;
    return group(account.kind);
}

LedgerIndex::LedgerIndex(FXRates rates) : m_rates(std::move(rates)) {}

LedgerIndex LedgerIndex::build(LedgerRecords records, FXRates rates)
{
    LedgerIndex index(std::move(rates));

    index.m_accounts = std::move(records.accounts);
    std::stable_sort(index.m_accounts.begin(), index.m_accounts.end(),
                     [](const Account& a, const Account& b) {
                         const int ga = groupRank(listGroup(a));
                         const int gb = groupRank(listGroup(b));
                         if (ga != gb)
                             return ga < gb;
                         if (a.order != b.order)
                             return a.order < b.order;
                         return a.name < b.name;
                     });
    index.m_categories = std::move(records.categories);
    std::stable_sort(index.m_categories.begin(), index.m_categories.end(),
                     [](const CategoryItem& a, const CategoryItem& b) {
                         return a.order != b.order ? a.order < b.order : a.name < b.name;
                     });
    index.m_entries = std::move(records.entries);
    sortEntries(index.m_entries, index.m_entryDates);
    index.m_budgets = std::move(records.budgets);
    std::stable_sort(index.m_budgets.begin(), index.m_budgets.end(),
                     [](const Budget& a, const Budget& b) { return a.order < b.order; });
    index.m_goals = std::move(records.goals);
    std::stable_sort(index.m_goals.begin(), index.m_goals.end(),
                     [](const Goal& a, const Goal& b) { return a.order < b.order; });

    index.m_accountsByID.reserve(index.m_accounts.size());
    for (size_t i = 0; i < index.m_accounts.size(); ++i)
        index.m_accountsByID.emplace(index.m_accounts[i].id, i);
    index.m_categoriesByID.reserve(index.m_categories.size());
    for (size_t i = 0; i < index.m_categories.size(); ++i)
        index.m_categoriesByID.emplace(index.m_categories[i].id, i);

    index.m_childrenByID[std::nullopt];
    for (const CategoryItem& category : index.m_categories)
        index.m_childrenByID[category.parentID].push_back(category.id);

    for (const CategoryItem& category : index.m_categories) {
        std::vector<CategoryId> chain{category.id};
        const CategoryItem* current = &category;
        while (current->parentID && chain.size() < kMaxAncestorChain) {
            const CategoryItem* parent = index.category(*current->parentID);
            if (!parent || parent->id == category.id)
                break;
            chain.push_back(parent->id);
            current = parent;
        }
        const CategoryItem* top = index.category(chain.back());
        if (top && !top->parentID)
            index.m_treeKindByID.emplace(category.id, top->kind);
        index.m_ancestorsByID.emplace(category.id, std::move(chain));
    }

    {
        std::unordered_set<CategoryId> filed;
        const CategoryId* previous = nullptr;
        for (const Entry& entry : index.m_entries) {
            // Runs of one category are common (imports, recurring bills), and
            // skipping them saves most of the hashing.
            if (!entry.categoryID || (previous && *previous == *entry.categoryID))
                continue;
            previous = &*entry.categoryID;
            filed.insert(*entry.categoryID);
        }
        for (const CategoryId& id : filed)
            for (const CategoryId& ancestor : index.ancestors(id))
                index.m_categoriesInUse.insert(ancestor);
    }
    index.m_homeAccount = findHomeAccount(index.m_entries);

    std::stable_sort(
        records.checkpoints.begin(), records.checkpoints.end(),
        [](const BalanceCheckpoint& a, const BalanceCheckpoint& b) { return a.date < b.date; });
    for (BalanceCheckpoint& checkpoint : records.checkpoints)
        index.m_checkpointsByAccount[checkpoint.accountID].push_back(std::move(checkpoint));

    index.m_balanceTimeline = entryPoints(index.m_accounts, index.m_entries, index.m_entryDates);
    for (auto& [account, timeline] : index.m_balanceTimeline) {
        const auto changes = index.m_checkpointsByAccount.find(account);
        if (changes != index.m_checkpointsByAccount.end())
            applyCheckpoints(timeline, changes->second);
    }

    std::set<CurrencyCode> missing;
    for (const Account& account : index.m_accounts) {
        if (account.isArchived || account.currency == index.m_rates.base ||
            index.m_rates.perUnit.contains(account.currency))
            continue;
        index.m_accountsWithoutRate.push_back(account);
        missing.insert(account.currency);
    }
    for (const CurrencyCode& code : missing)
        if (!index.m_rates.hasRate(code))
            index.m_currenciesWithoutRate.push_back(code);
    return index;
}

const Account* LedgerIndex::account(const AccountId& id) const
{
    const auto found = m_accountsByID.find(id);
    return found == m_accountsByID.end() ? nullptr : &m_accounts[found->second];
}

const CategoryItem* LedgerIndex::category(const CategoryId& id) const
{
    const auto found = m_categoriesByID.find(id);
    return found == m_categoriesByID.end() ? nullptr : &m_categories[found->second];
}

const std::vector<CategoryId>& LedgerIndex::children(const std::optional<CategoryId>& parent) const
{
    static const std::vector<CategoryId> none;
    const auto found = m_childrenByID.find(parent);
    return found == m_childrenByID.end() ? none : found->second;
}

const std::vector<CategoryId>& LedgerIndex::ancestors(const CategoryId& id) const
{
    static const std::vector<CategoryId> none;
    const auto found = m_ancestorsByID.find(id);
    return found == m_ancestorsByID.end() ? none : found->second;
}

bool LedgerIndex::isWithin(const CategoryId& category, const CategoryId& ancestor) const
{
    const auto& chain = ancestors(category);
    return std::find(chain.begin(), chain.end(), ancestor) != chain.end();
}

std::vector<CategoryId> LedgerIndex::path(const CategoryId& id) const
{
    const auto& chain = ancestors(id);
    return std::vector<CategoryId>(chain.rbegin(), chain.rend());
}

int LedgerIndex::levels(const CategoryId& id) const
{
    // Depth-limited, so that a cycle in damaged data ends.
    auto below = [this](const auto& self, const CategoryId& category, size_t depth) -> int {
        int most = 0;
        if (depth < kMaxAncestorChain)
            for (const CategoryId& child : children(category))
                most = std::max(most, self(self, child, depth + 1));
        return 1 + most;
    };
    return category(id) ? below(below, id, 1) : 0;
}

bool LedgerIndex::isInUse(const CategoryId& id) const
{
    return m_categoriesInUse.contains(id);
}

bool LedgerIndex::isUncategorized(const Entry& entry) const
{
    if (!entry.categoryID)
        return true;
    const auto found = m_treeKindByID.find(*entry.categoryID);
    return found == m_treeKindByID.end() || found->second != toCategoryKind(entry.kind);
}

const BalanceTimeline* LedgerIndex::timeline(const AccountId& account) const
{
    const auto found = m_balanceTimeline.find(account);
    return found == m_balanceTimeline.end() ? nullptr : &found->second;
}

const std::vector<BalanceCheckpoint>& LedgerIndex::checkpoints(const AccountId& account) const
{
    static const std::vector<BalanceCheckpoint> none;
    const auto found = m_checkpointsByAccount.find(account);
    return found == m_checkpointsByAccount.end() ? none : found->second;
}

LedgerStage LedgerIndex::stage() const
{
    if (!m_entries.empty())
        return LedgerStage::active;
    const bool anyOpen = std::any_of(m_accounts.begin(), m_accounts.end(),
                                     [](const Account& a) { return !a.isArchived; });
    return anyOpen ? LedgerStage::noTransactions : LedgerStage::noAccounts;
}

std::vector<Account> LedgerIndex::activeAccounts() const
{
    std::vector<Account> active;
    std::copy_if(m_accounts.begin(), m_accounts.end(), std::back_inserter(active),
                 [](const Account& a) { return !a.isArchived; });
    return active;
}

Money LedgerIndex::balanceBefore(const AccountId& accountId, qint64 beforeMSecs) const
{
    const Account* found = account(accountId);
    if (!found)
        return Money{0, Currency::main()};
    const BalanceTimeline* line = timeline(accountId);
    if (!line)
        return found->openingBalance;
    const std::int64_t opening = line->opening.value_or(found->openingBalance.minor);
    return Money{saturatingAdd(opening, line->sumBefore(beforeMSecs)), found->currency};
}

Money LedgerIndex::balance(const AccountId& accountId, const QDateTime& before) const
{
    return balanceBefore(accountId, before.toMSecsSinceEpoch());
}

Money LedgerIndex::currentBalance(const AccountId& accountId) const
{
    return balanceBefore(accountId, std::numeric_limits<qint64>::max());
}

std::vector<BalanceChange> LedgerIndex::balanceChanges(const AccountId& accountId) const
{
    std::vector<BalanceChange> changes;
    const Account* found = account(accountId);
    const BalanceTimeline* line = timeline(accountId);
    const auto& points = checkpoints(accountId);
    if (!found || !line || points.empty())
        return changes;
    changes.reserve(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        std::int64_t moved = 0;
        if (i == 0)
            moved = line->opening ? saturatingSub(*line->opening, found->openingBalance.minor) : 0;
        else if (i - 1 < line->adjustments.size())
            moved = line->adjustments[i - 1];
        changes.push_back(BalanceChange{points[i], Money{moved, found->currency}});
    }
    return changes;
}

bool LedgerIndex::hasActivity(const AccountId& accountId) const
{
    const Account* found = account(accountId);
    if (!found)
        return false;
    if (!found->openingBalance.isZero() || !checkpoints(accountId).empty())
        return true;
    const BalanceTimeline* line = timeline(accountId);
    return line &&
           std::find(line->isEntry.begin(), line->isEntry.end(), true) != line->isEntry.end();
}

LedgerIndex::EntryRange LedgerIndex::entries(const DateInterval& interval) const
{
    const qint64 start = interval.start.toMSecsSinceEpoch();
    const qint64 end = interval.end.toMSecsSinceEpoch();
    if (!(start < end))
        return {};
    const auto first = std::lower_bound(m_entryDates.begin(), m_entryDates.end(), start);
    const auto last = std::lower_bound(first, m_entryDates.end(), end);
    const Entry* base = m_entries.data();
    return EntryRange{base + (first - m_entryDates.begin()), base + (last - m_entryDates.begin())};
}

} // namespace tallyra
