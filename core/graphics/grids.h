// Pictures on rectangular layouts: the line graph (positions of bodies 1
// to 12 over 21 moments against a zodiac scale), the transit line graphs
// (the same against natal positions or their aspect points) and the
// prevision graph.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/aspects/previsions.h"
#include "core/graphics/wheel_parts.h"

namespace quintara {

inline constexpr int kLineSamples = 21;

class tLineGrid : public tChartElement {
public:
    // stepMinutes between samples; bodies too fast for it are hidden in chart.
    tLineGrid(tElement* parent, tChart& chart, std::int32_t stepMinutes, const tPictureContext& ctx);
    void Setup() override;
    void RecordGraph() override;

    tChart& Chart;
    std::int32_t StepMinutes;
    std::int32_t ColWidth = 454, RowHeight = 714;
    std::array<std::string, kLineSamples> Labels;
    bool OfSecondChart = false;  // chart is the picture's second (the transits against a natal chart)

protected:
    const tPictureContext& ctx;
};

// The glyphs of a column (at the start of their curves) moved apart along
// it within 0..height, so that none covers another.
void SpreadColumn(const std::vector<class tGPlanet*>& glyphs, std::int32_t height);

// A body's curve through its 21 positions, wrapping at 0 degrees.
class tGridPlanet : public tGPlanet {
public:
    tGridPlanet(tElement* parent, const tChart& chart, const tPlanet& planet, const std::array<double, kLineSamples>& samples,
                std::int32_t colWidth, std::int32_t rowHeight, const tPictureContext& ctx);
    void RecordGraph() override;

    std::array<double, kLineSamples> Samples;
    std::int32_t ColWidth, RowHeight;
};

// Level lines of one natal body's aspect points (the transit aspects set).
class tAspGridPlanet : public tGPlanet {
public:
    tAspGridPlanet(tElement* parent, const tChart& natal, const tPlanet& planet, std::int32_t colWidth,
                   std::int32_t rowHeight, const tPictureContext& ctx);
    void RecordGraph() override;

    double NatalPosition;
    std::int32_t ColWidth, RowHeight;
};

// Transiting bodies (chart) against the natal positions: level lines of
// every natal body (all) or the aspect points of the visible ones (one).
class tTransAllGrid : public tLineGrid {
public:
    tTransAllGrid(tElement* parent, tChart& natal, tChart& transits, std::int32_t stepMinutes, const tPictureContext& ctx,
                  bool aspectLines = false);
    void Setup() override;

    tChart& Natal;

private:
    bool aspectLines;
};

class tTransOneGrid : public tTransAllGrid {
public:
    tTransOneGrid(tElement* parent, tChart& natal, tChart& transits, std::int32_t stepMinutes, const tPictureContext& ctx)
        : tTransAllGrid(parent, natal, transits, stepMinutes, ctx, true) {}
};

// Positive, negative and total scores over the steps, with their dates.
class tPrevGrid : public tChartElement {
public:
    tPrevGrid(tElement* parent, const tChart& chart, tPrevCollection points);
    void RecordGraph() override;

    const tChart& Chart;
    tPrevCollection Points;
    std::int32_t ColWidth = 0, RowHeight = 0;
    long long MaxK = 1, MinK = -1;
};

}  // namespace quintara
