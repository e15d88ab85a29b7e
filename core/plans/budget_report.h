#pragma once

// Budgets over pay months: what a budget's categories (with everything
// below them) spent in a month, how the month is going, and the budget's
// detail — the month day by day, the six months up to the current one,
// the usual monthly spend and how often the limit was broken.
//
// Months are the calendar windows of the period engine (its month start
// day), at an offset back from the current one (0 = the current month).
// A month's elapsed days run from its start to its elapsed end (the start
// of tomorrow, or its end once it is over).
//
// Rounding: spending is converted per transaction into the rates' base
// (half to even; no rate: left out); the allowance per day is rounded half
// up, the usual spend half away from zero; sums saturate.
//
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <vector>

#include "base/typed_id.h"
#include "model/budget.h"
#include "money/money.h"
#include "periods/period_engine.h"
#include "periods/period_window.h"
#include "plans/budget_status.h"

namespace tallyra {

class LedgerIndex;

// How far ahead of the month's pace spending may run before it shows.
inline constexpr double kBudgetPaceMargin = 0.05;

struct BudgetMonth
{
    PeriodWindow window;
    Money limit;
    Money spent;
    // Elapsed days ÷ dayCount, 0…1; 1 for a window without days.
    double elapsedFraction = 0;
    int dayCount = 0;
    int daysLeft = 0;

    friend bool operator==(const BudgetMonth&, const BudgetMonth&) = default;
};

struct BudgetDetail
{
    struct DayPoint
    {
        int day = 0;  // 1 for the month's first day
        Money amount; // spent up to and including that day

        friend bool operator==(const DayPoint&, const DayPoint&) = default;
    };

    struct CategoryLine
    {
        CategoryId category;
        Money spent;

        friend bool operator==(const CategoryLine&, const CategoryLine&) = default;
    };

    BudgetMonth month;
    // One point per elapsed day of the month.
    std::vector<DayPoint> cumulative;
    // The current month and the five before it, oldest first.
    std::vector<BudgetMonth> history;
    // The six months before the current one, ÷ 6 even for a younger budget.
    Money usual;
    // Months of history whose spending went past their limit.
    int overCount = 0;
    // The month's spending per budget category (with what is below it), in
    // the budget's order of categories.
    std::vector<CategoryLine> categories;

    friend bool operator==(const BudgetDetail&, const BudgetDetail&) = default;
};

// The budget's month `offset` months back (0 or more).
[[nodiscard]] BudgetMonth budgetMonth(const LedgerIndex& index, const PeriodEngine& engine,
                                      const Budget& budget, std::int64_t offset);

// Over once spent passes the limit (exactly the limit is not over); ahead of
// pace once the spent share runs more than the margin ahead of the
// elapsed fraction (never for a zero limit, whose share is 0).
[[nodiscard]] BudgetStatus budgetStatus(const BudgetMonth& month);
// limit − spent, saturating.
[[nodiscard]] Money remaining(const BudgetMonth& month);
// spent ÷ limit; 0 for a zero limit.
[[nodiscard]] double spentShare(const BudgetMonth& month);
// What may still be spent per remaining day: remaining ÷ daysLeft rounded
// half up; 0 when no day is left or nothing remains.
[[nodiscard]] Money allowancePerDay(const BudgetMonth& month);

[[nodiscard]] BudgetDetail budgetDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                        const Budget& budget, std::int64_t offset = 0);

} // namespace tallyra
