// The chart file editor's filters: by the values of fields, and by the
// sign a body or house cusp stands in.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace quintara {

class tProgram;

class TFilterFieldDlg : public QDialog {
public:
    static constexpr int kHelpContext = 105;
    explicit TFilterFieldDlg(tProgram& program, QWidget* parent = nullptr);
    // A field that cannot take its value is said, and the dialog stays.
    void accept() override;
    // The filter of the rows as filled; "" when none has a value.
    std::string Expression() const;

    struct tRow {
        int caption;
        const char* field;
        enum tKind { kText, kNumber, kDate } kind;
        QComboBox* op = nullptr;
        QLineEdit *value = nullptr, *upper = nullptr;
    };
    std::vector<tRow> Rows;

private:
    tProgram& program;
};

class TFilterPlanetDlg : public QDialog {
public:
    static constexpr int kHelpContext = 105;
    explicit TFilterPlanetDlg(tProgram& program, QWidget* parent = nullptr);
    // "" when the first sign entry (no filter) is chosen.
    std::string Expression() const;

    QListWidget *PlanetLB, *SignLB;
};

}  // namespace quintara
