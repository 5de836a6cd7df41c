#pragma once

#include "cli/command.h"

int runScore(const QStringList& args, CliStreams io);
int runAnalyse(const QStringList& args, CliStreams io);
int runNameReport(const QStringList& args, CliStreams io);
