#pragma once

// The pieces of the report commands' plain-text output that several
// commands print: transaction lines, category trees, totals.
//
// Thread safety: main thread of tallyra-cli.

#include <vector>

#include <QString>
#include <QTextStream>
#include <QTimeZone>

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

class ReportText final
{
public:
    ReportText(const LedgerIndex& index, const QTimeZone& zone, QTextStream& out)
        : m_index(index), m_zone(zone), m_out(out)
    {
    }

    // "2026-11-30 08:32  expense     90.00 UAH  One Love Coffee · Food/Coffee · Monobank Black"
    void entry(const Entry& entry, int indent = 2);
    void entries(const std::vector<Entry>& entries, int indent = 2);
    // One line per node, children indented under their parent.
    void tree(const std::vector<CategoryNode>& nodes, int indent = 2);
    // Income, spending and transfers with their counts, and the transactions
    // left out for lack of a rate.
    void totals(const PeriodTotals& totals, int indent = 2);
    // "label                 120.50 UAH"
    void amountLine(const QString& label, const Money& amount, int indent = 2);

private:
    const LedgerIndex& m_index;
    QTimeZone m_zone;
    QTextStream& m_out;
};

} // namespace tallyra::cli
