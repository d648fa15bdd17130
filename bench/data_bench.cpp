#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "chart_files.h"
#include "core/data/chart_exchange.h"
#include "core/data/chart_record.h"
#include "core/data/data_module.h"
#include "core/platform/atomic_file.h"

using namespace quintara;

namespace {

// The reference tables of the build, with a scratch chart file of its own.
struct tBenchData {
    std::string dir = (std::filesystem::temp_directory_path() / "quintara-bench").string();
    std::unique_ptr<TData1> data;

    tBenchData()
    {
        std::filesystem::create_directories(dir);
        if (FileExists(JoinPath(QUINTARA_SEED_DIR, kCityFile)))
            data = std::make_unique<TData1>(QUINTARA_SEED_DIR, JoinPath(dir, "bench-chart.db"));
    }
};

tBenchData& Bench()
{
    static tBenchData b;
    return b;
}

void BM_PlacePrefix(benchmark::State& state)
{
    if (!Bench().data) return state.SkipWithError("reference tables not built");
    TData1& d = *Bench().data;
    const char* prefixes[] = {"par", "New Y", "san", "München", "lo", "Z"};
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        found += d.FindLocalities(prefixes[i++ % 6], 20).size();
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_PlacePrefix)->Unit(benchmark::kMicrosecond);

void BM_FindAdjust(benchmark::State& state)
{
    if (!Bench().data) return state.SkipWithError("reference tables not built");
    TData1& d = *Bench().data;
    std::vector<tLocality> places;
    for (const char* name : {"Paris", "New York City", "Amsterdam", "Sydney", "Mumbai", "Chicago", "Moscow"})
        places.push_back(d.FindLocalities(name, 1).at(0));
    tChart c;
    std::size_t i = 0;
    for (auto _ : state) {
        const tLocality& p = places[i % places.size()];
        c.Country = p.country;
        c.State = p.state;
        c.Longitude = p.longitude;
        c.Year = static_cast<std::uint16_t>(1900 + (i * 37) % 135);
        c.Month = static_cast<std::uint16_t>(1 + i % 12);
        c.Day = 15;
        c.Hour = 12;
        benchmark::DoNotOptimize(d.FindAdjust(c));
        ++i;
    }
}
BENCHMARK(BM_FindAdjust)->Unit(benchmark::kMicrosecond);

// Reading every row of a 100,000-chart file and computing each chart.
void BM_ReadAndCalcCharts(benchmark::State& state)
{
    if (!Bench().data) return state.SkipWithError("reference tables not built");
    const std::string path = JoinPath(Bench().dir, "bench-100k.db");
    constexpr int kCharts = 100000;
    std::filesystem::remove(path);
    bench::MakeChartFile(path, kCharts);
    TData1 data(QUINTARA_SEED_DIR, path);
    tTable& t = data.ChartTable();
    tChart c;
    for (auto _ : state) {
        for (t.First(); !t.Eof(); t.Next()) {
            data.ReadChart(c);
            CalcChart(c);
        }
        benchmark::DoNotOptimize(c.JulianDay);
    }
    state.SetItemsProcessed(state.iterations() * kCharts);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndCalcCharts)->Unit(benchmark::kMillisecond)->Iterations(2);

// The integrity check a chart file gets before its first write, on 100,000
// charts.
void BM_ChartFileWriteCheck(benchmark::State& state)
{
    const std::string path = JoinPath(Bench().dir, "bench-check-100k.db");
    std::filesystem::remove(path);
    bench::MakeChartFile(path, 100000);
    for (auto _ : state) {
        TData1 data(Bench().dir, path);
        data.CheckChartWritable();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ChartFileWriteCheck)->Unit(benchmark::kMillisecond)->Iterations(3);

// 10,000 charts through each exchange format: exported from a chart file,
// then read, checked and stored in a new one (coordinates and zones given,
// so no lookups but the country's).
void BM_ExchangeRoundTrip(benchmark::State& state)
{
    if (!Bench().data) return state.SkipWithError("reference tables not built");
    constexpr int kCharts = 10000;
    const auto format = static_cast<tExchangeFormat>(state.range(0));
    const char* ext[] = {"aaf", "csv", "jsonl"};
    const std::string from = JoinPath(Bench().dir, "bench-exchange-from.db");
    const std::string file = JoinPath(Bench().dir, std::string("bench-exchange.") + ext[state.range(0)]);
    const std::string into = JoinPath(Bench().dir, "bench-exchange-into.db");
    std::filesystem::remove(from);
    bench::MakeChartFile(from, kCharts);
    TData1 source(QUINTARA_SEED_DIR, from);
    for (auto _ : state) {
        std::filesystem::remove(into);
        ExportCharts(source, file, format, tReplace::kYes);
        TData1 target(QUINTARA_SEED_DIR, into);
        const tImportPlan plan = PrepareImport(target, file, format, 0, 0);
        benchmark::DoNotOptimize(StoreImport(target, plan, nullptr));
    }
    state.SetItemsProcessed(state.iterations() * kCharts);
    state.SetLabel(ext[state.range(0)]);
    for (const std::string& f : {from, file, into}) std::filesystem::remove(f);
}
BENCHMARK(BM_ExchangeRoundTrip)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
