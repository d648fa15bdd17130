#include "core/aspects/sky_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "core/aspects/almanac.h"
#include "core/aspects/aspects.h"
#include "core/aspects/sky_track.h"
#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/engine/time_search.h"
#include "core/chart/chart_steps.h"
#include "core/engine/zodiac.h"

namespace quintara {
namespace {

constexpr int kBodies[] = {kSun, kMoon, 3, 4, 5, 6, 7, 8, 9, kPluto, kNode, kChiron};
constexpr std::size_t kCount = std::size(kBodies);
// The root of f in the day [a, b], whose ends f puts on opposite sides;
// to a hundredth of a second.
template <class F>
double Root(double a, double b, const F& f)
{
    return RootInBracket(f, a, f(a), b, f(b), 1e-7);
}

bool Moving(int body) { return body != kSun && body != kMoon && body != kNode; }

}  // namespace

namespace {

tEphemerisService SkyEphemeris(double jdFrom, double jdTo, std::uint8_t ephemeris, const tZodiacChoice& zodiac)
{
    // A day either side: the first day's samples start at its UT midnight,
    // speeds look an hour beyond.
    return tEphemerisService(ephemeris, jdFrom - 1, jdTo + 1, zodiac);
}

}  // namespace

std::string SkyEphemerisNote(double jdFrom, double jdTo, std::uint8_t ephemeris, const tZodiacChoice& zodiac)
{
    return SkyEphemeris(jdFrom, jdTo, ephemeris, zodiac).Note();
}

std::vector<tSkyEvent> FindSkyEvents(double jdFrom, double jdTo, const tSkyEventRules& rules, const tProgress& progress,
                                     bool* stopped)
{
    if (stopped) *stopped = false;
    std::vector<tSkyEvent> events;
    if (!(jdTo > jdFrom)) return events;
    const tZodiacChoice zodiac{rules.zodiac, rules.userAyanamsa};
    tSkyTrack sky(SkyEphemeris(jdFrom, jdTo, rules.ephemeris, zodiac), zodiac, jdFrom - 2, jdTo + 2);
    // Days counted from the UT midnight before the start: an event is then
    // found in the same day, to the same root, whatever zone the window's
    // start came from (a local midnight), and rounds to the same second.
    const double start = std::floor(jdFrom - 0.5) + 0.5;
    const int days = static_cast<int>(std::ceil(jdTo - start));
    std::array<double, kCount> prevLon{}, lon{}, prevSpeed{}, speed{};
    auto sample = [&](double jd, std::array<double, kCount>& l, std::array<double, kCount>& s) {
        for (std::size_t i = 0; i < kCount; ++i) {
            l[i] = sky.Longitude(kBodies[i], jd);
            if (rules.stations && Moving(kBodies[i])) s[i] = sky.Speed(kBodies[i], jd);
        }
    };
    // The aspects searched, as angles.
    std::vector<std::pair<int, double>> angles;
    for (int k = 1; k <= 12; ++k) {
        if (!(AspectGroup(k) & rules.aspectGroups)) continue;
        angles.emplace_back(k, AspectAngle(k));
        if (AspectAngle(k) > 0 && AspectAngle(k) < 180) angles.emplace_back(k, -AspectAngle(k));
    }
    const auto keep = [&](tSkyEvent e) {
        if (e.jd >= jdFrom && e.jd < jdTo) events.push_back(e);
    };
    sample(start, prevLon, prevSpeed);
    for (int d = 1; d <= days; ++d) {
        if (progress && d % 8 == 0 && !progress(d, days)) {
            if (stopped) *stopped = true;
            break;
        }
        const double a = start + d - 1, b = start + d;
        sample(b, lon, speed);
        for (std::size_t i = 0; i < kCount; ++i) {
            const int body = kBodies[i];
            if (rules.ingresses && (body != kMoon || rules.moonIngresses) && SignOf(prevLon[i]) != SignOf(lon[i])) {
                // The cusp crossed, the short way round.
                const bool forward = AngleStep(prevLon[i], lon[i]) > 0;
                const int entered = SignOf(lon[i]);
                const double cusp = 30.0 * (forward ? entered - 1 : entered);
                const double t = Root(a, b, [&](double jd) { return AngleStep(cusp, sky.Longitude(body, jd)); });
                keep({tSkyEvent::kIngress, t, body, 0, entered, 0, 0, !forward, Normalize360(cusp)});
            }
            if (rules.stations && Moving(body) && (prevSpeed[i] < 0) != (speed[i] < 0)) {
                const double t = Root(a, b, [&](double jd) { return sky.Speed(body, jd); });
                keep({tSkyEvent::kStation, t, body, 0, 0, 0, 0, prevSpeed[i] > 0, sky.Longitude(body, t)});
            }
        }
        if (rules.phases) {
            const double e0 = Normalize360(prevLon[1] - prevLon[0]), e1 = Normalize360(lon[1] - lon[0]);
            const int q0 = static_cast<int>(e0 / 90), q1 = static_cast<int>(e1 / 90);
            if (q0 != q1) {
                const double target = 90.0 * q1;
                const double t = Root(a, b, [&](double jd) {
                    return AngleStep(sky.Longitude(kSun, jd) + target, sky.Longitude(kMoon, jd));
                });
                keep({tSkyEvent::kLunarPhase, t, kMoon, 0, 0, q1, 0, false, sky.Longitude(kMoon, t)});
            }
        }
        if (rules.aspects) {
            for (std::size_t i = 0; i < kCount; ++i) {
                const int p = kBodies[i];
                if (p == kNode || (p == kMoon && !rules.moonAspects)) continue;
                for (std::size_t j = i + 1; j < kCount; ++j) {
                    const int q = kBodies[j];
                    if (q == kNode || q == kChiron || (q == kMoon && !rules.moonAspects)) continue;
                    for (const auto& kind : angles) {
                        const int k = kind.first;
                        const double angle = kind.second;  // a plain name: lambdas capture it (clang 14)
                        const double d0 = AngleStep(prevLon[j] + angle, prevLon[i]);
                        const double d1 = AngleStep(lon[j] + angle, lon[i]);
                        // A sign change near zero, not the jump at 180.
                        if ((d0 < 0) == (d1 < 0) || std::fabs(d0) > 90 || std::fabs(d1) > 90) continue;
                        const double t = Root(a, b, [&](double jd) {
                            return AngleStep(sky.Longitude(q, jd) + angle, sky.Longitude(p, jd));
                        });
                        keep({tSkyEvent::kAspect, t, p, q, 0, 0, k, false, sky.Longitude(p, t)});
                    }
                }
            }
        }
        prevLon = lon;
        prevSpeed = speed;
    }
    if (!(stopped && *stopped)) events = MergeEvents(events, AlmanacEvents(jdFrom, jdTo, rules));
    std::stable_sort(events.begin(), events.end(), [](const tSkyEvent& x, const tSkyEvent& y) { return x.jd < y.jd; });
    return events;
}

std::vector<tSkyEvent> MergeEvents(const std::vector<tSkyEvent>& a, const std::vector<tSkyEvent>& b)
{
    std::vector<tSkyEvent> out;
    out.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out),
               [](const tSkyEvent& x, const tSkyEvent& y) { return x.jd < y.jd; });
    return out;
}

}  // namespace quintara
