#include <gtest/gtest.h>

#include "core/graphics/display_list.h"
#include "core/graphics/font_substitution.h"
#include "core/graphics/svg_canvas.h"

namespace quintara {
namespace {

// Keeps every call with the state it was made in.
class tLogCanvas : public tCanvas {
public:
    struct tCall {
        std::string what;
        std::vector<int> v;
        int penWidth;
    };
    void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override
    {
        calls.push_back({"arc", {l, t, r, b, x1, y1, x2, y2}, PenWidth});
    }
    void LineTo(int x, int y) override
    {
        calls.push_back({"line", {penX, penY, x, y}, PenWidth});
        MoveTo(x, y);
    }
    void TextOut(int x, int y, const std::string& s) override { calls.push_back({"text " + s, {x, y, Font.Size}, PenWidth}); }
    void FloodFill(int x, int y, tColor b) override
    {
        calls.push_back({"fill", {x, y, static_cast<int>(b), static_cast<int>(BrushColor)}, PenWidth});
    }
    bool IsMetafile() const override { return metafile; }
    bool metafile = false;
    std::vector<tCall> calls;
};

// An element that records one line to (10000, 0), or what it is given.
struct tProbe : tElement {
    tProbe(tElement* parent, std::string name, std::int32_t x = 0) : tElement(parent, std::move(name)) { X = x; }
    void RecordGraph() override
    {
        tElement::RecordGraph();
        ++recorded;
        tRecordElement r(*this);
        r.Line(0, 0, 10000, 0);
    }
    int recorded = 0;
};

TEST(DisplayList, ReplayScalesRecordsAndOffsetsElements)
{
    tDrawing root;
    tProbe& p = root.Add<tProbe>("probe");
    root.RecordGraph();
    tLogCanvas c;
    root.play(c, {0, 0, 100, 100, 100, 100, 0});
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].v, (std::vector<int>{0, 0, 1000, 0}));
    c.calls.clear();
    root.play(c, {0, 0, 100, 100, 90, 90, 0});
    EXPECT_EQ(c.calls[0].v[2], 900);

    p.X = 5000;
    root.play(c, {0, 0, 100, 100, 90, 90, 0});
    EXPECT_EQ(p.DeviceX, 450);  // origin 4500 logical units
    EXPECT_EQ(c.calls.back().v[0], 450);

    EXPECT_EQ(tBaseRec::LogtoDevice(5, 100, 100), 0);  // 0.5: ties to even
    EXPECT_EQ(tBaseRec::LogtoDevice(15, 100, 100), 2);
    EXPECT_EQ(tBaseRec::LogtoDevice(-15, 100, 100), -2);
}

TEST(DisplayList, ArcsCirclesAndState)
{
    tDrawing root;
    tElement& e = root.Add<tElement>("e");
    tRecordElement r(e);
    r.setlinestyle(kDash, 1);
    r.Circle(1000, 1000, 500);
    r.Arc(0, 0, 0, 90, 1000);
    r.setlinestyle(kSolid, -5);
    r.Line(0, 0, 10, 0);
    r.SetTextStyle("Arial", 0, 0, 1440);
    r.OutTextXY(0, 0, "A");
    r.FloodFill(1000, 1000, 0xff);
    tLogCanvas c;
    c.BrushColor = 0x123456;
    root.play(c, {0, 0, 100, 100, 100, 100, 2});
    ASSERT_EQ(c.calls.size(), 5u);
    // A circle: both points on the top right of the box; the whole outline.
    EXPECT_EQ(c.calls[0].v, (std::vector<int>{50, 50, 150, 150, 150, 50, 150, 50}));
    EXPECT_EQ(c.calls[0].penWidth, 3);  // width 1 + LineWidthAdd 2
    // Arc from 0 to 90 degrees: from the right to the top.
    EXPECT_EQ(c.calls[1].v, (std::vector<int>{-100, -100, 100, 100, 100, 0, 0, -100}));
    EXPECT_EQ(c.calls[2].penWidth, 3);  // -5 + 2 is negative: the width stays
    EXPECT_EQ(c.calls[3].v[2], 40);     // 1440 / 36 points
    EXPECT_EQ(c.calls[4].v[3], 0xff);   // filled with the border colour
    EXPECT_EQ(c.BrushColor, 0x123456u); // and the brush restored

    tLogCanvas meta;
    meta.metafile = true;
    root.play(meta, {0, 0, 100, 100, 100, 100, 0});
    EXPECT_EQ(meta.calls[3].v[2], 120);  // 1440 / 12 on a metafile

    // A picture stretched twice as wide as high: the circle stays round,
    // its radius by the smaller scale; text follows the picture's height.
    tLogCanvas wide;
    root.play(wide, {0, 0, 200, 100, 100, 100, 0});
    const std::vector<int>& box = wide.calls[0].v;
    EXPECT_EQ(box[2] - box[0], box[3] - box[1]);
    EXPECT_EQ(box[3] - box[1], 100);
    EXPECT_EQ((box[0] + box[2]) / 2, 200);  // the centre where the stretch puts it
    EXPECT_NEAR(wide.TextPixels, 1440 * kTextScale * 0.1, 1e-9);
}

TEST(DisplayList, HitsDragsAndVisibility)
{
    tDrawing root;
    tProbe& a = root.Add<tProbe>("a");
    tProbe& b = root.Add<tProbe>("b");
    root.RecordGraph();
    tLogCanvas c;
    root.play(c, {1000, 1000, 100, 100, 100, 100, 0});  // both at device (100, 100)
    EXPECT_EQ(root.PointInRegion(100, 119), &a);        // the earlier child wins
    EXPECT_EQ(root.PointInRegion(100, 120), nullptr);   // exactly HitRadius away: a miss
    a.Visible = false;
    EXPECT_EQ(root.PointInRegion(100, 100), &b);
    root.Visible = false;
    EXPECT_EQ(root.PointInRegion(100, 100), nullptr);  // a hidden parent hides its children
    root.Visible = true;

    const int before = b.recorded;
    b.move(130, 90, 100, 100);
    EXPECT_EQ(b.X, 300);
    EXPECT_EQ(b.Y, -100);
    EXPECT_EQ(b.DeviceX, 130);
    EXPECT_EQ(b.recorded, before + 1);
    b.Movable = false;
    b.move(0, 0, 100, 100);
    EXPECT_EQ(b.X, 300);
    root.move(500, 500, 100, 100);
    EXPECT_EQ(root.X, 0);
    EXPECT_EQ(root.InfoWindow().Text, "0 0");
    EXPECT_EQ(b.InfoWindow().Caption, "b");
}

TEST(SvgCanvas, OutlinesFillsTextAndFonts)
{
    tSvgCanvas svg(100, 100);
    svg.PenColor = 0xff;  // red
    svg.Arc(0, 0, 200, 200, 200, 0, 200, 0);
    svg.Arc(50, 50, 150, 150, 150, 50, 150, 50);
    svg.BrushColor = 0xff;
    svg.FloodFill(20, 100, 0xff);  // in the ring between the two
    svg.FloodFill(500, 500, 0xff); // outside every figure: nothing
    svg.Font = {"Wingdings", 120, 0xff0000, 900};
    svg.TextAlign = kAlignCenter | kAlignBaseline;
    svg.TextOut(10, 20, "^i");
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("viewBox=\"0 0 300 300\""), std::string::npos);
    EXPECT_NE(doc.find("<ellipse cx=\"100\" cy=\"100\" rx=\"100\" ry=\"100\" fill=\"none\" stroke=\"#ff0000\""),
              std::string::npos);
    EXPECT_NE(doc.find("fill=\"#ff0000\" fill-rule=\"evenodd\""), std::string::npos);
    EXPECT_EQ(doc.find("fill-rule") , doc.rfind("fill-rule"));  // one fill only
    EXPECT_NE(doc.find("font-size=\"160\" fill=\"#0000ff\" text-anchor=\"middle\" dominant-baseline=\"alphabetic\" "
                       "transform=\"rotate(-90 10 20)\">\u2648\u2653</text>"),
              std::string::npos)
        << doc;
    EXPECT_EQ(SubstituteFont("courier new", "x").Family.rfind("Liberation Mono", 0), 0u);
}

}  // namespace
}  // namespace quintara
