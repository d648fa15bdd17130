// The composite and Davison charts of a pair and the relocated chart: the
// chart with its aspects, as the other derived charts. The window's first
// chart is the derived one, its second the (first) person's chart.
#pragma once

#include <memory>

#include "shell/reports/derived_windows.h"

namespace quintara {

// A chart of two people: both people's birth data head it.
class TPairChartWindow : public TDerivedWindow {
public:
    void InsHeader() override;

protected:
    // make: the chart of the pair (first, second) into its argument.
    template <class F>
    TPairChartWindow(tProgram& program, int caption, const tChart& first, const tChart& second, F&& make,
                     QWidget* parent);

private:
    TPairChartWindow(tProgram& program, int caption, std::unique_ptr<tChart> pair, const tChart& first,
                     const tChart& second, QWidget* parent);
    std::unique_ptr<tChart> partner;  // the second person, as cast
};

class TCompositeWindow : public TPairChartWindow {
public:
    TCompositeWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

class TDavisonWindow : public TPairChartWindow {
public:
    TDavisonWindow(tProgram& program, const tChart& first, const tChart& second, QWidget* parent = nullptr);
};

class TRelocatedWindow : public TDerivedWindow {
public:
    // place: a chart at the place moved to.
    TRelocatedWindow(tProgram& program, const tChart& natal, const tChart& place, QWidget* parent = nullptr);
};

}  // namespace quintara
