#include "cli/report_command.h"

#include <algorithm>

#include "cli/commands.h"
#include "core/data/json_line.h"

#include <iostream>

#include "cli/command_args.h"
#include "core/data/second_chart.h"
#include "core/aspects/previsions.h"
#include "core/chart/chart_kind.h"
#include "core/chart/derived_charts.h"
#include "core/chart/returns.h"
#include "core/platform/atomic_file.h"
#include "core/reports/analysis.h"
#include "core/reports/analysis_choice.h"
#include "core/reports/natal_reports.h"
#include "core/reports/text_writers.h"
#include "core/reports/two_chart_reports.h"

namespace quintara::cli {
namespace {

constexpr const char* kKinds =
    "natal, list, aspects, analysis, transits, compare-day, synastry, compare-file, previsions, sun-return, moon-return, "
    "progression, midpoints";

struct tReportRun {
    tCommandArgs& args;
    tSession& session;
    tReportContext ctx;
    tFixedMetrics metrics;
    tReportText text{metrics};
    tAspectsCollection aspects;
    std::string error;

    tReportRun(tCommandArgs& a, tSession& s)
        : args(a), session(s),
          // JSON is for programs: English whatever the language.
          ctx(a.json ? MakeReportContext(*s.options, TLanguages::BuiltInEnglish(), [&s]() -> TData1& { return s.Data(); })
                     : ReportContext(s)),
          aspects({&s.options->NatalOrbs, &s.options->SynastryOrbs, s.options->AspectTypes})
    {
    }

    const std::string& Word(std::size_t i) const
    {
        static const std::string none;
        return i < args.words.size() ? args.words[i] : none;
    }
    bool Whole(std::size_t i, int lo, int hi, int& out)
    {
        if (Word(i).empty()) return true;
        std::string sub;
        const auto v = ParseWhole(Word(i), lo, hi, sub);
        if (!v) error = sub;
        else out = *v;
        return v.has_value();
    }
    // The chart moved to the date of word i (default today), kind set.
    bool Moved(tChart& c, const tChart& natal, std::size_t i, int kind)
    {
        c.Assign(natal);
        std::vector<std::string> w;
        if (!Word(i).empty()) w.push_back(Word(i));
        if (!StartDate(w, c, error)) return false;
        c.ChartType = kind;
        CalcChart(c);
        return true;
    }

    bool Build(const std::string& kind);

    // The analysis file of a kind, from the program home.
    bool OpenAnalysis(int kind, tAnalysisFile& file)
    {
        const tAnalysisChoice choice = ChooseAnalysisFile(*session.options, kind);
        if (!choice.note.empty()) std::cerr << "warning: " << choice.note << "\n";
        return file.Open(choice.path, error, [](const std::string& key) {
            std::cerr << "warning: unbalanced braces in the section \\" << key << "\n";
        });
    }
    // Interpretation lines appended to the report.
    template <class F>
    bool Interpret(int kind, F&& run)
    {
        tAnalysisFile file;
        if (!OpenAnalysis(kind, file)) return false;
        std::vector<std::string> lines;
        run(file, lines);
        for (const std::string& l : lines) text.AddLine(l);
        return true;
    }
};

bool tReportRun::Build(const std::string& kind)
{
    const TMainOptions& o = *session.options;
    // Every report compares charts made with the birth set, as the report
    // windows do (the first- and second-chart sets are for two-chart
    // pictures); so synastry and compare to file score a pair alike.
    tChart first(&o.BirthSet), second(&o.BirthSet);
    if (!MakeChart(args.first, session, first, error)) return false;
    if (args.all) first.AspectTypes = 15;

    const bool analysis = args.analysis || kind == "analysis";
    if (kind == "natal" || kind == "list" || kind == "aspects" || kind == "analysis") {
        WriteHeader(text, first, ctx);
        if (kind == "natal") WriteList(text, first, ctx);
        if (kind == "list") WriteFullList(text, first, ctx);
        if (kind == "aspects") DisplayAspects(text, first, aspects, ctx);
        if (analysis && !Interpret(kAnalysisBirthChart, [&](tAnalysisFile& f, std::vector<std::string>& out) {
                AnalyseChart(kAnalysisBirthChart, f, out, first, ctx);
            }))
            return false;
    } else if (kind == "transits") {
        int months = 1;
        std::vector<std::string> w;
        if (!Word(1).empty()) w.push_back(Word(1));
        if (!StartDate(w, first, error) || !Whole(2, 1, 1200, months)) return false;
        const tTransitsCollection events =
            FindTransits(o, first, months, args.bodies, args.all, {}, nullptr, unsigned(args.jobs));
        if (!events.EphemerisNote.empty()) std::cerr << "note: " << events.EphemerisNote << "\n";
        WriteTransitsTable(text, events, ctx,
                           args.utc ? std::function<double(const tDateTime&)>() : ZoneOfPlace(session.Data(), first));
        if (analysis && !Interpret(kAnalysisTransits, [&](tAnalysisFile& f, std::vector<std::string>& out) {
                AnalyseTransitList(f, out, first, events, ctx);
            }))
            return false;
    } else if (kind == "compare-day" || kind == "synastry") {
        if (kind == "synastry") {
            if (!MakeChart(args.second, session, second, error)) return false;
            WritePairHeader(text, first, second, ctx);
        } else if (!Moved(second, first, 1, 6)) {
            return false;
        }
        aspects.BuildComparison(first, second);
        if (kind == "synastry") aspects.ScoreSynastry();
        else aspects.ScoreComparison();
        WriteTwoChartAspects(text, first, second, aspects, ctx);
        const int k = kind == "synastry" ? kAnalysisSynastry : kAnalysisCompareToDay;
        if (analysis && !Interpret(k, [&](tAnalysisFile& f, std::vector<std::string>& out) {
                AnalyseComparison(k, f, out, first, second, aspects, ctx);
            }))
            return false;
    } else if (kind == "previsions") {
        int steps = 12, hours = 168;
        if (!Moved(second, first, 1, 7) || !Whole(3, 0, 100000, steps)) return false;
        if (!Word(2).empty()) {
            std::string sub;
            const auto v = ParseDaysHours(Word(2), sub);
            if (!v) return error = "step: " + sub, false;
            hours = *v;
        }
        const tPrevCollection list = BuildPrevisions(first, second, steps, hours, aspects);
        WriteHeader(text, first, ctx);
        WritePrevisionsTable(text, list, ctx);
    } else if (kind == "compare-file") {
        tCompareFileRequest r;
        r.Sex = first.Sex ? 1 : 0;  // the other sex
        const std::string& sex = Word(1);
        if (sex == "man") r.Sex = 0;
        else if (sex == "woman") r.Sex = 1;
        else if (sex == "both") r.Sex = 2;
        else if (!sex.empty()) return error = "compare-file: say man, woman or both", false;
        if (!Whole(2, 0, 200, r.MinAge) || !Whole(3, 0, 200, r.MaxAge) || !Whole(4, 0, 1 << 30, r.PositiveMinimum) ||
            !Whole(5, 0, 1 << 30, r.NegativeLimit) || !Whole(6, -(1 << 30), 1 << 30, r.TotalMinimum))
            return false;
        tChart today;
        Today(today);
        const auto matches = CompareToFile(session.Data(), first, second, r, {today.Year, today.Month, today.Day},
                                           aspects, {}, nullptr, unsigned(args.jobs));
        WriteHeader(text, first, ctx);
        WriteCompareFileTable(text, matches, ctx);
    } else if (kind == "sun-return" || kind == "moon-return" || kind == "progression") {
        if (kind == "sun-return") {
            tChart today;  // without a year, this year's return, as the dialog presets
            Today(today);
            int year = today.Year;
            if (!Whole(1, 1, 65535, year)) return error = "year: " + error, false;
            second.Assign(first);
            SolarReturn(first, second, year - first.Year);
            LocalZoneOfReturn(session, second);
            second.ChartType = kSunReturnChart;
        } else if (kind == "moon-return") {
            if (!Moved(second, first, 1, kMoonReturnChart)) return false;
            LunarReturn(first, second);
            LocalZoneOfReturn(session, second);
            second.ChartType = kMoonReturnChart;
        } else {
            if (!Moved(second, first, 1, kProgressedChart)) return false;
            ProgressChart(first, second);
        }
        WriteDerivedChart(text, second, aspects, ctx);
        const int k = kind == "progression" ? kAnalysisProgression : kAnalysisSunReturn;
        if (analysis && kind != "moon-return" && !Interpret(k, [&](tAnalysisFile& f, std::vector<std::string>& out) {
                AnalyseChart(k, f, out, second, ctx);
            }))
            return false;
    } else if (kind == "midpoints") {
        if (!MakeChart(args.second, session, second, error)) return false;
        tChart mid(&o.BirthSet);
        mid.Assign(first);
        CalcChart(mid);
        MidpointChart(first, second, mid);
        WritePairHeader(text, first, second, ctx);  // both people, as the window
        DisplayAspects(text, mid, aspects, ctx, false);
    } else {
        error = "report: unknown kind \"" + kind + "\" (" + kKinds + ")";
        return false;
    }
    return true;
}

}  // namespace

tReportContext ReportContext(tSession& s)
{
    return MakeReportContext(*s.options, *s.languages, [&s]() -> TData1& { return s.Data(); });
}

namespace {

// {"report":KIND,"lines":[[cell, ...], ...]}: each line of the report, its
// columns (the text between tabs) as strings.
std::string ReportJson(const tReportText& text, const std::string& kind)
{
    std::string s = "{\"report\":";
    AppendJsonString(s, kind);
    s += ",\"lines\":[";
    bool firstLine = true;
    for (const tParagraph& p : text.Paragraphs()) {
        s += firstLine ? "[" : ",[";
        firstLine = false;
        const std::string line = p.Text();
        for (std::size_t at = 0; !line.empty() && at <= line.size();) {
            const std::size_t tab = std::min(line.find('\t', at), line.size());
            if (at) s += ',';
            AppendJsonString(s, line.substr(at, tab - at));
            at = tab + 1;
        }
        s += ']';
    }
    return s + "]}\n";
}

}  // namespace

int Report(tCommandArgs& a)
{
    // The format from the file's name, as a picture's, unless given.
    std::string format = a.format;
    const std::string ext = Extension(a.output);
    if (format.empty()) format = ext == ".rtf" ? "rtf" : ext == ".html" || ext == ".htm" ? "html" : "text";
    if (a.json && (!a.format.empty() || (!a.output.empty() && a.output != "-")))
        return Fail("report: --json prints the report's lines as JSON; it takes no --format or -o FILE");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tReportRun run(a, session);
    try {
        if (!run.Build(a.words[0])) return Fail(run.error);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    const std::string out = a.json              ? ReportJson(run.text, a.words[0])
                            : format == "rtf"  ? WriteRtf(run.text, {session.options->GetFont().Name, session.options->GetFont().Size})
                            : format == "html" ? WriteHtml(run.text, a.words[0])
                                               : WritePlainText(run.text);
    if (a.output.empty() || a.output == "-") {
        std::cout << out;
        return 0;
    }
    if (!WriteOutput(a.output, out, true, error)) return Fail("cannot write " + a.output + ": " + error);
    return 0;
}

}  // namespace quintara::cli
