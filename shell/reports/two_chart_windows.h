// The report windows of a pair of charts: the natal chart and another
// person's chart, or the natal chart moved to another moment.
#pragma once

#include <optional>
#include <vector>

#include "aspects/previsions.h"
#include "aspects/transits.h"
#include "platform/progress.h"
#include "reports/two_chart_reports.h"
#include "reports/natal_windows.h"

namespace quintara {

class TTwoChartWindow : public TAstroWindow {
public:
    // caption: the window's caption number; the second chart is a copy.
    TTwoChartWindow(tProgram& program, int caption, const tChart& first, const tChart& second, QWidget* parent = nullptr);

    // Compare 2 charts, Mid-points and Second chart.
    bool Offers(const std::string& command) const override;
    void Chart2Command(const std::string& command) override;
    bool CanClose() override { return true; }  // no questions
    // Only the interpretation of the comparisons and transits.
    bool OffersChartItem(const std::string& item) const override { return item == "InsertAnalysis" && Interprets(); }
    virtual bool Interprets() const { return false; }
    // Always a new row of the chart file.
    void SaveChart() override;
    // The two-chart aspects table of the constructor's list.
    void InsText() override;
    // The commands that need one second chart of many (a transit's moment,
    // a matched chart) have it chosen here first; false when the user
    // cancelled, and nothing is to open.
    virtual bool ChooseSecond() { return true; }
    // The window Compare 2 charts opens on this pair.
    virtual TAstroBaseWindow* NewComparison();
    // The caption number the window was opened with.
    int Caption() const { return caption; }
    // The pair's aspects as the constructor left them.
    const tAspectsCollection& Aspects() const { return pairAspects; }

protected:
    tAspectsCollection pairAspects;

private:
    int caption;
};

class TTransitsWindow : public TTwoChartWindow {
public:
    // bodies: bit n = transiting body n; the second chart's date is the
    // start. A search stopped from progress leaves the window Cancelled(),
    // for the caller to discard.
    TTransitsWindow(tProgram& program, const tChart& first, const tChart& second, unsigned bodies, int months,
                    const tProgress& progress = {}, QWidget* parent = nullptr);
    int HelpContext() const override { return 501; }
    bool IsMomentWindow() const override { return true; }
    void InsText() override;
    void InsAnalyse() override;
    bool Interprets() const override { return true; }
    bool Offers(const std::string& command) const override { return command == "Compare2" || command == "Secondchart"; }
    bool OffersChartItem(const std::string& item) const override;
    void NewNatal() override;
    void NewAnalysis() override;
    bool ChooseSecond() override;
    TAstroBaseWindow* NewComparison() override;
    // The second chart at the event's exact moment (kind 5), in the zone
    // its place had then.
    void SetMoment(const tTransitEvent& event);
    // The transit line graph from today, for the bodies searched, over the
    // period the dialog proposes (the events' span, 7 to 30 days).
    void TransitsLineGraph();
    int ProposedLineGraphDays() const;
    const tTransitsCollection& Events() const { return events; }
    unsigned Bodies() const { return bodies; }
    bool Cancelled() const { return cancelled; }

private:
    tTransitsCollection events;
    unsigned bodies;
    bool cancelled = false;
};

// The interpretation of a transits window's events.
class TTransAnalysisWindow : public TAnalysisWindow {
public:
    TTransAnalysisWindow(tProgram& program, const tChart& first, const tChart& second, const tTransitsCollection& events,
                         QWidget* parent = nullptr);
    void InsAnalyse() override;

private:
    tTransitsCollection events;
};

// The scored aspects between two charts, and their interpretation.
class TCompareWindow : public TTwoChartWindow {
public:
    int HelpContext() const override { return help; }
    void InsAnalyse() override;
    bool Interprets() const override { return analysis != 0; }

protected:
    // synastry: scored as a synastry, else as a comparison; analysis: the
    // kind of analysis file that interprets it.
    TCompareWindow(tProgram& program, int caption, int help, bool synastry, int analysis, const tChart& first,
                   const tChart& second, QWidget* parent);

private:
    int help, analysis;
};

class TCompareDayWindow : public TCompareWindow {
public:
    TCompareDayWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
    bool IsMomentWindow() const override { return true; }
};

class TCompare2Window : public TCompareWindow {
public:
    TCompare2Window(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

// first: the natal chart; second: the progressed chart.
class TProgCompareWindow : public TCompareWindow {
public:
    TProgCompareWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

// first: the natal chart; second: the return chart.
class TRevCompareWindow : public TCompareWindow {
public:
    TRevCompareWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

class TPrevisionsWindow : public TTwoChartWindow {
public:
    // Stopped from progress: Cancelled(), for the caller to discard.
    TPrevisionsWindow(tProgram& program, const tChart& first, const tChart& second, int steps, int stepHours,
                      const tProgress& progress = {}, QWidget* parent = nullptr);
    int HelpContext() const override { return 503; }
    bool IsMomentWindow() const override { return true; }
    void InsText() override;
    const tPrevCollection& Steps() const { return list; }
    bool Cancelled() const { return cancelled; }

private:
    tPrevCollection list;
    bool cancelled = false;
};

// The charts of the chart file that match the first chart best.
class TCompareFileWindow : public TTwoChartWindow {
public:
    TCompareFileWindow(tProgram& program, const tChart& first, std::vector<tCompareMatch> matches,
                       QWidget* parent = nullptr);
    int HelpContext() const override { return 505; }
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

// Sun and moon returns, the progression and the mid-points: the chart of
// the moment (or the midpoint chart) with its aspects. The window's first
// chart is the derived one, its second the natal chart.
class TDerivedWindow : public TTwoChartWindow {
public:
    int HelpContext() const override { return help; }
    void InsText() override;
    // Returns as sun returns, the progression as such, mid-points as a
    // birth chart.
    void InsAnalyse() override;
    bool Interprets() const override { return true; }

protected:
    // The subclass builds the text once its chart is complete.
    TDerivedWindow(tProgram& program, int caption, int help, const tChart& derived, const tChart& natal,
                   QWidget* parent);

private:
    int help;
};

class TSunReturnWindow : public TDerivedWindow {
public:
    // place: a chart at the place of the return; years after the birth.
    TSunReturnWindow(tProgram& program, const tChart& natal, const tChart& place, int years, QWidget* parent = nullptr);
    TAstroBaseWindow* NewComparison() override;
};

class TMoonReturnWindow : public TDerivedWindow {
public:
    // start: the return nearest this moment (within half a lunar month).
    TMoonReturnWindow(tProgram& program, const tChart& natal, const tChart& start, QWidget* parent = nullptr);
    TAstroBaseWindow* NewComparison() override;
};

class TProgressionWindow : public TDerivedWindow {
public:
    // chosen: the date progressed to, one day after birth per year.
    TProgressionWindow(tProgram& program, const tChart& natal, const tChart& chosen, QWidget* parent = nullptr);
    TAstroBaseWindow* NewComparison() override;
};

class TMidpointsWindow : public TDerivedWindow {
public:
    TMidpointsWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

}  // namespace quintara
