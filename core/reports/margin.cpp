#include "reports/margin.h"

#include <initializer_list>

namespace quintara {

void TMargin::SetUnits(tMeasurementUnits u)
{
    if (u == units) return;
    for (int* v : {&top, &bottom, &left, &right})
        *v = u == tMeasurementUnits::muMillimeters ? *v * 254 / 100 : *v * 100 / 254;
    units = u;
    Recompute();
}

void TMargin::Recompute() { twips = {ToTwips(left), ToTwips(top), ToTwips(right), ToTwips(bottom)}; }

}  // namespace quintara
