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

// The same on a chart moment (chart_moment.h): the day and hour pillars from its date and time of
// day, the month, the year, the start age and the hidden stems of year and month from its Beijing
// instant, which is what the solar terms are compared with.
//
// The 子 hour (23:00 … 0:59) belongs to the day that begins in it: from 23:00 the hour takes the
// 子-hour stem of the next day, and with earlyZi (早子时) the day pillar is the next day's too.
BaziChart CastBaziChart(const ChartMoment& moment, Sex sex);
