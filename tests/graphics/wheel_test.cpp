#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "core/graphics/aspect_grid.h"
#include "core/graphics/chart_graphs.h"
#include "core/engine/houses.h"
#include "core/engine/zodiac.h"
#include "core/i18n/caption_ids.h"
#include "core/graphics/svg_canvas.h"
#include "core/i18n/text_encoding.h"
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

// In Whole Sign houses the wheel still turns on the true Ascendant, and the
// angles get their own marks beside the twelve cusps, at their own degrees.
TEST(Wheel, AnglesOffTheirCuspsAreMarkedApart)
{
    tWheelFixture f;
    tChart c(&f.o.BirthSet);
    c.HouseType = kWholeSign;
    test::Birth(c, 1990, 5, 17, 14, 30);
    ASSERT_FALSE(c.AngleOnCusp(kAscendant));
    tWheel w(nullptr, c, 2400, 3400, f.pc);
    EXPECT_NEAR(w.Rotation, c.Ascendant() * kDegToRadians, 1e-12);
    w.Setup();
    w.RecordGraph();
    const auto marks = Children<tHouse>(w);
    ASSERT_EQ(marks.size(), 14u);
    EXPECT_FALSE(marks[0]->TrueAngle);
    EXPECT_EQ(marks[12]->Cusp, kAscendant);
    EXPECT_TRUE(marks[12]->TrueAngle);
    EXPECT_EQ(marks[13]->Cusp, kMidheaven);
    EXPECT_EQ(marks[12]->InfoWindow().Caption.find("Ascendant") != std::string::npos, true);
    EXPECT_EQ(marks[0]->InfoWindow().Caption.find("Ascendant"), std::string::npos) << "cusp 1 is not the Ascendant";

    tChart placidus(&f.o.BirthSet);
    test::Birth(placidus, 1990, 5, 17, 14, 30);
    tWheel p(nullptr, placidus, 2400, 3400, f.pc);
    p.Setup();
    EXPECT_EQ(Children<tHouse>(p).size(), 12u) << "the quadrant systems' angles are their cusps";
}

// A picture says what it was drawn in: the house system, and for a
// sidereal chart the ayanamsa; each chart of a pair its own.
TEST(Wheel, PicturesNameTheHouseSystemAndAyanamsa)
{
    tWheelFixture f;
    tChart a(&f.o.BirthSet), b(&f.o.BirthSet);
    a.HouseType = kWholeSign;
    test::Birth(a, 1990, 5, 17, 14, 30);
    a.Zodiac = kAyanamsaBase + 1;
    CalcChart(a);
    ASSERT_GT(a.Ayanamsa, 23);
    b.HouseType = kTimeUnknown;
    test::Birth(b, 2020, 12, 21, 12);
    tChartGraph g(tGraphKind::Two, a, b, f.pc);
    g.Setup();
    g.RecordGraph();
    std::vector<std::string> texts;
    for (tTextElement* t : Children<tTextElement>(g))
        for (auto& r : t->Display)
            if (auto* out = dynamic_cast<const tTextOut*>(r.get())) texts.push_back(out->Text);
    const long minutes = std::lround(a.Ayanamsa * 60);
    const std::string lahiri = "Whole Sign, Lahiri " + std::to_string(minutes / 60) + "\u00B0" +
                               (minutes % 60 < 10 ? "0" : "") + std::to_string(minutes % 60) + "'";
    EXPECT_NE(std::find(texts.begin(), texts.end(), lahiri), texts.end()) << lahiri;
    EXPECT_NE(std::find(texts.begin(), texts.end(), f.pc.Lang->Caption(caption::kTimeUnknown)), texts.end());
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
    EXPECT_EQ(houses[0]->X, -RoundI(1.07 * 3400));  // the Ascendant's label on the left horizontal
    EXPECT_EQ(houses[0]->Y, 0);
    EXPECT_NEAR(std::hypot(houses[1]->X, houses[1]->Y), 1.07 * 3400, 1);

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

TEST(Wheel, BodiesOnOneRingNoHousesWithoutTimeNoDominants)
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
    for (tGPlanet* p : Children<tGPlanet>(w)) ring[p->Planet.Num] = std::hypot(p->X, p->Y);
    for (int n : {1, 3, 5, 30}) EXPECT_NEAR(ring[n], 3400 + 11 * 80, 1) << n;
    EXPECT_EQ(ring.count(40), 0u);  // dominants are never drawn
    EXPECT_EQ(ring.count(13), 0u);  // cusps are houses, not bodies

    // The US wheel draws no house lines either.
    tUSWheel us(nullptr, c, 3300, 4400, 700, f.pc);
    us.Setup();
    us.RecordGraph();
    for (auto& r : us.Display)
        if (auto* l = dynamic_cast<const tLine*>(r.get())) {
            EXPECT_FALSE(std::fabs(std::hypot(l->X2, l->Y2) - 700) < 2 && std::hypot(l->X1, l->Y1) > 1500);
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

// Degrees and minutes on every body when asked for, beyond its glyph; a
// retrograde body says "R" whether or not.
TEST(Wheel, DegreeLabelsAndRetrogradeMarks)
{
    tWheelFixture f;
    for (bool degrees : {true, false}) {
        tOptionRecord o = f.o;
        o.BirthSet.ShowDegrees = degrees;
        tChart c(&o.BirthSet);
        test::Birth(c, 1990, 5, 17, 14, 30);
        tWheel w(nullptr, c, 2400, 3400, f.pc);
        w.Setup();
        w.RecordGraph();
        int labels = 0, retrograde = 0;
        for (tGPlanet* p : Children<tGPlanet>(w)) {
            std::string label;
            for (auto& r : p->Display)
                if (auto* t = dynamic_cast<const tTextOut*>(r.get()); t && t->X == p->LabelPoint.x) label = t->Text;
            if (p->Planet.Retrograde) {
                ++retrograde;
                EXPECT_EQ(label.back(), 'R') << p->Planet.Num;
            }
            if (!degrees) continue;
            ++labels;
            EXPECT_EQ(label.rfind(DegreeLabel(c.BodyPosition(p->Planet.Num)), 0), 0u) << label;
            // Beyond the glyph, as seen from the centre.
            EXPECT_GT(std::hypot(p->X + p->LabelPoint.x, p->Y + p->LabelPoint.y), std::hypot(p->X, p->Y));
        }
        EXPECT_GE(retrograde, 1);
        if (degrees) {
            EXPECT_GE(labels, 12);
        }
    }
    EXPECT_EQ(DegreeLabel(12 + 34 / 60.0 + 30 + 0.001), "12\u00B034'");
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    tChartGraph g(tGraphKind::Daisy, c, c, f.pc);
    EXPECT_NE(g.InfoWindow().Text.find("Adjust   0.00"), std::string::npos) << g.InfoWindow().Text;
}

// The ink of a body (glyph and labels, not its pointer) or of a cusp label,
// in the picture's units: text boxes estimated from their size.
struct tBox {
    double left, top, right, bottom;
    bool Meets(const tBox& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

// The glyph's primitives in one box, each text in its own.
std::vector<tBox> Ink(const tElement& e, tPoint at, bool skipLines)
{
    tBox glyph{1e9, 1e9, -1e9, -1e9};
    std::vector<tBox> out;
    const auto add = [&](double x0, double y0, double x1, double y1) {
        glyph.left = std::min(glyph.left, at.x + x0), glyph.right = std::max(glyph.right, at.x + x1);
        glyph.top = std::min(glyph.top, at.y + y0), glyph.bottom = std::max(glyph.bottom, at.y + y1);
    };
    double size = 80;
    bool pointer = true;
    for (auto& r : e.Display) {
        if (auto* s = dynamic_cast<const tSetTextStyle*>(r.get())) size = s->Size;
        if (auto* c = dynamic_cast<const tCircle*>(r.get()))
            add(c->X - c->Radius, c->Y - c->Radius, c->X + c->Radius, c->Y + c->Radius);
        // Arcs by the points they pass (counter-clockwise, y down).
        const auto arc = [&](double x, double y, double st, double end, double rx, double ry) {
            while (end <= st) end += 360;
            for (double t = st; t <= end + 1e-9; t += 2) {
                const double px = x + rx * std::cos(t * kDegToRadians), py = y - ry * std::sin(t * kDegToRadians);
                add(px, py, px, py);
            }
        };
        if (auto* a = dynamic_cast<const tArc*>(r.get()))
            arc(a->X, a->Y, a->StAngle, a->EndAngle, a->Radius, a->Radius);
        if (auto* l = dynamic_cast<const tEllipse*>(r.get()))
            arc(l->X, l->Y, l->StAngle, l->EndAngle, l->XRadius, l->YRadius);
        if (auto* l = dynamic_cast<const tLine*>(r.get())) {
            if (skipLines || std::exchange(pointer, false)) continue;
            add(std::min(l->X1, l->X2), std::min(l->Y1, l->Y2), std::max(l->X1, l->X2), std::max(l->Y1, l->Y2));
        }
        if (auto* t = dynamic_cast<const tTextOut*>(r.get())) {
            const double h = TextHeight(static_cast<std::uint16_t>(size)), w = 0.6 * h * Utf8Length(t->Text);
            out.push_back({at.x + t->X - w / 2, at.y + t->Y - 0.8 * h, at.x + t->X + w / 2, at.y + t->Y + 0.2 * h});
        }
    }
    if (glyph.left < glyph.right) out.push_back(glyph);
    return out;
}

double Gap(double a, double b)
{
    const double d = std::fabs(std::fmod(a - b + 720, 360));
    return std::min(d, 360 - d);
}

// Three stelliums (five or more bodies within 30 degrees), in every wheel:
// no two inks meet, every pointer ends on its body's degree, the second
// chart stands outside the first, and a body with room is not moved.
TEST(Wheel, GlyphsAndLabelsNeverMeet)
{
    tWheelFixture f;
    tOptionRecord o = f.o;
    for (OptionSet* s : {&o.BirthSet, &o.FirstChartSet, &o.SecondChartSet}) s->ShowDegrees = true;
    o.FirstChartSet.ShowPlanet = o.BirthSet.ShowPlanet;  // the houses drawn too
    struct tDay {
        int y, m, d;
    };
    for (const tDay day : {tDay{1962, 2, 4}, tDay{2020, 1, 12}, tDay{2000, 5, 4}}) {
        SCOPED_TRACE(day.y);
        tChart a(&o.FirstChartSet), b(&o.SecondChartSet);
        test::Birth(a, day.y, day.m, day.d, 7);
        test::Birth(b, 2020, 12, 21, 12);
        int most = 0;
        for (int n = 1; n <= 10; ++n) {
            int near = 0;
            for (int m = 1; m <= 10; ++m) near += std::fmod(a.BodyPosition(m) - a.BodyPosition(n) + 360, 360) < 30;
            most = std::max(most, near);
        }
        ASSERT_GE(most, 5);
        for (tGraphKind k : {tGraphKind::Daisy, tGraphKind::US, tGraphKind::Two, tGraphKind::USTwo,
                             tGraphKind::SideBySide, tGraphKind::USSideBySide}) {
            SCOPED_TRACE(static_cast<int>(k));
            tChartGraph g(k, a, b, f.pc);
            g.Setup();
            g.RecordGraph();
            std::vector<std::pair<int, tBox>> inks;  // owner, ink
            int owner = 0;
            std::map<const tChart*, std::pair<double, double>> ringOf;  // nearest and farthest glyph
            for (auto& wheelRec : g.Elements) {
                auto* wheel = dynamic_cast<tWheelBase*>(wheelRec.get());
                if (!wheel) continue;
                for (tGPlanet* p : Children<tGPlanet>(*wheel)) {
                    ++owner;
                    for (const tBox& box : Ink(*p, {wheel->X + p->X, wheel->Y + p->Y}, false))
                        inks.emplace_back(owner, box);
                    const double exact = p->Chart.BodyPosition(p->Planet.Num);
                    const double pointer = std::atan2(p->TruePoint.y, -p->TruePoint.x) / kDegToRadians;
                    EXPECT_LT(Gap(pointer, exact - wheel->Rotation / kDegToRadians), 0.5) << p->Planet.Num;
                    auto& r = ringOf.try_emplace(&p->Chart, 1e9, 0).first->second;
                    const double radius = std::hypot(p->X, p->Y);
                    r = {std::min(r.first, radius), std::max(r.second, radius)};
                }
                for (tHouse* h : Children<tHouse>(*wheel)) {
                    ++owner;
                    for (const tBox& box : Ink(*h, {wheel->X + h->X, wheel->Y + h->Y}, true))
                        inks.emplace_back(owner, box);
                }
            }
            for (std::size_t i = 0; i < inks.size(); ++i)
                for (std::size_t j = i + 1; j < inks.size(); ++j) {
                    const tBox &x = inks[i].second, &y = inks[j].second;
                    EXPECT_TRUE(inks[i].first == inks[j].first || !x.Meets(y))
                        << i << " " << j << ": " << x.left << "," << x.top << " " << x.right << "," << x.bottom << " / "
                        << y.left << "," << y.top << " " << y.right << "," << y.bottom;
                }
            if (k == tGraphKind::Two || k == tGraphKind::USTwo) {
                ASSERT_EQ(ringOf.size(), 2u);
                EXPECT_GT(ringOf[&b].first, ringOf[&a].second);
            }
        }
    }
    // Cusp lines stop short of the glyphs: the standard wheel's below its
    // glyph ring, the US wheel's house lines inside its bodies' ring.
    {
        tChart c(&o.BirthSet);
        test::Birth(c, 1962, 2, 4, 7);
        tWheel w(nullptr, c, 2400, 3400, f.pc);
        w.Setup();
        w.RecordGraph();
        const double glyphInner = 3400 + 11 * 80 - 5 * 80;
        for (tHouse* h : Children<tHouse>(w)) {
            for (auto& r : h->Display) {
                if (auto* l = dynamic_cast<const tLine*>(r.get())) {
                    EXPECT_LT(std::hypot(h->X + l->X2, h->Y + l->Y2), glyphInner) << h->Cusp;
                }
            }
        }
        tUSWheel us(nullptr, c, 3300, 4400, 700, f.pc);
        us.Setup();
        us.RecordGraph();
        int houseLines = 0;
        for (auto& r : us.Display)
            if (auto* l = dynamic_cast<const tLine*>(r.get());
                l && std::fabs(std::hypot(l->X2, l->Y2) - 700) < 2 &&
                std::fabs(double(l->X1) * l->Y2 - double(l->X2) * l->Y1) < 0.01 * std::hypot(l->X1, l->Y1) * 700) {
                ++houseLines;
                EXPECT_LT(std::hypot(l->X1, l->Y1), 3300 - 6 * 80 - 5 * 80);
            }
        EXPECT_EQ(houseLines, 12);
    }

    // Neptune alone in Scorpio (1962): exactly on its degree.
    tChart c(&o.BirthSet);
    test::Birth(c, 1962, 2, 4, 7);
    tWheel w(nullptr, c, 2400, 3400, f.pc);
    w.Setup();
    for (tGPlanet* p : Children<tGPlanet>(w))
        if (p->Planet.Num == 9) {
            const double shown = std::atan2(p->Y, -p->X) / kDegToRadians;
            EXPECT_LT(Gap(shown, c.BodyPosition(9) - w.Rotation / kDegToRadians), 0.02);
        }
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

// The file at 500 and at 2000 pixels is the same picture: strokes and text
// in proportion to it, house labels legible, every body a group.
TEST(Wheel, SvgKeepsItsLookAtAnySizeAndMarksEveryBody)
{
    tWheelFixture f;
    tChart a(&f.o.FirstChartSet), b(&f.o.SecondChartSet);
    test::Birth(a, 1962, 2, 4, 7);
    test::Birth(b, 2020, 12, 21, 12);
    tChart birth(&f.o.BirthSet);
    test::Birth(birth, 1962, 2, 4, 7);
    const auto svg = [&](int px, tGraphKind kind = tGraphKind::Two) {
        tChartGraph g(kind, kind == tGraphKind::Two ? a : birth, b, f.pc);
        g.Setup();
        g.RecordGraph();
        tSvgCanvas canvas(px, px);
        g.play(canvas, PageReplay(canvas.DeviceWidth(), canvas.DeviceHeight(), 1.0, true, false));
        return canvas.Document();
    };
    // Every value of an attribute, relative to the side of the view box.
    const auto share = [](const std::string& doc, const std::string& attribute, int side) {
        std::vector<double> out;
        for (std::size_t at = doc.find(attribute + "=\""); at != std::string::npos;
             at = doc.find(attribute + "=\"", at + 1))
            out.push_back(std::stod(doc.substr(at + attribute.size() + 2)) / side);
        return out;
    };
    const std::string small = svg(500), large = svg(2000);
    const auto strokes500 = share(small, "stroke-width", 1500), strokes2000 = share(large, "stroke-width", 6000);
    ASSERT_FALSE(strokes500.empty());
    ASSERT_EQ(strokes500.size(), strokes2000.size());
    for (std::size_t i = 0; i < strokes500.size(); ++i) EXPECT_NEAR(strokes500[i], strokes2000[i], 1e-6);
    const auto text500 = share(small, "font-size", 1500), text2000 = share(large, "font-size", 6000);
    ASSERT_EQ(text500.size(), text2000.size());
    for (std::size_t i = 0; i < text500.size(); ++i) EXPECT_NEAR(text500[i], text2000[i], 1e-4);

    const std::string daisy = svg(2000, tGraphKind::Daisy);
    const std::size_t asc = daisy.find(">Asc</text>");
    ASSERT_NE(asc, std::string::npos);
    const std::size_t size = daisy.rfind("font-size=\"", asc);
    EXPECT_GE(std::stod(daisy.substr(size + 11)) / 6000, 0.015);

    int first = 0, second = 0;
    for (std::size_t at = large.find("<g data-body="); at != std::string::npos;
         at = large.find("<g data-body=", at + 1))
        (large.compare(large.find("data-chart=", at) + 12, 1, "2") == 0 ? second : first)++;
    int shown = 0;
    for (int n = 1; n <= a.BodyCount(); ++n) shown += a.BodyAt(n)->Visible && (n <= 12 || n >= 25);
    EXPECT_EQ(first, shown);
    EXPECT_GE(second, 10);
    // Side by side, the right wheel's bodies are the second chart's.
    for (tGraphKind kind : {tGraphKind::SideBySide, tGraphKind::USSideBySide}) {
        const std::string doc = svg(1000, kind);
        EXPECT_NE(doc.find("data-chart=\"1\""), std::string::npos);
        EXPECT_NE(doc.find("data-chart=\"2\""), std::string::npos) << int(kind);
    }
    // The transit line graph: the transiting bodies are the second chart.
    tChart moving(&f.o.BirthSet);
    test::Birth(moving, 2020, 12, 21, 12);
    tTransLineGraph transit(birth, moving, 1440, 0, f.pc);
    transit.Setup();
    transit.RecordGraph();
    tSvgCanvas canvas(1000, 1000);
    transit.play(canvas, PageReplay(canvas.DeviceWidth(), canvas.DeviceHeight(), 1.0, true, false));
    EXPECT_NE(canvas.Document().find("data-chart=\"2\""), std::string::npos);
    EXPECT_NE(canvas.Document().find("data-chart=\"1\""), std::string::npos);
}

// The grid holds every aspect of the chart's aspect table, with its orb,
// once; the pair's square every aspect between the two; a printed wheel's
// key names each kind drawn.
TEST(Wheel, AspectGridHoldsTheAspectsTable)
{
    tWheelFixture f;
    tChart a(&f.o.BirthSet), b(&f.o.BirthSet);
    test::Birth(a, 1990, 5, 17, 14, 30);
    test::Birth(b, 2020, 12, 21, 12);
    for (bool pair : {false, true}) {
        tChartGraph g(pair ? tGraphKind::TwoGrid : tGraphKind::Grid, a, b, f.pc);
        g.Setup();
        g.RecordGraph();
        tAspectsCollection expected(f.pc.AspectRules);
        if (pair)
            expected.BuildComparison(a, b);
        else
            expected.BuildNatal(a);
        ASSERT_FALSE(expected.Items().empty());
        auto* grid = dynamic_cast<tAspectGrid*>(&g.Child(g.Elements.size() - 1));
        ASSERT_TRUE(grid);
        std::multiset<std::tuple<int, int, int>> shown, wanted;
        for (tGridCell* cell : Children<tGridCell>(*grid)) {
            if (!cell->Aspect) continue;
            shown.insert({cell->Aspect->Body1, cell->Aspect->Body2, cell->Aspect->Aspect});
            std::string orb;
            for (auto& r : cell->Display)
                if (auto* t = dynamic_cast<const tTextOut*>(r.get())) orb = t->Text;
            const int minutes = static_cast<int>(std::lround(cell->Aspect->Orb * 60));
            EXPECT_EQ(orb.rfind(std::to_string(minutes / 60) + "\u00B0", 0), 0u) << orb;
        }
        for (const tAspect& x : expected.Items()) wanted.insert({x.Body1, x.Body2, x.Aspect});
        EXPECT_EQ(shown, wanted) << pair;
    }

    tChartGraph wheel(tGraphKind::Daisy, a, a, f.pc);
    wheel.Legend = true;
    wheel.Setup();
    wheel.RecordGraph();
    auto* key = dynamic_cast<tAspectLegend*>(&wheel.Child(wheel.Elements.size() - 1));
    ASSERT_TRUE(key);
    std::set<std::string> names;
    for (auto& r : key->Display)
        if (auto* t = dynamic_cast<const tTextOut*>(r.get())) names.insert(t->Text);
    tWheelBase* drawn = nullptr;
    for (std::size_t i = 0; i < wheel.Elements.size() && !drawn; ++i) drawn = dynamic_cast<tWheelBase*>(&wheel.Child(i));
    ASSERT_TRUE(drawn);
    std::set<std::string> kinds;
    for (const tAspect& x : drawn->Aspects.Items()) kinds.insert(f.pc.Lang->AspectName(x.Aspect));
    EXPECT_EQ(names, kinds);
}

// Colours that would vanish on white paper print darker, in their hue.
TEST(Wheel, LightColoursPrintDarker)
{
    const tColor yellow = 0x0000FFFF, grey = 0x00C0C0C0, navy = 0x00800000;
    EXPECT_EQ(PaperColor(navy), navy);
    for (tColor c : {yellow, grey}) {
        const tRgb in = ToRgb(c), out = ToRgb(PaperColor(c));
        EXPECT_LE(0.2126 * out.r + 0.7152 * out.g + 0.0722 * out.b, 151);
        EXPECT_EQ(in.r >= in.b, out.r >= out.b);  // the same hue
        EXPECT_EQ(in.g >= in.b, out.g >= out.b);
    }
}

}  // namespace
}  // namespace quintara
