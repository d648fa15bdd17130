#include "core/engine/minor_bodies.h"

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/orbit_body.h"

namespace quintara {

void CalcMinorBodies(tChart& chart)
{
    constexpr double kOneDay = 1.0 / 36525.0;
    const double T = chart.Centuries;
    const tVector3 sunNow = SunVector(T);
    const tVector3 sunLater = SunVector(T + kOneDay);
    for (int n = kChiron; n <= kJuno; ++n) {
        if (!chart.FindBody(n)) continue;
        auto orbit = MakeOrbitBody(n);
        tVector3 sun = sunNow;
        double now = 0.0, later = 0.0;
        orbit->Compute(T + 1.0, now, sun);
        chart.SetBodyLongitude(n, now);
        sun = sunLater;
        orbit->Compute(T + kOneDay + 1.0, later, sun);
        chart.SetRetrograde(n, AngleStep(now, later) < 0.0);
    }
}

}  // namespace quintara
