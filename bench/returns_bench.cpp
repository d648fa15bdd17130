#include <benchmark/benchmark.h>

#include "core/chart/returns.h"

using namespace quintara;

namespace {

void Natal(tChart& c)
{
    c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30;
    c.Latitude = 48.52, c.Longitude = -2.21;
    CalcChart(c);
}

void BM_SolarReturn(benchmark::State& state)
{
    tChart a, b;
    Natal(a);
    b.Assign(a);
    int year = 0;
    for (auto _ : state) benchmark::DoNotOptimize(SolarReturn(a, b, 1 + year++ % 60));
}
BENCHMARK(BM_SolarReturn)->Unit(benchmark::kMicrosecond);

void BM_LunarPhases(benchmark::State& state)
{
    tChart c;
    Natal(c);
    for (auto _ : state) benchmark::DoNotOptimize(LunarPhases(c).centuries[8]);
}
BENCHMARK(BM_LunarPhases)->Unit(benchmark::kMicrosecond);

}  // namespace
