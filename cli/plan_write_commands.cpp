#include <algorithm>
#include <variant>
#include <vector>

#include <QJsonObject>

#include "cli_options.h"
#include "money/currency.h"
#include "plan_commands.h"
#include "store/budget_model.h"
#include "store/goal_model.h"
#include "write_support.h"
#include "writing/catalog_writer.h"

namespace tallyra::cli {

namespace {

const QString kEditUsage = QStringLiteral(
    "Usage: plan edit NAME [--name NEW] [--emoji E] [budget: --limit X --categories \"PATH, "
    "PATH\"] [saving: --target X --monthly Y --assigned Z --deadline D|none --account A] "
    "[balance: --mode M --amount X --accounts \"A, B\" | --all-accounts --deadline D|none] "
    "[challenge: --category PATH --start D --end D]\n       plan delete NAME");

QStringList listed(const QString& text)
{
    QStringList items;
    for (const QString& item : text.split(u','))
        if (!item.trimmed().isEmpty())
            items.append(item.trimmed());
    return items;
}

// An amount typed by the user; one that can't be read is refused here
// rather than silently becoming zero.
Decimal amountOption(const WriteSession& session, const QString& text)
{
    // Plan amounts are in the main currency, the one their reports use.
    const Decimal amount = session.amount(text, session.currencyOf(std::nullopt));
    if (amount.isNaN())
        throw Error(QStringLiteral("“%1” is not an amount.").arg(text));
    return amount;
}

// A plan's day, at the start of that day in the run's zone (as imports
// store them).
QDateTime startOf(const WriteSession& session, const QString& text, const QString& option)
{
    return parseDay(text, option).startOfDay(session.zone()).toUTC();
}

BalanceMode parseMode(const QString& text)
{
    if (const auto mode = enumFromRaw<BalanceMode>(text))
        return *mode;
    throw UsageError(QStringLiteral("--mode expects reachBy or stayAbove, not “%1”.").arg(text));
}

// The options every plan kind may take, read up front so that a mistake
// is reported before the database is opened.
struct PlanOptions
{
    explicit PlanOptions(QStringList& arguments)
        : name(takeOption(arguments, QStringLiteral("--name"))),
          emoji(takeOption(arguments, QStringLiteral("--emoji"))),
          limit(takeOption(arguments, QStringLiteral("--limit"))),
          categories(takeOption(arguments, QStringLiteral("--categories"))),
          target(takeOption(arguments, QStringLiteral("--target"))),
          monthly(takeOption(arguments, QStringLiteral("--monthly"))),
          assigned(takeOption(arguments, QStringLiteral("--assigned"))),
          deadline(takeOption(arguments, QStringLiteral("--deadline"))),
          account(takeOption(arguments, QStringLiteral("--account"))),
          mode(takeOption(arguments, QStringLiteral("--mode"))),
          amount(takeOption(arguments, QStringLiteral("--amount"))),
          accounts(takeOption(arguments, QStringLiteral("--accounts"))),
          allAccounts(takeFlag(arguments, QStringLiteral("--all-accounts"))),
          category(takeOption(arguments, QStringLiteral("--category"))),
          start(takeOption(arguments, QStringLiteral("--start"))),
          end(takeOption(arguments, QStringLiteral("--end")))
    {
        if (deadline && *deadline != u"none")
            (void)parseDay(*deadline, QStringLiteral("--deadline"));
        if (start)
            (void)parseDay(*start, QStringLiteral("--start"));
        if (end)
            (void)parseDay(*end, QStringLiteral("--end"));
        if (mode)
            (void)parseMode(*mode);
        if (accounts && allAccounts)
            throw UsageError(QStringLiteral("Give --accounts or --all-accounts, not both."));
    }

    // Refuses options that don't belong to the kind of plan.
    void expectOnly(std::initializer_list<const std::optional<QString>*> allowed,
                    bool allowsAllAccounts, const QString& kind) const
    {
        const std::pair<const std::optional<QString>*, const char*> all[] = {
            {&limit, "--limit"},
            {&categories, "--categories"},
            {&target, "--target"},
            {&monthly, "--monthly"},
            {&assigned, "--assigned"},
            {&deadline, "--deadline"},
            {&account, "--account"},
            {&mode, "--mode"},
            {&amount, "--amount"},
            {&accounts, "--accounts"},
            {&category, "--category"},
            {&start, "--start"},
            {&end, "--end"}};
        for (const auto& [option, optionName] : all)
            if (option->has_value() &&
                std::find(allowed.begin(), allowed.end(), option) == allowed.end())
                throw UsageError(QStringLiteral("%1 does not apply to a %2.")
                                     .arg(QString::fromUtf8(optionName), kind));
        if (allAccounts && !allowsAllAccounts)
            throw UsageError(QStringLiteral("--all-accounts does not apply to a %1.").arg(kind));
    }

    void applyTo(BudgetDraft& draft, const WriteSession& session) const
    {
        expectOnly({&limit, &categories}, false, QStringLiteral("budget"));
        if (name)
            draft.name = *name;
        if (emoji)
            draft.emoji = *emoji;
        if (limit)
            draft.limit = amountOption(session, *limit);
        if (categories) {
            draft.categoryIDs.clear();
            for (const QString& path : listed(*categories))
                draft.categoryIDs.append(session.category(path).id);
        }
    }

    void applyTo(GoalDraft& draft, const WriteSession& session) const
    {
        switch (draft.kind) {
        case GoalKind::saving:
            expectOnly({&target, &monthly, &assigned, &deadline, &account}, false,
                       QStringLiteral("saving goal"));
            break;
        case GoalKind::balance:
            expectOnly({&mode, &amount, &accounts, &deadline}, true,
                       QStringLiteral("balance goal"));
            break;
        case GoalKind::challenge:
            expectOnly({&category, &start, &end}, false, QStringLiteral("challenge"));
            break;
        }
        if (name)
            draft.name = *name;
        if (emoji)
            draft.emoji = *emoji;
        if (target)
            draft.target = amountOption(session, *target);
        if (amount)
            draft.target = amountOption(session, *amount);
        if (monthly)
            draft.monthly = amountOption(session, *monthly);
        if (assigned)
            draft.assigned = amountOption(session, *assigned);
        if (deadline)
            draft.deadline =
                *deadline == u"none"
                    ? std::nullopt
                    : std::optional(startOf(session, *deadline, QStringLiteral("--deadline")));
        if (account)
            draft.accountIDs = {session.account(*account).id};
        if (mode)
            draft.balanceMode = parseMode(*mode);
        if (accounts) {
            draft.allAccounts = false;
            draft.accountIDs.clear();
            for (const QString& each : listed(*accounts))
                draft.accountIDs.append(session.account(each).id);
        }
        if (allAccounts) {
            draft.allAccounts = true;
            draft.accountIDs.clear();
        }
        if (category)
            draft.categoryID = session.category(*category).id;
        if (start)
            draft.startDate = startOf(session, *start, QStringLiteral("--start"));
        if (end)
            draft.endDate = startOf(session, *end, QStringLiteral("--end"));
    }

    std::optional<QString> name;
    std::optional<QString> emoji;
    std::optional<QString> limit;
    std::optional<QString> categories;
    std::optional<QString> target;
    std::optional<QString> monthly;
    std::optional<QString> assigned;
    std::optional<QString> deadline;
    std::optional<QString> account;
    std::optional<QString> mode;
    std::optional<QString> amount;
    std::optional<QString> accounts;
    bool allAccounts = false;
    std::optional<QString> category;
    std::optional<QString> start;
    std::optional<QString> end;
};

void printCreated(CommandContext& context, const QString& what, const QString& name,
                  const QString& id)
{
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id}});
    else
        context.out << "Created " << what << ' ' << name.trimmed() << " (id " << id << ")\n";
}

// What the stored plan is now, as a draft to change.
BudgetDraft draftOf(const BudgetModel& budget, const WriteSession& session)
{
    BudgetDraft draft;
    draft.name = budget.name;
    draft.emoji = budget.emoji;
    draft.limit = Decimal::fromMinor(budget.limitMinor, Currency::minorDigits(Currency::main()));
    for (const std::int64_t objectID : budget.categories)
        if (const auto category = session.context().object<CategoryModel>(objectID))
            draft.categoryIDs.append(category->id);
    return draft;
}

GoalDraft draftOf(const GoalModel& goal, const WriteSession& session)
{
    const int digits = Currency::minorDigits(Currency::main());
    GoalDraft draft;
    draft.kind = goal.kind();
    draft.name = goal.name;
    draft.emoji = goal.emoji;
    draft.target = Decimal::fromMinor(goal.targetMinor, digits);
    draft.assigned = Decimal::fromMinor(goal.assignedMinor, digits);
    draft.monthly = Decimal::fromMinor(goal.monthlyMinor, digits);
    draft.deadline = goal.deadline;
    draft.balanceMode = goal.balanceMode();
    draft.allAccounts = goal.allAccounts;
    for (const std::int64_t objectID : goal.accounts)
        if (const auto account = session.context().object<AccountModel>(objectID))
            draft.accountIDs.append(account->id);
    if (goal.category)
        if (const auto category = session.context().object<CategoryModel>(*goal.category))
            draft.categoryID = category->id;
    draft.startDate = goal.startDate;
    draft.endDate = goal.endDate;
    return draft;
}

// The one plan of that name (exactly, else ignoring case), a budget or a
// goal of any kind.
std::variant<BudgetModel, GoalModel> planNamed(const WriteSession& session, const QString& name)
{
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        std::vector<std::variant<BudgetModel, GoalModel>> found;
        for (const BudgetModel& budget : session.context().fetch<BudgetModel>())
            if (budget.name.compare(name, sensitivity) == 0)
                found.emplace_back(budget);
        for (const GoalModel& goal : session.context().fetch<GoalModel>())
            if (goal.name.compare(name, sensitivity) == 0)
                found.emplace_back(goal);
        if (found.size() > 1)
            throw Error(QStringLiteral("Several plans are called “%1”.").arg(name));
        if (found.size() == 1)
            return found.front();
    }
    throw Error(QStringLiteral("There is no plan named “%1”.").arg(name));
}

QString kindName(const GoalModel& goal)
{
    switch (goal.kind()) {
    case GoalKind::saving:
        return QStringLiteral("saving goal");
    case GoalKind::balance:
        return QStringLiteral("balance goal");
    case GoalKind::challenge:
        break;
    }
    return QStringLiteral("challenge");
}

int runPlanEdit(CommandContext& context, QStringList arguments)
{
    const PlanOptions options(arguments);
    if (arguments.size() != 1)
        throw UsageError(kEditUsage);
    WriteSession session(context.options);
    const auto plan = planNamed(session, arguments.first());
    CatalogWriter writer(session.context(), session.zone());
    QString id;
    QString what;
    QString name;
    if (const BudgetModel* budget = std::get_if<BudgetModel>(&plan)) {
        BudgetDraft draft = draftOf(*budget, session);
        options.applyTo(draft, session);
        writer.plans().editBudget(budget->id, draft);
        id = budget->id.toString();
        what = QStringLiteral("budget");
        name = draft.name;
    } else {
        const GoalModel& goal = std::get<GoalModel>(plan);
        GoalDraft draft = draftOf(goal, session);
        options.applyTo(draft, session);
        writer.plans().editGoal(goal.id, draft);
        id = goal.id.toString();
        what = kindName(goal);
        name = draft.name;
    }
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id}});
    else
        context.out << "Changed " << what << ' ' << name.trimmed() << " (id " << id << ")\n";
    return 0;
}

int runPlanDelete(CommandContext& context, QStringList arguments)
{
    if (arguments.size() != 1)
        throw UsageError(kEditUsage);
    WriteSession session(context.options);
    const auto plan = planNamed(session, arguments.first());
    CatalogWriter writer(session.context(), session.zone());
    QString id;
    QString what;
    QString name;
    if (const BudgetModel* budget = std::get_if<BudgetModel>(&plan)) {
        writer.plans().deleteBudget(budget->id);
        id = budget->id.toString();
        what = QStringLiteral("budget");
        name = budget->name;
    } else {
        const GoalModel& goal = std::get<GoalModel>(plan);
        writer.plans().deleteGoal(goal.id);
        id = goal.id.toString();
        what = kindName(goal);
        name = goal.name;
    }
    if (context.options.json)
        printJson(context.out, QJsonObject{{QStringLiteral("id"), id}});
    else
        context.out << "Deleted " << what << ' ' << name << '\n';
    return 0;
}

} // namespace

int runBudgetAdd(CommandContext& context, QStringList arguments)
{
    const PlanOptions options(arguments);
    if (arguments.size() != 1 || options.name)
        throw UsageError(QStringLiteral(
            "Usage: budget add NAME --limit X --categories \"PATH, PATH\" [--emoji E]"));
    WriteSession session(context.options);
    BudgetDraft draft;
    draft.name = arguments.first();
    options.applyTo(draft, session);
    CatalogWriter writer(session.context(), session.zone());
    const BudgetId id = writer.plans().newBudget(draft);
    printCreated(context, QStringLiteral("budget"), draft.name, id.toString());
    return 0;
}

int runGoalAdd(CommandContext& context, QStringList arguments)
{
    const QString kindText = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const PlanOptions options(arguments);
    if ((kindText != u"saving" && kindText != u"balance") || arguments.size() != 1 || options.name)
        throw UsageError(QStringLiteral(
            "Usage: goal add saving NAME --target X [--monthly Y] [--assigned Z] [--deadline D] "
            "[--account A] [--emoji E]\n       goal add balance NAME --mode reachBy|stayAbove "
            "--amount X (--accounts \"A, B\" | --all-accounts) [--deadline D] [--emoji E]"));
    WriteSession session(context.options);
    GoalDraft draft;
    draft.kind = kindText == u"saving" ? GoalKind::saving : GoalKind::balance;
    draft.name = arguments.first();
    options.applyTo(draft, session);
    CatalogWriter writer(session.context(), session.zone());
    const GoalId id = writer.plans().newGoal(draft);
    printCreated(context,
                 draft.kind == GoalKind::saving ? QStringLiteral("saving goal")
                                                : QStringLiteral("balance goal"),
                 draft.name, id.toString());
    return 0;
}

int runChallengeAdd(CommandContext& context, QStringList arguments)
{
    const PlanOptions options(arguments);
    if (arguments.size() != 1 || options.name)
        throw UsageError(QStringLiteral(
            "Usage: challenge add NAME --category PATH --start D --end D [--emoji E]"));
    WriteSession session(context.options);
    GoalDraft draft;
    draft.kind = GoalKind::challenge;
    draft.name = arguments.first();
    options.applyTo(draft, session);
    CatalogWriter writer(session.context(), session.zone());
    const GoalId id = writer.plans().newGoal(draft);
    printCreated(context, QStringLiteral("challenge"), draft.name, id.toString());
    return 0;
}

int runPlan(CommandContext& context, QStringList arguments)
{
    const QString action = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (action == u"edit")
        return runPlanEdit(context, std::move(arguments));
    if (action == u"delete")
        return runPlanDelete(context, std::move(arguments));
    throw UsageError(kEditUsage);
}

} // namespace tallyra::cli
