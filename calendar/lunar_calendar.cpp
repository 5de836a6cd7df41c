#include "lunar_calendar.h"

#include "lunar_table.h"

#include <bit>

namespace {

// Lunar 1900-01-01 is solar 1900-01-31, lunar 2000-01-01 is solar 2000-02-05.
const QDate kDayZero(1899, 12, 30);
constexpr int kFirstLunarDay = 32;      // 1900-01-31, counted from kDayZero
constexpr int kPastLastDay = 73416;     // 2101-01-01
const QDate kLunar2000Start(2000, 2, 5);

constexpr int kLeapBits = 0xF;
constexpr int kLongLeapMark = 15;

}  // namespace

int LeapMonthOf(int year)
{
    const int bits = LunarYearWord(year) & kLeapBits;
    return bits == kLongLeapMark ? 0 : bits;
}

int LeapMonthDays(int year)
{
    if (LeapMonthOf(year) == 0) return 0;
    return (LunarYearWord(year + 1) & kLeapBits) == kLongLeapMark ? 30 : 29;
}

int LunarMonthDays(int year, int month)
{
    if (month < 2) month = 1;
    // Month numbers past 16 have no bit in the word; they read as short months.
    if (month > 16) return 29;
    return (LunarYearWord(year) >> (16 - month)) & 1 ? 30 : 29;
}

int LunarYearDays(int year)
{
    const int longMonths = std::popcount(unsigned(LunarYearWord(year) & 0xFFF0));
    return 12 * 29 + longMonths + LeapMonthDays(year);
}

LunarDate SolarToLunar(const QDate& date)
{
    if (!date.isValid()) return {};
    const qint64 x = kDayZero.daysTo(date);
    if (x < kFirstLunarDay || x >= kPastLastDay) return {};

    int offset = int(x - kFirstLunarDay);
    int year = kLunarFirstYear;
    int len = 0;
    while (offset > 0) {
        len = LunarYearDays(year);
        ++year;
        offset -= len;
    }
    if (offset < 0) {
        offset += len;
        --year;
    }

    const int leap = LeapMonthOf(year);
    bool isLeap = false;
    int month = 0;
    while (offset >= 0) {
        ++month;
        len = LunarMonthDays(year, month);
        offset -= len;
        if (offset >= 0 && month == leap) {
            len = LeapMonthDays(year);
            offset -= len;
            if (offset < 0) isLeap = true;
        }
    }
    if (offset < 0) offset += len;
    return {year, month, offset + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& d)
{
    if (d.Year < kLunarFirstYear + 1 || d.Year > kLunarLastYear - 1) return false;
    if (d.Month > 12 || d.Day > 30) return false;
    if (d.IsLeap) return d.Month == LeapMonthOf(d.Year) && d.Day <= LeapMonthDays(d.Year);
    return d.Day <= LunarMonthDays(d.Year, d.Month);
}

QDate LunarToSolar(const LunarDate& d)
{
    if (!IsValidLunarDate(d)) return QDate(1, 1, 1);

    const int leap = LeapMonthOf(d.Year);
    qint64 days = 0;
    for (int m = 1; m < d.Month; ++m) days += LunarMonthDays(d.Year, m);
    if (leap != 0 && leap < d.Month) days += LeapMonthDays(d.Year);
    days += d.Day - 1;
    if (d.IsLeap && d.Month == leap) days += LunarMonthDays(d.Year, d.Month);

    for (int y = d.Year; y < 2000; ++y) days -= LunarYearDays(y);
    for (int y = 2000; y < d.Year; ++y) days += LunarYearDays(y);
    return kLunar2000Start.addDays(days);
}
