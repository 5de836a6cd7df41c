#include "nutation.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

// Multiples of the five fundamental arguments (D, M, M′, F, Ω) and the coefficient of the sine,
// psi + psiT × T, in units of 0.0001″.
struct NutationTerm {
    signed char d, m, mp, f, om;
    double psi, psiT;
};

constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2},
    {-2, 0, 0, 2, 2, -13187, -1.6},
    {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},
    {0, 1, 0, 0, 0, 1426, -3.4},
    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},
    {0, 0, 0, 2, 1, -386, -0.4},
    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},
    {-2, 0, 1, 0, 0, -158, 0},
    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},
    {2, 0, 0, 0, 0, 63, 0},
    {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},
    {0, 0, -1, 0, 1, -58, -0.1},
    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},
    {0, 0, -2, 2, 1, 46, 0},
    {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},
    {0, 0, 2, 0, 0, 29, 0},
    {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
    {-2, 0, 0, 2, 0, -22, 0},
    {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},
    {2, 0, -1, 0, 1, 16, 0},
    {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},
    {-2, 0, 1, 0, 1, -13, 0},
    {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
    {2, 0, -1, 2, 1, -10, 0},
    {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},
    {-2, 1, 1, 0, 0, -7, 0},
    {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},
    {2, 0, 1, 0, 0, 6, 0},
    {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},
    {2, 0, -2, 0, 1, -6, 0},
    {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},
    {-2, -1, 0, 2, 1, -5, 0},
    {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
    {-2, 0, 2, 0, 1, 4, 0},
    {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},
    {-1, 0, 1, 0, 0, -4, 0},
    {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},
    {0, 0, 1, 2, 0, 3, 0},
    {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},
    {0, 1, 1, 0, 0, -3, 0},
    {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},
    {0, 0, 3, 2, 2, -3, 0},
    {2, -1, 0, 2, 2, -3, 0},
};
static_assert(std::size(kTerms) == 63);

double degreesToRadians(double deg) { return deg * std::numbers::pi / 180; }

}  // namespace

double NutationInLongitude(double T)
{
    const double T2 = T * T, T3 = T2 * T;
    // Mean elongation of the Moon, mean anomalies of the Sun and Moon, the Moon's argument of
    // latitude and the longitude of its ascending node, in degrees.
    const double D = 297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474;
    const double M = 357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000;
    const double Mp = 134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250;
    const double F = 93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270;
    const double Om = 125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000;

    double sum = 0;
    for (const NutationTerm& t : kTerms) {
        const double arg = t.d * D + t.m * M + t.mp * Mp + t.f * F + t.om * Om;
        sum += (t.psi + t.psiT * T) * std::sin(degreesToRadians(std::fmod(arg, 360.0)));
    }
    return sum * 1e-4;
}
