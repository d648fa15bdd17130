#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "chart_files.h"
#include "core/data/data_module.h"
#include "core/options/option_set.h"
#include "core/platform/atomic_file.h"
#include "core/reports/analysis.h"
#include "core/reports/natal_reports.h"
#include "core/reports/two_chart_reports.h"

using namespace quintara;

namespace {

struct tReportBench {
    std::string dir = (std::filesystem::temp_directory_path() / "quintara-bench-reports").string();
    tOptionRecord o = tOptionRecord::Defaults();
    std::unique_ptr<tProfileFile> settings;
    std::unique_ptr<TLanguages> lang;
    tReportContext ctx;
    tReportBench()
    {
        std::filesystem::create_directories(dir);
        settings = std::make_unique<tProfileFile>(JoinPath(dir, "Astro.ini"));
        lang = std::make_unique<TLanguages>(dir, *settings);
        ctx.Lang = lang.get();
        ctx.AspectRules = {&o.NatalOrbs, &o.SynastryOrbs, 3};
    }
    void Natal(tChart& c) const
    {
        c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30;
        c.Latitude = 48.52, c.Longitude = -2.21;
        CalcChart(c);
    }
};

// Header, positions list and the whole birth-chart interpretation.
void BM_NatalReportWithAnalysis(benchmark::State& state)
{
    tReportBench b;
    tAnalysisFile file;
    std::string error;
    if (!file.Open(JoinPath(QUINTARA_SEED_DIR, "analyse.agb"), error)) return state.SkipWithError(error.c_str());
    tChart c(&b.o.BirthSet);
    b.Natal(c);
    tFixedMetrics metrics;
    for (auto _ : state) {
        tReportText text(metrics);
        WriteHeader(text, c, b.ctx);
        WriteList(text, c, b.ctx);
        std::vector<std::string> lines;
        AnalyseChart(0, file, lines, c, b.ctx);
        for (const std::string& l : lines) text.AddLine(l);
        benchmark::DoNotOptimize(text.Paragraphs().size());
    }
}
BENCHMARK(BM_NatalReportWithAnalysis)->Unit(benchmark::kMillisecond);

// Every chart of a 100,000-chart file scanned (no chart reaches the limits),
// with N jobs (0: one per core), from the built-in theory (0) or the precise
// ephemeris (1).
void BM_CompareToFile(benchmark::State& state)
{
    tReportBench b;
    const std::string path = JoinPath(b.dir, "compare-100k.db");
    constexpr int kCharts = 100000;
    std::filesystem::remove(path);
    bench::MakeChartFile(path, kCharts);
    TData1 data(b.dir, path);
    const std::int32_t ephemeris = static_cast<std::int32_t>(state.range(1));
    if (ephemeris == kPreciseSource && !PreciseEphemerisInstalled()) {
        state.SkipWithError("precise ephemeris not installed");
        return;
    }
    TMainOptions settings(b.dir);
    settings.Ephemeris = ephemeris;
    data.FollowSettings(&settings);
    tChart first(&b.o.BirthSet), scratch(&b.o.BirthSet);
    b.Natal(first);
    first.Ephemeris = static_cast<std::uint8_t>(ephemeris);
    CalcChart(first);
    tAspectsCollection aspects(b.ctx.AspectRules);
    tCompareFileRequest r;
    r.Sex = 2, r.MinAge = 0, r.MaxAge = 200, r.PositiveMinimum = 1 << 30;
    const auto jobs = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CompareToFile(data, first, scratch, r, {2026, 12, 7}, aspects, {}, nullptr, jobs).size());
    state.SetItemsProcessed(state.iterations() * kCharts);
    state.SetLabel((jobs ? std::to_string(jobs) + " job(s)" : std::string("one job per core")) +
                   (ephemeris ? ", precise" : ", built-in"));
    std::filesystem::remove(path);
}
BENCHMARK(BM_CompareToFile)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace
