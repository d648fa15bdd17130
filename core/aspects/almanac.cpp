#include "core/aspects/almanac.h"

#include <algorithm>
#include <cmath>

#include "core/aspects/sky_track.h"
#include "core/chart/chart_steps.h"
#include "core/chart/directions.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/eclipses.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/julian_day.h"
#include "core/engine/time_search.h"

namespace quintara {

namespace {

constexpr double kSecondDays = 1.0 / 86400;
constexpr double kWrap = 180;  // a folded distance jumps a turn where it wraps

double Centuries(double jd) { return (jd - kJ2000) / kDaysPerCentury; }

void Eclipses(double from, double to, tSkyTrack& sky, std::vector<tSkyEvent>& out)
{
    for (const tEclipse& e : FindEclipses(from, to, sky.Source())) {
        tSkyEvent s;
        s.kind = tSkyEvent::kEclipse;
        s.jd = e.jd;
        s.body = e.solar ? kSun : kMoon;
        s.phase = static_cast<int>(e.kind);
        s.longitude = sky.Longitude(s.body, e.jd);
        out.push_back(s);
    }
}

void VoidOfCourse(double from, double to, tSkyTrack& sky, std::vector<tSkyEvent>& out)
{
    static constexpr int kPlanets[] = {kSun, 3, 4, 5, 6, 7};
    static constexpr double kAngles[] = {0, 60, -60, 90, -90, 120, -120, 180};
    const auto moon = [&](double jd) { return sky.Longitude(kMoon, jd); };
    // The Moon's ingresses from two days before the span (its sign then
    // may already be void) to one after.
    std::vector<double> ingresses;
    for (int c = 0; c < 12; ++c)
        EachRoot([&](double jd) { return AngleStep(c * 30.0, moon(jd)); }, from - 3, to + 3, 0.25, kSecondDays,
                 [&](double jd, bool rising) {
                     if (rising) ingresses.push_back(jd);
                 }, 0, kWrap);
    std::sort(ingresses.begin(), ingresses.end());
    for (std::size_t i = 0; i + 1 < ingresses.size(); ++i) {
        const double enter = ingresses[i], leave = ingresses[i + 1];
        double last = enter;  // no aspect in the sign: void from the ingress
        for (int p : kPlanets)
            for (double a : kAngles)
                EachRoot([&](double jd) { return AngleStep(sky.Longitude(p, jd) + a, moon(jd)); }, enter, leave, 0.25,
                         kSecondDays, [&](double jd, bool) { last = std::max(last, jd); }, 0, kWrap);
        if (last >= from && last < to && last < leave) {
            tSkyEvent e;
            e.kind = tSkyEvent::kVoidOfCourse;
            e.jd = last;
            e.endJd = leave;
            e.body = kMoon;
            e.longitude = moon(last);
            out.push_back(e);
        }
    }
}

void Shadows(double from, double to, tSkyTrack& sky, std::vector<tSkyEvent>& out)
{
    for (int body : {3, 4, 5}) {
        const auto lon = [&](double jd) { return sky.Longitude(body, jd); };
        const auto speed = [&](double jd) { return sky.Speed(body, jd); };
        // Stations from a loop and a half before the span to one after.
        std::vector<std::pair<double, bool>> stations;  // moment, turning retrograde
        EachRoot(speed, from - 250, to + 250, 2.0, kSecondDays * 10,
                 [&](double jd, bool rising) { stations.push_back({jd, !rising}); });
        for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
            if (!stations[i].second || stations[i + 1].second) continue;
            const double retro = stations[i].first, direct = stations[i + 1].first;
            const double retroLon = lon(retro), directLon = lon(direct);
            // The last forward crossing of the direct station's degree before
            // the loop, the first of the retrograde station's after it.
            double pre = NAN, post = NAN;
            EachRoot([&](double jd) { return AngleStep(directLon, lon(jd)); }, retro - 120, retro, 1.0, kSecondDays,
                     [&](double jd, bool rising) {
                         if (rising) pre = jd;
                     }, 0, kWrap);
            EachRoot([&](double jd) { return AngleStep(retroLon, lon(jd)); }, direct, direct + 120, 1.0, kSecondDays,
                     [&](double jd, bool rising) {
                         if (rising && std::isnan(post)) post = jd;
                     }, 0, kWrap);
            const auto add = [&](double start, double end, int which, double degree) {
                if (std::isnan(start) || std::isnan(end) || start < from || start >= to) return;
                tSkyEvent e;
                e.kind = tSkyEvent::kShadow;
                e.jd = start, e.endJd = end, e.body = body, e.phase = which, e.longitude = degree;
                out.push_back(e);
            };
            add(pre, retro, 0, directLon);
            add(direct, post, 1, retroLon);
        }
    }
}

bool ByMoment(const tSkyEvent& a, const tSkyEvent& b) { return a.jd < b.jd; }

}  // namespace

std::vector<tSkyEvent> AlmanacEvents(double jdFrom, double jdTo, const tSkyEventRules& rules)
{
    std::vector<tSkyEvent> out;
    if (!(jdTo > jdFrom) || !(rules.eclipses || rules.voidOfCourse || rules.shadows)) return out;
    // A year and more either side for the shadows' loops; longitudes in
    // the calendar's zodiac, as its other events.
    tSkyTrack sky(tEphemerisService(rules.ephemeris, jdFrom - 400, jdTo + 400), {rules.zodiac, rules.userAyanamsa},
                  jdFrom - 400, jdTo + 400, true);
    if (rules.eclipses) Eclipses(jdFrom, jdTo, sky, out);
    if (rules.voidOfCourse) VoidOfCourse(jdFrom, jdTo, sky, out);
    if (rules.shadows) Shadows(jdFrom, jdTo, sky, out);
    std::stable_sort(out.begin(), out.end(), ByMoment);
    return out;
}

std::vector<tSkyEvent> NatalAlmanacEvents(const tChart& natal, double jdFrom, double jdTo, double orb)
{
    std::vector<tSkyEvent> out;
    if (!(jdTo > jdFrom)) return out;
    tEphemerisService eph = ChartEphemeris(natal);
    // The progressed elongation grows about twelve degrees a year: monthly
    // steps hold one quarter each.
    const auto elongation = [&](double jd) {
        const double T = ProgressedMoment(natal, Centuries(jd));
        return eph.Longitude(kMoon, T) - eph.Longitude(kSun, T);
    };
    for (int q = 0; q < 4; ++q)
        EachRoot([&](double jd) { return AngleStep(q * 90.0, elongation(jd)); }, jdFrom, jdTo, 30.0, 0.01,
                 [&](double jd, bool rising) {
                     if (!rising) return;
                     tSkyEvent e;
                     e.kind = tSkyEvent::kProgressedPhase;
                     e.jd = jd, e.body = kMoon, e.phase = q;
                     e.longitude = Normalize360(eph.Longitude(kMoon, ProgressedMoment(natal, Centuries(jd))));
                     out.push_back(e);
                 }, 0, kWrap);
    tSkyTrack sky(tEphemerisService(eph.Source(), jdFrom - 2, jdTo + 2), {}, jdFrom - 2, jdTo + 2, true);  // tropical
    const double ayanamsa = natal.Zodiac ? natal.Ayanamsa : 0.0;
    for (const tEclipse& ecl : FindEclipses(jdFrom, jdTo, eph.Source())) {
        const double at = sky.Longitude(ecl.solar ? kSun : kMoon, ecl.jd);
        for (int i = 1; i <= natal.BodyCount(); ++i) {
            const tPlanet* p = natal.BodyAt(i);
            const double pos = p->GetPosition();
            if (!p->TakesPartInAspects() || pos < 0 || std::fabs(AngleStep(pos + ayanamsa, at)) > orb) continue;
            tSkyEvent e;
            e.kind = tSkyEvent::kNatalEclipse;
            e.jd = ecl.jd, e.body = ecl.solar ? kSun : kMoon, e.other = p->Num;
            e.phase = static_cast<int>(ecl.kind), e.longitude = at;
            out.push_back(e);
        }
    }
    std::stable_sort(out.begin(), out.end(), ByMoment);
    return out;
}

}  // namespace quintara
