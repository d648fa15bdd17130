// The scored aspects between two charts and their interpretation, and the
// charts of the chart file that match a chart best.
#pragma once

#include <optional>
#include <vector>

#include "core/reports/two_chart_reports.h"
#include "shell/reports/two_chart_window.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

class TCompareWindow : public TTwoChartWindow {
public:
    int HelpContext() const override { return help; }
    void InsAnalyse() override;
    bool Interprets() const override { return analysis != 0; }
    // A synastry is headed by both people's birth data.
    void InsHeader() override;

protected:
    // synastry: scored as a synastry, else as a comparison; analysis: the
    // kind of analysis file that interprets it.
    TCompareWindow(tProgram& program, int caption, int help, bool synastry, int analysis, const tChart& first,
                   const tChart& second, QWidget* parent);

private:
    int help, analysis;
    bool pairOfPeople;
};

class TCompareDayWindow : public TCompareWindow {
public:
    TCompareDayWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
    bool IsMomentWindow() const override { return true; }
    std::unique_ptr<TChartPrint> MakePrint() override;
};

class TCompare2Window : public TCompareWindow {
public:
    TCompare2Window(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

// first: the natal chart; second: the progressed chart.
class TProgCompareWindow : public TCompareWindow {
public:
    TProgCompareWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
    std::unique_ptr<TChartPrint> MakePrint() override;
};

// first: the natal chart; second: the return chart.
class TRevCompareWindow : public TCompareWindow {
public:
    TRevCompareWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
    std::unique_ptr<TChartPrint> MakePrint() override;
};

// The charts of the chart file that match the first chart best.
class TCompareFileWindow : public TTwoChartWindow {
public:
    TCompareFileWindow(tProgram& program, const tChart& first, std::vector<tCompareMatch> matches,
                       QWidget* parent = nullptr);
    int HelpContext() const override { return help::kCompareToFile; }
    void InsText() override;
    bool ChooseSecond() override;
    // The match's chart, read from the chart file by its index, as the
    // second chart; false when the file no longer holds it.
    bool ReadMatch(const tCompareMatch& match);
    const std::vector<tCompareMatch>& Matches() const { return matches; }

private:
    std::vector<tCompareMatch> matches;
};

// The compare-to-file scan with a progress dialog that shows when the scan
// takes more than half a second; Cancel stops it and returns nothing.
std::optional<std::vector<tCompareMatch>> ScanChartFile(tProgram& program, const tChart& first,
                                                       const tCompareFileRequest& request, QWidget* parent);

}  // namespace quintara
