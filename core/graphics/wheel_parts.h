// The pieces of a chart wheel: the chart element base, one house cusp with
// its label, and one body with its glyph and pointer line. Geometry is in
// logical units around the wheel's centre.
#pragma once

#include "core/chart/chart.h"
#include "core/graphics/display_list.h"
#include "core/graphics/picture_context.h"
#include "core/options/option_set.h"

namespace quintara {

inline constexpr double kDegToRadians = 3.14159265358979323846 / 180.0;

class tChartElement : public tElement {
public:
    explicit tChartElement(tElement* parent, std::string name = "ChartElement") : tElement(parent, std::move(name)) {}
    std::int32_t CharSize = 80;
};

// The report builders' view of the same settings (for interpretations).
struct tReportContext;
tReportContext ReportContextOf(const tPictureContext& ctx);

// The chart's option set; an empty one for a chart made without.
const OptionSet& OptionsOf(const tChart& c);
// A text size of the chart's labels: the "Text" line width (1 without an
// option set) times units.
std::uint16_t LabelSize(const tChart& c, std::int32_t units);

// "name sign dd.mm" of a longitude (degrees), as the information windows
// show a body.
std::string SignLine(const std::string& name, double longitude, TLanguages& lang);

// The colour and line width of a body or cusp (0 in every source: blue, 1).
tColor BodyColor(const tPlanet& p);
std::int32_t BodyWidth(const tPlanet& p);

// Anchor factors, reference radius and where the cusp line starts.
struct tHouseLayout {
    double ordinary, angular;  // anchor factor of the label
    double lineStart;          // k: the line starts at k x R
    bool ownTextStyle;         // sets its text style again before the label
};
inline constexpr tHouseLayout kStandardHouse{1.1, 1.3, 0.95, false};
inline constexpr tHouseLayout kStandardHouse2{1.1, 1.3, 0.8, true};
inline constexpr tHouseLayout kUSHouse{1.05, 1.1, 0.95, false};
inline constexpr tHouseLayout kUSTwoHouse{1.05, 1.25, 1.0, false};
inline constexpr tHouseLayout kUSHouse2{1.1, 1.3, 0.8, true};

class tHouse : public tChartElement {
public:
    // cusp: body 13..24 of chart; R: the reference radius.
    tHouse(tElement* parent, const tChart& chart, int cusp, double rotation, double R, const tHouseLayout& layout,
           const tPictureContext& ctx);
    void play(tCanvas& c, const tReplay& r) override;
    void RecordGraph() override;
    tInfoText InfoWindow() const override;
    std::optional<std::vector<std::string>> ExInfoWindow() const override;

    const tChart& Chart;
    int Cusp;
    double Rotation;

private:
    double Angle(double longitude) const { return longitude * kDegToRadians - Rotation; }
    double R;
    tHouseLayout layout;
    const tPictureContext& ctx;
};

// Glyph ring factor f = base + step x (body number mod 3).
struct tPlanetLayout {
    double base, step;
};
inline constexpr tPlanetLayout kWheelPlanet{1.6, 0.15};
inline constexpr tPlanetLayout kUSWheelPlanet{0.4, 0.2};

class tGPlanet : public tChartElement {
public:
    // R0: the radius of the exact points.
    tGPlanet(tElement* parent, const tChart& chart, const tPlanet& planet, double rotation, double R0,
             const tPlanetLayout& layout, const tPictureContext& ctx, bool secondChart);
    // A body whose glyph and exact point are both at the given place (the
    // line graphs).
    tGPlanet(tElement* parent, const tChart& chart, const tPlanet& planet, tPoint at, const tPictureContext& ctx);
    void play(tCanvas& c, const tReplay& r) override;
    void RecordGraph() override;
    tInfoText InfoWindow() const override;
    std::optional<std::vector<std::string>> ExInfoWindow() const override;

    const tChart& Chart;
    const tPlanet& Planet;
    double Rotation;
    tPoint TruePoint, TextOffset;

protected:
    void DesignPlanet(class tRecordElement& r) const;
    const tPictureContext& ctx;

private:
    bool secondChart;
};

// Sign s (0 Aries .. 11 Pisces) at p, centred on its baseline: the
// Wingdings glyph two character sizes lower, or the three-letter name one
// lower, as the option set says.
void DrawSignGlyph(tRecordElement& r, int s, tPoint p, const tChart& chart, TLanguages& lang, std::int32_t charSize);

// Glyph primitives of body n around the origin, u = the character size;
// false for a body without a drawn glyph.
bool DrawBodyGlyph(tRecordElement& r, int n, std::int32_t u);

}  // namespace quintara
