#include "core/aspects/longitude_track.h"

#include <cmath>
#include <limits>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/julian_day.h"

namespace quintara {
namespace {

// Days between the precise ephemeris' corrections to the built-in theory,
// for the bodies whose own spacing is short; 0: the precise nodes themselves.
// The corrections stay within about 3e-4 degree of the truth between nodes.
double CorrectionSpacingDays(int body)
{
    switch (body) {
    case 2: return 1;
    case 3: return 2;
    case 4: case 5: return 4;
    default: return 0;
    }
}

// Lagrange through u = -1, 0, 1, 2.
double Cubic(double y0, double y1, double y2, double y3, double u)
{
    return -u * (u - 1) * (u - 2) / 6 * y0 + (u + 1) * (u - 1) * (u - 2) / 2 * y1 -
           (u + 1) * u * (u - 2) / 2 * y2 + (u + 1) * u * (u - 1) / 6 * y3;
}

}  // namespace

tLongitudeTrack::tLongitudeTrack(int body, double from, double to, double spacingDays, const tEphemerisService& eph,
                                 tTrackValue value)
    : body(body), declination(value == tTrackValue::Declination), eph(eph), precise(eph), from(from)
{
    const auto nodesOver = [&](tNodes& n, double days) {
        n.spacing = days / kDaysPerCentury;
        n.value.assign(static_cast<std::size_t>(std::ceil((to - from) / n.spacing)) + 4,
                       std::numeric_limits<double>::quiet_NaN());
    };
    nodesOver(longitudes, spacingDays);
    if (!eph.Precise()) return;
    if (const double days = CorrectionSpacingDays(body); days > spacingDays) {
        this->eph = eph.BuiltIn();
        nodesOver(corrections, days);
    }
}

double tLongitudeTrack::SpacingDays(int body)
{
    // The bound is h^4 |f''''| / 43; the fourth derivative is largest in
    // the retrograde loops (Mercury, Venus) and for the Moon's inequalities.
    switch (body) {
    case 2: return 0.25;
    case 3: return 0.5;
    case 4: case 5: return 1;
    case 6: return 4;
    case kVesta: return 2;  // as near as Mars, its loops as tight
    default: return 8;
    }
}

double tLongitudeTrack::Engine(tEphemerisService& source, double T) const
{
    return declination ? source.Declination(body, T) : source.Longitude(body, T);
}

double tLongitudeTrack::Step(double now, double later) const
{
    // Neighbouring nodes are less than half a turn apart.
    const double d = later - now;
    if (declination) return d;
    return d > 180 ? d - 360 : d < -180 ? d + 360 : d;
}

double tLongitudeTrack::Node(long k)
{
    double& v = longitudes.value[static_cast<std::size_t>(k)];
    if (std::isnan(v)) v = Engine(eph, from + k * longitudes.spacing);
    return v;
}

double tLongitudeTrack::CorrectionNode(long k)
{
    double& v = corrections.value[static_cast<std::size_t>(k)];
    if (std::isnan(v)) {
        const double T = from + k * corrections.spacing;
        v = Step(Engine(eph, T), Engine(precise, T));
    }
    return v;
}

double tLongitudeTrack::Correction(double T)
{
    if (corrections.value.empty()) return 0;
    const double x = (T - from) / corrections.spacing;
    const long k = static_cast<long>(std::floor(x));
    if (k < 1 || static_cast<std::size_t>(k + 2) >= corrections.value.size())
        return Step(Engine(eph, T), Engine(precise, T));
    return Cubic(CorrectionNode(k - 1), CorrectionNode(k), CorrectionNode(k + 1), CorrectionNode(k + 2), x - k);
}

double tLongitudeTrack::At(double T)
{
    const double spacing = longitudes.spacing;
    const double x = (T - from) / spacing;
    const long k = static_cast<long>(std::floor(x));
    if (k < 1 || static_cast<std::size_t>(k + 2) >= longitudes.value.size()) {
        const double v = Engine(eph, T) + Correction(T);
        return declination ? v : Normalize360(v);
    }
    // The engine's Pluto correction applies from J1900.0 to J2000.0 only, so
    // Pluto jumps there: no curve through nodes on both sides.
    if (body == 10 && !eph.Precise())
        for (double jump : {-1.0, 0.0})
            if (from + (k - 1) * spacing < jump && jump <= from + (k + 2) * spacing) return Engine(eph, T);
    // Unwrapped around node k so a crossing of 0 degrees stays smooth.
    const double y1 = Node(k);
    const double y0 = y1 + Step(y1, Node(k - 1));
    const double y2 = y1 + Step(y1, Node(k + 1));
    const double y3 = y2 + Step(Node(k + 1), Node(k + 2));
    const double v = Cubic(y0, y1, y2, y3, x - k) + Correction(T);
    if (declination) return v;
    return v < 0 ? v + 360 : v >= 360 ? v - 360 : v;
}

}  // namespace quintara
