// A place field that looks the locality up while the user types: the first
// locality starting with the text in the chart's country, else anywhere.
#pragma once

#include <optional>

#include <QLineEdit>

#include "core/chart/chart.h"
#include "core/data/data_module.h"

class QDialog;

namespace quintara {

class tProgram;

class TCityField : public QLineEdit {
public:
    // Shows chart's place; the chart is not changed until Apply.
    TCityField(tProgram& program, const tChart& chart, QWidget* parent = nullptr);

    // The locality found for the text so far, if any.
    const std::optional<tLocality>& Place() const { return place; }
    // Into chart: the located place, its coordinates, country and state
    // (the zone is the caller's to look up, once the moment is set too).
    // An untouched field keeps the chart as it is. A text that names no
    // locality: false, with the message shown over dialog and the field
    // focused (nothing changed).
    bool Apply(QDialog* dialog, int caption, tChart& chart);

private:
    void Locate(const QString& text);

    tProgram& program;
    int country;
    QString initial;
    std::optional<tLocality> place;
};

}  // namespace quintara
