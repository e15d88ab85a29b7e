#pragma once

// Saving goals: money put aside in a savings account towards a target,
// perhaps by a deadline, at a planned amount per month. Several goals may
// share one account, each an envelope of it; what the account holds beyond
// the envelopes is "Not assigned" (never below zero).
//
// Amounts are in the main currency (the rates' base). The account's
// balance is taken at the start of tomorrow and converted with the rates;
// an account without a rate leaves nothing unassigned. Months are calendar
// months (plan_months.h).
//
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include <QDate>
#include <QString>

#include "base/typed_id.h"
#include "model/goal.h"
#include "money/money.h"
#include "periods/period_engine.h"
#include "plans/goal_status.h"

namespace tallyra {

class LedgerIndex;

struct SavingGoalDetail
{
    struct Envelope
    {
        std::optional<GoalId> id; // none for what is not assigned
        QString name;
        Money amount;

        friend bool operator==(const Envelope&, const Envelope&) = default;
    };

    Money saved;
    Money target;
    Money monthly;
    std::optional<QDate> deadline; // the first day of the deadline's month
    std::optional<int> monthsToDeadline;
    std::optional<std::int64_t> monthsAtPace;
    std::optional<QDate> projection; // the first day of the month it completes in
    std::optional<AccountId> savingsAccountID;
    // The savings account's envelopes in goal order, then "Not assigned";
    // empty without a savings account.
    std::vector<Envelope> envelopes;

    friend bool operator==(const SavingGoalDetail&, const SavingGoalDetail&) = default;
};

// The name of the envelope holding what no goal claims.
[[nodiscard]] QString notAssignedName();

// Precondition: the goal is a saving goal. The envelopes are the index's
// saving goals whose first account is this goal's, in goal order.
[[nodiscard]] SavingGoalDetail savingGoalDetail(const LedgerIndex& index,
                                                const PeriodEngine& engine, const Goal& goal);

// reached once nothing is missing; noDeadline without a deadline; behind
// without a projection or one after the deadline; else onTrack.
[[nodiscard]] GoalStatus goalStatus(const SavingGoalDetail& detail);

// What must be saved per month to meet the deadline: what is missing ÷
// max(months to the deadline, 1), rounded half up (0 once nothing is
// missing); none without a deadline.
[[nodiscard]] std::optional<Money> neededPerMonth(const SavingGoalDetail& detail);

} // namespace tallyra
