// Built-in full and short names of bodies 1..68: the bodies, the dominants,
// the Part of Fortune and the computed points.
#pragma once

#include <string>

namespace quintara {

inline constexpr int kNamedBodies = 68;

// Empty outside 1..68 and for the bodies without a default name.
std::string DefaultPlanetName(int body);
std::string DefaultPlanetShortName(int body);

}  // namespace quintara
