#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/chart/chart.h"
#include "core/chart/chart_settings.h"
#include "core/engine/angles.h"
#include "core/i18n/languages.h"
#include "core/options/option_set.h"
#include "support/temp_dir.h"

using namespace quintara;

TEST(Chart, FormulaPoints)
{
    tChart c;
    c.SetBodyLongitude(1, 350.0);
    c.SetBodyLongitude(2, 10.0);
    tPlanet& mid = c.AddBody(29);
    mid.PointType = 3, mid.Plus1 = 1, mid.Plus2 = 2, mid.Divider = 2;
    EXPECT_NEAR(c.BodyPosition(29), 0.0, 1e-9);
    tPlanet& star = c.AddBody(30);
    star.PointType = 2, star.Longitude = 100.0;
    c.Centuries = 1.0;
    EXPECT_NEAR(c.BodyPosition(30), 101.391, 1e-9);
    EXPECT_DOUBLE_EQ(c.BodyPosition(99), -1.0);
}

TEST(Chart, FindBodyPrefersPositionThenLast)
{
    tChart c;
    c.AddBody(1).Longitude = 42.0;
    c.SetBodyLongitude(1, 7.0);
    EXPECT_DOUBLE_EQ(c.FindBody(1)->Longitude, 7.0);  // the built-in Sun
    c.AddBody(40).Longitude = 1.0;
    c.AddBody(40).Longitude = 2.0;
    EXPECT_DOUBLE_EQ(c.FindBody(40)->Longitude, 2.0);
    EXPECT_EQ(c.FindBody(-1), nullptr);
}

TEST(Chart, FormulaCyclesHaveNoPosition)
{
    tChart c;
    c.SetBodyLongitude(1, 20.0);
    tPlanet& a = c.AddBody(29);
    a.PointType = 1, a.Plus1 = 30, a.Plus2 = 1;
    tPlanet& b = c.AddBody(30);
    b.PointType = 3, b.Plus1 = 29, b.Value = 5.0;
    tPlanet& self = c.AddBody(31);
    self.PointType = 1, self.Plus1 = 31;
    tPlanet& user = c.AddBody(32);  // depends on the cycle without being in it
    user.PointType = 1, user.Plus1 = 29, user.Plus2 = 1;
    EXPECT_DOUBLE_EQ(c.BodyPosition(29), -1.0);
    EXPECT_DOUBLE_EQ(c.BodyPosition(30), -1.0);
    EXPECT_DOUBLE_EQ(c.BodyPosition(31), -1.0);
    EXPECT_DOUBLE_EQ(c.BodyPosition(32), 19.0);  // -1 + 20, as for a missing body
}

TEST(Chart, PartOfFortuneAndMissingTerms)
{
    tChart c;
    c.SetBodyLongitude(1, 100.0);
    c.SetBodyLongitude(2, 50.0);
    c.SetHouseCusp(1, 10.0);
    tPlanet& pf = c.AddBody(49);
    pf.PointType = 1, pf.Plus1 = 13, pf.Plus2 = 2, pf.Minus1 = 1;
    EXPECT_DOUBLE_EQ(c.BodyPosition(49), 320.0);  // Asc + Moon - Sun
    pf.Minus1 = 45;                                 // absent: counts -1
    EXPECT_DOUBLE_EQ(c.BodyPosition(49), 61.0);
    pf.SetLongitude(12.0);                          // clears the formula, keeps the type
    EXPECT_EQ(pf.PointType, 1);
    EXPECT_DOUBLE_EQ(c.BodyPosition(49), 0.0);
}

TEST(Chart, CreationFromOptionSetAndRows)
{
    const tOptionRecord d = tOptionRecord::Defaults();
    tPlanetRow sun2;
    sun2.Num = 1;
    tPlanetRow star;
    star.Num = 33, star.Visible = true, star.Aspects = true, star.PointType = 2, star.Longitude = 100.0;
    const tPlanetRow rows[] = {sun2, star};
    tChart c(&d.FirstChartSet, rows, nullptr);
    ASSERT_EQ(c.BodyCount(), 30);
    EXPECT_TRUE(c.FindBody(1)->Visible);  // the built-in Sun at position 1
    EXPECT_EQ(c.FindBody(1), c.BodyAt(1));
    EXPECT_FALSE(c.FindBody(13)->Visible);  // first-chart set hides cusps
    EXPECT_TRUE(c.FindBody(33)->TakesPartInAspects());
    EXPECT_EQ(c.FindBody(1)->EffectiveColor(), 0x00000080u);  // maroon slot 4
    EXPECT_EQ(c.FindBody(14)->EffectiveColor(), 0x00000080u); // houses slot
    EXPECT_EQ(c.FindBody(33)->EffectiveColor(), 0xff0000u);
    EXPECT_EQ(c.FindBody(33)->EffectiveLineWidth(), 1);
    c.FindBody(2)->Color = 0x123456;
    EXPECT_EQ(c.FindBody(2)->EffectiveColor(), 0x123456u);
    EXPECT_EQ(c.EffectiveAspectTypes(15), 15);
}

TEST(Chart, AssignCopiesBirthDataOnly)
{
    tChart a, b;
    a.Name = "Ada";
    a.Year = 1815, a.Month = 12, a.Day = 10, a.Hour = 7;
    a.Latitude = 51.30;
    a.HouseType = 4;
    a.Index = 7;
    a.OrbPercent = 50;
    a.SetBodyLongitude(1, 258.0);
    a.Centuries = -1.84;
    b.SetBodyLongitude(1, 10.0);
    b.Assign(a);
    EXPECT_EQ(b.Name, "Ada");
    EXPECT_EQ(b.Year, 1815);
    EXPECT_EQ(b.HouseType, 4);
    EXPECT_EQ(b.Index, 7);
    EXPECT_EQ(b.OrbPercent, 100);
    EXPECT_DOUBLE_EQ(b.BodyPosition(1), 10.0);
    EXPECT_DOUBLE_EQ(b.Centuries, 0.0);
}

TEST(Chart, SignDistributionCountsBodiesOneToTen)
{
    tChart c;
    for (int n = 1; n <= 10; ++n) c.SetBodyLongitude(n, 5.0);  // all Aries
    c.SetBodyLongitude(2, 95.0);                               // Moon in Cancer
    c.SetBodyLongitude(11, 200.0);                             // Lilith: not counted
    const tSignDistribution d = SignDistribution(c);
    EXPECT_EQ(d, (tSignDistribution{9, 1, 10, 0, 0, 9, 0, 0, 1}));
}

TEST(Chart, RowNamesFillGapsInTheVocabulary)
{
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    tPlanetRow vertex, sun;
    vertex.Num = 30, vertex.Name = "Vertex", vertex.ShortName = "Vx";
    sun.Num = 1, sun.Name = "Sol";
    const tPlanetRow rows[] = {vertex, sun};
    tChart c(nullptr, rows, &lang);
    EXPECT_EQ(c.FindBody(30)->Name(lang), "Vertex");
    EXPECT_EQ(c.FindBody(30)->ShortName(lang), "Vx");
    EXPECT_EQ(c.FindBody(1)->Name(lang), "Sun");  // the vocabulary has a name already
}

// Every longitude of a sidereal chart is its tropical one less the chart's
// ayanamsa: bodies, cusps, the minor bodies, and each kind of point the
// planets table defines (a star, a fixed degree, sums, a midpoint, a point
// built on a point). Zürich, 14/03/1987 06:42, where a star left tropical
// made up "Sun Opposition Regulus".
TEST(Chart, SiderealChartsShiftEveryPointByTheAyanamsa)
{
    std::vector<tPlanetRow> rows(6);
    rows[0].Num = 29, rows[0].PointType = 2, rows[0].Longitude = 149.83;  // Regulus at J2000
    rows[1].Num = 30, rows[1].PointType = 0, rows[1].Longitude = 15.0;
    rows[2].Num = 49, rows[2].PointType = 1, rows[2].Plus1 = 13, rows[2].Plus2 = 2, rows[2].Minus1 = 1;
    rows[3].Num = 31, rows[3].PointType = 4, rows[3].Plus1 = 1, rows[3].Plus2 = 2, rows[3].Divider = 2;
    rows[4].Num = 32, rows[4].PointType = 1, rows[4].Plus1 = 1, rows[4].Plus2 = 2;
    rows[5].Num = 33, rows[5].PointType = 3, rows[5].Plus1 = 49, rows[5].Value = 30.0;
    tChart tropical(nullptr, rows, nullptr), sidereal(nullptr, rows, nullptr);
    for (tChart* c : {&tropical, &sidereal}) {
        c->Year = 1987, c->Month = 3, c->Day = 14, c->Hour = 6, c->Minute = 42;
        c->Adjust = -1.0, c->Latitude = 47.23, c->Longitude = -8.32;
    }
    sidereal.Zodiac = 1;
    CalcChart(tropical);
    CalcChart(sidereal);
    ASSERT_GT(sidereal.Ayanamsa, 23.0);
    ASSERT_EQ(sidereal.BodyCount(), tropical.BodyCount());
    for (int i = 1; i <= tropical.BodyCount(); ++i) {
        const int n = tropical.BodyAt(i)->Num;
        const double expected = Normalize360(tropical.BodyPosition(n) - sidereal.Ayanamsa);
        const double gap = std::fabs(sidereal.BodyPosition(n) - expected);
        EXPECT_LT(std::min(gap, 360 - gap), 1e-9) << "body " << n;
    }
    // The Sun is no longer opposite the star it was never opposite.
    const double sunToStar = std::fabs(sidereal.BodyPosition(1) - sidereal.BodyPosition(29));
    EXPECT_GT(std::fabs(std::min(sunToStar, 360 - sunToStar) - 180), 10.0);
}

// A chart stored with Koch houses and the tropical zodiac against settings
// of Placidus and sidereal: said, then cast again; a chart without a birth
// time differs in its zodiac only.
TEST(Chart, RecastWithTheCurrentSettings)
{
    tChart c;
    c.Year = 1987, c.Month = 3, c.Day = 14, c.Hour = 6, c.Minute = 42;
    c.Latitude = 47.23, c.HouseType = 4;
    CalcChart(c);
    EXPECT_EQ(SettingsDifference(c, 4, 0), "");
    const std::string said = SettingsDifference(c, 0, 1);
    EXPECT_NE(said.find("Cast with Koch houses, tropical; the settings say Placidus houses, sidereal"), std::string::npos)
        << said;
    const double koch2 = c.HouseCusp(2);
    EXPECT_TRUE(RecastWithSettings(c, 0, 1));
    EXPECT_EQ(c.HouseType, 0);
    EXPECT_EQ(c.Zodiac, 1);
    EXPECT_GT(c.Ayanamsa, 23.0);
    EXPECT_GT(std::fabs(c.HouseCusp(2) - koch2), 0.1);
    EXPECT_FALSE(RecastWithSettings(c, 0, 1));

    tChart unknown;
    unknown.HouseType = 255;
    CalcChart(unknown);
    EXPECT_EQ(SettingsDifference(unknown, 4, 0), "");
    EXPECT_TRUE(RecastWithSettings(unknown, 4, 1));
    EXPECT_EQ(unknown.HouseType, 255);
}
