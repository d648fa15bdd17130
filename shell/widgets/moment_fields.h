// Date and clock-time fields in the user's national formats. Reading one
// that does not parse tells the user (the field's caption and what is
// accepted), focuses it and returns false, so that OK stops there.
#pragma once

#include <QLineEdit>

class QDialog;

namespace quintara {

class tProgram;

class TDateField : public QLineEdit {
public:
    // masked: the digits keep their places as typed over ("99/99/9999").
    TDateField(tProgram& program, const char* objectName, bool masked, QWidget* parent);
    void Show(int year, int month, int day);
    bool Read(QDialog* dialog, int& year, int& month, int& day);

private:
    tProgram& program;
};

class TTimeField : public QLineEdit {
public:
    // A clock time typed freely ("14:30", "2:30 pm"), checked on Read.
    TTimeField(tProgram& program, const char* objectName, QWidget* parent);
    void Show(int hour, int minute);
    bool Read(QDialog* dialog, int& hour, int& minute);

private:
    tProgram& program;
};

}  // namespace quintara
