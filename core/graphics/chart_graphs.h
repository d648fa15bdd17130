// The roots of the chart pictures: titles and one or two wheels on a page
// of 10000 x 10000 logical units, and the replay numbers of a page.
#pragma once

#include <memory>

#include "core/aspects/previsions.h"
#include "core/graphics/wheel.h"

namespace quintara {

// Replay numbers for a target of w x h device units: ScaleX = w div 10;
// with proportional drawing the shorter side sets both scales and the
// picture is centred; window (a screen window) leaves a 10 percent margin.
tReplay PageReplay(int w, int h, double zoom, bool proportional, bool window);

class tTextElement : public tElement {
public:
    tTextElement(tElement* parent, std::int32_t x, std::int32_t y, std::string text);
    void SetText(std::string t) { Text = std::move(t); }
    void SetTextAlign(std::uint16_t a) { Align = a, AlignSet = true; }
    // The colour is read when the element records.
    void SetTextColor(const tColor* c) { TextColor = c; }
    void SetTextStyle(std::string font, std::uint16_t direction, std::uint16_t orientation, std::uint16_t size);
    void RecordGraph() override;
    tInfoText InfoWindow() const override { return {}; }  // titles have none

    std::string Text;
    bool StyleSet = false, AlignSet = false;
    std::string FontName;
    std::uint16_t Direction = 0, Orientation = 0, Size = 0;
    const tColor* TextColor = nullptr;
    std::uint16_t Align = 0;
};

enum class tGraphKind { Daisy, US, Clock, Two, USTwo, SideBySide, USSideBySide, Grid, TwoGrid };
// The kinds that show a second chart.
bool IsTwoChartGraph(tGraphKind kind);

// One picture of one chart (second = first) or two.
class tChartGraph : public tDrawing {
public:
    tChartGraph(tGraphKind kind, const tChart& first, const tChart& second, const tPictureContext& ctx);
    void Setup() override;
    void RecordGraph() override;
    // The first chart's date, time, place and zone correction.
    tInfoText InfoWindow() const override;

    tGraphKind Kind;
    const tChart& First;
    const tChart& Second;
    // The key of the aspect colours in the lower left corner (printed
    // wheels); read at Setup.
    bool Legend = false;

private:
    tTextElement& Title(const tChart& chart, bool bottomRight);
    const tPictureContext& ctx;
    tTextElement* clockTitle = nullptr;
};

// The line graph: bodies 1 to 12 of chart over 21 steps of stepMinutes.
class tLineGraph : public tDrawing {
public:
    tLineGraph(tChart& chart, std::int32_t stepMinutes, const tPictureContext& ctx);
    void Setup() override;
    tInfoText InfoWindow() const override;

    tChart& Chart;
    std::int32_t StepMinutes;

private:
    const tPictureContext& ctx;
};

// Transiting bodies against the natal chart: every natal position (body 0)
// or the aspect points of one natal body, the others among 1 to 12 hidden.
class tTransLineGraph : public tDrawing {
public:
    tTransLineGraph(tChart& natal, tChart& transits, std::int32_t stepMinutes, int body, const tPictureContext& ctx);
    void Setup() override;
    tInfoText InfoWindow() const override;

    tChart& Natal;
    tChart& Transits;
    std::int32_t StepMinutes;
    int Body;

private:
    const tPictureContext& ctx;
};

class tPrevGraph : public tDrawing {
public:
    tPrevGraph(const tChart& chart, tPrevCollection points, const tPictureContext& ctx);
    void Setup() override;
    void RecordGraph() override;  // with a top-left title
    tInfoText InfoWindow() const override;

    const tChart& Chart;

private:
    tPrevCollection points;
    const tPictureContext& ctx;
};

class tMoonGraph : public tDrawing {
public:
    tMoonGraph(const tChart& chart, const tPictureContext& ctx);
    void Setup() override;
    tInfoText InfoWindow() const override;

    const tChart& Chart;

private:
    const tPictureContext& ctx;
};

// The information window of a graph: the chart's date, time and place
// (and its zone correction for the wheels and the moon cycle).
tInfoText GraphInfo(const tChart& chart, bool withAdjust, const tPictureContext& ctx);

// A person's name and first name, or the date of a chart in time.
std::string ChartTitle(const tChart& chart, const tPictureContext& ctx);
// The house system (or that the time is unknown) and, for a sidereal
// chart, the ayanamsa and its value: what a picture was drawn in.
std::string SettingsLine(const tChart& chart, const tPictureContext& ctx);

}  // namespace quintara
