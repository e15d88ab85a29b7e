#pragma once

// The plan commands of tallyra-cli. Reading (the ledger as LedgerSession
// opens it, today and the month start day of the run):
//
//   plans                        every budget with its current month and
//                                status, saving goal, balance goal and
//                                challenge, each list in the plans' order
//   budget NAME [--offset K]     a budget's detail for the month K back
//   goal NAME                    a saving or balance goal's detail
//   challenge NAME               a challenge's calendar, slips and streak
//
// Writing (one write of the catalog writer's plan writer, so its checks
// and messages; amounts in the main currency; dates YYYY-MM-DD, stored at
// the start of that day in the run's zone):
//
//   budget add NAME --limit X --categories "PATH, PATH" [--emoji E]
//   goal add saving NAME --target X [--monthly Y] [--assigned Z]
//       [--deadline D] [--account A] [--emoji E]
//   goal add balance NAME --mode reachBy|stayAbove --amount X
//       (--accounts "A, B" | --all-accounts) [--deadline D] [--emoji E]
//   challenge add NAME --category PATH --start D --end D [--emoji E]
//   plan edit NAME [--name NEW] [the options of its kind; --deadline none
//       clears a deadline]
//   plan delete NAME
//
// A NAME that names no plan of that kind exits 1 with "There is no budget
// named “X”." (goal, challenge alike).

#include "command.h"

namespace tallyra::cli {

int runPlans(CommandContext& context, QStringList arguments);
int runBudget(CommandContext& context, QStringList arguments);
int runGoal(CommandContext& context, QStringList arguments);
int runChallenge(CommandContext& context, QStringList arguments);
int runPlan(CommandContext& context, QStringList arguments);

// The write halves of budget, goal and challenge ("add" …).
int runBudgetAdd(CommandContext& context, QStringList arguments);
int runGoalAdd(CommandContext& context, QStringList arguments);
int runChallengeAdd(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
