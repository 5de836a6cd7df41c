// The number fortunes: a QQ number or any number is reduced to a key 0 … 80 and read from the
// program's own table; a mobile number is reduced to a key 1 … 79 that names a row of `shouji`.
#pragma once

#include "data/expected.h"

#include <QString>

// The three values a number window shows under 状态, 吉凶 and 具体表现.
struct NumberFortune {
    QString state, luck, detail;
    bool operator==(const NumberFortune&) const = default;
};

// The table entry of the number's key as "reading|luck|personality"; "对不起,此号不在分解之类。"
// for a key outside 0 … 80 (only a negative number can leave it).
QString NumberReading(qint64 number);
// The same for a number as typed; the message when the text is not a 64-bit integer.
Expected<QString, QString> NumberReading(const QString& numberText);

// Splits an entry at its first and second "|"; an entry without "|" is all detail.
NumberFortune splitNumberReading(const QString& entry);

// The test of the QQ window (qq true) or of the any-number window: the fortune of the trimmed
// input, or the window's message for an empty input or a text that is no integer.
Expected<NumberFortune, QString> numberFortune(const QString& input, bool qq);

// The key of a mobile number: its digits from the 8th on, modulo 80, as decimal text; empty when
// there are fewer than eight characters, when they are not digits, or when the value is a
// multiple of 80.
QString shoujiinfostr(const QString& number);

// The test of the mobile window. Key 0 (empty) is "超吉" without a query; every other key reads its
// row of `shouji` in dream.dll (empty values when there is none). An empty input, anything but
// ASCII digits, or other than 11 digits gives its message and no reading.
// Abandons the action (ActionAbandoned) when the file cannot be read.
Expected<NumberFortune, QString> mobileFortune(const QString& input);
