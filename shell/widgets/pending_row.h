// The data-aware edits of a grid's current row: filled from the row, marked
// pending once the user types, and posted before the grid moves to another
// row, the dialog closes or a command runs. A refused post keeps what was
// typed and the grid on that row.
#pragma once

#include <cstdint>
#include <functional>

#include <QObject>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTableView;

namespace quintara {

class tTable;

class TPendingRow : public QObject {
public:
    // show fills the edits from the table's current row; post writes them
    // to it and returns false after telling the user why it could not.
    TPendingRow(QTableView& grid, tTable& table, std::function<void()> show, std::function<bool()> post);

    void Watch(QLineEdit* edit);
    void Watch(QAbstractButton* box);
    void Watch(QComboBox* list);

    bool Pending() const { return pending; }
    // Posts a pending edit on its own row; true when nothing is pending.
    bool Post();
    // Drops what was typed and shows the current row again.
    void Discard();
    // Shows the current row, unless an edit is pending.
    void Show();

private:
    void Typed();
    void RowChanged();

    QTableView& grid;
    tTable& table;
    std::function<void()> show;
    std::function<bool()> write;
    bool pending = false;
    bool showing = false;   // filling the edits is no typing
    std::int64_t row = -1;  // the row the pending edit belongs to
};

}  // namespace quintara
