#include <QJsonObject>

#include "cli_options.h"
#include "ledger_session.h"
#include "report_commands.h"
#include "report_json.h"
#include "report_support.h"
#include "report_text.h"
#include "reports/category_breakdown.h"
#include "reports/category_detail.h"
#include "value_json.h"

namespace tallyra::cli {

namespace {

// The transfer group with that displayed name ("To Savings", "Card
// Payments", "Card → Cash").
TransferGroup findTransferGroup(const LedgerIndex& index, const QString& wanted)
{
    std::vector<TransferGroup> candidates{TransferGroup::cardPayments()};
    for (const Account& a : index.accounts()) {
        candidates.push_back(TransferGroup::toAccount(a.id));
        candidates.push_back(TransferGroup::fromAccount(a.id));
        for (const Account& b : index.accounts())
            if (a.id != b.id)
                candidates.push_back(TransferGroup::between(a.id, b.id));
    }
    for (const TransferGroup& group : candidates)
        if (name(group, index) == wanted)
            return group;
    throw UsageError(QStringLiteral("No transfer group is named “%1”.").arg(wanted));
}

CategoryScope takeScope(QStringList& arguments, const LedgerIndex& index)
{
    const auto category = takeOption(arguments, QStringLiteral("--category"));
    const auto uncategorized = takeOption(arguments, QStringLiteral("--uncategorized"));
    const auto group = takeOption(arguments, QStringLiteral("--transfer-group"));
    if (int(category.has_value()) + int(uncategorized.has_value()) + int(group.has_value()) != 1)
        throw UsageError(
            QStringLiteral("category-detail needs one of --category PATH, --uncategorized KIND or "
                           "--transfer-group NAME."));
    if (category)
        return CategoryScope::category(findCategory(index, *category));
    if (uncategorized) {
        const auto kind = enumFromRaw<EntryKind>(*uncategorized);
        if (!kind)
            throw UsageError(
                QStringLiteral("--uncategorized expects expense, income or transfer, not “%1”.")
                    .arg(*uncategorized));
        return CategoryScope::uncategorized(*kind);
    }
    return CategoryScope::transfers(findTransferGroup(index, *group));
}

// The mode a scope belongs to: its category's kind, the uncategorized
// kind, or transfers.
CategoryMode modeOf(const CategoryScope& scope, const LedgerIndex& index)
{
    if (const CategoryId* id = scope.categoryID())
        return categoryMode(toEntryKind(index.category(*id)->kind));
    if (const EntryKind* kind = scope.uncategorizedKind())
        return categoryMode(*kind);
    return CategoryMode::transfers;
}

Money modeTotal(const PeriodTotals& totals, CategoryMode mode)
{
    switch (mode) {
    case CategoryMode::expenses:
        return totals.spent;
    case CategoryMode::income:
        return totals.received;
    case CategoryMode::transfers:
        break;
    }
    return totals.moved;
}

} // namespace

int runCategories(CommandContext& context, QStringList arguments)
{
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodSelection selection = takePeriod(arguments, session);
    const auto modeText = takeOption(arguments, QStringLiteral("--mode"));
    expectNoArgumentsLeft(arguments, QStringLiteral("categories"));
    const std::optional<CategoryMode> mode =
        modeText ? enumFromRaw<CategoryMode>(*modeText) : std::optional(CategoryMode::expenses);
    if (!mode)
        throw UsageError(QStringLiteral("--mode expects expenses, income or transfers, not “%1”.")
                             .arg(*modeText));

    const PeriodEngine engine = session.periodEngine();
    const PeriodWindow window = engine.window(selection);
    const LedgerIndex& index = session.index();
    const CategoryBreakdown breakdown = categoryBreakdown(index, window.elapsedInterval(), *mode);
    if (context.options.json) {
        printJson(context.out, ReportJson(index, session.zone()).breakdown(breakdown));
        return 0;
    }
    ReportText text(index, session.zone(), context.display, context.out);
    context.out << title(*mode) << ' ' << periodHeading(selection, window, session.zone()) << '\n';
    text.flowLine(amountLabel(*mode), breakdown.total, 0);
    if (breakdown.uncounted > 0)
        context.out << breakdown.uncounted << " transactions not counted: no rate\n";
    context.out << '\n';
    if (breakdown.nodes.empty())
        context.out << "  (none)\n";
    text.tree(breakdown.nodes);
    return 0;
}

int runCategoryDetail(CommandContext& context, QStringList arguments)
{
    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    const PeriodSelection selection = takePeriod(arguments, session);
    const bool preferMonths = takeFlag(arguments, QStringLiteral("--prefer-months"));
    const LedgerIndex& index = session.index();
    const CategoryScope scope = takeScope(arguments, index);
    expectNoArgumentsLeft(arguments, QStringLiteral("category-detail"));

    const PeriodEngine engine = session.periodEngine();
    const PeriodWindow window = engine.window(selection);
    const Money whole = modeTotal(totals(index, window.elapsedInterval()), modeOf(scope, index));
    const CategoryDetail detail =
        categoryDetail(index, engine, scope, selection, whole, preferMonths);
    const ReportJson json(index, session.zone());
    if (context.options.json) {
        printJson(context.out, json.categoryDetail(detail));
        return 0;
    }
    const QTimeZone& zone = session.zone();
    ReportText text(index, zone, context.display, context.out);
    const QJsonObject id = json.scope(scope);
    context.out << id.begin().value().toString() << ' ' << periodHeading(selection, window, zone)
                << '\n';
    text.flowLine(QStringLiteral("Total (%1 transactions)").arg(detail.count), detail.total, 0);
    text.flowLine(QStringLiteral("Same days before"), detail.comparisonTotal, 0);
    if (detail.average)
        text.flowLine(QStringLiteral("Average per complete ") +
                          ReportJson::granularityName(detail.granularity),
                      *detail.average, 0);
    context.out << "Share of " << title(modeOf(scope, index)).toLower() << ": "
                << text.share(detail.share) << '\n';
    if (detail.uncounted > 0)
        context.out << detail.uncounted << " transactions not counted: no rate\n";
    context.out << "\nBy " << ReportJson::granularityName(detail.granularity) << '\n';
    for (const CategoryDetail::Bar& bar : detail.bars)
        context.out << "  " << dayText(bar.interval.start, zone) << "  " << text.flow(bar.amount)
                    << (bar.isComplete ? "" : "  (partial)") << '\n';
    context.out << "\nRecent\n";
    text.entries(detail.recent);
    return 0;
}

} // namespace tallyra::cli
