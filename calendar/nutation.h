// Nutation in longitude (Δψ) by the IAU 1980 theory, all 63 terms: the wobble of the equinox that
// turns a mean longitude of the date into a true one.
#pragma once

// T: Julian centuries of dynamical time from J2000.0. Result in seconds of arc.
double NutationInLongitude(double T);
