// The previsions: a pair's aspect scores step by step from a moment.
#pragma once

#include "core/aspects/previsions.h"
#include "shell/reports/two_chart_window.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

class TPrevisionsWindow : public TTwoChartWindow {
public:
    // steps: the scores found from second's moment.
    TPrevisionsWindow(tProgram& program, const tChart& first, const tChart& second, tPrevCollection steps,
                      QWidget* parent = nullptr);
    int HelpContext() const override { return help::kPrevisions; }
    bool IsMomentWindow() const override { return true; }
    // The previsions graph; no wheels, side by side or mid-points.
    bool Supports(tCommand command) const override;
    void Run(tCommand command) override;
    void InsText() override;
    const tPrevCollection& Steps() const { return list; }

private:
    tPrevCollection list;
};

}  // namespace quintara
