#include "shell/widgets/pending_row.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include "core/data/table.h"

namespace quintara {

TPendingRow::TPendingRow(QTableView& g, tTable& t, std::function<void()> s, std::function<bool()> p)
    : QObject(&g), grid(g), table(t), show(std::move(s)), write(std::move(p))
{
    // Queued: the grid has told the table its new row first.
    connect(grid.selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TPendingRow::RowChanged,
            Qt::QueuedConnection);
}

void TPendingRow::Watch(QLineEdit* edit) { connect(edit, &QLineEdit::textEdited, this, &TPendingRow::Typed); }
void TPendingRow::Watch(QAbstractButton* box) { connect(box, &QAbstractButton::clicked, this, &TPendingRow::Typed); }
void TPendingRow::Watch(QComboBox* list) { connect(list, &QComboBox::activated, this, &TPendingRow::Typed); }

void TPendingRow::Typed()
{
    if (showing || pending) return;
    pending = true;
    row = table.RowId();
}

bool TPendingRow::Post()
{
    if (!pending) return true;
    const std::int64_t now = table.RowId();
    if (row >= 0 && !table.GoToRowId(row)) {
        // The row went (deleted or filtered out elsewhere): nothing to write to.
        pending = false;
        Show();
        return true;
    }
    if (!write()) {
        // The view back on the row whose text is kept.
        const QModelIndex at = grid.model()->index(table.Position(), std::max(0, grid.currentIndex().column()));
        if (grid.currentIndex().row() != at.row()) grid.setCurrentIndex(at);
        return false;
    }
    pending = false;
    if (now >= 0 && now != row) table.GoToRowId(now);
    grid.viewport()->update();
    return true;
}

void TPendingRow::Discard()
{
    pending = false;
    Show();
}

void TPendingRow::Show()
{
    if (pending) return;
    showing = true;
    show();
    showing = false;
}

void TPendingRow::RowChanged()
{
    if (pending && table.RowId() != row) {
        if (!Post()) return;
        // Posting may reorder the rows (a changed name): the view follows the table.
        const QModelIndex at = grid.model()->index(table.Position(), std::max(0, grid.currentIndex().column()));
        if (at.isValid() && grid.currentIndex().row() != at.row()) grid.setCurrentIndex(at);
    }
    Show();
}

}  // namespace quintara
