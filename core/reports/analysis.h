// The interpretation of a chart, a transit list or a comparison: keys
// built from the charts ("1.N.S" body N in sign S, "2.N.H" in house H,
// "3.A.B" aspects, "4.H.S" cusps, "5.S.R" Sun and rising sign), looked up
// in an analysis file and appended line by line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/aspects/aspects.h"
#include "core/aspects/transits.h"
#include "core/reports/analysis_file.h"
#include "core/reports/report_context.h"

namespace quintara {

class tChart;

// Key of an aspect: A the smaller body number, B = 2C - 1 for a score
// above 0 (else 2C), C the larger.
std::string AspectKey(const tAspect& a);
// Key of a transit: A the transiting body, B from the natal body as above.
std::string TransitKey(const tTransitEvent& e);

class tAnalysis {
public:
    // second is first for a one-chart report. male: the first chart's sex.
    tAnalysis(const tAnalysisFile& file, std::vector<std::string>& out, const tChart& first, const tChart& second,
              const tReportContext& ctx);

    // The section of key, when there is one.
    bool Header(std::string_view key);
    void PlanetSign();
    void PlanetHouse();
    void HouseSign();
    void SunRising();
    // Strongest first (rounded scores 800 down to 1; 0 and above 800 are
    // left out), equal strengths in list order; each with a title line.
    void AnalyseAspects(const tAspectsCollection& aspects);
    void AnalyseTransits(const tTransitsCollection& events);
    // The wheels: everything about one body, and one aspect line.
    void Body(int n, const tAspectsCollection& aspects);
    void AspectLine(const tAspect& a);

private:
    void AspectSection(const tAspect& a);

    const tAnalysisFile& file;
    std::vector<std::string>& out;
    const tChart& first;
    const tChart& second;
    const tReportContext& ctx;
    bool male;
};

// Kind 0 (birth chart), 4 (sun return) or 5 (progression) of a chart: the
// introduction, planets in signs, then (with houses) Sun and rising sign
// (kind 0), planets in houses, cusps in signs, and the chart's aspects.
void AnalyseChart(int kind, const tAnalysisFile& file, std::vector<std::string>& out, const tChart& chart,
                  const tReportContext& ctx);
// Kind 1: the introduction and every event.
void AnalyseTransitList(const tAnalysisFile& file, std::vector<std::string>& out, const tChart& natal,
                        const tTransitsCollection& events, const tReportContext& ctx);
// Kinds 2, 3, 6, 7: the introduction and the scored comparison aspects.
void AnalyseComparison(int kind, const tAnalysisFile& file, std::vector<std::string>& out, const tChart& first,
                       const tChart& second, const tAspectsCollection& aspects, const tReportContext& ctx);

}  // namespace quintara
