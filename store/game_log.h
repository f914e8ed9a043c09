// The game log: one row for every word that left play, in its own SQLite file under the player's
// data folder (it is the player's history, not a setting). The log is a convenience: a file that
// cannot be opened, is damaged, is another program's database, or comes from a newer game is left
// exactly as it is and simply not written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sqlite_db.h"

// How a word left play. The stored texts are what a person reading the table sees.
enum class EWordEnd : int { Solved = 0, GaveUp = 1, TimedOut = 2, Abandoned = 3 };
const char* WordEndText(EWordEnd how);

struct CGameLogEntry {
    std::int64_t nEndedUtc = 0;     // seconds since 1970, UTC
    std::wstring strSet;
    int nSkill = 0;
    std::wstring strWord;
    int nGuesses = 0;
    EWordEnd eEnd = EWordEnd::Solved;
    int nSeconds = 0;               // from the first guess to the end of the word
    bool bTimeTrial = false;
    int nLevel = 1;
    int nScore = 0;                 // the banked score once this word is settled
    bool bEndsGame = false;         // the last word of a Time Trial game: nScore is its final score
    bool bHinted = false;           // the player asked for a hint while the word was in play
};

class CGameLog {
public:
    // Schema versions: 0 is a file without our table (or no file); 1 is the first table; 2 adds
    // whether a hint was used.
    static constexpr int kSchemaVersion = 2;

    enum class EState {
        Closed,      // not opened yet, or the last open failed
        Absent,      // opened for reading, but no log has been written yet
        Writable,
        ReadOnly,    // readable but not ours to write: a newer schema, or a file we may not write
    };

    explicit CGameLog(std::filesystem::path file) : m_path(std::move(file)) {}

    // $XDG_DATA_HOME/veltrane-quillorn/games.db, or ~/.local/share/... when the variable is unset.
    static std::filesystem::path DefaultPath();
    const std::filesystem::path& File() const { return m_path; }

    // For writing: creates the file, or brings an older schema up to date in one transaction.
    // Writable on success; ReadOnly for a newer schema (refused); Closed when it cannot be used.
    EState OpenForWriting(int nBusyTimeoutMs) { return Open(true, nBusyTimeoutMs); }
    // For reading: Absent when there is no file, Closed when it cannot be read.
    EState OpenForReading(int nBusyTimeoutMs) { return Open(false, nBusyTimeoutMs); }
    EState State() const { return m_eState; }
    void Close()
    {
        m_db.Close();
        m_eState = EState::Closed;
    }
    // Why the last open or read failed, for the command line's message.
    const std::string& Error() const { return m_strError; }
    // Why the last open or Append failed (Locked: try again later), or why the log is only read.
    EStoreTrouble Trouble() const { return m_eTrouble; }

    // One transaction per entry; false when the log is not writable or the write failed.
    bool Append(const CGameLogEntry& entry);
    // Removes every row; deleted rows are overwritten, not merely unlinked.
    bool Clear();

    // Whether the rows say if a hint was used: not in a log of version 1, which is read as it is.
    bool HasHints() const { return m_bHasHints; }

    // The set names found in the log, sorted; empty when none or unreadable.
    std::vector<std::wstring> SetNames();

    CSqliteDb& Db() { return m_db; }

private:
    EState Open(bool bForWriting, int nBusyTimeoutMs);
    bool Migrate(int nFrom);
    void Fail(EStoreTrouble trouble, const std::string& strDetail = {});

    std::filesystem::path m_path;
    CSqliteDb m_db;
    EState m_eState = EState::Closed;
    std::string m_strError;
    EStoreTrouble m_eTrouble = EStoreTrouble::None;
    bool m_bHasHints = false;
};
