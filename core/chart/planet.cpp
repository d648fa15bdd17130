#include "chart/planet.h"

#include "chart/chart.h"
#include "engine/angles.h"

namespace quintara {

void tPlanet::SetLongitude(double value)
{
    Longitude = value;
    Plus1 = Plus2 = Minus1 = Divider = 0;
    Value = 0.0;
}

double tPlanet::GetPosition() const
{
    if (PointType == 0) return Normalize360(Longitude);
    auto pos = [this](int n) { return owner ? owner->BodyPosition(n) : -1.0; };
    if (PointType == 2)
        return Normalize360(Longitude + 1.391 * (owner ? owner->Centuries : 0.0));
    double s = 0.0;
    if (Plus1 > 0) s += pos(Plus1);
    if (Plus2 > 0) s += pos(Plus2);
    if (Minus1 > 0) s -= pos(Minus1);
    if (PointType == 1) return Normalize360(s);
    if (Divider == 2) {
        s /= 2.0;  // midpoint on the shorter arc
        if (pos(Plus1) - pos(Plus2) > 180.0) s -= 180.0;
        if (pos(Plus2) - pos(Plus1) > 180.0) s -= 180.0;
    } else if (Divider > 2) {
        s /= Divider;
    }
    return Normalize360(s + Value + Longitude);
}

}  // namespace quintara
