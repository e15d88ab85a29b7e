#pragma once

// OverviewChart: which chart the overview screen shows. Stored and encoded
// by its raw value; titles come from the application's string table.

#include "base/enum_table.h"

namespace tallyra {

enum class OverviewChart
{
    spending,
    incomeAndSpending,
    cashFlow,
    netWorth,
};

inline constexpr auto kOverviewCharts = makeEnumTable<OverviewChart>(
    {
        {OverviewChart::spending, u"spending", QT_TRANSLATE_NOOP("OverviewChart", "Spending")},
        {OverviewChart::incomeAndSpending, u"incomeAndSpending",
         QT_TRANSLATE_NOOP("OverviewChart", "Income & Spending")},
        {OverviewChart::cashFlow, u"cashFlow", QT_TRANSLATE_NOOP("OverviewChart", "Cash Flow")},
        {OverviewChart::netWorth, u"netWorth", QT_TRANSLATE_NOOP("OverviewChart", "Net Worth")},
    },
    "OverviewChart");
[[nodiscard]] constexpr const auto& enumTable(OverviewChart) noexcept
{
    return kOverviewCharts;
}

} // namespace tallyra
