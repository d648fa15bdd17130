// The transits of a period over the natal chart, and their interpretation.
#pragma once

#include "core/engine/body_numbers.h"
#include "core/aspects/transits.h"
#include "shell/reports/natal_windows.h"
#include "shell/reports/two_chart_window.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

class TTransitsWindow : public TTwoChartWindow {
public:
    // events: the transits found from second's date for the bodies (bit n
    // = transiting body n).
    TTransitsWindow(tProgram& program, const tChart& first, const tChart& second, tTransitsCollection events,
                    tBodyMask bodies, QWidget* parent = nullptr);
    int HelpContext() const override { return help::kTransits; }
    bool IsMomentWindow() const override { return true; }
    void InsText() override;
    void InsAnalyse() override;
    bool Interprets() const override { return true; }
    bool Supports(tCommand command) const override;
    void Run(tCommand command) override;
    std::unique_ptr<TChartPrint> MakePrint() override;
    void NewNatal() override;
    void NewAnalysis() override;
    bool ChooseSecond() override;
    tDocumentRequest Comparison() override;
    // The second chart at the event's exact moment, in the zone its place
    // had then.
    void SetMoment(const tTransitEvent& event);
    // The transit line graph from today, for the bodies searched, over the
    // period the dialog proposes (the events' span, 7 to 30 days).
    void TransitsLineGraph();
    int ProposedLineGraphDays() const;
    const tTransitsCollection& Events() const { return events; }
    unsigned Bodies() const { return bodies; }

private:
    tTransitsCollection events;
    tBodyMask bodies;
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

}  // namespace quintara
