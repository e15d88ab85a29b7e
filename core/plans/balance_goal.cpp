#include "plans/balance_goal.h"

#include <map>

#include "plans/plan_months.h"
#include "reports/base_converter.h"
#include "reports/ledger_index.h"

namespace tallyra {

namespace {

constexpr int kStayAboveMonths = 6;
constexpr int kReachByMonths = 24;
constexpr int kGrowthMonths = 12;

class CombinedBalance
{
public:
    CombinedBalance(const LedgerIndex& index, std::vector<AccountId> accounts)
        : m_index(index), m_converter(index.rates()), m_accounts(std::move(accounts))
    {
    }

    [[nodiscard]] Money at(const QDateTime& instant) const
    {
        std::int64_t sum = 0;
        for (const AccountId& account : m_accounts)
            sum = saturatingAdd(sum, m_converter.convert(m_index.balance(account, instant)).minor);
        return Money{sum, m_index.rates().base};
    }

private:
    const LedgerIndex& m_index;
    BaseConverter m_converter;
    std::vector<AccountId> m_accounts;
};

void fillStayAbove(BalanceGoalDetail& detail, const PeriodEngine& engine,
                   const CombinedBalance& balance)
{
    const QDateTime from =
        engine.startOfDay(engine.dayOf(engine.tomorrow()).addMonths(-kStayAboveMonths));
    // days() ends with the boundary after the last day: tomorrow itself.
    std::map<int, std::int64_t> monthlyLows;
    for (const PeriodEngine::CalendarDay& day : engine.days({from, engine.tomorrow()})) {
        const BalanceGoalDetail::Point point{day.start, balance.at(day.start)};
        detail.history.push_back(point);
        if (!detail.lowest || point.balance < detail.lowest->balance)
            detail.lowest = point;
        detail.daysBelow += point.balance < detail.amount ? 1 : 0;
        const auto [low, added] =
            monthlyLows.try_emplace(monthIndex(day.date), point.balance.minor);
        if (!added && point.balance.minor < low->second)
            low->second = point.balance.minor;
    }
    if (monthlyLows.empty())
        return;
    std::int64_t sum = 0;
    for (const auto& [month, low] : monthlyLows)
        sum = saturatingAdd(sum, low);
    detail.typicalLow =
        Money{Money::dividedRounded(sum, static_cast<std::int64_t>(monthlyLows.size())),
              detail.current.currency};
}

void fillReachBy(BalanceGoalDetail& detail, const PeriodEngine& engine,
                 const CombinedBalance& balance)
{
    const int thisMonth = currentMonthIndex(engine);
    for (int month = thisMonth - kReachByMonths; month < thisMonth; ++month) {
        const QDateTime end = engine.startOfDay(firstDayOfMonth(month + 1));
        detail.history.push_back({end, balance.at(end)});
    }
    detail.history.push_back({engine.tomorrow(), detail.current});

    const QDateTime yearBefore =
        engine.startOfDay(engine.dayOf(engine.tomorrow()).addMonths(-kGrowthMonths));
    const std::int64_t grown = saturatingSub(detail.current.minor, balance.at(yearBefore).minor);
    detail.growthPerMonth =
        Money{Money::dividedRounded(grown, kGrowthMonths), detail.current.currency};
    const Pace pace = paceTowards(saturatingSub(detail.amount.minor, detail.current.minor),
                                  detail.growthPerMonth->minor, thisMonth);
    detail.monthsAtPace = pace.months;
    detail.projection = pace.projection;
}

} // namespace

std::vector<AccountId> countedAccounts(const LedgerIndex& index, const Goal& goal)
{
    std::vector<AccountId> accounts;
    if (goal.allAccounts) {
        for (const Account& account : index.accounts())
            if (!account.isArchived)
                accounts.push_back(account.id);
        return accounts;
    }
    for (const AccountId& id : goal.accountIDs)
        if (index.account(id))
            accounts.push_back(id);
    return accounts;
}

BalanceGoalDetail balanceGoalDetail(const LedgerIndex& index, const PeriodEngine& engine,
                                    const Goal& goal)
{
    BalanceGoalDetail detail;
    detail.mode = goal.balanceMode;
    detail.accountIDs = countedAccounts(index, goal);
    const CombinedBalance balance(index, detail.accountIDs);
    detail.current = balance.at(engine.tomorrow());
    detail.amount = goal.target;
    if (const auto deadline = deadlineMonth(engine, goal.deadline)) {
        detail.deadline = deadline->firstDay;
        detail.monthsToDeadline = deadline->monthsTo;
    }
    if (goal.balanceMode == BalanceMode::stayAbove)
        fillStayAbove(detail, engine, balance);
    else
        fillReachBy(detail, engine, balance);
    return detail;
}

} // namespace tallyra
