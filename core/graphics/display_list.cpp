#include "core/graphics/display_list.h"

#include <cmath>

namespace quintara {
namespace {

// Nearest integer, ties to even, on long double intermediates.
std::int32_t Round(long double v) { return static_cast<std::int32_t>(std::nearbyintl(v)); }

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// Centre and radii of a circle or ellipse record.
void EllipseArc(tCanvas& c, const tReplay& r, std::int32_t x, std::int32_t y, double st, double end,
                std::int32_t rxLog, std::int32_t ryLog, bool whole)
{
    const int cx = tBaseRec::LogtoDevice(r.OriginX, r.ScaleX, 100) + tBaseRec::LogtoDevice(x, r.ScaleX, r.PercentX);
    const int cy = tBaseRec::LogtoDevice(r.OriginY, r.ScaleY, 100) + tBaseRec::LogtoDevice(y, r.ScaleY, r.PercentY);
    // Radii by one scale, the smaller: a circle stays a circle however the
    // picture is stretched.
    const bool xSmaller = static_cast<double>(r.ScaleX) * r.PercentX <= static_cast<double>(r.ScaleY) * r.PercentY;
    const double s = xSmaller ? r.ScaleX : r.ScaleY, p = xSmaller ? r.PercentX : r.PercentY;
    const int rx = tBaseRec::LogtoDevice(rxLog, s, p);
    const int ry = tBaseRec::LogtoDevice(ryLog, s, p);
    if (whole) {
        c.Arc(cx - rx, cy - ry, cx + rx, cy + ry, cx + rx, cy - ry, cx + rx, cy - ry);
        return;
    }
    const long double a1 = st * kPi / 180, a2 = end * kPi / 180;
    c.Arc(cx - rx, cy - ry, cx + rx, cy + ry, cx + Round(rx * std::cos(a1)), cy - Round(ry * std::sin(a1)),
          cx + Round(rx * std::cos(a2)), cy - Round(ry * std::sin(a2)));
}

}  // namespace

tRgb ToRgb(tColor c)
{
    if (c & 0xff000000u) return {192, 192, 192};
    return {static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff), static_cast<int>((c >> 16) & 0xff)};
}

tColor PaperColor(tColor c)
{
    const tRgb rgb = ToRgb(c);
    // Relative luminance of the sRGB primaries, on 0..255.
    const double light = 0.2126 * rgb.r + 0.7152 * rgb.g + 0.0722 * rgb.b;
    constexpr double kMost = 150;  // the lightest a line may be on white
    if (light <= kMost) return c & 0x00ffffffu;
    const double f = kMost / light;
    const auto part = [f](int v) { return static_cast<tColor>(std::lround(v * f)) & 0xff; };
    return part(rgb.r) | (part(rgb.g) << 8) | (part(rgb.b) << 16);
}

std::int32_t tBaseRec::LogtoDevice(double L, double S, double P)
{
    // Divided once at the end, so halves land exactly on .5 and go to even.
    return Round(static_cast<long double>(L) * P * S / 100000.0L);
}

void tGraphElement::Erase(tCanvas& c, const tReplay& r)
{
    c.PenColor = kDesktopColor;
    Draw(c, r);
}

int tGraphElement::DX(std::int32_t x, const tReplay& r)
{
    return LogtoDevice(r.OriginX, r.ScaleX, 100) + LogtoDevice(x, r.ScaleX, r.PercentX);
}

int tGraphElement::DY(std::int32_t y, const tReplay& r)
{
    return LogtoDevice(r.OriginY, r.ScaleY, 100) + LogtoDevice(y, r.ScaleY, r.PercentY);
}

void tArc::Draw(tCanvas& c, const tReplay& r) { EllipseArc(c, r, X, Y, StAngle, EndAngle, Radius, Radius, false); }
void tCircle::Draw(tCanvas& c, const tReplay& r) { EllipseArc(c, r, X, Y, 0, 0, Radius, Radius, true); }
void tEllipse::Draw(tCanvas& c, const tReplay& r)
{
    EllipseArc(c, r, X, Y, StAngle, EndAngle, XRadius, YRadius, false);
}

void tLine::Draw(tCanvas& c, const tReplay& r)
{
    c.MoveTo(DX(X1, r), DY(Y1, r));
    c.LineTo(DX(X2, r), DY(Y2, r));
}

void tTextOut::Draw(tCanvas& c, const tReplay& r) { c.TextOut(DX(X, r), DY(Y, r), Text); }

void tFloodFill::Draw(tCanvas& c, const tReplay& r)
{
    const tColor brush = c.BrushColor;
    c.BrushColor = Border;
    c.FloodFill(DX(X, r), DY(Y, r), Border);
    c.BrushColor = brush;
}

void tSetLineStyle::play(tCanvas& c, const tReplay& r)
{
    c.PenStyle = Style;
    if (Width + r.LineWidthAdd >= 0) c.PenWidth = Width + r.LineWidthAdd;
}

void tSetTextStyle::play(tCanvas& c, const tReplay& r)
{
    c.Font.Name = FontName;
    c.Font.Size = Round(static_cast<long double>(Size) / (c.IsMetafile() ? 12 : 36));
    c.Font.Orientation = Orientation;
    // The same share of the picture at any size; Font.Size is the point
    // size at the reference scale.
    c.TextPixels = Size * kTextScale * (r.ScaleY * 0.001) * (r.PercentY * 0.01);
}

tInfoText tElement::InfoWindow() const { return {Name, std::to_string(X) + " " + std::to_string(Y)}; }

tElement& tElement::InsertElement(std::unique_ptr<tElement> element)
{
    tElement& e = *element;
    Elements.push_back(std::move(element));
    return e;
}

void tElement::move(std::int32_t newX, std::int32_t newY, std::int32_t scaleX, std::int32_t scaleY)
{
    if (!Movable || scaleX == 0 || scaleY == 0) return;
    const std::int32_t dx = newX - DeviceX, dy = newY - DeviceY;
    DeviceX = newX, DeviceY = newY;
    X += Round(static_cast<long double>(dx) * 1000 / scaleX);
    Y += Round(static_cast<long double>(dy) * 1000 / scaleY);
    RecordGraph();
}

void tElement::Setup()
{
    for (std::size_t i = 0; i < Elements.size(); ++i) Child(i).Setup();
}

void tElement::SetParents()
{
    for (std::size_t i = 0; i < Elements.size(); ++i) {
        Child(i).Parent = this;
        Child(i).SetParents();
    }
}

void tElement::RecordGraph()
{
    Display.clear();
    for (std::size_t i = 0; i < Elements.size(); ++i) Child(i).RecordGraph();
}

tElement* tElement::PointInRegion(std::int32_t dx, std::int32_t dy)
{
    if (!Visible) return nullptr;
    for (std::size_t i = 0; i < Elements.size(); ++i)
        if (tElement* hit = Child(i).PointInRegion(dx, dy)) return hit;
    if (DeviceX - HitRadius < dx && dx < DeviceX + HitRadius && DeviceY - HitRadius < dy && dy < DeviceY + HitRadius)
        return this;
    return nullptr;
}

void tElement::Redraw()
{
    Elements.clear();
    Display.clear();
    Setup();
    RecordGraph();
}

void tElement::play(tCanvas& c, const tReplay& in)
{
    if (!Visible) return;
    tReplay r = in;
    r.OriginX += Round(static_cast<long double>(in.PercentX) * X / 100);
    r.OriginY += Round(static_cast<long double>(in.PercentY) * Y / 100);
    DeviceX = Round(static_cast<long double>(r.ScaleX) * r.OriginX / 1000);
    DeviceY = Round(static_cast<long double>(r.ScaleY) * r.OriginY / 1000);
    for (const auto& rec : Display) rec->play(c, r);
    for (const auto& child : Elements) child->play(c, r);
}

void tRecordElement::Arc(std::int32_t x, std::int32_t y, double st, double end, std::int32_t radius)
{
    element.InsertDisplay(std::make_unique<tArc>(x, y, st, end, radius));
}
void tRecordElement::Circle(std::int32_t x, std::int32_t y, std::int32_t radius)
{
    element.InsertDisplay(std::make_unique<tCircle>(x, y, radius));
}
void tRecordElement::FloodFill(std::int32_t x, std::int32_t y, tColor border)
{
    element.InsertDisplay(std::make_unique<tFloodFill>(x, y, border));
}
void tRecordElement::Ellipse(std::int32_t x, std::int32_t y, double st, double end, std::int32_t rx, std::int32_t ry)
{
    element.InsertDisplay(std::make_unique<tEllipse>(x, y, st, end, rx, ry));
}
void tRecordElement::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    element.InsertDisplay(std::make_unique<tLine>(x1, y1, x2, y2));
}
void tRecordElement::OutTextXY(std::int32_t x, std::int32_t y, std::string text)
{
    element.InsertDisplay(std::make_unique<tTextOut>(x, y, std::move(text)));
}
void tRecordElement::SetColor(tColor c) { element.InsertDisplay(std::make_unique<tSetColor>(c)); }
void tRecordElement::SetBkColor(tColor c) { element.InsertDisplay(std::make_unique<tSetBkColor>(c)); }
void tRecordElement::SetTextColor(tColor c) { element.InsertDisplay(std::make_unique<tSetTextColor>(c)); }
void tRecordElement::setlinestyle(int style, std::int32_t width)
{
    element.InsertDisplay(std::make_unique<tSetLineStyle>(style, width));
}
void tRecordElement::SetTextAlign(std::uint16_t align) { element.InsertDisplay(std::make_unique<tSetTextAlign>(align)); }
void tRecordElement::SetTextStyle(std::string font, std::uint16_t direction, std::uint16_t orientation,
                                  std::uint16_t size)
{
    element.InsertDisplay(std::make_unique<tSetTextStyle>(std::move(font), direction, orientation, size));
}

}  // namespace quintara
