#include "totals_command.h"

#include <QJsonObject>

#include "display/money_display.h"
#include "ledger_session.h"
#include "periods/period_length.h"
#include "periods/period_selection.h"
#include "reports/period_totals.h"
#include "value_json.h"

namespace tallyra::cli {

namespace {

void printTotals(QTextStream& out, const MoneyDisplay& display, const QString& heading,
                 const DateInterval& interval, const PeriodTotals& totals, const QTimeZone& zone)
{
    // Totals are flows, not balances: they stay readable with balances hidden.
    const auto amount = [&display](const Money& money) {
        return display.format(money.minor, money.currency, true, MoneyDisplay::Masking::never)
            .rightJustified(22);
    };
    out << heading << ": " << instantText(interval.start, zone) << " … "
        << instantText(interval.end, zone) << '\n';
    out << "  Income     " << amount(totals.received) << "  (" << totals.incomeCount << ")\n";
    out << "  Spending   " << amount(totals.spent) << "  (" << totals.expenseCount << ")\n";
    out << "  Transfers  " << amount(totals.moved) << "  (" << totals.transferCount << ")\n";
    if (totals.withoutRate() > 0)
        out << "  " << totals.withoutRate() << " transactions not counted: no rate\n";
}

} // namespace

int runTotals(CommandContext& context, QStringList arguments)
{
    const auto lengthText = takeOption(arguments, QStringLiteral("--period"));
    const auto offsetText = takeOption(arguments, QStringLiteral("--offset"));
    if (!arguments.isEmpty())
        throw UsageError(QStringLiteral("totals: unexpected “%1”.").arg(arguments.first()));
    if (!lengthText)
        throw UsageError(QStringLiteral("totals needs --period LENGTH, such as R30D or 1M."));
    auto length = enumFromRaw<PeriodLength>(*lengthText);
    if (!length)
        throw UsageError(
            QStringLiteral("--period expects one of 1W, 1M, 3M, 6M, 1Y, MAX, R7D, R30D, R90D, R6M, "
                           "R1Y, not “%1”.")
                .arg(*lengthText));
    std::int64_t offset = 0;
    if (offsetText) {
        bool ok = false;
        offset = offsetText->toLongLong(&ok);
        if (!ok || offset < 0)
            throw UsageError(
                QStringLiteral(
                    "--offset expects a whole number of periods back (0 or more), not “%1”.")
                    .arg(*offsetText));
    }

    LedgerSession session(context.options, LedgerSession::Access::readExisting);
    if (session.periodMode())
        length = converted(*length, *session.periodMode());
    const PeriodSelection selection(*length, offset);
    const PeriodEngine engine = session.periodEngine();
    const PeriodWindow window = engine.window(selection);
    const DateInterval comparisonInterval = engine.comparisonInterval(selection);
    const LedgerIndex& index = session.index();
    const PeriodTotals current = totals(index, window.elapsedInterval());
    const PeriodTotals comparison = totals(index, comparisonInterval);

    if (context.options.json) {
        printJson(context.out, QJsonObject{
                                   {QStringLiteral("window"), windowJson(window, session.zone())},
                                   {QStringLiteral("totals"), totalsJson(current)},
                                   {QStringLiteral("comparisonInterval"),
                                    intervalJson(comparisonInterval, session.zone())},
                                   {QStringLiteral("comparison"), totalsJson(comparison)},
                               });
        return 0;
    }
    context.out << "Period " << rawValue(selection.length())
                << (selection.offset() > 0 ? QStringLiteral(", %1 back").arg(selection.offset())
                                           : QString())
                << (window.isRolling ? " (rolling)" : " (calendar)") << ": "
                << instantText(window.interval.start, session.zone()) << " … "
                << instantText(window.interval.end, session.zone()) << '\n';
    printTotals(context.out, context.display, QStringLiteral("So far"), window.elapsedInterval(),
                current, session.zone());
    printTotals(context.out, context.display, QStringLiteral("Same days before"),
                comparisonInterval, comparison, session.zone());
    return 0;
}

} // namespace tallyra::cli
