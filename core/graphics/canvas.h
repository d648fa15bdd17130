// A drawing target in device pixels (y down): what the pictures need of a
// window, a printer page, an image or a vector file. The state (pen, font,
// brush, text alignment) is plain data the drawing operations read.
#pragma once

#include <cstdint>
#include <string>

#include "core/options/main_options.h"

namespace quintara {

using tColor = std::uint32_t;  // 0x00BBGGRR, or a system colour 0x800000nn

// The desktop background system colour (drawing over an element erases it).
inline constexpr tColor kDesktopColor = 0x80000001;

enum tPenStyle : int { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3 };

// Text alignment flags of the platform: horizontal and vertical reference.
enum : std::uint16_t {
    kAlignLeft = 0, kAlignRight = 2, kAlignCenter = 6,
    kAlignTop = 0, kAlignBottom = 8, kAlignBaseline = 24,
};

// Red, green and blue of a colour value; system colours as the desktop's
// usual light grey.
struct tRgb {
    int r, g, b;
};
tRgb ToRgb(tColor c);

// A colour as it should print on white paper: one too light to be seen
// there (the yellow Sun, pale greys) darkened to the same hue; darker
// colours as they are.
tColor PaperColor(tColor c);

class tCanvas {
public:
    virtual ~tCanvas() = default;

    // Outline of the ellipse in the bounding box, counter-clockwise from the
    // ray through (x1, y1) to the ray through (x2, y2); both rays the same:
    // the whole ellipse.
    virtual void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
    void MoveTo(int x, int y) { penX = x, penY = y; }
    // A line from the pen position, which then moves there.
    virtual void LineTo(int x, int y) = 0;
    // Text at the point, placed by TextAlign, turned by Font.Orientation.
    virtual void TextOut(int x, int y, const std::string& utf8) = 0;
    // Fills with the brush colour from the point outward up to pixels of
    // the border colour.
    virtual void FloodFill(int x, int y, tColor border) = 0;
    virtual bool IsMetafile() const { return false; }
    // What is drawn until EndGroup belongs to body n of chart 1 or 2 (a
    // file can mark it for other programs); nothing on most canvases.
    virtual void BeginBody(int /*body*/, int /*chart*/) {}
    virtual void EndBody() {}

    tColor PenColor = 0;
    int PenStyle = kSolid;
    int PenWidth = 1;
    tExtFont Font{"Arial", 10, 0, 0};
    // Text height in device units, following the picture's scale; 0: the
    // point size of Font.
    double TextPixels = 0;
    tColor BrushColor = 0xffffff;
    std::uint16_t TextAlign = kAlignLeft | kAlignTop;

protected:
    int penX = 0, penY = 0;
};

}  // namespace quintara
