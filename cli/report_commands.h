#pragma once

// The report commands of tallyra-cli, each over the period chosen with
// --period LENGTH [--offset K] (default: the settings' default period):
//
//   overview                              the whole overview report
//   categories [--mode expenses|income|transfers]
//                                         the category tree of the elapsed
//                                         part of the period
//   category-detail (--category PATH | --uncategorized expense|income|transfer
//                    | --transfer-group NAME) [--prefer-months]
//   sections [--archived]                 the accounts list (no period)
//   account-detail ACCOUNT                one account over the period, with
//                                         its credit summary for a card or loan
//   feed [--filter all|expenses|income|transfers] [--account A]
//        [--category PATH [--alone]] [--uncategorized] [--search TEXT]
//                                         the transaction list of the whole
//                                         period, newest day first
//
// With --json each prints its report value (report_json.h); without, text
// for a terminal.

#include "command.h"

namespace tallyra::cli {

int runOverview(CommandContext& context, QStringList arguments);
int runCategories(CommandContext& context, QStringList arguments);
int runCategoryDetail(CommandContext& context, QStringList arguments);
int runSections(CommandContext& context, QStringList arguments);
int runAccountDetail(CommandContext& context, QStringList arguments);
int runFeed(CommandContext& context, QStringList arguments);

} // namespace tallyra::cli
