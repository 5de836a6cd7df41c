// The net-name personality test: a nickname spelled in first letters, digits read as letters,
// and the last letter picks a short personality text.
#pragma once

#include "data/expected.h"

#include <QString>

// The trait of a letter a … z (either case), as stored; empty for anything else.
QString NetNameTrait(QChar letter);

// The trait of a nickname, empty when none applies (an empty nickname, or one whose spelling ends
// in a character that has no syllable).
QString NetNamePersonality(const QString& nickname);

// The two lines of the window: "你的网名：…" and "你的性格：…", or the message for an empty input.
struct NetNameLines {
    QString name, personality;
};
Expected<NetNameLines, QString> netNameTest(const QString& input);
