// Lookups in the character dictionary (table word of Velmora.dll) and in the stem-and-branch element
// table (hzwh of Tgcode.dll). All are quiet: a character the tables lack, or a file that cannot be
// read, gives the not-found value and the caller carries on.
#pragma once

#include <QString>

// Name-numerology stroke count of one character: by simplified form, then by traditional form;
// 0 when absent. A row whose count is 0 counts as absent.
int CharStrokes(const QString& ch);

// The first reading of one character ("、" separates several), untrimmed; empty when absent.
QString CharPinyin(const QString& ch);

// The five-element character of the hzwh run that contains ch. No row makes the output empty; a
// failing statement leaves it as it was (callers pass in empty text).
void HzwhElement(const QString& ch, QString& element);
QString HzwhElement(const QString& ch);

// The element column of a character, by simplified then traditional form; empty when absent.
QString CharElement(const QString& ch);
