#include <benchmark/benchmark.h>

#include "chart/chart.h"

using namespace quintara;

// One full chart: bodies 1..12 with the retrograde pass, houses, minor bodies.
static void BM_CalcChart(benchmark::State& state)
{
    tChart chart;
    chart.Year = 1990;
    chart.Month = 5;
    chart.Day = 17;
    chart.Latitude = 48.52;
    chart.Longitude = -2.21;
    int minute = 0;
    for (auto _ : state) {
        chart.Minute = static_cast<std::uint16_t>(minute++ % 60);
        CalcChart(chart);
        benchmark::DoNotOptimize(chart.HouseCusp(1));
    }
}
BENCHMARK(BM_CalcChart);
