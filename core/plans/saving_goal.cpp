#include "plans/saving_goal.h"

#include <algorithm>

#include <QCoreApplication>

#include "plans/plan_months.h"
#include "reports/ledger_index.h"

namespace tallyra {

namespace {

std::int64_t missingMinor(const SavingGoalDetail& detail)
{
    return saturatingSub(detail.target.minor, detail.saved.minor);
}

} // namespace

QString notAssignedName()
{
    return QCoreApplication::translate("SavingGoalDetail", "Not assigned");
}

SavingGoalDetail savingGoalDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                  const Goal& goal)
{
    const CurrencyCode& base = index.rates().base;
    SavingGoalDetail detail;
    detail.saved = goal.assigned;
    detail.target = goal.target;
    detail.monthly = goal.monthly;
    if (const auto deadline = deadlineMonth(engine, goal.deadline)) {
        detail.deadline = deadline->firstDay;
        detail.monthsToDeadline = deadline->monthsTo;
    }
    const Pace pace =
        paceTowards(missingMinor(detail), detail.monthly.minor, currentMonthIndex(engine));
    detail.monthsAtPace = pace.months;
    detail.projection = pace.projection;

    if (goal.accountIDs.isEmpty())
        return detail;
    const AccountId account = goal.accountIDs.first();
    detail.savingsAccountID = account;
    std::int64_t claimed = 0;
    for (const Goal& other : index.goals()) {
        if (other.kind != GoalKind::saving || other.accountIDs.isEmpty() ||
            other.accountIDs.first() != account)
            continue;
        detail.envelopes.push_back({other.id, other.name, other.assigned});
        claimed = saturatingAdd(claimed, other.assigned.minor);
    }
    const Money balance = index.balance(account, engine.tomorrow());
    std::int64_t unassigned = 0;
    if (index.rates().hasRate(balance.currency))
        unassigned =
            std::max<std::int64_t>(0, saturatingSub(index.rates().toBase(balance).minor, claimed));
    detail.envelopes.push_back({std::nullopt, notAssignedName(), Money{unassigned, base}});
    return detail;
}

GoalStatus goalStatus(const SavingGoalDetail& detail)
{
    if (missingMinor(detail) < 1)
        return GoalStatus::reached;
    if (!detail.deadline)
        return GoalStatus::noDeadline;
    if (!detail.projection)
        return GoalStatus::behind;
    return *detail.projection <= *detail.deadline ? GoalStatus::onTrack : GoalStatus::behind;
}

std::optional<Money> neededPerMonth(const SavingGoalDetail& detail)
{
    if (!detail.monthsToDeadline)
        return std::nullopt;
    const std::int64_t missing = missingMinor(detail);
    const std::int64_t months = std::max(*detail.monthsToDeadline, 1);
    // Nothing is needed once the target is met; halves of a positive
    // amount round up.
    return Money{missing < 0 ? 0 : Money::dividedRounded(missing, months), detail.target.currency};
}

} // namespace tallyra
