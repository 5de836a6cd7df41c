#pragma once

#include "cli/command.h"

int runListNames(const QStringList& args, CliStreams io);
int runIdioms(const QStringList& args, CliStreams io);
