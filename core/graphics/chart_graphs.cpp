#include "core/graphics/chart_graphs.h"

#include <cmath>
#include <cstdio>

#include "core/graphics/aspect_grid.h"
#include "core/graphics/grids.h"
#include "core/graphics/moon_cycle.h"
#include "core/engine/zodiac.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/date_format.h"
#include "core/options/option_set.h"
#include "core/reports/natal_reports.h"
#include "core/reports/report_context.h"

namespace quintara {

tReplay PageReplay(int w, int h, double zoom, bool proportional, bool window)
{
    tReplay r;
    r.ScaleX = w / 10, r.ScaleY = h / 10;
    int px = 100, py = 100;
    if (proportional && w > 0 && h > 0) {
        if (w > h) {
            px = RoundI(100.0 * h / w);
            r.OriginX = RoundI(10000.0 / w * (w - h)) / 2;
        } else {
            py = RoundI(100.0 * w / h);
            r.OriginY = RoundI(10000.0 / h * (h - w)) / 2;
        }
    }
    const double f = zoom * (window ? 0.9 : 1.0);
    r.PercentX = RoundI(px * f), r.PercentY = RoundI(py * f);
    return r;
}

tTextElement::tTextElement(tElement* parent, std::int32_t x, std::int32_t y, std::string text)
    : tElement(parent, "TextElement"), Text(std::move(text))
{
    X = x, Y = y;
}

void tTextElement::SetTextStyle(std::string font, std::uint16_t direction, std::uint16_t orientation, std::uint16_t size)
{
    FontName = std::move(font), Direction = direction, Orientation = orientation, Size = size;
    StyleSet = true;
}

void tTextElement::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement r(*this);
    if (StyleSet) r.SetTextStyle(FontName, Direction, Orientation, Size);
    if (TextColor) r.SetTextColor(*TextColor);
    if (AlignSet) r.SetTextAlign(Align);
    r.OutTextXY(0, 0, Text);
}

std::string ChartTitle(const tChart& c, const tPictureContext& ctx)
{
    if (c.ChartType != 0) return FormatDate(c.Year, c.Month, c.Day, ctx.Lang->DateFormatString);
    return c.Name + " " + c.FirstName;
}

std::string SettingsLine(const tChart& c, const tPictureContext& ctx)
{
    std::string s = HouseSystemName(c, ReportContextOf(ctx));
    if (IsSidereal(c.Zodiac)) {
        if (!s.empty()) s += ", ";
        // Degrees and minutes of the value, rounded to the minute.
        const long minutes = std::lround(std::fabs(c.Ayanamsa) * 60);
        char value[32];
        std::snprintf(value, sizeof value, "%s%ld\u00B0%02ld'", c.Ayanamsa < 0 ? "-" : "", minutes / 60, minutes % 60);
        s.append(ctx.Lang->Caption(caption::AyanamsaName(c.Zodiac))).append(" ").append(value);
    }
    return s;
}

tChartGraph::tChartGraph(tGraphKind kind, const tChart& first, const tChart& second, const tPictureContext& ctx)
    : Kind(kind), First(first), Second(second), ctx(ctx)
{
    X = 5000, Y = 5000;
}

tTextElement& tChartGraph::Title(const tChart& chart, bool bottomRight)
{
    const auto line = [&](std::int32_t below, std::string text, double units) -> tTextElement& {
        tTextElement& t = bottomRight ? Add<tTextElement>(X - 20, Y - 20 - below, std::move(text))
                                      : Add<tTextElement>(20 - X, 20 - Y + below, std::move(text));
        t.SetTextStyle("Times New Roman", 0, 0, LabelSize(First, units));
        if (First.Options) t.SetTextColor(&First.Options->Colors[kSlotText]);
        t.SetTextAlign(bottomRight ? 10 : 0);
        return t;
    };
    // The house system and ayanamsa the picture was drawn in, a smaller
    // line beside the name (under it; over it at the bottom).
    const std::uint16_t titleSize = LabelSize(First, 150);
    if (const std::string settings = SettingsLine(chart, ctx); !settings.empty())
        line(static_cast<std::int32_t>(std::lround(TextHeight(titleSize) * 1.2)), settings, 110);
    return line(0, ChartTitle(chart, ctx), 150);
}

namespace {

tWheelBase& SideWheel(tWheelBase& wheel, std::int32_t x)
{
    wheel.X = x;
    wheel.CharSize = 60;
    return wheel;
}

}  // namespace

bool IsTwoChartGraph(tGraphKind k)
{
    return k == tGraphKind::Two || k == tGraphKind::USTwo || k == tGraphKind::SideBySide ||
           k == tGraphKind::USSideBySide || k == tGraphKind::TwoGrid;
}

void tChartGraph::Setup()
{
    tTextElement& title = Title(First, false);
    if (IsTwoChartGraph(Kind)) Title(Second, true);
    switch (Kind) {
    case tGraphKind::Daisy: Add<tWheel>(First, 2400, 3400, ctx); break;
    case tGraphKind::US: Add<tUSWheel>(First, 3300, 4400, 700, ctx); break;
    case tGraphKind::Clock:
        clockTitle = &title;
        Add<tWheel>(First, 2400, 3400, ctx);
        break;
    case tGraphKind::Two:
        Add<tTwoWheel>(First, Second, 1700, 2420, ctx);
        break;
    case tGraphKind::USTwo: Add<tUSTwoWheel>(First, Second, 2500, 3500, 500, ctx); break;
    case tGraphKind::SideBySide:
        // Smaller glyphs, and each wheel with its labels within its half.
        SideWheel(Add<tWheel>(First, 1000, 1400, ctx), -2500);
        SideWheel(Add<tWheel>(Second, 1000, 1400, ctx), 2500).OfSecondChart = true;
        break;
    case tGraphKind::USSideBySide:
        SideWheel(Add<tUSWheel>(First, 1900, 2300, 400, ctx), -2550);
        SideWheel(Add<tUSWheel>(Second, 1900, 2300, 400, ctx), 2550).OfSecondChart = true;
        break;
    case tGraphKind::Grid:
        Add<tAspectGrid>(First, First, false, ctx);
        break;
    case tGraphKind::TwoGrid:
        Add<tAspectGrid>(First, Second, true, ctx);
        break;
    }
    // The key follows the wheel it describes: it records after it.
    if (Legend && Kind != tGraphKind::Grid && Kind != tGraphKind::TwoGrid)
        for (std::size_t i = 0; i < Elements.size(); ++i)
            if (auto* wheel = dynamic_cast<tWheelBase*>(&Child(i))) {
                Add<tAspectLegend>(wheel->Chart, wheel->Aspects, ctx);
                break;
            }
    tElement::Setup();
}

void tChartGraph::RecordGraph()
{
    if (clockTitle)
        clockTitle->SetText(FormatDate(First.Year, First.Month, First.Day, ctx.Lang->DateFormatString) + " " +
                            FormatTime(First.Hour, First.Minute, ctx.Lang->TimeFormatString));
    tElement::RecordGraph();
}

tInfoText GraphInfo(const tChart& c, bool withAdjust, const tPictureContext& ctx)
{
    std::string text = FormatDate(c.Year, c.Month, c.Day, ctx.Lang->DateFormatString) + " " +
                       FormatTime(c.Hour, c.Minute, ctx.Lang->TimeFormatString) + "\r\n" + c.BirthPlace;
    if (withAdjust) text += "\r\n" + ctx.Lang->Caption(caption::kAdjust) + " " + Fixed(c.Adjust, 6, 2);
    return {c.FirstName + " " + c.Name, text};
}

tInfoText tChartGraph::InfoWindow() const { return GraphInfo(First, true, ctx); }

tLineGraph::tLineGraph(tChart& chart, std::int32_t stepMinutes, const tPictureContext& ctx)
    : Chart(chart), StepMinutes(stepMinutes), ctx(ctx)
{
}

void tLineGraph::Setup()
{
    Add<tLineGrid>(Chart, StepMinutes, ctx);
    tElement::Setup();
}

tInfoText tLineGraph::InfoWindow() const { return GraphInfo(Chart, false, ctx); }
tInfoText tTransLineGraph::InfoWindow() const { return GraphInfo(Natal, false, ctx); }
tInfoText tPrevGraph::InfoWindow() const { return GraphInfo(Chart, false, ctx); }
tInfoText tMoonGraph::InfoWindow() const { return GraphInfo(Chart, true, ctx); }

tTransLineGraph::tTransLineGraph(tChart& natal, tChart& transits, std::int32_t stepMinutes, int body,
                                 const tPictureContext& ctx)
    : Natal(natal), Transits(transits), StepMinutes(stepMinutes), Body(body), ctx(ctx)
{
}

void tTransLineGraph::Setup()
{
    if (Body == 0) {
        Add<tTransAllGrid>(Natal, Transits, StepMinutes, ctx);
    } else {
        for (int n = 1; n <= 12; ++n)
            if (tPlanet* p = Natal.FindBody(n)) p->Visible = n == Body;
        Add<tTransOneGrid>(Natal, Transits, StepMinutes, ctx);
    }
    tElement::Setup();
}

tPrevGraph::tPrevGraph(const tChart& chart, tPrevCollection p, const tPictureContext& ctx)
    : Chart(chart), points(std::move(p)), ctx(ctx)
{
}

void tPrevGraph::Setup()
{
    Add<tPrevGrid>(Chart, points);
    tElement::Setup();
}

void tPrevGraph::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement r(*this);
    r.SetTextStyle("Times New Roman", 0, 0, LabelSize(Chart, 150));
    if (Chart.Options) r.SetTextColor(Chart.Options->Colors[kSlotText]);
    r.SetTextAlign(0);
    r.OutTextXY(20, 20, Chart.Name + " " + Chart.FirstName);
}

tMoonGraph::tMoonGraph(const tChart& chart, const tPictureContext& ctx) : Chart(chart), ctx(ctx) {}

void tMoonGraph::Setup()
{
    Add<tMoonGrid>(Chart, ctx);
    tElement::Setup();
}

}  // namespace quintara
