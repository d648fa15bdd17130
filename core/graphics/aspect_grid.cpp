#include "core/graphics/aspect_grid.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "core/i18n/caption_ids.h"
#include "core/options/option_set.h"

namespace quintara {

namespace {

// The bodies a grid lists: the visible ones a wheel shows, with the
// Ascendant and Midheaven of a chart with houses after body 12.
std::vector<int> GridBodies(const tChart& c)
{
    const std::vector<const tPlanet*> bodies = WheelBodies(c);
    std::vector<int> out;
    for (const tPlanet* p : bodies)
        if (p->Num <= 12 && p->Visible) out.push_back(p->Num);
    if (c.HouseType < 255)
        for (int n : {13, 22})
            if (const tPlanet* a = c.FindBody(n); a && a->Visible) out.push_back(n);
    for (const tPlanet* p : bodies)
        if (p->Num > 12 && p->Visible) out.push_back(p->Num);
    return out;
}

// "2°15'" of an orb in decimal degrees.
std::string OrbText(double orb)
{
    int whole = static_cast<int>(std::floor(orb));
    int minutes = static_cast<int>(std::lround((orb - whole) * 60));
    if (minutes == 60) ++whole, minutes = 0;
    return std::to_string(whole) + "\u00B0" + (minutes < 10 ? "0" : "") + std::to_string(minutes) + "'";
}

// A text size whose height is share of the cell.
std::uint16_t CellText(std::int32_t cell, double share)
{
    return static_cast<std::uint16_t>(std::lround(share * cell / kTextScale));
}

}  // namespace

void DrawAspectSign(tRecordElement& r, int k, std::int32_t u, TLanguages& lang, std::int32_t dy)
{
    const auto R = [](double v) { return static_cast<std::int32_t>(std::lround(v)); };
    const auto line = [&](double x1, double y1, double x2, double y2) {
        r.Line(R(x1 * u), R(y1 * u) + dy, R(x2 * u), R(y2 * u) + dy);
    };
    const auto circle = [&](double x, double y, double radius) { r.Circle(R(x * u), R(y * u) + dy, R(radius * u)); };
    constexpr double kPi = 3.14159265358979323846;
    switch (k) {
        case 1:  // conjunction: a ring with its stroke
            circle(-0.4, 0.6, 1.3);
            line(0.5, -0.4, 1.9, -2.2);
            return;
        case 2:  // sextile: a six-pointed star of lines
            for (int i = 0; i < 3; ++i) {
                const double a = i * kPi / 3 + kPi / 2;
                line(2 * std::cos(a), -2 * std::sin(a), -2 * std::cos(a), 2 * std::sin(a));
            }
            return;
        case 3:  // square
            line(-1.8, -1.8, 1.8, -1.8);
            line(1.8, -1.8, 1.8, 1.8);
            line(1.8, 1.8, -1.8, 1.8);
            line(-1.8, 1.8, -1.8, -1.8);
            return;
        case 4:  // trine
            line(0, -2, 2.2, 1.8);
            line(2.2, 1.8, -2.2, 1.8);
            line(-2.2, 1.8, 0, -2);
            return;
        case 5:  // opposition: two rings joined
            circle(-1.4, 1.4, 0.8);
            circle(1.4, -1.4, 0.8);
            line(-0.85, 0.85, 0.85, -0.85);
            return;
        case kParallel:  // two strokes; the contraparallel crossed
        case kContraparallel:
            line(-0.8, -2, -0.8, 2);
            line(0.8, -2, 0.8, 2);
            if (k == kContraparallel) line(-1.8, 0.6, 1.8, -0.6);
            return;
        default: {
            std::string name = lang.AspectName(k);
            if (name.size() > 3) name.resize(3);
            r.OutTextXY(0, R(1.2 * u) + dy, name);
        }
    }
}

tAspectGrid::tAspectGrid(tElement* parent, const tChart& chart, const tChart& chart2, bool pair,
                         const tPictureContext& ctx)
    : tChartElement(parent, "AspectGrid"), Chart(chart), Chart2(chart2), Pair(pair), Aspects(ctx.AspectRules), ctx(ctx)
{
    Movable = false;
}

void tAspectGrid::Setup()
{
    tElement::Setup();
    Aspects.Clear();
    if (Pair)
        Aspects.BuildComparison(Chart, Chart2);
    else
        Aspects.BuildNatal(Chart);
    Rows = GridBodies(Chart);
    Columns = Pair ? GridBodies(Chart2) : Rows;
    const std::size_t n = std::max(Rows.size(), Columns.size()) + (Pair ? 1 : 0);
    Cell = n ? std::min<std::int32_t>(700, static_cast<std::int32_t>(9000 / n)) : 700;
    X = -4500, Y = -4200;
    std::map<std::pair<int, int>, const tAspect*> of;
    for (const tAspect& a : Aspects.Items()) {
        of[{a.Body1, a.Body2}] = &a;
        if (!Pair) of[{a.Body2, a.Body1}] = &a;
    }
    const auto cell = [&](std::size_t row, std::size_t col, const tChart& chart, int body, const tAspect* a) {
        tGridCell& c = Add<tGridCell>(chart, body, a, Cell, ctx);
        c.X = static_cast<std::int32_t>(col) * Cell + Cell / 2;
        c.Y = static_cast<std::int32_t>(row) * Cell + Cell / 2;
    };
    const std::size_t shift = Pair ? 1 : 0;
    if (Pair)
        for (std::size_t c = 0; c < Columns.size(); ++c) cell(0, c + 1, Chart2, Columns[c], nullptr);
    for (std::size_t r = 0; r < Rows.size(); ++r) {
        if (Pair)
            cell(r + 1, 0, Chart, Rows[r], nullptr);
        else
            cell(r, r, Chart, Rows[r], nullptr);
        const std::size_t last = Pair ? Columns.size() : r;
        for (std::size_t c = 0; c < last; ++c) {
            const auto it = of.find({Rows[r], Columns[c]});
            if (it != of.end()) cell(r + shift, c + shift, Chart, 0, it->second);
        }
    }
    for (std::size_t i = 0; i < Elements.size(); ++i) Child(i).Setup();
}

void tAspectGrid::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement r(*this);
    const OptionSet& s = OptionsOf(Chart);
    r.SetColor(s.Colors[kSlotBase]);
    r.setlinestyle(kSolid, 1);
    const std::int32_t n = static_cast<std::int32_t>(Rows.size());
    if (Pair) {
        const std::int32_t cols = static_cast<std::int32_t>(Columns.size()) + 1, rows = n + 1;
        for (std::int32_t i = 0; i <= rows; ++i) r.Line(0, i * Cell, cols * Cell, i * Cell);
        for (std::int32_t j = 0; j <= cols; ++j) r.Line(j * Cell, 0, j * Cell, rows * Cell);
        return;
    }
    // The triangle: row i has cells 0..i.
    for (std::int32_t i = 0; i < n; ++i) {
        r.Line(0, i * Cell, (i + 1) * Cell, i * Cell);
        for (std::int32_t j = 0; j <= i + 1; ++j) r.Line(j * Cell, i * Cell, j * Cell, (i + 1) * Cell);
    }
    r.Line(0, n * Cell, n * Cell, n * Cell);
}

tInfoText tAspectGrid::InfoWindow() const
{
    std::string text;
    for (const tAspect& a : Aspects.Items()) {
        if (!text.empty()) text += "\r\n";
        text += ctx.Lang->PlanetName(a.Body1) + "\t" + ctx.Lang->AspectName(a.Aspect) + "\t" +
                ctx.Lang->PlanetName(a.Body2) + "\t" + OrbText(a.Orb);
    }
    return {ctx.Lang->Caption(caption::kAspects), text};
}

tGridCell::tGridCell(tElement* parent, const tChart& chart, int body, const tAspect* aspect, std::int32_t cell,
                     const tPictureContext& ctx)
    : tChartElement(parent, "GridCell"), Chart(chart), Body(body), cell(cell), ctx(ctx)
{
    if (aspect) Aspect = *aspect;
    Movable = false;
    HitRadius = cell / 2;
}

void tGridCell::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement r(*this);
    r.SetTextAlign(kAlignCenter | kAlignBaseline);
    if (!Aspect) {
        const tPlanet* p = Chart.FindBody(Body);
        if (!p) return;
        r.SetColor(BodyColor(*p));
        r.SetTextColor(BodyColor(*p));
        r.setlinestyle(kSolid, BodyWidth(*p));
        r.SetTextStyle("Courier New", 0, 0, CellText(cell, 0.35));
        if (!OptionsOf(Chart).Symbols || !DrawBodyGlyph(r, Body, cell / 12))
            r.OutTextXY(0, RoundI(cell * 0.15), p->ShortName(*ctx.Lang));
        return;
    }
    const tColor c = AspectColor(OptionsOf(Chart), Aspect->Aspect);
    r.SetColor(c);
    r.SetTextColor(c);
    r.setlinestyle(kSolid, 1);
    // The sign in the upper part of the cell, the orb under it.
    r.SetTextStyle("Courier New", 0, 0, CellText(cell, 0.3));
    DrawAspectSign(r, Aspect->Aspect, cell / 16, *ctx.Lang, -RoundI(cell * 0.12));
    r.SetTextStyle("Courier New", 0, 0, CellText(cell, 0.22));
    r.OutTextXY(0, RoundI(cell * 0.40), OrbText(Aspect->Orb));
}

tInfoText tGridCell::InfoWindow() const
{
    if (!Aspect) return {ctx.Lang->PlanetName(Body), {}};
    return {ctx.Lang->AspectName(Aspect->Aspect),
            ctx.Lang->PlanetName(Aspect->Body1) + " " + ctx.Lang->AspectName(Aspect->Aspect) + " " +
                ctx.Lang->PlanetName(Aspect->Body2) + "\r\n" + OrbText(Aspect->Orb)};
}

tAspectLegend::tAspectLegend(tElement* parent, const tChart& c, const tAspectsCollection& a, const tPictureContext& ctx)
    : tChartElement(parent, "AspectLegend"), chart(c), aspects(a), ctx(ctx)
{
    Movable = false;
    X = -4800, Y = 4700;
}

void tAspectLegend::RecordGraph()
{
    tElement::RecordGraph();
    std::set<int> kinds;
    for (const tAspect& a : aspects.Items()) kinds.insert(a.Aspect);
    tRecordElement r(*this);
    const OptionSet& set = OptionsOf(chart);
    const std::uint16_t size = static_cast<std::uint16_t>(std::lround(130 / kTextScale));
    r.SetTextStyle("Courier New", 0, 0, size);
    r.SetTextAlign(kAlignLeft | kAlignBaseline);
    std::int32_t y = -static_cast<std::int32_t>(kinds.size() - 1) * 180;
    for (int k : kinds) {
        const std::size_t slot = static_cast<std::size_t>(kSlotFirstAspect - 1 + k);
        r.SetColor(AspectColor(set, k));
        r.SetTextColor(AspectColor(set, k));
        r.setlinestyle(AspectLineStyle(k), k <= 12 ? set.LineWidths[slot] : 1);
        r.Line(0, y - 45, 450, y - 45);
        r.setlinestyle(kSolid, 1);
        r.OutTextXY(550, y, ctx.Lang->AspectName(k));
        y += 180;
    }
}

}  // namespace quintara
