#include "core/aspects/transit_search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/aspects/longitude_track.h"
#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/engine/time_search.h"
#include "core/chart/chart_steps.h"
#include "core/engine/zodiac.h"
#include "core/options/option_set.h"
#include "core/platform/side_by_side.h"

namespace quintara {

namespace {

// The way a body went between two samples, the short way round (so a body
// moving backwards over 0 degrees is seen as moving backwards), widened by
// a tolerance at both ends.
struct tSweep {
    tSweep(double prev, double cur, double tolerance)
    {
        const double step = AngleStep(prev, cur);
        forward = step > 0;
        lo = (forward ? prev : prev + step) - tolerance;
        width = std::fabs(step) + 2 * tolerance;
    }
    // Strictly inside; target in degrees, any number of turns.
    bool Reaches(double target) const
    {
        double t = target - lo;
        if (t < 0 || t >= 360) t = ModAngle(t, 360.0);
        return t > 0 && t < width;
    }
    double lo, width;
    bool forward;
};

}  // namespace

int CrossesTarget(double prev, double cur, double target, double tolerance)
{
    const tSweep sweep(prev, cur, tolerance);
    if (!sweep.Reaches(target)) return 0;
    return sweep.forward ? 1 : -1;
}

int TransitStepDays(tBodyMask bodies)
{
    for (auto [body, days] : {std::pair{2, 1}, {3, 4}, {4, 6}, {1, 6}, {5, 8}})
        if (bodies & BodyBit(body)) return days;
    return 16;
}

namespace {

constexpr double kDay = 1.0 / kDaysPerCentury;  // centuries
constexpr double kSecond = kDay / 86400;
// A scan interval is refined in this many parts (and one more at each end).
constexpr int kParts = 2;
// Widened sampling intervals let a body that only comes near a point make a
// candidate; the refinement then decides.
constexpr double kScanTolerance = 0.3;

// Into [-90, 90] by whole turns (distances near an aspect point).
double Fold90(double v)
{
    while (v > 90) v -= 360;
    while (v < -90) v += 360;
    return v;
}

using tSample = std::array<double, kVesta + 1>;  // [b]: degrees

constexpr tBodyMask kTransitingMask = [] {
    tBodyMask m = 0;
    for (int b : kTransitingBodies) m |= BodyBit(b);
    return m;
}();

struct tPair {
    int index;     // signed angle table, 2..24
    int natal;     // body number
    double target; // natal longitude + angle, degrees (may exceed 360)
    double wrapped; // the same in [0, 360)
};

struct tCandidate {
    int body;
    const tPair* pair;
    int sample;  // the scan interval [sample, sample + 1] it came from
};

// An exact moment found for a candidate, before the one-per-day rule.
struct tFound {
    int body;
    const tPair* pair;
    double t, orb;
};

// What every job of a search shares; read only once the jobs start.
struct tPlan {
    tPlan(const tChart& chart, int months, tBodyMask bodies, const tTransitRules& rules)
        : chart(chart), rules(rules), bodies(bodies & kTransitingMask)
    {
        T0 = CivilMoment() - kDay;
        L = months / 1200.0;
        T1 = T0 + L + 2 * kDay;
        // The tracks reach 40 days beyond the period.
        eph = tEphemerisService(chart.EphemerisUsed(), JulianDay(T0 - 40 * kDay), JulianDay(T1 + 40 * kDay),
                                ChartZodiac(chart));
        stepDays = TransitStepDays(this->bodies);
        stepCount = static_cast<int>(std::lround(L / (stepDays * kDay))) + 1;
        MakePairs();
    }

    static double JulianDay(double T) { return T * kDaysPerCentury + kJ2000; }
    double SampleMoment(int k) const { return T0 + k * stepDays * kDay; }
    // Whether the aspect type of signed angle index i is searched.
    bool Searched(int i) const { return rules.TransitAspects[static_cast<std::size_t>(AspectTypeOfIndex(i) - 1)]; }
    bool Inside(double t) const { return t > T0 + kDay && t < T1 - kDay; }
    double AllowedOrb(int b, int index) const
    {
        if (index >= kParallelIndex) return rules.ParallelOrb / std::max(1.0, rules.TransitOrb);
        // Orb rows 1..13: the bodies, then one row for every other point.
        const double orb = rules.SynastryOrbs ? rules.SynastryOrbs->At(std::min(b, 13), AspectTypeOfIndex(index)) : 0.0;
        return orb / std::max(1.0, rules.TransitOrb);
    }

    const tChart& chart;
    const tTransitRules& rules;
    tEphemerisService eph = tEphemerisService::Decided(kBuiltInSource);
    tBodyMask bodies;
    double T0 = 0, L = 0, T1 = 0;
    int stepDays = 16, stepCount = 0;
    std::vector<int> natalBodies;
    std::vector<tPair> pairs;
    std::vector<tPair> parallels;  // target: a declination
    std::vector<tSample> samples;
    std::vector<tSample> declinations;  // of the samples' moments, when parallels are searched

private:
    // The start of the period: the chart's clock, date and zone.
    double CivilMoment() const
    {
        const double days = DaysFromJ2000(chart.Year, chart.Month, chart.Day,
                                          UniversalTimeHM(chart.Hour, chart.Minute, chart.Adjust));
        return days / kDaysPerCentury;
    }

    void MakePairs()
    {
        for (int n = 1; n <= 24; ++n) {
            const tPlanet* natal = chart.FindBody(n);
            if (!natal || !natal->TakesPartInAspects()) continue;
            natalBodies.push_back(n);
        }
        for (int i = 2; i <= 24; ++i) {
            if (i == 9 || !Searched(i)) continue;
            for (int n : natalBodies) {
                const double target = chart.AspectPosition(n) + SignedAspectAngle(i);
                pairs.push_back({i, n, target, Normalize360(target)});
            }
        }
        if (!(rules.ParallelOrb > 0)) return;
        for (int n : natalBodies) {
            const double d = chart.FindBody(n)->Declination();
            parallels.push_back({kParallelIndex, n, d, d});
            parallels.push_back({kContraparallelIndex, n, -d, -d});
        }
    }
};

// One job's part of a search: the shared plan and longitude tracks of its
// own. The tracks' moments depend on the plan alone, so every job reads
// the same longitudes.
class tScan {
public:
    explicit tScan(const tPlan& plan) : plan(plan), ayanamsa(ChartZodiac(plan.chart), plan.eph) {}

    // Longitudes of the selected bodies at T from the same engine track the
    // refinement reads, so a crossing in the chart's positions always lies
    // inside its scan interval.
    // With declination, their declinations instead.
    tSample Sample(double T, bool declination = false)
    {
        tSample s{};
        for (int b : kTransitingBodies)
            if (plan.bodies & BodyBit(b))
                s[static_cast<std::size_t>(b)] = declination ? Declination(b, T) : Longitude(b, T);
        return s;
    }

    // Candidates of scan intervals [k - 1, k] for k in [from, to), refined.
    // Stops early, returning false, when keepGoing says so.
    template <class F>
    bool Scan(int from, int to, std::vector<tFound>& found, const F& keepGoing)
    {
        for (int k = from; k < to; ++k) {
            if (!keepGoing(k)) return false;
            for (int b : kTransitingBodies) {
                if (!(plan.bodies & BodyBit(b))) continue;
                const tSweep sweep(plan.samples[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(b)],
                                   plan.samples[static_cast<std::size_t>(k)][static_cast<std::size_t>(b)],
                                   kScanTolerance);
                for (const tPair& p : plan.pairs)
                    if (sweep.Reaches(p.wrapped)) Refine({b, &p, k - 1}, found);
                if (plan.parallels.empty()) continue;
                const double d0 = plan.declinations[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(b)];
                const double d1 = plan.declinations[static_cast<std::size_t>(k)][static_cast<std::size_t>(b)];
                for (const tPair& p : plan.parallels)
                    if (p.target > std::min(d0, d1) - kScanTolerance && p.target < std::max(d0, d1) + kScanTolerance)
                        Refine({b, &p, k - 1}, found);
            }
        }
        return true;
    }

    // The event of an accepted moment, with its motion and orb edges.
    tTransitEvent Describe(const tFound& f)
    {
        const int b = f.body;
        tTransitEvent e;
        e.Transiting = static_cast<std::uint8_t>(b);
        e.Natal = static_cast<std::uint8_t>(f.pair->natal);
        e.AspectIndex = static_cast<std::uint8_t>(f.pair->index == 2 ? 1 : f.pair->index);
        e.Orb = f.orb;
        e.Moment = f.t;
        e.Exact = DateTimeFromCenturies(f.t);
        e.Retrograde = Fold90(Longitude(b, f.t + 4 * kDay) - Longitude(b, f.t)) < 0;
        const double target = f.pair->target;
        const auto edge = [&](int direction) {
            if (f.pair->index >= kParallelIndex)
                return OrbEdge(b, f.t, f.orb, direction, [&](double t) { return Declination(b, t) - target; });
            return OrbEdge(b, f.t, f.orb, direction, [&](double t) { return Fold90(Longitude(b, t) - target); });
        };
        e.Begin = DateTimeFromCenturies(edge(-1));
        e.End = DateTimeFromCenturies(edge(+1));
        return e;
    }

private:
    // Body b's longitude at T, as a chart cast for that moment from the
    // natal chart's ephemeris shows it.
    double Longitude(int b, double T)
    {
        auto& track = tracks[static_cast<std::size_t>(b)];
        if (!track) track.emplace(b, plan.T0 - 40 * kDay, plan.T1 + 40 * kDay, tLongitudeTrack::SpacingDays(b), plan.eph);
        const double lon = track->At(T);
        return IsSidereal(plan.chart.Zodiac) ? Normalize360(lon - ayanamsa.At(T)) : lon;
    }

    // Body b's declination at T, degrees, as a chart cast then shows it.
    double Declination(int b, double T)
    {
        auto& track = declinationTracks[static_cast<std::size_t>(b)];
        if (!track)
            track.emplace(b, plan.T0 - 40 * kDay, plan.T1 + 40 * kDay, tLongitudeTrack::SpacingDays(b), plan.eph,
                          tTrackValue::Declination);
        return track->At(T);
    }

    // The crossings of a candidate's target in its scan interval, widened
    // by a part at both ends and sampled in parts: a body turning near
    // the target (a station in longitude, an extreme of declination) may
    // cross it twice inside one interval, and the one search finds both.
    void Refine(const tCandidate& c, std::vector<tFound>& found)
    {
        const int b = c.body;
        const double target = c.pair->target, orb = plan.AllowedOrb(b, c.pair->index);
        if (!(orb > 0)) return;
        const bool declination = c.pair->index >= kParallelIndex;
        auto diff = [&](double t) {
            return declination ? Declination(b, t) - target : Fold90(Longitude(b, t) - target);
        };
        const double start = plan.SampleMoment(c.sample), part = (plan.SampleMoment(c.sample + 1) - start) / kParts;
        EachRoot(diff, start - part, start + (kParts + 1) * part, part, kSecond, [&](double t, bool) {
            if (plan.Inside(t)) found.push_back({b, c.pair, t, orb});
        }, kScanTolerance);
    }

    // Where distance(t) from the aspect point reaches the orb, walking from
    // the exact moment t0 backwards (direction -1) or forwards.
    template <class F>
    double OrbEdge(int b, double t0, double orb, int direction, const F& distance)
    {
        double m = std::max(1.0, plan.rules.TransitOrb);
        // Steps grow with the body's number, the slower bodies further out;
        // Vesta moves as fast as Mars.
        const int rank = b == kVesta ? 5 : b;
        if (rank <= 2) m *= 8;
        else if (rank <= 4) m *= 6;
        else if (rank <= 6) m *= 2;
        const double s = direction * (rank / m) * kDay;
        // A slow body near a station may stay in orb for years; the walk
        // ends at the orb or after about twelve years.
        const int maxSteps = static_cast<int>(4400 / (rank / m));
        auto excess = [&](double t) { return std::fabs(distance(t)) - orb; };
        double t = t0, e = -orb;
        for (int k = 0; k < maxSteps && e <= 0; ++k) {
            t += s;
            e = excess(t);
        }
        if (e <= 0) return t;
        const double inside = t - s, eInside = excess(inside);
        // Lists show the ends to the minute.
        return direction > 0 ? RootInBracket(excess, inside, eInside, t, e, 10 * kSecond)
                             : RootInBracket(excess, t, e, inside, eInside, 10 * kSecond);
    }

    const tPlan& plan;
    std::array<std::optional<tLongitudeTrack>, kVesta + 1> tracks;  // [b]
    std::array<std::optional<tLongitudeTrack>, kVesta + 1> declinationTracks;
    tAyanamsaTrack ayanamsa;
};

// A slow body is dropped when no aspect point lies on the way its fastest
// motion could take it in the period.
void PruneSlowBodies(tPlan& plan)
{
    if (!plan.parallels.empty()) return;  // declinations may meet when longitudes cannot
    static constexpr double kMaxSpeed[4] = {1170, 450, 270, 270};  // degrees per century
    static constexpr double kTolerance[4] = {8, 6, 5, 5};
    for (int b = 7; b <= 10; ++b) {
        if (!(plan.bodies & BodyBit(b))) continue;
        const double span = kMaxSpeed[b - 7] * plan.L, tol = kTolerance[b - 7];
        if (span + tol >= 180) continue;  // may reach any point
        const double p0 = plan.samples[0][static_cast<std::size_t>(b)];
        bool reachable = false;
        for (int i = 1; i <= 24 && !reachable; ++i) {
            if (!plan.Searched(i)) continue;
            for (int n : plan.natalBodies)
                if (CrossesTarget(p0, p0 + span, plan.chart.AspectPosition(n) + SignedAspectAngle(i), tol)) {
                    reachable = true;
                    break;
                }
        }
        if (!reachable) plan.bodies &= ~BodyBit(b);
    }
}

// Candidates of one crossing settle within minutes of each other, and a
// slow body stationing on the point stays within the tolerance for days:
// one event per day apart, the first found kept (which also keeps the
// first of a calendar day).
std::vector<tFound> OnePerDay(const std::vector<std::vector<tFound>>& parts)
{
    std::unordered_map<int, std::vector<double>> kept;  // (body, natal, index) -> exact moments
    std::vector<tFound> out;
    for (const std::vector<tFound>& part : parts)
        for (const tFound& f : part) {
            const int index = f.pair->index == 2 ? 1 : f.pair->index;
            std::vector<double>& same = kept[f.body << 16 | f.pair->natal << 8 | index];
            if (std::any_of(same.begin(), same.end(), [&](double m) { return std::fabs(m - f.t) < kDay; })) continue;
            same.push_back(f.t);
            out.push_back(f);
        }
    return out;
}

bool Run(tPlan& plan, tTransitsCollection& result, const tProgress& progress, unsigned jobs)
{
    result.Clear();
    result.EphemerisNote = plan.eph.Note();
    if (!plan.bodies || (plan.pairs.empty() && plan.parallels.empty())) return true;
    std::vector<tScan> scans;
    for (unsigned j = 0; j < jobs; ++j) scans.emplace_back(plan);
    const int steps = plan.stepCount;
    plan.samples.resize(static_cast<std::size_t>(steps) + 1);
    plan.samples[0] = scans[0].Sample(plan.T0);
    if (!plan.parallels.empty()) plan.declinations.resize(plan.samples.size());
    PruneSlowBodies(plan);
    if (!plan.bodies) return true;
    // Each job samples, then scans, its own run of steps; what they find is
    // merged in the order of the steps, as one job would have found it.
    const auto stepsOf = [&](unsigned job) {
        const auto [from, to] = ShareOf(static_cast<std::size_t>(steps), job, jobs);
        return std::pair{static_cast<int>(from) + 1, static_cast<int>(to) + 1};
    };
    RunSideBySide(jobs, [&](unsigned job) {
        const auto [from, to] = stepsOf(job);
        for (int k = from; k < to; ++k)
            plan.samples[static_cast<std::size_t>(k)] = scans[job].Sample(plan.SampleMoment(k));
        if (plan.parallels.empty()) return;
        // Job 0 also samples the first moment, which no job's run holds.
        for (int k = job == 0 ? 0 : from; k < to; ++k)
            plan.declinations[static_cast<std::size_t>(k)] = scans[job].Sample(plan.SampleMoment(k), true);
    });
    std::vector<std::vector<tFound>> found(jobs);
    std::atomic<bool> cancelled{false};
    RunSideBySide(jobs, [&](unsigned job) {
        const auto range = stepsOf(job);
        const int from = range.first, to = range.second;
        scans[job].Scan(from, to, found[job], [&](int k) {
            // Progress is told from the calling thread only: job 0's share
            // stands for the whole.
            if (job == 0 && progress && (k - from) % 16 == 0 &&
                !progress(std::min(steps - 1, (k - from) * static_cast<int>(jobs)), steps))
                cancelled = true;
            return !cancelled.load(std::memory_order_relaxed);
        });
    });
    if (cancelled) return false;
    const std::vector<tFound> kept = OnePerDay(found);
    std::vector<tTransitEvent> events(kept.size());
    RunSideBySide(jobs, [&](unsigned job) {
        const auto [from, to] = ShareOf(kept.size(), job, jobs);
        for (std::size_t i = from; i < to; ++i) events[i] = scans[job].Describe(kept[i]);
    });
    for (const tTransitEvent& e : events) result.Add(e);
    result.Sort();
    return true;
}

}  // namespace

bool TransitSearch(const tChart& chart, int months, tBodyMask bodies, const tTransitRules& rules,
                   tTransitsCollection& result, const tProgress& progress, unsigned jobs)
{
    tPlan plan(chart, std::max(months, 1), bodies, rules);
    return Run(plan, result, progress, JobsOrCores(jobs));
}

}  // namespace quintara
