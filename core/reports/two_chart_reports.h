// The report texts of two charts: the comparison aspects table, the
// transits table, the previsions table, the compare-to-file scan and its
// table, and the reports of a chart derived for a moment (returns,
// progression, midpoints).
#pragma once


#include <functional>
#include <string>
#include <vector>

#include "core/engine/body_numbers.h"
#include "core/aspects/previsions.h"
#include "core/aspects/transits.h"
#include "core/chart/date_time.h"
#include "core/data/civil_date.h"
#include "core/options/option_set.h"
#include "core/platform/progress.h"
#include "core/reports/report_context.h"
#include "core/reports/report_text.h"

namespace quintara {

class TMainOptions;

class TData1;
class tAspectsCollection;
class tChart;

// aspects: already built and scored for the pair. The heading names the
// second chart by its birth date when either chart is a chart in time
// (ChartType not 0), else by its name.
void WriteTwoChartAspects(tReportText& text, const tChart& first, const tChart& second,
                          const tAspectsCollection& aspects, const tReportContext& ctx);

// Four lines per event: bodies, aspect, signed angle and orb, "R", score;
// then begin, exact and end in universal time (" GMT").
// The transits of chart (natal positions, its clock at the start) over
// months, for the bodies of the mask (bit n = body n), with the settings'
// aspect kinds (every kind with all), orbs and divider; scored. Stopped
// from progress: empty, with *cancelled set. jobs: threads searching side
// by side (0: one per core), the same result for any number.
tTransitsCollection FindTransits(const TMainOptions& o, const tChart& chart, int months, tBodyMask bodies, bool all,
                                 const tProgress& progress = {}, bool* cancelled = nullptr, unsigned jobs = 0);

// The transits of natal from the date of start (the desktop's Chart 2
// command): the natal positions with the natal clock on start's date,
// computed with the birth option set.
tTransitsCollection FindTransitsFrom(const TMainOptions& o, const tChart& natal, const tChart& start, int months,
                                     tBodyMask bodies, const tProgress& progress = {}, bool* cancelled = nullptr);

// The previsions of natal from the moment of start, on copies of both
// computed with set (the charts given stay as they are). Stopped from
// progress: empty.
tPrevCollection PrevisionsFrom(const OptionSet& set, const tChart& natal, const tChart& start, int steps,
                               int stepHours, tAspectRules rules, const tProgress& progress = {});

// zone: the Adjust in force at a universal moment; the moments are then
// shown on that clock with its offset ("UTC+02:00"), else in GMT.
void WriteTransitsTable(tReportText& text, const tTransitsCollection& events, const tReportContext& ctx,
                        const std::function<double(const tDateTime&)>& zone = {});

// Date, time, positive, negative and total per step; nothing for an empty list.
void WritePrevisionsTable(tReportText& text, const tPrevCollection& steps, const tReportContext& ctx);

// The dialog's defaults.
struct tCompareFileRequest {
    int Sex = 2;                  // 0 man, 1 woman, otherwise both
    int MinAge = 0, MaxAge = 99;  // years
    int PositiveMinimum = 800;
    int NegativeLimit = 400;      // |negative| must stay below
    int TotalMinimum = 600;       // positive + negative must exceed
};

struct tCompareMatch {
    std::string Name, FirstName;
    int Index = 0;
    long long Positive = 0, Negative = 0;
};

inline constexpr std::size_t kMaxCompareMatches = 22;

// Scans the charts born between today - MaxAge x 365 and today - MinAge x
// 365 days (and of the requested sex) against first, with synastry scores;
// stops at the 22nd match. scratch receives each chart; the chart file's
// filter is removed afterwards.
// progress, when given, is told (charts done, charts to scan) on the
// calling thread every 256 x jobs charts; false from it cancels the scan
// (nothing is returned then, and cancelled is set). jobs: threads scoring
// side by side (0: one per core), the same matches for any number.
std::vector<tCompareMatch> CompareToFile(TData1& data, const tChart& first, tChart& scratch,
                                         const tCompareFileRequest& request, tCivilDate today,
                                         tAspectsCollection& aspects, const tProgress& progress = {},
                                         bool* cancelled = nullptr, unsigned jobs = 0);
// A heading line of captions, then a line per match.
void WriteCompareFileTable(tReportText& text, const std::vector<tCompareMatch>& matches, const tReportContext& ctx);

// The header of a derived chart (return, progression, midpoints) and its
// natal aspects without the heading line.
void WriteDerivedChart(tReportText& text, tChart& chart, tAspectsCollection& aspects, const tReportContext& ctx);

}  // namespace quintara
