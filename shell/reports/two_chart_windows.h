// The report windows of a pair of charts: the natal chart and another
// person's chart, or the natal chart moved to another moment.
#pragma once

#include <optional>
#include <vector>

#include "aspects/previsions.h"
#include "aspects/transits.h"
#include "reports/two_chart_reports.h"
#include "reports/natal_windows.h"

namespace quintara {

class TTwoChartWindow : public TAstroWindow {
public:
    // caption: the window's caption number; the second chart is a copy.
    TTwoChartWindow(tProgram& program, int caption, const tChart& first, const tChart& second, QWidget* parent = nullptr);

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

protected:
    tAspectsCollection pairAspects;
};

class TTransitsWindow : public TTwoChartWindow {
public:
    // bodies: bit n = transiting body n; the second chart's date is the start.
    TTransitsWindow(tProgram& program, const tChart& first, const tChart& second, unsigned bodies, int months,
                    QWidget* parent = nullptr);
    int HelpContext() const override { return 501; }
    bool IsMomentWindow() const override { return true; }
    void InsText() override;
    void InsAnalyse() override;
    bool Interprets() const override { return true; }
    const tTransitsCollection& Events() const { return events; }

private:
    tTransitsCollection events;
};

// Compare to day (score of a comparison), synastry (of two people),
// compare progression and compare return.
class TCompareWindow : public TTwoChartWindow {
public:
    TCompareWindow(tProgram& program, int caption, const tChart& first, const tChart& second, QWidget* parent = nullptr);
    int HelpContext() const override { return help; }
    bool IsMomentWindow() const override { return caption == 76; }
    void InsAnalyse() override;
    bool Interprets() const override { return caption == 76 || caption == 78; }

private:
    int caption, help;
};

class TPrevisionsWindow : public TTwoChartWindow {
public:
    TPrevisionsWindow(tProgram& program, const tChart& first, const tChart& second, int steps, int stepHours,
                      QWidget* parent = nullptr);
    int HelpContext() const override { return 503; }
    bool IsMomentWindow() const override { return true; }
    void InsText() override;
    const tPrevCollection& Steps() const { return list; }

private:
    tPrevCollection list;
};

// The charts of the chart file that match the first chart best.
class TCompareFileWindow : public TTwoChartWindow {
public:
    TCompareFileWindow(tProgram& program, const tChart& first, std::vector<tCompareMatch> matches,
                       QWidget* parent = nullptr);
    int HelpContext() const override { return 505; }
    void InsText() override;
    const std::vector<tCompareMatch>& Matches() const { return matches; }

private:
    std::vector<tCompareMatch> matches;
};

// The compare-to-file scan with a progress dialog that shows when the scan
// takes more than half a second; Cancel stops it and returns nothing.
std::optional<std::vector<tCompareMatch>> ScanChartFile(tProgram& program, const tChart& first,
                                                       const tCompareFileRequest& request, QWidget* parent);

// Sun and moon returns, the progression and the mid-points: the chart of
// the moment (or the midpoint chart) with its aspects.
class TDerivedWindow : public TTwoChartWindow {
public:
    // caption 83 sun return, 82 moon return, 80 progression, 85 mid-points;
    // first: the derived chart, second: the natal chart.
    TDerivedWindow(tProgram& program, int caption, const tChart& derived, const tChart& natal, QWidget* parent = nullptr);
    int HelpContext() const override { return help; }
    void InsText() override;
    bool IsMidpoints() const { return help == 509; }

private:
    int help;
};

}  // namespace quintara
