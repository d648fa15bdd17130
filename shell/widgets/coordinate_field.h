// A latitude or longitude as the dialogs show it: d.mm without a sign in
// a field, beside the button of its hemisphere (N/S, E/W) that holds the
// sign and turns it at a click.
#pragma once

#include <QPushButton>

class QLineEdit;

namespace quintara {

class tProgram;

class THemisphereButton : public QPushButton {
public:
    enum tAxis { kLatitude, kLongitude };
    THemisphereButton(tProgram& program, tAxis axis, const char* objectName, QWidget* parent);

    // North or west: the sign the chart gives a positive value.
    bool Positive() const { return positive; }
    tAxis Axis() const { return axis; }
    void SetPositive(bool on);
    // The typed magnitude with the hemisphere's sign.
    double Signed(double magnitude) const;

private:
    tProgram& program;
    tAxis axis;
    bool positive = true;
};

// The packed value (d.mm, north and west positive) into field and button:
// latitudes as "dd.mm", longitudes as "ddd.mm".
void ShowCoordinate(QLineEdit& field, THemisphereButton& hemisphere, double packed);

}  // namespace quintara
