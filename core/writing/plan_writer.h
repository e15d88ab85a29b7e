#pragma once

// PlanWriter: budgets and goals (saving goals, balance goals, challenges).
// Unlike the other catalog writes a plan write saves at once and registers
// no undo step of its own.
//
// A draft is checked first (invalid): a budget needs a name, a limit above
// zero and a category; a saving goal a target above zero and an account; a
// balance goal a target above zero and an account or all accounts; a
// challenge a category and two dates in order. Amounts are in the main
// currency. A plan whose named accounts or categories are all gone fails
// with notFound.
//
// Errors: CatalogWriteError; StoreError from the store, after which the
// context is rolled back and nothing changed.
// Threading: main thread only.

#include "base/typed_id.h"
#include "writing/catalog_drafts.h"

namespace tallyra {

class StoreContext;
struct BudgetModel;
struct GoalModel;

class PlanWriter final
{
public:
    // The context must outlive the writer.
    explicit PlanWriter(StoreContext& context) : m_context(context) {}

    BudgetId newBudget(const BudgetDraft& draft);
    void editBudget(const BudgetId& id, const BudgetDraft& draft);
    void deleteBudget(const BudgetId& id);
    GoalId newGoal(const GoalDraft& draft);
    void editGoal(const GoalId& id, const GoalDraft& draft);
    void deleteGoal(const GoalId& id);

private:
    void apply(BudgetModel& budget, const BudgetDraft& draft);
    void apply(GoalModel& goal, const GoalDraft& draft);
    template <class Body> auto save(Body&& body);
    template <class Model, class Draft> auto newPlan(const Draft& draft);
    template <class Model, class Draft>
    void editPlan(const typename Model::Id& id, const Draft& draft);
    template <class Model> void deletePlan(const typename Model::Id& id);

    StoreContext& m_context;
};

} // namespace tallyra
