#pragma once

// Balance goals: the combined balance of some accounts, judged either
// against a floor it should stay above (stayAbove: a daily history of six
// months, its lowest point, the days below the floor, the average monthly
// low) or against an amount to reach (reachBy: 25 month-end points, the
// growth per month over the last twelve months and the pace it sets).
//
// Counted accounts: every account that is not archived for a goal over
// all accounts (card debt, being negative, lowers the total), else the
// goal's own accounts. Each balance is converted into the rates' base;
// accounts without a rate are left out of every total.
//
// A point dated at the start of a day holds the balance strictly before
// that instant (the end of the day before), like every balance here. Days
// before an account's first record hold its opening balance, as the
// balance timeline has it. Months are calendar months (plan_months.h).
//
// Rounding: averages and the growth per month halves away from zero.
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include <QDate>
#include <QDateTime>

#include "base/typed_id.h"
#include "model/balance_mode.h"
#include "model/goal.h"
#include "money/money.h"
#include "periods/period_engine.h"

namespace tallyra {

class LedgerIndex;

struct BalanceGoalDetail
{
    struct Point
    {
        QDateTime date;
        Money balance;

        friend bool operator==(const Point&, const Point&) = default;
    };

    BalanceMode mode = BalanceMode::stayAbove;
    std::vector<AccountId> accountIDs;
    Money current; // at the start of tomorrow
    Money amount;  // the floor or the target
    // stayAbove: one point a day from six months before tomorrow up to
    // tomorrow. reachBy: the ends of the last 24 months and tomorrow.
    std::vector<Point> history;
    // stayAbove only: the first lowest point, the points below the floor,
    // the average of each calendar month's lowest point.
    std::optional<Point> lowest;
    int daysBelow = 0;
    std::optional<Money> typicalLow;
    std::optional<QDate> deadline; // the first day of the deadline's month
    std::optional<int> monthsToDeadline;
    // reachBy only.
    std::optional<Money> growthPerMonth;
    std::optional<std::int64_t> monthsAtPace;
    std::optional<QDate> projection;

    friend bool operator==(const BalanceGoalDetail&, const BalanceGoalDetail&) = default;
};

// The accounts a balance goal counts, in ledger order for all accounts,
// else in the goal's order (accounts the ledger no longer has are dropped).
[[nodiscard]] std::vector<AccountId> countedAccounts(const LedgerIndex& index, const Goal& goal);

// Precondition: the goal is a balance goal.
[[nodiscard]] BalanceGoalDetail balanceGoalDetail(const LedgerIndex& index,
                                                  const PeriodEngine& engine, const Goal& goal);

} // namespace tallyra
