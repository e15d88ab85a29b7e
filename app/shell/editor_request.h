#pragma once

// EditorRequest: the sheet the window shows over its screens, one at a
// time. Each request carries a new id, so a new request replaces an open
// sheet even when it asks for the same thing (the window rebuilds the
// sheet when the id changes).
//
// Thread safety: plain values; any thread.

#include <optional>
#include <variant>

#include <QUuid>

#include "base/typed_id.h"
#include "model/category_kind.h"
#include "plan_id.h"

namespace tallyra::app {

// New category (no id; under `parent` when given, of `kind`) or an existing one.
struct CategoryEditing
{
    std::optional<CategoryId> id;
    std::optional<CategoryId> parent;
    CategoryKind kind = CategoryKind::expense;
    friend bool operator==(const CategoryEditing&, const CategoryEditing&) = default;
};

// The kinds of plan the plans screen's "new" menu offers.
enum class PlanKind
{
    budget,
    savingGoal,
    balanceGoal,
    challenge,
};

// A new plan of a kind, or an existing one.
struct PlanEditing
{
    std::optional<PlanID> id;
    PlanKind kind = PlanKind::budget;
    friend bool operator==(const PlanEditing&, const PlanEditing&) = default;
};

// A balance change: a new one for an account, or an existing one.
struct BalanceEditing
{
    std::optional<AccountId> account;
    std::optional<CheckpointId> checkpoint;
    friend bool operator==(const BalanceEditing&, const BalanceEditing&) = default;
};

struct EditorRequest
{
    struct Category
    {
        CategoryEditing request;
        friend bool operator==(const Category&, const Category&) = default;
    };
    struct DeleteCategory
    {
        CategoryId id;
        friend bool operator==(const DeleteCategory&, const DeleteCategory&) = default;
    };
    // No id: a new account.
    struct Account
    {
        std::optional<AccountId> id;
        friend bool operator==(const Account&, const Account&) = default;
    };
    struct DeleteAccount
    {
        AccountId id;
        friend bool operator==(const DeleteAccount&, const DeleteAccount&) = default;
    };
    struct Plan
    {
        PlanEditing request;
        friend bool operator==(const Plan&, const Plan&) = default;
    };
    struct Balance
    {
        BalanceEditing request;
        friend bool operator==(const Balance&, const Balance&) = default;
    };
    struct BalanceHistory
    {
        AccountId account;
        friend bool operator==(const BalanceHistory&, const BalanceHistory&) = default;
    };
    struct SetBalances
    {
        friend bool operator==(const SetBalances&, const SetBalances&) = default;
    };
    using Sheet = std::variant<Category, DeleteCategory, Account, DeleteAccount, Plan, Balance,
                               BalanceHistory, SetBalances>;

    QUuid id;
    Sheet sheet;

    [[nodiscard]] static EditorRequest make(Sheet sheet)
    {
        return EditorRequest{QUuid::createUuid(), std::move(sheet)};
    }

    friend bool operator==(const EditorRequest& a, const EditorRequest& b) = default;
};

} // namespace tallyra::app
