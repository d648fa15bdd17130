#include "picture_command.h"

#include <charconv>
#include <iostream>

#include "command_args.h"
#include "graphics/chart_graphs.h"
#include "graphics/picture_files.h"

namespace quintara::cli {
namespace {

constexpr const char* kKinds = "daisy, us, clock, two, us-two, side-by-side, us-side-by-side";

std::optional<tGraphKind> KindOf(const std::string& s)
{
    if (s == "daisy") return tGraphKind::Daisy;
    if (s == "us") return tGraphKind::US;
    if (s == "clock") return tGraphKind::Clock;
    if (s == "two") return tGraphKind::Two;
    if (s == "us-two") return tGraphKind::USTwo;
    if (s == "side-by-side") return tGraphKind::SideBySide;
    if (s == "us-side-by-side") return tGraphKind::USSideBySide;
    return std::nullopt;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int Picture(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, true, false, false, a); rc >= 0) return rc;
    if (a.words.empty()) return Fail(std::string("picture: which kind? ") + kKinds);
    const auto kind = KindOf(a.words[0]);
    if (!kind) return Fail("picture: unknown kind \"" + a.words[0] + "\" (" + kKinds + ")");
    if (a.output.empty()) return Fail("picture: give the file with -o FILE.svg, FILE.png or FILE.pdf");
    if (!EndsWith(a.output, ".svg") && !EndsWith(a.output, ".png") && !EndsWith(a.output, ".pdf"))
        return Fail("picture: the file must end in .svg, .png or .pdf");
    tSession session;
    std::string error;
    if (!OpenSession(a.home, a.chartFile, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    const bool two = *kind != tGraphKind::Daisy && *kind != tGraphKind::US && *kind != tGraphKind::Clock;
    tChart first(two ? &o.FirstChartSet : &o.BirthSet), second(two ? &o.SecondChartSet : &o.BirthSet);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    if (two && !MakeChart(a.second, session, second, error)) return Fail("chart 2: " + error);

    tPictureContext ctx;
    ctx.Lang = session.languages.get();
    ctx.HouseRule = {o.HouseOrb, o.HouseCentered};
    ctx.AspectRules = {&o.NatalOrbs, &o.SynastryOrbs, o.AspectTypes};
    tChartGraph graph(*kind, first, two ? second : first, ctx);
    graph.Setup();
    graph.RecordGraph();

    const tPictureOptions po{a.width, a.height, a.zoom, a.proportional, o.BirthSet.Colors[kSlotBackground]};
    if (!WritePicture(graph, a.output, po, error)) return Fail("cannot write " + a.output + ": " + error);
    return 0;
}

}  // namespace quintara::cli
