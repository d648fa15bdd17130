#include <benchmark/benchmark.h>

#include <vector>

#include "core/aspects/aspects.h"
#include "core/chart/chart.h"
#include "core/options/option_set.h"

using namespace quintara;

namespace {

// A computed chart of 40 bodies: the 28 built-in ones with the default
// birth-chart flags and 12 user points taking part. allTakePart: every body
// takes part and all aspect kinds are searched (the heaviest case).
struct tFortyBodies {
    tOptionRecord options = tOptionRecord::Defaults();
    std::vector<tPlanetRow> rows;
    tChart chart;

    tFortyBodies(int minute, bool allTakePart) : rows(Rows()), chart(&options.BirthSet, rows, nullptr)
    {
        chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14;
        chart.Minute = static_cast<std::uint16_t>(minute);
        chart.Latitude = 48.52, chart.Longitude = -2.21;
        CalcChart(chart);
        if (!allTakePart) return;
        chart.AspectTypes = 15;
        for (int p = 1; p <= chart.BodyCount(); ++p) chart.BodyAt(p)->Visible = chart.BodyAt(p)->Aspects = true;
    }

    static std::vector<tPlanetRow> Rows()
    {
        std::vector<tPlanetRow> r;
        for (int n = 29; n <= 40; ++n) {
            tPlanetRow row;
            row.Num = n, row.Visible = row.Aspects = true, row.Longitude = 17.0 * n;
            r.push_back(row);
        }
        return r;
    }
};

}  // namespace

// Argument 0: default flags, major aspects; 1: everything takes part.
static void BM_NatalAspects(benchmark::State& state)
{
    tFortyBodies a(30, state.range(0) != 0);
    tAspectsCollection list({&a.options.NatalOrbs, &a.options.SynastryOrbs, 3});
    for (auto _ : state) {
        list.BuildNatal(a.chart);
        list.ScoreNatal(a.chart);
        benchmark::DoNotOptimize(list.Items().data());
    }
    state.counters["aspects"] = static_cast<double>(list.Items().size());
}
BENCHMARK(BM_NatalAspects)->Arg(0)->Arg(1);

static void BM_SynastryAspects(benchmark::State& state)
{
    const bool all = state.range(0) != 0;
    tFortyBodies a(30, all), b(0, all);
    b.chart.Year = 1985;
    CalcChart(b.chart);
    tAspectsCollection list({&a.options.NatalOrbs, &a.options.SynastryOrbs, 3});
    for (auto _ : state) {
        list.Clear();
        list.BuildComparison(a.chart, b.chart);
        list.ScoreSynastry();
        benchmark::DoNotOptimize(list.Items().data());
    }
    state.counters["aspects"] = static_cast<double>(list.Items().size());
}
BENCHMARK(BM_SynastryAspects)->Arg(0)->Arg(1);

static void BM_CreateChart(benchmark::State& state)
{
    const tOptionRecord options = tOptionRecord::Defaults();
    for (auto _ : state) {
        tChart c(&options.BirthSet);
        benchmark::DoNotOptimize(c.BodyAt(1));
    }
}
BENCHMARK(BM_CreateChart);
