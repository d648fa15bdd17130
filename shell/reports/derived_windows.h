// Sun and moon returns, the progression and the mid-points: the chart of
// the moment (or the midpoint chart) with its aspects. The window's first
// chart is the derived one, its second the natal chart.
#pragma once

#include <memory>

#include "shell/reports/two_chart_window.h"

namespace quintara {

class TDerivedWindow : public TTwoChartWindow {
public:
    int HelpContext() const override { return help; }
    void InsText() override;
    // Returns as sun returns, the progression as such, mid-points as a
    // birth chart.
    void InsAnalyse() override;
    bool Interprets() const override { return true; }
    // One wheel of the derived chart; no side by side.
    bool Supports(tCommand command) const override;
    std::optional<tDocumentRequest> Wheel(bool usStyle) override;

protected:
    // analysis: the kind of analysis file that interprets the chart. The
    // subclass builds the text once its chart is complete.
    TDerivedWindow(tProgram& program, int caption, int help, int analysis, const tChart& derived, const tChart& natal,
                   QWidget* parent);

private:
    int help, analysis;
};

class TSunReturnWindow : public TDerivedWindow {
public:
    // place: a chart at the place of the return; years after the birth.
    TSunReturnWindow(tProgram& program, const tChart& natal, const tChart& place, int years, QWidget* parent = nullptr);
    tDocumentRequest Comparison() override;
    std::unique_ptr<TChartPrint> MakePrint() override;
};

class TMoonReturnWindow : public TDerivedWindow {
public:
    // start: the return nearest this moment (within half a lunar month).
    TMoonReturnWindow(tProgram& program, const tChart& natal, const tChart& start, QWidget* parent = nullptr);
    tDocumentRequest Comparison() override;
    std::unique_ptr<TChartPrint> MakePrint() override;
};

class TProgressionWindow : public TDerivedWindow {
public:
    // chosen: the date progressed to, one day after birth per year.
    TProgressionWindow(tProgram& program, const tChart& natal, const tChart& chosen, QWidget* parent = nullptr);
    tDocumentRequest Comparison() override;
    std::unique_ptr<TChartPrint> MakePrint() override;
};

class TMidpointsWindow : public TDerivedWindow {
public:
    TMidpointsWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
    bool Supports(tCommand command) const override;
    // Both people's birth data head the mid-points.
    void InsHeader() override;

private:
    std::unique_ptr<tChart> partner;  // the second person, as cast
};

}  // namespace quintara
