#include "settings/overview_chart.h"

#include <QCoreApplication>

namespace tallyra {

QString rawValue(OverviewChart chart)
{
    switch (chart) {
    case OverviewChart::spending:
        return QStringLiteral("spending");
    case OverviewChart::incomeAndSpending:
        return QStringLiteral("incomeAndSpending");
    case OverviewChart::cashFlow:
        return QStringLiteral("cashFlow");
    case OverviewChart::netWorth:
        return QStringLiteral("netWorth");
    }
    return {};
}

std::optional<OverviewChart> overviewChartFromRaw(QStringView raw)
{
    for (OverviewChart chart : allOverviewCharts())
        if (rawValue(chart) == raw)
            return chart;
    return std::nullopt;
}

const QList<OverviewChart>& allOverviewCharts()
{
    static const QList<OverviewChart> all{OverviewChart::spending, OverviewChart::incomeAndSpending,
                                          OverviewChart::cashFlow, OverviewChart::netWorth};
    return all;
}

QString label(OverviewChart chart)
{
    switch (chart) {
    case OverviewChart::spending:
        return QCoreApplication::translate("OverviewChart", "Spending");
    case OverviewChart::incomeAndSpending:
        return QCoreApplication::translate("OverviewChart", "Income & Spending");
    case OverviewChart::cashFlow:
        return QCoreApplication::translate("OverviewChart", "Cash Flow");
    case OverviewChart::netWorth:
        return QCoreApplication::translate("OverviewChart", "Net Worth");
    }
    return {};
}

} // namespace tallyra
