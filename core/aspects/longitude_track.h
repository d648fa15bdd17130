// The chart engine's longitude of one moving body over a span of time,
// computed at evenly spaced moments on first use and interpolated between
// them (cubic through four moments). Searches that ask for many nearby
// moments pay for a few engine calls instead of one per question.
//
// From the precise ephemeris, the fast bodies (Moon to Mars) are the
// built-in theory at their spacing plus the precise ephemeris' difference
// from it, which varies slowly enough to be taken four times further apart:
// a quarter of the precise calls. The source is the search's service,
// decided once for its whole span.
//
// The same track serves a body's declination (degrees north, no turns to
// unwrap) for the searches of parallels.
#pragma once

#include <vector>

#include "core/engine/ephemeris_service.h"

namespace quintara {

enum class tTrackValue { Longitude, Declination };

class tLongitudeTrack {
public:
    // [from, to]: centuries; spacingDays is chosen per body so that the
    // interpolation stays well under a thousandth of a degree.
    tLongitudeTrack(int body, double from, double to, double spacingDays,
                    const tEphemerisService& eph = tEphemerisService::Decided(kBuiltInSource),
                    tTrackValue value = tTrackValue::Longitude);

    // Degrees [0, 360), tropical, or the declination [-90, 90]. Outside the
    // span: the engine itself.
    double At(double T);

    // A spacing that keeps body 1..10 within about 1e-4 degree.
    static double SpacingDays(int body);

private:
    // Values at from + k x spacing, computed on first use.
    struct tNodes {
        double spacing = 0;         // centuries
        std::vector<double> value;  // NaN until computed
    };
    double Node(long k);
    double CorrectionNode(long k);
    double Correction(double T);
    double Engine(tEphemerisService& source, double T) const;
    // later - now, the short way round for longitudes.
    double Step(double now, double later) const;

    int body;
    bool declination;
    tEphemerisService eph;  // of the nodes: built-in under a correction
    tEphemerisService precise;  // of the corrections
    double from;
    tNodes longitudes;
    tNodes corrections;  // precise less built-in; empty when not used
};

}  // namespace quintara
