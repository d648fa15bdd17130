#include "cli/picture_command.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <stdlib.h>
#include <iostream>

#include "cli/command_args.h"
#include "core/platform/atomic_file.h"
#include "core/aspects/previsions.h"
#include "core/chart/chart_kind.h"
#include "core/graphics/chart_graphs.h"
#include "core/graphics/picture_setup.h"
#include "shell/canvas/picture_files.h"

namespace quintara::cli {
namespace {

// A folder of its own under $TMPDIR (or /tmp), gone with the object.
struct tScratchFolder {
    std::string path;
    tScratchFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quintara-XXXXXX";
        if (mkdtemp(pattern.data())) path = pattern;
    }
    ~tScratchFolder()
    {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
    tScratchFolder(const tScratchFolder&) = delete;
    tScratchFolder& operator=(const tScratchFolder&) = delete;
};

constexpr const char* kKinds =
    "daisy (or aspect-wheel), us (or daisy-wheel), clock, two, us-two, side-by-side (or aspect-side-by-side), "
    "us-side-by-side (or wheel-side-by-side), grid (or aspect-grid), two-grid, line [STEP], transit-line [START "
    "[STEP [BODY]]], "
    "previsions [START [STEP [COUNT]]], moon [DATE]";

std::optional<tGraphKind> KindOf(const std::string& s)
{
    // The desktop's names of the pictures, hyphenated, beside the old ones
    // (its "Aspect wheel" was always this program's daisy).
    if (s == "aspect-wheel") return tGraphKind::Daisy;
    if (s == "daisy-wheel") return tGraphKind::US;
    if (s == "aspect-side-by-side") return tGraphKind::SideBySide;
    if (s == "wheel-side-by-side") return tGraphKind::USSideBySide;
    if (s == "aspect-grid") return tGraphKind::Grid;
    if (s == "daisy") return tGraphKind::Daisy;
    if (s == "us") return tGraphKind::US;
    if (s == "clock") return tGraphKind::Clock;
    if (s == "two") return tGraphKind::Two;
    if (s == "us-two") return tGraphKind::USTwo;
    if (s == "side-by-side") return tGraphKind::SideBySide;
    if (s == "us-side-by-side") return tGraphKind::USSideBySide;
    if (s == "grid") return tGraphKind::Grid;
    if (s == "two-grid") return tGraphKind::TwoGrid;
    return std::nullopt;
}


}  // namespace

// Days.hours of word i (default days) in minutes.
bool StepMinutes(const std::vector<std::string>& w, std::size_t i, int days, std::int32_t& minutes, std::string& error)
{
    minutes = days * 1440;
    if (i >= w.size()) return true;
    std::string sub;
    const auto hours = ParseDaysHours(w[i], sub);
    if (!hours) {
        error = "step: " + sub;
        return false;
    }
    minutes = *hours * 60;
    return true;
}

int Picture(tCommandArgs& a)
{
    if (a.output.empty()) return Fail("picture: give the file with -o FILE.svg, FILE.png or FILE.pdf (- with --format)");
    if (a.output != "-" && !KnownPictureFormat(a.output)) return Fail("picture: the file must end in .svg, .png or .pdf");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    const tPictureContext ctx = MakePictureContext(o, *session.languages);

    const std::string& kindWord = a.words[0];
    const auto kind = KindOf(kindWord);
    const bool two = kind && IsTwoChartGraph(*kind);
    tChart first(two ? &o.FirstChartSet : &o.BirthSet), second(two ? &o.SecondChartSet : &o.BirthSet);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    std::unique_ptr<tDrawing> picture;
    std::vector<std::string> rest(a.words.begin() + 1, a.words.end());
    std::int32_t step = 0;
    if (kind) {
        if (two && !MakeChart(a.second, session, second, error)) return Fail(error);
        picture = std::make_unique<tChartGraph>(*kind, first, two ? second : first, ctx);
    } else if (kindWord == "line") {
        if (!StepMinutes(rest, 0, 7, step, error)) return Fail(error);
        picture = std::make_unique<tLineGraph>(first, step, ctx);
    } else if (kindWord == "transit-line" || kindWord == "previsions") {
        second.Assign(first);
        second.ChartType = kindWord == "previsions" ? kPrevisionsChart : kTransitChart;
        if (!StartDate(rest, second, error)) return Fail("start: " + error);
        CalcChart(second);
        if (!StepMinutes(rest, 1, 7, step, error)) return Fail(error);
        int extra = kindWord == "previsions" ? 12 : 0;
        if (rest.size() > 2) {
            std::string sub;
            const auto v = ParseWhole(rest[2], 0, kindWord == "previsions" ? 100000 : 12, sub);
            if (!v) return Fail((kindWord == "previsions" ? "count: " : "body: ") + sub);
            extra = *v;
        }
        if (kindWord == "transit-line") {
            picture = std::make_unique<tTransLineGraph>(first, second, step, extra, ctx);
        } else {
            tAspectsCollection aspects(ctx.AspectRules);
            picture = std::make_unique<tPrevGraph>(first, BuildPrevisions(first, second, extra, step / 60, aspects), ctx);
        }
    } else if (kindWord == "moon") {
        if (!rest.empty() && !StartDate(rest, first, error)) return Fail("date: " + error);
        CalcChart(first);
        picture = std::make_unique<tMoonGraph>(first, ctx);
    } else {
        return Fail("picture: unknown kind \"" + kindWord + "\" (" + kKinds + ")");
    }
    picture->Setup();
    picture->RecordGraph();
    const tPictureOptions po{a.width, a.height, a.zoom, a.proportional, o.BirthSet.Colors[kSlotBackground]};
    if (a.output != "-") {
        if (!WritePicture(*picture, a.output, po, error)) return Fail("cannot write " + a.output + ": " + error);
        return 0;
    }
    // Standard output: the picture is made in a file of its own, then copied.
    const tScratchFolder scratch;
    const std::string path = scratch.path + "/picture." + (a.format.empty() ? std::string("svg") : a.format);
    std::string bytes;
    if (scratch.path.empty() || !WritePicture(*picture, path, po, error) || !ReadWholeFile(path, bytes))
        return Fail("cannot make the picture: " + (error.empty() ? std::string("no temporary folder") : error));
    std::cout << bytes;
    return 0;
}

}  // namespace quintara::cli
