#include "core/graphics/fill_figures.h"

namespace quintara {

bool tOval::Contains(double x, double y) const
{
    if (rx <= 0 || ry <= 0) return false;
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v < 1.0;
}

std::optional<tFillRegion> tFillFigures::RegionAt(double x, double y, tColor border) const
{
    const tOval* outer = nullptr;
    for (const tOval& o : ovals)
        if (o.color == border && o.Contains(x, y) && (!outer || o.Area() < outer->Area())) outer = &o;
    if (!outer) return std::nullopt;
    tFillRegion r{*outer, {}};
    for (const tOval& o : ovals)
        if (&o != outer && o.color == border && !o.Contains(x, y) && outer->Contains(o.cx, o.cy) &&
            o.Area() < outer->Area())
            r.holes.push_back(o);
    return r;
}

}  // namespace quintara
