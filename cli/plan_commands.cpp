#include "plan_commands.h"

#include <QJsonArray>
#include <QJsonObject>

#include "cli_options.h"
#include "ledger_session.h"
#include "plan_json.h"
#include "report_support.h"
#include "report_text.h"
#include "value_json.h"

namespace tallyra::cli {

namespace {

constexpr int kNameWidth = 28;
constexpr int kStateWidth = 16;

// The plan of that name (exactly, else ignoring case) among those that
// pass the test, first in order.
template <class Plan, class Keep>
const Plan* findNamed(const std::vector<Plan>& plans, const QString& name, Keep&& keep)
{
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (const Plan& plan : plans)
            if (keep(plan) && plan.name.compare(name, sensitivity) == 0)
                return &plan;
    return nullptr;
}

Error noPlanNamed(const char* kind, const QString& name)
{
    return Error(QStringLiteral("There is no %1 named “%2”.").arg(QString::fromUtf8(kind), name));
}

QString monthText(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM"));
}

QString monthsText(std::int64_t months)
{
    return months == 1 ? QStringLiteral("1 month") : QStringLiteral("%1 months").arg(months);
}

QString daysText(std::int64_t days)
{
    return days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
}

// "label     text" with the label in its column, for figures that are not amounts.
void factLine(QTextStream& out, const QString& label, const QString& text)
{
    out << "  " << leftColumn(label, 30) << ' ' << rightColumn(text, 16) << '\n';
}

void printBudgetText(CommandContext& context, ReportText& text, const LedgerIndex& index,
                     const QTimeZone& zone, const Budget& budget, const BudgetDetail& detail)
{
    QTextStream& out = context.out;
    const BudgetMonth& month = detail.month;
    out << budget.name << "  " << dayText(month.window.interval.start, zone) << " … "
        << dayText(month.window.interval.end.addMSecs(-1), zone) << '\n';
    factLine(out, QStringLiteral("Status"), title(budgetStatus(month)));
    text.flowLine(QStringLiteral("Spent"), month.spent);
    text.flowLine(QStringLiteral("Limit"), month.limit);
    text.flowLine(QStringLiteral("Remaining"), remaining(month));
    text.flowLine(QStringLiteral("Allowance per day"), allowancePerDay(month));
    factLine(out, QStringLiteral("Spent share"), text.share(spentShare(month)));
    factLine(out, QStringLiteral("Days left"),
             QStringLiteral("%1 of %2").arg(month.daysLeft).arg(month.dayCount));
    text.flowLine(QStringLiteral("Usual month"), detail.usual);
    factLine(out, QStringLiteral("Months over the limit"),
             QStringLiteral("%1 of %2").arg(detail.overCount).arg(detail.history.size()));
    out << "\nHistory\n";
    for (const BudgetMonth& each : detail.history)
        out << "  " << leftColumn(dayText(each.window.interval.start, zone), 30) << ' '
            << text.flow(each.spent) << " of " << text.flow(each.limit).trimmed()
            << (each.spent > each.limit ? QStringLiteral("  over") : QString()) << '\n';
    out << "\nCategories\n";
    for (const BudgetDetail::CategoryLine& line : detail.categories)
        text.flowLine(categoryPath(index, line.category), line.spent);
}

void printSavingText(CommandContext& context, ReportText& text, const LedgerIndex& index,
                     const Goal& goal, const SavingGoalDetail& detail)
{
    QTextStream& out = context.out;
    out << goal.name << " (saving goal)\n";
    factLine(out, QStringLiteral("Status"), title(goalStatus(detail)));
    text.flowLine(QStringLiteral("Saved"), detail.saved);
    text.flowLine(QStringLiteral("Target"), detail.target);
    text.flowLine(QStringLiteral("Monthly"), detail.monthly);
    if (detail.deadline)
        factLine(out, QStringLiteral("Deadline"),
                 monthText(*detail.deadline) +
                     QStringLiteral(" (in %1)").arg(monthsText(*detail.monthsToDeadline)));
    if (detail.monthsAtPace && detail.projection)
        factLine(out, QStringLiteral("At this pace"),
                 monthText(*detail.projection) +
                     QStringLiteral(" (%1)").arg(monthsText(*detail.monthsAtPace)));
    else
        factLine(out, QStringLiteral("At this pace"), QStringLiteral("no date"));
    if (const auto needed = neededPerMonth(detail))
        text.flowLine(QStringLiteral("Needed per month"), *needed);
    if (detail.savingsAccountID) {
        const Account* account = index.account(*detail.savingsAccountID);
        out << "\nEnvelopes of " << (account ? account->name : QStringLiteral("(deleted)")) << '\n';
        for (const SavingGoalDetail::Envelope& envelope : detail.envelopes)
            text.balanceLine(envelope.name, envelope.amount);
    }
}

void printBalanceText(CommandContext& context, ReportText& text, const LedgerIndex& index,
                      const QTimeZone& zone, const Goal& goal, const BalanceGoalDetail& detail)
{
    QTextStream& out = context.out;
    out << goal.name << " (balance goal, " << title(detail.mode) << ")\n";
    QStringList names;
    for (const AccountId& id : detail.accountIDs)
        if (const Account* account = index.account(id))
            names.append(account->name);
    out << "  "
        << (goal.allAccounts ? QStringLiteral("Counts all accounts, minus card debt")
                             : names.join(QStringLiteral(", ")))
        << '\n';
    text.balanceLine(QStringLiteral("Now"), detail.current);
    text.balanceLine(detail.mode == BalanceMode::stayAbove ? QStringLiteral("Floor")
                                                           : QStringLiteral("Target"),
                     detail.amount);
    if (detail.deadline)
        factLine(out, QStringLiteral("Deadline"),
                 monthText(*detail.deadline) +
                     QStringLiteral(" (in %1)").arg(monthsText(*detail.monthsToDeadline)));
    if (detail.mode == BalanceMode::stayAbove) {
        if (detail.lowest)
            text.balanceLine(QStringLiteral("Lowest (") + dayText(detail.lowest->date, zone) + u')',
                             detail.lowest->balance);
        factLine(out, QStringLiteral("Days below"), QString::number(detail.daysBelow));
        if (detail.typicalLow)
            text.balanceLine(QStringLiteral("Average monthly low"), *detail.typicalLow);
        return;
    }
    if (detail.growthPerMonth)
        text.flowLine(QStringLiteral("Growth per month"), *detail.growthPerMonth);
    if (detail.monthsAtPace && detail.projection)
        factLine(out, QStringLiteral("At this pace"),
                 monthText(*detail.projection) +
                     QStringLiteral(" (%1 at this pace)").arg(monthsText(*detail.monthsAtPace)));
    else
        out << "  Not growing at the current pace\n";
}

void printChallengeText(CommandContext& context, ReportText& text, const QTimeZone& zone,
                        const Goal& goal, const ChallengeDetail& detail)
{
    QTextStream& out = context.out;
    out << goal.name << "  " << dayText(detail.start, zone) << " … " << dayText(detail.end, zone)
        << '\n';
    // One mark a day: + clean, x slip, . still to come.
    QString marks;
    for (const ChallengeDetail::Day& day : detail.days)
        marks += day.state == ChallengeDayState::clean  ? u'+'
                 : day.state == ChallengeDayState::slip ? u'x'
                                                        : u'.';
    out << "  " << marks << '\n';
    factLine(out, QStringLiteral("Current streak"), daysText(detail.currentStreak));
    factLine(out, QStringLiteral("Days to go"), daysText(detail.daysToGo));
    text.flowLine(QStringLiteral("Spent"), detail.spent);
    text.flowLine(QStringLiteral("Usual month"), detail.usualMonthly);
    text.flowLine(QStringLiteral("Kept"), detail.kept);
    out << "\nSlips\n";
    text.entries(detail.slips);
}

bool isGoal(const Goal& goal)
{
    return goal.kind != GoalKind::challenge;
}

bool isChallenge(const Goal& goal)
{
    return goal.kind == GoalKind::challenge;
}

} // namespace

int runPlans(CommandContext& context, QStringList arguments)
{
    expectNoArgumentsLeft(arguments, QStringLiteral("plans"));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodEngine engine = session.periodEngine();
    const LedgerIndex& index = session.index();

    QJsonArray budgets;
    QJsonArray savingGoals;
    QJsonArray balanceGoals;
    QJsonArray challenges;
    ReportText text(index, session.zone(), context.display, context.out);
    QStringList lines[4];
    for (const Budget& budget : index.budgets()) {
        const BudgetMonth month = budgetMonth(index, engine, budget, 0);
        budgets.append(QJsonObject{{QStringLiteral("name"), budget.name},
                                   {QStringLiteral("status"), rawValue(budgetStatus(month))},
                                   {QStringLiteral("spent"), moneyJson(month.spent)},
                                   {QStringLiteral("limit"), moneyJson(month.limit)}});
        lines[0].append(QString(leftColumn(budget.name, kNameWidth) + u' ' +
                                leftColumn(title(budgetStatus(month)), kStateWidth) +
                                text.flow(month.spent) + QStringLiteral(" of ") +
                                text.flow(month.limit).trimmed()));
    }
    for (const Goal& goal : index.goals()) {
        switch (goal.kind) {
        case GoalKind::saving: {
            const SavingGoalDetail detail = savingGoalDetail(index, engine, goal);
            savingGoals.append(QJsonObject{{QStringLiteral("name"), goal.name},
                                           {QStringLiteral("status"), rawValue(goalStatus(detail))},
                                           {QStringLiteral("saved"), moneyJson(detail.saved)},
                                           {QStringLiteral("target"), moneyJson(detail.target)}});
            lines[1].append(QString(leftColumn(goal.name, kNameWidth) + u' ' +
                                    leftColumn(title(goalStatus(detail)), kStateWidth) +
                                    text.flow(detail.saved) + QStringLiteral(" of ") +
                                    text.flow(detail.target).trimmed()));
            break;
        }
        case GoalKind::balance: {
            const BalanceGoalDetail detail = balanceGoalDetail(index, engine, goal);
            balanceGoals.append(QJsonObject{{QStringLiteral("name"), goal.name},
                                            {QStringLiteral("mode"), rawValue(detail.mode)},
                                            {QStringLiteral("current"), moneyJson(detail.current)},
                                            {QStringLiteral("amount"), moneyJson(detail.amount)}});
            lines[2].append(
                QString(leftColumn(goal.name, kNameWidth) + u' ' +
                        leftColumn(title(detail.mode), kStateWidth) + text.balance(detail.current) +
                        (detail.mode == BalanceMode::stayAbove ? QStringLiteral(" above ")
                                                               : QStringLiteral(" to ")) +
                        text.balance(detail.amount).trimmed()));
            break;
        }
        case GoalKind::challenge: {
            const ChallengeDetail detail = challengeDetail(index, engine, goal);
            challenges.append(QJsonObject{{QStringLiteral("name"), goal.name},
                                          {QStringLiteral("currentStreak"), detail.currentStreak},
                                          {QStringLiteral("spent"), moneyJson(detail.spent)},
                                          {QStringLiteral("daysToGo"), detail.daysToGo}});
            lines[3].append(
                leftColumn(goal.name, kNameWidth) + u' ' +
                leftColumn(QStringLiteral("%1 streak").arg(daysText(detail.currentStreak)),
                           kStateWidth) +
                text.flow(detail.spent) +
                QStringLiteral(" spent, %1 to go").arg(daysText(detail.daysToGo)));
            break;
        }
        }
    }
    if (context.options.json) {
        printJson(context.out, QJsonObject{{QStringLiteral("budgets"), budgets},
                                           {QStringLiteral("savingGoals"), savingGoals},
                                           {QStringLiteral("balanceGoals"), balanceGoals},
                                           {QStringLiteral("challenges"), challenges}});
        return 0;
    }
    const char* headings[] = {"Budgets", "Saving goals", "Balance goals", "Challenges"};
    bool first = true;
    for (int i = 0; i < 4; ++i) {
        if (lines[i].isEmpty())
            continue;
        context.out << (first ? "" : "\n") << headings[i] << '\n';
        first = false;
        for (const QString& line : lines[i])
            context.out << "  " << line << '\n';
    }
    if (first)
        context.out << "No plans.\n";
    return 0;
}

int runBudget(CommandContext& context, QStringList arguments)
{
    if (!arguments.isEmpty() && arguments.first() == u"add")
        return runBudgetAdd(context, arguments.mid(1));
    const auto offsetText = takeOption(arguments, QStringLiteral("--offset"));
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("Usage: budget NAME [--offset K]\n       budget add NAME "
                                        "--limit X --categories \"PATH, PATH\" [--emoji E]"));
    const std::int64_t offset = offsetText ? parseOffset(*offsetText) : 0;
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const LedgerIndex& index = session.index();
    const Budget* budget =
        findNamed(index.budgets(), arguments.first(), [](const Budget&) { return true; });
    if (!budget)
        throw noPlanNamed("budget", arguments.first());
    const PeriodEngine engine = session.periodEngine();
    const BudgetDetail detail = budgetDetail(index, engine, *budget, offset);
    if (context.options.json) {
        printJson(context.out, PlanJson(index, session.zone()).budget(*budget, detail));
        return 0;
    }
    ReportText text(index, session.zone(), context.display, context.out);
    printBudgetText(context, text, index, session.zone(), *budget, detail);
    return 0;
}

int runGoal(CommandContext& context, QStringList arguments)
{
    if (!arguments.isEmpty() && arguments.first() == u"add")
        return runGoalAdd(context, arguments.mid(1));
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("Usage: goal NAME\n       goal add saving|balance NAME …"));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const LedgerIndex& index = session.index();
    const Goal* goal = findNamed(index.goals(), arguments.first(), isGoal);
    if (!goal)
        throw noPlanNamed("goal", arguments.first());
    const PeriodEngine engine = session.periodEngine();
    const PlanJson json(index, session.zone());
    ReportText text(index, session.zone(), context.display, context.out);
    if (goal->kind == GoalKind::saving) {
        const SavingGoalDetail detail = savingGoalDetail(index, engine, *goal);
        if (context.options.json)
            printJson(context.out, json.savingGoal(*goal, detail));
        else
            printSavingText(context, text, index, *goal, detail);
        return 0;
    }
    const BalanceGoalDetail detail = balanceGoalDetail(index, engine, *goal);
    if (context.options.json)
        printJson(context.out, json.balanceGoal(*goal, detail));
    else
        printBalanceText(context, text, index, session.zone(), *goal, detail);
    return 0;
}

int runChallenge(CommandContext& context, QStringList arguments)
{
    if (!arguments.isEmpty() && arguments.first() == u"add")
        return runChallengeAdd(context, arguments.mid(1));
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral(
            "Usage: challenge NAME\n       challenge add NAME --category PATH --start D --end D"));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const LedgerIndex& index = session.index();
    const Goal* goal = findNamed(index.goals(), arguments.first(), isChallenge);
    if (!goal)
        throw noPlanNamed("challenge", arguments.first());
    const PeriodEngine engine = session.periodEngine();
    const ChallengeDetail detail = challengeDetail(index, engine, *goal);
    if (context.options.json) {
        printJson(context.out, PlanJson(index, session.zone()).challenge(*goal, detail));
        return 0;
    }
    ReportText text(index, session.zone(), context.display, context.out);
    printChallengeText(context, text, session.zone(), *goal, detail);
    return 0;
}

} // namespace tallyra::cli
