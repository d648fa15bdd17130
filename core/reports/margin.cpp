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

TMargin PrintTextMargins(int left, int top, int right, int bottom, bool header, bool footer)
{
    TMargin m;
    m.SetTop(top + (header ? 1000 : 0));
    m.SetBottom(bottom + (footer ? 1000 : 0));
    m.SetLeft(left);
    m.SetRight(right);
    return m;
}

void TMargin::Recompute() { twips = {ToTwips(left), ToTwips(top), ToTwips(right), ToTwips(bottom)}; }

}  // namespace quintara
