// The figures the Statistics window and the command line show, for one skill and either every set
// or one: read from the game log in one pass over that skill's rows, in the order they were
// written, and worked out here, apart from any query.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/game_log.h"

// Tries of a solved word are counted 1 to 14 one by one, and 15 or more together.
constexpr int kTriesBuckets = 15;
constexpr int kFinalScoresKept = 30;

struct CWordStats {
    // Every word that left play except one abandoned before its first guess: that one was
    // handed out but never played.
    int nPlayed = 0;
    int nSolved = 0;
    // Of those, the words the player asked for a hint on.
    int nPlayedWithHint = 0;
    int nSolvedWithHint = 0;
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
    static int TriesBucketOf(int nTries) { return (nTries >= kTriesBuckets ? kTriesBuckets : std::max(nTries, 1)) - 1; }
};

// What the figures need of one row.
struct CLoggedWord {
    EWordEnd eEnd = EWordEnd::Solved;
    int nGuesses = 0;
    int nSeconds = 0;
    bool bEndsGame = false;   // the last word of a Time Trial game
    int nScore = 0;
    bool bHinted = false;
};

// The figures of these words, oldest first.
CWordStats ComputeWordStats(const std::vector<CLoggedWord>& aWords);

// False when the log cannot be read (the reason in log.Db().LastError()); an absent log gives zeros.
bool ReadWordStats(CGameLog& log, int nSkill, const std::optional<std::wstring>& strSet, CWordStats& stats);
