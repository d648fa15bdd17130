// Page margins of the report text, in a unit of measure and in twips
// (1/1440 inch). Integer arithmetic, truncating, as stored settings expect.
#pragma once

#include <optional>
#include <string>

namespace quintara {

enum class tMeasurementUnits { muInches, muMillimeters };

struct tTwipsRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TMargin {
public:
    // Hundredths of a millimetre or thousandths of an inch.
    int Top() const { return top; }
    int Bottom() const { return bottom; }
    int Left() const { return left; }
    int Right() const { return right; }
    tMeasurementUnits Units() const { return units; }

    void SetTop(int v) { top = v, Recompute(); }
    void SetBottom(int v) { bottom = v, Recompute(); }
    void SetLeft(int v) { left = v, Recompute(); }
    void SetRight(int v) { right = v, Recompute(); }
    // A different unit converts the four stored values; the same unit
    // changes nothing.
    void SetUnits(tMeasurementUnits u);

    // Left, top, right, bottom in twips.
    const tTwipsRect& Twips() const { return twips; }
    void AssignTo(tTwipsRect& r) const { r = twips; }

private:
    void Recompute();
    int ToTwips(int v) const { return units == tMeasurementUnits::muMillimeters ? v * 57 / 100 : v * 1440 / 1000; }

    int top = 500, bottom = 500, left = 500, right = 500;
    tMeasurementUnits units = tMeasurementUnits::muMillimeters;
    tTwipsRect twips{285, 285, 285, 285};
};

// The page margins of "print window" from the settings (hundredths of a
// millimetre): top and bottom grow by 10 mm for the header line (when the
// header is on) and the footer line (when there is footer text).
TMargin PrintTextMargins(int left, int top, int right, int bottom, bool header, bool footer);

// Page setup: a margin of m hundredths of a millimetre in the national
// measure unit (0 centimetres: m / 1000; 1 inches: m / 2540), two decimals;
// and back, rounded. Nothing for a text that is no number, or a margin
// beyond 100 cm.
std::string MarginText(int hundredthsOfMm, int measureUnit);
std::optional<int> ParseMarginText(const std::string& text, int measureUnit);

}  // namespace quintara
