// SQLite files opened without risk to what they hold.
#include "platform/sqlite_db.h"

#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

// The first 16 bytes of every SQLite database, the closing NUL included.
constexpr char kSqliteHeader[] = "SQLite format 3";

int SqliteExec(sqlite3* db, const char* szSql, int nWaitMs)
{
    using CClock = std::chrono::steady_clock;
    const auto deadline = CClock::now() + std::chrono::milliseconds(nWaitMs);
    sqlite3_busy_handler(
        db,
        [](void* p, int) {
            if (CClock::now() >= *static_cast<const CClock::time_point*>(p))
                return 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return 1;
        },
        const_cast<CClock::time_point*>(&deadline));
    int rc = SQLITE_OK;
    // SQLite gives up at once where waiting could deadlock; the statement then has to be run again.
    for (;;) {
        rc = sqlite3_exec(db, szSql, nullptr, nullptr, nullptr);
        if (!IsSqliteBusy(rc) || CClock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    sqlite3_busy_timeout(db, nWaitMs);
    return rc;
}

int SqliteIntegrityCheck(sqlite3* db, bool& bOk)
{
    // The whole check, not the quick one: that one passes a file whose index has gone out of step
    // with its table, and every lookup by key then fails, or finds nothing, only later.
    CSqliteStatement stmt(db, "PRAGMA integrity_check(1)");
    bOk = false;
    if (stmt.Step()) {
        bOk = stmt.Text(0) == "ok";
        return SQLITE_OK;
    }
    return stmt.Failed() ? stmt.ErrorCode() : SQLITE_CORRUPT;
}

int UseWriteAheadLog(sqlite3* db, int nWaitMs)
{
    // Another program with the file open in the old journal mode keeps it there for now; that
    // costs waiting, not values.
    const int rc = SqliteExec(db, "PRAGMA journal_mode=WAL", nWaitMs);
    SqliteExec(db, "PRAGMA synchronous=FULL", nWaitMs);
    return rc;
}

CSqliteTransaction::CSqliteTransaction(sqlite3* db, int nWaitMs)
    : m_db(db), m_nWaitMs(nWaitMs), m_nError(db == nullptr ? SQLITE_MISUSE : SqliteExec(db, "BEGIN IMMEDIATE", nWaitMs))
{
    m_bOpen = m_nError == SQLITE_OK;
}

CSqliteTransaction::~CSqliteTransaction()
{
    if (m_bOpen)
        SqliteExec(m_db, "ROLLBACK", m_nWaitMs);
}

bool CSqliteTransaction::Commit()
{
    if (!m_bOpen)
        return false;
    m_nError = SqliteExec(m_db, "COMMIT", m_nWaitMs);
    m_bOpen = m_nError != SQLITE_OK;
    return !m_bOpen;
}

EStoreFile InspectStoreFile(const std::filesystem::path& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? EStoreFile::Absent : EStoreFile::NoAccess;
    if (!S_ISREG(st.st_mode))
        return EStoreFile::NotAFile;
    // Non-blocking, and checked again on the descriptor: the path may have been swapped for a FIFO
    // between the two looks.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return EStoreFile::NoAccess;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return EStoreFile::NotAFile;
    }
    char head[sizeof kSqliteHeader] = {};
    const ssize_t n = ::read(fd, head, sizeof head);
    ::close(fd);
    if (n == 0)
        return EStoreFile::Usable;
    if (n != static_cast<ssize_t>(sizeof head) || std::memcmp(head, kSqliteHeader, sizeof head) != 0)
        return EStoreFile::NotADatabase;
    return EStoreFile::Usable;
}

EStoreTrouble TroubleOfFile(EStoreFile kind)
{
    switch (kind) {
    case EStoreFile::Absent:
    case EStoreFile::Usable: return EStoreTrouble::None;
    case EStoreFile::NotAFile: return EStoreTrouble::NotAFile;
    case EStoreFile::NotADatabase: return EStoreTrouble::NotADatabase;
    case EStoreFile::NoAccess: return EStoreTrouble::NoAccess;
    }
    return EStoreTrouble::NoAccess;
}

bool IsSqliteBusy(int rc)
{
    return (rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED;
}

EStoreTrouble TroubleOfSqliteError(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_OK: return EStoreTrouble::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return EStoreTrouble::Locked;
    case SQLITE_READONLY:
    case SQLITE_PERM: return EStoreTrouble::ReadOnly;
    case SQLITE_FULL: return EStoreTrouble::DiskFull;
    case SQLITE_CORRUPT: return EStoreTrouble::Damaged;
    case SQLITE_NOTADB: return EStoreTrouble::NotADatabase;
    case SQLITE_CANTOPEN: return EStoreTrouble::NoAccess;
    default: break;
    }
    // An I/O error writing is most often a full disk; SQLite names the writes it could not do.
    if (rc == SQLITE_IOERR_WRITE || rc == SQLITE_IOERR_FSYNC || rc == SQLITE_IOERR_SHMSIZE || rc == SQLITE_IOERR_TRUNCATE)
        return EStoreTrouble::DiskFull;
    return EStoreTrouble::CannotWrite;
}

CSqliteDb::~CSqliteDb()
{
    Close();
}

void CSqliteDb::Close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool CSqliteDb::Open(const std::filesystem::path& file, EOpen mode, int nBusyTimeoutMs)
{
    Close();
    m_eTrouble = EStoreTrouble::None;
    int flags = SQLITE_OPEN_NOMUTEX;
    const EStoreFile kind = InspectStoreFile(file);
    if (kind == EStoreFile::Absent && mode == EOpen::ReadWrite) {
        // CREATE only when nothing is there: an existing but foreign file must not be touched.
        std::error_code ec;
        if (file.has_parent_path())
            std::filesystem::create_directories(file.parent_path(), ec);
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    } else if (kind != EStoreFile::Usable) {
        m_eTrouble = kind == EStoreFile::Absent ? EStoreTrouble::NoAccess : TroubleOfFile(kind);
        return false;
    } else {
        flags |= mode == EOpen::ReadWrite ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    }

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, nBusyTimeoutMs);
        // Reading the schema makes SQLite look at the header now, and waits out a lock held elsewhere.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    // A damaged file stays exactly as it is: nothing is written into it.
    if (rc == SQLITE_OK && mode == EOpen::ReadWrite) {
        bool bOk = false;
        rc = SqliteIntegrityCheck(db, bOk);
        if (rc == SQLITE_OK && !bOk)
            rc = SQLITE_CORRUPT;
    }
    if (rc != SQLITE_OK) {
        m_eTrouble = TroubleOfSqliteError(rc);
        if (m_eTrouble == EStoreTrouble::CannotWrite || m_eTrouble == EStoreTrouble::DiskFull)
            m_eTrouble = EStoreTrouble::NoAccess;  // nothing was written yet: it could not be read
        sqlite3_close_v2(db);
        return false;
    }
    m_db = db;
    m_nBusyTimeoutMs = nBusyTimeoutMs;
    return true;
}

bool CSqliteDb::IsReadOnly() const
{
    return m_db == nullptr || sqlite3_db_readonly(m_db, "main") != 0;
}

bool CSqliteDb::Exec(const char* szSql)
{
    return m_db != nullptr && sqlite3_exec(m_db, szSql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

int CSqliteDb::UserVersion()
{
    CSqliteStatement stmt(*this, "PRAGMA user_version");
    if (!stmt.Step())
        return -1;
    return static_cast<int>(stmt.Int(0));
}

bool CSqliteDb::SchemaNames(std::vector<std::string>& astrNames)
{
    astrNames.clear();
    CSqliteStatement stmt(*this, "SELECT name FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    while (stmt.Step())
        astrNames.push_back(stmt.Text(0));
    return stmt.IsValid() && !stmt.Failed();
}

std::vector<std::string> CSqliteDb::ColumnNames(const std::string& strTable)
{
    std::vector<std::string> astr;
    CSqliteStatement stmt(*this, "SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    stmt.Bind(1, strTable);
    while (stmt.Step())
        astr.push_back(stmt.Text(0));
    return astr;
}

std::string CSqliteDb::LastError() const
{
    return m_db != nullptr ? sqlite3_errmsg(m_db) : "not open";
}

int CSqliteDb::LastErrorCode() const
{
    return m_db != nullptr ? sqlite3_extended_errcode(m_db) : SQLITE_CANTOPEN;
}

CSqliteStatement::CSqliteStatement(sqlite3* db, const char* szSql)
{
    m_nError = db == nullptr ? SQLITE_MISUSE : sqlite3_prepare_v2(db, szSql, -1, &m_stmt, nullptr);
    if (m_nError != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        m_bFailed = true;
    }
}

CSqliteStatement::~CSqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

bool CSqliteStatement::Bind(int nIndex, std::int64_t nValue)
{
    return m_stmt != nullptr && sqlite3_bind_int64(m_stmt, nIndex, nValue) == SQLITE_OK;
}

bool CSqliteStatement::Bind(int nIndex, const std::string& strUtf8)
{
    return m_stmt != nullptr &&
           sqlite3_bind_text(m_stmt, nIndex, strUtf8.data(), static_cast<int>(strUtf8.size()), SQLITE_TRANSIENT) ==
               SQLITE_OK;
}

bool CSqliteStatement::BindNull(int nIndex)
{
    return m_stmt != nullptr && sqlite3_bind_null(m_stmt, nIndex) == SQLITE_OK;
}

bool CSqliteStatement::Step()
{
    if (m_stmt == nullptr || m_bFailed)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    m_bFailed = rc != SQLITE_DONE;
    m_nError = m_bFailed ? rc : SQLITE_OK;
    return false;
}

bool CSqliteStatement::Run()
{
    while (Step()) {
    }
    return !m_bFailed;
}

void CSqliteStatement::Reset()
{
    if (m_stmt == nullptr)
        return;
    sqlite3_reset(m_stmt);
    m_bFailed = false;
    m_nError = SQLITE_OK;
}

int CSqliteStatement::Type(int nColumn) const
{
    return sqlite3_column_type(m_stmt, nColumn);
}

std::int64_t CSqliteStatement::Int(int nColumn) const
{
    return sqlite3_column_int64(m_stmt, nColumn);
}

std::string CSqliteStatement::Text(int nColumn) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, nColumn));
    const int nBytes = sqlite3_column_bytes(m_stmt, nColumn);
    return std::string(text ? text : "", static_cast<std::size_t>(nBytes));
}
