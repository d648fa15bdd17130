// The almanac's events beside the sky's own: eclipses, the Moon's void of
// course, the retrograde shadows, and for a chart its progressed lunations
// and the eclipses on its points. Moments are Julian days of UT.
//
// Void of course (as W. Lilly's followers use it, and the modern almanacs):
// from the Moon's last exact Ptolemaic aspect (conjunction, sextile,
// square, trine, opposition) to the Sun, Mercury, Venus, Mars, Jupiter or
// Saturn in a sign until it enters the next sign; a sign without any such
// aspect is void from its ingress.
// Shadows: the pre-shadow from the moment a planet (Mercury, Venus, Mars)
// first reaches the degree of its coming direct station until it turns
// retrograde; the post-shadow from its direct station until it is back at
// the degree of its retrograde station.
#pragma once

#include <vector>

#include "core/aspects/sky_events.h"
#include "core/chart/chart.h"

namespace quintara {

// Eclipses, void-of-course periods and shadows that rules ask for, with
// moments (starts) in [jdFrom, jdTo), by moment.
std::vector<tSkyEvent> AlmanacEvents(double jdFrom, double jdTo, const tSkyEventRules& rules);

// The progressed new, full and quarter moons of natal (a day after birth
// per year of life) in [jdFrom, jdTo), and the eclipses whose luminary
// stands within orb degrees of a natal body that takes part in aspects.
std::vector<tSkyEvent> NatalAlmanacEvents(const tChart& natal, double jdFrom, double jdTo, double orb = 3.0);

}  // namespace quintara
