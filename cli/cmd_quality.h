// quality: the 音形义 judgement of one name; and the recommended names that names, list-names and
// poem-names print with --recommend N.
//
// Entry for commands():
//     {"quality", "--surname S --given G [--sex 男|女]", "the 音形义 judgement of a name", runQuality},
#pragma once

#include "cli/command.h"
#include "data/expected.h"
#include "naming/recommended_names.h"

#include <optional>

int runQuality(const QStringList& args, CliStreams io);

// The value of --recommend: a count from 1, or the message of what is wrong with it.
Expected<int, QString> recommendCountOf(const QString& text);

// Prints the count best names of the candidates, one a line: the search's line, a tab and the
// 音形义 score. Returns the exit status (the judge's tables may be unreadable).
int printRecommended(CliStreams io, const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters,
                     const NameCandidates& candidates, int count);
