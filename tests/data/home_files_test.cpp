// The files of a home as other programs and damage leave them: settings
// cut short, option files with junk, chart files named but gone, and
// table files any SQLite tool must open.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/data/session.h"
#include "core/data/text_collation.h"
#include "core/options/option_set.h"
#include "core/platform/atomic_file.h"
#include "core/reports/chart_saving.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

bool Mentions(const std::vector<std::string>& problems, const std::string& part)
{
    for (const std::string& p : problems)
        if (p.find(part) != std::string::npos) return true;
    return false;
}

// "ChartFile=/t" from a settings file cut in half: never used. The file
// is kept beside itself, told once, and the charts stay in the home.
TEST(DamagedSettings, ACutSettingsFileIsSetAsideAndTheChartsStayHome)
{
    test::tTempDir home;
    const std::string cut = "[Parameters]\nZodiac=1\nChartFile=/t";
    ASSERT_TRUE(WriteFileAtomically(home.File("Astro.ini"), cut));
    tSession s;
    s.writesCharts = true;
    const std::vector<std::string> problems = OpenSettings(home.Path(), s);
    EXPECT_TRUE(Mentions(problems, "kept as " + home.File("Astro.ini.damaged"))) << problems.front();
    std::string kept;
    ASSERT_TRUE(ReadWholeFile(home.File("Astro.ini.damaged"), kept));
    EXPECT_EQ(kept, cut);
    EXPECT_EQ(s.options->Zodiac, 0);
    EXPECT_EQ(s.Data().ChartFilePath(), home.File("chart.db"));
    EXPECT_FALSE(fs::exists("/t"));
    // Told once: the next start finds no damaged file.
    tSession next;
    EXPECT_FALSE(Mentions(OpenSettings(home.Path(), next), "damaged"));
}

// A chart file the settings name that is gone is not made again where it
// was; the home's own is.
TEST(DamagedSettings, AMissingChartFileIsNotCreatedBehindTheUsersBack)
{
    test::tTempDir home;
    const std::string gone = home.File("moved/clients.db");
    ASSERT_TRUE(WriteFileAtomically(home.File("Astro.ini"), "[Parameters]\nChartFile=" + gone + "\n"));
    tSession s;
    s.writesCharts = true;
    OpenSettings(home.Path(), s);
    EXPECT_EQ(s.Data().MissingChartFile(), gone);
    EXPECT_THROW(s.Data().ChartTable(), tStorageError);
    EXPECT_FALSE(fs::exists(home.File("moved")));

    test::tTempDir fresh;
    tSession own;
    own.writesCharts = true;
    OpenSettings(fresh.Path(), own);
    EXPECT_NO_THROW(own.Data().ChartTable());
    EXPECT_TRUE(FileExists(fresh.File("chart.db")));
}

// Junk in the option file: refused and named, the defaults used, the file
// left as it was; a file as written reads.
TEST(DamagedSettings, ADamagedOptionFileIsRefusedAndKept)
{
    test::tTempDir home;
    std::string junk(tOptionRecord::kBytes, '\0');
    std::uint32_t x = 7;
    for (char& c : junk) c = static_cast<char>((x = x * 1103515245 + 12345) >> 16);
    ASSERT_TRUE(WriteFileAtomically(home.File("Option32.cfg"), junk));
    tSession s;
    const std::vector<std::string> problems = OpenSettings(home.Path(), s);
    EXPECT_TRUE(Mentions(problems, "the option file " + home.File("Option32.cfg") + " is damaged")) << problems.size();
    EXPECT_TRUE(s.options->Record() == tOptionRecord::Defaults());
    std::string after;
    ASSERT_TRUE(ReadWholeFile(home.File("Option32.cfg"), after));
    EXPECT_EQ(after, junk);

    const auto written = tOptionRecord::Defaults().Encode();
    const std::string whole(reinterpret_cast<const char*>(written.data()), written.size());
    EXPECT_TRUE(tOptionRecord::LooksWhole(whole));
    EXPECT_FALSE(tOptionRecord::LooksWhole(whole.substr(1)));
    std::string flag = whole;
    flag[3] = 2;
    EXPECT_FALSE(tOptionRecord::LooksWhole(flag));
}

// What sqlite3 says of a file: "ok" and the count, or its error.
std::string Sqlite3(const std::string& file, const std::string& sql)
{
    const std::string cmd = "sqlite3 -readonly '" + file + "' \"pragma integrity_check; " + sql + "\" 2>&1";
    std::string out;
    if (std::FILE* p = popen(cmd.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

// Every table file the build and the program write opens in the sqlite3
// shell; a file of an earlier version, with our collation in its schema,
// is converted when opened and then opens there too.
TEST(TableFiles, EveryTableFileOpensInTheSqliteShell)
{
    if (std::system("sqlite3 -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "the sqlite3 shell is not installed";
    const std::string seed = QUINTARA_SEED_DIR;
    int checked = 0;
    if (fs::is_directory(JoinPath(seed, "dbfiles")))
        for (const auto& e : fs::directory_iterator(JoinPath(seed, "dbfiles")))
            if (e.path().extension() == ".db") {
                EXPECT_EQ(Sqlite3(e.path().string(), "select count(*) > 0 from sqlite_schema;"), "ok\n1\n") << e.path();
                ++checked;
            }
    EXPECT_GE(checked, 7) << "the reference tables are not built";

    test::tTempDir home;
    {
        TData1 data(home.Path());
        tChart c;
        c.Name = "Ölmann";
        AppendChart(data, c, nullptr);
    }
    EXPECT_EQ(Sqlite3(home.File("chart.db"), "select NAME from Charts;"), "ok\nÖlmann\n");

    {  // as an earlier version made it
        tDatabase old(home.File("old.db"), true);
        tTable make(old, StarTableDef());
        old.Exec(std::string("CREATE INDEX Stars_Name ON Stars (Name COLLATE ") + kNoCaseCollation + ")");
        old.Exec("INSERT INTO Stars (Name) VALUES ('regulus'), ('Aldebaran'), ('Spica')");
    }
    EXPECT_NE(Sqlite3(home.File("old.db"), "select count(*) from Stars;").find("no such collation"), std::string::npos);
    {
        tDatabase db(home.File("old.db"), false);
        tTable stars(db, StarTableDef());
        stars.SetIndex("Name");
        std::vector<std::string> names;
        for (stars.First(); !stars.Eof(); stars.Next()) names.push_back(stars.Text("Name"));
        EXPECT_EQ(names, (std::vector<std::string>{"Aldebaran", "regulus", "Spica"}));
    }
    EXPECT_EQ(Sqlite3(home.File("old.db"), "select count(*) from Stars;"), "ok\n3\n");
}

}  // namespace
}  // namespace quintara
