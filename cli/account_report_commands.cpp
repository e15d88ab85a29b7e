#include <QJsonArray>
#include <QJsonObject>

#include "cli_options.h"
#include "ledger_session.h"
#include "report_commands.h"
#include "report_json.h"
#include "report_support.h"
#include "report_text.h"
#include "reports/account_detail.h"
#include "reports/account_sections.h"
#include "reports/credit_summary.h"
#include "value_json.h"

namespace tallyra::cli {

int runSections(CommandContext& context, QStringList arguments)
{
    const bool archived = takeFlag(arguments, QStringLiteral("--archived"));
    expectNoArgumentsLeft(arguments, QStringLiteral("sections"));
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodEngine engine = session.periodEngine();
    const LedgerIndex& index = session.index();
    const std::vector<AccountSection> sections =
        accountSections(index, engine.tomorrow(), archived);
    if (context.options.json) {
        printJson(context.out, ReportJson(index, session.zone()).sections(sections));
        return 0;
    }
    if (sections.empty())
        context.out << "No accounts.\n";
    ReportText text(index, session.zone(), context.display, context.out);
    for (const AccountSection& section : sections) {
        if (&section != &sections.front())
            context.out << '\n';
        context.out << (section.group ? title(*section.group) : QStringLiteral("Archived")) << '\n';
        for (const AccountSection::Row& row : section.rows)
            text.balanceLine(row.account.name, row.balance);
    }
    return 0;
}

int runAccountDetail(CommandContext& context, QStringList arguments)
{
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodSelection selection = takePeriod(arguments, session);
    if (arguments.size() != 1)
        throw UsageError(
            QStringLiteral("Usage: account-detail ACCOUNT [--period LENGTH [--offset K]]"));
    const Account& account = session.findAccount(arguments.first());
    const PeriodEngine engine = session.periodEngine();
    const LedgerIndex& index = session.index();
    const AccountDetail detail = accountDetail(index, engine, selection, account.id);
    std::optional<CreditSummary> credit;
    if (group(account.kind) == AccountGroup::credit)
        credit = creditSummary(account, index.balance(account.id, engine.tomorrow()), engine);

    if (context.options.json) {
        printJson(context.out, ReportJson(index, session.zone()).accountDetail(detail, credit));
        return 0;
    }
    const QTimeZone& zone = session.zone();
    ReportText text(index, zone, context.display, context.out);
    context.out << account.name << ' ' << periodHeading(selection, engine.window(selection), zone)
                << '\n';
    text.balanceLine(QStringLiteral("Opening"), detail.opening, 0);
    text.balanceLine(QStringLiteral("Closing"), detail.closing, 0);
    if (detail.lowest)
        text.balanceLine(QStringLiteral("Lowest (") + dayText(detail.lowest->day, zone) + u')',
                         detail.lowest->balance, 0);
    text.balanceLine(QStringLiteral("Average daily balance"), detail.averageDaily, 0);
    text.flowLine(QStringLiteral("Money in (%1)").arg(detail.inCount), detail.moneyIn, 0);
    text.flowLine(QStringLiteral("Money out (%1)").arg(detail.outCount), detail.moneyOut, 0);
    if (credit) {
        context.out << "\nCredit\n";
        text.balanceLine(QStringLiteral("Owed"), credit->owed);
        text.balanceLine(QStringLiteral("Own funds"), credit->ownFunds);
        if (credit->limit)
            text.flowLine(QStringLiteral("Limit"), *credit->limit);
        if (credit->available)
            text.balanceLine(QStringLiteral("Available"), *credit->available);
        if (credit->nextStatement)
            context.out << "  Next statement  " << dayText(*credit->nextStatement) << '\n';
        if (credit->nextPaymentDue)
            context.out << "  Payment due     " << dayText(*credit->nextPaymentDue) << '\n';
        if (credit->interestRate)
            context.out << "  Interest        " << credit->interestRate->toString() << " %\n";
    }
    context.out << "\nRecent\n";
    text.entries(detail.recent);
    return 0;
}

} // namespace tallyra::cli
