#pragma once

// The JSON forms of the plan values, with the field names of their types
// (see the README for every shape), in the conventions of report_json.h:
// accounts by name, categories by path, instants with the offset of the
// run's zone, deadlines and projections as "YYYY-MM-DD", statuses and day
// states as their raw values, absent optionals as null. Fields of a balance
// goal that belong to its other mode print as null.
//
// Thread safety: main thread of tallyra-cli (reads the index it is given).

#include <optional>

#include <QJsonObject>
#include <QTimeZone>

#include "model/budget.h"
#include "model/goal.h"
#include "plans/balance_goal.h"
#include "plans/budget_report.h"
#include "plans/challenge_detail.h"
#include "plans/saving_goal.h"
#include "report_json.h"

namespace tallyra::cli {

class PlanJson final
{
public:
    PlanJson(const LedgerIndex& index, const QTimeZone& zone) : m_zone(zone), m_report(index, zone)
    {
    }

    [[nodiscard]] QJsonObject budgetMonth(const BudgetMonth& month) const;
    [[nodiscard]] QJsonObject budget(const Budget& budget, const BudgetDetail& detail) const;
    [[nodiscard]] QJsonObject savingGoal(const Goal& goal, const SavingGoalDetail& detail) const;
    [[nodiscard]] QJsonObject balanceGoal(const Goal& goal, const BalanceGoalDetail& detail) const;
    [[nodiscard]] QJsonObject challenge(const Goal& goal, const ChallengeDetail& detail) const;

private:
    QTimeZone m_zone;
    ReportJson m_report;
};

} // namespace tallyra::cli
