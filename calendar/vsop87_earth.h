// Heliocentric position of the Earth from the VSOP87 theory (Bretagnon and Francou, 1988), in
// the abridged form of its periodic series that is standard for the Sun's position to about one
// second of arc over several millennia. Coordinates refer to the mean ecliptic and equinox of the
// date, in the dynamical frame of the theory (not yet FK5).
#pragma once

struct EclipticPosition {
    double longitude;  // radians, 0 … 2π
    double latitude;   // radians
    double radius;     // astronomical units
};

// tau: Julian millennia of dynamical time (TT) from J2000.0, (JDE − 2451545) / 365250.
EclipticPosition EarthHeliocentric(double tau);
