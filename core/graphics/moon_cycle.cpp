#include "core/graphics/moon_cycle.h"

#include "core/engine/angles.h"
#include "core/i18n/date_format.h"
#include "core/reports/report_context.h"

namespace quintara {

tMoon::tMoon(tElement* parent, const tChart& c, int index, const tPhaseResult& phases, const tPictureContext& ctx)
    : tChartElement(parent), Moon(c.FindBody(kMoon)), Index(index), Phases(phases), chart(c), ctx(ctx)
{
    Movable = false;
    static constexpr std::int32_t kWave[4] = {1000, -1000, -3000, -1000};
    X = index * 1000 - 4000;
    Y = kWave[index % 4];
}

void tMoon::RecordGraph()
{
    tElement::RecordGraph();
    const tColor color = Moon ? BodyColor(*Moon) : 0x00ff0000;
    tRecordElement r(*this);
    r.SetTextStyle("Courier New", 0, 0, LabelSize(chart, CharSize));
    r.SetTextAlign(30);
    r.SetTextColor(color);
    r.SetColor(color);
    const tDateTime& t = Phases.when[static_cast<std::size_t>(Index)];
    r.OutTextXY(0, 500, FormatDate(t.year, t.month, t.day, ctx.Lang->DateFormatString));
    DrawMoon(r);
}

void tMoon::DrawMoon(tRecordElement& r)
{
    const std::int32_t u = CharSize;
    switch (Index % 4) {
    case 0:
        r.Circle(0, 0, 4 * u);
        r.FloodFill(0, 0, Moon ? BodyColor(*Moon) : 0x00ff0000);
        break;
    case 1:
        r.Arc(0, 0, 252, 110, 3 * u);
        r.Arc(-RoundI(3.7 * u), 0, 315, 45, 4 * u);
        break;
    case 2: r.Circle(0, 0, 4 * u); break;
    default:
        r.Arc(0, 0, 70, 288, 3 * u);
        r.Arc(RoundI(3.7 * u), 0, 135, 225, 4 * u);
        break;
    }
}

tInfoText tMoon::InfoWindow() const
{
    const double lon = Phases.moonLongitude[static_cast<std::size_t>(Index)];
    const tDateTime& t = Phases.when[static_cast<std::size_t>(Index)];
    std::string text = SignLine(ctx.Lang->PlanetName(kMoon), lon, *ctx.Lang) + "\r\nlg = " + Fixed(RoundDegMin(2, lon), 6, 2) + "\r\n" +
                       FormatDate(t.year, t.month, t.day, ctx.Lang->DateFormatString) + " " +
                       FormatTime(t.hour, t.minute, ctx.Lang->TimeFormatString);
    return {chart.Name + " " + ctx.Lang->PlanetName(kMoon), text};
}

tMoonGrid::tMoonGrid(tElement* parent, const tChart& chart, const tPictureContext& ctx)
    : tChartElement(parent), Chart(chart), ctx(ctx)
{
    X = 5000, Y = 5000;
}

void tMoonGrid::Setup()
{
    tChart work(Chart.Options);
    work.Assign(Chart);
    CalcChart(work);
    Phases = LunarPhases(work);
    for (int i = 0; i < 9; ++i) Add<tMoon>(Chart, i, Phases, ctx);
    tElement::Setup();
}

}  // namespace quintara
