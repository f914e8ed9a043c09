// Statistics over the game log: one indexed pass, then the arithmetic.
#include "store/game_stats.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/text.h"

namespace {

// Served from the index alone, in id order (see the schema). A log of the first version is read
// as it is: no word of it had a hint.
std::string WordsOfSkill(bool bHasHints)
{
    return std::string("SELECT outcome, guesses, seconds, time_trial AND ends_game, score, ")
           + (bHasHints ? "hinted" : "0") + " FROM games WHERE skill = ?1 AND (?2 IS NULL OR set_name = ?2) ORDER BY id";
}

EWordEnd WordEndFromText(const std::string& str)
{
    for (EWordEnd how : {EWordEnd::Solved, EWordEnd::GaveUp, EWordEnd::TimedOut})
        if (str == WordEndText(how))
            return how;
    return EWordEnd::Abandoned;
}

}  // namespace

int CWordStats::SolvedPercent() const
{
    if (nPlayed <= 0)
        return 0;
    return static_cast<int>(std::lround(100.0 * nSolved / nPlayed));
}

CWordStats ComputeWordStats(const std::vector<CLoggedWord>& aWords)
{
    CWordStats s;
    std::vector<int> anSeconds;
    int nRun = 0;
    for (const CLoggedWord& w : aWords) {
        // Quitting at the start of a level still ends the Time Trial game it belonged to.
        if (w.bEndsGame) {
            ++s.nTimeTrialGames;
            s.nBestFinalScore = s.nTimeTrialGames == 1 ? w.nScore : std::max(s.nBestFinalScore, w.nScore);
            s.anFinalScores.push_back(w.nScore);
        }
        if (w.eEnd == EWordEnd::Abandoned && w.nGuesses == 0)
            continue;
        ++s.nPlayed;
        s.nPlayedWithHint += w.bHinted ? 1 : 0;
        if (w.eEnd != EWordEnd::Solved) {
            nRun = 0;
            continue;
        }
        ++s.nSolved;
        s.nSolvedWithHint += w.bHinted ? 1 : 0;
        s.nBestStreak = std::max(s.nBestStreak, ++nRun);
        ++s.anTries[static_cast<std::size_t>(CWordStats::TriesBucketOf(w.nGuesses))];
        s.nLastSolvedTries = w.nGuesses;
        anSeconds.push_back(w.nSeconds);
    }
    s.nCurrentStreak = nRun;

    if (!anSeconds.empty()) {
        // The middle time, or the mean of the two middle ones for an even count.
        std::sort(anSeconds.begin(), anSeconds.end());
        const std::size_t n = anSeconds.size();
        s.bHasTimes = true;
        s.nBestSeconds = anSeconds.front();
        s.dMedianSeconds = (static_cast<double>(anSeconds[(n - 1) / 2]) + anSeconds[n / 2]) / 2;
    }
    if (s.anFinalScores.size() > static_cast<std::size_t>(kFinalScoresKept))
        s.anFinalScores.erase(s.anFinalScores.begin(), s.anFinalScores.end() - kFinalScoresKept);
    return s;
}

bool ReadWordStats(CGameLog& log, int nSkill, const std::optional<std::wstring>& strSet, CWordStats& stats)
{
    stats = CWordStats();
    if (log.State() == CGameLog::EState::Absent)
        return true;
    if (log.State() == CGameLog::EState::Closed)
        return false;

    CSqliteStatement stmt(log.Db(), WordsOfSkill(log.HasHints()).c_str());
    if (!stmt.Bind(1, nSkill) || !(strSet ? stmt.Bind(2, EncodeUtf8(*strSet)) : stmt.BindNull(2)))
        return false;
    std::vector<CLoggedWord> aWords;
    while (stmt.Step()) {
        CLoggedWord w;
        w.eEnd = WordEndFromText(stmt.Text(0));
        w.nGuesses = static_cast<int>(stmt.Int(1));
        w.nSeconds = static_cast<int>(stmt.Int(2));
        w.bEndsGame = stmt.Int(3) != 0;
        w.nScore = static_cast<int>(stmt.Int(4));
        w.bHinted = stmt.Int(5) != 0;
        aWords.push_back(w);
    }
    if (stmt.Failed())
        return false;
    stats = ComputeWordStats(aWords);
    return true;
}
