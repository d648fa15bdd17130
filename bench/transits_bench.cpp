#include <benchmark/benchmark.h>

#include <string>

#include "core/aspects/aspects.h"
#include "core/aspects/previsions.h"
#include "core/aspects/sky_events.h"
#include "core/aspects/transit_search.h"
#include "core/chart/chart.h"
#include "core/options/option_set.h"

using namespace quintara;

namespace {

struct tNatal {
    tOptionRecord o = tOptionRecord::Defaults();
    tChart chart{&o.BirthSet};
    tTransitRules rules;
    explicit tNatal(std::uint8_t ephemeris = tChart::kBuiltIn)
    {
        chart.Ephemeris = ephemeris;
        chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14, chart.Minute = 30;
        chart.Latitude = 48.52, chart.Longitude = -2.21;
        CalcChart(chart);
        chart.Year = 2026, chart.Month = 1, chart.Day = 1;
        rules.TransitAspects.fill(true);
        rules.SynastryOrbs = &o.SynastryOrbs;
    }
};

// range(0): jobs, 0 for one per core.
void Search(benchmark::State& state, tBodyMask bodies, int months, std::uint8_t ephemeris = tChart::kBuiltIn,
            double parallelOrb = 0)
{
    tNatal n(ephemeris);
    n.rules.ParallelOrb = parallelOrb;
    if (!n.chart.EphemerisNote.empty()) return state.SkipWithError(n.chart.EphemerisNote.c_str());
    tTransitsCollection list;
    const auto jobs = static_cast<unsigned>(state.range(0));
    state.SetLabel(jobs ? std::to_string(jobs) + " job(s)" : "one job per core");
    for (auto _ : state) {
        TransitSearch(n.chart, months, bodies, n.rules, list, {}, jobs);
        ScoreTransits(list, n.o.NatalOrbs);
    }
    state.counters["events"] = static_cast<double>(list.Count());
}

// One year, Moon to Pluto, all twelve aspect kinds.
void BM_TransitsOneYear(benchmark::State& state) { Search(state, 0x7fc, 12); }
BENCHMARK(BM_TransitsOneYear)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same from the precise ephemeris.
void BM_TransitsOneYearPrecise(benchmark::State& state) { Search(state, 0x7fc, 12, tChart::kPrecise); }
BENCHMARK(BM_TransitsOneYearPrecise)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with the parallels of declination searched too.
void BM_TransitsOneYearWithParallels(benchmark::State& state) { Search(state, 0x7fc, 12, tChart::kBuiltIn, 1.0); }
BENCHMARK(BM_TransitsOneYearWithParallels)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TransitsOneYearPreciseWithParallels(benchmark::State& state) { Search(state, 0x7fc, 12, tChart::kPrecise, 1.0); }
BENCHMARK(BM_TransitsOneYearPreciseWithParallels)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TransitsTenYearsJupiterToPluto(benchmark::State& state) { Search(state, 0x7c0, 120); }
BENCHMARK(BM_TransitsTenYearsJupiterToPluto)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// A century of Moon-to-Pluto transits, the longest search the desktop offers.
void BM_TransitsHundredYears(benchmark::State& state) { Search(state, 0x7fc, 1200); }
BENCHMARK(BM_TransitsHundredYears)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_DailyPrevisionsOneYear(benchmark::State& state)
{
    tNatal n;
    tChart moving(&n.o.BirthSet);
    tAspectsCollection aspects({&n.o.NatalOrbs, &n.o.SynastryOrbs, 3});
    for (auto _ : state) {
        moving.Assign(n.chart);
        benchmark::DoNotOptimize(BuildPrevisions(n.chart, moving, 365, 24, aspects).back().Total);
    }
}
BENCHMARK(BM_DailyPrevisionsOneYear)->Unit(benchmark::kMillisecond);

// A year of the sky's events: ingresses, stations, phases, major aspects.
// 0: built-in, 1: precise.
void BM_SkyEventsYear(benchmark::State& state)
{
    tSkyEventRules rules;
    rules.ephemeris = static_cast<std::uint8_t>(state.range(0));
    std::size_t events = 0;
    for (auto _ : state) events = FindSkyEvents(2461406.5, 2461771.5, rules).size();  // 2027
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_SkyEventsYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same with the whole almanac: eclipses, void of course, shadows.
void BM_SkyEventsYearAlmanac(benchmark::State& state)
{
    tSkyEventRules rules;
    rules.ephemeris = static_cast<std::uint8_t>(state.range(0));
    rules.voidOfCourse = rules.shadows = true;
    std::size_t events = 0;
    for (auto _ : state) events = FindSkyEvents(2461406.5, 2461771.5, rules).size();  // 2027
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_SkyEventsYearAlmanac)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
