// The calendar commands: lunar and solar dates, the zodiac sign, the bone weight, the solar terms,
// the four pillars and the bazi report.
//
// Entries for commands():
//     {"lunar", "YYYY-MM-DD", "lunar year, month, day, leap flag (0/1) and text of a solar day", runLunar},
//     {"solar", "YEAR MONTH DAY [leap]", "the solar day of a lunar date (0001-01-01 when there is none)", runSolar},
//     {"sign", "YYYY-MM-DD", "the Western zodiac sign of a solar day", runSign},
//     {"bone", "YEAR MONTH DAY HOUR", "the bone-weight lines of a lunar date and clock hour", runBone},
//     {"terms", "YEAR", "the 24 solar terms of a year, 小寒 … 冬至, with their moments", runTerms},
//     {"pillars", "--date YYYY-MM-DD [--hour H] [--minute M] [--sex 男|女] [--place P] [--longitude DEG] [--zi late|early]",
//      "four pillars, luck direction, start age, luck pillars, conception pillar", runPillars},
//     {"bazi", "--surname S --given G [--sex 男|女] [--calendar 公历|农历] [--year Y] [--month M] [--day D] "
//              "[--hour \"午 12\"] [--minute 0]",
//      "the report of the bazi page, line by line", runBazi},
#pragma once

#include "cli/command.h"

int runLunar(const QStringList& args, CliStreams io);
int runSolar(const QStringList& args, CliStreams io);
int runSign(const QStringList& args, CliStreams io);
int runBone(const QStringList& args, CliStreams io);
int runTerms(const QStringList& args, CliStreams io);
int runPillars(const QStringList& args, CliStreams io);
int runBazi(const QStringList& args, CliStreams io);
