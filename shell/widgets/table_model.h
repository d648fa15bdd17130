// A grid's model over one table of the core: it reads only the rows the
// view shows (the table loads them in blocks), never the whole table.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "core/data/table.h"

class QWidget;

namespace quintara {

class tMessenger;

struct tGridColumn {
    std::string field;
    QString title;
};

class tTableModel : public QAbstractTableModel {
public:
    // The display text of a field of the current row; default: the plain
    // value (reals with two decimals).
    using tFormat = std::function<QString(const tTable&, const std::string& field)>;

    tTableModel(tTable& table, std::vector<tGridColumn> columns, QObject* parent = nullptr);

    tTable& Table() { return table; }
    void SetFormat(tFormat f) { format = std::move(f); }
    // A picture of the current row in front of the text of one column.
    using tDecoration = std::function<QVariant(const tTable&)>;
    void SetDecoration(int column, tDecoration d)
    {
        decorationColumn = column;
        decoration = std::move(d);
    }
    // A refused edit (a number field given text, a write the storage
    // refuses) is told through messenger over window and the cell keeps
    // its stored value.
    void ReportRefusals(tMessenger& m, QWidget* w)
    {
        messenger = &m;
        window = w;
    }
    // Cells can be edited (each edit is posted at once); only the fields
    // named, when any are.
    void SetEditable(bool on, std::vector<std::string> fields = {})
    {
        editable = on;
        editableFields = std::move(fields);
    }
    // After the table's rows or order changed (filter, insert, delete).
    void Reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    bool Refuse(const QString& why);
    tTable& table;
    tMessenger* messenger = nullptr;
    QWidget* window = nullptr;
    std::vector<tGridColumn> columns;
    tFormat format;
    int decorationColumn = -1;
    tDecoration decoration;
    bool editable = false;
    std::vector<std::string> editableFields;
};

// The plain text of a field of the current row.
QString FieldText(const tTable& table, const std::string& field);

}  // namespace quintara
