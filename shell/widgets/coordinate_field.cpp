#include "shell/widgets/coordinate_field.h"

#include <cmath>

#include <QLineEdit>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"

namespace quintara {

namespace {
constexpr int kPositiveCaption[] = {caption::kNorth, caption::kWest};
constexpr int kNegativeCaption[] = {caption::kSouth, caption::kEast};
}  // namespace

THemisphereButton::THemisphereButton(tProgram& p, tAxis a, const char* objectName, QWidget* parent)
    : QPushButton(parent), program(p), axis(a)
{
    setObjectName(objectName);
    setAutoDefault(false);
    SetPositive(true);
    connect(this, &QPushButton::clicked, this, [this] { SetPositive(!positive); });
}

void THemisphereButton::SetPositive(bool on)
{
    positive = on;
    setText(program.Caption(on ? kPositiveCaption[axis] : kNegativeCaption[axis]));
}

double THemisphereButton::Signed(double magnitude) const { return positive ? std::fabs(magnitude) : -std::fabs(magnitude); }

void ShowCoordinate(QLineEdit& field, THemisphereButton& hemisphere, double packed)
{
    hemisphere.SetPositive(packed >= 0);
    const int width = hemisphere.Axis() == THemisphereButton::kLatitude ? 5 : 6;
    field.setText(QString::number(std::fabs(packed), 'f', 2).rightJustified(width));
}

}  // namespace quintara
