// Geocentric positions of the Sun, Moon and planets from the low-precision
// series of Van Flandern and Pulkkinen (1979).
//
// Frame: ecliptic and mean equinox of date. Time: UT used directly as the
// argument, no light-time correction. Precision: about an arcminute.
#pragma once

namespace quintara {

// Fills longitudes[n] and latitudes[n] (degrees) for body n = 1..10 at the
// given Julian day (UT). body 0 computes 1..10; body 1..10 computes the Sun
// and that body only. Arrays must hold at least 11 entries; index 0 unused.
void PlanetSeries(double longitudes[], double latitudes[], int body, double julianDay);

// The same, with bodies chosen by a bit mask (bit n = body n); the Sun is
// always computed because the planets need it.
void PlanetSeriesMask(double longitudes[], double latitudes[], unsigned mask, double julianDay);

// As PlanetSeries with body 0, except the Moon's longitude (a chart takes it
// from the lunar theory, only its latitude from here: longitudes[2] is left
// as it was), and retrograde[n] for n = 3..10: whether the body is moving
// backwards, by its position one day later. One pass over the terms serves
// both moments. Pluto's later longitude is under the present moment's
// correction rule (the correction ends at J2000.0).
void PlanetSeriesWithMotion(double longitudes[], double latitudes[], bool retrograde[], double julianDay);

}  // namespace quintara
