// A stored chart against the current settings: the house system and zodiac
// it was cast with, and casting it again with the current ones.
#pragma once

#include <string>

#include "core/engine/zodiac.h"

namespace quintara {

class tChart;

// Words for the status bar when the chart was cast with another house
// system or zodiac than houseType and zodiac; "" when it was not. A chart
// without a birth time has no house system to differ in.
std::string SettingsDifference(const tChart& chart, int houseType, const tZodiacChoice& zodiac);

// The chart cast again with houseType and zodiac (a chart without a birth
// time keeps having no houses). True when anything changed.
bool RecastWithSettings(tChart& chart, int houseType, const tZodiacChoice& zodiac);

// The zodiac's words: "tropical", "sidereal (Lahiri)", ...
std::string ZodiacName(const tZodiacChoice& zodiac);

// Sets the chart's zodiac (code and user reference).
void SetZodiac(tChart& chart, const tZodiacChoice& zodiac);

}  // namespace quintara
