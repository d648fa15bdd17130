// The canvas on a QPainter: windows, images and PDF pages. On an image the
// flood fill is the exact pixel fill (drawn without antialiasing, so the
// border colour is exact); on a vector device it fills the recorded figure
// around the point, as the SVG canvas does.
#pragma once

#include <QImage>
#include <QPainter>

#include "core/graphics/canvas.h"
#include "core/graphics/fill_figures.h"

namespace quintara {

class tQtCanvas : public tCanvas {
public:
    // raster: the image the painter draws on, for exact fills; or nullptr.
    tQtCanvas(QPainter& painter, QImage* raster);

    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& utf8) override;
    void FloodFill(int x, int y, tColor border) override;
    // For paper: lines at least minPenWidth device pixels wide, colours
    // too light for white paper darkened.
    void ForPaper(int minPenWidth)
    {
        paper = true;
        minPen = minPenWidth;
    }

private:
    QColor Ink(tColor c) const;
    void UsePen();
    QPainter& painter;
    QImage* raster;
    tFillFigures figures;
    bool paper = false;
    int minPen = 1;
};

QColor ToQColor(tColor c);

}  // namespace quintara
