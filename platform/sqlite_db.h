// A SQLite database file handled with care, for stores that keep the player's data: an existing
// file that is not a database is never opened (SQLite would take a short file for an empty database
// and write over it), a damaged one is never written, and nothing throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Why a store's values are not (all) being kept; None while they are. Each cause has its own
// words for the player.
enum class EStoreTrouble {
    None,
    Locked,        // another program holds the file locked
    ReadOnly,      // the file or its folder may not be written
    DiskFull,      // the disk has no room for the write
    NoAccess,      // the file cannot be opened at all
    NotADatabase,  // a file of some other kind
    Foreign,       // another program's database
    Damaged,
    NotAFile,      // a folder, a FIFO, a device
    CannotWrite,   // any other write error
};

// What lies at a store's path, looked at without ever blocking (a FIFO would hang a plain open).
enum class EStoreFile { Absent, Usable, NotAFile, NotADatabase, NoAccess };
// Usable: a regular file that is empty or starts with SQLite's own header.
EStoreFile InspectStoreFile(const std::filesystem::path& file);
EStoreTrouble TroubleOfFile(EStoreFile kind);
// The trouble behind a failed SQLite call's result code.
EStoreTrouble TroubleOfSqliteError(int rc);
bool IsSqliteBusy(int rc);

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
    // fails the integrity check; Trouble() then says why.
    bool Open(const std::filesystem::path& file, EOpen mode, int nBusyTimeoutMs);
    EStoreTrouble Trouble() const { return m_eTrouble; }
    void Close();
    // A connection opened for writing on a file the process may not write is read-only.
    bool IsReadOnly() const;

    bool Exec(const char* szSql);
    // PRAGMA user_version, or -1 when it cannot be read.
    int UserVersion();
    // The names of the tables, indexes, views and triggers the file holds, SQLite's own left out;
    // false when the schema cannot be read.
    bool SchemaNames(std::vector<std::string>& astrNames);
    // The column names of a table, in order; empty when there is no such table.
    std::vector<std::string> ColumnNames(const std::string& strTable);
    std::string LastError() const;
    int LastErrorCode() const;

    sqlite3* Handle() const { return m_db; }
    int BusyTimeoutMs() const { return m_nBusyTimeoutMs; }

private:
    sqlite3* m_db = nullptr;
    int m_nBusyTimeoutMs = 0;
    EStoreTrouble m_eTrouble = EStoreTrouble::None;
};

// One prepared statement; binding and reading by column index, both from 1 and 0 as SQLite counts.
class CSqliteStatement {
public:
    CSqliteStatement(sqlite3* db, const char* szSql);
    CSqliteStatement(const CSqliteDb& db, const char* szSql) : CSqliteStatement(db.Handle(), szSql) {}
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
    // The result code of the failed step (or prepare), or SQLITE_OK.
    int ErrorCode() const { return m_nError; }
    // Back to before the first step, to run it again; the bindings stay.
    void Reset();

    std::int64_t Int(int nColumn) const;
    std::string Text(int nColumn) const;
    // SQLITE_INTEGER, SQLITE_TEXT, ... as the value is stored.
    int Type(int nColumn) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_bFailed = false;
    int m_nError = 0;
};

// Statements without results, waiting out another connection's lock for up to nWaitMs, asked
// every millisecond (SQLite's own timeout backs off to long sleeps and sleeps through the short
// gaps between another copy's writes). SQLITE_OK or the error; the connection's busy timeout is
// nWaitMs afterwards.
int SqliteExec(sqlite3* db, const char* szSql, int nWaitMs);
// "PRAGMA integrity_check": SQLITE_OK and bOk, or the error that kept it from running.
int SqliteIntegrityCheck(sqlite3* db, bool& bOk);
// Readers then never wait for a writer, and every commit is on the disk when it returns. The
// journal-mode switch's result: on a new file it is the first write.
int UseWriteAheadLog(sqlite3* db, int nWaitMs);

// One write transaction: BEGIN IMMEDIATE when made (waiting up to nWaitMs for the write lock),
// rolled back when it goes unless committed.
class CSqliteTransaction {
public:
    CSqliteTransaction(sqlite3* db, int nWaitMs);
    ~CSqliteTransaction();
    CSqliteTransaction(const CSqliteTransaction&) = delete;
    CSqliteTransaction& operator=(const CSqliteTransaction&) = delete;

    // When not held, ErrorCode() says why (busy: another program writes).
    bool IsHeld() const { return m_bOpen; }
    // False when it did not land (ErrorCode() says why); it is then rolled back when the guard goes.
    bool Commit();
    int ErrorCode() const { return m_nError; }

private:
    sqlite3* m_db;
    int m_nWaitMs;
    int m_nError;
    bool m_bOpen = false;
};
