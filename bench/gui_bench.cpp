// The desktop program on the offscreen platform: start-up to the frame
// shown, New chart OK to the natal window, the locality picker, the
// database editors on large tables.
#include <benchmark/benchmark.h>

#include <filesystem>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

#include "chart_files.h"
#include "core/data/chart_file.h"
#include "core/platform/program_home.h"
#include "core/reports/two_chart_reports.h"
#include "shell/canvas/qt_runtime.h"
#include "shell/chart/new_chart_dlg.h"
#include "shell/data/chart_db_dlg.h"
#include "shell/data/city_file_dlg.h"
#include "shell/frame/main_form.h"
#include "shell/graphics/graphic_window.h"
#include "shell/graphics/time_graph_windows.h"
#include "shell/platform/program.h"
#include "shell/printing/report_printing.h"
#include "shell/reports/chart_print.h"
#include "shell/reports/natal_windows.h"
#include "shell/reports/compare_windows.h"
#include "shell/reports/derived_windows.h"
#include "shell/reports/previsions_window.h"
#include "shell/reports/transits_windows.h"

using namespace quintara;

namespace {

class tQuietMessenger : public tMessenger {
public:
    tAnswer Ask(QWidget*, tKind, const QString&, const QString&, tButtons) override { return kAnswerNo; }
    void Beep() override {}
};

// A seeded home (tables already built) and the application, once.
struct tGuiBench {
    tGuiBench()
    {
        home = (std::filesystem::temp_directory_path() / "quintara-gui-bench").string();
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        SeedProgramHome(home, QUINTARA_SEED_DIR);
    }
    ~tGuiBench() { std::filesystem::remove_all(home); }
    std::string home;
    tQuietMessenger messenger;
};

tGuiBench& Bench()
{
    static tGuiBench b;
    return b;
}

void BM_StartUpToFrameShown(benchmark::State& state)
{
    for (auto _ : state) {
        tProgram program(Bench().home, Bench().messenger);
        TMainForm frame(program);
        frame.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(frame.isVisible());
    }
}
BENCHMARK(BM_StartUpToFrameShown)->Unit(benchmark::kMillisecond);

void BM_NewChartOkToNatalWindow(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    TMainForm frame(program);
    frame.show();
    for (auto _ : state) {
        tChart chart(&program.Options().BirthSet);
        chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14, chart.Minute = 30;
        TNewChartDlg dialog(program, chart);
        dialog.LocatePlace("Paris");
        dialog.accept();  // OK: fields read, zone looked up
        CalcChart(chart);
        auto* window = new TNatalWindow(program, false, chart);
        window->InsAspects();
        frame.AddChild(window);
        QCoreApplication::processEvents();
        state.PauseTiming();
        frame.Area()->closeAllSubWindows();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewChartOkToNatalWindow)->Unit(benchmark::kMillisecond);

void BM_LocalityPickerOnAllLocalities(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    for (auto _ : state) {
        TCityFileDlg picker(program, QString(), 0);
        picker.show();
        benchmark::DoNotOptimize(picker.Find("Par"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LocalityPickerOnAllLocalities)->Unit(benchmark::kMillisecond);

// The same after another program wrote to the localities (as at the first
// opening of a run): the order of every locality is read again.
void BM_LocalityPickerAfterAWrite(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    program.Data().CityTable();
    tDatabase other(program.Data().PathOf(kCityFile), false);
    for (auto _ : state) {
        state.PauseTiming();
        other.Exec("UPDATE City SET POPULATION = POPULATION WHERE rowid = 1");
        state.ResumeTiming();
        TCityFileDlg picker(program, QString(), 0);
        picker.show();
        benchmark::DoNotOptimize(picker.Find("Par"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LocalityPickerAfterAWrite)->Unit(benchmark::kMillisecond);

// Database > Localities: the editor over every locality, shown.
void BM_LocalitiesEditorOnAllLocalities(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    for (auto _ : state) {
        TCityFileDlg editor(program, QString(), 0);
        editor.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(editor.Current());
    }
}
BENCHMARK(BM_LocalitiesEditorOnAllLocalities)->Unit(benchmark::kMillisecond);

// The chart file editor on 100,000 charts: opened, shown, moved to the last row.
struct tBigChartFile {
    tBigChartFile() : file(Bench().home + "/editor-100k.db")
    {
        std::filesystem::remove(file);
        bench::MakeChartFile(file, 100000);
    }
    ~tBigChartFile() { std::filesystem::remove(file); }
    std::string file;
};

void BM_ChartEditorOn100kChartsToLastRow(benchmark::State& state)
{
    tBigChartFile big;
    tProgram program(Bench().home, Bench().messenger);
    program.Data().OpenChartFile(big.file);
    for (auto _ : state) {
        TChartDBDlg editor(program, {});
        editor.show();
        QCoreApplication::processEvents();
        editor.findChild<QToolButton*>("LastBtn")->click();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(program.Data().ChartTable().Position());
    }
}
BENCHMARK(BM_ChartEditorOn100kChartsToLastRow)->Unit(benchmark::kMillisecond);

// A field filter (names starting "Chart 5") over 100,000 charts, shown.
void BM_FieldFilterOver100kCharts(benchmark::State& state)
{
    tBigChartFile big;
    tProgram program(Bench().home, Bench().messenger);
    program.Data().OpenChartFile(big.file);
    TChartDBDlg editor(program, {});
    editor.show();
    QCoreApplication::processEvents();
    const std::string filter = FieldFilterExpression({{"Name", true, "=", "Chart 5", ""}});
    for (auto _ : state) {
        editor.SetChartFilter(filter);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(program.Data().ChartTable().RecordCount());
        state.PauseTiming();
        editor.SetChartFilter("");
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FieldFilterOver100kCharts)->Unit(benchmark::kMillisecond);

// One repaint of a two-chart wheel at 1200 x 900, antialiased.
void BM_RepaintTwoChartWheel(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    tChart a(&program.Options().BirthSet), b(&program.Options().BirthSet);
    a.Year = 1990, a.Month = 5, a.Day = 17, a.Hour = 14, a.Minute = 30, a.Latitude = 48.52, a.Longitude = -2.21;
    b.Year = 1985, b.Month = 3, b.Day = 2, b.Hour = 8, b.Minute = 10, b.Latitude = 45.45, b.Longitude = -4.50;
    CalcChart(a);
    CalcChart(b);
    TChartGraphWindow window(program, tGraphKind::Two, a, &b);
    window.ViewResized(QSize(1200, 900));
    QPixmap target(1200, 900);
    for (auto _ : state) {
        window.Picture()->render(&target);
        benchmark::DoNotOptimize(target.cacheKey());
    }
}
BENCHMARK(BM_RepaintTwoChartWheel)->Unit(benchmark::kMillisecond);

// Graphics > Aspect wheel from a natal window, to the window shown.
void BM_OpenWheelFromNatalWindow(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    TMainForm frame(program);
    frame.show();
    tChart chart(&program.Options().BirthSet);
    chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14, chart.Minute = 30;
    chart.Latitude = 48.52, chart.Longitude = -2.21;
    CalcChart(chart);
    frame.AddChild(new TNatalWindow(program, false, chart));
    for (auto _ : state) {
        frame.OpenWheel(false);
        QCoreApplication::processEvents();
        state.PauseTiming();
        frame.Area()->activeSubWindow()->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWheelFromNatalWindow)->Unit(benchmark::kMillisecond);

// One clock tick: new date, zone, chart, drawing and repaint.
void BM_ClockTick(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    TMainForm frame(program);
    frame.show();
    tChart chart(&program.Options().BirthSet);
    chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14, chart.Minute = 30;
    chart.Latitude = 48.52, chart.Longitude = -2.21, chart.Country = 250;
    CalcChart(chart);
    auto* clock = new TClockWindow(program, chart, 60);
    frame.AddChild(clock);
    clock->ViewResized(QSize(1000, 800));
    QPixmap target(1000, 800);
    for (auto _ : state) {
        clock->Tick();
        clock->Picture()->render(&target);
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMillisecond);

// Compare to file over 100,000 charts, the progress dialog included.
void BM_CompareToFileWithProgress(benchmark::State& state)
{
    const std::string file = Bench().home + "/compare-100k.db";
    std::filesystem::remove(file);
    bench::MakeChartFile(file, 100000);
    tProgram program(Bench().home, Bench().messenger);
    program.Data().OpenChartFile(file);
    tChart first(&program.Options().BirthSet);
    first.Year = 1990, first.Month = 5, first.Day = 17, first.Hour = 14, first.Minute = 30;
    first.Latitude = 48.52, first.Longitude = -2.21;
    CalcChart(first);
    tCompareFileRequest everyone;
    everyone.Sex = 2, everyone.MaxAge = 200, everyone.PositiveMinimum = 1 << 30;  // no match: every chart scanned
    int scanned = 0;
    for (auto _ : state) {
        const auto matches = ScanChartFile(program, first, everyone, nullptr);
        benchmark::DoNotOptimize(matches);
        scanned += program.Data().ChartTable().RecordCount();
    }
    state.SetItemsProcessed(scanned);
    std::filesystem::remove(file);
}
BENCHMARK(BM_CompareToFileWithProgress)->Unit(benchmark::kMillisecond)->Iterations(1);

// A one-year transits window for bodies 2 to 10: search, scores, text.
void BM_OpenOneYearTransitsWindow(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    tChart natal(&program.Options().BirthSet), start(&program.Options().BirthSet);
    natal.Year = 1990, natal.Month = 5, natal.Day = 17, natal.Hour = 14, natal.Minute = 30;
    natal.Latitude = 48.52, natal.Longitude = -2.21;
    CalcChart(natal);
    start.Assign(natal);
    start.Year = 2026, start.ChartType = 5;
    CalcChart(start);
    std::size_t events = 0;
    for (auto _ : state) {
        TTransitsWindow window(program, natal, start, FindTransitsFrom(program.Options(), natal, start, 12, 0x7FCu),
                               0x7FCu);
        events = window.Events().Count();
    }
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_OpenOneYearTransitsWindow)->Unit(benchmark::kMillisecond);

// A report of about ten pages (the chart, every aspect kind, the analysis)
// printed to a PDF file, header and footer on every page.
void BM_PrintTenPagesToPdf(benchmark::State& state)
{
    tProgram program(Bench().home, Bench().messenger);
    tChart chart(&program.Options().BirthSet);
    chart.Name = "Durand", chart.FirstName = "Elise";
    chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14, chart.Minute = 30;
    chart.Latitude = 48.52, chart.Longitude = -2.21;
    CalcChart(chart);
    TNatalWindow window(program, false, chart);
    for (int k = 0; k < 2; ++k) {
        window.InsList();
        window.InsAspects();
        window.InsAnalyse();
    }
    auto formatter = window.MakePrint();
    const std::string file = Bench().home + "/ten-pages.pdf";
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        benchmark::DoNotOptimize(
            PrintDocument(printer, *window.Text().document(), window.PrintLayout(), formatter->JobTitle()));
    }
    QPrinter probe(QPrinter::HighResolution);
    probe.setOutputFormat(QPrinter::PdfFormat);
    const QRect page = probe.pageLayout().fullRectPixels(probe.resolution());
    QImage scratch(8, 8, QImage::Format_RGB32);
    QPainter painter(&scratch);
    const int pages = PrintPages(painter, {page.width(), page.height(), probe.resolution()}, *window.Text().document(),
                       window.PrintLayout(), [] {});
    state.counters["pages"] = pages;
    std::filesystem::remove(file);
}
BENCHMARK(BM_PrintTenPagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareQtRuntime();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
