// What a window asks for when the user wants another window: the frame
// alone creates document windows, so that windows of one kind never depend
// on windows of another. A request names the kind and carries what the new
// window shows (charts and the results of a search already run); the
// opener copies what it keeps.
#pragma once

#include <cstdint>
#include <vector>

#include "core/engine/body_numbers.h"
#include "core/aspects/previsions.h"
#include "core/aspects/sky_events.h"
#include "core/data/user_zone.h"
#include "core/aspects/transits.h"
#include "core/chart/chart.h"
#include "core/graphics/chart_graphs.h"
#include "core/reports/two_chart_reports.h"

namespace quintara {

enum class tDocumentKind {
    // One chart (and a second beside it when given)
    Natal,
    StoredNatal,
    List,
    Aspects,
    Analysis,
    // A pair
    Transits,
    TransAnalysis,
    CompareDay,
    Compare2,
    ProgCompare,
    RevCompare,
    Previsions,
    CompareFile,
    // Derived: first the natal chart, second the chart that gave place or date
    SunReturn,
    MoonReturn,
    Progression,
    Midpoints,
    Composite,
    Davison,
    Relocated,
    SolarArc,
    TimeLords,
    PlanetaryHours,
    // Pictures
    Wheel,
    PrevisionsGraph,
    TransitsLineGraph,
    Clock,
    LineGraph,
    MoonGraph,
    // The sky-events calendar (first: the chart of its transits, when withTransits)
    SkyEvents,
};

struct tDocumentRequest {
    tDocumentKind kind = tDocumentKind::Natal;
    const tChart* first = nullptr;
    const tChart* second = nullptr;
    // A chart not saved yet (the window asks before it closes).
    bool modified = false;
    // Search results and parameters, by kind.
    const tTransitsCollection* events = nullptr;  // Transits, TransAnalysis
    tBodyMask bodies = 0;                         // Transits, TransitsLineGraph: bit n = body n
    const tPrevCollection* steps = nullptr;       // Previsions, PrevisionsGraph
    const std::vector<tCompareMatch>* matches = nullptr;  // CompareFile
    int years = 0;                                // SunReturn: after the birth
    tGraphKind graph = tGraphKind::Daisy;         // Wheel
    int caption = 78;                             // Wheel of a pair: 75, 76 or 78
    std::int32_t stepMinutes = 0;                 // Clock, LineGraph, TransitsLineGraph
    int body = 0;                                 // TransitsLineGraph: 0 all searched
    const std::vector<tSkyEvent>* skyEvents = nullptr;  // SkyEvents
    const tUserZone* zone = nullptr;                    // SkyEvents: the clock shown
    bool withTransits = false;                          // SkyEvents
};

class tWindowOpener {
public:
    virtual ~tWindowOpener() = default;
    virtual void Open(const tDocumentRequest& request) = 0;
};

}  // namespace quintara
