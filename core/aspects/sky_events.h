// The sky's own events over a period, for a calendar: bodies entering
// signs, stations, the Moon's phases and the aspects the moving bodies
// make to one another. Moments are Julian days of universal time (the
// engine's time scale); longitudes are degrees, tropical unless sidereal
// is asked for. Moments are exact to well under a minute.
#pragma once

#include "core/engine/zodiac.h"

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/progress.h"

namespace quintara {

struct tSkyEvent {
    enum tKind : std::uint8_t {
        kIngress, kStation, kLunarPhase, kAspect, kTransit,
        kEclipse,            // body 1 solar, 2 lunar; phase: tEclipseKind
        kVoidOfCourse,       // the Moon, until endJd
        kShadow,             // body; phase 0 pre-shadow (until the retrograde station), 1 post-shadow
        kProgressedPhase,    // the progressed Moon; phase as kLunarPhase
        kNatalEclipse,       // as kEclipse, on natal body other
    };
    tKind kind = kIngress;
    double jd = 0;            // UT
    int body = 0;             // the body (the Moon for a phase); aspects: the first of the pair
    int other = 0;            // aspects: the second body; transits: the natal body
    int sign = 0;             // ingress: the sign entered, 1..12
    int phase = 0;            // 0 new moon, 1 first quarter, 2 full moon, 3 last quarter
    int aspect = 0;           // aspects and transits: aspect type 1..12
    bool retrograde = false;  // ingress entered moving backwards; station turning retrograde
    double longitude = 0;     // of body at the moment, degrees [0, 360)
    double endJd = 0;         // periods (void of course, shadows): their end, UT; else 0
};

struct tSkyEventRules {
    bool ingresses = true, stations = true, phases = true, aspects = true;
    bool moonIngresses = true;  // the Moon changes sign every two or three days
    bool moonAspects = false;   // the Moon's aspects (several a day) are left out by default
    int aspectGroups = 3;       // aspect group bits as the charts use them: 1 | 2, the major aspects
    int zodiac = 0;             // zodiac code (core/engine/zodiac.h) of the ingresses
    tAyanamsaRef userAyanamsa;  // for zodiac kUserAyanamsa
    std::uint8_t ephemeris = 0; // tChart::tEphemeris the positions come from
    bool eclipses = true;       // solar and lunar eclipses (almanac.h)
    bool voidOfCourse = false;  // the Moon's void-of-course periods
    bool shadows = false;       // the retrograde shadows of Mercury, Venus and Mars
};

// Ingresses of Sun to Pluto, the node and Chiron; stations of Mercury to
// Pluto and Chiron; new, full and quarter moons; aspects among Sun and
// Mercury to Pluto (and the Moon when asked). Events in [jdFrom, jdTo),
// sorted by moment. progress counts days; asked to stop, it returns what
// it has found so far and stopped is set.
// What a calendar over [jdFrom, jdTo) says of its positions: "" when they
// come from the ephemeris asked for, else why they are built-in (decided
// once for the whole span, as FindSkyEvents does).
std::string SkyEphemerisNote(double jdFrom, double jdTo, std::uint8_t ephemeris, const tZodiacChoice& zodiac = {});

std::vector<tSkyEvent> FindSkyEvents(double jdFrom, double jdTo, const tSkyEventRules& rules,
                                     const tProgress& progress = {}, bool* stopped = nullptr);

// Events merged into one list by moment (a stable merge: equal moments
// keep list a first).
std::vector<tSkyEvent> MergeEvents(const std::vector<tSkyEvent>& a, const std::vector<tSkyEvent>& b);

}  // namespace quintara
