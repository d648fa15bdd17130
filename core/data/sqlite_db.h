// A thin owner of one SQLite database file: statements with bound values
// and transactions that either commit whole or leave the file as it was.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/filter_expression.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quintara {

// What kind of failure a storage error is: callers decide on it (a busy
// file is tried again later, only a damaged one is called damaged).
enum class tStorageFault { kOther, kBusy, kFull, kReadOnly, kDamaged, kInputOutput, kCannotOpen };

// Failures of the storage (missing file, locked, full disk, bad SQL). The
// text is in the user's words and names the file; no SQL in it.
class tStorageError : public std::runtime_error {
public:
    explicit tStorageError(const std::string& what, tStorageFault kind = tStorageFault::kOther)
        : std::runtime_error(what), fault(kind)
    {
    }
    tStorageFault Fault() const { return fault; }

private:
    tStorageFault fault;
};

// How long a statement waits for another program's lock before giving up.
inline constexpr int kBusyWaitMs = 5000;

class tStatement {
public:
    tStatement(sqlite3* db, const std::string& sql);
    ~tStatement();
    tStatement(const tStatement&) = delete;
    tStatement& operator=(const tStatement&) = delete;

    tStatement& Bind(int index, const tSqlValue& value);  // 1-based
    tStatement& BindAll(const std::vector<tSqlValue>& values);
    tStatement& BindNull(int index);
    // Steps once: true while a row is there.
    bool Step();
    void Reset();

    int ColumnCount() const;
    bool IsNull(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;

private:
    sqlite3* db;
    sqlite3_stmt* stmt = nullptr;
};

class tDatabase {
public:
    // Opens (create: or creates) the file. Throws tStorageError.
    tDatabase(const std::string& path, bool create);
    ~tDatabase();
    tDatabase(const tDatabase&) = delete;
    tDatabase& operator=(const tDatabase&) = delete;

    void Exec(const std::string& sql);
    // A function of real numbers that queries on this connection may call
    // (never a stored schema: other tools would not know it). A NaN
    // result is NULL.
    void DefineFunction(const char* name, int arguments, double (*f)(const double* args, int count));
    tStatement Prepare(const std::string& sql) { return tStatement(db, sql); }
    std::int64_t LastInsertId() const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int Changes() const;
    // Together they tell whether anything was written since last asked:
    // the count of this connection's changes, and a number that moves when
    // another connection (or process) commits.
    std::int64_t TotalChanges() const;
    std::int64_t DataVersion();
    sqlite3* Handle() { return db; }
    const std::string& Path() const { return path; }

private:
    sqlite3* db = nullptr;
    std::string path;
};

// Commits at Commit(); rolls back if destroyed before (an exception, an
// early return), so a failed write leaves nothing half done.
class tTransaction {
public:
    explicit tTransaction(tDatabase& db);
    ~tTransaction();
    void Commit();
    tTransaction(const tTransaction&) = delete;
    tTransaction& operator=(const tTransaction&) = delete;

private:
    tDatabase& db;
    bool done = false;
};

}  // namespace quintara
