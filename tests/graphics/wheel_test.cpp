#include <gtest/gtest.h>

#include <cmath>

#include "core/graphics/chart_graphs.h"
#include "core/graphics/svg_canvas.h"
#include "support/birth.h"
#include "support/report_fixture.h"

namespace quintara {
namespace {

using tWheelFixture = test::tPictureFixture;

template <class T>
std::vector<T*> Children(tElement& e)
{
    std::vector<T*> out;
    for (auto& c : e.Elements)
        if (auto* t = dynamic_cast<T*>(c.get())) out.push_back(t);
    return out;
}

TEST(Wheel, AscendantOnTheLeftUnlessStartAries)
{
    tWheelFixture f;
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    tWheel w(nullptr, c, 2400, 3400, f.pc);
    w.Setup();
    w.RecordGraph();
    const auto houses = Children<tHouse>(w);
    ASSERT_EQ(houses.size(), 12u);
    EXPECT_EQ(houses[0]->Cusp, 13);
    EXPECT_EQ(houses[0]->X, -RoundI(1.3 * 3400));  // angular anchor on the left horizontal
    EXPECT_EQ(houses[0]->Y, 0);
    EXPECT_NEAR(std::hypot(houses[1]->X, houses[1]->Y), 1.1 * 3400, 1);

    tOptionRecord o = f.o;
    o.BirthSet.StartAries = true;
    tChart aries(&o.BirthSet);
    test::Birth(aries, 1990, 5, 17, 14, 30);
    tWheel wa(nullptr, aries, 2400, 3400, f.pc);
    EXPECT_EQ(wa.Rotation, 0);
    wa.Setup();
    wa.RecordGraph();
    // The first sign line (0 Aries) runs along the left horizontal.
    const tLine* first = nullptr;
    for (auto& r : wa.Display)
        if ((first = dynamic_cast<const tLine*>(r.get()))) break;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->X1, -2400);
    EXPECT_EQ(first->Y1, 0);
    EXPECT_EQ(first->X2, -3400);
}

TEST(Wheel, BodiesOnStaggeredRingsNoHousesWithoutTimeNoDominants)
{
    tWheelFixture f;
    tChart c(&f.o.BirthSet);
    c.HouseType = 255;
    test::Birth(c, 1990, 5, 17, 14, 30);
    c.HouseType = 255;
    CalcChart(c);
    c.AddBody(40).SetLongitude(10);
    c.AddBody(30).SetLongitude(20);
    tWheel w(nullptr, c, 2400, 3400, f.pc);
    w.Setup();
    EXPECT_TRUE(Children<tHouse>(w).empty());
    std::map<int, double> ring;
    for (tGPlanet* p : Children<tGPlanet>(w)) ring[p->Planet.Num] = std::hypot(p->X, p->Y) / 2400;
    EXPECT_NEAR(ring[1], 1.75, 0.001);
    EXPECT_NEAR(ring[3], 1.6, 0.001);
    EXPECT_NEAR(ring[5], 1.9, 0.001);
    EXPECT_EQ(ring.count(40), 0u);  // dominants are never drawn
    EXPECT_EQ(ring.count(30), 1u);
    EXPECT_EQ(ring.count(13), 0u);  // cusps are houses, not bodies

    // The US wheel draws no house lines either.
    tUSWheel us(nullptr, c, 3300, 4400, 700, f.pc);
    us.Setup();
    us.RecordGraph();
    for (auto& r : us.Display)
        if (auto* l = dynamic_cast<const tLine*>(r.get())) {
            EXPECT_FALSE(std::fabs(std::hypot(l->X1, l->Y1) - 3300) < 2 && std::fabs(std::hypot(l->X2, l->Y2) - 700) < 2);
        }
}

TEST(Wheel, ChordsResetTheirStyleAndUseTheAspectsSlot)
{
    tWheelFixture f;
    tChart c(&f.o.BirthSet);
    c.AspectTypes = 15;
    test::Birth(c, 1990, 5, 17, 14, 30);
    tWheel w(nullptr, c, 2400, 3400, f.pc);
    w.Setup();
    w.RecordGraph();
    ASSERT_FALSE(w.Aspects.Items().empty());
    // Each chord: its colour, perhaps a style, the line, then solid width 1.
    std::size_t chords = 0;
    bool first = true;
    for (std::size_t i = 0; i < w.Display.size(); ++i) {
        if (!dynamic_cast<const tSetColor*>(w.Display[i].get())) continue;
        if (first) {  // the base colour
            first = false;
            continue;
        }
        ++chords;
        std::size_t j = i + 1;
        while (j < w.Display.size() && !dynamic_cast<const tLine*>(w.Display[j].get())) ++j;
        ASSERT_LT(j + 1, w.Display.size());
        auto* reset = dynamic_cast<const tSetLineStyle*>(w.Display[j + 1].get());
        ASSERT_TRUE(reset);
        EXPECT_EQ(reset->Style, kSolid);
        EXPECT_EQ(reset->Width, 1);
    }
    EXPECT_EQ(chords, w.Aspects.Items().size());
    EXPECT_EQ(w.InfoWindow().Caption, "Aspects");
}

TEST(Wheel, DegreeLabelsStandClearOfTheGlyph)
{
    tWheelFixture f;
    tOptionRecord o = f.o;
    o.BirthSet.ShowDegrees = true;
    tChart c(&o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    tWheel w(nullptr, c, 2400, 3400, f.pc);
    w.Setup();
    w.RecordGraph();
    int labels = 0;
    for (tGPlanet* p : Children<tGPlanet>(w)) {
        const tPoint d{p->TruePoint.x - p->X, p->TruePoint.y - p->Y};
        const std::int32_t start = -RoundI(0.2 * d.x);
        for (auto& r : p->Display)
            if (auto* t = dynamic_cast<const tTextOut*>(r.get()); t && t->Text.find('.') != std::string::npos) {
                ++labels;
                EXPECT_GE(std::abs(t->X), 4 * 80);  // moved out by steps of 10
                EXPECT_EQ((t->X - start) % 10, 0);
                EXPECT_LT(std::abs(t->X), 4 * 80 + 10 + std::abs(start) * 2);
            }
    }
    EXPECT_GE(labels, 12);
    tChartGraph g(tGraphKind::Daisy, c, c, f.pc);
    EXPECT_NE(g.InfoWindow().Text.find("Adjust   0.00"), std::string::npos) << g.InfoWindow().Text;
}

TEST(Wheel, EveryGraphKindRendersToSvg)
{
    tWheelFixture f;
    tChart a(&f.o.FirstChartSet), b(&f.o.SecondChartSet);
    test::Birth(a, 1990, 5, 17, 14, 30);
    test::Birth(b, 1985, 3, 2, 8, 10);
    a.Name = "Durand", b.Name = "Martin";
    for (tGraphKind k : {tGraphKind::Daisy, tGraphKind::US, tGraphKind::Clock, tGraphKind::Two, tGraphKind::USTwo,
                         tGraphKind::SideBySide, tGraphKind::USSideBySide}) {
        tChartGraph g(k, a, b, f.pc);
        g.Setup();
        g.RecordGraph();
        tSvgCanvas svg(500, 500);
        g.play(svg, PageReplay(svg.DeviceWidth(), svg.DeviceHeight(), 1.0, true, false));
        const std::string doc = svg.Document();
        EXPECT_GT(doc.size(), 5000u) << static_cast<int>(k);
        if (k != tGraphKind::Clock) {
            EXPECT_NE(doc.find("Durand"), std::string::npos);
        }
    }
    // A proportional page wider than high: the shorter side sets the scale, centred.
    const tReplay r = PageReplay(2000, 1000, 1.0, true, true);
    EXPECT_EQ(r.PercentX, 45);
    EXPECT_EQ(r.PercentY, 90);
    EXPECT_EQ(r.OriginX, 2500);
}

}  // namespace
}  // namespace quintara
