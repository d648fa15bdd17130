// Values of a Time2 ADJUST outside -16..16: instructions, not offsets.
#pragma once

namespace quintara {

inline constexpr double kAdjustLongitudeMinus1 = 252;  // R(L / 15) - 1
inline constexpr double kAdjustLongitudeSummer = 253;  // R(L / 15), -1 from April to September
inline constexpr double kAdjustLocalMeanTime = 254;    // exact, from the longitude
inline constexpr double kAdjustUnknown = 255;          // R(L / 15), not sure

}  // namespace quintara
