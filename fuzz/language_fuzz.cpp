// Language files of any bytes (the English one and a translation): every
// text taken from them is UTF-8 wherever it goes (JSON, HTML), and nothing
// outside the home is touched, not even by the names written back.
#include "cli/positions.h"
#include "core/i18n/languages.h"
#include "core/reports/natal_reports.h"
#include "core/reports/report_text.h"
#include "core/reports/text_writers.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ResetHome();
    const auto outside = fuzz::Outside();
    fuzz::tBytes in(data, size);
    const bool french = in.Bool();
    const std::string_view file = in.Rest();
    fuzz::PutFile(french ? "Fran\u00E7ais.txt" : "English.txt", file);
    tProfileFile settings(fuzz::Home() + "/Astro.ini");
    settings.SetText(french ? "[Language]\nCurrent=33\n" : "[Language]\nCurrent=1\n");
    TLanguages lang(fuzz::Home(), settings);
    for (int n = 0; n <= 320; ++n) fuzz::RequireUtf8(lang.Caption(n), "caption not UTF-8");
    for (int b = 1; b <= 50; ++b) {
        fuzz::RequireUtf8(lang.PlanetName(b), "body name not UTF-8");
        fuzz::RequireUtf8(lang.PlanetShortName(b), "short name not UTF-8");
    }

    tChart c;
    c.Year = 2000, c.Month = 1, c.Day = 1, c.Hour = 12, c.Latitude = 48.52;
    CalcChart(c);
    fuzz::RequireUtf8(cli::PositionsText(c, &lang), "positions text not UTF-8");
    tFixedMetrics metrics;
    tReportText text(metrics);
    tReportContext ctx;
    ctx.Lang = &lang;
    WriteList(text, c, ctx);
    fuzz::RequireUtf8(WriteHtml(text, lang.Caption(40)), "HTML not UTF-8");
    fuzz::Require(fuzz::Outside() == outside, "a file outside the home was touched");
    return 0;
}
