// The one-chart report windows: the birth chart, the numbered list, the
// interpretation and the aspects.
#pragma once

#include "shell/reports/astro_base_window.h"

namespace quintara {

// A chart window: its Chart menu opens further windows on its charts.
class TAstroWindow : public TAstroBaseWindow {
public:
    using TAstroBaseWindow::TAstroBaseWindow;
    bool IsChartWindow() const override { return true; }
    void NewNatal() override;
    void NewList() override;
    void NewAspects() override;
    void NewAnalysis() override;
    // Transits to progression (not mid-points or the second chart), and
    // the wheels.
    bool Supports(tCommand command) const override;
    void Chart2Command(tCommand command) override;
    std::optional<tDocumentRequest> Wheel(bool usStyle) override;
};

class TNatalWindow : public TAstroWindow {
public:
    // fromTable: the chart table's current row holds the chart; its stored
    // text, when there is one, is shown instead of a new report.
    TNatalWindow(tProgram& program, bool fromTable, const tChart& first, const tChart* second = nullptr,
                 QWidget* parent = nullptr);
    int HelpContext() const override { return 404; }
    bool HoldsStored(const tChart& stored) const override;

protected:
    void Open(bool fromTable);
};

class TListWindow : public TNatalWindow {
public:
    TListWindow(tProgram& program, const tChart& first, const tChart* second = nullptr, QWidget* parent = nullptr);
    void InsText() override;
};

class TSecondaryWindow : public TAstroBaseWindow {
public:
    using TAstroBaseWindow::TAstroBaseWindow;
    bool IsSecondary() const override { return true; }
};

class TAnalysisWindow : public TSecondaryWindow {
public:
    TAnalysisWindow(tProgram& program, const tChart& first, const tChart* second = nullptr, QWidget* parent = nullptr);
    int HelpContext() const override { return 403; }
    void InsText() override;

protected:
    // build false: the derived window builds once its own data is set.
    TAnalysisWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent, bool build);
};

class TAspectsWindow : public TSecondaryWindow {
public:
    TAspectsWindow(tProgram& program, const tChart& first, const tChart* second = nullptr, QWidget* parent = nullptr);
    int HelpContext() const override { return 402; }
    void InsText() override;
};

}  // namespace quintara
