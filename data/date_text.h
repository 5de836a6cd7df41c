// Dates as text, the one form used everywhere in the program: yyyy-mm-dd with "-" between the parts.
// Qt has no process-wide date format, so every page and report goes through these two functions.
#pragma once

#include "expected.h"

#include <QDate>
#include <QString>

// 1980-01-01; an invalid date prints as 0001-01-01, the value the calendar code uses for "no date".
QString dateText(const QDate& date);

// Reads year-month-day as the birth rows build it ("1980-1-1" or "1980-01-01"). The error is the
// message shown to the user when the text is no date at all or a day that does not exist.
Expected<QDate, QString> parseDateText(const QString& text);

// The same from the three boxes of a birth row; each part is trimmed first.
Expected<QDate, QString> parseDateParts(const QString& year, const QString& month, const QString& day);
