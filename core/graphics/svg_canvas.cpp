#include "core/graphics/svg_canvas.h"

#include <cmath>
#include <cstdio>

#include "core/engine/angles.h"
#include "core/graphics/font_substitution.h"
#include "core/i18n/text_encoding.h"

namespace quintara {
namespace {

std::string Num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

}  // namespace

std::string SvgColor(tColor c)
{
    const tRgb rgb = ToRgb(c);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", rgb.r & 0xff, rgb.g & 0xff, rgb.b & 0xff);
    return buf;
}

tSvgCanvas::tSvgCanvas(int w, int h, tColor bg) : width(w), height(h), background(bg) {}

std::string tSvgCanvas::Stroke() const
{
    // A pen width is what it is on a screen picture of 800 pixels, in
    // proportion: the same look at any size of the file.
    const double w = std::max(1, PenWidth) * std::max(DeviceWidth(), DeviceHeight()) / 800.0;
    std::string s = " fill=\"none\" stroke=\"" + SvgColor(PenColor) + "\" stroke-width=\"" + Num(w) + "\"";
    if (PenStyle == kDash) s += " stroke-dasharray=\"" + Num(6 * w) + "," + Num(3 * w) + "\"";
    if (PenStyle == kDot) s += " stroke-dasharray=\"" + Num(w) + "," + Num(2 * w) + "\"";
    if (PenStyle == kDashDot) s += " stroke-dasharray=\"" + Num(6 * w) + "," + Num(2 * w) + "," + Num(w) + "," + Num(2 * w) + "\"";
    return s;
}

void tSvgCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    // Angles of the two rays, counter-clockwise with y up.
    const double t1 = std::atan2(cy - y1, x1 - cx), t2 = std::atan2(cy - y2, x2 - cx);
    if (std::fabs(t1 - t2) < 1e-9) {
        body += "<ellipse cx=\"" + Num(cx) + "\" cy=\"" + Num(cy) + "\" rx=\"" + Num(rx) + "\" ry=\"" + Num(ry) + "\"" +
                Stroke() + "/>\n";
        figures.Add({cx, cy, rx, ry, PenColor});
        return;
    }
    auto onEllipse = [&](double t, double& x, double& y) {
        const double k = rx * ry / std::hypot(ry * std::cos(t), rx * std::sin(t));
        x = cx + k * std::cos(t);
        y = cy - k * std::sin(t);
    };
    double ax, ay, bx, by;
    onEllipse(t1, ax, ay);
    onEllipse(t2, bx, by);
    double sweep = t2 - t1;
    while (sweep <= 0) sweep += 2 * kPi;
    // Counter-clockwise on the screen is SVG's negative sweep.
    body += "<path d=\"M" + Num(ax) + " " + Num(ay) + " A" + Num(rx) + " " + Num(ry) + " 0 " +
            (sweep > kPi ? "1" : "0") + " 0 " + Num(bx) + " " + Num(by) + "\"" + Stroke() + "/>\n";
}

void tSvgCanvas::LineTo(int x, int y)
{
    body += "<line x1=\"" + std::to_string(penX) + "\" y1=\"" + std::to_string(penY) + "\" x2=\"" +
            std::to_string(x) + "\" y2=\"" + std::to_string(y) + "\"" + Stroke() + "/>\n";
    MoveTo(x, y);
}

void tSvgCanvas::TextOut(int x, int y, const std::string& utf8)
{
    const tFontChoice f = SubstituteFont(Font.Name, utf8);
    const int horizontal = TextAlign & 6, vertical = TextAlign & 24;
    const char* anchor = horizontal == kAlignCenter ? "middle" : horizontal == kAlignRight ? "end" : "start";
    const char* baseline = vertical == kAlignBaseline ? "alphabetic" : vertical == kAlignBottom ? "text-after-edge"
                                                                                                : "text-before-edge";
    // Points at 96 per inch; the device's three units to a pixel carry the
    // metafile's threefold size back to the screen's.
    const double size = TextPixels > 0 ? TextPixels : std::max(1, Font.Size) * 96.0 / 72.0;
    body += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" font-family=\"" + f.Family +
            "\" font-size=\"" + Num(size) + "\" fill=\"" + SvgColor(Font.Color) + "\" text-anchor=\"" + anchor +
            "\" dominant-baseline=\"" + baseline + "\"";
    if (Font.Orientation != 0)
        body += " transform=\"rotate(" + Num(-Font.Orientation / 10.0) + " " + std::to_string(x) + " " +
                std::to_string(y) + ")\"";
    body += ">";
    AppendXmlEscaped(body, f.Text);
    body += "</text>\n";
}

void tSvgCanvas::BeginBody(int n, int chart)
{
    body += "<g data-body=\"" + std::to_string(n) + "\" data-chart=\"" + std::to_string(chart) + "\">\n";
}

void tSvgCanvas::EndBody() { body += "</g>\n"; }

void tSvgCanvas::FloodFill(int x, int y, tColor border)
{
    const auto region = figures.RegionAt(x, y, border);
    if (!region) return;
    auto oval = [](const tOval& o) {
        std::string s(1, 'M');
        return s + Num(o.cx - o.rx) + " " + Num(o.cy) + " a" + Num(o.rx) + " " + Num(o.ry) + " 0 1 0 " +
               Num(2 * o.rx) + " 0 a" + Num(o.rx) + " " + Num(o.ry) + " 0 1 0 " + Num(-2 * o.rx) + " 0 ";
    };
    std::string d = oval(region->outer);
    for (const tOval& h : region->holes) d += oval(h);
    body += "<path d=\"" + d + "\" fill=\"" + SvgColor(BrushColor) + "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
}

std::string tSvgCanvas::Document() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
           std::to_string(DeviceWidth()) + " " + std::to_string(DeviceHeight()) + "\">\n<rect width=\"100%\" height=\"100%\" fill=\"" +
           SvgColor(background) + "\"/>\n" + body + "</svg>\n";
}

}  // namespace quintara
