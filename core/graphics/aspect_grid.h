// The aspect grid: the chart's aspects as a table. For one chart a
// triangle (each body's glyph on the diagonal, below it the aspect of the
// two bodies of that row and column); for a pair a square (the first
// chart's bodies down the side, the second chart's along the top). Each
// cell holds the aspect's sign and orb, in the aspect's line colour.
#pragma once

#include "core/aspects/aspects.h"
#include "core/graphics/wheel_parts.h"

namespace quintara {

class tAspectGrid : public tChartElement {
public:
    // pair: the square of the aspects between chart and chart2.
    tAspectGrid(tElement* parent, const tChart& chart, const tChart& chart2, bool pair, const tPictureContext& ctx);
    void Setup() override;
    void RecordGraph() override;
    tInfoText InfoWindow() const override;

    const tChart& Chart;
    const tChart& Chart2;
    bool Pair;
    tAspectsCollection Aspects;
    // The bodies of the rows and of the columns.
    std::vector<int> Rows, Columns;
    std::int32_t Cell = 0;  // side of a cell, logical units

private:
    const tPictureContext& ctx;
};

// One cell's content around its centre: a body's glyph (aspect 0) or an
// aspect's sign with its orb under it.
class tGridCell : public tChartElement {
public:
    tGridCell(tElement* parent, const tChart& chart, int body, const tAspect* aspect, std::int32_t cell,
              const tPictureContext& ctx);
    void RecordGraph() override;
    tInfoText InfoWindow() const override;

    const tChart& Chart;
    int Body;
    std::optional<tAspect> Aspect;

private:
    std::int32_t cell;
    const tPictureContext& ctx;
};

// The sign of aspect k (1..21) around (0, dy), u the character size: drawn
// for the five major aspects, an abbreviation for the others.
void DrawAspectSign(tRecordElement& r, int k, std::int32_t u, TLanguages& lang, std::int32_t dy = 0);

// Each aspect kind in the list once, with its line colour and name: the key
// of a printed wheel.
class tAspectLegend : public tChartElement {
public:
    tAspectLegend(tElement* parent, const tChart& chart, const tAspectsCollection& aspects, const tPictureContext& ctx);
    void RecordGraph() override;
    tInfoText InfoWindow() const override { return {}; }

private:
    const tChart& chart;
    const tAspectsCollection& aspects;
    const tPictureContext& ctx;
};

}  // namespace quintara
