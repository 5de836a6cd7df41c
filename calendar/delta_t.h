// ΔT = TT − UT, the difference between the uniform time of the ephemerides and the clock time of
// the rotating Earth, from the polynomial fits of Espenak and Meeus (2006) to the observed values
// and their extrapolation.
#pragma once

// decimalYear: e.g. 2024.5 for the middle of 2024. Result in seconds. Fitted for 1860 … 2150;
// outside that the long-term parabola −20 + 32 u² (u = centuries from 1820) is used.
double DeltaTSeconds(double decimalYear);
