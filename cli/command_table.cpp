#include "accounts_command.h"
#include "backup_command.h"
#include "balance_command.h"
#include "command.h"
#include "emoji_command.h"
#include "export_command.h"
#include "import_command.h"
#include "networth_command.h"
#include "plan_commands.h"
#include "rates_command.h"
#include "report_commands.h"
#include "status_command.h"
#include "totals_command.h"
#include "write_commands.h"

namespace tallyra::cli {

const QList<Command>& commandTable()
{
    static const QList<Command> table{
        {QStringLiteral("status"), QStringLiteral("status"),
         QStringLiteral("where the database is, what it holds, sync and the rates' age"),
         &runStatus},
        {QStringLiteral("rates"), QStringLiteral("rates [--refresh] [--need USD,EUR]"),
         QStringLiteral("exchange rates: show the cache, or refresh it from the banks"), &runRates},
        {QStringLiteral("import"), QStringLiteral("import DIR"),
         QStringLiteral("read a ledger in the sample-data format into the database"), &runImport},
        {QStringLiteral("export"), QStringLiteral("export [FILE]"),
         QStringLiteral("every transaction as CSV (stdout without FILE)"), &runExport},
        {QStringLiteral("backup"), QStringLiteral("backup DIR"),
         QStringLiteral("a dated backup folder of the database; prints its path"), &runBackup},
        {QStringLiteral("accounts"), QStringLiteral("accounts"),
         QStringLiteral("every account with its current balance"), &runAccounts},
        {QStringLiteral("balance"), QStringLiteral("balance ACCOUNT [--at YYYY-MM-DD]"),
         QStringLiteral("an account's balance at the end of a day (default: now)"), &runBalance},
        {QStringLiteral("totals"), QStringLiteral("totals --period LENGTH [--offset K]"),
         QStringLiteral("income, spending and transfers of a period and the days before"),
         &runTotals},
        {QStringLiteral("networth"), QStringLiteral("networth [--at YYYY-MM-DD]"),
         QStringLiteral("net worth in the main currency at the end of a day (default: now)"),
         &runNetWorth},
        {QStringLiteral("emoji"), QStringLiteral("emoji [--search WORDS] [--group NAME]"),
         QStringLiteral("the emoji of the icon picker with their names"), &runEmoji},
        {QStringLiteral("overview"), QStringLiteral("overview [--period LENGTH [--offset K]]"),
         QStringLiteral("net worth, income and spending, the spending tree, recent transactions, "
                        "flow and net worth by day"),
         &runOverview},
        {QStringLiteral("categories"),
         QStringLiteral("categories [--mode expenses|income|transfers] [--period ...]"),
         QStringLiteral("the category tree of a period"), &runCategories},
        {QStringLiteral("category-detail"),
         QStringLiteral("category-detail (--category PATH | --uncategorized KIND | "
                        "--transfer-group NAME) [--prefer-months] [--period ...]"),
         QStringLiteral("one category (or transfer group) over a period"), &runCategoryDetail},
        {QStringLiteral("sections"), QStringLiteral("sections [--archived]"),
         QStringLiteral("the accounts list by section, with today's balances"), &runSections},
        {QStringLiteral("account-detail"), QStringLiteral("account-detail ACCOUNT [--period ...]"),
         QStringLiteral("one account over a period, with its credit summary"), &runAccountDetail},
        {QStringLiteral("feed"),
         QStringLiteral("feed [--filter F] [--account A] [--category PATH [--alone]] "
                        "[--uncategorized] [--search TEXT] [--period ...]"),
         QStringLiteral("the transactions of a period by day, newest first"), &runFeed},
        {QStringLiteral("plans"), QStringLiteral("plans"),
         QStringLiteral("every budget, saving goal, balance goal and challenge with its status"),
         &runPlans},
        {QStringLiteral("budget"), QStringLiteral("budget NAME [--offset K] | budget add NAME ..."),
         QStringLiteral("a budget's month, history and categories; add one (--limit X "
                        "--categories \"PATH, PATH\")"),
         &runBudget},
        {QStringLiteral("goal"), QStringLiteral("goal NAME | goal add saving|balance NAME ..."),
         QStringLiteral("a saving or balance goal's progress; add one (see README)"), &runGoal},
        {QStringLiteral("challenge"),
         QStringLiteral("challenge NAME | challenge add NAME --category PATH --start D --end D"),
         QStringLiteral("a challenge's days, slips and streak; add one"), &runChallenge},
        {QStringLiteral("plan"), QStringLiteral("plan edit|delete NAME [...]"),
         QStringLiteral("change or delete a budget, goal or challenge"), &runPlan},
        {QStringLiteral("add"),
         QStringLiteral("add expense|income|transfer AMOUNT --account A [...]"),
         QStringLiteral("add a transaction (--to B --received X --category PATH --payee P --note N "
                        "--tags \"a, b\" --date D --time HH:MM --uncleared)"),
         &runAdd},
        {QStringLiteral("edit"), QStringLiteral("edit ID [--kind K] [--amount X] [add's options]"),
         QStringLiteral("change a transaction"), &runEdit},
        {QStringLiteral("delete"), QStringLiteral("delete ID..."),
         QStringLiteral("delete transactions"), &runDelete},
        {QStringLiteral("set-balance"),
         QStringLiteral("set-balance ACCOUNT AMOUNT [--on YYYY-MM-DD]"),
         QStringLiteral("record what an account holds"), &runSetBalance},
        {QStringLiteral("account"),
         QStringLiteral("account add NAME --kind KIND --currency CODE [--balance X [--on D]]"),
         QStringLiteral("create an account"), &runAccount},
        {QStringLiteral("category"),
         QStringLiteral("category add PATH [--kind expense|income|transfer]"),
         QStringLiteral("create a category (\"Food/Groceries\")"), &runCategory},
    };
    return table;
}

} // namespace tallyra::cli
