#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/graphics/chart_graphs.h"
#include "core/graphics/svg_canvas.h"
#include "core/options/option_set.h"
#include "core/platform/atomic_file.h"
#include "shell/canvas/picture_files.h"
#include "shell/canvas/qt_canvas.h"

using namespace quintara;

namespace {

struct tPictureBench {
    std::string dir = (std::filesystem::temp_directory_path() / "quintara-bench-pictures").string();
    tOptionRecord o = tOptionRecord::Defaults();
    std::unique_ptr<tProfileFile> settings;
    std::unique_ptr<TLanguages> lang;
    tPictureContext ctx;
    tChart a{&o.FirstChartSet}, b{&o.SecondChartSet};
    tPictureBench()
    {
        std::filesystem::create_directories(dir);
        settings = std::make_unique<tProfileFile>(JoinPath(dir, "Astro.ini"));
        lang = std::make_unique<TLanguages>(dir, *settings);
        ctx.Lang = lang.get();
        ctx.AspectRules = {&o.NatalOrbs, &o.SynastryOrbs, 15};
        for (tChart* c : {&a, &b}) {
            c->Year = c == &a ? 1990 : 1985, c->Month = 5, c->Day = 17, c->Hour = 14;
            c->Latitude = 48.52, c->Longitude = -2.21;
            CalcChart(*c);
        }
    }
};

// Setup and RecordGraph of a two-chart wheel with its aspects.
void BM_RecordTwoWheel(benchmark::State& state)
{
    tPictureBench p;
    for (auto _ : state) {
        tChartGraph g(tGraphKind::Two, p.a, p.b, p.ctx);
        g.Setup();
        g.RecordGraph();
        benchmark::DoNotOptimize(g.Elements.size());
    }
}
BENCHMARK(BM_RecordTwoWheel)->Unit(benchmark::kMicrosecond);

// Replay of the recorded picture onto a 1000 x 1000 SVG page.
void BM_ReplayTwoWheelSvg(benchmark::State& state)
{
    tPictureBench p;
    tChartGraph g(tGraphKind::Two, p.a, p.b, p.ctx);
    g.Setup();
    g.RecordGraph();
    for (auto _ : state) {
        tSvgCanvas svg(1000, 1000);
        g.play(svg, PageReplay(svg.DeviceWidth(), svg.DeviceHeight(), 1.0, true, false));
        benchmark::DoNotOptimize(svg.Document().size());
    }
}
BENCHMARK(BM_ReplayTwoWheelSvg)->Unit(benchmark::kMillisecond);

// Replay onto a 1000 x 1000 image, as a window paints it.
void BM_ReplayTwoWheelRaster(benchmark::State& state)
{
    EnsureGuiApplication();
    tPictureBench p;
    tChartGraph g(tGraphKind::Two, p.a, p.b, p.ctx);
    g.Setup();
    g.RecordGraph();
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        tQtCanvas canvas(painter, &image);
        g.play(canvas, PageReplay(1000, 1000, 1.0, true, true));
    }
}
BENCHMARK(BM_ReplayTwoWheelRaster)->Unit(benchmark::kMillisecond);

}  // namespace
