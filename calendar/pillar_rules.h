// The arithmetic of the four pillars: fixed month boundaries, the year, month, day and hour
// pillars from their numbers, without any table lookup.
#pragma once

#include <QDate>

// A day above 29 in February, or day 31 in April, June, September or November.
bool IsImpossibleBirthDay(int month, int day);

// month × 100 + day, one less for a birth before the 节 of its day (see BornBeforeJieMoment).
int DateKey(int month, int day, bool bornBeforeJie);

// The month branch that the fixed 节 dates give a date key: 204 … 305 寅, 306 … 404 卯, …
// 1208 … 1231 and 101 … 105 子, 106 … 203 丑.
int FixedMonthBranch(int dateKey);

// The year whose pillar a date key of solar year Y falls in: Y from 204 (4 February) on, Y − 1
// before.
int FixedPillarYear(int year, int dateKey);

// Sexagenary number (甲子 = 0) of the year pillar of a pillar year: 1984 is 甲子.
int YearSexagenary(int pillarYear);

// The 寅 month of a year with stem s has stem 2s + 2; each later month takes the next stem.
int MonthStemFor(int yearStem, int monthBranch);

// Sexagenary number of a Gregorian day (1900-02-20 is 甲子, 2000-01-01 戊午). The time of day
// never changes it.
int DaySexagenary(const QDate& date);

// 23 and 0 are 子, 1 … 2 丑, … 21 … 22 亥. HourStemFor takes the day whose 子 hour it is: for
// 23:00 … 23:59 that is the next day (CastBaziChart).
int HourBranchOf(int hour);
int HourStemFor(int dayStem, int hourBranch);
