// The game log as a test sees it: rows read straight from the file with SQLite itself (not through
// the code under test), and hand-made logs written entry by entry.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "store/game_log.h"
#include "store/game_log_writer.h"
#include "test_platform_temp_dir.h"
#include "test_sqlite_file.h"

// Waits until the writer has nothing left waiting, up to the deadline, through a lock too: the
// writer's own Flush gives up at once while a lock holds its oldest entry. True when so.
inline bool WaitUntilWritten(CGameLogWriter& writer, std::chrono::milliseconds maxWait)
{
    const auto deadline = std::chrono::steady_clock::now() + maxWait;
    while (!writer.Flush(std::chrono::milliseconds(50))) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

struct CLogRow {
    std::string strEnded, strSet, strWord, strOutcome;
    int nSkill = 0, nGuesses = 0, nSeconds = 0, nTimeTrial = 0, nLevel = 0, nScore = 0, nEndsGame = 0;
    bool operator==(const CLogRow&) const = default;
};

// Every row of the file in id order; empty when the file or table is missing.
inline std::vector<CLogRow> ReadLogRows(const std::filesystem::path& file)
{
    std::vector<CLogRow> rows;
    for (const std::vector<std::string>& c :
         SqlRows(file, "SELECT ended_utc, set_name, word, outcome, skill, guesses, seconds, time_trial, level,"
                       " score, ends_game FROM games ORDER BY id")) {
        rows.push_back({c[0], c[1], c[2], c[3], std::stoi(c[4]), std::stoi(c[5]), std::stoi(c[6]), std::stoi(c[7]),
                        std::stoi(c[8]), std::stoi(c[9]), std::stoi(c[10])});
    }
    return rows;
}

// A hand-made entry: the fields a statistic looks at, the rest plain.
inline CGameLogEntry LogEntry(EWordEnd how, int nGuesses, int nSeconds = 60, const std::wstring& strSet = L"Standard",
                              int nSkill = 0)
{
    CGameLogEntry e;
    e.nEndedUtc = 1800000000;
    e.strSet = strSet;
    e.nSkill = nSkill;
    e.strWord = L"PLANT";
    e.nGuesses = nGuesses;
    e.eEnd = how;
    e.nSeconds = nSeconds;
    return e;
}

// A Time Trial game's last word, with its final score.
inline CGameLogEntry FinalWord(int nScore, const std::wstring& strSet = L"Standard", int nSkill = 0)
{
    CGameLogEntry e = LogEntry(EWordEnd::GaveUp, 3, 100, strSet, nSkill);
    e.bTimeTrial = true;
    e.nScore = nScore;
    e.bEndsGame = true;
    return e;
}

// A log at file holding these entries after what it held, written through the game's own log.
inline ::testing::AssertionResult WriteLog(const std::filesystem::path& file,
                                           const std::vector<CGameLogEntry>& aEntries)
{
    CGameLog log(file);
    if (log.OpenForWriting(100) != CGameLog::EState::Writable)
        return ::testing::AssertionFailure() << "cannot write " << file;
    for (const CGameLogEntry& e : aEntries) {
        if (!log.Append(e))
            return ::testing::AssertionFailure() << "cannot append to " << file;
    }
    return ::testing::AssertionSuccess();
}
