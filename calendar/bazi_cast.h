// Casting the four pillars of a solar birth moment.
//
// The month and the year are those opened by the latest month-opening term (节) at or before the
// birth moment, as the solar-term table JQ records it. Only when the table cannot be read, or
// holds no 节 within a month before the birth, do the fixed 节 dates decide (4 February for the
// year, the table of FixedMonthBranch for the month, one day earlier when the birth comes before
// a 节 of the table on its own day). The start age uses the mean-term clock of term_formula.h.
#pragma once

#include "bazi_chart.h"

#include "data/expected.h"

#include <QString>

// The message shown for a day that no month has (30 February, 31 April, …).
QString BaziInputMessage();  // "请检查输入数据是否出错！"

// year, month, day: the solar birth date; hour 0 … 23, minute 0 … 59 (Beijing time). Gives the
// chart, or BaziInputMessage() for an impossible day.
Expected<BaziChart, QString> CastBaziChart(int year, int month, int day, int hour, int minute, Sex sex);
