// places and strength: the birthplace list, and the strength of the five elements of a birth.
//
// Entries for commands():
//     {"places", "TEXT", "birthplaces whose name or pinyin begins with TEXT: name, where, longitude, latitude", runPlaces},
//     {"strength", "[--sex 男|女] [--calendar 公历|农历] [--year Y] … [--place P] [--longitude DEG] [--zi late|early]",
//      "shares of the five elements, the day master's strength and the favourable elements", runStrength},
#pragma once

#include "cli/command.h"

int runPlaces(const QStringList& args, CliStreams io);
int runStrength(const QStringList& args, CliStreams io);
