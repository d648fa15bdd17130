// Vector targets have no pixels to flood: the closed figures (whole
// circles and ellipses) drawn so far are remembered with their colours,
// and a fill from a point covers the smallest figure of the border colour
// around it, less the figures of that colour inside it that do not hold
// the point (a ring). A point no such figure encloses fills nothing.
#pragma once

#include <optional>
#include <vector>

#include "core/graphics/canvas.h"

namespace quintara {

struct tOval {
    double cx, cy, rx, ry;  // device units
    tColor color;
    bool Contains(double x, double y) const;
    double Area() const { return rx * ry; }
};

struct tFillRegion {
    tOval outer;
    std::vector<tOval> holes;
};

class tFillFigures {
public:
    void Add(const tOval& o) { ovals.push_back(o); }
    std::optional<tFillRegion> RegionAt(double x, double y, tColor border) const;

private:
    std::vector<tOval> ovals;
};

}  // namespace quintara
