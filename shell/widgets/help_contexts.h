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
inline constexpr int kPairCharts = 510;  // composite, Davison and relocated charts
inline constexpr int kTechniques = 511;  // solar arc directions, time lords, planetary hours
inline constexpr int kCompareDerived = 512;  // comparisons with a progression or a return

// Every page a window or dialog opens with F1 or its Help button: the ones
// above, the windows' and dialogs' own, and the options' pages. Each has
// its page in the English help.
inline constexpr int kEveryContext[] = {100,  101,  102,  103,  104,  105,  106,  107,  108,  109,  110,  111,
                                        112,  301,  302,  303,  306,  307,  308,  309,  402,  403,  404,  501,
                                        502,  503,  504,  505,  506,  507,  508,  509,  510,  511,  512,  601,  603,  609,
                                        6010, 6011, 6012, 6013, 6014, 6015, 905};

}  // namespace quintara::help
