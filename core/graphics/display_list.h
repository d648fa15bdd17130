// Pictures as a tree of elements, each holding its drawing as primitive
// records in logical units, replayed onto any canvas by a handful of
// scale numbers: ScaleX/ScaleY are device units per 1000 logical units at
// 100 percent, PercentX/PercentY a zoom. Angles are degrees counter-
// clockwise from the x axis, y down the screen.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/graphics/canvas.h"

namespace quintara {

// Text grows with the picture: a size of tSetTextStyle is kTextScale
// logical units of text height (36 units are a point at the reference
// scale of 72 device units per 1000 logical units).
inline constexpr double kTextScale = 1000.0 / (27.0 * 72.0);

// The numbers passed down the tree at replay.
struct tReplay {
    std::int32_t OriginX = 0, OriginY = 0;   // logical units
    std::int32_t ScaleX = 100, ScaleY = 100; // device units per 1000 logical units
    std::int32_t PercentX = 100, PercentY = 100;
    std::int32_t LineWidthAdd = 0;
};

class tBaseRec {
public:
    virtual ~tBaseRec() = default;
    virtual void play(tCanvas&, const tReplay&) {}
    virtual void Erase(tCanvas&, const tReplay&) {}
    // Round(L x (P x 0.01) x S x 0.001), ties to even (a tie is exact).
    static std::int32_t LogtoDevice(double L, double S, double P);
};

using tBaseRecList = std::vector<std::unique_ptr<tBaseRec>>;

// One primitive drawing record; coordinates relative to its element.
class tGraphElement : public tBaseRec {
public:
    void play(tCanvas& c, const tReplay& r) override { Draw(c, r); }
    // Drawn over in the desktop colour.
    void Erase(tCanvas& c, const tReplay& r) override;
    virtual void Draw(tCanvas&, const tReplay&) {}

protected:
    static int DX(std::int32_t x, const tReplay& r);  // device x of a logical x
    static int DY(std::int32_t y, const tReplay& r);
};

struct tArc : tGraphElement {
    tArc(std::int32_t x, std::int32_t y, double st, double end, std::int32_t radius)
        : X(x), Y(y), StAngle(st), EndAngle(end), Radius(radius) {}
    void Draw(tCanvas& c, const tReplay& r) override;
    std::int32_t X, Y;
    double StAngle, EndAngle;
    std::int32_t Radius;
};

struct tCircle : tGraphElement {
    tCircle(std::int32_t x, std::int32_t y, std::int32_t radius) : X(x), Y(y), Radius(radius) {}
    void Draw(tCanvas& c, const tReplay& r) override;
    std::int32_t X, Y, Radius;
};

struct tEllipse : tGraphElement {
    tEllipse(std::int32_t x, std::int32_t y, double st, double end, std::int32_t rx, std::int32_t ry)
        : X(x), Y(y), StAngle(st), EndAngle(end), XRadius(rx), YRadius(ry) {}
    void Draw(tCanvas& c, const tReplay& r) override;
    std::int32_t X, Y;
    double StAngle, EndAngle;
    std::int32_t XRadius, YRadius;
};

struct tLine : tGraphElement {
    tLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) : X1(x1), Y1(y1), X2(x2), Y2(y2) {}
    void Draw(tCanvas& c, const tReplay& r) override;
    std::int32_t X1, Y1, X2, Y2;
};

struct tTextOut : tGraphElement {
    tTextOut(std::int32_t x, std::int32_t y, std::string text) : X(x), Y(y), Text(std::move(text)) {}
    void Draw(tCanvas& c, const tReplay& r) override;
    std::int32_t X, Y;
    std::string Text;  // UTF-8
};

struct tFloodFill : tGraphElement {
    tFloodFill(std::int32_t x, std::int32_t y, tColor border) : X(x), Y(y), Border(border) {}
    void Draw(tCanvas& c, const tReplay& r) override;
    std::int32_t X, Y;
    tColor Border;
};

struct tSetColor : tGraphElement {
    explicit tSetColor(tColor c) : Color(c) {}
    void play(tCanvas& c, const tReplay&) override { c.PenColor = Color; }
    tColor Color;
};

// Sets the text colour, like tSetTextColor (not a background colour).
struct tSetBkColor : tGraphElement {
    explicit tSetBkColor(tColor c) : Color(c) {}
    void play(tCanvas& c, const tReplay&) override { c.Font.Color = Color; }
    tColor Color;
};

struct tSetTextColor : tGraphElement {
    explicit tSetTextColor(tColor c) : Color(c) {}
    void play(tCanvas& c, const tReplay&) override { c.Font.Color = Color; }
    tColor Color;
};

struct tSetLineStyle : tGraphElement {
    tSetLineStyle(int style, std::int32_t width) : Style(style), Width(width) {}
    // Width + LineWidthAdd; a negative result keeps the pen's width.
    void play(tCanvas& c, const tReplay& r) override;
    int Style;
    std::int32_t Width;
};

struct tSetTextAlign : tGraphElement {
    explicit tSetTextAlign(std::uint16_t align) : Align(align) {}
    void play(tCanvas& c, const tReplay&) override { c.TextAlign = Align; }
    std::uint16_t Align;
};

// Size is in 1/36 point on screen and printer, 1/12 point on a metafile;
// it never follows the scales or the zoom.
struct tSetTextStyle : tGraphElement {
    tSetTextStyle(std::string font, std::uint16_t direction, std::uint16_t orientation, std::uint16_t size)
        : FontName(std::move(font)), Direction(direction), Orientation(orientation), Size(size) {}
    void play(tCanvas& c, const tReplay& r) override;
    std::string FontName;
    std::uint16_t Direction, Orientation, Size;
};

// What an element's information window shows.
struct tInfoText {
    std::string Caption, Text;
};

class tElement : public tBaseRec {
public:
    tElement(tElement* parent, std::string name) : Parent(parent), Name(std::move(name)) {}

    // Caption Name, text "X Y".
    virtual tInfoText InfoWindow() const;
    // The lines of the extended window, or nothing.
    virtual std::optional<std::vector<std::string>> ExInfoWindow() const { return std::nullopt; }

    void InsertDisplay(std::unique_ptr<tBaseRec> record) { Display.push_back(std::move(record)); }
    // Returns the element, owned by this one from now on.
    tElement& InsertElement(std::unique_ptr<tElement> element);
    template <class T, class... A>
    T& Add(A&&... args)
    {
        return static_cast<T&>(InsertElement(std::make_unique<T>(this, std::forward<A>(args)...)));
    }

    // Drags the origin to the device point; nothing when not movable.
    virtual void move(std::int32_t newX, std::int32_t newY, std::int32_t scaleX, std::int32_t scaleY);
    // Builds the children; base: each child's Setup.
    virtual void Setup();
    void SetParents();
    // Records the element's own drawing; base: clears Display, then each
    // child's RecordGraph. Subclasses call the base first.
    virtual void RecordGraph();
    // The first hit in depth-first order, children before their parent.
    tElement* PointInRegion(std::int32_t dx, std::int32_t dy);
    // Clears both lists, then Setup and RecordGraph.
    void Redraw();

    void play(tCanvas& c, const tReplay& r) override;

    bool Visible = true, Movable = true, InfoShown = false;
    tElement* Parent;
    std::string Name;
    std::int32_t X = 0, Y = 0;
    std::int32_t DeviceX = 0, DeviceY = 0;
    std::int32_t HitRadius = 20;
    tBaseRecList Elements;  // tElement children
    tBaseRecList Display;   // drawing records

    // The child elements (the Elements list holds nothing else).
    tElement& Child(std::size_t i) { return static_cast<tElement&>(*Elements[i]); }
};

// The root of a picture; never dragged.
class tDrawing : public tElement {
public:
    tDrawing() : tElement(nullptr, "") {}
    void move(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    std::uint8_t Flag = 0;
};

// Records drawing calls into an element as it were drawing.
class tRecordElement {
public:
    explicit tRecordElement(tElement& e) : element(e) {}
    void Arc(std::int32_t x, std::int32_t y, double st, double end, std::int32_t radius);
    void Circle(std::int32_t x, std::int32_t y, std::int32_t radius);
    void FloodFill(std::int32_t x, std::int32_t y, tColor border);
    void Ellipse(std::int32_t x, std::int32_t y, double st, double end, std::int32_t rx, std::int32_t ry);
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void OutTextXY(std::int32_t x, std::int32_t y, std::string text);
    void SetColor(tColor c);
    void SetBkColor(tColor c);
    void SetTextColor(tColor c);
    void setlinestyle(int style, std::int32_t width);
    void SetTextAlign(std::uint16_t align);
    void SetTextStyle(std::string font, std::uint16_t direction, std::uint16_t orientation, std::uint16_t size);

private:
    tElement& element;
};

}  // namespace quintara
