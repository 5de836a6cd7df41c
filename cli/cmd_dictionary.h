#pragma once

#include "cli/command.h"

int runStrokes(const QStringList& args, CliStreams io);
int runGrids(const QStringList& args, CliStreams io);
