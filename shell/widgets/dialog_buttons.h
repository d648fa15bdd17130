// The buttons every dialog of the program ends with: Ok (the default),
// Cancel and Help, captioned from the vocabulary.
#pragma once

#include <functional>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QString;
class QPushButton;

namespace quintara {

class tProgram;

// Ok accepts, Cancel rejects, Help shows the help page of helpContext (no
// Help button for 0). The box belongs to dialog.
QDialogButtonBox* DialogButtons(tProgram& program, QDialog* dialog, int helpContext);
// The same, the help page chosen when Help is pressed (a page of a tabbed
// dialog); none: no Help button.
QDialogButtonBox* DialogButtons(tProgram& program, QDialog* dialog, std::function<int()> helpContext);
// The box's Ok button.
QPushButton* OkButton(QDialogButtonBox* box);

// A field that does not parse: "Caption: why" in a message titled by the
// dialog, the field focused and selected. Returns false, for OK to stop.
bool FieldError(tProgram& program, QDialog* dialog, QLineEdit* field, int caption, const QString& why);
// The same with the field named in full ("Orb (Sun, Square)").
bool FieldError(tProgram& program, QDialog* dialog, QLineEdit* field, const QString& name, const QString& why);

}  // namespace quintara
