#include "core/data/sqlite_db.h"

#include <cmath>

#include <sqlite3.h>

#include "core/data/text_collation.h"

namespace quintara {
namespace {

std::string FileOf(sqlite3* db)
{
    const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
    return name && *name ? name : "the table file";
}

// The storage's result code in words that name the file.
[[noreturn]] void Throw(sqlite3* db, const std::string& what)
{
    if (!db) throw tStorageError(what + ": out of memory");
    const int code = sqlite3_extended_errcode(db) & 0xFF;
    const std::string file = FileOf(db);
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw tStorageError("another program is using " + file + " (it stayed locked for " +
                                std::to_string(kBusyWaitMs / 1000) + " s); nothing was written",
                            tStorageFault::kBusy);
    case SQLITE_FULL:
        throw tStorageError("the disk is full: " + file + " could not be written; nothing was written",
                            tStorageFault::kFull);
    case SQLITE_READONLY:
        throw tStorageError(file + " is read-only; nothing was written", tStorageFault::kReadOnly);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw tStorageError(file + " is damaged or is not a table file (" + sqlite3_errmsg(db) + ")",
                            tStorageFault::kDamaged);
    case SQLITE_IOERR:
        throw tStorageError(file + " could not be read or written (input/output error)",
                            tStorageFault::kInputOutput);
    case SQLITE_CANTOPEN:
        throw tStorageError("cannot open " + file, tStorageFault::kCannotOpen);
    default:
        throw tStorageError(file + ": " + what + ": " + sqlite3_errmsg(db));
    }
}

}  // namespace

tStatement::tStatement(sqlite3* d, const std::string& sql) : db(d)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
        // The statement is ours, not the user's: the message says what failed.
        Throw(db, "cannot read the table");
}

tStatement::~tStatement() { sqlite3_finalize(stmt); }

tStatement& tStatement::Bind(int index, const tSqlValue& value)
{
    int rc;
    if (const auto* n = std::get_if<std::int64_t>(&value)) rc = sqlite3_bind_int64(stmt, index, *n);
    else if (const auto* x = std::get_if<double>(&value)) rc = sqlite3_bind_double(stmt, index, *x);
    else {
        const std::string& t = std::get<std::string>(value);
        rc = sqlite3_bind_text(stmt, index, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) Throw(db, "cannot bind value " + std::to_string(index));
    return *this;
}

tStatement& tStatement::BindAll(const std::vector<tSqlValue>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i) + 1, values[i]);
    return *this;
}

tStatement& tStatement::BindNull(int index)
{
    if (sqlite3_bind_null(stmt, index) != SQLITE_OK) Throw(db, "cannot bind value " + std::to_string(index));
    return *this;
}

bool tStatement::Step()
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Throw(db, "cannot run statement");
}

void tStatement::Reset()
{
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
}

int tStatement::ColumnCount() const { return sqlite3_column_count(stmt); }
bool tStatement::IsNull(int c) const { return sqlite3_column_type(stmt, c) == SQLITE_NULL; }
std::int64_t tStatement::Int(int c) const { return sqlite3_column_int64(stmt, c); }
double tStatement::Real(int c) const { return sqlite3_column_double(stmt, c); }

std::string tStatement::Text(int c) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt, c))) : std::string();
}

tDatabase::tDatabase(const std::string& p, bool create) : path(p)
{
    // One connection is used by one thread at a time: no mutex per call.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        const int code = db ? sqlite3_errcode(db) : SQLITE_NOMEM;
        sqlite3_close(db);
        db = nullptr;
        throw tStorageError("cannot open " + path + ": " + message,
                            code == SQLITE_CANTOPEN ? tStorageFault::kCannotOpen : tStorageFault::kOther);
    }
    sqlite3_busy_timeout(db, kBusyWaitMs);
    const auto compare = [](void*, int n1, const void* s1, int n2, const void* s2) {
        return CompareNoCase({static_cast<const char*>(s1), static_cast<std::size_t>(n1)},
                             {static_cast<const char*>(s2), static_cast<std::size_t>(n2)});
    };
    const auto base = [](void*, int n1, const void* s1, int n2, const void* s2) {
        return CompareBase({static_cast<const char*>(s1), static_cast<std::size_t>(n1)},
                           {static_cast<const char*>(s2), static_cast<std::size_t>(n2)});
    };
    if (sqlite3_create_collation_v2(db, kNoCaseCollation, SQLITE_UTF8, nullptr, compare, nullptr) != SQLITE_OK ||
        sqlite3_create_collation_v2(db, kBaseLetterCollation, SQLITE_UTF8, nullptr, base, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        db = nullptr;
        throw tStorageError("cannot prepare " + path + ": " + message);
    }
    sqlite3_extended_result_codes(db, 1);
}

tDatabase::~tDatabase() { sqlite3_close_v2(db); }

void tDatabase::DefineFunction(const char* name, int arguments, double (*f)(const double* args, int count))
{
    const auto call = [](sqlite3_context* ctx, int n, sqlite3_value** values) {
        const auto fn = reinterpret_cast<double (*)(const double*, int)>(sqlite3_user_data(ctx));
        double args[8] = {};
        for (int i = 0; i < n && i < 8; ++i) {
            if (sqlite3_value_type(values[i]) == SQLITE_NULL) return sqlite3_result_null(ctx);
            args[i] = sqlite3_value_double(values[i]);
        }
        const double v = fn(args, n);
        if (std::isnan(v)) sqlite3_result_null(ctx);
        else sqlite3_result_double(ctx, v);
    };
    if (arguments < 0 || arguments > 8 ||
        sqlite3_create_function_v2(db, name, arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   reinterpret_cast<void*>(f), call, nullptr, nullptr, nullptr) != SQLITE_OK)
        Throw(db, "cannot prepare a query function");
}

void tDatabase::Exec(const std::string& sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Throw(db, "cannot change the table");
}

int tDatabase::Changes() const { return sqlite3_changes(db); }

std::int64_t tDatabase::TotalChanges() const { return sqlite3_total_changes64(db); }

std::int64_t tDatabase::DataVersion()
{
    tStatement q = Prepare("PRAGMA data_version");
    return q.Step() ? q.Int(0) : -1;
}

std::int64_t tDatabase::LastInsertId() const { return sqlite3_last_insert_rowid(db); }

tTransaction::tTransaction(tDatabase& d) : db(d) { db.Exec("BEGIN IMMEDIATE"); }

tTransaction::~tTransaction()
{
    if (done) return;
    try {
        db.Exec("ROLLBACK");
    } catch (const tStorageError&) {
        // Nothing more can be done in a destructor; SQLite rolls back on close.
    }
}

void tTransaction::Commit()
{
    db.Exec("COMMIT");
    done = true;
}

}  // namespace quintara
