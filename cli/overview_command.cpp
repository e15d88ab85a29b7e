#include <QJsonObject>

#include "ledger_session.h"
#include "periods/period_length.h"
#include "report_commands.h"
#include "report_json.h"
#include "report_support.h"
#include "report_text.h"
#include "reports/overview_report.h"
#include "value_json.h"

namespace tallyra::cli {

namespace {

void printOverview(QTextStream& out, const OverviewReport& report, ReportText& text,
                   const QTimeZone& zone)
{
    text.balanceLine(QStringLiteral("Net worth"), report.netWorth, 0);
    text.balanceLine(QStringLiteral("Change since ") + dayText(report.netWorthBaseDate, zone),
                     report.netWorthChange, 0);
    out << "\nSo far\n";
    text.totals(report.totals);
    if (!report.comparisonInterval.isEmpty()) {
        out << "Same days before: " << dayText(report.comparisonInterval.start, zone) << " … "
            << dayText(report.comparisonInterval.end.addMSecs(-1), zone) << '\n';
        text.totals(report.comparison);
    }
    out << "\nSpending by category\n";
    if (report.categoryTree.empty())
        out << "  (none)\n";
    text.tree(report.categoryTree);
    out << "\nRecent\n";
    text.entries(report.recent);
    out << "\nIncome and spending by " << ReportJson::granularityName(report.flowGranularity)
        << '\n';
    for (const FlowBucket& bucket : report.flow)
        out << "  " << dayText(bucket.interval.start, zone) << "  in " << text.flow(bucket.received)
            << "  out " << text.flow(bucket.spent) << (bucket.isComplete ? "" : "  (partial)")
            << '\n';
    if (!report.netWorthPoints.empty()) {
        const NetWorthPoint& lowest = *std::min_element(
            report.netWorthPoints.begin(), report.netWorthPoints.end(),
            [](const NetWorthPoint& a, const NetWorthPoint& b) { return a.value < b.value; });
        out << "\nNet worth over " << report.netWorthPoints.size() << " days: lowest "
            << text.balance(lowest.value).trimmed() << " on " << dayText(lowest.day, zone) << '\n';
    }
}

} // namespace

int runOverview(CommandContext& context, QStringList arguments)
{
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodSelection selection = takePeriod(arguments, session);
    expectNoArgumentsLeft(arguments, QStringLiteral("overview"));
    const PeriodEngine engine = session.periodEngine();
    const LedgerIndex& index = session.index();
    const OverviewReport report = overviewReport(index, engine, selection);
    if (context.options.json) {
        printJson(context.out, ReportJson(index, session.zone()).overview(report));
        return 0;
    }
    context.out << "Overview " << periodHeading(selection, engine.window(selection), session.zone())
                << '\n';
    ReportText text(index, session.zone(), context.display, context.out);
    printOverview(context.out, report, text, session.zone());
    return 0;
}

} // namespace tallyra::cli
