// Solar arc directions, time lords and planetary hours of a chart: report
// windows of the derived kind, the chart's data heading them.
#pragma once

#include "shell/reports/derived_windows.h"

namespace quintara {

// The chart directed to chosen's date, the hits of the year from it; its
// wheel is the bi-wheel of the birth chart inside, the directed outside.
class TSolarArcWindow : public TDerivedWindow {
public:
    TSolarArcWindow(tProgram& program, const tChart& natal, const tChart& chosen, QWidget* parent = nullptr);
    void InsText() override;
    std::optional<tDocumentRequest> Wheel(bool usStyle) override;
};

// The profection of chosen's date and the firdaria.
class TTimeLordsWindow : public TDerivedWindow {
public:
    TTimeLordsWindow(tProgram& program, const tChart& natal, const tChart& chosen, QWidget* parent = nullptr);
    void InsText() override;

private:
    tDateTime date;
};

// The planetary hours of chosen's day at its place.
class TPlanetaryHoursWindow : public TDerivedWindow {
public:
    TPlanetaryHoursWindow(tProgram& program, const tChart& natal, const tChart& chosen, QWidget* parent = nullptr);
    void InsText() override;
};

}  // namespace quintara
