#include "reports/natal_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "reports/natal_reports.h"

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

QMdiArea* AreaOf(QWidget* window)
{
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) return sub->mdiArea();
    return nullptr;
}

void ShowDocument(QMdiArea* area, QWidget* window)
{
    if (!area) {
        window->show();
        return;
    }
    QMdiSubWindow* sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(window->windowTitle());
    sub->resize(window->sizeHint());
    sub->showMaximized();  // a report opens full size, as its form is made
    area->setActiveSubWindow(sub);
}

void TAstroWindow::NewNatal() { ShowDocument(AreaOf(this), new TNatalWindow(Program(), false, First(), &Second())); }
void TAstroWindow::NewList() { ShowDocument(AreaOf(this), new TListWindow(Program(), First(), &Second())); }
void TAstroWindow::NewAspects() { ShowDocument(AreaOf(this), new TAspectsWindow(Program(), First(), &Second())); }
void TAstroWindow::NewAnalysis()
{
    ShowDocument(AreaOf(this), new TAnalysisWindow(Program(), First(), &Second()));
}

TNatalWindow::TNatalWindow(tProgram& program, bool fromTable, const tChart& first, const tChart* second,
                           QWidget* parent)
    : TAstroWindow(program, first, second, parent)
{
    First().ChartType = 0;
    setWindowTitle(Names(First(), ctx));
    Open(fromTable);
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
    setWindowTitle(program.Caption(219) + ": " + Names(First(), ctx));
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
    setWindowTitle(program.Caption(73) + ": " + Names(First(), ctx));
    if (build) Build();
}

void TAnalysisWindow::InsText() { InsAnalyse(); }

TAspectsWindow::TAspectsWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent)
    : TSecondaryWindow(program, first, second, parent)
{
    // An unnamed chart is named by its birth date and time, as the header does.
    if (First().Name.empty()) First().Name = ctx.Date(First().Year, First().Month, First().Day);
    if (First().FirstName.empty()) First().FirstName = ctx.Time(First().Hour, First().Minute);
    setWindowTitle(program.Caption(74) + ": " + Names(First(), ctx));
    Build();
}

void TAspectsWindow::InsText() { InsAspects(); }

}  // namespace quintara
