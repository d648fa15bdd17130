// The one place document windows are created: what a menu command or
// another window asks for becomes a window of the document area.
#include <QMdiArea>
#include <QPrinter>
#include <QStatusBar>

#include "shell/frame/main_form.h"
#include "shell/graphics/graphic_window.h"
#include "shell/graphics/time_graph_windows.h"
#include "shell/platform/document_area.h"
#include "shell/reports/compare_windows.h"
#include "shell/reports/derived_windows.h"
#include "shell/reports/natal_windows.h"
#include "shell/reports/previsions_window.h"
#include "shell/reports/relationship_windows.h"
#include "shell/reports/sky_events_window.h"
#include "shell/reports/technique_windows.h"
#include "shell/reports/transits_windows.h"

namespace quintara {

namespace {

QWidget* NewDocumentWindow(tProgram& p, const tDocumentRequest& r)
{
    const tChart& first = *r.first;
    const tChart& second = r.second ? *r.second : first;
    switch (r.kind) {
    case tDocumentKind::Natal: {
        auto* w = new TNatalWindow(p, false, first, r.second);
        w->ChartModified = r.modified;
        return w;
    }
    case tDocumentKind::StoredNatal: return new TNatalWindow(p, true, first);
    case tDocumentKind::List: return new TListWindow(p, first, r.second);
    case tDocumentKind::Aspects: return new TAspectsWindow(p, first, r.second);
    case tDocumentKind::Analysis: return new TAnalysisWindow(p, first, r.second);
    case tDocumentKind::Transits: return new TTransitsWindow(p, first, second, *r.events, r.bodies);
    case tDocumentKind::TransAnalysis: return new TTransAnalysisWindow(p, first, second, *r.events);
    case tDocumentKind::CompareDay: return new TCompareDayWindow(p, first, second);
    case tDocumentKind::Compare2: return new TCompare2Window(p, first, second);
    case tDocumentKind::ProgCompare: return new TProgCompareWindow(p, first, second);
    case tDocumentKind::RevCompare: return new TRevCompareWindow(p, first, second);
    case tDocumentKind::Previsions: return new TPrevisionsWindow(p, first, second, *r.steps);
    case tDocumentKind::CompareFile: return new TCompareFileWindow(p, first, *r.matches);
    case tDocumentKind::SunReturn: return new TSunReturnWindow(p, first, second, r.years);
    case tDocumentKind::MoonReturn: return new TMoonReturnWindow(p, first, second);
    case tDocumentKind::Progression: return new TProgressionWindow(p, first, second);
    case tDocumentKind::Midpoints: return new TMidpointsWindow(p, first, second);
    case tDocumentKind::Composite: return new TCompositeWindow(p, first, second);
    case tDocumentKind::Davison: return new TDavisonWindow(p, first, second);
    case tDocumentKind::Relocated: return new TRelocatedWindow(p, first, second);
    case tDocumentKind::SolarArc: return new TSolarArcWindow(p, first, second);
    case tDocumentKind::TimeLords: return new TTimeLordsWindow(p, first, second);
    case tDocumentKind::PlanetaryHours: return new TPlanetaryHoursWindow(p, first, second);
    case tDocumentKind::Wheel: return new TChartGraphWindow(p, r.graph, first, r.second, nullptr, r.caption);
    case tDocumentKind::PrevisionsGraph: return new TPrevGraphWindow(p, first, *r.steps);
    case tDocumentKind::TransitsLineGraph:
        return new TTransLineGraphWindow(p, first, second, r.stepMinutes, r.body, r.bodies);
    case tDocumentKind::Clock: return new TClockWindow(p, first, r.stepMinutes);
    case tDocumentKind::LineGraph: return new TLineGraphWindow(p, first, r.stepMinutes);
    case tDocumentKind::MoonGraph: return new TMoonGraphWindow(p, first);
    case tDocumentKind::SkyEvents: return new TSkyEventsWindow(p, first, r.withTransits, *r.skyEvents, *r.zone);
    }
    return nullptr;
}

}  // namespace

void TMainForm::Open(const tDocumentRequest& request)
{
    QWidget* w = NewDocumentWindow(program, request);
    if (!w) return;
    AddChild(w);
    // A chart that asked for precise positions and could not have them says so once.
    for (const tChart* c : {request.first, request.second})
        if (c && !c->EphemerisNote.empty()) {
            statusBar()->showMessage(QString::fromStdString(c->EphemerisNote), 15000);
            return;
        }
    // A search whose span the precise files do not cover was built-in throughout.
    if (request.events && !request.events->EphemerisNote.empty())
        statusBar()->showMessage(QString::fromStdString(request.events->EphemerisNote), 15000);
}

void TMainForm::AddChild(QWidget* window)
{
    ShowDocument(area, window);
    UpdateMenus();
}

}  // namespace quintara
