#include "shell/graphics/time_graph_windows.h"

#include <cmath>

#include <QContextMenuEvent>
#include <QMenu>

#include "core/chart/date_time.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/platform/document_area.h"

namespace quintara {

TClockWindow::TClockWindow(tProgram& p, const tChart& chart, std::int32_t step, QWidget* parent)
    : TAstroGraphicWindow(p, chart, nullptr, parent), Step(step)
{
    KeepProportions = true;
    setWindowTitle(p.Caption(caption::kClock) + ": " + QString::fromStdString(Chart1().Name));
    p.Data().FindAdjust(Chart1());
    CalcChart(Chart1());
    SetDrawing(std::make_unique<tChartGraph>(tGraphKind::Clock, Chart1(), Chart1(), ctx));
    Timer = new QTimer(this);
    Timer->setInterval(4000);
    connect(Timer, &QTimer::timeout, this, &TClockWindow::Tick);
    Timer->start();
}

bool TClockWindow::IsActive() const { return IsActiveDocument(this); }

void TClockWindow::Tick()
{
    if (!Running || !IsActive()) return;
    tChart& c = Chart1();
    tDateTime t{c.Year, c.Month, c.Day, c.Hour, c.Minute + Step};
    NormalizeDateTime(t);  // Gregorian: 1900 and 2100 have no 29 February
    if (t.year < 0 || t.year > 65535) return;
    SetChartDateTime(c, t);
    Program().Data().FindAdjust(c);
    CalcChart(c);
    Rebuild();
}

void TClockWindow::Pause() { Running = !Running; }
void TClockWindow::Slower()
{
    if (Step > 2) Step = static_cast<std::int32_t>(std::nearbyint(Step / 2.0));
}
void TClockWindow::Faster() { Step *= 2; }
void TClockWindow::Reverse() { Step = -Step; }

void TClockWindow::contextMenuEvent(QContextMenuEvent* event)
{
    tProgram& p = Program();
    QMenu menu(this);
    QAction* pause = menu.addAction(p.Caption(caption::kPause), this, &TClockWindow::Pause);
    pause->setCheckable(true);
    pause->setChecked(!Running);
    menu.addAction(p.Caption(caption::kSlower), this, &TClockWindow::Slower);
    menu.addAction(p.Caption(caption::kFaster), this, &TClockWindow::Faster);
    menu.addAction(p.Caption(caption::kReverse), this, &TClockWindow::Reverse);
    menu.addAction(p.Caption(caption::kCopy), this, &TGraphicWindow::Copy);
    menu.addAction(p.Caption(caption::kShowChart), this, [this] {
        Program().Open({tDocumentKind::Natal, &Chart1()});
    });
    menu.addAction(p.Caption(caption::kPreferences), this, [this] { ShowOptions(1); });
    menu.exec(event->globalPos());
}

TLineGraphWindow::TLineGraphWindow(tProgram& p, const tChart& chart, std::int32_t stepMinutes, QWidget* parent)
    : TAstroGraphicWindow(p, chart, nullptr, parent)
{
    setWindowTitle(p.Caption(caption::kLineGraph) + ": " + QString::fromStdString(Chart1().Name));
    HideAspectTools();
    SetDrawing(std::make_unique<tLineGraph>(Chart1(), stepMinutes, ctx));
}

TTransLineGraphWindow::TTransLineGraphWindow(tProgram& p, const tChart& natal, const tChart& transits,
                                             std::int32_t stepMinutes, int body, std::uint32_t shown, QWidget* parent)
    : TAstroGraphicWindow(p, natal, &transits, parent)
{
    setWindowTitle(p.Caption(caption::kTransitLineGraph) + ": " + QString::fromStdString(Chart1().Name));
    Chart2().Name = p.Caption(caption::kTransits).toStdString();
    for (int n = 1; n <= 24; ++n) SetShown(Chart2(), n, (shown >> n) & 1u);
    HideAspectTools();
    SetDrawing(std::make_unique<tTransLineGraph>(Chart1(), Chart2(), stepMinutes, body, ctx));
}

TMoonGraphWindow::TMoonGraphWindow(tProgram& p, const tChart& chart, QWidget* parent)
    : TAstroGraphicWindow(p, chart, nullptr, parent)
{
    setWindowTitle(p.Caption(caption::kMoonCycle) + ": " + QString::fromStdString(Chart1().Name));
    HideToolPanel();
    SetDrawing(std::make_unique<tMoonGraph>(Chart1(), ctx));
}

}  // namespace quintara
