#pragma once

#include "cli/command.h"

int runNumber(const QStringList& args, CliStreams io);
int runQq(const QStringList& args, CliStreams io);
int runMobile(const QStringList& args, CliStreams io);
int runLove(const QStringList& args, CliStreams io);
int runGbStrokes(const QStringList& args, CliStreams io);
int runInitials(const QStringList& args, CliStreams io);
int runNetName(const QStringList& args, CliStreams io);
int runWuxing(const QStringList& args, CliStreams io);
