// Charts and pictures over the whole range of years the program takes:
// every body, cusp and point formula is a number, and every picture kind
// draws without a "nan" or "inf" (the sanitizer build also checks the
// conversions to device units).
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "core/aspects/previsions.h"
#include "core/graphics/chart_graphs.h"
#include "core/graphics/svg_canvas.h"
#include "support/report_fixture.h"

namespace quintara {
namespace {

constexpr int kYears[] = {0, 1, 1000, 9999, 20000, 31350, 40000, 50000, 65535};

// A birth with a point of each formula kind: a sum, a precessing star and a
// formula of the Part of Fortune's shape.
std::vector<tPlanetRow> PointRows()
{
    tPlanetRow sum, star, formula;
    sum.Num = 49, sum.PointType = 1, sum.Plus1 = 13, sum.Plus2 = 2, sum.Minus1 = 1, sum.Visible = true;
    star.Num = 50, star.PointType = 2, star.Longitude = 100.0, star.Visible = true, star.Aspects = true;
    formula.Num = 51, formula.PointType = 3, formula.Plus1 = 22, formula.Plus2 = 25, formula.Minus1 = 10;
    formula.Divider = 2, formula.Value = 15, formula.Visible = true;
    return {sum, star, formula};
}

void Born(tChart& c, int year, int month = 12)
{
    c.Year = static_cast<std::uint16_t>(year);
    c.Month = static_cast<std::uint16_t>(month);
    c.Day = 28;
    c.Hour = 23;
    c.Minute = 30;
    c.Latitude = 69.39;
    c.Longitude = -18.57;
    CalcChart(c);
}

std::string Svg(tDrawing& d)
{
    d.Setup();
    d.RecordGraph();
    tSvgCanvas svg(400, 400);
    d.play(svg, PageReplay(svg.DeviceWidth(), svg.DeviceHeight(), 1.0, true, false));
    return svg.Document();
}

// No "nan" or "inf" standing as a word ("dominant-baseline" is fine).
bool Finite(const std::string& doc)
{
    static const std::regex bad("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)", std::regex::icase);
    return !std::regex_search(doc, bad);
}

TEST(YearSweep, EveryBodyAndPointIsANumber)
{
    test::tPictureFixture f;
    const std::vector<tPlanetRow> rows = PointRows();
    for (int year : kYears) {
        for (int zodiac : {0, 1}) {
            tChart c(&f.o.BirthSet, rows, nullptr);
            c.Zodiac = zodiac;
            Born(c, year);
            for (int p = 1; p <= c.BodyCount(); ++p) {
                const tPlanet* b = c.BodyAt(p);
                const double lon = c.BodyPosition(b->Num);
                EXPECT_TRUE(std::isfinite(lon) && lon >= 0 && lon < 360) << year << " body " << b->Num << ": " << lon;
                EXPECT_TRUE(std::isfinite(b->Latitude)) << year << " body " << b->Num;
            }
            EXPECT_TRUE(std::isfinite(c.SiderealT) && std::isfinite(c.Ayanamsa)) << year;
        }
    }
}

TEST(YearSweep, EveryPictureKindDraws)
{
    test::tPictureFixture f;
    for (int year : kYears) {
        tChart a(&f.o.FirstChartSet), b(&f.o.SecondChartSet);
        Born(a, year);
        Born(b, year, 6);
        for (tGraphKind k : {tGraphKind::Daisy, tGraphKind::US, tGraphKind::Clock, tGraphKind::Two, tGraphKind::USTwo,
                             tGraphKind::SideBySide, tGraphKind::USSideBySide}) {
            tChartGraph g(k, a, b, f.pc);
            EXPECT_TRUE(Finite(Svg(g))) << year << " kind " << static_cast<int>(k);
        }
        tChart c(&f.o.BirthSet), moving(&f.o.BirthSet);
        Born(c, year);
        tLineGraph line(c, 7 * 1440, f.pc);
        EXPECT_TRUE(Finite(Svg(line))) << year << " line";
        moving.Assign(c);
        CalcChart(moving);
        tTransLineGraph transit(c, moving, 1440, 0, f.pc);
        EXPECT_TRUE(Finite(Svg(transit))) << year << " transit line";
        tAspectsCollection aspects(f.pc.AspectRules);
        tPrevGraph prev(c, BuildPrevisions(c, moving, 3, 168, aspects), f.pc);
        EXPECT_TRUE(Finite(Svg(prev))) << year << " previsions";
        tMoonGraph moon(c, f.pc);
        EXPECT_TRUE(Finite(Svg(moon))) << year << " moon";
    }
}

}  // namespace
}  // namespace quintara
