#include "plan_json.h"

#include <QJsonArray>

#include "value_json.h"

namespace tallyra::cli {

namespace {

QJsonValue nullValue()
{
    return QJsonValue(QJsonValue::Null);
}

template <class T> QJsonValue orNull(const std::optional<T>& value)
{
    return value ? QJsonValue(static_cast<qint64>(*value)) : nullValue();
}

} // namespace

QJsonObject PlanJson::budgetMonth(const BudgetMonth& month) const
{
    return QJsonObject{
        {QStringLiteral("window"), windowJson(month.window, m_zone)},
        {QStringLiteral("limit"), moneyJson(month.limit)},
        {QStringLiteral("spent"), moneyJson(month.spent)},
        {QStringLiteral("elapsedFraction"), month.elapsedFraction},
        {QStringLiteral("dayCount"), month.dayCount},
        {QStringLiteral("daysLeft"), month.daysLeft},
    };
}

QJsonObject PlanJson::budget(const Budget& budget, const BudgetDetail& detail) const
{
    QJsonArray cumulative;
    for (const BudgetDetail::DayPoint& point : detail.cumulative)
        cumulative.append(QJsonObject{{QStringLiteral("day"), point.day},
                                      {QStringLiteral("amount"), moneyJson(point.amount)}});
    QJsonArray history;
    for (const BudgetMonth& month : detail.history)
        history.append(budgetMonth(month));
    QJsonArray categories;
    for (const BudgetDetail::CategoryLine& line : detail.categories)
        categories.append(
            QJsonObject{{QStringLiteral("category"), m_report.categoryPath(line.category)},
                        {QStringLiteral("spent"), moneyJson(line.spent)}});
    return QJsonObject{
        {QStringLiteral("name"), budget.name},
        {QStringLiteral("month"), budgetMonth(detail.month)},
        {QStringLiteral("status"), rawValue(budgetStatus(detail.month))},
        {QStringLiteral("remaining"), moneyJson(remaining(detail.month))},
        {QStringLiteral("allowancePerDay"), moneyJson(allowancePerDay(detail.month))},
        {QStringLiteral("spentShare"), spentShare(detail.month)},
        {QStringLiteral("cumulative"), cumulative},
        {QStringLiteral("history"), history},
        {QStringLiteral("usual"), moneyJson(detail.usual)},
        {QStringLiteral("overCount"), detail.overCount},
        {QStringLiteral("categories"), categories},
    };
}

QJsonObject PlanJson::savingGoal(const Goal& goal, const SavingGoalDetail& detail) const
{
    QJsonArray envelopes;
    for (const SavingGoalDetail::Envelope& envelope : detail.envelopes)
        envelopes.append(QJsonObject{
            {QStringLiteral("id"), envelope.id ? QJsonValue(envelope.id->toString()) : nullValue()},
            {QStringLiteral("name"), envelope.name},
            {QStringLiteral("amount"), moneyJson(envelope.amount)},
        });
    return QJsonObject{
        {QStringLiteral("name"), goal.name},
        {QStringLiteral("kind"), rawValue(GoalKind::saving)},
        {QStringLiteral("status"), rawValue(goalStatus(detail))},
        {QStringLiteral("saved"), moneyJson(detail.saved)},
        {QStringLiteral("target"), moneyJson(detail.target)},
        {QStringLiteral("monthly"), moneyJson(detail.monthly)},
        {QStringLiteral("deadline"), ReportJson::day(detail.deadline)},
        {QStringLiteral("monthsToDeadline"), orNull(detail.monthsToDeadline)},
        {QStringLiteral("monthsAtPace"), orNull(detail.monthsAtPace)},
        {QStringLiteral("projection"), ReportJson::day(detail.projection)},
        {QStringLiteral("savingsAccount"), m_report.accountName(detail.savingsAccountID)},
        {QStringLiteral("envelopes"), envelopes},
        {QStringLiteral("neededPerMonth"), ReportJson::money(neededPerMonth(detail))},
    };
}

QJsonObject PlanJson::balanceGoal(const Goal& goal, const BalanceGoalDetail& detail) const
{
    const bool stayAbove = detail.mode == BalanceMode::stayAbove;
    auto pointJson = [&](const BalanceGoalDetail::Point& point) {
        return QJsonObject{{QStringLiteral("date"), m_report.instant(point.date)},
                           {QStringLiteral("balance"), moneyJson(point.balance)}};
    };
    QJsonArray accounts;
    for (const AccountId& id : detail.accountIDs)
        accounts.append(m_report.accountName(id));
    QJsonArray history;
    for (const BalanceGoalDetail::Point& point : detail.history)
        history.append(pointJson(point));
    return QJsonObject{
        {QStringLiteral("name"), goal.name},
        {QStringLiteral("kind"), rawValue(GoalKind::balance)},
        {QStringLiteral("status"), nullValue()},
        {QStringLiteral("mode"), rawValue(detail.mode)},
        {QStringLiteral("accounts"), accounts},
        {QStringLiteral("current"), moneyJson(detail.current)},
        {QStringLiteral("amount"), moneyJson(detail.amount)},
        {QStringLiteral("history"), history},
        {QStringLiteral("lowest"),
         detail.lowest ? QJsonValue(pointJson(*detail.lowest)) : nullValue()},
        {QStringLiteral("daysBelow"), stayAbove ? QJsonValue(detail.daysBelow) : nullValue()},
        {QStringLiteral("typicalLow"), ReportJson::money(detail.typicalLow)},
        {QStringLiteral("deadline"), ReportJson::day(detail.deadline)},
        {QStringLiteral("monthsToDeadline"), orNull(detail.monthsToDeadline)},
        {QStringLiteral("growthPerMonth"), ReportJson::money(detail.growthPerMonth)},
        {QStringLiteral("monthsAtPace"), orNull(detail.monthsAtPace)},
        {QStringLiteral("projection"), ReportJson::day(detail.projection)},
        {QStringLiteral("neededPerMonth"), nullValue()},
    };
}

QJsonObject PlanJson::challenge(const Goal& goal, const ChallengeDetail& detail) const
{
    QJsonArray days;
    for (const ChallengeDetail::Day& day : detail.days)
        days.append(QJsonObject{{QStringLiteral("date"), m_report.instant(day.date)},
                                {QStringLiteral("state"), rawValue(day.state)}});
    return QJsonObject{
        {QStringLiteral("name"), goal.name},
        {QStringLiteral("start"), m_report.instant(detail.start)},
        {QStringLiteral("end"), m_report.instant(detail.end)},
        {QStringLiteral("days"), days},
        {QStringLiteral("slips"), m_report.entries(detail.slips)},
        {QStringLiteral("spent"), moneyJson(detail.spent)},
        {QStringLiteral("currentStreak"), detail.currentStreak},
        {QStringLiteral("usualMonthly"), moneyJson(detail.usualMonthly)},
        {QStringLiteral("kept"), moneyJson(detail.kept)},
        {QStringLiteral("daysToGo"), detail.daysToGo},
    };
}

} // namespace tallyra::cli
