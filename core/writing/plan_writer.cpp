#include "writing/plan_writer.h"

#include "money/currency.h"
#include "writing/catalog_write_support.h"
#include "writing/main_thread.h"

namespace tallyra {

using namespace writing_detail;
using Code = CatalogWriteError::Code;

namespace {

void validate(const BudgetDraft& draft)
{
    if (draft.name.trimmed().isEmpty() || !(draft.limit > Decimal(0)) ||
        draft.categoryIDs.isEmpty())
        throw CatalogWriteError(Code::invalid);
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
        throw CatalogWriteError(Code::invalid);
}

std::optional<QString> nonEmpty(const std::optional<QString>& text)
{
    return text && !text->isEmpty() ? text : std::nullopt;
}

std::optional<QDateTime> utc(const std::optional<QDateTime>& instant)
{
    return instant ? std::optional(instant->toUTC()) : std::nullopt;
}

} // namespace

template <class Body> auto PlanWriter::save(Body&& body)
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

void PlanWriter::apply(BudgetModel& budget, const BudgetDraft& draft)
{
    StoreObjects objects(m_context);
    budget.name = draft.name.trimmed();
    budget.emoji = nonEmpty(draft.emoji);
    budget.limitMinor = minorOf(draft.limit, Currency::main());
    budget.categories.clear();
    for (const CategoryId& id : draft.categoryIDs)
        if (const auto category = objects.byID<CategoryModel>(id);
            category && !budget.categories.contains(category->objectID))
            budget.categories.append(category->objectID);
    if (budget.categories.isEmpty())
        throw CatalogWriteError(Code::notFound);
}

void PlanWriter::apply(GoalModel& goal, const GoalDraft& draft)
{
    StoreObjects objects(m_context);
    const CurrencyCode main = Currency::main();
    goal.kindRaw = rawValue(draft.kind);
    goal.name = draft.name.trimmed();
    goal.emoji = nonEmpty(draft.emoji);
    goal.targetMinor = minorOf(draft.target, main);
    goal.assignedMinor = minorOf(draft.assigned, main);
    goal.monthlyMinor = minorOf(draft.monthly, main);
    goal.deadline = utc(draft.deadline);
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
    goal.startDate = utc(draft.startDate);
    goal.endDate = utc(draft.endDate);
    // What made the draft valid must still exist.
    const bool linksLost =
        (draft.kind == GoalKind::saving && goal.accounts.isEmpty()) ||
        (draft.kind == GoalKind::balance && !draft.allAccounts && goal.accounts.isEmpty()) ||
        (draft.kind == GoalKind::challenge && !goal.category);
    if (linksLost)
        throw CatalogWriteError(Code::notFound);
}

template <class Model, class Draft> auto PlanWriter::newPlan(const Draft& draft)
{
    validate(draft);
    return save([&] {
        Model plan;
        plan.id = Model::Id::random();
        plan.order = nextOrder(m_context.fetch<Model>());
        apply(plan, draft);
        m_context.insert(plan);
        return plan.id;
    });
}

template <class Model, class Draft>
void PlanWriter::editPlan(const typename Model::Id& id, const Draft& draft)
{
    validate(draft);
    StoreObjects lookup(m_context);
    Model plan = existing<Model>(lookup, id);
    save([&] {
        apply(plan, draft);
        m_context.change(plan);
        return true;
    });
}

template <class Model> void PlanWriter::deletePlan(const typename Model::Id& id)
{
    StoreObjects lookup(m_context);
    const Model plan = existing<Model>(lookup, id);
    save([&] {
        m_context.remove(plan);
        return true;
    });
}

BudgetId PlanWriter::newBudget(const BudgetDraft& draft)
{
    return newPlan<BudgetModel>(draft);
}

void PlanWriter::editBudget(const BudgetId& id, const BudgetDraft& draft)
{
    editPlan<BudgetModel>(id, draft);
}

void PlanWriter::deleteBudget(const BudgetId& id)
{
    deletePlan<BudgetModel>(id);
}

GoalId PlanWriter::newGoal(const GoalDraft& draft)
{
    return newPlan<GoalModel>(draft);
}

void PlanWriter::editGoal(const GoalId& id, const GoalDraft& draft)
{
    editPlan<GoalModel>(id, draft);
}

void PlanWriter::deleteGoal(const GoalId& id)
{
    deletePlan<GoalModel>(id);
}

} // namespace tallyra
