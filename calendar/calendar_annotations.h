// The annotations of the calendar window's days: lunar month and day, festivals, solar terms, the
// year's animal and the Western sign, all read from the compact tables of calendar_year_info.h.
// For a date outside 1901 … 2050 every text that needs those tables is empty.
#pragma once

#include <QDate>
#include <QString>

// 正 二 … 十 冬 腊 for months 1 … 12; empty text for any other number.
QString CalendarMonthName(int month);
// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十; empty text for any other day.
QString CalendarDayName(int day);
// 子鼠 丑牛 … 亥猪 by cycle position 0 … 11 (wrapped).
QString CalendarAnimalName(int position);

// 正月, 冬月, 腊月 …; a leap month as 闰 + the bare month name (闰二).
QString CalendarMonthText(const QDate& date);
// The lunar day's name.
QString CalendarDayText(const QDate& date);
// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节, or 除夕 on the day before 正月初一.
QString LunarFestivalOf(const QDate& date);
// The solar festival of day `day` of the month of `date` (both given, as the window draws by day).
QString SolarFestivalOf(int day, const QDate& date);
// The solar term that falls on the date (China's time zone), else empty text.
QString TermNameOf(const QDate& date);
// Branch and animal of the year; the animal changes on 正月初一, not on 1 January.
QString ZodiacOfDate(const QDate& date);
// The Western sign of day `day` of the month of `date`, by the calendar window's own day ranges.
QString SignOfDay(int day, const QDate& date);

// 28 … 31.
int DaysInMonth(const QDate& date);
// The date, with the day lowered to the month's last day when it is larger (31 February → 28 or 29).
QDate ClampedDate(int year, int month, int day);
