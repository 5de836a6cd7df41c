// The poem library and the names drawn from poems or any text.
//
// Entries for commands():
//     {"poems", "[--search TEXT]", "the dynasty/author tree: dynasty, author, au_num", runPoems},
//     {"poem-list", "--author N [--search TEXT]", "an author's poems in the list's order: d_num, title", runPoemList},
//     {"poem", "--id N", "the text of a poem", runPoem},
//     {"poem-names", "--surname S --sex 男|女 [--length 双字名|单字名] (--text TEXT | --text-file F) [--bazi "
//                    "--calendar 公历|农历 --year Y --month M --day D --hour H --minute MI] [--source]",
//      "the names of the poem naming page, lowest score first", runPoemNames},
#pragma once

#include "cli/command.h"

int runPoems(const QStringList& args, CliStreams io);
int runPoemList(const QStringList& args, CliStreams io);
int runPoem(const QStringList& args, CliStreams io);
int runPoemNames(const QStringList& args, CliStreams io);
