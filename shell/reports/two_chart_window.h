// The report windows of a pair of charts: the natal chart and another
// person's chart, or the natal chart moved to another moment.
#pragma once

#include "shell/reports/natal_windows.h"

namespace quintara {

class TTwoChartWindow : public TAstroWindow {
public:
    // caption: the window's caption number; the second chart is a copy.
    TTwoChartWindow(tProgram& program, int caption, const tChart& first, const tChart& second, QWidget* parent = nullptr);

    // Compare 2 charts, Mid-points and Second chart; the interpretation
    // where the pair has one; the wheels and side by side.
    bool Supports(tCommand command) const override;
    void Chart2Command(tCommand command) override;
    std::optional<tDocumentRequest> Wheel(bool usStyle) override;
    std::optional<tDocumentRequest> SideBySide(bool usStyle) override;
    std::unique_ptr<TChartPrint> MakePrint() override;
    bool CanClose() override { return true; }  // no questions
    virtual bool Interprets() const { return false; }
    // Always a new row of the chart file.
    void StoreChart() override;
    // The two-chart aspects table of the constructor's list.
    void InsText() override;
    // The commands that need one second chart of many (a transit's moment,
    // a matched chart) have it chosen here first; false when the user
    // cancelled, and nothing is to open.
    virtual bool ChooseSecond() { return true; }
    // The window Compare 2 charts opens on this pair.
    virtual tDocumentRequest Comparison();
    // The caption number the window was opened with.
    int Caption() const { return caption; }
    // The pair's aspects as the constructor left them.
    const tAspectsCollection& Aspects() const { return pairAspects; }

protected:
    tAspectsCollection pairAspects;

private:
    int caption;
};

}  // namespace quintara
