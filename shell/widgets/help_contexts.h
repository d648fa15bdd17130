// Help pages shared by more than one window or dialog: a command's dialog
// opens the page of the window it leads to.
#pragma once

namespace quintara::help {

inline constexpr int kClock = 306;
inline constexpr int kTransitsGraph = 308;  // the wheel and line graph of transits
inline constexpr int kTransits = 501;
inline constexpr int kPrevisions = 503;
inline constexpr int kCompareToFile = 505;
inline constexpr int kSunReturn = 507;
inline constexpr int kCompareDerived = 512;  // comparisons with a progression or a return

}  // namespace quintara::help
