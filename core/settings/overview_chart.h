#pragma once

// OverviewChart: which chart the overview screen shows. Stored and encoded
// by its raw value ("spending", "incomeAndSpending", "cashFlow",
// "netWorth"); labels come from the application's string table.

#include <optional>

#include <QList>
#include <QString>

namespace tallyra {

enum class OverviewChart
{
    spending,
    incomeAndSpending,
    cashFlow,
    netWorth,
};

[[nodiscard]] QString rawValue(OverviewChart chart);
[[nodiscard]] std::optional<OverviewChart> overviewChartFromRaw(QStringView raw);
// Every case in declaration order.
[[nodiscard]] const QList<OverviewChart>& allOverviewCharts();
// "Spending", "Income & Spending", "Cash Flow", "Net Worth", translated.
[[nodiscard]] QString label(OverviewChart chart);

} // namespace tallyra
