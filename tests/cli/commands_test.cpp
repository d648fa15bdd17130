// The command-line program run as a user runs it: exit status, standard
// output and standard error, on one seeded home for the whole suite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <sys/wait.h>

#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

using tRun = test::tCliRun;

class Commands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dir = std::make_unique<test::tTempDir>(); }
    static void TearDownTestSuite() { dir.reset(); }

    static std::string Home() { return dir->File("home"); }

    // Runs quintara-cli with args (shell words) in the suite's home.
    static tRun Cli(const std::string& args, const std::string& input = "", const std::string& home = Home())
    {
        return test::RunCli(args + " --home '" + home + "'", input, dir->Path());
    }

    static std::unique_ptr<test::tTempDir> dir;
};

std::unique_ptr<test::tTempDir> Commands::dir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

constexpr const char* kParis = "--date 1990-05-17 --time 14:30 --place Paris --zone auto";

TEST_F(Commands, EveryDateWordIsChecked)
{
    for (const std::string args :
         {"report compare-day 2026-02-30", "previsions 2023-02-30 7.00 2", "return moon 2026-02-30",
          "transits 2023-02-29", "picture moon 2023-02-30 -o x.svg", "progression 2021-04-31"}) {
        const tRun r = Cli(args + " " + kParis);
        EXPECT_EQ(r.rc, 2) << args;
        EXPECT_TRUE(Has(r.err, "day: ")) << args << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << args;
    }
}

TEST_F(Commands, SilentDefaultsAreGone)
{
    tRun r = Cli("chart --place Paris");
    EXPECT_EQ(r.rc, 2);
    EXPECT_TRUE(Has(r.err, "no birth date")) << r.err;
    r = Cli("chart --date 2000-01-01");
    EXPECT_TRUE(Has(r.err, "no birth place")) << r.err;
    r = Cli("chart --date 2000-01-01 --lat 48N52 --lon 2E21");
    EXPECT_TRUE(Has(r.err, "no zone")) << r.err;
    // --place alone looks the zone up: Paris in July is two hours ahead.
    r = Cli("chart --date 2000-07-01 --time 12:00 --place Paris");
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "zone: -2.00")) << r.err;
    r = Cli("synastry " + std::string(kParis));
    EXPECT_EQ(r.rc, 2);
    EXPECT_TRUE(Has(r.err, "chart 2: no birth date: give --date2")) << r.err;
    // Reading a chart file that is not there creates nothing.
    r = Cli("charts list --chart-file '" + dir->File("typo.db") + "'");
    EXPECT_NE(r.rc, 0);
    EXPECT_TRUE(Has(r.err, "no chart file")) << r.err;
    EXPECT_FALSE(FileExists(dir->File("typo.db")));
}

TEST_F(Commands, ChartsAreAMansUnlessSaidAndListFollowsTheDateFormat)
{
    const std::string file = "--chart-file '" + dir->File("sexes.db") + "'";
    ASSERT_EQ(Cli("charts add --name Adam " + std::string(kParis) + " " + file).rc, 0);
    ASSERT_EQ(Cli("charts add --name Eve --sex f " + std::string(kParis) + " " + file).rc, 0);
    EXPECT_EQ(Cli("charts add --name X --sex x " + std::string(kParis) + " " + file).rc, 2);
    tRun r = Cli("charts list --filter \"SEX='M'\" " + file);
    EXPECT_TRUE(Has(r.out, "Adam")) << r.out;
    EXPECT_FALSE(Has(r.out, "Eve"));
    r = Cli("charts list " + file);
    EXPECT_TRUE(Has(r.out, "17/05/1990")) << r.out;
    // A man's chart compared to the file finds the woman.
    r = Cli("report compare-file both 0 200 0 100000 -100000 " + std::string(kParis) + " " + file);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "Eve")) << r.out;
}

// One pair, one score: compare to file and synastry take the same bodies.
TEST_F(Commands, CompareToFileAndSynastryScoreAPairAlike)
{
    const std::string file = "--chart-file '" + dir->File("pair.db") + "'";
    ASSERT_EQ(Cli("charts add --name Martin --sex f --date 1985-03-02 --time 08:10 --place Lyon " + file).rc, 0);
    const tRun scan = Cli("report compare-file both 0 200 0 100000 -100000 " + std::string(kParis) + " " + file);
    const tRun pair = Cli("report synastry " + std::string(kParis) + " --date2 1985-03-02 --time2 08:10 --place2 Lyon");
    ASSERT_EQ(scan.rc, 0) << scan.err;
    ASSERT_EQ(pair.rc, 0) << pair.err;
    // The match line "Martin  P  N  T" and the synastry totals line "P  N  T".
    std::istringstream m(scan.out.substr(scan.out.find("Martin") + 6));
    long long p1 = 0, n1 = 0, t1 = 0, p2 = 0, n2 = 0, t2 = 0;
    m >> p1 >> n1 >> t1;
    const std::string body = pair.out.substr(0, pair.out.find_last_not_of(" \n") + 1);
    const std::string last = body.substr(body.find_last_of('\n') + 1);
    std::istringstream(last) >> p2 >> n2 >> t2;
    EXPECT_NE(p1, 0);
    EXPECT_EQ(p1, p2) << scan.out << pair.out;
    EXPECT_EQ(n1, n2);
    EXPECT_EQ(t1, t2);
}

TEST_F(Commands, ExportNeverReplacesUnlessAsked)
{
    const std::string file = "--chart-file '" + dir->File("export.db") + "'";
    ASSERT_EQ(Cli("charts add --name Adam " + std::string(kParis) + " " + file).rc, 0);
    const std::string target = dir->File("precious.txt");
    ASSERT_TRUE(WriteFileAtomically(target, "keep me"));
    tRun r = Cli("charts export '" + target + "' " + file);
    EXPECT_EQ(r.rc, 2);
    EXPECT_TRUE(Has(r.err, "--replace")) << r.err;
    std::string text;
    ASSERT_TRUE(ReadWholeFile(target, text));
    EXPECT_EQ(text, "keep me");
    EXPECT_EQ(Cli("charts export '" + target + "' --replace " + file).rc, 0);
    ASSERT_TRUE(ReadWholeFile(target, text));
    EXPECT_TRUE(Has(text, "Adam"));
}

TEST_F(Commands, ReturnsTakeThisYearAndTheirOwnZone)
{
    // Without a year, this year's solar return: not the birth chart again.
    tRun r = Cli("report sun-return " + std::string(kParis));
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_FALSE(Has(r.out, " 1990 ")) << r.out;
    // A December lunar return in Paris is in winter time.
    r = Cli("report moon-return 2026-12-07 " + std::string(kParis));
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "Adjust -1.00")) << r.out;
    r = Cli("return moon 2026-12-07 " + std::string(kParis));
    EXPECT_TRUE(Has(r.out, "adjust -1.00")) << r.out;
}

TEST_F(Commands, UnknownBirthTimeHasNoHouses)
{
    const std::string args = "--date 1990-05-17 --place Paris --house 255";
    tRun r = Cli("chart " + args);
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "birth time is unknown"));
    EXPECT_FALSE(Has(r.out, "  XII ")) << r.out;
    r = Cli("chart --json " + args);
    EXPECT_FALSE(Has(r.out, "cusps")) << r.out;
    EXPECT_FALSE(Has(r.out, "\"num\":13")) << r.out;
    EXPECT_TRUE(Has(r.out, "\"time_unknown\":true"));
}

TEST_F(Commands, BadWordsGetOneClearLine)
{
    tRun r = Cli("previsions 2026-01-01 0.00 3 " + std::string(kParis));
    EXPECT_EQ(r.rc, 2);
    EXPECT_TRUE(Has(r.err, "0.00")) << r.err;
    r = Cli("chart --bogus 1");
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "--help"));
    r = Cli("chart --date 2000-01-01 --place Paris --adjust 1.75");
    EXPECT_TRUE(Has(r.err, "hours.minutes")) << r.err;
    r = Cli("--help");
    EXPECT_TRUE(Has(r.out, "transit-line")) << r.out;
    EXPECT_TRUE(Has(r.out, "--sex"));
}

// Files that broke the program under the fuzzer, put where the program
// reads them: every output stays valid, and nothing outside the home is
// touched.
std::map<std::string, std::string> FilesOf(const std::string& root)
{
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        if (e.is_regular_file()) ReadWholeFile(e.path().string(), files[e.path().string()]);
    return files;
}

// A command that only reads leaves the home byte for byte as it was, even
// with a damaged language file (named, the built-in words used); a damaged
// reference table is a message and an exit code, never an abort.
TEST_F(Commands, ReadingWritesNothingAndDamageIsAMessage)
{
    const std::string home = dir->File("reader");
    ASSERT_EQ(Cli("charts add --name Adam " + std::string(kParis), "", home).rc, 0);
    const std::string junk("\x01\xff\0\xfe[Captions]\n1=\x80\x81", 16);
    ASSERT_TRUE(WriteFileAtomically(home + "/English.txt", junk));
    const auto before = FilesOf(home);
    tRun r = Cli("report natal " + std::string(kParis), "", home);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.err, home + "/English.txt cannot be read")) << r.err;
    EXPECT_TRUE(Has(r.out, "Sun"));
    EXPECT_TRUE(FilesOf(home) == before);

    ASSERT_TRUE(WriteFileAtomically(home + "/dbfiles/city.db", std::string(9000, 'Z')));
    r = Cli("place Paris", "", home);
    EXPECT_EQ(r.rc, 2) << r.err;
    EXPECT_TRUE(Has(r.err, "quintara-cli: " + home + "/dbfiles/city.db is damaged")) << r.err;
    EXPECT_FALSE(Has(r.err, "terminate")) << r.err;
}

TEST_F(Commands, HostileHomeFilesGiveValidOutputAndStayInTheHome)
{
    const auto homeWith = [](const std::string& name, const std::string& finding) {
        const std::string home = dir->File("hostile-" + name);
        std::filesystem::create_directories(home);
        std::filesystem::copy_file(std::string(QUINTARA_FINDINGS_DIR) + "/" + finding, home + "/" + name,
                                   std::filesystem::copy_options::overwrite_existing);
        return home;
    };
    constexpr const char* kDay = "--date 2000-01-01 --time 12:00 --lat 48.52 --lon -2.20 --adjust 0";

    tRun r = Cli(std::string("positions ") + kDay, "", homeWith("English.txt", "L1-English.txt"));
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(IsValidUtf8(r.out));
    EXPECT_TRUE(Has(r.out, "Sol\xEF\xBF\xBDil"));  // the damaged Sun's name, marked

    const std::string html = dir->File("r.html");
    r = Cli(std::string("report natal --analysis --format html -o '") + html + "' " + kDay, "",
            homeWith("analyse.agb", "A1-analyse.agb"));
    EXPECT_EQ(r.rc, 0) << r.err;
    std::string page;
    ASSERT_TRUE(ReadWholeFile(html, page));
    EXPECT_TRUE(IsValidUtf8(page));

    // A language named "../../zz": refused with a word, no file made outside.
    const std::string home = homeWith("Astro.ini", "P1-Astro.ini");
    const std::filesystem::path outside = std::filesystem::path(home) / ".." / ".." / "zz.txt";
    std::filesystem::remove(outside);
    r = Cli(std::string("positions ") + kDay, "", home);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "warning: language file \"../../zz.txt\" is not a file name in the program home"))
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(outside));
    EXPECT_TRUE(Has(r.out, "Sun"));  // the default names
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

TEST_F(Commands, ImportStoresNothingWhenARecordIsRefusedUnlessAsked)
{
    const std::string file = "--chart-file '" + dir->File("imported.db") + "'";
    const std::string aaf = dir->File("people.aaf");
    ASSERT_TRUE(WriteFileAtomically(aaf,
                                    "#A93:Curie,Marie,f,7.11.1867,12:00,Warsaw,PL\n#B93:*,52n14,21e01,1he24,0\n"
                                    "#A93:Leap,Bob,m,31.2.1990,10:00,Paris,F\n"
                                    "#A93:Planck,Max,m,23.4.1858,*,Kiel,D\n"));
    tRun r = Cli("charts import '" + aaf + "' " + file);
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(Has(r.err, "line 3: day: 31")) << r.err;
    EXPECT_TRUE(Has(r.err, "nothing was imported")) << r.err;
    EXPECT_TRUE(Has(Cli("charts list " + file).err, "0 chart(s)"));
    r = Cli("charts import '" + aaf + "' --keep-good " + file);
    EXPECT_TRUE(Has(r.err, "2 chart(s) imported, 1 refused")) << r.out << r.err;
    const std::string csv = dir->File("people.csv");
    EXPECT_EQ(Cli("charts export '" + csv + "' " + file).rc, 0);
    const tRun again = Cli("charts import '" + csv + "' --chart-file '" + dir->File("again.db") + "'");
    EXPECT_EQ(again.rc, 0) << again.err;
    EXPECT_TRUE(Has(again.err, "2 chart(s) imported")) << again.err;
    EXPECT_EQ(Cli("charts import '" + dir->File("people.txt") + "' " + file).rc, 2);
}

TEST_F(Commands, EventsListAndWriteACalendar)
{
    // Mercury turned direct on 2 January 2024 at 03:08 UT by the almanacs;
    // the built-in theory has it five minutes late.
    tRun r = Cli("events 2024-01-01 1 --tz Europe/Paris --ephemeris builtin");
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "(Europe/Paris)")) << r.out;
    EXPECT_TRUE(Has(r.out, "2024-01-02 04:13  Mercury turns direct")) << r.out;
    if (FileExists("/usr/share/libswe/ephe/sepl_18.se1")) {
        r = Cli("events 2024-01-01 1 --tz Europe/Paris --ephemeris precise");
        EXPECT_TRUE(Has(r.out, "2024-01-02 04:08  Mercury turns direct")) << r.out;
    }
    const std::string ics = dir->File("sky.ics");
    r = Cli("events 2024-01-01 2 --tz UTC " + std::string(kParis) + " -o '" + ics + "'");
    EXPECT_EQ(r.rc, 0) << r.err;
    std::string text;
    ASSERT_TRUE(ReadWholeFile(ics, text));
    EXPECT_TRUE(Has(text, "BEGIN:VEVENT\r\nUID:station-3-"));
    EXPECT_TRUE(Has(text, "SUMMARY:Transit: ")) << "the chart's transits join the sky's events";
    EXPECT_EQ(Cli("events 2024-01-01 1 -o '" + ics + "'").rc, 2) << "an existing file is kept";
    EXPECT_TRUE(Has(Cli("events 2024-01-01 1 --tz Mars/Olympus").err, "tz:"));
    EXPECT_TRUE(Has(Cli("events 2024-02-30").err, "start:"));
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

// The ephemeris of a run: the option, the batch included; missing data
// files fall back to the built-in theory with a note, never silently.
TEST_F(Commands, EphemerisOptionAndItsFallback)
{
    const std::string chart = "positions --json --date 1950-06-01 --time 12:00 --lat 48.52 --lon -2.20 --adjust -1.00";
    const tRun builtIn = Cli(chart + " --ephemeris builtin");
    const tRun precise = Cli(chart + " --ephemeris precise");
    ASSERT_EQ(builtIn.rc, 0);
    ASSERT_EQ(precise.rc, 0);
    EXPECT_EQ(Cli(chart + " --ephemeris exact").rc, 2);
    const std::string request = "{\"year\":1950,\"month\":6,\"day\":1,\"hour\":12,\"minute\":0,\"adjust\":-1,\"lat\":48.52,\"lon\":-2.2}\n";
    const tRun batchBuiltIn = Cli("positions --batch --ephemeris builtin", request);
    const tRun batchPrecise = Cli("positions --batch --ephemeris precise", request);
    EXPECT_NE(batchBuiltIn.out, batchPrecise.out);
    setenv("QUINTARA_EPHEMERIS_DIR", dir->File("no-such-folder").c_str(), 1);
    const tRun missing = Cli(chart + " --ephemeris precise");
    const tRun batchMissing = Cli("positions --batch --ephemeris precise", request);
    unsetenv("QUINTARA_EPHEMERIS_DIR");
    EXPECT_EQ(missing.rc, 0);
    EXPECT_TRUE(Has(missing.err, "built-in positions shown")) << missing.err;
    EXPECT_EQ(missing.out, builtIn.out);
    // The same chart, with the fallback said in the line.
    EXPECT_EQ(batchMissing.out.substr(0, batchBuiltIn.out.size() - 2), batchBuiltIn.out.substr(0, batchBuiltIn.out.size() - 2));
    EXPECT_TRUE(Has(batchMissing.err, "line 1: warning:")) << batchMissing.err;
    EXPECT_TRUE(Has(batchMissing.out, "\"warnings\":[")) << batchMissing.out;
    if (FileExists("/usr/share/libswe/ephe/sepl_18.se1")) {
        EXPECT_NE(precise.out, builtIn.out);
        EXPECT_FALSE(Has(precise.err, "note:")) << precise.err;
    }
}

}  // namespace
}  // namespace quintara
