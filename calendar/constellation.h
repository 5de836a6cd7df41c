// The Western zodiac sign of a solar birth date, by fixed day ranges of the date's own year.
#pragma once

#include <QDate>
#include <QString>

// 摩羯座 … 射手座; 金牛座 carries one trailing blank ("金牛座 "), which the printed reports keep.
// An invalid date gives empty text.
QString ConstellationOf(const QDate& date);
