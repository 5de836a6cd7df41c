// The section "【音形义分析】" that both name reports print after their own lines: the pinyin with
// tones, the 音形义 score, each character's gloss and the finding of each check.
#pragma once

#include <QString>
#include <QStringList>

// sexText: "男", "女" or anything else for a sex not given. Quiet: when the dictionary cannot be
// read the section is left out, since the report above it is complete without it.
QStringList qualitySectionLines(const QString& surname, const QString& givenName, const QString& sexText);
