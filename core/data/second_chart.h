// The second chart of the Chart 2 commands: what it is before its dialog
// opens, and what the command makes of it after.
#pragma once

#include <functional>

#include "core/chart/chart.h"
#include "core/chart/date_time.h"
#include "core/data/civil_date.h"
#include "core/data/data_module.h"

namespace quintara {

// The commands whose second chart the user dates in a dialog.
enum class tSecondChart { Transits, CompareDay, Previsions, MoonReturn, SunReturn, Progression };

// second := first, computed, of the command's chart kind, dated today (the
// day most often meant); the clock time is the first chart's.
void PrepareSecondChart(tSecondChart command, const tChart& first, tChart& second, tCivilDate today);

// After the dialog: the zone of the chosen moment where the command reads
// the second chart's own clock (compare to day, previsions), computed.
void CompleteSecondChart(tSecondChart command, TData1& data, tChart& second);

// The clock of a chart computed at a moment, in the zone its place had
// then (a chart without a country keeps its zone); computed.
void ZoneOfMoment(TData1& data, tChart& chart);

// The charts derived from natal, named after the person (their names head
// the report and the wheel whatever chart gave the place or the date);
// out gets the option set of the chart it is copied from.
// The solar return years after the birth at the place of place.
void SunReturnChart(TData1& data, const tChart& natal, const tChart& place, int years, tChart& out);
// The lunar return nearest start (within half a lunar month), in the zone
// of its moment.
void MoonReturnChart(TData1& data, const tChart& natal, const tChart& start, tChart& out);
// natal's moment cast at the place of place (its coordinates, country,
// state and name), on the clock that zone had then; named after the person.
void RelocatedToPlace(TData1& data, const tChart& natal, const tChart& place, tChart& out);
// Progressed to chosen's date.
void ProgressedChart(const tChart& natal, const tChart& chosen, tChart& out);

// chart at the universal moment exact (a transit's), in the zone its place
// had then; a transit chart.
void TransitMomentChart(TData1& data, const tDateTime& exact, tChart& chart);

// The Adjust the place of a chart has at a universal moment: from the time
// tables where the chart has a country, else the chart's own Adjust.
std::function<double(const tDateTime& universal)> ZoneOfPlace(TData1& data, const tChart& place);

}  // namespace quintara
