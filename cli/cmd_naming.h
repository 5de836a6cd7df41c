// The naming commands: the stroke plans of a surname and the classic high-score search.
//
// Entries for commands():
//     {"plans", "--surname S [--length 双字名|单字名] [--fixed C] [--position 第二字|第三字] [--min N | --no-min]",
//      "the stroke plans of the naming page, \"电脑全自动\" first", runPlans},
//     {"names", "--surname S --sex 男|女 [options of plans] [--plan ITEM] [--pick N | --no-pick] "
//               "[--elements 木水] [--picked | --recommend N]",
//      "the classic search: every name line in the order produced", runNames},
#pragma once

#include "cli/command.h"

int runPlans(const QStringList& args, CliStreams io);
int runNames(const QStringList& args, CliStreams io);
// list-names: a page (or --all rows) of the list or idiom mode's grid; idioms: the idiom list.
int runListNames(const QStringList& args, CliStreams io);
int runIdioms(const QStringList& args, CliStreams io);
