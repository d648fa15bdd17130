#include "shell/reports/relationship_windows.h"

#include "core/chart/relationship_charts.h"
#include "core/data/second_chart.h"
#include "core/i18n/caption_ids.h"
#include "core/options/main_options.h"
#include "core/reports/natal_reports.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

namespace {

std::unique_ptr<tChart> Made(tProgram& p, const std::function<void(tChart&)>& make)
{
    auto c = std::make_unique<tChart>(&p.Options().BirthSet);
    make(*c);
    return c;
}

}  // namespace

template <class F>
TPairChartWindow::TPairChartWindow(tProgram& p, int caption, const tChart& first, const tChart& second, F&& make,
                                   QWidget* parent)
    : TPairChartWindow(p, caption, Made(p, [&](tChart& c) { make(first, second, c); }), first, second, parent)
{
}

TPairChartWindow::TPairChartWindow(tProgram& p, int caption, std::unique_ptr<tChart> pair, const tChart& first,
                                   const tChart& second, QWidget* parent)
    : TDerivedWindow(p, caption, help::kPairCharts, kAnalysisBirthChart, *pair, first, parent),
      partner(Made(p, [&](tChart& c) {
          c.Assign(second);
          c.CopyPointsOf(second);
          CalcChart(c);
      }))
{
}

void TPairChartWindow::InsHeader()
{
    Write([&](tReportText& t) { WritePairHeader(t, Second(), *partner, ctx); });
}

TCompositeWindow::TCompositeWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TPairChartWindow(p, caption::kComposite, first, second, CompositeChart, parent)
{
    Build();
}

TDavisonWindow::TDavisonWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TPairChartWindow(p, caption::kDavison, first, second, DavisonChart, parent)
{
    Build();
}

TRelocatedWindow::TRelocatedWindow(tProgram& p, const tChart& natal, const tChart& place, QWidget* parent)
    : TDerivedWindow(p, caption::kRelocated, help::kPairCharts, kAnalysisBirthChart,
                     *Made(p, [&](tChart& c) { RelocatedToPlace(p.Data(), natal, place, c); }), natal, parent)
{
    Build();
}

}  // namespace quintara
