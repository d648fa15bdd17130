// Which house a body lies in.
#pragma once

namespace quintara {

class tChart;

// How a house begins relative to its cusp (settings "HouseOrb", "HouseCentered").
struct tHouseRule {
    int HouseOrb = 0;            // whole degrees before the cusp
    bool HouseCentered = false;  // begin halfway from the previous cusp instead
};

// Start of house n = 1..12 in degrees [0, 360).
double HouseStart(const tChart& chart, int n, const tHouseRule& rule);

// House 1..12 holding the longitude p (degrees); -1 for a chart without
// birth time (HouseType 255) or when p lies on no house (bounds are strict).
int HouseOfPosition(const tChart& chart, double p, const tHouseRule& rule);
// The same for a body of the chart; -1 when the chart lacks the body.
int HouseOf(const tChart& chart, int body, const tHouseRule& rule);

}  // namespace quintara
