// The chart engine's longitude of one moving body over a span of time,
// computed at evenly spaced moments on first use and interpolated between
// them (cubic through four moments). Searches that ask for many nearby
// moments pay for a few engine calls instead of one per question.
//
// From the precise ephemeris, the fast bodies (Moon to Mars) are the
// built-in theory at their spacing plus the precise ephemeris' difference
// from it, which varies slowly enough to be taken four times further apart:
// a quarter of the precise calls. The source is decided once for the span:
// where the data files do not cover both ends, the whole track is built-in.
#pragma once

#include <cstdint>
#include <vector>

namespace quintara {

// The geocentric longitude of body 1..10 or Chiron..Juno (25..28) at T (Julian centuries of UT from
// J2000.0), degrees [0, 360), tropical, from the ephemeris a chart asks for
// (tChart::tEphemeris). Precise moments the data files do not cover come
// from the built-in theory.
double EngineLongitude(int body, double T, std::uint8_t ephemeris = 0);

class tLongitudeTrack {
public:
    // [from, to]: centuries; spacingDays is chosen per body so that the
    // interpolation stays well under a thousandth of a degree.
    tLongitudeTrack(int body, double from, double to, double spacingDays, std::uint8_t ephemeris = 0);

    // Degrees [0, 360), tropical. Outside the span: the engine itself.
    double At(double T);

    // A spacing that keeps body 1..10 within about 1e-4 degree.
    static double SpacingDays(int body);
    // Where the ephemeris the track was asked for could not answer for the
    // whole span and it is built-in instead.
    bool FellBack() const { return fellBack; }

private:
    // Values at from + k x spacing, computed on first use.
    struct tNodes {
        double spacing = 0;         // centuries
        std::vector<double> value;  // NaN until computed
    };
    double Node(long k);
    double CorrectionNode(long k);
    double Correction(double T);

    int body;
    std::uint8_t ephemeris;  // of the nodes: built-in under a correction
    bool fellBack = false;
    double from;
    tNodes longitudes;
    tNodes corrections;  // precise less built-in; empty when not used
};

}  // namespace quintara
