#include <gtest/gtest.h>

#include <filesystem>

#include "core/data/home_upgrade.h"
#include "core/data/sqlite_db.h"
#include "core/options/main_options.h"
#include "core/platform/atomic_file.h"
#include "core/platform/profile_file.h"
#include "core/platform/program_home.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

// An installed version: a localities table holding one town, the chart
// setup's table and an interpretation file.
void Install(const std::string& seed, const std::string& town, const std::string& text)
{
    fs::create_directories(fs::path(seed) / "dbfiles");
    for (const char* name : {"dbfiles/city.db", "dbfiles/planets.db"}) {
        const std::string path = JoinPath(seed, name);
        fs::remove(path);
        tDatabase db(path, true);
        db.Exec("CREATE TABLE City (CITY TEXT)");
        db.Exec("INSERT INTO City VALUES ('" + town + "')");
    }
    ASSERT_TRUE(WriteFileAtomically(JoinPath(seed, "analyse.agb"), text));
}

std::string Town(const std::string& path)
{
    tDatabase db(path, false);
    tStatement q = db.Prepare("SELECT CITY FROM City");
    return q.Step() ? q.Text(0) : "";
}

std::string Text(const std::string& path)
{
    std::string s;
    ReadWholeFile(path, s);
    return s;
}

class HomeUpgrade : public ::testing::Test {
protected:
    void SetUp() override
    {
        seed = dir.File("seed");
        home = dir.File("home");
        Install(seed, "Oldtown", "version 1");
        ASSERT_TRUE(SeedProgramHome(home, seed));
        const tHomeUpgrade first = UpgradeHome(home, seed);
        EXPECT_TRUE(first.refreshed.empty() && first.keptEdited.empty() && first.problems.empty());
    }
    std::string Home(const char* name) const { return JoinPath(home, name); }

    test::tTempDir dir;
    std::string seed, home;
};

TEST_F(HomeUpgrade, UneditedFilesFollowTheInstalledVersionAndEditedOnesAreKept)
{
    {
        tDatabase reader(Home("dbfiles/city.db"), false);
    }  // read by the program: still unedited
    ASSERT_TRUE(WriteFileAtomically(Home("analyse.agb"), "my own words"));
    {
        tDatabase planets(Home("dbfiles/planets.db"), false);
        planets.Exec("INSERT INTO City VALUES ('my point')");
    }
    tDatabase openElsewhere(Home("dbfiles/city.db"), false);  // another window of the program
    Install(seed, "Newtown", "version 2");
    const tHomeUpgrade r = UpgradeHome(home, seed);
    EXPECT_EQ(r.refreshed, std::vector<std::string>{"dbfiles/city.db"});
    EXPECT_EQ(r.keptEdited, std::vector<std::string>{"analyse.agb"});
    EXPECT_TRUE(r.problems.empty()) << r.problems[0];
    EXPECT_EQ(Town(Home("dbfiles/city.db")), "Newtown");
    {
        tStatement q = openElsewhere.Prepare("SELECT CITY FROM City");
        ASSERT_TRUE(q.Step());
        EXPECT_EQ(q.Text(0), "Newtown");  // the open connection reads the new rows
    }
    EXPECT_EQ(Text(Home("analyse.agb")), "my own words");
    EXPECT_EQ(Town(Home("dbfiles/planets.db")), "Oldtown");  // the chart setup is the user's

    // Told once per installed version; the refreshed table is unedited again.
    const tHomeUpgrade again = UpgradeHome(home, seed);
    EXPECT_TRUE(again.refreshed.empty() && again.keptEdited.empty());
    Install(seed, "Thirdtown", "version 3");
    const tHomeUpgrade third = UpgradeHome(home, seed);
    EXPECT_EQ(third.refreshed, std::vector<std::string>{"dbfiles/city.db"});
    EXPECT_EQ(third.keptEdited, std::vector<std::string>{"analyse.agb"});
}

TEST_F(HomeUpgrade, ATableInUseIsRefreshedNextTime)
{
    Install(seed, "Newtown", "version 1");
    {
        tDatabase writer(Home("dbfiles/city.db"), false);
        tTransaction busy(writer);
        writer.Exec("SELECT 1");
        writer.Prepare("SELECT CITY FROM City").Step();  // a read transaction holds the table
        const tHomeUpgrade r = UpgradeHome(home, seed);
        ASSERT_EQ(r.problems.size(), 1u);
        EXPECT_EQ(r.problems[0].rfind("dbfiles/city.db: ", 0), 0u);
        EXPECT_EQ(Town(Home("dbfiles/city.db")), "Oldtown");
    }
    EXPECT_EQ(UpgradeHome(home, seed).refreshed, std::vector<std::string>{"dbfiles/city.db"});
    EXPECT_EQ(Town(Home("dbfiles/city.db")), "Newtown");
}

TEST(HomeUpgradeOfOlderHomes, WithoutAListNothingIsReplacedAndSettingsReadWhole)
{
    test::tTempDir dir;
    const std::string seed = dir.File("seed"), home = dir.File("home");
    Install(seed, "Oldtown", "version 1");
    ASSERT_TRUE(SeedProgramHome(home, seed));
    // A settings file of an older version: a key this one no longer knows.
    ASSERT_TRUE(WriteFileAtomically(JoinPath(home, "Astro.ini"), "[Parameters]\nCountry=2\nOldKey=7\n"));
    Install(seed, "Newtown", "version 2");
    // The home never had a list: it may have been edited, so it is kept.
    const tHomeUpgrade r = UpgradeHome(home, seed);
    EXPECT_TRUE(r.refreshed.empty());
    EXPECT_EQ(r.keptEdited.size(), 2u);
    EXPECT_EQ(Town(JoinPath(home, "dbfiles/city.db")), "Oldtown");
    TMainOptions o(home);
    ASSERT_TRUE(o.WriteParameters());
    tProfileFile p(JoinPath(home, "Astro.ini"));
    EXPECT_EQ(p.ReadInteger("Parameters", "Country", 0), 2);
    EXPECT_EQ(p.ReadInteger("Parameters", "OldKey", 0), 7);
}

}  // namespace
}  // namespace quintara
