// The pieces of a chart wheel: the chart element base, one house cusp with
// its label, and one body with its glyph and pointer line. Geometry is in
// logical units around the wheel's centre.
#pragma once

#include <string>
#include <vector>

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
std::uint16_t LabelSize(const tChart& c, double units);

// The height in logical units of text of a size (tSetTextStyle units).
double TextHeight(std::uint16_t size);
// "12°34'": the position within its sign of a longitude (degrees).
std::string DegreeLabel(double longitude);

// Label sizes, in character sizes: cusp labels, degree labels.
inline constexpr double kCuspLabelSize = 1.5, kDegreeLabelSize = 1.25;

// "name sign dd.mm" of a longitude (degrees), as the information windows
// show a body.
std::string SignLine(const std::string& name, double longitude, TLanguages& lang);

// The colour and line width of a body or cusp (0 in every source: blue, 1).
tColor BodyColor(const tPlanet& p);
std::int32_t BodyWidth(const tPlanet& p);

// Aspect k's chord colour (kinds 13 to 21 have none of their own: the base
// colour) and line style (solid outside 1..10).
tColor AspectColor(const OptionSet& set, int k);
int AspectLineStyle(int k);

// The bodies a wheel shows, in their order: 1..12, then the list from its
// 25th entry on without the dominants 36..48.
std::vector<const tPlanet*> WheelBodies(const tChart& chart);

// Where a cusp's label stands (factor of the reference radius R, on one
// ring for every cusp so that labels are spread like glyphs) and where its
// line starts (k x R); the line ends short of the label.
struct tHouseLayout {
    double label;       // label ring: label x R
    double lineStart;   // k: the line starts at k x R
    bool ownTextStyle;  // sets its text style again before the label
};
inline constexpr tHouseLayout kStandardHouse{1.07, 0.95, false};
inline constexpr tHouseLayout kUSHouse{1.05, 0.95, false};

// The room a cusp label needs on its ring, in units of the character size.
inline constexpr double kCuspLabelWidth = 5.0;

class tHouse : public tChartElement {
public:
    // cusp: body 13..24 of chart; R: the reference radius; labelAt: the
    // longitude the label stands at (the cusp's own unless spread). angle:
    // the true Ascendant (cusp 13) or Midheaven (22) where it is not on
    // that cusp, marked without a house line.
    tHouse(tElement* parent, const tChart& chart, int cusp, double rotation, double R, const tHouseLayout& layout,
           double labelAt, const tPictureContext& ctx, bool angle = false);
    void play(tCanvas& c, const tReplay& r) override;
    void RecordGraph() override;
    tInfoText InfoWindow() const override;
    std::optional<std::vector<std::string>> ExInfoWindow() const override;

    const tChart& Chart;
    int Cusp;
    double Rotation;
    bool TrueAngle;

private:
    double Angle(double longitude) const { return longitude * kDegToRadians - Rotation; }
    double Longitude() const;
    bool PlainCusp() const;  // cusp 1 or 10 that is not the angle
    std::string Label() const;
    double R;
    tHouseLayout layout;
    const tPictureContext& ctx;
};

// The rings of one chart's bodies: pointers end at their exact degree on
// exact; glyphs stand on glyph, spread so that none covers another; the
// degree label (and "R") on label, beyond the glyph as seen from its
// exact point.
struct tBodyRings {
    double exact, glyph, label;
};

// The room a body's glyph needs on its ring, in units of the character size.
inline constexpr double kGlyphWidth = 10.0;

class tGPlanet : public tChartElement {
public:
    // shownAt: the longitude the glyph stands at (its own unless spread).
    tGPlanet(tElement* parent, const tChart& chart, const tPlanet& planet, double rotation, const tBodyRings& rings,
             double shownAt, const tPictureContext& ctx, bool secondChart);
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
    // Where the degree label stands, relative to the glyph.
    tPoint LabelPoint;
    // 1 for the first chart of a picture, 2 for the second.
    int ChartNumber() const { return secondChart ? 2 : 1; }
    // The body belongs to the picture's second chart (a second wheel side
    // by side, the transiting bodies of a transit line graph).
    void MarkSecondChart() { secondChart = true; }

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
