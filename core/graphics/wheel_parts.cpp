#include "core/graphics/wheel_parts.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/i18n/caption_ids.h"
#include "core/options/option_set.h"
#include "core/reports/analysis.h"

namespace quintara {
namespace {

constexpr std::uint16_t kCentredBaseline = 30;  // centred, on the baseline

// "name sign dd.mm", then the position and latitude, then the house.
std::string PositionInfo(const tChart& chart, int n, const std::string& lg, const tPictureContext& ctx)
{
    const std::string name = ctx.Lang->PlanetName(n);
    const double lon = chart.BodyPosition(n);
    std::string s = SignLine(name, lon, *ctx.Lang) + "\r\n";
    if (chart.Retrograde(n)) s += ctx.Lang->Caption(caption::kRetrograde) + "\r\n";
    s += lg + Fixed(RoundDegMin(2, lon), 6, 2) + " ";
    const tPlanet* p = chart.FindBody(n);
    if (p && p->Latitude >= 0) s += "lt=" + Fixed(RoundDegMinCarry(2, p->Latitude), 6, 2);
    s += "\r\n";
    const int house = HouseOf(chart, n, ctx.HouseRule);
    s += name + " " + ctx.Lang->Caption(caption::kIn) + " " + (house >= 1 ? ctx.Lang->PlanetName(12 + house) : "");
    return s;
}

std::optional<std::vector<std::string>> BodyInterpretation(const tChart& chart, int n, const tPictureContext& ctx)
{
    if (!ctx.Analysis) return std::nullopt;
    tAspectsCollection aspects(ctx.AspectRules);
    aspects.BuildNatal(chart);
    aspects.ScoreNatal(chart);
    std::vector<std::string> lines;
    tAnalysis(*ctx.Analysis, lines, chart, chart, ReportContextOf(ctx)).Body(n, aspects);
    return lines;
}

}  // namespace

std::string SignLine(const std::string& name, double longitude, TLanguages& lang)
{
    const tSignPos sp = SignPosition(2, longitude);
    return name + " " + (sp.Sign >= 1 && sp.Sign <= 12 ? lang.Caption(sp.Sign) : "") + " " + Fixed(sp.Degrees, 5, 2);
}

const OptionSet& OptionsOf(const tChart& c)
{
    static const OptionSet none{};
    return c.Options ? *c.Options : none;
}

std::uint16_t LabelSize(const tChart& c, double units)
{
    return static_cast<std::uint16_t>(std::lround((c.Options ? c.Options->LineWidths[kSlotText] : 1) * units));
}

tReportContext ReportContextOf(const tPictureContext& ctx)
{
    tReportContext rc;
    rc.Lang = ctx.Lang;
    rc.HouseRule = ctx.HouseRule;
    rc.AspectRules = ctx.AspectRules;
    return rc;
}

double TextHeight(std::uint16_t size) { return size * kTextScale; }

std::string DegreeLabel(double longitude)
{
    const tSignPos sp = SignPosition(2, longitude);
    const int whole = static_cast<int>(std::floor(sp.Degrees + 1e-9));
    int minutes = static_cast<int>(std::lround((sp.Degrees - whole) * 100));
    return std::to_string(whole) + "\u00B0" + (minutes < 10 ? "0" : "") + std::to_string(minutes) + "'";
}

tColor AspectColor(const OptionSet& set, int k)
{
    return k >= 1 && k <= 12 ? set.Colors[static_cast<std::size_t>(kSlotFirstAspect - 1 + k)] : set.Colors[kSlotBase];
}

int AspectLineStyle(int k) { return k == 3 ? kDash : k == 5 ? kDot : k >= 6 && k <= 10 ? kDashDot : kSolid; }

std::vector<const tPlanet*> WheelBodies(const tChart& chart)
{
    std::vector<const tPlanet*> bodies;
    for (int n = 1; n <= 12; ++n)
        if (const tPlanet* p = chart.FindBody(n)) bodies.push_back(p);
    for (int i = 25; i <= chart.BodyCount(); ++i) {
        const tPlanet& p = *chart.BodyAt(i);
        // Not the dominants, nor a point without a position (made of the
        // angles of a chart without a birth time).
        if ((p.Num < 36 || p.Num > 48) && p.GetPosition() >= 0) bodies.push_back(&p);
    }
    return bodies;
}

tColor BodyColor(const tPlanet& p)
{
    const tColor c = p.EffectiveColor();
    return c ? c : 0x00ff0000;
}

std::int32_t BodyWidth(const tPlanet& p)
{
    const std::int32_t w = p.EffectiveLineWidth();
    return w ? w : 1;
}

tHouse::tHouse(tElement* parent, const tChart& chart, int cusp, double rotation, double R, const tHouseLayout& layout,
               double labelAt, const tPictureContext& ctx, bool angle)
    : tChartElement(parent), Chart(chart), Cusp(cusp), Rotation(rotation), TrueAngle(angle), R(R), layout(layout),
      ctx(ctx)
{
    const tPoint p = WheelPoint(layout.label * R, Angle(labelAt));
    X = p.x, Y = p.y;
}

void tHouse::play(tCanvas& c, const tReplay& r)
{
    const tPlanet* p = Chart.FindBody(Cusp);
    Visible = p && p->Visible;
    tElement::play(c, r);
}

void tHouse::RecordGraph()
{
    tElement::RecordGraph();
    const tPlanet* p = Chart.FindBody(Cusp);
    if (!p) return;
    tRecordElement rec(*this);
    rec.SetColor(BodyColor(*p));
    rec.setlinestyle(kSolid, BodyWidth(*p));
    rec.SetTextColor(BodyColor(*p));
    const std::uint16_t size = LabelSize(Chart, kCuspLabelSize * CharSize);
    rec.SetTextStyle("Courier New", 0, 0, size);
    rec.SetTextAlign(kCentredBaseline);
    // The line ends below the label's ring, so it never runs into a label
    // or a glyph beyond it.
    const double a = Angle(Longitude());
    // An angle's mark starts at the wheel's rim: it is not a house line.
    const tPoint from = WheelPoint((TrueAngle ? 1.0 : layout.lineStart) * R, a);
    const tPoint to = WheelPoint(layout.label * R - TextHeight(size), a);
    rec.Line(from.x - X, from.y - Y, to.x - X, to.y - Y);
    if (layout.ownTextStyle) rec.SetTextStyle("Courier New", 0, 0, size);
    rec.OutTextXY(0, RoundI(TextHeight(size) / 2), Label());
    if (TrueAngle) return;
    const double b = Angle(HouseStart(Chart, Cusp - 12, ctx.HouseRule));
    const tPoint t1 = WheelPoint(0.95 * R, b), t2 = WheelPoint(1.0 * R, b);
    rec.Line(t1.x - X, t1.y - Y, t2.x - X, t2.y - Y);
}

double tHouse::Longitude() const
{
    if (!TrueAngle) return Chart.BodyPosition(Cusp);
    return Cusp == kAscendant ? Chart.Ascendant() : Chart.Midheaven();
}

bool tHouse::PlainCusp() const
{
    return !TrueAngle && (Cusp == kAscendant || Cusp == kMidheaven) && !Chart.AngleOnCusp(Cusp);
}

std::string tHouse::Label() const
{
    if (!PlainCusp()) return ctx.Lang->PlanetShortName(Cusp);
    return ctx.Lang->Caption(Cusp == kAscendant ? caption::kCuspI : caption::kCuspX);
}

tInfoText tHouse::InfoWindow() const
{
    const std::string name = PlainCusp() ? Label() : ctx.Lang->PlanetName(Cusp);
    if (TrueAngle) return {Chart.Name + " " + name, SignLine(name, Longitude(), *ctx.Lang)};
    return {Chart.Name + " " + name, PositionInfo(Chart, Cusp, "long = ", ctx)};
}

std::optional<std::vector<std::string>> tHouse::ExInfoWindow() const { return BodyInterpretation(Chart, Cusp, ctx); }

tGPlanet::tGPlanet(tElement* parent, const tChart& chart, const tPlanet& planet, double rotation,
                   const tBodyRings& rings, double shownAt, const tPictureContext& ctx, bool secondChart)
    : tChartElement(parent), Chart(chart), Planet(planet), Rotation(rotation), ctx(ctx), secondChart(secondChart)
{
    const double position = chart.BodyPosition(planet.Num);
    const double a = position * kDegToRadians - rotation;
    TruePoint = {-RoundI(std::cos(a) * rings.exact), RoundI(std::sin(a) * rings.exact)};
    const double shown = shownAt * kDegToRadians - rotation;
    const tPoint g = WheelPoint(rings.glyph, shown);
    X = g.x, Y = g.y;
    const tPoint l = WheelPoint(rings.label, shown);
    LabelPoint = {l.x - g.x, l.y - g.y};
    if (planet.Offset != 0) {
        const double a2 = (shownAt + planet.Offset) * kDegToRadians - rotation;
        const double r = std::hypot(g.x, g.y);
        TextOffset = {-RoundI(std::cos(a2) * r) - g.x, RoundI(std::sin(a2) * r) - g.y};
    }
}

tGPlanet::tGPlanet(tElement* parent, const tChart& chart, const tPlanet& planet, tPoint at, const tPictureContext& ctx)
    : tChartElement(parent), Chart(chart), Planet(planet), Rotation(0), TruePoint(at), ctx(ctx), secondChart(false)
{
    X = at.x, Y = at.y;
    LabelPoint = {5 * CharSize, -2 * CharSize};  // beside the glyph, towards the curves
}

void tGPlanet::play(tCanvas& c, const tReplay& r)
{
    Visible = Planet.Visible;
    if (!Visible) return;
    c.BeginBody(Planet.Num, ChartNumber());
    tElement::play(c, r);
    c.EndBody();
}

void tGPlanet::RecordGraph()
{
    tElement::RecordGraph();
    tRecordElement rec(*this);
    rec.SetTextStyle("Courier New", 0, 0, LabelSize(Chart, CharSize));
    rec.SetTextAlign(kCentredBaseline);
    rec.SetTextColor(BodyColor(Planet));
    rec.SetColor(BodyColor(Planet));
    rec.setlinestyle(kSolid, BodyWidth(Planet));
    const tPoint d{TruePoint.x - X, TruePoint.y - Y};
    // The pointer runs from the exact degree to the edge of the glyph.
    const double reach = std::hypot(d.x, d.y);
    const double edge = reach > 0 ? std::min(1.0, 4.0 * CharSize / reach) : 0;
    const tPoint e{RoundI(edge * d.x), RoundI(edge * d.y)};
    if (reach > 4.0 * CharSize) rec.Line(d.x, d.y, e.x, e.y);
    const OptionSet& set = OptionsOf(Chart);
    // Degrees and minutes when asked for; a retrograde body always says so.
    std::string label;
    if (set.ShowDegrees) label = DegreeLabel(Chart.BodyPosition(Planet.Num));
    if (Planet.Retrograde) label += ctx.Lang->Caption(caption::kRetrograde);
    if (!label.empty()) {
        const std::uint16_t size = LabelSize(Chart, kDegreeLabelSize * CharSize);
        rec.SetTextStyle("Courier New", 0, 0, size);
        rec.OutTextXY(LabelPoint.x, LabelPoint.y + RoundI(TextHeight(size) / 2), label);
        rec.SetTextStyle("Courier New", 0, 0, LabelSize(Chart, CharSize));
    }
    if (set.Symbols) DesignPlanet(rec);
    else rec.OutTextXY(0, CharSize, Planet.ShortName(*ctx.Lang));
}

void tGPlanet::DesignPlanet(tRecordElement& rec) const
{
    if (!DrawBodyGlyph(rec, Planet.Num, CharSize))
        rec.OutTextXY(TextOffset.x, TextOffset.y + CharSize, Planet.ShortName(*ctx.Lang));
}

tInfoText tGPlanet::InfoWindow() const
{
    const std::string caption = secondChart ? ctx.Lang->Caption(94) : Chart.Name + " " + Planet.Name(*ctx.Lang);
    return {caption, PositionInfo(Chart, Planet.Num, "lg = ", ctx)};
}

std::optional<std::vector<std::string>> tGPlanet::ExInfoWindow() const
{
    return BodyInterpretation(Chart, Planet.Num, ctx);
}

void DrawSignGlyph(tRecordElement& r, int s, tPoint p, const tChart& chart, TLanguages& lang, std::int32_t charSize)
{
    r.SetTextAlign(kCentredBaseline);
    if (OptionsOf(chart).Symbols) {
        r.SetTextStyle("Wingdings", 2, 0, LabelSize(chart, 2 * charSize));
        r.OutTextXY(p.x, p.y + 2 * charSize, std::string(1, static_cast<char>(0x5D + s + 1)));
    } else {
        r.SetTextStyle("Courier New", 0, 0, LabelSize(chart, charSize));
        r.OutTextXY(p.x, p.y + charSize, lang.Caption(61 + s));
    }
}

bool DrawBodyGlyph(tRecordElement& r, int n, std::int32_t u)
{
    auto R = [](double v) { return RoundI(v); };
    const double c45 = std::cos(45 * kDegToRadians), s45 = std::sin(45 * kDegToRadians);
    switch (n) {
    case 1:
        r.Circle(0, 0, R(0.5 * u));
        r.Circle(0, 0, 3 * u);
        return true;
    case 2:
        r.Arc(0, 0, 252, 110, 3 * u);
        r.Arc(R(-3.7 * u), 0, 315, 45, 4 * u);
        return true;
    case 3:
        r.Ellipse(0, -3 * u, 180, 360, 2 * u, u);
        r.Circle(0, 0, 2 * u);
        r.Line(0, 2 * u, 0, 5 * u);
        r.Line(-u, 4 * u, u, 4 * u);
        return true;
    case 4:
        r.Circle(0, -2 * u, 2 * u);
        r.Line(0, 0, 0, 4 * u);
        r.Line(-2 * u, 2 * u, 2 * u, 2 * u);
        return true;
    case 5:
        r.Circle(0, 0, 2 * u);
        r.Arc(0, 0, 0, 45, 2 * u);
        r.Line(R(2 * u * c45), R(-2 * u * s45), 4 * u, -4 * u);
        r.Line(4 * u, -4 * u, 2 * u, -4 * u);
        r.Line(4 * u, -4 * u, 4 * u, -2 * u);
        return true;
    case 6: {
        const double p = u * std::cos(290 * kDegToRadians) - 2 * u, q = -u - 2 * u * std::sin(290 * kDegToRadians);
        r.Ellipse(-2 * u, -u, 290, 70, u, 2 * u);
        r.Line(R(p), R(q), 2 * u, R(q));
        r.Line(u, 2 * u, u, -3 * u);
        return true;
    }
    case 7:
        r.Arc(2 * u, 0, 180, 300, u);
        r.Ellipse(0, 0, 360, 180, u, 2 * u);
        r.Line(-u, u, -u, -4 * u);
        r.Line(-2 * u, -3 * u, 0, -3 * u);
        return true;
    case 8:
        r.Ellipse(-2 * u, -u, 290, 70, u, 2 * u);
        r.Ellipse(2 * u, -u, 110, 250, u, 2 * u);
        r.Line(-u, -u, u, -u);
        r.Line(0, -u, 0, 2 * u);
        r.Circle(0, 2 * u, u);
        return true;
    case 9:
        r.Ellipse(0, -3 * u, 175, 5, 2 * u, 4 * u);
        r.Line(0, -3 * u, 0, 3 * u);
        r.Line(-u, 2 * u, u, 2 * u);
        return true;
    case 10:
        r.Line(-2 * u, -2 * u, -2 * u, 3 * u);
        r.Line(-2 * u, 3 * u, R(1.5 * u), 3 * u);
        r.Ellipse(-2 * u, 0, 270, 90, 4 * u, 2 * u);
        return true;
    case 11:
        r.Arc(0, 0, 250, 110, 3 * u);
        r.Arc(R(-3.7 * u), 0, 315, 45, 4 * u);
        r.Line(0, 3 * u, 0, 5 * u);
        r.Line(-u, 4 * u, u, 4 * u);
        return true;
    case 12:
    case kMeanNode:
    case kTrueNode:
    case kSouthNode: {
        // The south node is the north node's glyph upside down.
        const int down = n == kSouthNode ? -1 : 1;
        const double s = std::sin(28.64788975654116), c = std::cos(28.64788975654116);
        const std::int32_t x1 = R(2 * u * std::cos(315 * kDegToRadians)) - 1 - R(u * s);
        const std::int32_t y1 = -R(3 * u * std::sin(315 * kDegToRadians)) - 1 - R(u * c);
        const std::int32_t x2 = R(2 * u * std::cos(225 * kDegToRadians)) + 1 + R(u * s);
        const std::int32_t y2 = -R(3 * u * std::sin(225 * kDegToRadians)) - 1 - R(u * c);
        if (down > 0) r.Ellipse(0, 0, 315, 225, 2 * u, 3 * u);
        else r.Ellipse(0, 0, 135, 45, 2 * u, 3 * u);
        r.Circle(x1, down * y1, u);
        r.Circle(x2, down * y2, u);
        return true;
    }
    case kTrueLilith:
        return DrawBodyGlyph(r, kLilith, u);
    case kVesta:
        // The hearth: a flame over its stone.
        r.Line(-2 * u, -3 * u, 0, u);
        r.Line(0, u, 2 * u, -3 * u);
        r.Line(-3 * u, u, -3 * u, 3 * u);
        r.Line(-3 * u, 3 * u, 3 * u, 3 * u);
        r.Line(3 * u, 3 * u, 3 * u, u);
        return true;
    case 25:
        r.Circle(0, 2 * u, 2 * u);
        r.Line(0, 0, 0, -4 * u);
        r.Line(0, -3 * u, 2 * u, -4 * u);
        r.Line(0, -3 * u, 2 * u, -u);
        return true;
    default:
        return false;
    }
}

}  // namespace quintara
