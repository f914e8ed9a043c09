// The per-user registry on one SQLite file.
#include "platform/registry.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <thread>
#include <unistd.h>

#include "platform/text.h"

namespace {

constexpr int kTypeString = 1;
constexpr int kTypeDword = 4;
constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS registry("
    "key TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE, "
    "type INTEGER NOT NULL, value, PRIMARY KEY(key, name))";

// Upsert keeps the spelling a key or name was first written with, as a registry does.
constexpr const char* kWrite =
    "INSERT INTO registry(key, name, type, value) VALUES(?1, ?2, ?3, ?4) "
    "ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, value = excluded.value";

constexpr const char* kRead = "SELECT type, value FROM registry WHERE key = ?1 AND name = ?2";

// Not empty, no empty component: "a\\b" is a key, "a\\\\b", "\\a" and "a\\" are not.
bool IsWellFormedKey(const std::wstring& strKey)
{
    if (strKey.empty() || strKey.front() == L'\\' || strKey.back() == L'\\')
        return false;
    if (strKey.find(L"\\\\") != std::wstring::npos)
        return false;
    return strKey.find(L'\0') == std::wstring::npos;
}

// SQLite takes a very short file for an empty database and writes over it, so an existing file is
// only opened when it is empty or starts with SQLite's own header.
bool MayOpenExisting(const std::filesystem::path& path)
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

class CStatement {
public:
    CStatement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    ~CStatement() { sqlite3_finalize(m_stmt); }
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;

    bool IsValid() const { return m_stmt != nullptr; }
    sqlite3_stmt* Get() const { return m_stmt; }

    bool BindText(int nIndex, const std::string& str)
    {
        return sqlite3_bind_text(m_stmt, nIndex, str.data(), static_cast<int>(str.size()), SQLITE_TRANSIENT)
               == SQLITE_OK;
    }

    // Every statement here names one value by ?1 (key) and ?2 (value name).
    bool BindValueName(const std::wstring& strKey, const std::wstring& strName)
    {
        return IsValid() && BindText(1, EncodeUtf8(strKey)) && BindText(2, EncodeUtf8(strName));
    }

    // Steps a read to its row and checks that the value was stored with the type asked for.
    bool StepToValue(int nType, int nSqlType)
    {
        return Step() == SQLITE_ROW && sqlite3_column_int(m_stmt, 0) == nType
               && sqlite3_column_type(m_stmt, 1) == nSqlType;
    }

    // Steps once, waiting out a lock that the busy timeout alone does not cover (SQLite gives up
    // at once where waiting could deadlock; the statement then has to be run again).
    int Step()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
        for (;;) {
            const int rc = sqlite3_step(m_stmt);
            if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || std::chrono::steady_clock::now() >= deadline)
                return rc;
            sqlite3_reset(m_stmt);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

}  // namespace

CRegistry::CRegistry(std::filesystem::path file)
    : m_path(std::move(file))
{
}

CRegistry::~CRegistry()
{
    sqlite3_close_v2(m_db);
}

std::filesystem::path CRegistry::DefaultPath()
{
    std::filesystem::path base;
    // Relative values are to be ignored, as the base-directory convention says.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* pw = getpwuid(getuid());
            home = pw ? pw->pw_dir : nullptr;
        }
        base = std::filesystem::path(home && *home ? home : "/tmp") / ".config";
    }
    return base / "veltrane-quillorn" / "registry.db";
}

// Reads use whatever connection exists and never create the file; a write needs a connection that
// can write, with the table in place. A file that is not a database (SQLITE_NOTADB on the first
// statement), a read-only file or directory all end in false here, and nothing is rewritten:
// the file is only ever opened, never truncated or replaced.
bool CRegistry::Open(bool bForWrite)
{
    if (m_db && (m_bWritable || !bForWrite))
        return true;
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_bWritable = false;

    std::error_code ec;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (bForWrite) {
        if (m_path.has_parent_path())
            std::filesystem::create_directories(m_path.parent_path(), ec);
        // CREATE only when nothing is there: an existing but bad file must not be touched.
        if (!std::filesystem::exists(m_path, ec))
            flags |= SQLITE_OPEN_CREATE;
        else if (!MayOpenExisting(m_path))
            return false;
    } else if (!std::filesystem::is_regular_file(m_path, ec) || !MayOpenExisting(m_path)) {
        return false;
    }

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(m_path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return false;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);

    // Reading the schema makes SQLite look at the file's header now rather than later.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return false;
    }
    const bool bWritable = sqlite3_db_readonly(db, "main") == 0;
    if (bForWrite) {
        if (!bWritable || sqlite3_exec(db, kCreateTable, nullptr, nullptr, nullptr) != SQLITE_OK) {
            sqlite3_close_v2(db);
            return false;
        }
    }
    m_db = db;
    m_bWritable = bForWrite;
    return true;
}

// Keys exist implicitly through their values, so there is nothing to create; a store that cannot be
// written still hands out keys, and the game plays on with defaults.
bool CRegistry::CreateKey(const std::wstring& strKey)
{
    return IsWellFormedKey(strKey);
}

bool CRegistry::ReadDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t& dwValue)
{
    if (!IsWellFormedKey(strKey) || !Open(false))
        return false;
    CStatement stmt(m_db, kRead);
    if (!stmt.BindValueName(strKey, strName) || !stmt.StepToValue(kTypeDword, SQLITE_INTEGER))
        return false;
    // Anything that fits 32 bits, signed or not, keeps its bit pattern; -1 and 0xFFFFFFFF are one value.
    const sqlite3_int64 n = sqlite3_column_int64(stmt.Get(), 1);
    if (n < INT32_MIN || n > static_cast<sqlite3_int64>(UINT32_MAX))
        return false;
    dwValue = static_cast<std::uint32_t>(n);
    return true;
}

bool CRegistry::WriteDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t dwValue)
{
    if (!IsWellFormedKey(strKey) || !Open(true))
        return false;
    CStatement stmt(m_db, kWrite);
    if (!stmt.BindValueName(strKey, strName))
        return false;
    if (sqlite3_bind_int(stmt.Get(), 3, kTypeDword) != SQLITE_OK
        || sqlite3_bind_int64(stmt.Get(), 4, static_cast<sqlite3_int64>(dwValue)) != SQLITE_OK)
        return false;
    return stmt.Step() == SQLITE_DONE;
}

bool CRegistry::ReadString(const std::wstring& strKey, const std::wstring& strName, std::wstring& strValue)
{
    if (!IsWellFormedKey(strKey) || !Open(false))
        return false;
    CStatement stmt(m_db, kRead);
    if (!stmt.BindValueName(strKey, strName) || !stmt.StepToValue(kTypeString, SQLITE_TEXT))
        return false;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.Get(), 1));
    const int nBytes = sqlite3_column_bytes(stmt.Get(), 1);
    strValue = DecodeBytes(std::string_view(text ? text : "", static_cast<std::size_t>(nBytes)));
    return true;
}

bool CRegistry::WriteString(const std::wstring& strKey, const std::wstring& strName, const std::wstring& strValue)
{
    if (!IsWellFormedKey(strKey) || !Open(true))
        return false;
    CStatement stmt(m_db, kWrite);
    if (!stmt.BindValueName(strKey, strName) || !stmt.BindText(4, EncodeUtf8(strValue)))
        return false;
    if (sqlite3_bind_int(stmt.Get(), 3, kTypeString) != SQLITE_OK)
        return false;
    return stmt.Step() == SQLITE_DONE;
}

bool CRegKey::Create(CRegistry& registry, const std::wstring& strKey)
{
    Close();
    if (!registry.CreateKey(strKey))
        return false;
    m_pRegistry = &registry;
    m_strKey = strKey;
    return true;
}

bool CRegKey::QueryDWORDValue(const std::wstring& strName, std::uint32_t& dwValue) const
{
    return m_pRegistry && m_pRegistry->ReadDword(m_strKey, strName, dwValue);
}

bool CRegKey::SetDWORDValue(const std::wstring& strName, std::uint32_t dwValue) const
{
    return m_pRegistry && m_pRegistry->WriteDword(m_strKey, strName, dwValue);
}
