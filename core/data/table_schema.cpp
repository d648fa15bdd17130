// A table's file schema: made where missing, and converted once from what
// earlier versions stored.
#include "core/data/table.h"

namespace quintara {
namespace {

const char* SqlType(const tColumnDef& c)
{
    if (c.autoIncrement) return "INTEGER";
    switch (c.kind) {
    case tFieldKind::Integer:
    case tFieldKind::Logical: return "INTEGER";
    case tFieldKind::Real: return "REAL";
    case tFieldKind::Date:
    case tFieldKind::Text: return "TEXT";
    }
    return "TEXT";
}

}  // namespace

tTable::tTable(tDatabase& d, tTableDef t) : db(d), def(std::move(t))
{
    for (std::size_t i = 0; i < def.columns.size(); ++i) columnByName.emplace(def.columns[i].name, i);
    std::string sql = "CREATE TABLE IF NOT EXISTS " + Quoted(def.name) + " (";
    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        const tColumnDef& c = def.columns[i];
        if (i) sql += ", ";
        sql += Quoted(c.name) + " " + SqlType(c);
        if (c.autoIncrement) sql += " PRIMARY KEY AUTOINCREMENT";
        else if (c.kind == tFieldKind::Text) sql += " COLLATE BINARY";
    }
    sql += ")";
    tTransaction tx(db);
    db.Exec(sql);
    // An order that ignores case and accents is our own collation, known
    // only to our connections: it is used where rows are read in that
    // order, never named in the stored schema, so that any SQLite tool
    // opens, checks and writes the file.
    for (const tIndexDef& index : def.indexes) {
        if (index.noCase) continue;
        std::string cols;
        for (const std::string& f : index.fields) cols += (cols.empty() ? "" : ", ") + Quoted(Column(f).name);
        db.Exec("CREATE INDEX IF NOT EXISTS " + Quoted(def.name + "_" + index.name) + " ON " + Quoted(def.name) +
                " (" + cols + ")");
    }
    tx.Commit();
    DropOwnCollationIndexes();
    Refresh();
}

void tTable::DropOwnCollationIndexes()
{
    // Files of earlier versions are converted once, whole or not at all; a
    // read-only or busy file stays as it is and still works with us.
    try {
        std::vector<std::string> names;
        tStatement q = db.Prepare(
            "SELECT name FROM sqlite_schema WHERE type = 'index' AND tbl_name = ?1 AND sql LIKE '%COLLATE QNOCASE%'");
        q.Bind(1, def.name);
        while (q.Step()) names.push_back(q.Text(0));
        if (names.empty()) return;
        tTransaction tx(db);
        for (const std::string& n : names) db.Exec("DROP INDEX IF EXISTS " + Quoted(n));
        tx.Commit();
    } catch (const tStorageError&) {
    }
}

}  // namespace quintara
