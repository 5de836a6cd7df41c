#pragma once

#include "cli/command.h"

int runCompare(const QStringList& args, CliStreams io);
