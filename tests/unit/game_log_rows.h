// The game log as a test sees it: rows read straight from the file with SQLite itself (not through
// the code under test), and hand-made logs written entry by entry.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "store/game_log.h"
#include "store/game_log_writer.h"

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
};

// Every row of the file in id order; empty when the file or table is missing.
inline std::vector<CLogRow> ReadLogRows(const std::filesystem::path& file)
{
    std::vector<CLogRow> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT ended_utc, set_name, word, outcome, skill, guesses, seconds, time_trial, level,"
                           " score, ends_game FROM games ORDER BY id",
                           -1, &st, nullptr) == SQLITE_OK) {
        auto text = [&](int i) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            return std::string(p ? p : "");
        };
        while (sqlite3_step(st) == SQLITE_ROW) {
            CLogRow r;
            r.strEnded = text(0);
            r.strSet = text(1);
            r.strWord = text(2);
            r.strOutcome = text(3);
            r.nSkill = sqlite3_column_int(st, 4);
            r.nGuesses = sqlite3_column_int(st, 5);
            r.nSeconds = sqlite3_column_int(st, 6);
            r.nTimeTrial = sqlite3_column_int(st, 7);
            r.nLevel = sqlite3_column_int(st, 8);
            r.nScore = sqlite3_column_int(st, 9);
            r.nEndsGame = sqlite3_column_int(st, 10);
            rows.push_back(r);
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

inline std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
