// The sky's longitudes over a span, for the calendar's searches (the sky's
// events, the almanac): as a chart cast at the moment shows them, in the
// calendar's zodiac. From the precise ephemeris the bodies but the node
// follow longitude tracks: a fraction of the library's calls, within a
// second of time of its moments. Moments are Julian days of UT.
#pragma once

#include <array>
#include <optional>

#include "core/aspects/longitude_track.h"
#include "core/chart/chart_steps.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/julian_day.h"
#include "core/engine/zodiac.h"

namespace quintara {

class tSkyTrack {
public:
    // [jdFrom, jdTo]: the days asked about. trackBuiltIn: the built-in
    // theory too is read through tracks (searches that ask many nearby
    // moments of the same body; within 2e-4 degree).
    tSkyTrack(const tEphemerisService& eph, const tZodiacChoice& zodiac, double jdFrom, double jdTo,
              bool trackBuiltIn = false)
        : ayanamsa(zodiac, eph), eph(eph), from(Centuries(jdFrom)), to(Centuries(jdTo)),
          tracked(eph.Precise() || trackBuiltIn)
    {
    }

    // Degrees [0, 360) of body at jd.
    double Longitude(int body, double jd)
    {
        const double T = Centuries(jd);
        double lon;
        if (tracked && body != kNode) {
            auto& track = tracks[static_cast<std::size_t>(body)];
            if (!track) track.emplace(body, from, to, tLongitudeTrack::SpacingDays(body), eph);
            lon = track->At(T);
        } else {
            lon = eph.Longitude(body, T);
        }
        return Normalize360(lon - ayanamsa.At(T));
    }

    // Degrees per day, from an hour either side: the central difference's
    // own error moves a station by seconds only.
    double Speed(int body, double jd)
    {
        constexpr double kHour = 1.0 / 24;
        return AngleStep(Longitude(body, jd - kHour), Longitude(body, jd + kHour)) / (2 * kHour);
    }

    std::uint8_t Source() const { return eph.Source(); }

private:
    static double Centuries(double jd) { return (jd - kJ2000) / kDaysPerCentury; }

    tAyanamsaTrack ayanamsa;
    tEphemerisService eph;
    double from, to;  // centuries
    bool tracked;
    std::array<std::optional<tLongitudeTrack>, kChiron + 1> tracks;  // [body]
};

}  // namespace quintara
