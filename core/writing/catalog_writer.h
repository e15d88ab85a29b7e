#pragma once

// CatalogWriter: changes everything that is not a transaction — the
// category tree, accounts, balance changes, budgets and goals.
//
// Category, account and balance-change operations run in the write frame
// (write_frame.h) like the ledger writer's: every check first, then one
// save and one undo step with its action name ("New Category", "Edit
// Category", "Move Category", "Delete Category", "New Account", "Edit
// Account", "Archive Account"/"Unarchive Account", "Reorder Accounts",
// "Delete Account", "Change Balance", "Set Balances", "Change Opening
// Balance", "Edit Balance Change", "Delete Balance Change"). Plan
// operations (budgets, goals) save at once and register no undo step.
//
// Categories form a tree at most four levels deep (a top-level category is
// level 1). A subcategory has its parent's kind; the kind of a subtree can
// only change while none of its categories has transactions. Siblings are
// ordered by order, then name; top-level categories of every kind are
// siblings of each other.
//
// The balance-date rule (the instant a balance entered for a day applies
// to), with "now" from the writer's clock and days in its time zone:
//   - today (or no day): after 12:00 the current time; before, the current
//     time plus one second when the account has a transaction today, else
//     the start of tomorrow;
//   - any other day: the start of the following day.
// Entering a balance replaces the account's balance changes less than one
// second from that instant.
//
// Choices: a category's transactions may only go to a category of the same
// kind when it is deleted (else invalid); a plan whose named accounts or
// categories are all gone fails with notFound; an account draft without a
// symbol gets its kind's symbol; new ids are kept on redo.
//
// Errors: WriteError with its user-facing message; StoreError from the
// store, after which the context is rolled back and nothing changed.
// Threading: main thread only; not re-entrant.

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimeZone>

#include "base/error.h"
#include "base/typed_id.h"
#include "money/decimal.h"
#include "writing/catalog_drafts.h"
#include "writing/write_calendar.h"
#include "writing/write_frame.h"
#include "writing/write_undo.h"

namespace tallyra {

class NotificationCenter;
class StoreContext;
class StoreObjects;
struct AccountModel;
struct BudgetModel;
struct GoalModel;

class CatalogWriter final
{
public:
    class WriteError final : public Error
    {
    public:
        enum class Code : std::uint8_t
        {
            emptyName,
            notFound,
            tooDeep,
            cycle,
            invalid,
            currencyMismatch,
            currencyLocked,
            kindLocked,
        };

        explicit WriteError(Code code);

        [[nodiscard]] Code code() const noexcept { return m_code; }
        // The user-facing text, translated.
        [[nodiscard]] static QString message(Code code);

    private:
        Code m_code;
    };

    // What happens to an account's transactions when it is deleted.
    class AccountTransactions
    {
    public:
        // Moved to another account in the same currency.
        [[nodiscard]] static AccountTransactions move(const AccountId& to)
        {
            return AccountTransactions(to);
        }
        // Deleted with the account.
        [[nodiscard]] static AccountTransactions deleteAll()
        {
            return AccountTransactions(std::nullopt);
        }

        [[nodiscard]] const std::optional<AccountId>& destination() const noexcept
        {
            return m_destination;
        }

        friend bool operator==(const AccountTransactions& a,
                               const AccountTransactions& b) = default;

    private:
        explicit AccountTransactions(std::optional<AccountId> destination)
            : m_destination(std::move(destination))
        {
        }

        std::optional<AccountId> m_destination;
    };

    static constexpr int kMaxCategoryLevel = 4;

    // zone: the calendar of every "today" decision. now: the current time
    // (the context's clock when empty). notifications may be null.
    explicit CatalogWriter(StoreContext& context, QTimeZone zone = QTimeZone::systemTimeZone(),
                           NotificationCenter* notifications = nullptr,
                           std::function<QDateTime()> now = {});
    ~CatalogWriter();
    CatalogWriter(const CatalogWriter&) = delete;
    CatalogWriter& operator=(const CatalogWriter&) = delete;

    [[nodiscard]] StoreContext& context() const noexcept { return m_context; }
    [[nodiscard]] WriteUndo& undo() noexcept { return m_undo; }
    [[nodiscard]] const WriteCalendar& calendar() const noexcept { return m_calendar; }

    // ---- categories
    CategoryId newCategory(const CategoryDraft& draft);
    void editCategory(const CategoryId& id, const CategoryDraft& draft);
    // Puts the category under newParent (top level when none), before the
    // sibling `before` (at the end when none or not a sibling), and
    // renumbers the new siblings 0, 1, 2, …
    void moveCategory(const CategoryId& id, const std::optional<CategoryId>& newParent,
                      const std::optional<CategoryId>& before);
    // Deletes the category and its subcategories; their transactions go to
    // receiver, or lose their category.
    void deleteCategory(const CategoryId& id, const std::optional<CategoryId>& receiver);

    // ---- accounts
    AccountId newAccount(const AccountDraft& draft);
    // The balance is not changed here.
    void editAccount(const AccountId& id, const AccountDraft& draft);
    void setArchived(const AccountId& id, bool archived);
    void reorderAccounts(const QList<std::pair<AccountId, std::int64_t>>& orders);
    void deleteAccount(const AccountId& id, const AccountTransactions& transactions);

    // ---- balance changes
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

    // ---- plans (saved at once, no undo step)
    BudgetId newBudget(const BudgetDraft& draft);
    void editBudget(const BudgetId& id, const BudgetDraft& draft);
    void deleteBudget(const BudgetId& id);
    GoalId newGoal(const GoalDraft& draft);
    void editGoal(const GoalId& id, const GoalDraft& draft);
    void deleteGoal(const GoalId& id);

    // The instant a balance entered for the day (today when none) applies
    // to for the account (see above). Reads the store.
    [[nodiscard]] QDateTime balanceDate(const AccountModel& account,
                                        const std::optional<QDate>& day) const;

private:
    [[nodiscard]] QDateTime now() const;
    CheckpointId setBalance(WriteScope& scope, StoreObjects& objects, const AccountModel& account,
                            const Decimal& balance, const std::optional<QDate>& day);
    // Budgets and goals share one shape of writing: without an undo step,
    // one save, the draft applied by apply().
    void apply(BudgetModel& budget, const BudgetDraft& draft);
    void apply(GoalModel& goal, const GoalDraft& draft);
    template <class Body> auto savePlan(Body&& body);
    template <class Model, class Draft> auto newPlan(const Draft& draft);
    template <class Model, class Draft>
    void editPlan(const typename Model::Id& id, const Draft& draft);
    template <class Model> void deletePlan(const typename Model::Id& id);

    StoreContext& m_context;
    WriteCalendar m_calendar;
    std::function<QDateTime()> m_now;
    WriteUndo m_undo;
    WriteFrame m_frame;
};

} // namespace tallyra
