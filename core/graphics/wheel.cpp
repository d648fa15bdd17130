#include "core/graphics/wheel.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/graphics/glyph_spread.h"
#include "core/i18n/caption_ids.h"
#include "core/options/option_set.h"
#include "core/reports/analysis.h"

namespace quintara {
namespace {


bool HasHouses(const tChart& c) { return c.HouseType < 255; }

double StartRotation(const tChart& c)
{
    if (OptionsOf(c).StartAries) return 0;
    // The true Ascendant on the left, also where cusp 1 is not on it.
    const double asc = HasHouses(c) && !c.AngleOnCusp(kAscendant) ? c.Ascendant() : c.HouseCusp(1);
    return asc >= 0 ? asc * kDegToRadians : 0;
}

}  // namespace

tWheelBase::tWheelBase(tElement* parent, const tChart& chart, const tPictureContext& ctx)
    : tChartElement(parent), Chart(chart), Rotation(StartRotation(chart)), Aspects(ctx.AspectRules), ctx(ctx)
{
    Movable = false;
}

void tWheelBase::AddBodies(const tChart& chart, bool second, const tBodyRings& rings)
{
    const std::vector<const tPlanet*> bodies = WheelBodies(chart);
    std::vector<double> at;
    for (const tPlanet* p : bodies) at.push_back(chart.BodyPosition(p->Num));
    // The room of a glyph on its ring, or of its label on the label ring.
    const double labelChars = OptionsOf(chart).ShowDegrees ? 7 : 1;
    const double labelWidth = labelChars * 0.6 * TextHeight(LabelSize(chart, kDegreeLabelSize * CharSize));
    const double gap = std::max(RingGap(kGlyphWidth * CharSize, rings.glyph), RingGap(labelWidth, rings.label));
    const std::vector<double> shown = SpreadOnRing(at, gap);
    for (std::size_t i = 0; i < bodies.size(); ++i)
        Add<tGPlanet>(chart, *bodies[i], Rotation, rings, shown[i], ctx, second || OfSecondChart).CharSize = CharSize;
}

void tWheelBase::AddHouses(const tChart& chart, double R, const tHouseLayout& houses)
{
    if (!HasHouses(chart)) return;
    std::vector<double> at;
    for (int h = 1; h <= 12; ++h) at.push_back(chart.BodyPosition(h + 12));
    // Angles off their cusps get their own marks, spread with the cusps'.
    std::vector<int> angles;
    for (int body : {kAscendant, kMidheaven})
        if (!chart.AngleOnCusp(body)) {
            angles.push_back(body);
            at.push_back(body == kAscendant ? chart.Ascendant() : chart.Midheaven());
        }
    const std::vector<double> shown = SpreadOnRing(at, RingGap(kCuspLabelWidth * CharSize, houses.label * R));
    for (int h = 1; h <= 12; ++h)
        Add<tHouse>(chart, h + 12, Rotation, R, houses, shown[static_cast<std::size_t>(h - 1)], ctx).CharSize =
            CharSize;
    for (std::size_t i = 0; i < angles.size(); ++i)
        Add<tHouse>(chart, angles[i], Rotation, R, houses, shown[12 + i], ctx, true).CharSize = CharSize;
}

tBodyRings tWheelBase::OuterRings(double exact, double outer, int ring) const
{
    // Cusp labels first, then the glyphs, their labels beyond; a second
    // ring beyond the first's labels.
    const double u = CharSize;
    const double glyph = outer + (ring == 1 ? 11 : 25.5) * u;
    return {ring == 1 ? exact : outer + 18.5 * u, glyph, glyph + 5.5 * u};
}

tBodyRings tUSWheel::InnerRings() const
{
    const double u = CharSize;
    return {static_cast<double>(ZodiacInnerRadius), ZodiacInnerRadius - 6 * u, ZodiacInnerRadius - 11.5 * u};
}

void tWheelBase::DrawBase(tRecordElement& r) const
{
    const OptionSet& s = OptionsOf(Chart);
    r.SetColor(s.Colors[kSlotBase]);
    r.SetTextColor(s.Colors[kSlotBase]);
    r.setlinestyle(kSolid, s.LineWidths[kSlotBase]);
}

void tWheelBase::DrawSigns(tRecordElement& r, double inner, double outer) const
{
    for (int s = 0; s < 12; ++s) {
        const double b = s * kPi / 6 - Rotation;
        const tPoint from = WheelPoint(inner, b), to = WheelPoint(outer, b);
        r.Line(from.x, from.y, to.x, to.y);
        DrawSignGlyph(r, s, WheelPoint((inner + outer) * 0.5, b + kPi / 12), Chart, *ctx.Lang, CharSize);
    }
}

void tWheelBase::DrawChords(tRecordElement& r, double radius, const tChart& second) const
{
    const OptionSet& set = OptionsOf(Chart);
    for (const tAspect& a : Aspects.Items()) {
        const int k = a.Aspect;
        if (IsParallel(k)) continue;  // of declination: no chord on the ecliptic
        const std::size_t slot = static_cast<std::size_t>(kSlotFirstAspect - 1 + k);
        r.SetColor(AspectColor(set, k));
        if (k >= 1 && k <= 10) r.setlinestyle(AspectLineStyle(k), set.LineWidths[slot]);
        const tPoint p1 = WheelPoint(radius, Angle(Chart.AspectPosition(a.Body1)));
        const tPoint p2 = WheelPoint(radius, Angle(second.AspectPosition(a.Body2)));
        r.Line(p1.x, p1.y, p2.x, p2.y);
        r.setlinestyle(kSolid, 1);
    }
}

tInfoText tWheelBase::InfoWindow() const
{
    std::string text;
    for (const tAspect& a : Aspects.Items()) {
        if (!text.empty()) text += "\r\n";
        text += ctx.Lang->PlanetName(a.Body1) + "\t" + ctx.Lang->AspectName(a.Aspect) + "\t" +
                ctx.Lang->PlanetName(a.Body2) + "\t" + Fixed(RoundDegMinCarry(2, a.Orb), 5, 2);
    }
    return {ctx.Lang->Caption(caption::kAspects), text};
}

std::optional<std::vector<std::string>> tWheelBase::ExInfoWindow() const
{
    if (!ctx.Analysis) return std::nullopt;
    std::vector<std::string> lines;
    AnalyseChart(0, *ctx.Analysis, lines, Chart, ReportContextOf(ctx));
    return lines;
}

tWheel::tWheel(tElement* parent, const tChart& chart, std::int32_t inner, std::int32_t outer, const tPictureContext& ctx)
    : tWheelBase(parent, chart, ctx), InnerRadius(inner), OuterRadius(outer)
{
    HitRadius = 80;
}

void tWheel::Setup()
{
    tElement::Setup();
    AddBodies(Chart, false, OuterRings(InnerRadius, OuterRadius, 1));
    AddHouses(Chart, OuterRadius, kStandardHouse);
}

void tWheel::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement r(*this);
    DrawBase(r);
    r.Circle(0, 0, InnerRadius);
    r.Circle(0, 0, OuterRadius);
    DrawSigns(r, InnerRadius, OuterRadius);
    DrawAspects(r);
}

void tWheel::DrawAspects(tRecordElement& r)
{
    for (int d = 1; d <= 360; ++d) {
        const tPoint q = WheelPoint(OuterRadius, d * kDegToRadians - Rotation);
        const double f = d % 5 == 0 ? 0.96 : 0.98;
        r.Line(q.x, q.y, RoundI(f * q.x), RoundI(f * q.y));
    }
    Aspects.BuildNatal(Chart);
    DrawChords(r, InnerRadius, Chart);
}

tTwoWheel::tTwoWheel(tElement* parent, const tChart& chart, const tChart& chart2, std::int32_t inner,
                     std::int32_t outer, const tPictureContext& ctx)
    : tWheel(parent, chart, inner, outer, ctx), Chart2(chart2)
{
}

void tTwoWheel::Setup()
{
    tWheel::Setup();
    // The second chart on a ring of its own beyond the first chart's.
    AddBodies(Chart2, true, OuterRings(InnerRadius, OuterRadius, 2));
}

void tTwoWheel::DrawAspects(tRecordElement& r)
{
    // The second chart's ring: its degrees marked on its inner circle.
    const double ring = OuterRings(InnerRadius, OuterRadius, 2).exact;
    r.Circle(0, 0, RoundI(ring));
    for (int d = 5; d <= 360; d += 5) {
        const tPoint q = WheelPoint(ring, d * kDegToRadians - Rotation);
        const double f = d % 10 == 0 ? 1.02 : 1.01;
        r.Line(q.x, q.y, RoundI(f * q.x), RoundI(f * q.y));
    }
    Aspects.Clear();
    Aspects.BuildComparison(Chart, Chart2);
    DrawChords(r, InnerRadius, Chart2);
}

tUSWheel::tUSWheel(tElement* parent, const tChart& chart, std::int32_t zodiacInner, std::int32_t zodiacOuter,
                   std::int32_t center, const tPictureContext& ctx)
    : tWheelBase(parent, chart, ctx), ZodiacInnerRadius(zodiacInner), ZodiacOuterRadius(zodiacOuter), CenterRadius(center)
{
    HitRadius = 40;
}

void tUSWheel::Setup()
{
    tElement::Setup();
    AddBodies(Chart, false, InnerRings());
    AddHouses(Chart, ZodiacOuterRadius, kUSHouse);
}

void tUSWheel::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement r(*this);
    DrawBase(r);
    r.Circle(0, 0, ZodiacInnerRadius);
    r.Circle(0, 0, ZodiacOuterRadius);
    r.Circle(0, 0, CenterRadius);
    DrawSigns(r, ZodiacInnerRadius, ZodiacOuterRadius);
    if (HasHouses(Chart)) {
        r.SetColor(OptionsOf(Chart).Colors[kSlotBase]);
        for (int h = 1; h <= 12; ++h) {
            const tPlanet* cusp = Chart.FindBody(12 + h);
            if (!cusp) continue;
            r.setlinestyle(h % 3 == 1 ? kSolid : kDot, BodyWidth(*cusp));
            // Inside the bodies' ring only: a house line never runs through a glyph.
            const double a = Angle(Chart.HouseCusp(h));
            const tPoint p1 = WheelPoint(InnerRings().label - 1.5 * CharSize, a), p2 = WheelPoint(CenterRadius, a);
            r.Line(p1.x, p1.y, p2.x, p2.y);
        }
    }
    DrawAspects(r);
}

void tUSWheel::DrawAspects(tRecordElement& r)
{
    Aspects.BuildNatal(Chart);
    DrawChords(r, CenterRadius, Chart);
}

tUSTwoWheel::tUSTwoWheel(tElement* parent, const tChart& chart, const tChart& chart2, std::int32_t zodiacInner,
                         std::int32_t zodiacOuter, std::int32_t center, const tPictureContext& ctx)
    : tUSWheel(parent, chart, zodiacInner, zodiacOuter, center, ctx), Chart2(chart2)
{
}

void tUSTwoWheel::Setup()
{
    tElement::Setup();
    AddBodies(Chart, false, InnerRings());
    AddHouses(Chart, ZodiacOuterRadius, kUSHouse);
    // The second chart outside the zodiac ring, beyond the cusp labels.
    AddBodies(Chart2, true, OuterRings(ZodiacOuterRadius, ZodiacOuterRadius, 1));
}

void tUSTwoWheel::DrawAspects(tRecordElement& r)
{
    Aspects.Clear();
    Aspects.BuildComparison(Chart, Chart2);
    DrawChords(r, CenterRadius, Chart2);
}

}  // namespace quintara
