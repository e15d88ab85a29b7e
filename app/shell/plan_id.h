#pragma once

// PlanID: the plan selected on the plans screen, a budget or a goal
// (challenges are goals of their own kind).
//
// Thread safety: a plain value; any thread.

#include <variant>

#include "base/typed_id.h"

namespace tallyra::app {

struct PlanID
{
    std::variant<BudgetId, GoalId> id;

    [[nodiscard]] static PlanID budget(const BudgetId& id) { return PlanID{id}; }
    [[nodiscard]] static PlanID goal(const GoalId& id) { return PlanID{id}; }

    [[nodiscard]] const BudgetId* budgetID() const { return std::get_if<BudgetId>(&id); }
    [[nodiscard]] const GoalId* goalID() const { return std::get_if<GoalId>(&id); }

    friend bool operator==(const PlanID& a, const PlanID& b) = default;
};

} // namespace tallyra::app
