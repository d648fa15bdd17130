#include "core/reports/analysis.h"

#include <algorithm>
#include <cstdlib>

#include "core/chart/chart.h"
#include "core/engine/angles.h"

namespace quintara {
namespace {

constexpr int kStrongest = 800;

bool Interpreted(int n) { return !(n >= 12 && n <= 24) && !(n >= 36 && n <= 48); }

std::string Number(int n) { return std::to_string(n); }

// "a.b.c", numbers in decimal.
std::string Key(int a, int b, int c) { return Number(a) + "." + Number(b) + "." + Number(c); }

std::string PairKey(int a, int b) { return Key(3, a, b); }

}  // namespace

std::string AspectKey(const tAspect& a)
{
    const int lo = std::min(a.Body1, a.Body2), hi = std::max(a.Body1, a.Body2);
    return PairKey(lo, a.Score > 0 ? 2 * hi - 1 : 2 * hi);
}

std::string TransitKey(const tTransitEvent& e)
{
    return PairKey(e.Transiting, e.Score > 0 ? 2 * e.Natal - 1 : 2 * e.Natal);
}

tAnalysis::tAnalysis(const tAnalysisFile& file, std::vector<std::string>& out, const tChart& first,
                     const tChart& second, const tReportContext& ctx)
    : file(file), out(out), first(first), second(second), ctx(ctx), male(first.Sex != 0)
{
}

bool tAnalysis::Header(std::string_view key) { return file.Print(key, male, out); }

void tAnalysis::PlanetSign()
{
    Header("1.");
    for (int p = 1; p <= first.BodyCount(); ++p) {
        const tPlanet& b = *first.BodyAt(p);
        const double lon = first.BodyPosition(b.Num);
        if (b.Visible && Interpreted(b.Num) && lon >= 0) Header(Key(1, b.Num, SignOf(lon)));
    }
}

void tAnalysis::PlanetHouse()
{
    Header("2.");
    for (int p = 1; p <= first.BodyCount(); ++p) {
        const tPlanet& b = *first.BodyAt(p);
        if (!b.Visible || !Interpreted(b.Num) || !first.FindBody(p)) continue;
        const int house = HouseOf(first, p, ctx.HouseRule);
        if (house >= 1) Header(Key(2, p, house));
    }
}

void tAnalysis::HouseSign()
{
    Header("4.");
    for (int h = 1; h <= 12; ++h) {
        const double cusp = first.HouseCusp(h);
        if (cusp >= 0) Header(Key(4, h, SignOf(cusp)));
    }
}

void tAnalysis::SunRising()
{
    Header("5.");
    const double sun = first.BodyPosition(kSun), asc = first.BodyPosition(kAscendant);
    if (sun >= 0 && asc >= 0) Header(Key(5, SignOf(sun), SignOf(asc)));
}

void tAnalysis::AspectSection(const tAspect& a)
{
    const std::string key = AspectKey(a);
    if (file.Find(key) < 0) return;
    std::string title = Whole(RoundScore(a.Score), 4) + " ";
    if (&second == &first) {
        title += ctx.AspectName(a.Aspect);
    } else {
        title += first.Name + " " + ctx.AspectName(a.Aspect) + " " +
                 (second.ChartType != 0 ? ctx.Date(second.Year, second.Month, second.Day) : second.Name);
    }
    out.push_back(title);
    Header(key);
}

void tAnalysis::AnalyseAspects(const tAspectsCollection& aspects)
{
    Header("3.");
    // Each aspect once, strongest first; a stable sort keeps list order
    // among equals.
    std::vector<const tAspect*> order;
    for (const tAspect& a : aspects.Items()) {
        const long long v = std::llabs(RoundScore(a.Score));
        if (v >= 1 && v <= kStrongest) order.push_back(&a);
    }
    std::stable_sort(order.begin(), order.end(), [](const tAspect* x, const tAspect* y) {
        return std::llabs(RoundScore(x->Score)) > std::llabs(RoundScore(y->Score));
    });
    for (const tAspect* a : order) AspectSection(*a);
}

void tAnalysis::AnalyseTransits(const tTransitsCollection& events)
{
    Header("3.");
    for (const tTransitEvent& e : events.Items()) {
        const std::string key = TransitKey(e);
        if (file.Find(key) < 0) continue;
        out.push_back(Whole(RoundScore(e.Score), 4) + " " + ctx.Date(e.Exact.year, e.Exact.month, e.Exact.day) + " " +
                      ctx.AspectName(AspectTypeOfIndex(e.AspectIndex)) + " " + first.Name);
        Header(key);
    }
}

void tAnalysis::Body(int n, const tAspectsCollection& aspects)
{
    const double lon = first.BodyPosition(n);
    if (lon >= 0) Header(Key(1, n, SignOf(lon)));
    const int house = HouseOf(first, n, ctx.HouseRule);
    if (house >= 1) Header(Key(2, n, house));
    for (const tAspect& a : aspects.Items())
        if (a.Body1 == n || a.Body2 == n) AspectSection(a);
}

void tAnalysis::AspectLine(const tAspect& a) { AspectSection(a); }

void AnalyseChart(int kind, const tAnalysisFile& file, std::vector<std::string>& out, const tChart& chart,
                  const tReportContext& ctx)
{
    tAnalysis run(file, out, chart, chart, ctx);
    run.Header(kind == 0 ? "0." : "0." + Number(kind));
    run.PlanetSign();
    const bool houses = chart.HouseType != 255;
    if (houses && kind == 0) run.SunRising();
    if (houses) {
        run.PlanetHouse();
        run.HouseSign();
    }
    tAspectsCollection aspects(ctx.AspectRules);
    aspects.BuildNatal(chart);
    aspects.ScoreNatal(chart);
    run.AnalyseAspects(aspects);
}

void AnalyseTransitList(const tAnalysisFile& file, std::vector<std::string>& out, const tChart& natal,
                        const tTransitsCollection& events, const tReportContext& ctx)
{
    tAnalysis run(file, out, natal, natal, ctx);
    run.Header("0.1");
    run.AnalyseTransits(events);
}

void AnalyseComparison(int kind, const tAnalysisFile& file, std::vector<std::string>& out, const tChart& first,
                       const tChart& second, const tAspectsCollection& aspects, const tReportContext& ctx)
{
    tAnalysis run(file, out, first, second, ctx);
    run.Header("0." + Number(kind));
    run.AnalyseAspects(aspects);
}

}  // namespace quintara
