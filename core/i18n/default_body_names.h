// Built-in full and short names of bodies 1..68: the bodies, the dominants,
// the Part of Fortune and the computed points.
#pragma once

#include <string>

namespace quintara {

inline constexpr int kNamedBodies = 68;

// Empty outside 1..68 and for the bodies without a default name.
std::string DefaultPlanetName(int body);
std::string DefaultPlanetShortName(int body);

// A wheel's label for a point known by its name alone, at most four
// letters: a lot or part without its "Lot of" ("Eros", "Spir"), a name of
// several words by the start of the first and the initial of the last
// ("Death of Father": "DeaF"), else the name's first four characters.
std::string AbbreviatedPointName(const std::string& name);

}  // namespace quintara
