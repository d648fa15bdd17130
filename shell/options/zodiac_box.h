// The options dialog's zodiac group: tropical or sidereal, the ayanamsa, and
// a user-defined ayanamsa's reference date and value.
#pragma once

#include <QGroupBox>

#include "core/options/options_form.h"

class QComboBox;
class QDialog;
class QLineEdit;

namespace quintara {

class tProgram;
class TRadioGroup;

class TZodiacBox : public QGroupBox {
public:
    TZodiacBox(tProgram& program, QWidget* parent);
    void Show(const tOptionsForm& form);
    // False, the field marked and said, when the user's date or value is wrong.
    bool Read(tOptionsForm& form, QDialog* dialog);

private:
    void Enable();
    tProgram& program;
    TRadioGroup* ZodiacRG;
    QComboBox* AyanamsaCB;
    QLineEdit *ReferenceED, *ValueED;
};

}  // namespace quintara
