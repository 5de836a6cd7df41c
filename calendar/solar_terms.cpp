#include "solar_terms.h"

#include "beijing_time.h"
#include "delta_t.h"
#include "sun_longitude.h"

#include <cmath>

namespace {

constexpr double kTropicalYearDays = 365.2422;
constexpr double kSecondsPerDay = 86400;

// Signed difference a − b of two longitudes, in −180 … 180 degrees.
double longitudeDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
}

// Julian day of 0h on 1 January of a year.
double newYearJulianDay(int year) { return double(QDate(year, 1, 1).toJulianDay()) - 0.5; }

}  // namespace

double SolarTermLongitude(int index) { return std::fmod(285.0 + 15.0 * index, 360.0); }

double SolarTermJde(int year, int index)
{
    const double target = SolarTermLongitude(index);
    // 小寒 comes about 5 days into the year and the terms follow each other by about 15.2 days;
    // the Sun's uneven speed puts this guess at most a few days off, which the iteration removes.
    double jde = newYearJulianDay(year) + 5 + index * kTropicalYearDays / kSolarTermCount;
    for (int i = 0; i < 30; ++i) {
        // The Sun's mean rate stands in for its true one: each step shrinks the error by a
        // factor of about thirty, so a handful of steps reaches a few milliseconds.
        const double step = longitudeDifference(target, ApparentSolarLongitude(jde)) * kTropicalYearDays / 360;
        jde += step;
        if (std::abs(step) < 1e-8) break;
    }
    return jde;
}

QDateTime AstronomicalTermMoment(int year, int index)
{
    if (index < 0 || index >= kSolarTermCount) return {};
    const double jde = SolarTermJde(year, index);
    const double decimalYear = year + (jde - newYearJulianDay(year)) / 365.25;
    const double jdUt = jde - DeltaTSeconds(decimalYear) / kSecondsPerDay;

    // Beijing civil days begin at JD x.5 − 8 h; count whole seconds from the start of that day.
    const double jdBeijing = jdUt + 0.5 + 8.0 / 24;
    const double dayNumber = std::floor(jdBeijing);
    const qint64 seconds = std::llround((jdBeijing - dayNumber) * kSecondsPerDay);
    const QDate day = QDate::fromJulianDay(qint64(dayNumber));
    return BeijingMoment(day, QTime(0, 0)).addSecs(seconds);
}

QDate AstronomicalTermDate(int year, int index) { return AstronomicalTermMoment(year, index).date(); }

std::array<QDate, kSolarTermCount> AstronomicalTermDates(int year)
{
    std::array<QDate, kSolarTermCount> days;
    for (int i = 0; i < kSolarTermCount; ++i) days[i] = AstronomicalTermDate(year, i);
    return days;
}
