// An analysis file and its index of any bytes: the interpretation of a
// chart from them is UTF-8 in every output format.
#include "core/chart/chart.h"
#include "core/i18n/languages.h"
#include "core/options/option_set.h"
#include "core/reports/analysis.h"
#include "core/reports/analysis_file.h"
#include "core/reports/report_text.h"
#include "core/reports/text_writers.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tProfileFile settings(fuzz::Home() + "/Astro.ini");
    static TLanguages lang(fuzz::Home(), settings);
    static tOptionRecord o = tOptionRecord::Defaults();
    static tChart chart;
    if (chart.Year != 1990) {
        chart.Year = 1990, chart.Month = 5, chart.Day = 17, chart.Hour = 14, chart.Minute = 30;
        chart.Latitude = 48.52;
        CalcChart(chart);
    }
    fuzz::tBytes in(data, size);
    const std::string index = in.Text(200);
    fuzz::PutFile("analyse.agb", in.Rest());
    fuzz::PutFile("analyse.igb", index);
    tAnalysisFile file;
    std::string error;
    if (!file.Open(fuzz::Home() + "/analyse.agb", error)) return 0;
    tReportContext ctx;
    ctx.Lang = &lang;
    ctx.AspectRules = {&o.NatalOrbs, &o.SynastryOrbs, 3};
    std::vector<std::string> lines;
    AnalyseChart(0, file, lines, chart, ctx);
    tFixedMetrics metrics;
    tReportText text(metrics);
    for (const std::string& l : lines) {
        fuzz::RequireUtf8(l, "interpretation line not UTF-8");
        text.AddLine(l);
    }
    fuzz::RequireUtf8(WriteHtml(text, "analysis"), "HTML not UTF-8");
    fuzz::RequireUtf8(WriteRtf(text), "RTF not UTF-8");
    return 0;
}
