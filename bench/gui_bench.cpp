// The desktop program on the offscreen platform: start-up to the frame
// shown, New chart OK to the natal window, the locality picker.
#include <benchmark/benchmark.h>

#include <filesystem>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include "data/city_file_dlg.h"
#include "main/main_form.h"
#include "main/new_chart_dlg.h"
#include "main/program.h"
#include "platform/program_home.h"
#include "platform/qt_runtime.h"
#include "reports/natal_windows.h"

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
