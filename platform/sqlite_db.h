// A SQLite database file handled with care, for stores that keep the player's data: an existing
// file that is not a database is never opened (SQLite would take a short file for an empty database
// and write over it), a damaged one is never written, and nothing throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class CSqliteDb {
public:
    enum class EOpen {
        ReadOnly,    // the file must exist; nothing is created
        ReadWrite,   // the file and its folder are created when absent
    };

    CSqliteDb() = default;
    ~CSqliteDb();
    CSqliteDb(const CSqliteDb&) = delete;
    CSqliteDb& operator=(const CSqliteDb&) = delete;

    // False when the file cannot be opened as asked, is not a SQLite database, or (for writing)
    // fails SQLite's quick integrity check. nBusyTimeoutMs is how long a statement waits out
    // another connection's lock.
    bool Open(const std::filesystem::path& file, EOpen mode, int nBusyTimeoutMs);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    // A connection opened for writing on a file the process may not write is read-only.
    bool IsReadOnly() const;

    // Statements without results; false at the first failure.
    bool Exec(const char* szSql);
    // PRAGMA user_version, or -1 when it cannot be read.
    int UserVersion();
    std::string LastError() const;

    sqlite3* Handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// One prepared statement; binding and reading by column index, both from 1 and 0 as SQLite counts.
class CSqliteStatement {
public:
    CSqliteStatement(const CSqliteDb& db, const char* szSql);
    ~CSqliteStatement();
    CSqliteStatement(const CSqliteStatement&) = delete;
    CSqliteStatement& operator=(const CSqliteStatement&) = delete;

    bool IsValid() const { return m_stmt != nullptr; }

    bool Bind(int nIndex, std::int64_t nValue);
    bool Bind(int nIndex, const std::string& strUtf8);
    bool BindNull(int nIndex);

    // True while there is a row; false at the end and on an error (Failed() tells which).
    bool Step();
    // Runs to the end; true when it finished without an error.
    bool Run();
    bool Failed() const { return m_bFailed; }
    void Reset();

    bool IsNull(int nColumn) const;
    std::int64_t Int(int nColumn) const;
    double Double(int nColumn) const;
    std::string Text(int nColumn) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_bFailed = false;
};

// The path under a base directory of the XDG convention: the variable when it holds an absolute
// path, otherwise the home directory's fallback folder (".config", ".local/share").
std::filesystem::path XdgBaseDirectory(const char* szVariable, const std::filesystem::path& fallbackUnderHome);
