#include "plans/budget_report.h"

#include <array>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "periods/period_selection.h"
#include "plans/plan_spending.h"
#include "reports/base_converter.h"
#include "reports/ledger_index.h"

namespace tallyra {

namespace {

// The six months before the current one that make the usual spend.
constexpr std::int64_t kUsualMonths = 6;
constexpr std::int64_t kHistoryMonths = 6;

BudgetMonth monthOf(const LedgerIndex& index, const PeriodEngine& engine, const Budget& budget,
                    const std::unordered_set<CategoryId>& set, const BaseConverter& converter,
                    std::int64_t offset)
{
    BudgetMonth month;
    month.window = engine.window(PeriodSelection(PeriodLength::month, offset));
    month.limit = budget.limit;
    month.spent =
        Money{spendingIn(index.entries(month.window.interval), set, converter), index.rates().base};
    month.dayCount = engine.dayCount(month.window.interval);
    const int elapsed = engine.dayCount(month.window.elapsedInterval());
    month.elapsedFraction =
        month.dayCount == 0 ? 1.0 : static_cast<double>(elapsed) / month.dayCount;
    month.daysLeft = month.dayCount - elapsed;
    return month;
}

} // namespace

BudgetMonth budgetMonth(const LedgerIndex& index, const PeriodEngine& engine, const Budget& budget,
                        std::int64_t offset)
{
    const BaseConverter converter(index.rates());
    return monthOf(index, engine, budget, categoriesWithin(index, budget.categoryIDs), converter,
                   offset);
}

BudgetStatus budgetStatus(const BudgetMonth& month)
{
    if (month.spent > month.limit)
        return BudgetStatus::over;
    if (month.elapsedFraction + kBudgetPaceMargin < spentShare(month))
        return BudgetStatus::aheadOfPace;
    return BudgetStatus::onTrack;
}

Money remaining(const BudgetMonth& month)
{
    return Money{saturatingSub(month.limit.minor, month.spent.minor), month.limit.currency};
}

double spentShare(const BudgetMonth& month)
{
    if (month.limit.minor == 0)
        return 0;
    return static_cast<double>(month.spent.minor) / static_cast<double>(month.limit.minor);
}

Money allowancePerDay(const BudgetMonth& month)
{
    const Money left = remaining(month);
    if (month.daysLeft < 1 || left.minor <= 0)
        return Money{0, left.currency};
    // Both positive here, so halves away from zero are halves up.
    return Money{Money::dividedRounded(left.minor, month.daysLeft), left.currency};
}

BudgetDetail budgetDetail(const LedgerIndex& index, const PeriodEngine& engine,
                          const Budget& budget, std::int64_t offset)
{
    const CurrencyCode& base = index.rates().base;
    const BaseConverter converter(index.rates());
    const std::unordered_set<CategoryId> set = categoriesWithin(index, budget.categoryIDs);

    // Offsets 0…6 serve the history (0…5) and the usual spend (1…6) alike.
    std::array<BudgetMonth, kUsualMonths + 1> recent;
    for (std::int64_t back = 0; back <= kUsualMonths; ++back)
        recent[static_cast<size_t>(back)] = monthOf(index, engine, budget, set, converter, back);

    BudgetDetail detail;
    detail.month = offset >= 0 && offset <= kUsualMonths
                       ? recent[static_cast<size_t>(offset)]
                       : monthOf(index, engine, budget, set, converter, offset);
    for (std::int64_t back = kHistoryMonths - 1; back >= 0; --back) {
        const BudgetMonth& month = recent[static_cast<size_t>(back)];
        detail.history.push_back(month);
        detail.overCount += month.spent > month.limit ? 1 : 0;
    }
    std::int64_t usualSum = 0;
    for (std::int64_t back = 1; back <= kUsualMonths; ++back)
        usualSum = saturatingAdd(usualSum, recent[static_cast<size_t>(back)].spent.minor);
    detail.usual = Money{Money::dividedRounded(usualSum, kUsualMonths), base};

    const PeriodWindow& window = detail.month.window;
    const std::vector<PeriodEngine::CalendarDay> days = engine.days(window.elapsedInterval());
    const LedgerIndex::EntryRange elapsed = index.entries(window.elapsedInterval());
    const qint64* dates = entryMSecs(index, elapsed);
    const Entry* next = elapsed.begin();
    std::int64_t running = 0;
    for (size_t day = 0; day + 1 < days.size(); ++day) {
        const qint64 dayEnd = days[day + 1].start.toMSecsSinceEpoch();
        for (; next != elapsed.end() && dates[next - elapsed.begin()] < dayEnd; ++next)
            if (isSpendingIn(*next, set))
                running = saturatingAdd(running, converter.convert(next->amount).minor);
        detail.cumulative.push_back({static_cast<int>(day) + 1, Money{running, base}});
    }

    // One pass over the month for every line: each category below a line's
    // category knows the lines it counts towards.
    std::unordered_map<CategoryId, std::vector<size_t>> linesOf;
    for (const CategoryId& id : budget.categoryIDs) {
        if (!index.category(id))
            continue;
        const size_t line = detail.categories.size();
        detail.categories.push_back({id, Money{0, base}});
        for (const CategoryId& within : categoriesWithin(index, {id}))
            linesOf[within].push_back(line);
    }
    for (const Entry& entry : index.entries(window.interval)) {
        if (entry.kind != EntryKind::expense || !entry.categoryID)
            continue;
        const auto found = linesOf.find(*entry.categoryID);
        if (found == linesOf.end())
            continue;
        const std::int64_t minor = converter.convert(entry.amount).minor;
        for (const size_t line : found->second) {
            Money& spent = detail.categories[line].spent;
            spent.minor = saturatingAdd(spent.minor, minor);
        }
    }
    return detail;
}

} // namespace tallyra
