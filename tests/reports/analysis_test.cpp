#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/options/option_set.h"
#include "core/platform/atomic_file.h"
#include "core/reports/analysis.h"
#include "support/birth.h"
#include "support/report_fixture.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<std::string> Section(const std::string& bytes, const std::string& key, bool male = true)
{
    std::vector<std::string> lines;
    for (const tIndexRecord& r : BuildIndex(bytes))
        if (r.Key == PadKey(key)) PrintSection(bytes, r.Offset, male, lines);
    return lines;
}

TEST(AnalysisFile, KeysTabsGroupsAndTheLastSection)
{
    const std::string file = "intro before any key\r\n"
                             "\\1.1.1 Sun in Aries.\r\nSecond\tline.\r\n"
                             "\\1.2.1\t{He|She} is {bold|{daring|calm}|shy}.\r\n"
                             "\\3.1.3 Last section, no line end";
    EXPECT_EQ(Section(file, "1.1.1"), (std::vector<std::string>{"Sun in Aries.", "Second        line.", ""}));
    // A third bar toggles back; the nested group follows the chart's sex,
    // not the enclosing variant.
    EXPECT_EQ(Section(file, "1.2.1", true), (std::vector<std::string>{"He is bolddaringshy.", ""}));
    EXPECT_EQ(Section(file, "1.2.1", false), (std::vector<std::string>{"She is calm.", ""}));
    EXPECT_EQ(Section(file, "3.1.3"), (std::vector<std::string>{"Last section, no line end"}));
    // Line feeds alone end lines as carriage returns do.
    EXPECT_EQ(Section("\\k a\nb\n", "k"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(IndexPathFor("/x/analyse.agb"), "/x/analyse.igb");
    EXPECT_EQ(IndexPathFor("transit.afr"), "transit.ifr");
}

TEST(AnalysisFile, LongSectionsAreCutAndBracesReported)
{
    const std::string longText = "\\k " + std::string(5000, 'x') + "\\n next";
    const auto lines = Section(longText, "k");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 4000u);

    std::vector<std::string> reported;
    BuildIndex("\\a {open\\b fine\\c }close", [&](const std::string& key) { reported.push_back(key); });
    EXPECT_EQ(reported, (std::vector<std::string>{"a", "c"}));
}

TEST(AnalysisFile, DamagedOrStaleIndexesAreRebuilt)
{
    test::tTempDir dir;
    const std::string path = dir.File("analyse.agb"), index = dir.File("analyse.igb");
    Write(path, "\\1. Intro\r\n\\2. Houses\r\n");
    tAnalysisFile f;
    std::string error;
    ASSERT_TRUE(f.Open(path, error));
    EXPECT_TRUE(f.IndexRebuilt());  // none yet
    ASSERT_TRUE(f.Open(path, error));
    EXPECT_FALSE(f.IndexRebuilt());
    std::vector<std::string> lines;
    EXPECT_TRUE(f.Print("2.", true, lines));
    EXPECT_EQ(lines[0], "Houses");

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(index, bytes));
    for (const std::string& damaged : {bytes.substr(0, 17), std::string(12, '\x07'), std::string("\x07""2.     \xff\xff\xff\x0f")}) {
        Write(index, damaged);
        ASSERT_TRUE(f.Open(path, error));
        EXPECT_TRUE(f.IndexRebuilt());
        EXPECT_GE(f.Find("2."), 0);
    }
    // An analysis file edited after its index.
    Write(path, "\\0. New intro\r\n\\2. Changed\r\n");
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(index) + std::chrono::seconds(5));
    ASSERT_TRUE(f.Open(path, error));
    EXPECT_TRUE(f.IndexRebuilt());
    lines.clear();
    f.Print("2.", true, lines);
    EXPECT_EQ(lines[0], "Changed");

    EXPECT_FALSE(f.Open(dir.File("missing.agb"), error));
    EXPECT_NE(error.find("missing.agb"), std::string::npos);
}

// Random bytes rich in the characters the format gives meaning to: no
// read past the data, whatever the file or its index holds.
TEST(AnalysisFile, RandomFilesAndIndexesNeverReadOutside)
{
    std::mt19937 rng(20261207);
    const std::string alphabet = "\\{}|\t\r\n 1.2ab\xe9\xff";
    for (int round = 0; round < 400; ++round) {
        std::string bytes(rng() % 600, ' ');
        for (char& c : bytes) c = rng() % 4 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
        const auto index = BuildIndex(bytes, [](const std::string&) {});
        std::vector<std::string> lines;
        for (const tIndexRecord& r : index) {
            ASSERT_LE(r.Offset, bytes.size());
            PrintSection(bytes, r.Offset, round % 2 == 0, lines);
        }
        PrintSection(bytes, bytes.size(), true, lines);
        PrintSection(bytes, bytes.size() + 10, true, lines);
        std::vector<tIndexRecord> back;
        ASSERT_TRUE(DecodeIndex(EncodeIndex(index), back));
        ASSERT_EQ(back.size(), index.size());
        std::vector<tIndexRecord> junk;
        DecodeIndex(bytes, junk);
    }
}

struct tAnalysisFixture : test::tReportFixture {
    tAnalysisFile file;
    explicit tAnalysisFixture(const std::string& text)
    {
        Write(home.File("analyse.agb"), text);
        std::string error;
        EXPECT_TRUE(file.Open(home.File("analyse.agb"), error)) << error;
    }
};

TEST(Analysis, AspectsByStrengthWithOddKeysPositive)
{
    tAnalysisFixture f("\\3. Aspects\r\n\\3.1.3 Sun-Moon good\r\n\\3.1.4 Sun-Moon hard\r\n"
                       "\\3.2.5 Moon-Mercury good\r\n\\3.1.5 Sun-Mercury good\r\n\\3.3.8 Mercury-Venus\r\n");
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    tAspectsCollection list(f.ctx.AspectRules);
    list.Items() = {{1, 2, 4, 1.0, -50.4},  // 3.1.4, strength 50
                    {2, 3, 1, 1.0, 120.0},  // 3.2.5, strength 120
                    {1, 3, 1, 1.0, 900.0},  // above 800: left out
                    {3, 4, 2, 1.0, 0.4},    // rounds to 0: left out
                    {1, 2, 1, 1.0, 50.0}};  // 3.1.3, strength 50, after the first of its strength
    std::vector<std::string> out;
    tAnalysis run(f.file, out, c, c, f.ctx);
    run.AnalyseAspects(list);
    EXPECT_EQ(out, (std::vector<std::string>{"Aspects", "", " 120 Conjunction", "Moon-Mercury good", "",
                                             " -50 Trine", "Sun-Moon hard", "", "  50 Conjunction",
                                             "Sun-Moon good", ""}));
}

TEST(Analysis, BirthChartRunFollowsTheChart)
{
    tAnalysisFixture f("\\0. Birth chart\r\n\\1. Signs\r\n\\1.1.2 Sun in Taurus {he|she}\r\n"
                       "\\5.2.6 Taurus Sun, Virgo rising\r\n\\2. Houses\r\n\\4. Cusps\r\n\\4.1.6 Virgo rises\r\n");
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 12, 30);  // Sun in Taurus, Virgo rising at Paris
    c.Sex = 0;
    std::vector<std::string> out;
    AnalyseChart(0, f.file, out, c, f.ctx);
    const std::vector<std::string> start = {"Birth chart", "", "Signs", "", "Sun in Taurus she", ""};
    ASSERT_GE(out.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + 6), start);
    EXPECT_NE(std::find(out.begin(), out.end(), "Taurus Sun, Virgo rising"), out.end());
    EXPECT_NE(std::find(out.begin(), out.end(), "Virgo rises"), out.end());

    out.clear();
    c.HouseType = 255;
    CalcChart(c);
    AnalyseChart(0, f.file, out, c, f.ctx);
    EXPECT_EQ(std::find(out.begin(), out.end(), "Houses"), out.end());
}

}  // namespace
}  // namespace quintara
