// The choosers of the two-chart windows whose second chart is one of many:
// a transit of a transits window, a chart found by a compare-to-file scan.
#pragma once

#include <vector>

#include <QDialog>

#include "core/aspects/transits.h"
#include "core/reports/two_chart_reports.h"
#include "shell/widgets/help_contexts.h"

class QTreeWidget;

namespace quintara {

class tProgram;

class TTransChooseDlg : public QDialog {
public:
    // One line per event: transiting body, aspect, radix body, exact date
    // and time (GMT), "R" for a retrograde transit, score.
    TTransChooseDlg(tProgram& program, const tTransitsCollection& events, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kTransits;
    // The chosen event's index in the list, -1 before OK.
    int Chosen() const { return chosen; }
    void accept() override;

    QTreeWidget* TransitsLB;

private:
    int chosen = -1;
};

class TCompareFileChooseDlg : public QDialog {
public:
    // The matches with positive points above 0: name and first name,
    // positive, negative and their sum.
    TCompareFileChooseDlg(tProgram& program, const std::vector<tCompareMatch>& matches, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kCompareToFile;
    // The chosen match's index in matches, -1 before OK.
    int Chosen() const { return chosen; }
    void accept() override;

    QTreeWidget* ResultsLB;

private:
    int chosen = -1;
};

}  // namespace quintara
