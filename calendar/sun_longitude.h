// The apparent geocentric ecliptic longitude of the Sun: where the Sun is seen against the true
// equinox of the date, the quantity whose multiples of 15° are the 24 solar terms.
#pragma once

// jde: Julian ephemeris day (dynamical time TT). Result in degrees, 0 … 360.
double ApparentSolarLongitude(double jde);
