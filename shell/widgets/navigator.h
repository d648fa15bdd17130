// The navigator bar of every grid: first, prior, next, last, insert,
// delete, edit, post, cancel and refresh on the grid's table.
#pragma once

#include <functional>

#include <QWidget>

class QTableView;
class QWidget;

namespace quintara {

class tProgram;
class tTableModel;

// A grid on the model: whole rows selected one at a time, the last column
// stretched; the current row of the view is the table's current row.
QTableView* NewGrid(QWidget* parent, tTableModel& model);

class TNavigator : public QWidget {
public:
    // edit: shows the row being inserted or edited (a dialog of the grid,
    // as the locality editor); none means the cells are edited in place.
    TNavigator(tProgram& program, QTableView& view, tTableModel& model, QWidget* parent = nullptr);
    void SetRowEditor(std::function<bool(bool inserting)> edit) { rowEditor = std::move(edit); }

    void First();
    void Prior();
    void Next();
    void Last();
    void Insert();
    void Delete();
    void Edit();
    void Refresh();
    // Moves the view to the table's current row.
    void ShowCurrent();

private:
    void Go(int row);

    tProgram& program;
    QTableView& view;
    tTableModel& model;
    std::function<bool(bool inserting)> rowEditor;
};

}  // namespace quintara
