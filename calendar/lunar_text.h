// The three short texts in which reports print a lunar date, and the year's stem-branch pair.
//
// The all-zero "no date" (year 0, so the index 0 − 1864, month 0, day 0) prints as empty text in
// all three, so a report line shows its label with nothing after it rather than a made-up year
// or a lone "月".
#pragma once

#include <QString>

// Callers pass lunar year − 1864 (1864 is a 甲子 year): 120 prints 甲子(鼠年), 116 庚申(猴年).
// A negative index, which only the no-date value produces, prints empty text.
QString LunarYearText(int cycleIndex);

// 一月 … 十月, 十一月, 十二月, with 闰 in front for a leap month (闰四月); month 1 is 一月, not 正月.
// Month 0 (no date) prints empty text; any other number outside 1 … 12 prints only "月".
QString LunarMonthText(int month, bool leap);

// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十; empty text for any other day.
QString LunarDayText(int day);

// The stem-branch pair of a year number, such as 甲子 for 1984, as its LunarYearText begins; empty
// before 1864, where that text is.
QString YearGanzhi(int year);
