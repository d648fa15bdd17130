// composite, davison and relocated: the charts of a pair, and of a move.
#include <iostream>

#include "cli/commands.h"
#include "cli/positions.h"
#include "core/chart/relationship_charts.h"
#include "core/data/second_chart.h"

namespace quintara::cli {

int Relationship(tCommandArgs& a, std::string_view kind)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const OptionSet* birth = &session.options->BirthSet;
    tChart first(birth), second(birth), out(birth);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    if (kind == "relocated") {
        tChartArgs where = a.second;
        if (where.place.empty() && !(where.latGiven && where.lonGiven))
            return Fail("relocated: give --place2 NAME, or --lat2 and --lon2");
        // Only the place counts: the moment is the chart's, its clock that
        // of the place's zone then (or --adjust2, or universal time).
        where.dateGiven = where.timeGiven = true;
        where.r.year = first.Year, where.r.month = first.Month, where.r.day = first.Day;
        where.r.hour = first.Hour, where.r.minute = first.Minute;
        if (where.place.empty() && !where.adjustGiven) where.adjustGiven = true, where.r.adjust = 0;
        if (!MakeChart(where, session, second, error)) return Fail(error);
        RelocatedToPlace(session.Data(), first, second, out);
    } else {
        if (!MakeChart(a.second, session, second, error)) return Fail(error);
        if (kind == "composite")
            CompositeChart(first, second, out);
        else
            DavisonChart(first, second, out);
    }
    std::cout << (a.json ? PositionsJson(out) + "\n" : PositionsText(out, session.languages.get()));
    return 0;
}

}  // namespace quintara::cli
