#include "true_solar_time.h"

#include "beijing_time.h"
#include "delta_t.h"
#include "nutation.h"
#include "sun_longitude.h"

#include <QTimeZone>
#include <cmath>
#include <numbers>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kClockMeridian = 120.0;

double normalizedDegrees(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace

QDateTime StandardBeijingTime(const QDate& date, const QTime& clockTime)
{
    const QTimeZone china("Asia/Shanghai");
    if (!china.isValid()) return BeijingMoment(date, clockTime);  // no zone database: no summer time
    const QDateTime clock(date, clockTime, china);
    // A skipped clock time (02:00–02:59 on the first day of summer time) is standard time.
    if (!clock.isValid() || clock.time() != clockTime) return BeijingMoment(date, clockTime);
    return clock.toTimeZone(BeijingTimeZone());
}

// Meeus, Astronomical Algorithms, chapter 28: E = L0 − 0.0057183° − α + Δψ cos ε, with L0 the
// Sun's mean longitude and α its apparent right ascension. The true obliquity is the mean one plus
// 0.00256° cos Ω, which keeps α within a fraction of a second of time.
double EquationOfTimeMinutes(const QDateTime& moment)
{
    const double jdUt = kUnixEpochJulianDay + double(moment.toMSecsSinceEpoch()) / 86400000.0;
    const double year = 2000 + (jdUt - kJ2000) / 365.25;
    const double jde = jdUt + DeltaTSeconds(year) / 86400;
    const double T = (jde - kJ2000) / 36525;
    const double tau = T / 10;

    const double meanLongitude = normalizedDegrees(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau
                                                   + tau * tau * tau / 49931 - std::pow(tau, 4) / 15300
                                                   - std::pow(tau, 5) / 2000000);
    const double omega = 125.04 - 1934.136 * T;
    const double meanObliquity = 23.0 + 26.0 / 60 + 21.448 / 3600
                                 - (46.8150 * T + 0.00059 * T * T - 0.001813 * T * T * T) / 3600;
    const double obliquity = (meanObliquity + 0.00256 * std::cos(omega * kRadiansPerDegree)) * kRadiansPerDegree;
    const double lambda = ApparentSolarLongitude(jde) * kRadiansPerDegree;
    const double alpha = normalizedDegrees(
        std::atan2(std::cos(obliquity) * std::sin(lambda), std::cos(lambda)) / kRadiansPerDegree);
    const double nutation = NutationInLongitude(T) / 3600;

    double e = meanLongitude - 0.0057183 - alpha + nutation * std::cos(obliquity);
    e = std::remainder(e, 360.0);  // −180 … 180, as L0 and α may lie on either side of 0°
    return e * 4;
}

TrueSolarTime TrueSolarTimeAt(const QDate& date, const QTime& clockTime, double longitude)
{
    TrueSolarTime result;
    result.standardTime = StandardBeijingTime(date, clockTime);
    result.longitudeMinutes = (longitude - kClockMeridian) * 4;
    result.equationMinutes = EquationOfTimeMinutes(result.standardTime);
    const qint64 shiftSeconds = std::llround((result.longitudeMinutes + result.equationMinutes) * 60);
    // The local time is written as a wall clock of UTC+8 shifted by the place's offset: only the
    // date and the time of day are kept, to the nearest minute as the birth forms give it.
    const QDateTime local = result.standardTime.toTimeZone(BeijingTimeZone()).addSecs(shiftSeconds + 30);
    result.date = local.date();
    const QTime t = local.time();
    result.time = QTime(t.hour(), t.minute());
    return result;
}
