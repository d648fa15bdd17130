// The dialog every table grid opens in (localities, countries, charts): a
// find field over the grid, the navigator, buttons of its own and Ok,
// Cancel, Help. The table is left as the caller had it: no filter.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <QDialog>

#include "shell/widgets/table_model.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace quintara {

class tProgram;
class TNavigator;

class TTableBrowser : public QDialog {
public:
    ~TTableBrowser() override;

    // Positions on the first row whose find field starts with text (case
    // ignored); false when none does.
    virtual bool Find(const QString& text) = 0;

    QLineEdit* FindEd;

protected:
    // objectName: the dialog's name, for tests and settings; caption: its title.
    TTableBrowser(tProgram& program, tTable& table, const char* objectName, int caption,
                  std::vector<tGridColumn> columns, QWidget* parent);

    // Lays the dialog out: the find field and top beside it, the grid, the
    // navigator and bottom before the dialog's buttons (help page helpContext);
    // details, when given, under the grid.
    void Lay(std::initializer_list<QWidget*> top, std::initializer_list<QWidget*> bottom, int helpContext, int width,
             QWidget* details = nullptr);
    // A button of the dialog, captioned from the vocabulary.
    QPushButton* Button(int caption, const char* name, const QString& suffix = {});
    // Only the rows of filter ("" for all), from the first row.
    void Filter(const std::string& filter);
    // The first row whose field starts with text, shown.
    bool Locate(const std::string& field, const std::string& text);
    // After the table's order or rows changed: shown from the first row.
    void Reload();

    tProgram& program;
    tTable& table;
    tTableModel* model;
    QTableView* grid;
    TNavigator* navigator;
};

}  // namespace quintara
