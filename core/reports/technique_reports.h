// Reports of the techniques past the classic ones: solar-arc hits, and
// what the command line and the desktop print of them alike.
#pragma once

#include <functional>
#include <vector>

#include "core/aspects/solar_arc_hits.h"
#include "core/chart/planetary_hours.h"
#include "core/chart/time_lords.h"
#include "core/chart/date_time.h"
#include "core/reports/report_context.h"
#include "core/reports/report_text.h"

namespace quintara {

// zone: the Adjust of a universal moment (the birth place's clock), or
// empty for universal time. One line a hit: date, time, directed body,
// aspect, natal body, arc.
void WriteDirectionHits(tReportText& text, const std::vector<tDirectionHit>& hits, const tReportContext& ctx,
                        const std::function<double(const tDateTime&)>& zone);

// The profection of a date: its year of life and month with their signs
// and lords.
void WriteProfection(tReportText& text, const tProfection& p, const tDateTime& date, const tReportContext& ctx);

// The firdaria, a line a period and an indented line a part, each with the
// date it begins and the date it ends on the birth's clock (adjust).
void WriteFirdaria(tReportText& text, const std::vector<tFirdar>& periods, double adjust, const tReportContext& ctx);

// Sunrise, sunset and the day's 24 hours with their rulers, on the clock
// of adjust.
void WritePlanetaryHours(tReportText& text, const tPlanetaryDay& day, double adjust, const tReportContext& ctx);

}  // namespace quintara
