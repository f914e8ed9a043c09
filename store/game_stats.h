// The figures the Statistics window and the command line show, read from the game log for one
// skill and either every set or one. All of the arithmetic is done by the queries, so the same
// texts run in the sqlite3 shell give the same answers (the benchmark does exactly that).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class CGameLog;

// Tries of a solved word are counted 1 to 14 one by one, and 15 or more together.
constexpr int kTriesBuckets = 15;

struct CWordStats {
    // Every word that left play except one abandoned before its first guess: that one was
    // handed out but never played.
    int nPlayed = 0;
    int nSolved = 0;
    // A streak of solved words is broken by a word given up, timed out, or abandoned after
    // its first guess.
    int nCurrentStreak = 0;
    int nBestStreak = 0;
    std::array<int, kTriesBuckets> anTries{};   // [0] one try ... [14] fifteen or more
    int nLastSolvedTries = 0;                   // 0 when nothing has been solved
    bool bHasTimes = false;                     // the two times below mean something
    double dMedianSeconds = 0;                  // of solved words
    int nBestSeconds = 0;
    int nTimeTrialGames = 0;
    int nBestFinalScore = 0;
    std::vector<int> anFinalScores;             // of the last 30 Time Trial games, oldest first

    int SolvedPercent() const;                  // rounded; 0 when nothing was played
    int TriesBucketOf(int nTries) const { return (nTries >= kTriesBuckets ? kTriesBuckets : nTries) - 1; }
};

constexpr int kFinalScoresKept = 30;

// The statements, in the order ReadWordStats runs them, each with ?1 the skill and ?2 the set
// name, or NULL for every set.
const std::vector<const char*>& WordStatsQueries();

// False when the log cannot be read (the reason in log.Db().LastError()); an absent log gives zeros.
bool ReadWordStats(CGameLog& log, int nSkill, const std::optional<std::wstring>& strSet, CWordStats& stats);
