// SQLite files opened without risk to what they hold.
#include "platform/sqlite_db.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace {

// Empty, or starting with SQLite's own header: anything else is someone's data, not ours to open.
bool LooksLikeSqliteFile(const std::filesystem::path& path)
{
    static constexpr char kHeader[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char head[sizeof kHeader] = {};
    const std::size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    return n == 0 || (n == sizeof head && std::memcmp(head, kHeader, sizeof head) == 0);
}

bool QuickCheckPasses(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return false;
    }
    bool bOk = false;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        bOk = text != nullptr && std::strcmp(text, "ok") == 0;
    }
    sqlite3_finalize(stmt);
    return bOk;
}

}  // namespace

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
    std::error_code ec;
    int flags = SQLITE_OPEN_NOMUTEX;
    if (mode == EOpen::ReadWrite) {
        flags |= SQLITE_OPEN_READWRITE;
        if (file.has_parent_path())
            std::filesystem::create_directories(file.parent_path(), ec);
        // CREATE only when nothing is there: an existing but foreign file must not be touched.
        if (!std::filesystem::exists(file, ec))
            flags |= SQLITE_OPEN_CREATE;
        else if (!LooksLikeSqliteFile(file))
            return false;
    } else {
        flags |= SQLITE_OPEN_READONLY;
        if (!std::filesystem::is_regular_file(file, ec) || !LooksLikeSqliteFile(file))
            return false;
    }

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return false;
    }
    sqlite3_busy_timeout(db, nBusyTimeoutMs);
    // Reading the schema makes SQLite look at the header now, and waits out a lock held elsewhere.
    bool bOk = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK;
    // A damaged file stays exactly as it is: nothing is written into it.
    if (bOk && mode == EOpen::ReadWrite)
        bOk = QuickCheckPasses(db);
    if (!bOk) {
        sqlite3_close_v2(db);
        return false;
    }
    m_db = db;
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

std::string CSqliteDb::LastError() const
{
    return m_db != nullptr ? sqlite3_errmsg(m_db) : "not open";
}

CSqliteStatement::CSqliteStatement(const CSqliteDb& db, const char* szSql)
{
    if (db.Handle() == nullptr || sqlite3_prepare_v2(db.Handle(), szSql, -1, &m_stmt, nullptr) != SQLITE_OK) {
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
    if (m_stmt != nullptr) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        m_bFailed = false;
    }
}

bool CSqliteStatement::IsNull(int nColumn) const
{
    return sqlite3_column_type(m_stmt, nColumn) == SQLITE_NULL;
}

std::int64_t CSqliteStatement::Int(int nColumn) const
{
    return sqlite3_column_int64(m_stmt, nColumn);
}

double CSqliteStatement::Double(int nColumn) const
{
    return sqlite3_column_double(m_stmt, nColumn);
}

std::string CSqliteStatement::Text(int nColumn) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, nColumn));
    const int nBytes = sqlite3_column_bytes(m_stmt, nColumn);
    return std::string(text ? text : "", static_cast<std::size_t>(nBytes));
}

std::filesystem::path XdgBaseDirectory(const char* szVariable, const std::filesystem::path& fallbackUnderHome)
{
    // Relative values are to be ignored, as the base-directory convention says.
    const char* value = std::getenv(szVariable);
    if (value != nullptr && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* pw = getpwuid(getuid());
        home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    return std::filesystem::path(home != nullptr && *home != '\0' ? home : "/tmp") / fallbackUnderHome;
}
