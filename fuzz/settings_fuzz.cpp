// The settings file "Astro.ini" as anything at all: read without a crash,
// numbers finite, every file name it points at inside the home, and nothing
// outside the home touched.
#include "core/i18n/languages.h"
#include "core/options/main_options.h"
#include "core/platform/file_names.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ResetHome();
    const auto outside = fuzz::Outside();
    fuzz::PutFile("Astro.ini", std::string_view(reinterpret_cast<const char*>(data), size));
    TMainOptions o(fuzz::Home());
    o.ReadParameters();
    o.LoadOptions();
    TLanguages lang(fuzz::Home(), o.Profile());
    o.CheckFileSettings();
    for (double v : {double(o.Zoom), o.Latitude, o.Longitude})
        fuzz::RequireFinite(v, "a setting is not a number");
    fuzz::Require(o.PrintLineFactor >= 0 && o.PrintLineFactor <= kMaxLineWidth, "line factor out of range");
    fuzz::Require(o.LeftMargin >= 0 && o.LeftMargin <= kMaxMargin, "margin out of range");
    for (int kind = 0; kind <= 7; ++kind)
        fuzz::Require(IsBareFileName(o.GetAnalysisFile(kind)), "analysis file outside the home");
    fuzz::Require(!HasParentStep(o.GetChartFile()), "chart file climbs out of the home");
    for (int n = 0; n <= 320; ++n) fuzz::RequireUtf8(lang.Caption(n), "caption not UTF-8");
    for (int b = 1; b <= 30; ++b) fuzz::RequireUtf8(lang.PlanetName(b), "body name not UTF-8");
    fuzz::Require(fuzz::Outside() == outside, "a file outside the home was touched");
    return 0;
}
