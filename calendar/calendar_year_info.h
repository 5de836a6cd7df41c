// The compact tables behind the calendar window's day annotations, for the solar years 1901 … 2050,
// and the lunar day code read from them. They are separate from the lunar table of the birth forms
// (lunar_table.h); the two agree on every day except in 1906 and 1914, where the birth forms' table
// keeps its historical error.
#pragma once

#include <QDate>
#include <array>
#include <cstdint>

inline constexpr int kCalendarFirstYear = 1901;
inline constexpr int kCalendarLastYear = 2050;
inline constexpr int kCalendarYearCount = kCalendarLastYear - kCalendarFirstYear + 1;

// One entry per solar year, b0 b1 b2 b3 from the high byte down:
//   b0 bit 7     the lunar month in progress on 1 January is 腊月 (12) when set, 冬月 (11) when clear
//   b0 bits 6-0  the lunar day of 1 January
//   b1 b2        bit 15 − k set: the k-th month of the year's sequence has 30 days, else 29
//   b3           the month after which this sequence has its leap month; 0 for none
extern const std::array<std::uint32_t, kCalendarYearCount> CalendarYearInfo;

// 12 bytes per solar year (index (year − 1901) × 12 + month − 1): high nibble h puts the month's
// first solar term on day 15 − h, low nibble l its second term on day 15 + l (Beijing time).
extern const std::array<std::uint8_t, kCalendarYearCount * 12> CalendarTermDays;

// Lunar month × 100 + lunar day, negated for a day of a leap month (闰二月初一 is −201); 0 for a
// date outside 1901 … 2050 or an invalid one.
int CalendarLunarCode(const QDate& date);
