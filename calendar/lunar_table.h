// The built-in year table behind the lunar calendar of the birth forms: one 16-bit word per lunar
// year 1900 … 2100.
//
//   bits 15 … 4   months 1 … 12 (bit 15 is month 1): 1 = 30 days, 0 = 29 days
//   bits 3 … 0    the normal month that the year's leap month follows; 0 = no leap month;
//                 15 = no leap month, and the leap month of the year before has 30 days
#pragma once

#include <cstdint>

inline constexpr int kLunarFirstYear = 1900;
inline constexpr int kLunarLastYear = 2100;

// The word of a lunar year; 0 (twelve 29-day months, no leap) outside 1900 … 2100, so that no
// caller ever reads beyond the table.
std::uint16_t LunarYearWord(int year);
