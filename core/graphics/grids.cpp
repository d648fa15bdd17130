#include "core/graphics/grids.h"

#include <algorithm>
#include <cmath>

#include "core/graphics/glyph_spread.h"

#include "core/chart/date_time.h"
#include "core/i18n/date_format.h"
#include "core/options/option_set.h"

namespace quintara {
namespace {

std::int32_t Level(double position, std::int32_t rowHeight) { return RoundI(12.0 * rowHeight * position / 360); }

// Bodies hidden when the step (minutes) makes their curve too coarse.
void HideFastBodies(tChart& chart, std::int32_t step)
{
    const std::pair<int, std::int32_t> limits[] = {{2, 21600}, {3, 50400},  {4, 64800},  {1, 136800},
                                                   {5, 180000}, {11, 518400}, {12, 518400}};
    for (auto [body, limit] : limits)
        if (step > limit)
            if (tPlanet* p = chart.FindBody(body)) p->Visible = false;
}

}  // namespace

tLineGrid::tLineGrid(tElement* parent, tChart& chart, std::int32_t stepMinutes, const tPictureContext& ctx)
    : tChartElement(parent), Chart(chart), StepMinutes(stepMinutes), ctx(ctx)
{
    Movable = false;
    Y = 714;
    HideFastBodies(chart, stepMinutes);
}

void tLineGrid::Setup()
{
    CalcChart(Chart);
    std::array<std::array<double, kLineSamples>, 13> samples{};
    tChart work(Chart.Options);
    work.Assign(Chart);
    CalcChart(work);
    for (int i = 0; i < kLineSamples; ++i) {
        Labels[static_cast<std::size_t>(i)] =
            i == 0 ? FormatDate(work.Year, work.Month, work.Day, ctx.Lang->DateFormatString).substr(0, 20)
                   : std::to_string(work.Day) + "/" + std::to_string(work.Month);
        for (int n = 1; n <= 12; ++n) samples[static_cast<std::size_t>(n)][static_cast<std::size_t>(i)] = work.BodyPosition(n);
        if (i == kLineSamples - 1) break;
        tDateTime t{work.Year, work.Month, work.Day + StepMinutes / 1440, work.Hour, work.Minute + StepMinutes % 1440};
        NormalizeDateTime(t);
        SetChartDateTime(work, t);
        CalcChart(work);
    }
    std::vector<tGPlanet*> column;
    for (int n = 1; n <= 12; ++n)
        if (const tPlanet* p = Chart.FindBody(n)) {
            column.push_back(
                &Add<tGridPlanet>(Chart, *p, samples[static_cast<std::size_t>(n)], ColWidth, RowHeight, ctx));
            if (OfSecondChart) column.back()->MarkSecondChart();
        }
    SpreadColumn(column, 12 * RowHeight);
    tElement::Setup();
}

void SpreadColumn(const std::vector<tGPlanet*>& glyphs, std::int32_t height)
{
    std::vector<tGPlanet*> shown;
    std::vector<double> levels;
    for (tGPlanet* g : glyphs)
        if (g->Planet.Visible) shown.push_back(g), levels.push_back(g->TruePoint.y);
    if (shown.empty()) return;
    const double gap = kGlyphWidth * shown.front()->CharSize;
    const std::vector<double> at = SpreadOnLine(levels, gap, 0, height);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        // The pointer runs from the moved glyph to where its curve starts.
        shown[i]->TruePoint = {shown[i]->X * 2, shown[i]->Y};
        shown[i]->Y = RoundI(at[i]);
    }
}

void tLineGrid::RecordGraph()
{
    tElement::RecordGraph();
    const OptionSet& set = OptionsOf(Chart);
    tRecordElement r(*this);
    r.SetColor(set.Colors[kSlotBase]);
    r.setlinestyle(kDot, 1);
    for (int j = 0; j <= 12; ++j) r.Line(0, j * RowHeight, kLineSamples * ColWidth, j * RowHeight);
    for (int i = 1; i <= kLineSamples; ++i) r.Line(i * ColWidth, 0, i * ColWidth, 12 * RowHeight);
    r.setlinestyle(kSolid, 1);
    r.SetTextColor(set.Colors[kSlotBase]);
    for (int s = 0; s < 12; ++s)
        DrawSignGlyph(r, s, {static_cast<std::int32_t>(ColWidth * 21.2), RowHeight * s}, Chart, *ctx.Lang, CharSize);
    r.SetTextColor(set.Colors[kSlotText]);
    r.SetTextStyle("Courier New", 0, 900, LabelSize(Chart, CharSize));
    r.SetTextAlign(0);
    for (int i = 0; i < kLineSamples; ++i)
        r.OutTextXY((i + 1) * ColWidth, 10000 - RowHeight, Labels[static_cast<std::size_t>(i)]);
}

tGridPlanet::tGridPlanet(tElement* parent, const tChart& chart, const tPlanet& planet,
                         const std::array<double, kLineSamples>& samples, std::int32_t colWidth, std::int32_t rowHeight,
                         const tPictureContext& ctx)
    : tGPlanet(parent, chart, planet, {static_cast<std::int32_t>(colWidth * 0.5), Level(samples[0], rowHeight)}, ctx),
      Samples(samples), ColWidth(colWidth), RowHeight(rowHeight)
{
}

void tGridPlanet::RecordGraph()
{
    tGPlanet::RecordGraph();
    tRecordElement r(*this);
    r.SetColor(BodyColor(Planet));
    r.setlinestyle(kSolid, BodyWidth(Planet));
    const std::int32_t total = 12 * RowHeight;
    auto line = [&](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        r.Line(x1 - X, y1 - Y, x2 - X, y2 - Y);
    };
    for (int i = 1; i < kLineSamples; ++i) {
        std::int32_t x1 = i * ColWidth, y1 = Level(Samples[static_cast<std::size_t>(i - 1)], RowHeight);
        const std::int32_t x2 = (i + 1) * ColWidth, y2 = Level(Samples[static_cast<std::size_t>(i)], RowHeight);
        if (y1 - y2 > 2 * RowHeight) {  // forward over 0 degrees: out at the bottom, in at the top
            const std::int32_t div = total + y2 - y1;
            const std::int32_t xm = div == 0 ? x1 + ColWidth : x1 + RoundI(ColWidth * double(total - y1) / div);
            line(x1, y1, xm, total);
            x1 = xm, y1 = 0;
        } else if (y2 - y1 > 11 * RowHeight) {  // backward over 0 degrees
            const std::int32_t div = y2 - total - y1;
            const std::int32_t xm = div == 0 ? x1 + ColWidth : x1 + std::abs(RoundI(ColWidth * double(y1) / div));
            line(x1, y1, xm, 0);
            x1 = xm, y1 = total;
        }
        line(x1, y1, x2, y2);
    }
}

tAspGridPlanet::tAspGridPlanet(tElement* parent, const tChart& natal, const tPlanet& planet, std::int32_t colWidth,
                               std::int32_t rowHeight, const tPictureContext& ctx)
    : tGPlanet(parent, natal, planet,
               {static_cast<std::int32_t>(colWidth * 0.5), Level(natal.BodyPosition(planet.Num), rowHeight)}, ctx),
      NatalPosition(natal.BodyPosition(planet.Num)), ColWidth(colWidth), RowHeight(rowHeight)
{
}

void tAspGridPlanet::RecordGraph()
{
    tGPlanet::RecordGraph();
    struct tLevel {
        double offset;
        int aspect, style;
    };
    static constexpr tLevel kLevels[] = {{0, 1, kSolid},  {-60, 2, kDash},     {60, 2, kDash},
                                         {-90, 3, kDot},  {90, 3, kDot},       {-120, 4, kDashDot},
                                         {120, 4, kDashDot}, {180, 5, kSolid}};
    const OptionSet& set = OptionsOf(Chart);
    tRecordElement r(*this);
    r.SetTextStyle("Courier New", 0, 0, LabelSize(Chart, CharSize));
    r.SetTextAlign(24);
    for (const tLevel& l : kLevels) {
        if (ctx.TransitAspects && !(*ctx.TransitAspects)[static_cast<std::size_t>(l.aspect - 1)]) continue;
        r.SetColor(l.aspect == 1 ? BodyColor(Planet) : set.Colors[static_cast<std::size_t>(kSlotFirstAspect - 1 + l.aspect)]);
        r.setlinestyle(l.style, 1);
        double p = NatalPosition + l.offset;
        if (p < 0) p += 360;
        if (p > 360) p -= 360;
        const std::int32_t y = Level(p, RowHeight);
        r.Line(ColWidth - X, y - Y, 22 * ColWidth - X, y - Y);
        r.OutTextXY(10 * ColWidth - X, y - Y, Planet.ShortName(*ctx.Lang) + " " + ctx.Lang->AspectName(l.aspect));
    }
}

tTransAllGrid::tTransAllGrid(tElement* parent, tChart& natal, tChart& transits, std::int32_t stepMinutes,
                             const tPictureContext& ctx, bool aspectLines)
    : tLineGrid(parent, transits, stepMinutes, ctx), Natal(natal), aspectLines(aspectLines)
{
    OfSecondChart = true;
}

void tTransAllGrid::Setup()
{
    tLineGrid::Setup();
    for (int n = 13; n <= 24; ++n)
        if (tPlanet* p = Natal.FindBody(n)) p->Visible = false;
    // The natal glyphs share the column with the transiting ones.
    std::vector<tGPlanet*> column;
    for (std::size_t i = 0; i < Elements.size(); ++i)
        if (auto* g = dynamic_cast<tGridPlanet*>(&Child(i))) column.push_back(g);
    for (int i = 1; i <= std::min(24, Natal.BodyCount()); ++i) {
        const tPlanet& p = *Natal.BodyAt(i);
        if (aspectLines) {
            Add<tAspGridPlanet>(Natal, p, ColWidth, RowHeight, ctx);
        } else {
            std::array<double, kLineSamples> level;
            level.fill(Natal.BodyPosition(p.Num));
            column.push_back(&Add<tGridPlanet>(Natal, p, level, ColWidth, RowHeight, ctx));
        }
    }
    SpreadColumn(column, 12 * RowHeight);
}

tPrevGrid::tPrevGrid(tElement* parent, const tChart& chart, tPrevCollection points)
    : tChartElement(parent), Chart(chart), Points(std::move(points))
{
    Movable = false;
}

void tPrevGrid::RecordGraph()
{
    tElement::RecordGraph();
    if (Points.empty()) return;
    double hi = 0, lo = 0;
    for (const tPrevRecord& p : Points) hi = std::max(hi, p.Positive), lo = std::min(lo, p.Negative);
    MaxK = std::llround(hi) / 1000 + 1;
    MinK = std::llround(lo) / 1000 - 1;
    // One record has no span to divide: it stands in the first column.
    const std::size_t n = Points.size();
    ColWidth = static_cast<std::int32_t>(n > 1 ? 9000 / (n - 1) : 9000);
    RowHeight = static_cast<std::int32_t>(9000 / (MaxK - MinK));
    const OptionSet& set = OptionsOf(Chart);
    tRecordElement r(*this);
    r.SetColor(set.Colors[kSlotBase]);
    for (long long k = 0; k <= MaxK - MinK; ++k) {
        r.setlinestyle(k == MaxK ? kSolid : kDot, 1);
        const auto y = static_cast<std::int32_t>(500 + k * RowHeight);
        r.Line(500, y, 9500, y);
    }
    r.setlinestyle(kDot, 1);
    const std::int32_t bottom = static_cast<std::int32_t>(500 + (MaxK - MinK) * RowHeight);
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<std::int32_t>(500 + i * ColWidth);
        r.Line(x, 500, x, bottom);
    }
    r.SetTextColor(set.Colors[kSlotText]);
    r.SetTextStyle("Courier New", 0, 0, LabelSize(Chart, CharSize));
    r.SetTextAlign(24);
    for (long long k = 0; k <= MaxK - MinK; ++k)
        r.OutTextXY(500, static_cast<std::int32_t>(500 + k * RowHeight), std::to_string((MaxK - k) * 1000));
    const std::int32_t zero = static_cast<std::int32_t>(MaxK * RowHeight + 500);
    const std::pair<int, double tPrevRecord::*> series[] = {
        {4, &tPrevRecord::Positive}, {5, &tPrevRecord::Negative}, {1, &tPrevRecord::Total}};
    for (const auto& line : series) {
        const int aspect = line.first;
        const auto field = line.second;  // not a structured binding: lambdas capture it
        r.SetColor(set.Colors[static_cast<std::size_t>(kSlotFirstAspect - 1 + aspect)]);
        r.setlinestyle(kSolid, 1);
        for (std::size_t i = 1; i < n; ++i) {
            auto y = [&](std::size_t k) { return zero - RoundI(Points[k].*field * RowHeight * 0.001); };
            r.Line(static_cast<std::int32_t>(500 + (i - 1) * ColWidth), y(i - 1),
                   static_cast<std::int32_t>(500 + i * ColWidth), y(i));
        }
    }
    r.SetTextStyle("Courier New", 0, 900, LabelSize(Chart, CharSize));
    r.SetTextAlign(0);
    for (std::size_t i = 0; i < n; ++i)
        r.OutTextXY(static_cast<std::int32_t>(500 + i * ColWidth), 9990,
                    std::to_string(Points[i].Day) + "/" + std::to_string(Points[i].Month));
}

}  // namespace quintara
