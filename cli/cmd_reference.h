// article, omen, english-names and nicknames: the reference texts and the nickname suggestions.
#pragma once

#include "cli/command.h"

int runArticle(const QStringList& args, CliStreams io);
int runOmen(const QStringList& args, CliStreams io);
int runEnglishNames(const QStringList& args, CliStreams io);
int runNicknames(const QStringList& args, CliStreams io);
