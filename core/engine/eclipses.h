// Solar and lunar eclipses: which new and full moons eclipse, of what kind,
// and their moment of greatest eclipse.
//
// Which and what kind: J. Meeus, Astronomical Algorithms (2nd ed., 1998),
// ch. 54: from the lunation's mean elements, the least distance gamma of
// the shadow's axis from the Earth's centre (Earth radii) and the radius u
// of the umbra in the fundamental plane. Solar: central when |gamma| <
// 0.9972, then total (u < 0), annular (u > 0.0047) or, between, hybrid
// when u < 0.00464 sqrt(1 - gamma^2); the umbra or antumbra only grazing
// the Earth (|gamma| < 0.9972 + |u|) is a non-central total or annular one;
// partial up to 1.5433 + u. Lunar: umbral magnitude (1.0128 - u - |gamma|)
// / 0.5450 at least 1 total, above 0 partial; else penumbral while (1.5573
// + u - |gamma|) / 0.5450 is above 0.
//
// The moment: where the Moon's geocentric distance from the Sun (solar) or
// from the point opposite it (lunar) is least, from the chosen ephemeris,
// which is the moment the shadow's axis passes nearest the Earth's centre.
#pragma once

#include <cstdint>
#include <vector>

namespace quintara {

enum class tEclipseKind : std::uint8_t { Total, Annular, Hybrid, Partial, Penumbral };

struct tEclipse {
    bool solar = true;
    tEclipseKind kind = tEclipseKind::Partial;
    double jd = 0;  // greatest eclipse, Julian day of UT
};

// Every eclipse whose greatest moment falls in [jdFrom, jdTo), in order.
// ephemeris: kBuiltInSource or kPreciseSource (ephemeris_service.h).
std::vector<tEclipse> FindEclipses(double jdFrom, double jdTo, std::uint8_t ephemeris);

}  // namespace quintara
