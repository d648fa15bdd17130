#include "shell/reports/previsions_window.h"

#include "core/i18n/caption_ids.h"
#include "core/reports/two_chart_reports.h"

namespace quintara {

TPrevisionsWindow::TPrevisionsWindow(tProgram& p, const tChart& first, const tChart& second, tPrevCollection steps,
                                     QWidget* parent)
    : TTwoChartWindow(p, caption::kPrevisions, first, second, parent), list(std::move(steps))
{
    Build();
}

bool TPrevisionsWindow::Supports(tCommand c) const
{
    switch (c) {
    case tCommand::PrevisionsGraph: return true;
    case tCommand::Wheel:
    case tCommand::USWheel:
    case tCommand::SideBySide:
    case tCommand::USSideBySide:
    case tCommand::AspectGrid:
        return false;
    default: return TTwoChartWindow::Supports(c);
    }
}

void TPrevisionsWindow::Run(tCommand c)
{
    if (c != tCommand::PrevisionsGraph) return TTwoChartWindow::Run(c);
    tDocumentRequest r{tDocumentKind::PrevisionsGraph, &First()};
    r.steps = &list;
    Program().Open(r);
}

void TPrevisionsWindow::InsText() { Write([&](tReportText& t) { WritePrevisionsTable(t, list, ctx); }); }

}  // namespace quintara
