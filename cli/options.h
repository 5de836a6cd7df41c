// "--name value" options of the commands that take a whole input form (bazi, pillars, …).
#pragma once

#include "cli/command.h"
#include "data/birth_info.h"
#include "data/expected.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// Reads args as pairs "--name value" (or "--name=value"), each name one of `allowed` (given without
// the dashes). The map holds the names given, without dashes, with their values exactly as given;
// an empty value is allowed. The error text names the fault: an unknown or repeated option, an
// option without a value, or an argument that is no option.
Expected<QMap<QString, QString>, QString> parseOptions(const QStringList& args, const QStringList& allowed);

// Writes the fault (if any) and the synopsis to standard error; returns kExitUsage.
int usage(CliStreams io, const char* synopsis, const QString& fault = QString());

// The integer of an argument, blanks around it allowed; none when it is no integer.
std::optional<int> integer(const QString& text);

// The birth inputs among the options ("sex", "calendar", "year", "month", "day", "hour", "minute",
// "place", "longitude", "zi" late|early), with the defaults of a birth row for what is left out; the
// values are taken as given.
BirthInfo birthFromOptions(const QMap<QString, QString>& options);

// The years the calendar tables of the birth forms cover, as their year boxes offer them.
inline constexpr int kFirstTableYear = 1900;
inline constexpr int kLastTableYear = 2100;

// What is wrong with a number argument outside first … last: "NAME must be FIRST … LAST"; empty
// when text is an integer within the range.
QString rangeFault(const QString& name, const QString& text, int first, int last);

// What is wrong with the birth options given (sex, calendar, year, month, day, hour, minute, zi)
// that no birth row can hold: an unknown sex, calendar or 子-hour school, a year outside the tables, a month, day, hour
// or minute out of range. Empty when nothing is; a box that is no number at all is left to the
// report, which names it in its own words.
QString birthOptionsFault(const QMap<QString, QString>& options);
