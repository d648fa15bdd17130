// A chart's daisy wheel drawn to SVG with the given option set: the
// document must be UTF-8 and free of NaN and infinite numbers.
#pragma once

#include "core/chart/chart.h"
#include "core/graphics/chart_graphs.h"
#include "core/graphics/svg_canvas.h"
#include "fuzz_support.h"

namespace quintara::fuzz {

inline void CheckPicture(tGraphKind kind, const tChart& first, const tChart& second, const tPictureContext& ctx)
{
    tChartGraph graph(kind, first, second, ctx);
    graph.Setup();
    graph.RecordGraph();
    tSvgCanvas svg(300, 300);
    graph.play(svg, PageReplay(svg.DeviceWidth(), svg.DeviceHeight(), 1.0, true, false));
    const std::string doc = svg.Document();
    RequireUtf8(doc, "SVG not UTF-8");
    RequireNoNonFinite(doc, "SVG holds a non-finite number");
}

}  // namespace quintara::fuzz
