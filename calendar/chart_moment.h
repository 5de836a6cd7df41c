// The moment a chart is cast on. Without a birthplace it is the clock time as entered, taken as
// Beijing time. With one, the day and hour pillars are cast on the true solar time there, while
// the month and the year, which the solar terms open, compare the birth's instant in Beijing
// standard time with the terms' moments, also written in Beijing time: both sides of that
// comparison are the same clock, so the place never moves a term.
#pragma once

#include "birth_place.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <optional>

struct ChartMoment {
    QDateTime beijing;  // the birth's instant in Beijing standard time (UTC+8)
    QDate date;         // the date and time of day that the day and hour pillars are cast on
    QTime time;
    std::optional<BirthLongitude> place;  // where the birth took place, when given
    bool earlyZi = false;                 // 23:00 … 23:59 opens the next day's pillar too (早子时)
};

// The clock time as entered, no birthplace.
ChartMoment ClockChartMoment(const QDate& date, const QTime& clockTime, bool earlyZi = false);

// The true solar time at the place (summer time of 1986–1991 taken off first).
ChartMoment TrueSolarChartMoment(const QDate& date, const QTime& clockTime, const BirthLongitude& place,
                                 bool earlyZi = false);

// One of the two, as the place is given or not.
ChartMoment ChartMomentAt(const QDate& date, const QTime& clockTime, const std::optional<BirthLongitude>& place,
                          bool earlyZi = false);

// "出生地：乌鲁木齐市  经度 87.62°E  真太阳时：09:47", the line under the birth line of the
// reports; empty without a place. A longitude typed without a place shows "出生地：未填".
QString TrueSolarTimeLine(const ChartMoment& moment);
