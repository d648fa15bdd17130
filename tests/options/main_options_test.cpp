#include "core/options/main_options.h"
#include "core/options/recent_charts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

using namespace quintara;

namespace {

std::uintmax_t SizeOf(const std::string& path) { return std::filesystem::file_size(path); }

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

}  // namespace

TEST(MainOptions, FreshHomeStartsWithDefaultsAndLeavesAnOptionFile)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.ReadParameters();
    o.LoadOptions();
    EXPECT_EQ(o.LeftMargin, 2500);
    EXPECT_EQ(o.TransitOrb, 4);
    EXPECT_EQ(o.ReportFont.Name, "New Times Roman");
    EXPECT_EQ(o.GetChartFile(), "chart.db");
    EXPECT_EQ(o.Record(), tOptionRecord::Defaults());
    EXPECT_EQ(SizeOf(home.File("Option32.cfg")), 1488u);
}

TEST(MainOptions, ParametersRoundTripAndTransitOrbZeroReadsAsFour)
{
    test::tTempDir home;
    {
        TMainOptions o(home.Path());
        o.HouseType = 4;
        o.Zoom = 1.25f;
        o.Latitude = -33.55;
        o.Footer = "My practice";
        o.TransitOrb = 0;
        o.Ephemeris = 1;
        o.MeanNode = true;
        ASSERT_TRUE(o.WriteParameters());
    }
    TMainOptions o(home.Path());
    o.ReadParameters();
    EXPECT_EQ(o.HouseType, 4);
    EXPECT_EQ(o.Ephemeris, 1);
    EXPECT_TRUE(o.MeanNode);
    EXPECT_FALSE(o.FortuneBySect);
    EXPECT_EQ(o.Zoom, 1.25f);
    EXPECT_DOUBLE_EQ(o.Latitude, -33.55);
    EXPECT_EQ(o.Footer, "My practice");
    EXPECT_EQ(o.TransitOrb, 4);
    // The systems past the first nine are kept; a code with no system (23)
    // reads as Placidus rather than a system the program cannot draw.
    for (const auto& [written, read] : {std::pair{9, 9}, {22, 22}, {23, 0}}) {
        WriteText(home.File("Astro.ini"), "[Parameters]\nHouseType=" + std::to_string(written) + "\n");
        TMainOptions p(home.Path());
        p.ReadParameters();
        EXPECT_EQ(p.HouseType, read) << written;
    }
}

// A settings file from before the ayanamsa choice keeps its one sidereal
// shift; a chosen ayanamsa and a user's own come back; nonsense is the classic.
TEST(MainOptions, ZodiacAndAyanamsaAsSettingsFilesSayThem)
{
    test::tTempDir home;
    const auto read = [&](const std::string& keys, bool sidereal = false) {
        WriteText(home.File("Astro.ini"), "[Parameters]\n" + keys);
        TMainOptions o(home.Path());
        o.ReadParameters();
        return (sidereal ? o.SiderealChoice() : o.ZodiacChoice()).code;
    };
    EXPECT_EQ(read("Zodiac=0\nAyanamsa=27\n"), kTropicalZodiac);
    EXPECT_EQ(read("Zodiac=1\n"), kClassicSidereal);
    EXPECT_EQ(read("Zodiac=1\nAyanamsa=27\n"), kAyanamsaBase + 27);
    EXPECT_EQ(read("Zodiac=1\nAyanamsa=60\n"), kClassicSidereal);
    EXPECT_EQ(read("Zodiac=0\nAyanamsa=5\n", true), kAyanamsaBase + 5);
    {
        TMainOptions o(home.Path());
        o.ReadParameters();
        o.Zodiac = 1;
        o.Ayanamsa = 255;
        o.AyanamsaEpoch = 2440000.5;
        o.AyanamsaValue = 22.75;
        ASSERT_TRUE(o.WriteParameters());
    }
    TMainOptions back(home.Path());
    back.ReadParameters();
    EXPECT_EQ(back.ZodiacChoice().code, kUserAyanamsa);
    EXPECT_DOUBLE_EQ(back.ZodiacChoice().user.jdUt, 2440000.5);
    EXPECT_DOUBLE_EQ(back.ZodiacChoice().user.degrees, 22.75);
}

TEST(MainOptions, DamagedSettingsFileReadsAsDefaults)
{
    test::tTempDir home;
    WriteText(home.File("Astro.ini"),
              "\x89PNG\r\n\x1a\n[Parameters]\nHouseType=77\nZoom=-3\nTransitOrb=x\n[Font]\nSize=0\n");
    TMainOptions o(home.Path());
    o.ReadParameters();
    EXPECT_EQ(o.HouseType, 0);
    EXPECT_EQ(o.Zoom, 1.0f);
    EXPECT_EQ(o.TransitOrb, 4);
    EXPECT_EQ(o.ReportFont.Size, 11);
    // Values that would overflow what they feed read as the defaults.
    WriteText(home.File("Astro.ini"), "[Parameters]\nPrintLineFactor=2147483647\nLeftMargin=-5\n"
                                      "Latitude=1e308\nLongitude=nan\nZoom=1e30\nHouseOrb=400\n");
    TMainOptions p(home.Path());
    p.ReadParameters();
    EXPECT_EQ(p.PrintLineFactor, 0);
    EXPECT_EQ(p.LeftMargin, 2500);
    EXPECT_EQ(p.Latitude, 0.0);
    EXPECT_EQ(p.Longitude, 0.0);
    EXPECT_EQ(p.Zoom, 1.0f);
    EXPECT_EQ(p.HouseOrb, 0);
}

TEST(MainOptions, WritingKeepsKeysItDoesNotOwn)
{
    test::tTempDir home;
    WriteText(home.File("Astro.ini"), "[Language]\nCurrent=33\n[Parameters]\nCountry=2\n");
    TMainOptions o(home.Path());
    ASSERT_TRUE(o.WriteParameters());
    ASSERT_TRUE(o.SetMargins(1, 2, 3, 4));
    tProfileFile p(home.File("Astro.ini"));
    EXPECT_EQ(p.ReadInteger("Language", "Current", 0), 33);
    EXPECT_EQ(p.ReadInteger("Parameters", "Country", 0), 2);
    EXPECT_EQ(p.ReadInteger("Parameters", "BottomMargin", 0), 4);
}

TEST(MainOptions, BrokenOptionFilesFallBackAsDescribed)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.BirthSet.Symbols = false;
    ASSERT_TRUE(o.SaveAsDefault());
    // Truncated current options: the user's defaults are loaded instead.
    WriteText(home.File("option32.CFG"), "short");
    o.BirthSet.Symbols = true;
    o.LoadOptions();
    EXPECT_FALSE(o.BirthSet.Symbols);
    // A damaged file the user opens is refused and costs nothing.
    o.NatalOrbs.Set(2, 3, 7);
    const tOptionRecord before = o.Record();
    WriteText(home.File("mine.cfg"), std::string(100, '\0'));
    EXPECT_FALSE(o.OpenOptions(home.File("mine.cfg")));
    EXPECT_FALSE(o.OpenOptions(home.File("none.cfg")));
    EXPECT_EQ(o.Record(), before);
}

TEST(MainOptions, LoadDefaultWithoutFileChangesNothingAndCreatesIt)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.NatalOrbs.Set(3, 3, 1);
    const tOptionRecord before = o.Record();
    o.LoadDefault();
    EXPECT_EQ(o.Record(), before);
    EXPECT_EQ(SizeOf(home.File("Defaul32.cfg")), 1488u);
}

TEST(MainOptions, UserSavesReportFailureAndKeepTheSettings)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.HouseOrb = 2;
    std::string error;
    EXPECT_FALSE(o.SaveOptionsAs(home.File("no/such/dir/x.cfg"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(o.Record(), tOptionRecord::Defaults());
    TMainOptions elsewhere(home.File("absent"));
    EXPECT_FALSE(elsewhere.SaveAsDefault());
    elsewhere.SaveOptions();  // automatic: silent
}

TEST(MainOptions, AnalysisFilesByLanguage)
{
    test::tTempDir home;
    WriteText(home.File("Astro.ini"), "[Language]\nCurrent=33\n");
    TMainOptions o(home.Path());
    EXPECT_EQ(o.GetAnalysisFile(3), "comptwo.afr");
    EXPECT_EQ(o.GetAnalysisFile(7), "transit.afr");
    EXPECT_EQ(o.GetAnalysisFile(0), "analyse.afr");
    EXPECT_EQ(DefaultAnalysisFile(3, 49), "comptwo.agb");
    EXPECT_EQ(DefaultAnalysisFile(5, 351), "analyse.apo");
    ASSERT_TRUE(o.SetAnalysisFile(3, "/somewhere/else/custom.txt"));
    EXPECT_EQ(o.GetAnalysisFile(3), "custom.txt");
}

TEST(MainOptions, FileNamesThatLeaveTheHomeAreRefusedOnce)
{
    test::tTempDir home;
    WriteText(home.File("Astro.ini"), "[AnalysisFiles]\n0=../../etc/passwd\n1=C:\\x.agb\n"
                                      "[Parameters]\nChartFile=../other/chart.db\nHelpFile=/tmp/h.hlp\n");
    TMainOptions o(home.Path());
    EXPECT_EQ(o.GetAnalysisFile(0), "analyse.agb");
    EXPECT_EQ(o.GetAnalysisFile(1), "transit.agb");
    EXPECT_EQ(o.GetChartFile(), "chart.db");
    EXPECT_EQ(o.GetHelpFile().rfind("Astro", 0), 0u);
    o.CheckFileSettings();
    const auto problems = o.TakeSettingsProblems();
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0], "analysis file \"../../etc/passwd\" is not a file name in the program home; "
                           "analyse.agb is used");
    EXPECT_TRUE(o.TakeSettingsProblems().empty());
    // The refused settings stay as they were: nothing is written.
    std::string text;
    ASSERT_TRUE(ReadWholeFile(home.File("Astro.ini"), text));
    EXPECT_NE(text.find("HelpFile=/tmp/h.hlp"), std::string::npos);
    // An absolute chart file was chosen by the user: kept.
    ASSERT_TRUE(o.SetChartFile("/data/charts.db"));
    EXPECT_EQ(o.GetChartFile(), "/data/charts.db");
}

TEST(MainOptions, SelectOptionSetPicksTheSetAndCaption)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    EXPECT_EQ(o.SelectOptionSet(2), 93);
    EXPECT_EQ(o.CurrentSet, &o.FirstChartSet);
    EXPECT_EQ(o.SelectOptionSet(3), 94);
    EXPECT_EQ(o.CurrentSet, &o.SecondChartSet);
    EXPECT_EQ(o.SelectOptionSet(7), 90);
    EXPECT_EQ(o.CurrentSet, &o.BirthSet);
}

// The last nine charts opened or saved, newest first, each once; what the
// settings file holds that is no entry is passed over.
TEST(RecentCharts, NewestFirstOnceAndNineAtMost)
{
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    settings.WriteString("RecentCharts", "1", "junk");
    for (int k = 1; k <= 12; ++k) ASSERT_TRUE(RememberChart(settings, {k, "Chart " + std::to_string(k)}));
    ASSERT_TRUE(RememberChart(settings, {5, "Five again"}));
    const std::vector<tRecentChart> list = RecentCharts(tProfileFile(home.File("Astro.ini")));
    ASSERT_EQ(list.size(), 9u);
    EXPECT_EQ(list[0].index, 5);
    EXPECT_EQ(list[0].name, "Five again");
    EXPECT_EQ(list[1].index, 12);
    EXPECT_EQ(list[8].index, 4);
    for (std::size_t i = 1; i < list.size(); ++i) EXPECT_NE(list[i].index, 5);
}
