// True solar time: the time of day that the Sun gives at the birthplace, which a chart reader
// casts on. From the clock time of a birth form:
//   1. standard time: China's clocks ran an hour ahead in the summers of 1986–1991; the system's
//      time-zone database for Asia/Shanghai says when, and the hour is taken off;
//   2. local mean time: + (longitude − 120°) × 4 minutes, as the clocks keep the time of 120°E;
//   3. true solar time: + the equation of time, the Sun's lead on or lag behind its mean motion
//      (−14 … +16 minutes over the year), from our own solar position.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The moment of a clock time in China, as Beijing standard time (UTC+8, no daylight saving). A
// clock time that the change to summer time skipped is read as standard time.
QDateTime StandardBeijingTime(const QDate& date, const QTime& clockTime);

// The equation of time (apparent minus mean solar time) at a moment, in minutes.
double EquationOfTimeMinutes(const QDateTime& moment);

struct TrueSolarTime {
    QDateTime standardTime;           // step 1, at UTC+8
    double longitudeMinutes = 0;      // step 2
    double equationMinutes = 0;       // step 3
    QDate date;                       // the true solar date and time at the place, to the minute
    QTime time;
};

// longitude: degrees east (negative west).
TrueSolarTime TrueSolarTimeAt(const QDate& date, const QTime& clockTime, double longitude);
