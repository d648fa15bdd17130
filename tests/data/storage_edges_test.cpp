// Storage at its edges, on real files: a full disk, a file another process
// holds locked, a home made on a disk that runs out, tables cut short.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

#include "core/data/data_module.h"
#include "core/data/home_upgrade.h"
#include "core/data/table_files.h"
#include "core/platform/atomic_file.h"
#include "core/platform/program_home.h"
#include "core/reports/chart_saving.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

void Save(TData1& data, const std::string& name, const std::string& place = "")
{
    tChart c;
    c.Name = name;
    c.BirthPlace = place;
    c.Year = 1987;
    c.Month = 3;
    c.Day = 14;
    AppendChart(data, c, nullptr);
}

// Name and place of every row, in the table's order.
std::vector<std::string> Rows(tTable& t)
{
    std::vector<std::string> out;
    for (t.First(); !t.Eof(); t.Next()) out.push_back(t.Text("NAME") + "@" + t.Text("BIRTHPLACE"));
    return out;
}

tStorageFault SaveFault(TData1& data, const std::string& name, std::string& message)
{
    try {
        Save(data, name);
    } catch (const tStorageError& e) {
        message = e.what();
        return e.Fault();
    }
    return tStorageFault::kOther;
}

// A save refused for a full disk leaves no pending row behind: the row
// at the top is still the first chart, and editing it changes it alone.
TEST(FullDisk, ARefusedSaveLeavesEveryRowAsItWas)
{
    test::tSmallDisk disk(1024);
    if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a small file system";
    TData1 data(disk.Path());
    Save(data, "KeepA", "Basel");
    Save(data, "KeepB", "Bern");
    disk.Fill();
    std::string message;
    EXPECT_EQ(SaveFault(data, "FailEd", message), tStorageFault::kFull) << message;
    EXPECT_NE(message.find("the disk is full"), std::string::npos) << message;
    disk.Free();
    tTable& t = data.ChartTable();
    EXPECT_FALSE(t.Editing());
    EXPECT_EQ(Rows(t), (std::vector<std::string>{"KeepA@Basel", "KeepB@Bern"}));
    t.First();
    t.Edit();
    t.Set("BIRTHPLACE", std::string("Zürich"));
    t.Post();
    Save(data, "FailEd");
    EXPECT_EQ(Rows(t), (std::vector<std::string>{"FailEd@", "KeepA@Zürich", "KeepB@Bern"}));
    TData1 again(disk.Path());
    EXPECT_EQ(Rows(again.ChartTable()), (std::vector<std::string>{"FailEd@", "KeepA@Zürich", "KeepB@Bern"}));
}

// Another process holds the chart file locked: the save waits, then says
// so and writes nothing; once the lock is gone the next save works. A
// lock met by the first write's integrity check is not taken for damage.
TEST(LockedChartFile, BusyIsNotDamagedAndTheNextSaveWorks)
{
    test::tTempDir dir;
    {
        TData1 data(dir.Path());
        Save(data, "KeepA");
    }
    TData1 before(dir.Path());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        tDatabase db(dir.File("chart.db"), false);
        db.Exec("BEGIN EXCLUSIVE");
        (void)!write(ready[1], "x", 1);
        pause();
        _exit(0);
    }
    char x;
    ASSERT_EQ(read(ready[0], &x, 1), 1);
    // One opened before the lock, whose first write meets it; one opened
    // while the file is locked.
    std::string message;
    EXPECT_EQ(SaveFault(before, "Locked", message), tStorageFault::kBusy) << message;
    EXPECT_NE(message.find("another program is using " + dir.File("chart.db")), std::string::npos) << message;
    EXPECT_NE(message.find("nothing was written"), std::string::npos) << message;
    EXPECT_EQ(message.find("damaged"), std::string::npos) << message;
    TData1 during(dir.Path());
    EXPECT_NE(during.ChartFileProblem().find("another program is using"), std::string::npos) << during.ChartFileProblem();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    Save(before, "Unlocked");
    Save(during, "Later");
    EXPECT_EQ(Rows(during.ChartTable()), (std::vector<std::string>{"KeepA@", "Later@", "Unlocked@"}));
}

std::map<std::string, std::string> Files(const std::string& root)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) ReadWholeFile(e.path().string(), files[fs::relative(e.path(), root).string()]);
    return files;
}

// A home made on a disk too small for it: every file there is whole (or
// not there), the message says the disk is full, and the next start on a
// larger disk finishes the home.
TEST(FullDisk, SeedingAHomeIsAllOrNothing)
{
    const std::string seed = QUINTARA_SEED_DIR;
    if (!FileExists(JoinPath(seed, kCityFile))) GTEST_SKIP() << "the reference tables are not built";
    test::tSmallDisk disk(2048);
    if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a small file system";
    tHomeSources sources;
    sources.explicitHome = disk.File("home");
    sources.seedDir = seed;
    std::string error;
    EXPECT_EQ(ResolveProgramHome(sources, &error), "");
    EXPECT_NE(error.find("the disk is full"), std::string::npos) << error;
    const std::map<std::string, std::string> installed = Files(seed);
    for (const auto& [name, bytes] : Files(disk.File("home"))) {
        ASSERT_TRUE(installed.count(name)) << name << " is no installed file (a temporary left behind?)";
        EXPECT_EQ(bytes, installed.at(name)) << name << " is not whole";
    }
    ASSERT_TRUE(disk.Resize(64 * 1024));
    EXPECT_EQ(ResolveProgramHome(sources, &error), disk.File("home")) << error;
    EXPECT_EQ(Files(disk.File("home")), installed);
}

// A table cut short by an earlier version's seeding is found from its
// header, and the upgrade replaces it, keeping the damaged copy aside.
TEST(DamagedTables, ACutTableIsNamedAndReplacedByTheInstalledOne)
{
    const std::string seed = QUINTARA_SEED_DIR;
    if (!FileExists(JoinPath(seed, kCityFile))) GTEST_SKIP() << "the reference tables are not built";
    test::tTempDir dir;
    const std::string home = dir.File("home");
    fs::create_directories(home);
    ASSERT_TRUE(SeedProgramHome(home, seed));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(JoinPath(seed, kTime1File), bytes));
    ASSERT_TRUE(WriteFileAtomically(JoinPath(home, kTime1File), bytes.substr(0, bytes.size() * 3 / 5)));
    ASSERT_TRUE(WriteFileAtomically(JoinPath(home, kCityFile), ""));
    const std::vector<std::string> damaged = DamagedReferenceFiles(home);
    ASSERT_EQ(damaged.size(), 2u);
    EXPECT_EQ(damaged[0], JoinPath(home, kCityFile) + " is empty");
    EXPECT_EQ(damaged[1], JoinPath(home, kTime1File) + " is cut short (damaged)");
    std::string why;
    EXPECT_TRUE(TableFileWhole(JoinPath(seed, kTime1File), &why)) << why;

    tHomeUpgrade upgrade = UpgradeHome(home, seed);
    std::sort(upgrade.repaired.begin(), upgrade.repaired.end());
    EXPECT_EQ(upgrade.repaired, (std::vector<std::string>{kTime1File, kCityFile}));
    EXPECT_TRUE(upgrade.keptEdited.empty());
    EXPECT_TRUE(DamagedReferenceFiles(home).empty());
    EXPECT_TRUE(FileExists(JoinPath(home, std::string(kCityFile) + ".damaged")));
    TData1 data(home);
    EXPECT_FALSE(data.FindLocalities("Paris", 1).empty());
}

// A reference table that is not a table file: the message names it in
// words, without the statement that met it.
TEST(DamagedTables, TheMessageNamesTheFileWithoutSql)
{
    test::tTempDir dir;
    fs::create_directories(dir.File("dbfiles"));
    ASSERT_TRUE(WriteFileAtomically(dir.File(kCityFile), std::string(8192, 'Z')));
    TData1 data(dir.Path());
    try {
        data.FindLocalities("Paris", 1);
        ADD_FAILURE() << "read a damaged table";
    } catch (const tStorageError& e) {
        const std::string message = e.what();
        EXPECT_EQ(e.Fault(), tStorageFault::kDamaged) << message;
        EXPECT_NE(message.find(dir.File(kCityFile) + " is damaged"), std::string::npos) << message;
        EXPECT_EQ(message.find("SELECT"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace quintara
