#include "core/data/table.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "core/i18n/text_encoding.h"
#include "core/platform/ascii.h"

namespace quintara {
namespace {

const std::optional<tSqlValue> kNull;

// Joins pieces by appending (g++ 12 warns falsely on "literal" + string).
std::string Cat(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (std::string_view p : parts) out += p;
    return out;
}

}  // namespace

std::size_t tTable::ColumnIndex(const std::string& field) const
{
    if (const auto it = columnByName.find(field); it != columnByName.end()) return it->second;
    return static_cast<std::size_t>(&Column(field) - def.columns.data());
}

const tColumnDef& tTable::Column(const std::string& field) const
{
    for (const tColumnDef& c : def.columns)
        if (SameNameIgnoringCase(c.name, field)) return c;
    throw tStorageError(def.name + ": no field \"" + field + "\"");
}

std::string tTable::Quoted(const std::string& name) const
{
    std::string q = "\"";
    for (char c : name) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string tTable::Where() const { return filter ? Cat({" WHERE ", filter->where}) : std::string(); }

std::string tTable::OrderBy() const
{
    std::string sql = " ORDER BY ";
    for (const std::string& f : order) {
        const tColumnDef& c = Column(f);
        sql += Quoted(c.name);
        if (orderNoCase && c.kind == tFieldKind::Text) sql += " COLLATE QNOCASE";
        sql += ", ";
    }
    return sql + "rowid";
}

void tTable::SetIndex(const std::string& indexName)
{
    if (indexName.empty()) {
        SetIndexFields({});
        return;
    }
    for (const tIndexDef& index : def.indexes)
        if (SameNameIgnoringCase(index.name, indexName)) {
            SetOrder(index.fields, index.noCase);
            return;
        }
    throw tStorageError(def.name + ": no index \"" + indexName + "\"");
}

void tTable::SetIndexFields(const std::vector<std::string>& fields) { SetOrder(fields, false); }

void tTable::SetOrder(const std::vector<std::string>& fields, bool noCase)
{
    for (const std::string& f : fields) Column(f);  // fail before changing anything
    order = fields;
    orderNoCase = noCase;
    Refresh();
}

void tTable::SetFilter(const std::string& text, bool caseInsensitive, const std::string& dateFormat,
                       const tFieldLookup& more)
{
    std::string error;
    const tFieldLookup lookup = [this, &more](std::string_view name) -> std::optional<tFieldInfo> {
        if (more)
            if (auto f = more(name)) return f;
        for (const tColumnDef& c : def.columns)
            if (SameNameIgnoringCase(c.name, name))
                return tFieldInfo{c.name, c.autoIncrement ? tFieldKind::Integer : c.kind};
        return std::nullopt;
    };
    std::optional<tSqlFilter> f = CompileFilter(text, lookup, {caseInsensitive, dateFormat}, &error);
    if (!f) throw tStorageError("filter \"" + (text.size() > 60 ? text.substr(0, 60) + "..." : text) + "\": " + error);
    filter = std::move(f);
    Refresh();
}

void tTable::ClearFilter()
{
    filter.reset();
    Refresh();
}

void tTable::Refresh()
{
    const std::int64_t keep = RowId();
    const std::string sql = "SELECT rowid FROM " + Quoted(def.name) + Where() + OrderBy();
    const std::vector<tSqlValue> params = filter ? filter->params : std::vector<tSqlValue>{};
    const std::int64_t version = db.DataVersion(), changes = db.TotalChanges();
    // Nothing written anywhere since the same list was read: it stands (a
    // picker opened again on a large table).
    if (readProblem.empty() && sql == listed.sql && params == listed.params && version == listed.version &&
        changes == listed.changes) {
        Forget();
        pos = 0;
        if (keep >= 0) MoveToRowid(keep);
        return;
    }
    listed = {sql, params, version, changes};
    tStatement q = db.Prepare(sql);
    if (filter) q.BindAll(filter->params);
    rows.clear();
    readProblem.clear();
    // A damaged file still shows the rows before the damage: in storage
    // order when the asked order (a sort over every row) cannot be had.
    try {
        while (q.Step()) rows.push_back(q.Int(0));
    } catch (const tStorageError& e) {
        readProblem = e.what();
        rows.clear();
        try {
            tStatement plain = db.Prepare("SELECT rowid FROM " + Quoted(def.name) + Where() + " ORDER BY rowid");
            if (filter) plain.BindAll(filter->params);
            while (plain.Step()) rows.push_back(plain.Int(0));
        } catch (const tStorageError&) {
        }
    }
    Forget();
    pos = 0;
    if (keep >= 0) MoveToRowid(keep);
}

void tTable::MoveToRowid(std::int64_t rowid)
{
    if (!GoToRowId(rowid)) pos = 0;
}

std::int64_t tTable::RowId() const
{
    return pos >= 0 && pos < static_cast<std::ptrdiff_t>(rows.size()) ? rows[static_cast<std::size_t>(pos)] : -1;
}

bool tTable::GoToRowId(std::int64_t id)
{
    const auto it = std::find(rows.begin(), rows.end(), id);
    if (it == rows.end()) return false;
    pos = it - rows.begin();
    return true;
}

void tTable::First() { pos = 0; }
void tTable::GoTo(int position)
{
    pos = std::clamp<std::ptrdiff_t>(position, 0, std::max<std::ptrdiff_t>(0, static_cast<std::ptrdiff_t>(rows.size()) - 1));
}
void tTable::Next() { if (!Eof()) ++pos; }
void tTable::Prior() { if (pos > 0) --pos; }
void tTable::Last() { pos = rows.empty() ? 0 : static_cast<std::ptrdiff_t>(rows.size()) - 1; }

namespace {
constexpr std::size_t kBlock = 32;
}

void tTable::Forget() const
{
    currentId = -1;
    current = nullptr;
    blockIds.clear();
    block.clear();
}

void tTable::LoadCurrent() const
{
    if (Eof()) throw tStorageError(def.name + ": no current row");
    const std::int64_t id = rows[static_cast<std::size_t>(pos)];
    if (id == currentId) return;
    for (std::size_t k = 0; k < blockIds.size(); ++k)
        if (blockIds[k] == id && !block[k].empty()) {
            current = &block[k];
            currentId = id;
            return;
        }
    if (!rowQuery) {
        std::string cols, marks;
        for (const tColumnDef& c : def.columns) cols += Cat({", ", Quoted(c.name)});
        for (std::size_t k = 1; k <= kBlock; ++k) marks += Cat({k > 1 ? ", ?" : "?", std::to_string(k)});
        rowQuery = std::make_unique<tStatement>(
            db.Handle(), Cat({"SELECT rowid", cols, " FROM ", Quoted(def.name), " WHERE rowid IN (", marks, ")"}));
    }
    // This row and the ones after it in visiting order.
    const std::size_t first = static_cast<std::size_t>(pos);
    const std::size_t n = std::min(kBlock, rows.size() - first);
    blockIds.assign(rows.begin() + static_cast<std::ptrdiff_t>(first), rows.begin() + static_cast<std::ptrdiff_t>(first + n));
    block.assign(n, {});
    tStatement& q = *rowQuery;
    q.Reset();
    for (std::size_t k = 0; k < kBlock; ++k) q.Bind(static_cast<int>(k) + 1, blockIds[std::min(k, n - 1)]);
    while (q.Step()) {
        const std::int64_t rowid = q.Int(0);
        std::size_t slot = 0;
        while (slot < n && blockIds[slot] != rowid) ++slot;
        if (slot == n) continue;
        std::vector<std::optional<tSqlValue>>& row = block[slot];
        row.assign(def.columns.size(), std::nullopt);
        for (std::size_t c = 0; c < def.columns.size(); ++c) {
            const int col = static_cast<int>(c) + 1;
            if (q.IsNull(col)) continue;
            const tColumnDef& d = def.columns[c];
            if (d.kind == tFieldKind::Real) row[c] = q.Real(col);
            else if (d.kind == tFieldKind::Integer || d.kind == tFieldKind::Logical || d.autoIncrement) row[c] = q.Int(col);
            else row[c] = q.Text(col);
        }
    }
    q.Reset();
    if (block[0].empty()) {
        Forget();
        throw tStorageError(def.name + ": the current row was deleted");
    }
    current = &block[0];
    currentId = id;
}

bool tTable::AtEditedRow() const
{
    if (state == tState::Insert) return pos == editPos;
    return state == tState::Edit && editId >= 0 && RowId() == editId;
}

const std::optional<tSqlValue>& tTable::Value(const std::string& field) const
{
    const std::size_t i = ColumnIndex(field);
    if (AtEditedRow()) {
        const auto it = buffer.find(def.columns[i].name);
        return it == buffer.end() ? kNull : it->second;
    }
    LoadCurrent();
    return (*current)[i];
}

bool tTable::IsNull(const std::string& field) const { return !Value(field).has_value(); }

std::int64_t tTable::Int(const std::string& field) const
{
    const auto& v = Value(field);
    if (!v) return 0;
    if (const auto* n = std::get_if<std::int64_t>(&*v)) return *n;
    if (const auto* x = std::get_if<double>(&*v)) return static_cast<std::int64_t>(*x);
    return 0;
}

double tTable::Real(const std::string& field) const
{
    const auto& v = Value(field);
    if (!v) return 0.0;
    if (const auto* x = std::get_if<double>(&*v)) return *x;
    if (const auto* n = std::get_if<std::int64_t>(&*v)) return static_cast<double>(*n);
    return 0.0;
}

std::int64_t tTable::IntOr(const std::string& field, std::int64_t fallback) const
{
    return IsNull(field) ? fallback : Int(field);
}

double tTable::RealOr(const std::string& field, double fallback) const { return IsNull(field) ? fallback : Real(field); }

std::string tTable::TextOr(const std::string& field, const std::string& fallback) const
{
    return IsNull(field) ? fallback : Text(field);
}

std::string tTable::Text(const std::string& field) const
{
    const auto& v = Value(field);
    if (!v) return {};
    if (const auto* t = std::get_if<std::string>(&*v)) return *t;
    if (const auto* n = std::get_if<std::int64_t>(&*v)) return std::to_string(*n);
    return std::to_string(std::get<double>(*v));
}

void tTable::Insert()
{
    if (writeCheck) writeCheck();
    buffer.clear();
    editPos = pos;
    editId = -1;
    state = tState::Insert;
}

void tTable::Edit()
{
    if (writeCheck) writeCheck();
    LoadCurrent();
    buffer.clear();
    for (std::size_t i = 0; i < def.columns.size(); ++i) buffer[def.columns[i].name] = (*current)[i];
    editPos = pos;
    editId = currentId;
    state = tState::Edit;
}

void tTable::Set(const std::string& field, const tSqlValue& value)
{
    if (state == tState::Browse) throw tStorageError(def.name + ": not in insert or edit mode");
    const tColumnDef& c = Column(field);
    const auto* text = std::get_if<std::string>(&value);
    // A text field keeps its length, as the table layouts and exports have it.
    buffer[c.name] = text && c.length ? tSqlValue{FirstCodePoints(*text, c.length)} : value;
}

void tTable::SetNull(const std::string& field)
{
    if (state == tState::Browse) throw tStorageError(def.name + ": not in insert or edit mode");
    buffer[Column(field).name] = std::nullopt;
}

void tTable::Post()
{
    if (state == tState::Browse) return;
    // A refused write ends the insert or edit: a row left pending would be
    // shown, and written, as the row at its position by the next user of
    // the table (another window on the same file).
    try {
        Write();
    } catch (...) {
        Cancel();
        throw;
    }
}

void tTable::Write()
{
    if (writeCheck) writeCheck();
    std::vector<const tColumnDef*> cols;
    for (const tColumnDef& c : def.columns)
        if (!c.autoIncrement && buffer.count(c.name)) cols.push_back(&c);
    std::string sql;
    if (state == tState::Insert) {
        sql = "INSERT INTO " + Quoted(def.name);
        if (cols.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            std::string names, marks;
            for (std::size_t i = 0; i < cols.size(); ++i) {
                if (i) names += ", ", marks += ", ";
                names += Quoted(cols[i]->name);
                marks += Cat({"?", std::to_string(i + 1)});
            }
            sql += " (" + names + ") VALUES (" + marks + ")";
        }
    } else {
        if (cols.empty()) {
            state = tState::Browse;
            return;
        }
        sql = "UPDATE " + Quoted(def.name) + " SET ";
        for (std::size_t i = 0; i < cols.size(); ++i) {
            if (i) sql += ", ";
            sql += Cat({Quoted(cols[i]->name), " = ?", std::to_string(i + 1)});
        }
        sql += " WHERE rowid = ?" + std::to_string(cols.size() + 1);
    }
    std::int64_t id = editId;
    {
        tTransaction tx(db);
        tStatement st = db.Prepare(sql);
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const std::optional<tSqlValue>& v = buffer[cols[i]->name];
            if (v) st.Bind(static_cast<int>(i) + 1, *v);
            else st.BindNull(static_cast<int>(i) + 1);
        }
        if (state == tState::Edit) st.Bind(static_cast<int>(cols.size()) + 1, editId);
        st.Step();
        if (state == tState::Insert) id = db.LastInsertId();
        if (pendingCompanion) pendingCompanion(db, id);
        tx.Commit();
    }
    Cancel();
    Forget();
    Refresh();
    MoveToRowid(id);
}

void tTable::Cancel()
{
    state = tState::Browse;
    buffer.clear();
    pendingCompanion = nullptr;
}

void tTable::Delete()
{
    if (state != tState::Browse) {
        Cancel();
        return;
    }
    if (writeCheck) writeCheck();
    LoadCurrent();
    const std::ptrdiff_t at = pos;
    {
        tTransaction tx(db);
        db.Prepare("DELETE FROM " + Quoted(def.name) + " WHERE rowid = ?1").Bind(1, currentId).Step();
        if (deleteCompanion) deleteCompanion(db, currentId);
        tx.Commit();
    }
    Forget();
    pos = -1;  // nothing to keep
    Refresh();
    pos = std::min<std::ptrdiff_t>(at, static_cast<std::ptrdiff_t>(rows.size()));
    if (pos == static_cast<std::ptrdiff_t>(rows.size()) && pos > 0) --pos;
}

void tTable::DeleteVisible()
{
    if (writeCheck) writeCheck();
    {
        tTransaction tx(db);
        tStatement st = db.Prepare("DELETE FROM " + Quoted(def.name) + Where());
        if (filter) st.BindAll(filter->params);
        st.Step();
        if (deleteCompanion) deleteCompanion(db, -1);
        tx.Commit();
    }
    pos = -1;
    Refresh();
}

void tTable::EmptyTable()
{
    if (writeCheck) writeCheck();
    {
        tTransaction tx(db);
        db.Exec(Cat({"DELETE FROM ", Quoted(def.name)}));
        if (deleteCompanion) deleteCompanion(db, -1);
        tx.Commit();
    }
    pos = -1;
    Refresh();
}

bool tTable::Locate(const std::vector<std::string>& fields, const std::vector<tSqlValue>& values,
                    tLocateOptions options)
{
    if (fields.size() != values.size() || fields.empty()) throw tStorageError(def.name + ": locate needs one value per field");
    std::string where = filter ? Cat({"(", filter->where, ")"}) : std::string();
    std::vector<tSqlValue> params = filter ? filter->params : std::vector<tSqlValue>{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const tColumnDef& c = Column(fields[i]);
        if (!where.empty()) where += " AND ";
        params.push_back(values[i]);
        const std::string mark = Cat({"?", std::to_string(params.size())});
        const bool text = c.kind == tFieldKind::Text && std::holds_alternative<std::string>(values[i]);
        if (text && options.partialKey) {
            // Prefix by range, not LIKE: no wildcard in the value can widen it.
            const std::string collate = options.caseInsensitive ? " COLLATE QNOCASE" : "";
            where += Cat({"substr(", Quoted(c.name), ", 1, length(", mark, ")) = ", mark, collate});
        } else {
            where += Cat({Quoted(c.name), " = ", mark, text && options.caseInsensitive ? " COLLATE QNOCASE" : ""});
        }
    }
    tStatement q = db.Prepare("SELECT rowid FROM " + Quoted(def.name) + " WHERE " + where + OrderBy() + " LIMIT 1");
    q.BindAll(params);
    if (!q.Step()) return false;
    MoveToRowid(q.Int(0));
    return true;
}

}  // namespace quintara
