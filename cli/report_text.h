#pragma once

// The plain-text output of the report commands: the one place that decides
// how amounts (through the run's MoneyDisplay, so --hide-cents and
// --hide-balances apply), days, shares and columns look, and the pieces
// several commands print: transaction lines, category trees, totals.
//
// Balances (net worth, what an account holds) are masked when balances are
// hidden; what flowed (transactions, totals, spending) never is.
//
// Thread safety: main thread of tallyra-cli.

#include <vector>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTextStream>
#include <QTimeZone>

#include "display/money_display.h"
#include "model/entry.h"
#include "periods/period_selection.h"
#include "periods/period_window.h"
#include "reports/category_breakdown.h"
#include "reports/ledger_index.h"
#include "reports/period_totals.h"

namespace tallyra::cli {

// "1M (calendar): 2026-11-01 … 2026-11-30", with ", 2 back" for an offset.
[[nodiscard]] QString periodHeading(const PeriodSelection& selection, const PeriodWindow& window,
                                    const QTimeZone& zone);

// The calendar day of the instant in the zone, "2026-11-30".
[[nodiscard]] QString dayText(const QDateTime& instant, const QTimeZone& zone);
[[nodiscard]] QString dayText(const QDate& day);
// Text padded (or cut) to a column of `width` characters.
[[nodiscard]] QString leftColumn(const QString& text, int width);
[[nodiscard]] QString rightColumn(const QString& text, int width);

class ReportText final
{
public:
    ReportText(const LedgerIndex& index, const QTimeZone& zone, const MoneyDisplay& display,
               QTextStream& out)
        : m_index(index), m_zone(zone), m_display(display), m_out(out)
    {
    }

    // An amount that flowed, and a balance, right-aligned in the amount column.
    [[nodiscard]] QString flow(const Money& amount) const;
    [[nodiscard]] QString balance(const Money& amount) const;
    // A fraction 0…1 as a percentage in the display's language.
    [[nodiscard]] QString share(double share) const;

    // "2026-11-30 08:32  expense     90.00 UAH  One Love Coffee · Food/Coffee · Monobank Black"
    void entry(const Entry& entry, int indent = 2);
    void entries(const std::vector<Entry>& entries, int indent = 2);
    // One line per node, children indented under their parent.
    void tree(const std::vector<CategoryNode>& nodes, int indent = 2);
    // Income, spending and transfers with their counts, and the transactions
    // left out for lack of a rate.
    void totals(const PeriodTotals& totals, int indent = 2);
    // "label                 ₴120.50", as a flow or as a balance.
    void flowLine(const QString& label, const Money& amount, int indent = 2);
    void balanceLine(const QString& label, const Money& amount, int indent = 2);

private:
    void line(const QString& label, const QString& amount, int indent);

    const LedgerIndex& m_index;
    QTimeZone m_zone;
    const MoneyDisplay& m_display;
    QTextStream& m_out;
};

} // namespace tallyra::cli
