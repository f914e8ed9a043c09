// Opening the registry file: only a regular file, never blocking, checked for damage before the
// first value is believed; and the statements that read and write it.
#include <sqlite3.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/registry.h"
#include "platform/text.h"

namespace {

constexpr const char* kSqlCreateTable =
    "CREATE TABLE IF NOT EXISTS registry("
    "key TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE, "
    "type INTEGER NOT NULL, value, PRIMARY KEY(key, name))";
constexpr const char* kWrite =
    "INSERT INTO registry(key, name, type, value) VALUES(?1, ?2, ?3, ?4) "
    "ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, value = excluded.value";
constexpr const char* kRead = "SELECT type, value FROM registry WHERE key = ?1 AND name = ?2";

// SQLITE_ROW, SQLITE_DONE or the error. Waits out a lock the busy handler does not cover (SQLite
// gives up at once where waiting could deadlock; the statement then has to be run again), within
// the registry's bound.
int StepWithin(CSqliteStatement& stmt)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(CRegistry::kBusyWaitMs);
    for (;;) {
        if (stmt.Step())
            return SQLITE_ROW;
        const int rc = stmt.Failed() ? stmt.ErrorCode() : SQLITE_DONE;
        if (!IsSqliteBusy(rc) || std::chrono::steady_clock::now() >= deadline)
            return rc;
        stmt.Reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// Within the registry's bound on waiting for another program's lock.
int IntegrityCheck(sqlite3* db, bool& bOk)
{
    sqlite3_busy_timeout(db, CRegistry::kBusyWaitMs);
    return SqliteIntegrityCheck(db, bOk);
}

bool IsNoTable(sqlite3* db)
{
    return std::strstr(sqlite3_errmsg(db), "no such table") != nullptr;
}

// A URI that opens the file without ever writing it, not even SQLite's shared-memory index: for a
// WAL file in a folder where that index cannot be made.
std::string ImmutableUri(const std::filesystem::path& path)
{
    std::string uri = "file:";
    for (unsigned char c : path.string()) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
            uri += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            uri += hex;
        }
    }
    return uri + "?immutable=1";
}

// SQLITE_OK and bOurs when the file is empty or holds our table and nothing else, or the error.
int SqlIsOurs(sqlite3* db, bool& bOurs)
{
    bOurs = false;
    CSqliteStatement stmt(db, "SELECT (SELECT count(*) FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"
                              " AND name <> 'registry'), (SELECT group_concat(name, ',') FROM"
                              " (SELECT name FROM pragma_table_info('registry') ORDER BY cid))");
    const int rc = StepWithin(stmt);
    if (rc != SQLITE_ROW)
        return rc;
    // Without a registry table the list is empty: an empty database is ours to fill.
    const std::string strColumns = stmt.Text(1);
    bOurs = stmt.Int(0) == 0 && (strColumns.empty() || strColumns == "key,name,type,value");
    return SQLITE_OK;
}

}  // namespace

EStoreTrouble CRegistry::TroubleOfWriteError(int rc)
{
    // A file that turns out unreadable while being written was damaged, whatever SQLite calls it.
    return (rc & 0xFF) == SQLITE_NOTADB ? EStoreTrouble::Damaged : TroubleOfSqliteError(rc);
}

int CRegistry::ReadFromFile(const std::wstring& strKey, const std::wstring& strName, CRegValue& value)
{
    sqlite3_busy_timeout(m_db, kBusyWaitMs);
    CSqliteStatement stmt(m_db, kRead);
    if (!stmt.IsValid())
        return IsNoTable(m_db) ? SQLITE_DONE : stmt.ErrorCode();
    if (!stmt.Bind(1, EncodeUtf8(strKey)) || !stmt.Bind(2, EncodeUtf8(strName)))
        return SQLITE_NOMEM;
    const int rc = StepWithin(stmt);
    if (rc != SQLITE_ROW)
        return rc;
    const int nType = static_cast<int>(stmt.Int(0));
    if (nType == CRegValue::kDword && stmt.Type(1) == SQLITE_INTEGER) {
        // Anything that fits 32 bits, signed or not, keeps its bit pattern; -1 and 0xFFFFFFFF are one value.
        const std::int64_t n = stmt.Int(1);
        if (n < INT32_MIN || n > static_cast<std::int64_t>(UINT32_MAX))
            return SQLITE_DONE;
        value = CRegValue::Dword(static_cast<std::uint32_t>(n));
        return SQLITE_ROW;
    }
    if (nType == CRegValue::kString && stmt.Type(1) == SQLITE_TEXT) {
        value = CRegValue::String(DecodeBytes(stmt.Text(1)));
        return SQLITE_ROW;
    }
    return SQLITE_DONE;
}

int CRegistry::WriteAll(const std::vector<CRegEntry>& aEntries, int nBusyWaitMs)
{
    int rc = SqliteExec(m_db, kSqlCreateTable, nBusyWaitMs);
    for (std::size_t i = 0; rc == SQLITE_OK && i < aEntries.size(); ++i) {
        const CRegEntry& e = aEntries[i];
        CSqliteStatement stmt(m_db, kWrite);
        const bool bBound = stmt.Bind(1, EncodeUtf8(e.strKey)) && stmt.Bind(2, EncodeUtf8(e.strName))
                            && stmt.Bind(3, e.value.nType)
                            && (e.value.nType == CRegValue::kString ? stmt.Bind(4, EncodeUtf8(e.value.str))
                                                                    : stmt.Bind(4, static_cast<std::int64_t>(e.value.dw)));
        rc = !stmt.IsValid() ? stmt.ErrorCode() : !bBound ? SQLITE_NOMEM : StepWithin(stmt);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    return rc;
}

// The file is looked at once per connection. A lock that keeps it from being checked leaves the
// registry unopened, and the next call tries again.
void CRegistry::EnsureOpen()
{
    if (m_mode != EMode::Unopened)
        return;
    // A FIFO, a device or a folder would block or mislead SQLite, and SQLite takes a very short
    // file for an empty database and writes over it: only a regular file that is empty or starts
    // with SQLite's own header is opened.
    const EStoreFile kind = InspectStoreFile(m_path);
    if (kind == EStoreFile::Absent) {
        m_mode = EMode::Absent;
        return;
    }
    if (kind != EStoreFile::Usable) {
        m_trouble = TroubleOfFile(kind);
        m_mode = EMode::Unreadable;
        return;
    }
    OpenExisting();
}

void CRegistry::OpenExisting()
{
    // Everything is read and checked before anything is written, even the journal mode: a file
    // that proves damaged or foreign later must not have been touched by then.
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(m_path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    bool bOk = false;
    if (rc == SQLITE_OK)
        rc = IntegrityCheck(db, bOk);
    EStoreTrouble cannotWrite = EStoreTrouble::None;
    const int nClass = rc & 0xFF;
    if (nClass == SQLITE_CANTOPEN || nClass == SQLITE_READONLY || nClass == SQLITE_IOERR || nClass == SQLITE_FULL) {
        // A WAL file in a folder that cannot be written, or on a full disk where SQLite cannot
        // make its shared-memory index: read it as it stands, and keep this session's values.
        cannotWrite = nClass == SQLITE_CANTOPEN ? EStoreTrouble::ReadOnly : TroubleOfSqliteError(rc);
        if (cannotWrite == EStoreTrouble::CannotWrite)
            cannotWrite = EStoreTrouble::DiskFull;
        sqlite3_close_v2(db);
        db = nullptr;
        rc = sqlite3_open_v2(ImmutableUri(m_path).c_str(), &db,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc == SQLITE_OK)
            rc = IntegrityCheck(db, bOk);
    }
    bool bOurs = false;
    if (rc == SQLITE_OK && bOk)
        rc = SqlIsOurs(db, bOurs);
    if (IsSqliteBusy(rc)) {
        sqlite3_close_v2(db);
        NoteBusy(rc);
        return;  // still unopened: the next call looks again
    }
    if (rc != SQLITE_OK || !bOk || !bOurs) {
        sqlite3_close_v2(db);
        m_trouble = (rc == SQLITE_OK && bOk) ? EStoreTrouble::Foreign
                    : (rc & 0xFF) == SQLITE_NOTADB ? EStoreTrouble::NotADatabase
                    : (rc == SQLITE_OK || (rc & 0xFF) == SQLITE_CORRUPT) ? EStoreTrouble::Damaged
                                                                          : EStoreTrouble::NoAccess;
        m_mode = EMode::Unreadable;
        return;
    }
    m_db = db;
    if (cannotWrite != EStoreTrouble::None || sqlite3_db_readonly(db, "main") != 0) {
        m_trouble = cannotWrite != EStoreTrouble::None ? cannotWrite : EStoreTrouble::ReadOnly;
        m_mode = EMode::ReadOnly;
        return;
    }
    m_mode = EMode::ReadWrite;
    UseWriteAheadLog(db, kBusyWaitMs);
}

void CRegistry::CreateFile()
{
    std::error_code ec;
    if (m_path.has_parent_path())
        std::filesystem::create_directories(m_path.parent_path(), ec);
    sqlite3* db = nullptr;
    int rc = ec ? SQLITE_CANTOPEN
                : sqlite3_open_v2(m_path.c_str(), &db,
                                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK && sqlite3_db_readonly(db, "main") != 0)
        rc = SQLITE_READONLY;
    // The table comes with the first write, in its transaction: a commit fewer on a first start.
    if (rc == SQLITE_OK)
        rc = UseWriteAheadLog(db, kBusyWaitMs);
    if (rc != SQLITE_OK && !IsSqliteBusy(rc)) {
        sqlite3_close_v2(db);
        m_mode = EMode::Unreadable;
        GiveUpWriting(TroubleOfWriteError(rc));
        return;
    }
    m_db = db;
    m_mode = EMode::ReadWrite;
}
