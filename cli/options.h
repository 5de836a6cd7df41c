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

// The birth inputs among the options ("sex", "calendar", "year", "month", "day", "hour", "minute"),
// with the defaults of a birth row for what is left out; the values are taken as given.
BirthInfo birthFromOptions(const QMap<QString, QString>& options);
