#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/chart/returns.h"

using namespace quintara;

namespace {

// ephemeris: 0 built-in, 1 precise (tChart::tEphemeris).
void Natal(tChart& c, std::int64_t ephemeris = 0)
{
    c.Ephemeris = static_cast<std::uint8_t>(ephemeris);
    c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30;
    c.Latitude = 48.52, c.Longitude = -2.21;
    CalcChart(c);
}

void BM_SolarReturn(benchmark::State& state)
{
    tChart a, b;
    Natal(a, state.range(0));
    b.Assign(a);
    int year = 0;
    for (auto _ : state) {
        SolarReturn(a, b, 1 + year++ % 60);
        benchmark::DoNotOptimize(b.Centuries);
    }
    state.SetLabel(state.range(0) ? "precise" : "built-in");
}
BENCHMARK(BM_SolarReturn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LunarPhases(benchmark::State& state)
{
    tChart c;
    Natal(c, state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(LunarPhases(c).centuries[8]);
    state.SetLabel(state.range(0) ? "precise" : "built-in");
}
BENCHMARK(BM_LunarPhases)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LunarReturn(benchmark::State& state)
{
    tChart a, b;
    Natal(a, state.range(0));
    int month = 0;
    for (auto _ : state) {
        b.Assign(a);
        b.Year = static_cast<std::uint16_t>(2000 + month / 12), b.Month = static_cast<std::uint8_t>(1 + month % 12);
        ++month %= 600;
        LunarReturn(a, b);
        benchmark::DoNotOptimize(b.Centuries);
    }
    state.SetLabel(state.range(0) ? "precise" : "built-in");
}
BENCHMARK(BM_LunarReturn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
