// A saved chart is on disk for every other process, whatever dialog was
// shown in between, and survives the program being killed: the program
// (the save driver) and the command line as two real processes.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "core/data/data_module.h"
#include "core/platform/atomic_file.h"
#include "core/platform/program_home.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

// The driver, fed commands through a pipe, each answered by "done".
class tDriver {
public:
    explicit tDriver(const std::string& home)
    {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            close(in[1]);
            close(out[0]);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(QUINTARA_SAVE_DRIVER, QUINTARA_SAVE_DRIVER, home.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        toDriver = fdopen(in[1], "w");
        fromDriver = fdopen(out[0], "r");
    }
    ~tDriver()
    {
        Kill();
        if (toDriver) fclose(toDriver);
        if (fromDriver) fclose(fromDriver);
    }
    // Sends a command; true once the driver has done it.
    bool Do(const std::string& command)
    {
        if (!toDriver) return false;
        std::fputs((command + "\n").c_str(), toDriver);
        std::fflush(toDriver);
        char line[256];
        while (std::fgets(line, sizeof line, fromDriver))
            if (std::string(line) == "done\n") return true;
        return false;
    }
    void Kill()
    {
        if (pid <= 0) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }

private:
    pid_t pid = -1;
    FILE* toDriver = nullptr;
    FILE* fromDriver = nullptr;
};

// The command line's list of the home's charts; filter: a --filter expression.
std::string ChartList(const std::string& home, const std::string& filter = "")
{
    const std::string cmd = std::string(QUINTARA_CLI) + " charts list --home '" + home + "'" +
                            (filter.empty() ? "" : " --filter \"" + filter + "\"") + " 2>&1";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
        pclose(p);
    }
    return out;
}

void SaveAroundADialog(const std::string& dialog)
{
    test::tTempDir dir;
    const std::string home = dir.File("home");
    std::filesystem::create_directories(home);
    ASSERT_TRUE(SeedProgramHome(home, QUINTARA_SEED_DIR));
    tDriver program(home);
    ASSERT_TRUE(program.Do("save Alpha"));
    ASSERT_TRUE(program.Do(dialog));
    EXPECT_NE(ChartList(home).find("Alpha"), std::string::npos);
    ASSERT_TRUE(program.Do("save Beta"));
    const std::string whileRunning = ChartList(home);
    EXPECT_NE(whileRunning.find("Beta"), std::string::npos) << whileRunning;
    program.Kill();
    const std::string afterKill = ChartList(home);
    EXPECT_NE(afterKill.find("Alpha"), std::string::npos) << afterKill;
    EXPECT_NE(afterKill.find("Beta"), std::string::npos) << afterKill;
    // Each chart's point was written with its row: Vesta for both.
    const std::string withPoints = ChartList(home, "P51 >= 0");
    EXPECT_NE(withPoints.find("Alpha"), std::string::npos) << withPoints;
    EXPECT_NE(withPoints.find("Beta"), std::string::npos) << withPoints;
}

// A damaged chart file at start-up: a new one is started beside it, the
// chart saved there survives the kill, the damaged file is as it was and
// the command line reads the new one.
TEST(SaveAndKill, StartedOnADamagedChartFile)
{
    test::tTempDir dir;
    const std::string home = dir.File("home");
    std::filesystem::create_directories(home);
    ASSERT_TRUE(SeedProgramHome(home, QUINTARA_SEED_DIR));
    std::string noise(8192, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 11);
    ASSERT_TRUE(WriteFileAtomically(home + "/chart.db", noise));
    tDriver program(home);
    ASSERT_TRUE(program.Do("check"));
    ASSERT_TRUE(program.Do("save Gamma"));
    program.Kill();
    std::string after;
    ASSERT_TRUE(ReadWholeFile(home + "/chart.db", after));
    EXPECT_TRUE(after == noise);
    TData1 data(home, "chart1.db", TData1::tChartFileMode::kExisting);
    ASSERT_EQ(data.ChartTable().RecordCount(), 1);
    data.ChartTable().First();
    EXPECT_EQ(data.ChartTable().Text("NAME"), "Gamma");
    // The new file is the one in force for every process from now on.
    const std::string list = ChartList(home);
    EXPECT_NE(list.find("Gamma"), std::string::npos) << list;
}

TEST(SaveAndKill, AfterSelectChartFileCancelled) { SaveAroundADialog("select"); }
TEST(SaveAndKill, AfterExportCancelled) { SaveAroundADialog("export"); }

}  // namespace
}  // namespace quintara
