// Built-in full and short names of bodies 1..50.
#pragma once

#include <string>

namespace quintara {

inline constexpr int kNamedBodies = 50;

// Empty outside 1..50 and for the bodies without a default name.
std::string DefaultPlanetName(int body);
std::string DefaultPlanetShortName(int body);

}  // namespace quintara
