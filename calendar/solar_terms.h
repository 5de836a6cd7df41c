// The true moments of the 24 solar terms: the instants at which the Sun's apparent geocentric
// longitude reaches 285° + 15° × index (小寒 285°, 立春 315°, 春分 0°, … 冬至 270°). Computed
// from the Earth's VSOP87 series with nutation, aberration and the FK5 correction, found by
// iteration in dynamical time and brought to clock time with ΔT.
#pragma once

#include "solar_term_names.h"

#include <QDate>
#include <QDateTime>
#include <array>

// The ecliptic longitude, in degrees, that marks term 0 … 23.
double SolarTermLongitude(int index);

// Julian ephemeris day (TT) of term `index` of the calendar year `year`; 小寒 of year Y falls in
// early January of Y.
double SolarTermJde(int year, int index);

// The same moment in Beijing time (UTC+8), rounded to the nearest second. An index outside
// 0 … 23 gives an invalid QDateTime.
QDateTime AstronomicalTermMoment(int year, int index);

// The Beijing calendar day of that moment.
QDate AstronomicalTermDate(int year, int index);

// The days of all 24 terms of a year, in index order.
std::array<QDate, kSolarTermCount> AstronomicalTermDates(int year);
