#include <gtest/gtest.h>

#include "core/aspects/aspects.h"
#include "core/data/chart_record.h"
#include "core/data/data_module.h"
#include "core/reports/text_writers.h"
#include "core/reports/two_chart_reports.h"
#include "support/birth.h"
#include "support/report_fixture.h"

namespace quintara {
namespace {

using tFixture = test::tReportFixture;

TEST(TwoChartReports, TransitLinesMarkRetrogradeAndUniversalTime)
{
    tFixture f;
    tTransitsCollection list;
    tTransitEvent e;
    e.Transiting = 7, e.Natal = 1, e.AspectIndex = 10, e.Orb = 1.0, e.Retrograde = true, e.Score = -240;
    e.Begin = {2026, 3, 1, 4, 5}, e.Exact = {2026, 3, 9, 0, 0}, e.End = {2026, 3, 20, 23, 59};
    list.Add(e);
    WriteTransitsTable(f.text, list, f.ctx);
    const auto& p = f.text.Paragraphs();
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[1].Text(), "Transit\tAspect\tRadix\tAngle/orb/retro/value");
    EXPECT_EQ(p[2].Text(), "Saturn\tOpposition\tSun\t180 +/- 1.00\tR\t-240");
    EXPECT_EQ(p[4].Text(), "\t09/03/2026\t00:00 GMT = 0\u00b0");
    EXPECT_EQ(p[2].TabStops.size(), 6u);
    // A natal Midheaven keeps the angle in its column; a score of -0.4 prints 0.
    e.Natal = 22, e.Score = -0.4, e.Retrograde = false;
    tFixture g;
    tTransitsCollection two;
    two.Add(e);
    e.Natal = 1;
    two.Add(e);
    WriteTransitsTable(g.text, two, g.ctx);
    const std::string plain = WritePlainText(g.text);
    const auto at = [&](const std::string& natal) {
        const std::size_t start = plain.rfind('\n', plain.find(natal)) + 1;
        return plain.find("180", start) - start;
    };
    EXPECT_EQ(at("Midheaven"), at("Sun "));
    EXPECT_NE(plain.find(" 0\n"), std::string::npos) << plain;
    EXPECT_EQ(plain.find("-0\n"), std::string::npos) << plain;
}

TEST(TwoChartReports, ComparisonHeadingNamesAChartInTimeByItsDate)
{
    tFixture f;
    tChart a(&f.o.FirstChartSet), b(&f.o.SecondChartSet);
    test::Birth(a, 1990, 5, 17, 14, 30);
    test::Birth(b, 2026, 12, 7, 12, 0);
    a.Name = "Durand", b.Name = "Martin";
    tAspectsCollection list(f.ctx.AspectRules);
    list.BuildComparison(a, b);
    list.ScoreSynastry();
    WriteTwoChartAspects(f.text, a, b, list, f.ctx);
    EXPECT_EQ(f.text.Paragraphs()[1].Text(), "Durand\tAspect\tMartin\tOrb/Value");
    b.ChartType = 6;
    tFixture g;
    WriteTwoChartAspects(g.text, a, b, list, g.ctx);
    EXPECT_EQ(g.text.Paragraphs()[1].Text(), "Durand\tAspect\t07/12/2026\tOrb/Value");
    EXPECT_EQ(g.text.Paragraphs()[2 + list.Items().size()].Text().rfind("\t\t", 0), 0u);
}

// Every stored chart up to maxAge years old is a match, whatever its score.
tCompareFileRequest Everyone(int maxAge)
{
    tCompareFileRequest r;
    r.MinAge = 0, r.MaxAge = maxAge, r.PositiveMinimum = 0;
    r.NegativeLimit = 1 << 30, r.TotalMinimum = -(1 << 30);
    return r;
}

// One scoring: a stored chart scores the same against the first chart in
// compare to file as in their synastry, with the first chart's points and
// the stored chart's own house system.
TEST(TwoChartReports, CompareToFileScoresAPairAsItsSynastry)
{
    tFixture f;
    TData1 data(f.home.Path());
    std::vector<tPlanetRow> rows(1);
    rows[0].Num = 49, rows[0].PointType = 1, rows[0].Plus1 = 13, rows[0].Plus2 = 2, rows[0].Minus1 = 1;
    rows[0].Visible = rows[0].Aspects = true;
    tChart first(&f.o.BirthSet, rows, nullptr), stored(&f.o.BirthSet, rows, nullptr);
    test::Birth(first, 1987, 3, 14, 6, 42);
    test::Birth(stored, 1985, 7, 4, 9, 0);
    stored.HouseType = 4;  // Koch, unlike the first chart
    stored.Name = "Stored";
    CalcChart(stored);
    {
        tChartInserter add(data.ChartDatabase());
        add.Add(stored);
    }
    data.ChartTable().Refresh();
    tChart scratch(&f.o.BirthSet);
    tAspectsCollection aspects(f.ctx.AspectRules);
    const auto matches = CompareToFile(data, first, scratch, Everyone(200), {2026, 12, 7}, aspects);
    ASSERT_EQ(matches.size(), 1u);

    tAspectsCollection synastry(f.ctx.AspectRules);
    synastry.BuildComparison(first, stored);
    synastry.ScoreSynastry();
    long long positive = 0, negative = 0;
    bool fortune = false;
    for (const tAspect& a : synastry.Items()) {
        const long long v = RoundScore(a.Score);
        if (v > 0) positive += v;
        if (v < 0) negative += v;
        fortune = fortune || a.Body1 == 49 || a.Body2 == 49;
    }
    EXPECT_TRUE(fortune);  // the point takes part in both
    EXPECT_EQ(matches[0].Positive, positive);
    EXPECT_EQ(matches[0].Negative, negative);
}

TEST(TwoChartReports, CompareToFileKeepsAgeAndSexAndStopsAtTheTwentySecondMatch)
{
    tFixture f;
    TData1 data(f.home.Path());
    tChart first(&f.o.BirthSet), c(&f.o.BirthSet);
    test::Birth(first, 1990, 5, 17, 14, 30);
    {
        tChartInserter add(data.ChartDatabase());
        for (int k = 0; k < 40; ++k) {
            test::Birth(c, 1980 + k % 20, 1 + k % 12, 1 + k % 28, 12);
            c.Name = std::to_string(k);
            c.Name.insert(c.Name.begin(), 'N');
            c.Sex = k % 2;
            add.Add(c);
        }
        test::Birth(c, 1930, 1, 1, 12);  // too old
        c.Name = "Old", c.Sex = 1;
        add.Add(c);
    }
    data.ChartTable().Refresh();
    tChart scratch(&f.o.BirthSet);
    tAspectsCollection aspects(f.ctx.AspectRules);
    const tCompareFileRequest everyone = Everyone(60);
    const tCivilDate today{2026, 12, 7};
    auto matches = CompareToFile(data, first, scratch, everyone, today, aspects);
    EXPECT_EQ(matches.size(), 22u);
    for (const auto& m : matches) EXPECT_NE(m.Name, "Old");
    EXPECT_EQ(data.ChartTable().RecordCount(), 41);  // the filter is gone

    // A stored chart is not its own match: N0 compared with the file.
    data.ChartTable().First();
    tChart self(&f.o.BirthSet);
    data.ReadChart(self);
    CalcChart(self);
    for (const auto& m : CompareToFile(data, self, scratch, everyone, today, aspects)) EXPECT_NE(m.Index, self.Index);

    tCompareFileRequest men = everyone;
    men.Sex = 0;
    matches = CompareToFile(data, first, scratch, men, today, aspects);
    EXPECT_EQ(matches.size(), 20u);
    for (const auto& m : matches) EXPECT_EQ(std::stoi(m.Name.substr(1)) % 2, 1) << m.Name;

    tCompareFileRequest none = everyone;
    none.PositiveMinimum = 1 << 30;
    EXPECT_TRUE(CompareToFile(data, first, scratch, none, today, aspects).empty());
    WriteCompareFileTable(f.text, matches, f.ctx);
    std::string expected = "N1 \t";
    expected += Whole(matches[0].Positive, 4) + "\t" + Whole(matches[0].Negative, 4) + "\t" +
                Whole(matches[0].Positive + matches[0].Negative, 4);
    EXPECT_EQ(f.text.Paragraphs()[1].Text(), "Name Firstname\tPositive points\tNegative points\tTotal points");
    EXPECT_EQ(f.text.Paragraphs()[2].Text(), expected);

    // Cancelled from the progress: nothing comes back and the filter is gone.
    int calls = 0;
    bool cancelled = false;
    matches = CompareToFile(data, first, scratch, everyone, today, aspects,
                            [&](int done, int total) {
                                EXPECT_EQ(total, 41 - 1);  // the filter shows the ones of age
                                EXPECT_EQ(done, 0);
                                ++calls;
                                return false;
                            },
                            &cancelled);
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(matches.empty());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(data.ChartTable().RecordCount(), 41);
    // A damaged row ends the scan with an error; the filter is gone all the same.
    data.ChartTable().SetFilter("NAME='N3'", false);
    data.ChartTable().Edit();
    data.ChartTable().Set("DATE", std::string("not a date"));
    data.ChartTable().Post();
    data.ChartTable().ClearFilter();
    try {
        CompareToFile(data, first, scratch, everyone, today, aspects);
    } catch (const std::exception&) {
    }
    EXPECT_EQ(data.ChartTable().RecordCount(), 41);
}

}  // namespace
// The file's charts scored side by side: the same matches in the same
// order for any number of jobs, and a stop from the progress (told on this
// thread between blocks) leaves nothing and no filter.
TEST(TwoChartReports, CompareToFileGivesTheSameMatchesWithManyJobs)
{
    tFixture f;
    TData1 data(f.home.Path());
    tChart first(&f.o.BirthSet), c(&f.o.BirthSet);
    test::Birth(first, 1990, 5, 17, 14, 30);
    {
        tChartInserter add(data.ChartDatabase());
        for (int k = 0; k < 1500; ++k) {
            test::Birth(c, 1950 + k % 60, 1 + k % 12, 1 + k % 28, k % 24);
            c.Name = std::to_string(k);
            c.Name.insert(c.Name.begin(), 'N');
            add.Add(c);
        }
    }
    data.ChartTable().Refresh();
    tChart scratch(&f.o.BirthSet);
    tAspectsCollection aspects(f.ctx.AspectRules);
    tCompareFileRequest r;
    r.MinAge = 0, r.MaxAge = 100, r.PositiveMinimum = 600, r.NegativeLimit = 1 << 30, r.TotalMinimum = -(1 << 30);
    const tCivilDate today{2026, 12, 7};
    const auto one = CompareToFile(data, first, scratch, r, today, aspects, {}, nullptr, 1);
    ASSERT_EQ(one.size(), 22u);
    ASSERT_GT(std::stoi(one.back().Name.substr(1)), 600);  // the matches lie beyond the first blocks
    for (unsigned jobs : {2u, 5u}) {
        const auto many = CompareToFile(data, first, scratch, r, today, aspects, {}, nullptr, jobs);
        ASSERT_EQ(many.size(), one.size()) << jobs << " jobs";
        for (std::size_t i = 0; i < one.size(); ++i)
            EXPECT_TRUE(many[i].Index == one[i].Index && many[i].Positive == one[i].Positive &&
                        many[i].Negative == one[i].Negative)
                << "match " << i << " with " << jobs << " jobs";
    }
    int calls = 0;
    bool cancelled = false;
    r.PositiveMinimum = 1 << 30;  // no match: the scan would read every block
    const auto stopped = CompareToFile(
        data, first, scratch, r, today, aspects,
        [&](int done, int total) {
            EXPECT_EQ(total, 1500);
            return ++calls < 2 && done == 0;
        },
        &cancelled, 3);
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(stopped.empty());
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(data.ChartTable().RecordCount(), 1500);
}

}  // namespace quintara
