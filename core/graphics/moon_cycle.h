// The moon cycle: nine lunar quarter phases from 28 days before the
// chart's moment, drawn as moons on a wave (new moons low, full moons
// high) with their dates.
#pragma once

#include "core/chart/returns.h"
#include "core/graphics/wheel_parts.h"

namespace quintara {

class tMoon : public tChartElement {
public:
    tMoon(tElement* parent, const tChart& chart, int index, const tPhaseResult& phases, const tPictureContext& ctx);
    void RecordGraph() override;
    // The Moon at that phase: sign, position and date.
    tInfoText InfoWindow() const override;
    virtual void DrawMoon(tRecordElement& r);

    const tPlanet* Moon;
    int Index;
    const tPhaseResult& Phases;

private:
    const tChart& chart;
    const tPictureContext& ctx;
};

class tMoonGrid : public tChartElement {
public:
    tMoonGrid(tElement* parent, const tChart& chart, const tPictureContext& ctx);
    void Setup() override;

    const tChart& Chart;
    tPhaseResult Phases;

private:
    const tPictureContext& ctx;
};

}  // namespace quintara
