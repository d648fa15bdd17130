// A canvas that writes SVG: the vector format of this platform, which the
// pictures treat as their metafile (text sizes follow the metafile rule,
// so device units are three to an output pixel).
#pragma once

#include <string>
#include <vector>

#include "core/graphics/canvas.h"
#include "core/graphics/fill_figures.h"

namespace quintara {

class tSvgCanvas : public tCanvas {
public:
    // width x height output pixels; the device has three units per pixel.
    tSvgCanvas(int width, int height, tColor background = 0xffffff);

    static constexpr int kUnitsPerPixel = 3;
    int DeviceWidth() const { return width * kUnitsPerPixel; }
    int DeviceHeight() const { return height * kUnitsPerPixel; }

    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& utf8) override;
    // The closed figure around the point (tFillFigures).
    void FloodFill(int x, int y, tColor border) override;
    bool IsMetafile() const override { return true; }
    // <g data-body="n" data-chart="c"> around the body's glyph and labels.
    void BeginBody(int n, int chart) override;
    void EndBody() override;

    std::string Document() const;

private:
    std::string Stroke() const;

    int width, height;
    tColor background;
    std::string body;
    tFillFigures figures;
};

// "#rrggbb" of a colour value.
std::string SvgColor(tColor c);

}  // namespace quintara
