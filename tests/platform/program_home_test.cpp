#include "core/platform/program_home.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

using namespace quintara;
namespace fs = std::filesystem;

namespace {

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

struct tLayout {
    test::tTempDir root;
    std::string start, user, seed;
    tLayout()
    {
        start = root.File("bin");
        user = root.File("user/quintara");
        seed = root.File("seed");
        fs::create_directories(start);
        fs::create_directories(seed + "/dbfiles");
        WriteText(seed + "/English.txt", "[PlanetName]\n1=Sun\n");
        WriteText(seed + "/dbfiles/country.db", "x");
    }
    tHomeSources Sources(const std::string& explicitHome = "") const
    {
        return {explicitHome, start, user, seed};
    }
};

}  // namespace

TEST(ProgramHome, ExplicitHomeWinsAndIsSeeded)
{
    tLayout l;
    WriteText(l.start + "/Astro.ini", "");
    const std::string chosen = l.root.File("mine");
    EXPECT_EQ(ResolveProgramHome(l.Sources(chosen)), fs::absolute(chosen).string());
    EXPECT_TRUE(FileExists(chosen + "/English.txt"));
    EXPECT_TRUE(FileExists(chosen + "/dbfiles/country.db"));
}

TEST(ProgramHome, StartFolderWithSettingsIsUsedAsItIs)
{
    tLayout l;
    WriteText(l.start + "/Astro.ini", "");
    EXPECT_EQ(ResolveProgramHome(l.Sources()), l.start);
    EXPECT_FALSE(FileExists(l.start + "/English.txt"));  // not seeded
}

TEST(ProgramHome, UserFolderIsCreatedAndSeedingNeverOverwrites)
{
    tLayout l;
    EXPECT_EQ(ResolveProgramHome(l.Sources()), l.user);
    WriteText(l.user + "/English.txt", "[PlanetName]\n1=Sol\n");
    ASSERT_FALSE(ResolveProgramHome(l.Sources()).empty());
    std::string text;
    ReadWholeFile(l.user + "/English.txt", text);
    EXPECT_EQ(text, "[PlanetName]\n1=Sol\n");
}

TEST(ProgramHome, UncreatableHomeIsAnError)
{
    tLayout l;
    WriteText(l.root.File("file"), "");
    std::string error;
    EXPECT_EQ(ResolveProgramHome(l.Sources(l.root.File("file/below")), &error), "");
    EXPECT_FALSE(error.empty());
}
