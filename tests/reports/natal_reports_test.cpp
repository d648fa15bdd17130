#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "core/aspects/aspects.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/reports/natal_reports.h"
#include "core/reports/report_context.h"
#include "core/reports/text_writers.h"
#include "support/birth.h"
#include "support/report_fixture.h"

namespace quintara {
namespace {

struct tReportFixture : test::tReportFixture {
    tReportFixture()
    {
        ctx.CountryName = [](int code) { return code == 33 ? std::string("France") : std::string(); };
        ctx.StateName = [](int country, int state) {
            return country == 33 && state == 11 ? std::string("Île-de-France") : std::string();
        };
    }
};

// Day and month names follow the language (the headers and the status
// bar's date alike).
TEST(NatalReports, LongDatesSpeakTheUsersLanguage)
{
    tReportFixture f;
    std::FILE* file = std::fopen(f.home.File("Deutsch.txt").c_str(), "w");
    ASSERT_TRUE(file);
    std::fputs("[Captions]\n354=Donnerstag\n361=Mai\n", file);
    std::fclose(file);
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    EXPECT_EQ(f.ctx.LongDateTime(c), "Thursday 17 May 1990 14:30");
    f.lang.SetLanguage(49);
    EXPECT_EQ(f.ctx.LongDateTime(c), "Donnerstag 17 Mai 1990 14:30");
}

TEST(NatalReports, HeaderNamesEmptyChartsByTheirMomentAndWritesLongDates)
{
    tReportFixture f;
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1850, 3, 1, 8, 15);
    c.Country = 33, c.BirthPlace = "Paris", c.Sex = 1;
    WriteHeader(f.text, c, f.ctx);
    EXPECT_EQ(c.Name, "01/03/1850");
    EXPECT_EQ(c.FirstName, "08:15");
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "01/03/1850 08:15   Sex M");
    // No state: nothing between place and country, never its code.
    EXPECT_EQ(lines[1].rfind("Paris France Friday 1 March 1850 08:15  Julian day ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("Adjust  0.00  ST ", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find("Lat  48.52  Long  -2.20"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[3], "");
    tReportFixture g;
    c.State = 11;
    WriteHeader(g.text, c, g.ctx);
    EXPECT_EQ(g.Lines()[1].rfind("Paris Île-de-France France Friday", 0), 0u) << g.Lines()[1];
}

TEST(NatalReports, ListPairsBodiesWithCuspsUnlessTheTimeIsUnknown)
{
    tReportFixture f;
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    WriteList(f.text, c, f.ctx);
    auto lines = f.Lines();
    EXPECT_EQ(lines[0].substr(lines[0].size() - 8), "Placidus");
    EXPECT_NE(lines[2].find("Sun\tTaurus\t"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("\tAscendant\t"), std::string::npos) << lines[2];
    EXPECT_EQ(lines.back(), "");  // planets in houses end with an empty line
    EXPECT_NE(WritePlainText(f.text).find("Sun         in    VIII\n"), std::string::npos);
    // The asteroids' signs stand in the planets' sign column.
    const std::string plain = WritePlainText(f.text);
    const auto column = [&](const std::string& name) {
        const std::size_t line = plain.find("\n" + name + " ") + 1;
        const std::size_t sign = plain.find_first_not_of(' ', line + name.size());
        return sign - line;
    };
    EXPECT_EQ(column("Chiron"), column("Sun"));
    EXPECT_EQ(column("Juno"), column("Sun"));

    tReportFixture g;
    c.HouseType = 255;
    CalcChart(c);
    WriteList(g.text, c, g.ctx);
    lines = g.Lines();
    EXPECT_EQ(lines[0].substr(lines[0].size() - 12), "Time unknown");
    for (int i = 2; i < 14; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)].find("Ascendant"), std::string::npos);
    for (const std::string& l : lines) EXPECT_EQ(l.find("\tin\t"), std::string::npos);  // no planets in houses
}

// Whole Sign cusps 1 and 10 are sign starts, not the angles: they read I and
// X, the true Ascendant and Midheaven follow the cusps at their own degrees,
// and planets in the first house are in I.
TEST(NatalReports, CuspsOffTheAnglesReadAsNumeralsAndTheAnglesFollow)
{
    tReportFixture f;
    tChart c(&f.o.BirthSet);
    c.HouseType = kWholeSign;
    test::Birth(c, 1990, 5, 17, 14, 30);
    WriteList(f.text, c, f.ctx);
    const auto lines = f.Lines();
    EXPECT_EQ(lines[0].substr(lines[0].size() - 10), "Whole Sign");
    EXPECT_NE(lines[2].find("\tI\t"), std::string::npos) << lines[2];
    EXPECT_NE(lines[11].find("\tX\t"), std::string::npos) << lines[11];
    const std::string plain = WritePlainText(f.text);
    EXPECT_NE(plain.find("Ascendant"), std::string::npos);
    EXPECT_NE(plain.find("Midheaven"), std::string::npos);
    const tSignPos asc = SignPosition(2, c.Ascendant());
    EXPECT_NE(lines[14].find("Ascendant\t" + f.ctx.SignName(asc.Sign) + "\t" + Fixed(asc.Degrees, 5, 2)),
              std::string::npos)
        << lines[14];
    EXPECT_EQ(plain.find(" in    Ascendant"), std::string::npos);
}

// Names longer than the usual column (another language's) widen it: the
// next column stays aligned for every row.
TEST(NatalReports, LongNamesWidenTheirColumnInsteadOfShiftingTheRow)
{
    tReportFixture f;
    f.lang.SetPlanetName(12, "Noordknoop");
    f.lang.SetPlanetName(22, "Medium Coeli");
    f.lang.SetCaptionTranslation(31, "beweeglijk en veranderlijk");
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    WriteList(f.text, c, f.ctx);
    const std::string plain = WritePlainText(f.text);
    const auto after = [&](const std::string& word) {
        const std::size_t at = plain.find(word);
        const std::size_t line = plain.rfind('\n', at) + 1;
        return plain.find_first_not_of(' ', at + word.size()) - line;
    };
    EXPECT_EQ(after("\nNoordknoop"), after("\nSun"));
    EXPECT_EQ(after("Medium Coeli"), after("Ascendant"));
    EXPECT_EQ(after("Signs beweeglijk en veranderlijk"), after("Signs masculine"));
}

// The Part of Fortune by its name, whole in every aspect row, with the
// rows' orbs in one column; without a birth time it has no place at all.
TEST(NatalReports, PartOfFortuneIsSpelledWholeAndLeftOutWithoutABirthTime)
{
    tReportFixture f;
    std::vector<tPlanetRow> rows(1);
    rows[0].Num = 49, rows[0].PointType = 1, rows[0].Plus1 = 13, rows[0].Plus2 = 2, rows[0].Minus1 = 1;
    rows[0].Visible = rows[0].Aspects = true;
    tChart c(&f.o.BirthSet, rows, nullptr);
    test::Birth(c, 1990, 5, 17, 14, 30);
    EXPECT_EQ(f.lang.PlanetName(49), "Part of Fortune");
    tAspectsCollection aspects(f.ctx.AspectRules);
    DisplayAspects(f.text, c, aspects, f.ctx);
    const std::string plain = WritePlainText(f.text);
    ASSERT_NE(plain.find("Part of Fortune "), std::string::npos) << plain;
    std::size_t orbColumn = std::string::npos;
    std::istringstream lines(plain);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t dot = line.find('.');  // the orb's d.mm
        if (dot == std::string::npos || line.find("Orb") != std::string::npos) continue;
        if (orbColumn == std::string::npos) orbColumn = dot;
        EXPECT_EQ(dot, orbColumn) << line;
    }

    c.HouseType = 255;
    CalcChart(c);
    EXPECT_LT(c.BodyPosition(49), 0.0);
    tReportFixture g;
    WriteList(g.text, c, g.ctx);
    WriteFullList(g.text, c, g.ctx);
    EXPECT_EQ(WritePlainText(g.text).find("Fortune"), std::string::npos);
}

TEST(NatalReports, FullListMarksTheHouseSystemAndBlocks)
{
    tReportFixture f;
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    WriteFullList(f.text, c, f.ctx);
    const auto lines = f.Lines();
    std::size_t asc = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("13\t", 0) == 0) asc = i;
    ASSERT_GT(asc, 3u);
    EXPECT_EQ(lines[asc - 1], "");
    EXPECT_EQ(lines[asc - 2], "Placidus");
    EXPECT_EQ(lines[asc - 3], "");  // after body 12
    EXPECT_EQ(lines[asc - 4].rfind("12\t", 0), 0u);
    for (const std::string& l : lines) EXPECT_NE(l.rfind("37\t", 0), 0u);  // dominants are not listed
    // The Moon has its latitude, as Mercury to Pluto have.
    std::string moon;
    for (const std::string& l : lines)
        if (l.rfind(" 2\t", 0) == 0) moon = l;
    EXPECT_NE(moon.find(DegMin(c.BodyAt(2)->Latitude, 6)), std::string::npos) << moon;
    c.HouseType = 255;
    CalcChart(c);
    tReportFixture g;
    WriteFullList(g.text, c, g.ctx);
    for (const tParagraph& p : g.text.Paragraphs()) EXPECT_NE(p.Text(), "Placidus");
}

TEST(NatalReports, AspectTotalsSumRoundedScoresWithZeroPositive)
{
    tReportFixture f;
    tAspectsCollection list(f.ctx.AspectRules);
    list.Items() = {{1, 2, 1, 0.5, 2.5}, {1, 3, 4, 0.1, -0.4}, {2, 3, 5, 1.0, -3.5}, {4, 5, 2, 0.0, 0.0}};
    WriteAspectLines(f.text, list, f.ctx, false);
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Sun\tConjunction\tMoon\t 0.30\t   2");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 5), "\t   0");  // -0.4 prints 0, never -0
    // 2.5 -> 2, -0.4 -> 0 (positive), -3.5 -> -4, 0 -> 0 (positive).
    EXPECT_EQ(lines[4], "\t      2\t     -4\t     -2");
}

// The parallels of declination are named like every aspect kind.
TEST(NatalReports, ParallelsAreNamedInAspectLines)
{
    tReportFixture f;
    tAspectsCollection list(f.ctx.AspectRules);
    list.Items() = {{1, 3, 22, 0.2, 0.0}, {2, 5, 23, 0.5, 0.0}};
    WriteAspectLines(f.text, list, f.ctx, false);
    const auto lines = f.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Sun\tParallel\tMercury\t", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("Moon\tContraparallel\tMars\t", 0), 0u) << lines[1];
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

// d.mm columns round to whole minutes before splitting: never "-0.60".
TEST(NatalReports, DegreeMinuteColumnsNeverShowSixtyMinutes)
{
    EXPECT_EQ(DegMin(-0.9999, 6), " -1.00");
    EXPECT_EQ(DegMin(-1.9999, 6), " -2.00");
    EXPECT_EQ(DegMin(2.5, 6), "  2.30");
}

}  // namespace
}  // namespace quintara
