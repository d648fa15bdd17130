#include <benchmark/benchmark.h>

#include "core/chart/chart.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/body_numbers.h"
#include "core/chart/chart_steps.h"
#include "core/chart/planet.h"
#include "core/engine/houses.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/planet_series.h"

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

// The same chart from the precise ephemeris (bodies 1-12 and 25-28, Placidus).
static void BM_CalcChartPrecise(benchmark::State& state)
{
    tChart c;
    c.Ephemeris = tChart::kPrecise;
    c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30, c.Adjust = -2.00;
    c.Latitude = 48.52, c.Longitude = -2.21;
    int minute = 0;
    for (auto _ : state) {
        c.Minute = static_cast<std::uint16_t>(minute++ % 60);  // never the library's cached moment
        CalcChart(c);
        benchmark::DoNotOptimize(c.JulianDay);
    }
    if (!c.EphemerisNote.empty()) state.SkipWithError(c.EphemerisNote.c_str());
}
BENCHMARK(BM_CalcChartPrecise);

// A chart with every computed point, the Hermetic lots and five catalogue
// stars, with every declination read, in each ephemeris (0 built-in, 1
// precise; the built-in one leaves out what it cannot give).
static void BM_CalcChartPoints(benchmark::State& state)
{
    const auto ephemeris = static_cast<std::uint8_t>(state.range(0));
    if (ephemeris == tChart::kPrecise && !PreciseEphemerisInstalled()) {
        state.SkipWithError("precise ephemeris not installed");
        return;
    }
    tChart c;
    for (int n = kFirstComputedPoint; n <= kLastComputedPoint; ++n)
        if (IsComputedPoint(n)) c.AddBody(n).PointType = kComputedPoint;
    const int lots[][3] = {{301, 2, 1}, {302, 1, 2}, {303, 4, 302}, {304, 301, 3}, {305, 301, 5}, {306, 6, 302}, {307, 301, 7}};
    for (const auto& l : lots) {
        tPlanet& p = c.AddBody(l[0]);
        p.PointType = kLotPoint, p.Plus1 = kAscendant, p.Plus2 = l[1], p.Minus1 = l[2];
    }
    int star = 1001;
    for (const char* name : {"Aldebaran", "Regulus", "Antares", "Spica", "Algol"}) {
        tPlanet& p = c.AddBody(star++);
        p.PointType = 2, p.RowName = name;
    }
    c.Ephemeris = ephemeris;
    c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30, c.Adjust = -2.00;
    c.Latitude = 48.52, c.Longitude = -2.21;
    int minute = 0;
    for (auto _ : state) {
        c.Minute = static_cast<std::uint16_t>(minute++ % 60);
        CalcChart(c);
        double sum = 0;
        for (int p = 1; p <= c.BodyCount(); ++p) sum += c.BodyAt(p)->Declination();
        benchmark::DoNotOptimize(sum);
    }
    if (!c.EphemerisNote.empty()) state.SkipWithError(c.EphemerisNote.c_str());
}
BENCHMARK(BM_CalcChartPoints)->Arg(0)->Arg(1);

// The parts of a chart, to see where its time goes.
static void BM_PlanetSeries(benchmark::State& state)
{
    double lon[11], lat[11];
    double jd = 2448029.0;
    for (auto _ : state) {
        PlanetSeries(lon, lat, 0, jd);
        jd += 0.01;
        benchmark::DoNotOptimize(lon[10]);
    }
}
BENCHMARK(BM_PlanetSeries);

static void BM_CalcMinorBodies(benchmark::State& state)
{
    tChart chart;
    chart.Centuries = -0.1;
    for (auto _ : state) {
        CalcMinorBodies(chart);
        chart.Centuries += 1e-6;
        benchmark::DoNotOptimize(chart.BodyPosition(kChiron));
    }
}
BENCHMARK(BM_CalcMinorBodies);

static void BM_CalcHouses(benchmark::State& state)
{
    tChart chart;
    chart.Latitude = 48.52;
    chart.SiderealT = 0.2;
    for (auto _ : state) {
        CalcHouses(chart);
        chart.SiderealT += 0.0001;
        benchmark::DoNotOptimize(chart.HouseCusp(1));
    }
}
BENCHMARK(BM_CalcHouses);
