#include <QJsonObject>

#include "cli_options.h"
#include "ledger_session.h"
#include "report_commands.h"
#include "report_json.h"
#include "report_support.h"
#include "report_text.h"
#include "reports/entry_search.h"
#include "reports/transaction_feed.h"
#include "value_json.h"

namespace tallyra::cli {

int runFeed(CommandContext& context, QStringList arguments)
{
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodSelection selection = takePeriod(arguments, session);
    const auto filterText = takeOption(arguments, QStringLiteral("--filter"));
    const auto accountText = takeOption(arguments, QStringLiteral("--account"));
    const auto categoryText = takeOption(arguments, QStringLiteral("--category"));
    const bool alone = takeFlag(arguments, QStringLiteral("--alone"));
    const bool uncategorized = takeFlag(arguments, QStringLiteral("--uncategorized"));
    const auto searchText = takeOption(arguments, QStringLiteral("--search"));
    expectNoArgumentsLeft(arguments, QStringLiteral("feed"));
    const std::optional<TransactionFilter> filter =
        filterText ? enumFromRaw<TransactionFilter>(*filterText)
                   : std::optional(TransactionFilter::all);
    if (!filter)
        throw UsageError(
            QStringLiteral("--filter expects all, expenses, income or transfers, not “%1”.")
                .arg(*filterText));
    if (alone && !categoryText)
        throw UsageError(QStringLiteral("--alone goes with --category."));

    const LedgerIndex& index = session.index();
    TransactionScope scope;
    scope.uncategorized = uncategorized;
    scope.categoryAlone = alone;
    if (accountText)
        scope.account = session.findAccount(*accountText).id;
    if (categoryText)
        scope.category = findCategory(index, *categoryText);
    const EntrySearch search(searchText.value_or(QString()), {session.locale()});

    const PeriodEngine engine = session.periodEngine();
    const PeriodWindow window = engine.window(selection);
    const TransactionFeed feed =
        transactionFeed(index, window.interval, scope, *filter, search, engine);
    if (context.options.json) {
        printJson(context.out, ReportJson(index, session.zone()).feed(feed));
        return 0;
    }
    const QTimeZone& zone = session.zone();
    ReportText text(index, zone, context.display, context.out);
    context.out << title(*filter) << ' ' << periodHeading(selection, window, zone) << '\n';
    text.totals(feed.totals, 0);
    for (const TransactionFeed::Day& day : feed.days) {
        context.out << '\n'
                    << dayText(day.id, zone) << "  spent " << text.flow(day.totals.spent).trimmed()
                    << ", received " << text.flow(day.totals.received).trimmed() << '\n';
        text.entries(day.entries);
    }
    return 0;
}

} // namespace tallyra::cli
