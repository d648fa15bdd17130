#include "shell/widgets/table_model.h"

#include <QWidget>

#include "shell/platform/messenger.h"

#include <algorithm>

#include "core/data/sqlite_db.h"

namespace quintara {

namespace {

// Reads a row without moving the table's current row for good.
class tVisit {
public:
    tVisit(tTable& t, int row) : t(t), keep(t.Position()) { t.GoTo(row); }
    ~tVisit() { t.GoTo(keep); }

private:
    tTable& t;
    int keep;
};

const tColumnDef* ColumnOf(const tTable& t, const std::string& field)
{
    for (const tColumnDef& c : t.Def().columns)
        if (c.name == field) return &c;
    return nullptr;
}

}  // namespace

QString FieldText(const tTable& t, const std::string& field)
{
    if (t.IsNull(field)) return {};
    const tColumnDef* c = ColumnOf(t, field);
    if (c && c->kind == tFieldKind::Real) return QString::number(t.Real(field), 'f', 2);
    if (c && (c->kind == tFieldKind::Integer || c->autoIncrement)) return QString::number(t.Int(field));
    if (c && c->kind == tFieldKind::Logical) return t.Int(field) ? "True" : "False";
    return QString::fromStdString(t.Text(field));
}

tTableModel::tTableModel(tTable& t, std::vector<tGridColumn> c, QObject* parent)
    : QAbstractTableModel(parent), table(t), columns(std::move(c))
{
}

void tTableModel::Reload()
{
    beginResetModel();
    endResetModel();
}

int tTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table.RecordCount(); }
int tTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

QVariant tTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::DecorationRole && decoration && index.column() == decorationColumn) {
        tVisit visit(table, index.row());
        try {
            return decoration(table);
        } catch (const tStorageError&) {
            return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    tVisit visit(table, index.row());
    try {
        const std::string& field = columns[static_cast<std::size_t>(index.column())].field;
        // An edit starts from the stored value, which is what it writes back.
        return format && role == Qt::DisplayRole ? format(table, field) : FieldText(table, field);
    } catch (const tStorageError&) {
        return QStringLiteral("?");  // a row the file cannot give (damaged)
    }
}

QVariant tTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Vertical) return section + 1;
    return columns[static_cast<std::size_t>(section)].title;
}

Qt::ItemFlags tTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const tColumnDef* c = index.isValid() ? ColumnOf(table, columns[static_cast<std::size_t>(index.column())].field) : nullptr;
    const bool named = editableFields.empty() ||
                       std::find(editableFields.begin(), editableFields.end(), c ? c->name : "") != editableFields.end();
    if (editable && c && !c->autoIncrement && named) f |= Qt::ItemIsEditable;
    return f;
}

bool tTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) return false;
    const std::string& field = columns[static_cast<std::size_t>(index.column())].field;
    const tColumnDef* c = ColumnOf(table, field);
    if (!c) return false;
    tSqlValue v = value.toString().toStdString();
    bool ok = true;
    if (c->kind == tFieldKind::Real) v = value.toString().toDouble(&ok);
    if (c->kind == tFieldKind::Integer || c->kind == tFieldKind::Logical) v = value.toString().toLongLong(&ok);
    if (!ok) return Refuse(columns[static_cast<std::size_t>(index.column())].title + ": \"" + value.toString() +
                           "\" is not a number");
    // The edit starts here, inside the view's event: what the storage
    // refuses is said here and goes no further up through Qt.
    try {
        table.GoTo(index.row());
        table.Edit();
        table.Set(field, v);
        table.Post();
    } catch (const std::exception& e) {
        if (table.Editing()) table.Cancel();
        return Refuse(QString::fromStdString(e.what()));
    }
    emit dataChanged(index, index);
    return true;
}

bool tTableModel::Refuse(const QString& why)
{
    if (messenger) messenger->Tell(window, tMessenger::kError, window ? window->windowTitle() : QString(), why);
    return false;
}

}  // namespace quintara
