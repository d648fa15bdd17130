#include "core/reports/two_chart_reports.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "core/aspects/aspects.h"
#include "core/aspects/transit_search.h"
#include "core/chart/chart.h"
#include "core/chart/date_time.h"
#include "core/data/data_module.h"
#include "core/data/exchange_fields.h"
#include "core/platform/side_by_side.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/date_format.h"
#include "core/i18n/text_encoding.h"
#include "core/options/main_options.h"
#include "core/reports/natal_reports.h"

namespace quintara {

void WriteTwoChartAspects(tReportText& text, const tChart& first, const tChart& second,
                          const tAspectsCollection& aspects, const tReportContext& ctx)
{
    text.AddLine(" ");
    const bool inTime = first.ChartType != 0 || second.ChartType != 0;
    const std::string other = inTime ? ctx.Date(second.Year, second.Month, second.Day) : second.Name;
    SetAspectTabs(text, aspects, ctx, first.Name, other);
    text.AddLine(first.Name + "\t" + ctx.Caption(caption::kAspect) + "\t" + other + "\t" + ctx.Caption(caption::kOrbValue));
    WriteAspectLines(text, aspects, ctx, true);
}

tTransitsCollection FindTransitsFrom(const TMainOptions& o, const tChart& natal, const tChart& start, int months,
                                     tBodyMask bodies, const tProgress& progress, bool* cancelled)
{
    // Computed first, then dated: the search reads the date fields as its start.
    tChart from(&o.BirthSet);
    from.Assign(natal);
    CalcChart(from);
    from.Year = start.Year, from.Month = start.Month, from.Day = start.Day;
    return FindTransits(o, from, months, bodies, false, progress, cancelled);
}

tPrevCollection PrevisionsFrom(const OptionSet& set, const tChart& natal, const tChart& start, int steps, int stepHours,
                               tAspectRules rules, const tProgress& progress)
{
    tChart fixed(&set), moving(&set);
    fixed.Assign(natal);
    CalcChart(fixed);
    moving.Assign(start);
    CalcChart(moving);
    tAspectsCollection aspects(rules);
    return BuildPrevisions(fixed, moving, steps, stepHours, aspects, progress);
}

void WriteTransitsTable(tReportText& text, const tTransitsCollection& events, const tReportContext& ctx,
                        const std::function<double(const tDateTime&)>& zone)
{
    text.AddLine(" ");
    // The radix column holds "Midheaven" and "Ascendant" too; the aspect
    // column "Contraparallel" and the translations.
    std::size_t aspect = 0, radix = 0;
    for (const tTransitEvent& e : events.Items()) {
        aspect = std::max(aspect, Utf8Length(ctx.AspectName(AspectTypeOfIndex(e.AspectIndex))));
        radix = std::max(radix, Utf8Length(ctx.BodyName(e.Natal)));
    }
    text.SetTabs({8, ColumnWidth(aspect, 10), ColumnWidth(radix, 10), 8, 4, 4});
    text.AddLine(ctx.Caption(caption::kTransit) + "\t" + ctx.Caption(caption::kAspect) + "\t" + ctx.Caption(caption::kRadix) + "\t" + ctx.Caption(300));
    auto moment = [&](const tDateTime& universal) {
        tDateTime t = universal;
        std::string label = " GMT";
        if (zone) {
            const double adjust = zone(universal);
            t = LocalDateTime(universal, adjust);
            label = std::string(" UTC").append(UtcOffsetText(adjust));
        }
        std::string s(1, '\t');
        return s.append(ctx.Date(t.year, t.month, t.day)).append("\t").append(ctx.Time(t.hour, t.minute)).append(label);
    };
    for (const tTransitEvent& e : events.Items()) {
        // A parallel has no angle of longitude: its orb alone.
        const std::string angle = e.AspectIndex >= kParallelIndex ? std::string() : Fixed(SignedAspectAngle(e.AspectIndex), 3, 0);
        text.AddLine(ctx.BodyName(e.Transiting) + "\t" + ctx.AspectName(AspectTypeOfIndex(e.AspectIndex)) + "\t" +
                     ctx.BodyName(e.Natal) + "\t" + angle + " +/-" +
                     DegMin(e.Orb, 5) + "\t" + (e.Retrograde ? ctx.Caption(caption::kRetrograde) : std::string()) + "\t" +
                     Whole(RoundScore(e.Score), 3));
        text.AddLine(moment(e.Begin));
        text.AddLine(moment(e.Exact) + " = 0\u00b0");
        text.AddLine(moment(e.End));
    }
    text.AddLine("");
}

void WritePrevisionsTable(tReportText& text, const tPrevCollection& steps, const tReportContext& ctx)
{
    if (steps.empty()) return;
    text.AddLine("");
    text.SetTabs({10, 6, 6, 6});
    text.AddLine(ctx.Caption(caption::kDate) + "\t" + ctx.Caption(caption::kTime) + "\t" + ctx.Caption(caption::kPositive) + "\t" + ctx.Caption(caption::kNegative) + "\t" +
                 ctx.Caption(caption::kTotal));
    for (const tPrevRecord& r : steps)
        text.AddLine(ctx.Date(r.Year, r.Month, r.Day) + "\t" + ctx.Time(r.Hour, r.Minute) + "\t" +
                     Fixed(r.Positive, 6, 0) + "\t" + Fixed(r.Negative, 6, 0) + "\t" + Fixed(r.Total, 6, 0));
}

namespace {

std::string AgeLimit(tCivilDate today, int years, const std::string& format)
{
    const tCivilDate d = CivilFromDays(DaysFromCivil(today) - static_cast<std::int64_t>(years) * 365);
    return FormatDate(d.year, d.month, d.day, format);
}

// Clears the chart file's filter however the scan ends.
struct tFilterGuard {
    TData1& data;
    ~tFilterGuard() { data.SetChartFilter(""); }
};

}  // namespace

std::vector<tCompareMatch> CompareToFile(TData1& data, const tChart& first, tChart& scratch,
                                         const tCompareFileRequest& request, tCivilDate today,
                                         tAspectsCollection& aspects, const tProgress& progress, bool* cancelled,
                                         unsigned jobs)
{
    if (cancelled) *cancelled = false;
    const int older = std::max(request.MinAge, request.MaxAge), younger = std::min(request.MinAge, request.MaxAge);
    std::string filter = "DATE>='" + AgeLimit(today, older, data.DateFormat()) + "' and DATE<='" +
                         AgeLimit(today, younger, data.DateFormat()) + "'";
    if (request.Sex == 0) filter += " and SEX='M'";
    if (request.Sex == 1) filter += " and SEX='F'";
    std::vector<tCompareMatch> matches;
    tFilterGuard guard{data};
    data.SetChartFilter(filter);
    tTable& t = data.ChartTable();
    // Rows are read a block at a time on this thread (the table is not
    // shared), scored side by side, and taken in row order: the same
    // matches for any number of jobs.
    jobs = JobsOrCores(jobs);
    const std::size_t block = 256 * static_cast<std::size_t>(jobs);
    std::vector<std::unique_ptr<tChart>> charts;
    std::vector<tAspectsCollection> scorers(jobs, aspects);
    struct tScore {
        bool compared = false;
        long long positive = 0, negative = 0;
    };
    std::vector<tScore> scores;
    int done = 0;
    t.First();
    while (!t.Eof() && matches.size() < kMaxCompareMatches) {
        if (progress && !progress(done, t.RecordCount())) {
            if (cancelled) *cancelled = true;
            return {};
        }
        std::size_t n = 0;
        for (; n < block && !t.Eof(); ++n, ++done, t.Next()) {
            if (n == charts.size()) {
                charts.push_back(std::make_unique<tChart>(scratch.Options));
                charts.back()->Assign(scratch);
                // The first chart's points too: a pair scores here as its
                // synastry does, point for point.
                charts.back()->CopyPointsOf(first);
            }
            data.ReadChart(*charts[n]);
        }
        scores.assign(n, {});
        RunSideBySide(jobs, [&](unsigned job) {
            const auto [from, to] = ShareOf(n, job, jobs);
            for (std::size_t i = from; i < to; ++i) {
                tChart& c = *charts[i];
                // The chart is no match for itself: its own row, or the same birth unsaved.
                if ((first.Index >= 0 && c.Index == first.Index) ||
                    (c.Name == first.Name && c.FirstName == first.FirstName && c.Year == first.Year &&
                     c.Month == first.Month && c.Day == first.Day && c.Hour == first.Hour && c.Minute == first.Minute &&
                     c.Latitude == first.Latitude && c.Longitude == first.Longitude))
                    continue;
                CalcChart(c);  // in its own house system, as a synastry with it shows
                tAspectsCollection& a = scorers[job];
                a.Clear();
                a.BuildComparison(first, c);
                a.ScoreSynastry();
                tScore& score = scores[i];
                score.compared = true;
                for (const tAspect& x : a.Items()) {
                    const long long v = RoundScore(x.Score);
                    if (v > 0) score.positive += v;
                    if (v < 0) score.negative += v;
                }
            }
        });
        for (std::size_t i = 0; i < n && matches.size() < kMaxCompareMatches; ++i) {
            const tScore& r = scores[i];
            if (r.compared && r.positive >= request.PositiveMinimum && std::llabs(r.negative) < request.NegativeLimit &&
                r.positive + r.negative > request.TotalMinimum)
                matches.push_back({charts[i]->Name, charts[i]->FirstName, charts[i]->Index, r.positive, r.negative});
        }
        if (n) scratch.Assign(*charts[n - 1]);
    }
    return matches;
}

tTransitsCollection FindTransits(const TMainOptions& o, const tChart& chart, int months, tBodyMask bodies, bool all,
                                 const tProgress& progress, bool* cancelled, unsigned jobs)
{
    tTransitRules rules;
    rules.TransitAspects = o.TransitAspects;
    if (all) rules.TransitAspects.fill(true);
    rules.SynastryOrbs = &o.SynastryOrbs;
    rules.TransitOrb = o.TransitOrb;
    rules.ParallelOrb = o.Parallels ? o.ParallelOrb : 0.0;
    tTransitsCollection events;
    const bool finished = TransitSearch(chart, months, bodies, rules, events, progress, jobs);
    if (cancelled) *cancelled = !finished;
    ScoreTransits(events, o.NatalOrbs);
    return events;
}

void WriteCompareFileTable(tReportText& text, const std::vector<tCompareMatch>& matches, const tReportContext& ctx)
{
    text.AddLine(" ");
    text.SetTabs({16, 12, 12, 12});
    text.AddLine(ctx.Caption(caption::kName) + " " + ctx.Caption(caption::kFirstName) + "\t" + ctx.Caption(caption::kPositivePoints) + "\t" + ctx.Caption(caption::kNegativePoints) + "\t" +
                 ctx.Caption(caption::kTotalPoints));
    for (const tCompareMatch& m : matches)
        text.AddLine(m.Name + " " + m.FirstName + "\t" + Whole(m.Positive, 4) + "\t" + Whole(m.Negative, 4) + "\t" +
                     Whole(m.Positive + m.Negative, 4));
}

void WriteDerivedChart(tReportText& text, tChart& chart, tAspectsCollection& aspects, const tReportContext& ctx)
{
    WriteHeader(text, chart, ctx);
    DisplayAspects(text, chart, aspects, ctx, false);
}

}  // namespace quintara
