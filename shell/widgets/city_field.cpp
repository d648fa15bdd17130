#include "shell/widgets/city_field.h"

#include <QDialog>

#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"

namespace quintara {

TCityField::TCityField(tProgram& p, const tChart& chart, QWidget* parent)
    : QLineEdit(QString::fromStdString(chart.BirthPlace), parent), program(p), country(chart.Country),
      initial(text())
{
    setObjectName("CityED");
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) { Locate(t); });
}

void TCityField::Locate(const QString& text)
{
    place.reset();
    const std::string typed = text.trimmed().toStdString();
    if (typed.empty()) return;
    std::vector<tLocality> found = program.Data().FindLocalities(typed, 1, country);
    if (found.empty()) found = program.Data().FindLocalities(typed, 1);
    if (found.empty()) return;
    place = found[0];
    // The rest of the name shows selected, so typing on replaces it.
    const QString name = QString::fromStdString(place->name);
    if (name.startsWith(text, Qt::CaseInsensitive) && name.size() > text.size()) {
        setText(text + name.mid(text.size()));
        setSelection(static_cast<int>(text.size()), static_cast<int>(name.size() - text.size()));
    }
}

bool TCityField::Apply(QDialog* dialog, int caption, tChart& chart)
{
    if (text() == initial) return true;
    if (!place)
        return FieldError(program, dialog, this, caption, "no locality starts with \"" + text().trimmed() + "\"");
    chart.BirthPlace = place->name;
    chart.Country = place->country;
    chart.State = place->state;
    chart.Latitude = place->latitude;
    chart.Longitude = place->longitude;
    return true;
}

}  // namespace quintara
