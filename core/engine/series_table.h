// Term tables of the planetary series (compile-time data).
#pragma once

#include <cstdint>
#include <span>

namespace quintara::series {

// Fundamental arguments of the theory, in table order; values in radians at run time.
enum tArg : std::uint8_t {
    Ls, Gs, Lm, l, F, D, Omega,
    L1, G1, F1, L2, G2, F2, L4, G4, F4, L5, G5, L6, G6,
    L7, G7, F7, L8, G8, F8, L9, G9, F9,
    kArgCount
};

enum tFunc : std::uint8_t { kSin, kCos, kConst };

struct tArgMultiple {
    tArg Arg;
    std::int8_t Multiple;
};

// One term: Coeff x tau^TFactor x func(sum of Multiple x Arg).
struct tSeriesTerm {
    std::int32_t Coeff;
    tFunc Func;
    std::uint8_t TFactor;  // power of tau: 0, 1 or 2
    std::uint8_t Count;    // used entries of Args
    tArgMultiple Args[4];
};

#include "core/engine/series_terms.inc"

struct tBodySeries {
    std::span<const tSeriesTerm> dL, B, R;
};

// Index 0 = Sun, 1 = Moon, 2 = Mercury, ... 9 = Pluto.
inline constexpr tBodySeries kBodySeries[10] = {
    {kSundL, kSunB, kSunR},             {kMoondL, kMoonB, kMoonR},
    {kMercurydL, kMercuryB, kMercuryR}, {kVenusdL, kVenusB, kVenusR},
    {kMarsdL, kMarsB, kMarsR},          {kJupiterdL, kJupiterB, kJupiterR},
    {kSaturndL, kSaturnB, kSaturnR},    {kUranusdL, kUranusB, kUranusR},
    {kNeptunedL, kNeptuneB, kNeptuneR}, {kPlutodL, kPlutoB, kPlutoR},
};

}  // namespace quintara::series
