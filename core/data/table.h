// One table of a database file, used the way the program's dialogs and the
// data module use their tables: an index order, an optional filter, a
// current row moved by First/Next/Prior/Last, and Insert/Edit/Post/Delete
// of that row. Every Post and Delete is its own transaction.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/data/filter_expression.h"
#include "core/data/sqlite_db.h"

namespace quintara {

struct tColumnDef {
    std::string name;
    tFieldKind kind = tFieldKind::Text;
    bool autoIncrement = false;  // at most one; receives its value at Post
    std::size_t length = 0;      // text: characters kept by Set (0: no limit)
};

struct tIndexDef {
    std::string name;                 // e.g. "Names"
    std::vector<std::string> fields;  // key order
    bool noCase = false;  // text fields ordered (and indexed) ignoring case
};

struct tTableDef {
    std::string name;
    std::vector<tColumnDef> columns;
    std::vector<tIndexDef> indexes;
};

struct tLocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false;  // a text key value matches rows that start with it
};

class tTable {
public:
    // Creates the table and its indexes in db when missing.
    tTable(tDatabase& db, tTableDef def);

    const tTableDef& Def() const { return def; }

    // Rows in the order of a named index, or of the given fields; "" for
    // the order of insertion. Throws tStorageError for an unknown name.
    void SetIndex(const std::string& indexName);
    void SetIndexFields(const std::vector<std::string>& fields);
    // Only rows satisfying the expression; throws tStorageError with the
    // parser's message when it is malformed.
    // more: fields beyond the columns (other names, computed values), asked first.
    void SetFilter(const std::string& text, bool caseInsensitive, const std::string& dateFormat = "dd/mm/yyyy",
                   const tFieldLookup& more = {});
    void ClearFilter();
    // Re-reads which rows are visible (after writes by someone else).
    void Refresh();
    // Why the last Refresh could not list every row (a damaged file): the
    // rows before the damage are visible. Empty when all were listed.
    const std::string& ReadProblem() const { return readProblem; }

    // Run before every change to the table (Insert, Edit, Post, Delete and
    // the bulk deletes); it throws to refuse the change.
    void SetWriteCheck(std::function<void()> check) { writeCheck = std::move(check); }

    // Rows of another table that belong to a row (a chart's points), kept in
    // the row's own transaction: `withRow` runs once, in the next Post's
    // transaction, with the row's rowid (an Insert or Edit ending otherwise
    // drops it); `withDelete` in every Delete's, with -1 after the bulk
    // deletes (every row of the other table whose row is gone).
    using tCompanion = std::function<void(tDatabase&, std::int64_t rowid)>;
    void SetPendingCompanion(tCompanion withRow) { pendingCompanion = std::move(withRow); }
    void SetDeleteCompanion(tCompanion withDelete) { deleteCompanion = std::move(withDelete); }

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return pos >= static_cast<std::ptrdiff_t>(rows.size()); }
    bool Bof() const { return pos <= 0; }
    int RecordCount() const { return static_cast<int>(rows.size()); }
    bool Empty() const { return rows.empty(); }
    // The current row's place in the visiting order, and a move to a place
    // (clamped); for grids that read the rows they show.
    int Position() const { return static_cast<int>(pos); }
    void GoTo(int position);
    // The current row's identity, stable across orders and filters (-1 for
    // none), and a move to the row of one; false when it is not visible.
    std::int64_t RowId() const;
    bool GoToRowId(std::int64_t id);

    // Fields of the current row (or of the row being edited).
    bool IsNull(const std::string& field) const;
    std::int64_t Int(const std::string& field) const;
    double Real(const std::string& field) const;
    std::string Text(const std::string& field) const;
    // The same, with a value for an empty (null) field.
    std::int64_t IntOr(const std::string& field, std::int64_t fallback = 0) const;
    double RealOr(const std::string& field, double fallback = 0) const;
    std::string TextOr(const std::string& field, const std::string& fallback = {}) const;

    void Insert();
    void Edit();
    void Set(const std::string& field, const tSqlValue& value);
    void SetNull(const std::string& field);
    // Writes the inserted or edited row in one transaction; the current row
    // is then that row (when the filter shows it). A refused write throws
    // and ends the insert or edit as Cancel does, the position kept.
    void Post();
    void Cancel();
    void Delete();
    bool Editing() const { return state != tState::Browse; }

    // Moves to the first row, in the current order and under the filter,
    // whose fields equal the values; false (position kept) when none.
    bool Locate(const std::vector<std::string>& fields, const std::vector<tSqlValue>& values,
                tLocateOptions options = {});

    // Deletes every row the filter shows (all rows without a filter).
    void DeleteVisible();
    // Deletes every row, filter or not ("Zap"; emptying the table).
    void EmptyTable();

private:
    void Write();  // Post's work
    void DropOwnCollationIndexes();
    enum class tState { Browse, Insert, Edit };
    using tRow = std::map<std::string, std::optional<tSqlValue>>;  // by column name

    const tColumnDef& Column(const std::string& field) const;
    std::size_t ColumnIndex(const std::string& field) const;
    std::string Quoted(const std::string& column) const;
    std::string Where() const;
    void SetOrder(const std::vector<std::string>& fields, bool noCase);
    std::string OrderBy() const;
    void LoadCurrent() const;
    const std::optional<tSqlValue>& Value(const std::string& field) const;
    // Reads there come from the row being inserted or edited.
    bool AtEditedRow() const;
    void MoveToRowid(std::int64_t rowid);

    tDatabase& db;
    tTableDef def;
    std::function<void()> writeCheck;
    tCompanion pendingCompanion, deleteCompanion;
    std::string readProblem;
    std::vector<std::string> order;
    bool orderNoCase = false;
    std::optional<tSqlFilter> filter;
    std::vector<std::int64_t> rows;  // visible rowids in order
    // What rows was read with, and the file's state then.
    struct tListed {
        std::string sql;
        std::vector<tSqlValue> params;
        std::int64_t version = -1, changes = -1;
    } listed;
    std::ptrdiff_t pos = 0;
    tState state = tState::Browse;
    tRow buffer;               // the row being inserted or edited
    // Where the insert began and the row an edit writes: reading other rows
    // or a refresh meanwhile must not move the edit to another row.
    std::ptrdiff_t editPos = -1;
    std::int64_t editId = -1;
    // Rows are read a block at a time in visiting order: one statement per
    // block rather than per row. current points into the block.
    void Forget() const;
    mutable std::vector<std::int64_t> blockIds;
    mutable std::vector<std::vector<std::optional<tSqlValue>>> block;
    mutable const std::vector<std::optional<tSqlValue>>* current = nullptr;
    mutable std::int64_t currentId = -1;
    mutable std::unique_ptr<tStatement> rowQuery;
    std::unordered_map<std::string, std::size_t> columnByName;  // exact spelling
};

}  // namespace quintara
