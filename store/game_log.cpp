// The game log's file: its schema, how an older one is brought up to date, and writing a row.
#include "store/game_log.h"

#include <algorithm>
#include <ctime>
#include <span>
#include <system_error>

#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"

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

// Version 2: whether a hint was used. Rows of version 1 were played before there were hints. The
// statistics index gains the column, so it keeps serving the figures on its own.
constexpr const char* kSchemaV2 =
    "ALTER TABLE games ADD COLUMN hinted INTEGER NOT NULL DEFAULT 0;"
    "DROP INDEX IF EXISTS games_for_statistics;"
    "CREATE INDEX games_for_statistics"
    " ON games(skill, id, set_name, outcome, guesses, seconds, time_trial, ends_game, score, hinted);";

constexpr const char* kInsert =
    "INSERT INTO games(ended_utc, set_name, skill, word, guesses, outcome, seconds, time_trial, level, score,"
    " ends_game, hinted) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)";

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

// Whether the file holds our table, and nothing but our table and indexes.
bool IsOurSchemaOnly(const std::vector<std::string>& astrNames, const std::vector<std::string>& astrColumns, int nVersion)
{
    static const std::vector<std::string> kObjects = {"games", "games_for_statistics", "games_by_set"};
    // Version 1 has the first twelve columns, version 2 all of them.
    static const std::vector<std::string> kColumns = {"id",      "ended_utc", "set_name",   "skill", "word",
                                                      "guesses", "outcome",   "seconds",    "time_trial",
                                                      "level",   "score",     "ends_game",  "hinted"};
    const auto isOurs = [](const std::string& strName) { return std::ranges::count(kObjects, strName) != 0; };
    return std::ranges::all_of(astrNames, isOurs)
           && std::ranges::equal(astrColumns, std::span(kColumns).first(nVersion == 1 ? 12 : kColumns.size()));
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

std::filesystem::path CGameLog::DefaultPath()
{
    return UserDataDirectory() / "games.db";
}

void CGameLog::Fail(EStoreTrouble trouble, const std::string& strDetail)
{
    m_eTrouble = trouble;
    switch (trouble) {
    case EStoreTrouble::Locked: m_strError = TrUtf8("busy: another program holds it locked"); break;
    case EStoreTrouble::NotAFile: m_strError = TrUtf8("not a regular file"); break;
    case EStoreTrouble::NotADatabase: m_strError = TrUtf8("not a SQLite database"); break;
    case EStoreTrouble::Foreign: m_strError = TrUtf8("another program's database, not a game log"); break;
    case EStoreTrouble::Damaged: m_strError = TrUtf8("the file is damaged"); break;
    case EStoreTrouble::NoAccess: m_strError = TrUtf8("the file cannot be opened"); break;
    default: m_strError = TrUtf8("the file cannot be used"); break;
    }
    if (!strDetail.empty())
        m_strError += ": " + strDetail;
    m_eState = EState::Closed;
    m_db.Close();
}

CGameLog::EState CGameLog::Open(bool bForWriting, int nBusyTimeoutMs)
{
    m_strError.clear();
    m_eTrouble = EStoreTrouble::None;
    if (!bForWriting && InspectStoreFile(m_path) == EStoreFile::Absent) {
        m_db.Close();
        return m_eState = EState::Absent;
    }
    if (!m_db.Open(m_path, bForWriting ? CSqliteDb::EOpen::ReadWrite : CSqliteDb::EOpen::ReadOnly, nBusyTimeoutMs)) {
        Fail(m_db.Trouble());
        return m_eState;
    }
    const int nVersion = m_db.UserVersion();
    std::vector<std::string> astrNames;
    if (nVersion < 0 || !m_db.SchemaNames(astrNames)) {
        Fail(TroubleOfSqliteError(m_db.LastErrorCode()), m_db.LastError());
        return m_eState;
    }
    // A version-0 file without any table is as good as no log, and ours to fill. Anything else must
    // be our own log; another program's database is left as it is, its journal mode included.
    const bool bEmpty = nVersion == 0 && astrNames.empty();
    if (bEmpty && !bForWriting)
        return m_eState = EState::Absent;
    const std::vector<std::string> astrColumns = m_db.ColumnNames("games");
    const bool bOurs = std::find(astrNames.begin(), astrNames.end(), "games") != astrNames.end()
                       && (nVersion > kSchemaVersion || IsOurSchemaOnly(astrNames, astrColumns, nVersion))
                       && (nVersion >= 1 || !bForWriting);
    if (!bEmpty && !bOurs) {
        Fail(EStoreTrouble::Foreign);
        return m_eState;
    }
    // A newer game's log is read, never written: its rows may mean more than we know.
    if (!bForWriting || nVersion > kSchemaVersion || m_db.IsReadOnly()) {
        // A newer game's log may have moved on; the column is what counts, not the version.
        m_bHasHints = std::find(astrColumns.begin(), astrColumns.end(), "hinted") != astrColumns.end();
        if (bForWriting)
            m_eTrouble = EStoreTrouble::ReadOnly;
        return m_eState = EState::ReadOnly;
    }
    if (nVersion < kSchemaVersion && !Migrate(nVersion)) {
        Fail(TroubleOfSqliteError(m_db.LastErrorCode()), Fill(TrUtf8("cannot bring the log up to date: %1"), {m_db.LastError()}));
        return m_eState;
    }
    m_bHasHints = true;
    return m_eState = EState::Writable;
}

bool CGameLog::Migrate(int nFrom)
{
    // One step per version; each runs in the same transaction, so a failure leaves the old schema.
    CSqliteTransaction txn(m_db.Handle(), m_db.BusyTimeoutMs());
    if (!txn.IsHeld())
        return false;
    bool bOk = true;
    if (nFrom < 1)
        bOk = m_db.Exec(kSchemaV1);
    if (bOk && nFrom < 2)
        bOk = m_db.Exec(kSchemaV2);
    if (!bOk || !m_db.Exec("PRAGMA user_version = 2") || !txn.Commit())
        return false;
    UseWriteAheadLog(m_db.Handle(), m_db.BusyTimeoutMs());
    return true;
}

bool CGameLog::Append(const CGameLogEntry& entry)
{
    if (m_eState != EState::Writable)
        return false;
    m_eTrouble = EStoreTrouble::None;
    CSqliteTransaction txn(m_db.Handle(), m_db.BusyTimeoutMs());
    if (!txn.IsHeld()) {
        m_eTrouble = TroubleOfSqliteError(txn.ErrorCode());
        return false;
    }
    CSqliteStatement stmt(m_db, kInsert);
    const bool bOk = stmt.Bind(1, UtcText(entry.nEndedUtc)) && stmt.Bind(2, EncodeUtf8(entry.strSet)) &&
                     stmt.Bind(3, entry.nSkill) && stmt.Bind(4, EncodeUtf8(entry.strWord)) &&
                     stmt.Bind(5, entry.nGuesses) && stmt.Bind(6, std::string(WordEndText(entry.eEnd))) &&
                     stmt.Bind(7, entry.nSeconds) && stmt.Bind(8, entry.bTimeTrial ? 1 : 0) &&
                     stmt.Bind(9, entry.nLevel) && stmt.Bind(10, entry.nScore) &&
                     stmt.Bind(11, entry.bEndsGame ? 1 : 0) && stmt.Bind(12, entry.bHinted ? 1 : 0) && stmt.Run();
    if (bOk && txn.Commit())
        return true;
    const int rc = !bOk ? (stmt.ErrorCode() != 0 ? stmt.ErrorCode() : m_db.LastErrorCode()) : txn.ErrorCode();
    m_eTrouble = TroubleOfSqliteError(rc);
    if (m_eTrouble == EStoreTrouble::None)
        m_eTrouble = EStoreTrouble::CannotWrite;
    return false;
}

bool CGameLog::Clear()
{
    if (m_eState != EState::Writable)
        return false;
    // What the player asked to forget does not linger in free pages.
    m_db.Exec("PRAGMA secure_delete = ON");
    {
        CSqliteTransaction txn(m_db.Handle(), m_db.BusyTimeoutMs());
        if (!txn.IsHeld() || !m_db.Exec("DELETE FROM games") || !txn.Commit())
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
