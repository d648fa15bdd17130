#include "core/reports/margin.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

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

namespace quintara {

std::string MarginText(int m, int unit)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", m / (unit == 1 ? 2540.0 : 1000.0));
    return buf;
}

std::optional<int> ParseMarginText(const std::string& text, int unit)
{
    std::size_t used = 0;
    double v = 0;
    try {
        v = std::stod(text, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    while (used < text.size() && text[used] == ' ') ++used;
    if (used != text.size() || !std::isfinite(v) || v < 0) return std::nullopt;
    const double m = std::round(v * (unit == 1 ? 2540.0 : 1000.0));
    if (m > 100000) return std::nullopt;
    return static_cast<int>(m);
}

}  // namespace quintara
