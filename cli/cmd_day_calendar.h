// The day commands: the calendar window's annotations of a range of days, one month as the window
// draws it, and the almanac entry of a day.
//
// Entries for commands():
//     {"calendar-day", "FROM [TO]", "the calendar window's annotations of each day FROM … TO (YYYY-MM-DD)", runCalendarDay},
//     {"calendar", "YYYY-MM", "one month as the calendar window draws it", runCalendarMonth},
//     {"almanac", "YYYY-MM-DD", "the almanac entry of a day, as the almanac window shows it", runAlmanac},
#pragma once

#include "cli/command.h"

int runCalendarDay(const QStringList& args, CliStreams io);
int runCalendarMonth(const QStringList& args, CliStreams io);
int runAlmanac(const QStringList& args, CliStreams io);
