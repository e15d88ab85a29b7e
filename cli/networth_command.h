#pragma once

// tallyra-cli networth [--at YYYY-MM-DD]
//
// Net worth at the end of that day in the --tz zone, or now when --at is
// left out (with --today: at the end of that day): the balances of every
// account that is not archived, converted into the main currency with the
// run's rates; debts count as negative balances. Accounts in a currency
// without a rate add nothing and are named on stderr.
// With --json a Money {"minor": n, "currency": "XXX"}.

#include "command.h"

namespace tallyra::cli {

int runNetWorth(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
