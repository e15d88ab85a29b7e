#pragma once

// tallyra-cli totals --period LENGTH [--offset K]
//
// Income, spending and transfers of one period, converted into the main
// currency with the run's rates: the part of the period's window that has
// happened (up to the end of today), next to the same days of the period
// before. LENGTH is a period length's raw value ("1W", "1M", "3M", "6M",
// "1Y", "MAX", "R7D", "R30D", "R90D", "R6M", "R1Y"); with --mode it is
// first carried over into that mode's family. K counts whole periods back
// (0, the current one, unless given).
//
// With --json {"window": {"start", "end", "elapsedEnd", "isRolling"},
// "totals": PeriodTotals, "comparisonInterval": {"start", "end"},
// "comparison": PeriodTotals}, where PeriodTotals is {"received", "spent",
// "moved" (Money), "incomeCount", "expenseCount", "transferCount",
// "incomeWithoutRate", "expensesWithoutRate", "transfersWithoutRate"}.

#include "command.h"

namespace tallyra::cli {

int runTotals(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
