#include "shell/reports/natal_windows.h"

#include "core/i18n/caption_ids.h"
#include "core/reports/natal_reports.h"

namespace quintara {

namespace {

// A chart without a name is called by its moment, as its report header is.
QString Names(const tChart& c, const tReportContext& ctx)
{
    if (c.Name.empty() && c.FirstName.empty())
        return QString::fromStdString(ctx.Date(c.Year, c.Month, c.Day) + " " + ctx.Time(c.Hour, c.Minute));
    return QString::fromStdString(c.Name) + " " + QString::fromStdString(c.FirstName);
}

}  // namespace

void TAstroWindow::NewNatal() { Program().Open({tDocumentKind::Natal, &First(), &Second()}); }
void TAstroWindow::NewList() { Program().Open({tDocumentKind::List, &First(), &Second()}); }
void TAstroWindow::NewAspects() { Program().Open({tDocumentKind::Aspects, &First(), &Second()}); }
void TAstroWindow::NewAnalysis() { Program().Open({tDocumentKind::Analysis, &First(), &Second()}); }

bool TAstroWindow::Supports(tCommand c) const
{
    if (c == tCommand::Midpoints || c == tCommand::SecondChart) return false;
    return IsChart2Command(c) || c == tCommand::Wheel || c == tCommand::USWheel || c == tCommand::AspectGrid ||
           TAstroBaseWindow::Supports(c);
}

std::optional<tDocumentRequest> TAstroWindow::Wheel(bool usStyle)
{
    tDocumentRequest r{tDocumentKind::Wheel, &First(), &Second()};
    r.graph = usStyle ? tGraphKind::US : tGraphKind::Daisy;
    return r;
}

TNatalWindow::TNatalWindow(tProgram& program, bool fromTable, const tChart& first, const tChart* second,
                           QWidget* parent)
    : TAstroWindow(program, first, second, parent)
{
    First().ChartType = 0;
    setWindowTitle(Names(First(), ctx));
    Open(fromTable);
}

bool TNatalWindow::HoldsStored(const tChart& c) const
{
    return First().Index == c.Index && First().Name == c.Name;
}

void TNatalWindow::Open(bool fromTable)
{
    // The stored text of the row, when there is one, instead of a new report.
    std::string stored;
    if (fromTable) {
        try {
            stored = Program().Data().LoadChartText();
        } catch (const tStorageError&) {
        }
    }
    if (stored.empty()) {
        Build();
        return;
    }
    ShowStored(stored);
}

TListWindow::TListWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent)
    : TNatalWindow(program, false, first, second, parent)
{
    setWindowTitle(program.Caption(caption::kList) + ": " + Names(First(), ctx));
    Build();  // the list, not the natal positions the base built
}

void TListWindow::InsText() { InsList(); }

TAnalysisWindow::TAnalysisWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent)
    : TAnalysisWindow(program, first, second, parent, true)
{
}

TAnalysisWindow::TAnalysisWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent,
                                 bool build)
    : TSecondaryWindow(program, first, second, parent)
{
    setWindowTitle(program.Caption(caption::kAnalysis) + ": " + Names(First(), ctx));
    if (build) Build();
}

void TAnalysisWindow::InsText() { InsAnalyse(); }

TAspectsWindow::TAspectsWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent)
    : TSecondaryWindow(program, first, second, parent)
{
    // An unnamed chart is named by its birth date and time, as the header does.
    if (First().Name.empty()) First().Name = ctx.Date(First().Year, First().Month, First().Day);
    if (First().FirstName.empty()) First().FirstName = ctx.Time(First().Hour, First().Minute);
    setWindowTitle(program.Caption(caption::kAspects) + ": " + Names(First(), ctx));
    Build();
}

void TAspectsWindow::InsText() { InsAspects(); }

}  // namespace quintara
