#include "sun_longitude.h"

#include "nutation.h"
#include "vsop87_earth.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

}  // namespace

double ApparentSolarLongitude(double jde)
{
    const double T = (jde - kJ2000) / 36525;
    const EclipticPosition earth = EarthHeliocentric(T / 10);

    // The Sun seen from the Earth lies opposite the Earth seen from the Sun.
    double lambda = earth.longitude * kDegreesPerRadian + 180;

    // From the dynamical frame of the theory to FK5. The correction also has a part in tan β,
    // but the Sun's latitude stays below a second of arc, which makes that part negligible.
    lambda += -0.09033 / 3600;

    // True equinox of the date, and the Sun's displacement by the light-time during which the
    // Earth moves on (annual aberration, 20.4898″ at one astronomical unit).
    lambda += NutationInLongitude(T) / 3600;
    lambda += -20.4898 / 3600 / earth.radius;

    lambda = std::fmod(lambda, 360.0);
    return lambda < 0 ? lambda + 360 : lambda;
}
