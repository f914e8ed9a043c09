// The game log's file: its schema, how an older one is brought up to date, and writing a row.
#include "store/game_log.h"

#include <ctime>
#include <system_error>

#include "platform/text.h"

namespace {

// Version 1. The statistics read one skill's rows in the order they were written; the first index
// holds them in that order with every column the figures need, so the table itself is never
// visited. The second lists the set names.
constexpr const char* kSchemaV1 =
    "CREATE TABLE IF NOT EXISTS games("
    " id INTEGER PRIMARY KEY,"
    " ended_utc TEXT NOT NULL,"
    " set_name TEXT NOT NULL,"
    " skill INTEGER NOT NULL,"
    " word TEXT NOT NULL,"
    " guesses INTEGER NOT NULL,"
    " outcome TEXT NOT NULL CHECK(outcome IN ('solved', 'gave up', 'timed out', 'abandoned')),"
    " seconds INTEGER NOT NULL,"
    " time_trial INTEGER NOT NULL,"
    " level INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " ends_game INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX IF NOT EXISTS games_for_statistics"
    " ON games(skill, id, set_name, outcome, guesses, seconds, time_trial, ends_game, score);"
    "CREATE INDEX IF NOT EXISTS games_by_set ON games(set_name);";

constexpr const char* kInsert =
    "INSERT INTO games(ended_utc, set_name, skill, word, guesses, outcome, seconds, time_trial, level, score,"
    " ends_game) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)";

// SQLite's own date-time text, so the column works with its date functions.
std::string UtcText(std::int64_t nSeconds)
{
    const std::time_t t = static_cast<std::time_t>(nSeconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

}  // namespace

const char* WordEndText(EWordEnd how)
{
    switch (how) {
    case EWordEnd::Solved: return "solved";
    case EWordEnd::GaveUp: return "gave up";
    case EWordEnd::TimedOut: return "timed out";
    case EWordEnd::Abandoned: return "abandoned";
    }
    return "abandoned";
}

CGameLog::CGameLog(std::filesystem::path file)
    : m_path(std::move(file))
{
}

std::filesystem::path CGameLog::DefaultPath()
{
    return XdgBaseDirectory("XDG_DATA_HOME", std::filesystem::path(".local") / "share") / "veltrane-quillorn" /
           "games.db";
}

void CGameLog::Fail(const std::string& strWhy)
{
    m_strError = strWhy;
    m_eState = EState::Closed;
    m_db.Close();
}

CGameLog::EState CGameLog::OpenForWriting(int nBusyTimeoutMs)
{
    m_strError.clear();
    if (!m_db.Open(m_path, CSqliteDb::EOpen::ReadWrite, nBusyTimeoutMs)) {
        Fail("not a readable, undamaged SQLite database");
        return m_eState;
    }
    const int nVersion = m_db.UserVersion();
    if (nVersion < 0) {
        Fail(m_db.LastError());
        return m_eState;
    }
    // A newer game's log is read, never written: its rows may mean more than we know.
    if (nVersion > kSchemaVersion || m_db.IsReadOnly()) {
        m_eState = EState::ReadOnly;
        return m_eState;
    }
    if (nVersion < kSchemaVersion && !Migrate(nVersion)) {
        Fail("cannot bring the log up to date: " + m_db.LastError());
        return m_eState;
    }
    m_eState = EState::Writable;
    return m_eState;
}

CGameLog::EState CGameLog::OpenForReading(int nBusyTimeoutMs)
{
    m_strError.clear();
    std::error_code ec;
    if (!std::filesystem::exists(m_path, ec) && !ec) {
        m_db.Close();
        m_eState = EState::Absent;
        return m_eState;
    }
    if (!m_db.Open(m_path, CSqliteDb::EOpen::ReadOnly, nBusyTimeoutMs)) {
        Fail("not a readable SQLite database");
        return m_eState;
    }
    const int nVersion = m_db.UserVersion();
    if (nVersion < 0) {
        Fail(m_db.LastError());
        return m_eState;
    }
    // A version-0 file has no table yet: as good as no log.
    m_eState = nVersion == 0 ? EState::Absent : EState::ReadOnly;
    return m_eState;
}

bool CGameLog::Migrate(int nFrom)
{
    // One step per version; each runs in the same transaction, so a failure leaves the old schema.
    if (!m_db.Exec("BEGIN IMMEDIATE"))
        return false;
    bool bOk = true;
    if (nFrom < 1)
        bOk = m_db.Exec(kSchemaV1);
    bOk = bOk && m_db.Exec("PRAGMA user_version = 1");
    if (!bOk) {
        m_db.Exec("ROLLBACK");
        return false;
    }
    if (!m_db.Exec("COMMIT")) {
        m_db.Exec("ROLLBACK");
        return false;
    }
    // Readers never wait for the writer, and the writer does not wait for readers.
    m_db.Exec("PRAGMA journal_mode = WAL");
    return true;
}

bool CGameLog::Append(const CGameLogEntry& entry)
{
    if (m_eState != EState::Writable)
        return false;
    if (!m_db.Exec("BEGIN IMMEDIATE"))
        return false;
    CSqliteStatement stmt(m_db, kInsert);
    const bool bOk = stmt.Bind(1, UtcText(entry.nEndedUtc)) && stmt.Bind(2, EncodeUtf8(entry.strSet)) &&
                     stmt.Bind(3, entry.nSkill) && stmt.Bind(4, EncodeUtf8(entry.strWord)) &&
                     stmt.Bind(5, entry.nGuesses) && stmt.Bind(6, std::string(WordEndText(entry.eEnd))) &&
                     stmt.Bind(7, entry.nSeconds) && stmt.Bind(8, entry.bTimeTrial ? 1 : 0) &&
                     stmt.Bind(9, entry.nLevel) && stmt.Bind(10, entry.nScore) &&
                     stmt.Bind(11, entry.bEndsGame ? 1 : 0) && stmt.Run();
    if (!bOk || !m_db.Exec("COMMIT")) {
        m_db.Exec("ROLLBACK");
        return false;
    }
    return true;
}

bool CGameLog::Clear()
{
    if (m_eState != EState::Writable)
        return false;
    // What the player asked to forget does not linger in free pages.
    m_db.Exec("PRAGMA secure_delete = ON");
    if (!m_db.Exec("BEGIN IMMEDIATE"))
        return false;
    if (!m_db.Exec("DELETE FROM games") || !m_db.Exec("COMMIT")) {
        m_db.Exec("ROLLBACK");
        return false;
    }
    // The write-ahead log still holds the old pages until a checkpoint folds it in.
    m_db.Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    return true;
}

std::vector<std::wstring> CGameLog::SetNames()
{
    std::vector<std::wstring> astr;
    if (m_eState != EState::Writable && m_eState != EState::ReadOnly)
        return astr;
    // From one name to the next through the index: a handful of lookups however long the log.
    CSqliteStatement stmt(m_db,
                          "WITH RECURSIVE names(name) AS (SELECT min(set_name) FROM games UNION ALL"
                          " SELECT (SELECT min(set_name) FROM games WHERE set_name > name) FROM names"
                          " WHERE name IS NOT NULL) SELECT name FROM names WHERE name IS NOT NULL");
    while (stmt.Step())
        astr.push_back(DecodeBytes(stmt.Text(0)));
    return astr;
}
