// quintara: the desktop program.
#include <cstring>
#include <iostream>

#include <QDir>

#include "core/data/home_upgrade.h"
#include "core/platform/program_home.h"
#include "core/platform/version.h"
#include "shell/canvas/qt_runtime.h"
#include "shell/frame/main_form.h"
#include "shell/frame/start_up.h"
#include "shell/platform/application.h"
#include "shell/platform/program.h"

using namespace quintara;

int main(int argc, char** argv)
{
    // Answered before any window system is asked for: they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "quintara " QUINTARA_VERSION "\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "Usage: quintara [Qt options]\n"
                         "The Quintara desktop program: birth charts, transits, forecasts and comparisons.\n"
                         "  --help     this text\n"
                         "  --version  the program's version\n"
                         "Environment: QUINTARA_HOME, the program home to use instead of the usual one.\n"
                         "The command-line program is quintara-cli.\n";
            return 0;
        }
    }
    PrepareQtRuntime();
    TApplication app(argc, argv);
    tBoxMessenger messenger;
    app.SetMessenger(&messenger);
    std::string error;
    const tHomeSources sources = ProcessHomeSources("", QUINTARA_SEED_DIR);
    const std::string home = ResolveProgramHome(sources, &error);
    if (home.empty()) {
        messenger.Tell(nullptr, tMessenger::kError, kProgramTitle, QString::fromStdString(error));
        return 1;
    }
    TellUpgrade(UpgradeHome(home, sources.seedDir), sources.seedDir, messenger);
    std::unique_ptr<tProgram> program;
    try {
        // The storage must open before any window: a check of the table
        // files (before anything opens them: opening makes some), then the
        // tables themselves.
        if (!CheckInstallation(MissingReferenceFiles(home), messenger)) return 1;
        TellDamagedTables(DamagedReferenceFiles(home), messenger);
        program = std::make_unique<tProgram>(home, messenger);
    } catch (const std::exception& e) {
        messenger.Tell(nullptr, tMessenger::kError, kProgramTitle, e.what());
        return 1;
    }
    TMainForm frame(*program);
    frame.show();
    frame.CheckChartFile();
    return app.exec();
}
