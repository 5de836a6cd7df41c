// The lunar calendar of the birth forms (lunar years 1900 … 2100): conversion between solar and
// lunar dates and the lengths of lunar months and years. Pure computation over the built-in year
// table; the calendar window keeps a separate table of its own.
#pragma once

#include <QDate>

struct LunarDate {
    int Year = 0;    // the solar year in which the lunar year's first month begins
    int Month = 0;   // 1 … 12
    int Day = 0;     // 1 … 30
    bool IsLeap = false;  // the leap month that follows the normal month of the same number

    // All zero is the "no date" value.
    bool isNull() const { return Year == 0 && Month == 0 && Day == 0 && !IsLeap; }
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The normal month (1 … 12) that the year's leap month follows; 0 when the year has none.
int LeapMonthOf(int year);
// 0 without a leap month, else 29 or 30 (the length is kept in the next year's word).
int LeapMonthDays(int year);
// 29 or 30. A month number below 2 reads month 1.
int LunarMonthDays(int year, int month);
// 348 + one day per 30-day normal month + the leap month's days.
int LunarYearDays(int year);

// Lunar date of a solar day 1900-01-31 … 2100-12-31; the all-zero date outside.
LunarDate SolarToLunar(const QDate& date);

// Whether LunarToSolar accepts the date: lunar years 1901 … 2099 only, and a day that exists in
// its month (a leap flag only for the year's leap month). Month and day below 1 are not checked;
// the forms never offer them.
bool IsValidLunarDate(const LunarDate& d);

// Solar day of a lunar date; QDate(1, 1, 1) when the date is not valid.
QDate LunarToSolar(const LunarDate& d);
