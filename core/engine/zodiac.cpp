#include "core/engine/zodiac.h"

#include "core/chart/chart.h"
#include "core/engine/angles.h"

namespace quintara {

double AyanamsaAt(double T) { return 23.8530556 + 1.391 * T; }

void ApplyZodiac(tChart& chart)
{
    if (chart.Zodiac == 0) {
        chart.Ayanamsa = 0.0;
        return;
    }
    chart.Ayanamsa = AyanamsaAt(chart.Centuries);
    for (int n = 1; n <= kLastCusp; ++n) {
        const tPlanet* b = chart.FindBody(n);
        if (b) chart.SetBodyLongitude(n, Normalize360(b->GetPosition() - chart.Ayanamsa));
    }
}

}  // namespace quintara
