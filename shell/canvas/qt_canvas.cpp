#include "shell/canvas/qt_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>
#include <cmath>
#include <vector>

#include "core/engine/angles.h"
#include "core/graphics/font_substitution.h"

namespace quintara {
namespace {

double RayDegrees(double cx, double cy, int x, int y) { return std::atan2(cy - y, x - cx) * 180 / kPi; }

}  // namespace

QColor ToQColor(tColor c)
{
    const tRgb rgb = ToRgb(c);
    return QColor(rgb.r, rgb.g, rgb.b);
}

tQtCanvas::tQtCanvas(QPainter& p, QImage* image) : painter(p), raster(image)
{
    painter.setRenderHint(QPainter::Antialiasing, raster == nullptr);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor tQtCanvas::Ink(tColor c) const { return ToQColor(paper ? PaperColor(c) : c); }

void tQtCanvas::UsePen()
{
    static const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    QPen pen(Ink(PenColor));
    pen.setWidth(std::max(minPen, PenWidth));
    pen.setStyle(PenStyle >= 0 && PenStyle <= 3 ? kStyles[PenStyle] : Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

void tQtCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const QRectF box(left, top, right - left, bottom - top);
    if (box.width() <= 0 || box.height() <= 0) return;
    UsePen();
    const double a1 = RayDegrees(cx, cy, x1, y1), a2 = RayDegrees(cx, cy, x2, y2);
    if (std::fabs(a1 - a2) < 1e-9) {
        painter.drawEllipse(box);
        figures.Add({cx, cy, box.width() / 2, box.height() / 2, PenColor});
        return;
    }
    // The ray angles are angles of the circle, not of the ellipse: Qt
    // measures along the ellipse's own parameter.
    auto parameter = [&](double deg) {
        const double t = deg * kPi / 180;
        return std::atan2(std::sin(t) * box.width(), std::cos(t) * box.height()) * 180 / kPi;
    };
    double start = parameter(a1), span = parameter(a2) - start;
    while (span <= 0) span += 360;
    painter.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void tQtCanvas::LineTo(int x, int y)
{
    UsePen();
    painter.drawLine(penX, penY, x, y);
    MoveTo(x, y);
}

void tQtCanvas::TextOut(int x, int y, const std::string& utf8)
{
    const tFontChoice f = SubstituteFont(Font.Name, utf8);
    QFont font;
    QStringList families;
    for (const QString& s : QString::fromStdString(f.Family).split(',')) families << s.trimmed();
    font.setFamilies(families);
    if (TextPixels > 0)
        font.setPointSizeF(std::max(0.5, TextPixels * 72.0 / painter.device()->logicalDpiY()));
    else
        font.setPointSizeF(std::max(1, Font.Size));
    painter.setFont(font);
    painter.setPen(Ink(Font.Color));
    const QString text = QString::fromStdString(f.Text);
    const QFontMetricsF m(font, painter.device());
    const int horizontal = TextAlign & 6, vertical = TextAlign & 24;
    double dx = 0, dy = 0;
    if (horizontal == kAlignCenter) dx = -m.horizontalAdvance(text) / 2;
    if (horizontal == kAlignRight) dx = -m.horizontalAdvance(text);
    if (vertical == kAlignTop) dy = m.ascent();
    if (vertical == kAlignBottom) dy = -m.descent();
    painter.save();
    painter.translate(x, y);
    if (Font.Orientation != 0) painter.rotate(-Font.Orientation / 10.0);
    painter.drawText(QPointF(dx, dy), text);
    painter.restore();
}

void tQtCanvas::FloodFill(int x, int y, tColor border)
{
    if (!raster) {
        const auto region = figures.RegionAt(x, y, border);
        if (!region) return;
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        auto add = [&](const tOval& o) { path.addEllipse(QPointF(o.cx, o.cy), o.rx, o.ry); };
        add(region->outer);
        for (const tOval& h : region->holes) add(h);
        painter.fillPath(path, ToQColor(BrushColor));
        return;
    }
    // What the painter has drawn must be in the image before it is read.
    QImage& img = *raster;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    painter.end();
    const QRgb stop = ToQColor(border).rgb(), fill = ToQColor(BrushColor).rgb();
    auto at = [&](int px, int py) { return img.pixel(px, py) | 0xff000000u; };
    if (at(x, y) != stop) {
        std::vector<QPoint> todo{{x, y}};
        std::vector<bool> seen(static_cast<std::size_t>(img.width()) * img.height(), false);
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            const std::size_t k = static_cast<std::size_t>(p.y()) * img.width() + p.x();
            if (seen[k] || at(p.x(), p.y()) == stop) continue;
            seen[k] = true;
            img.setPixel(p, fill);
            if (p.x() > 0) todo.push_back({p.x() - 1, p.y()});
            if (p.x() + 1 < img.width()) todo.push_back({p.x() + 1, p.y()});
            if (p.y() > 0) todo.push_back({p.x(), p.y() - 1});
            if (p.y() + 1 < img.height()) todo.push_back({p.x(), p.y() + 1});
        }
    }
    painter.begin(&img);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

}  // namespace quintara
