#pragma once

#include "cli/command.h"

int runDbInfo(const QStringList& args, CliStreams io);
