// The statistics queries over the game log.
#include "store/game_stats.h"

#include <cmath>

#include "platform/text.h"
#include "store/game_log.h"

namespace {

// Every query is one skill, and one set or all (?2 NULL). "Played" leaves out a word abandoned
// before its first guess, which is neither a try nor a break of a streak.
#define VQ_ROWS "FROM games WHERE skill = ?1 AND (?2 IS NULL OR set_name = ?2)"
#define VQ_PLAYED " AND NOT (outcome = 'abandoned' AND guesses = 0)"

constexpr const char* kTotals =
    "SELECT count(*), coalesce(sum(outcome = 'solved'), 0) " VQ_ROWS VQ_PLAYED;

// Each played word that is not solved breaks the streak and opens a new run; a run's streak is
// the number of solved words in it, and the newest run holds the current streak.
constexpr const char* kStreaks =
    "WITH marks AS (SELECT outcome = 'solved' AS solved,"
    " sum(outcome <> 'solved') OVER (ORDER BY id ROWS UNBOUNDED PRECEDING) AS run " VQ_ROWS VQ_PLAYED "),"
    " runs AS (SELECT run, sum(solved) AS n FROM marks GROUP BY run)"
    " SELECT coalesce(max(n), 0), coalesce((SELECT n FROM runs ORDER BY run DESC LIMIT 1), 0) FROM runs";

constexpr const char* kTries =
    "SELECT max(1, min(guesses, 15)) AS bucket, count(*) " VQ_ROWS " AND outcome = 'solved' GROUP BY bucket";

constexpr const char* kLastSolved = "SELECT guesses " VQ_ROWS " AND outcome = 'solved' ORDER BY id DESC LIMIT 1";

// The median is the middle time, or the mean of the two middle ones for an even count.
constexpr const char* kTimes =
    "WITH solved AS (SELECT seconds " VQ_ROWS " AND outcome = 'solved'),"
    " n AS (SELECT count(*) AS c FROM solved)"
    " SELECT (SELECT c FROM n), (SELECT min(seconds) FROM solved),"
    " (SELECT avg(seconds) FROM (SELECT seconds FROM solved ORDER BY seconds"
    "  LIMIT 2 - (SELECT c FROM n) % 2 OFFSET ((SELECT c FROM n) - 1) / 2))";

constexpr const char* kTimeTrial =
    "SELECT count(*), coalesce(max(score), 0) " VQ_ROWS " AND time_trial = 1 AND ends_game = 1";

constexpr const char* kFinalScores =
    "SELECT score FROM (SELECT id, score " VQ_ROWS " AND time_trial = 1 AND ends_game = 1"
    " ORDER BY id DESC LIMIT 30) ORDER BY id";

#undef VQ_ROWS
#undef VQ_PLAYED

}  // namespace

int CWordStats::SolvedPercent() const
{
    if (nPlayed <= 0)
        return 0;
    return static_cast<int>(std::lround(100.0 * nSolved / nPlayed));
}

const std::vector<const char*>& WordStatsQueries()
{
    static const std::vector<const char*> aQueries = {kTotals, kStreaks,   kTries,      kLastSolved,
                                                      kTimes,  kTimeTrial, kFinalScores};
    return aQueries;
}

bool ReadWordStats(CGameLog& log, int nSkill, const std::optional<std::wstring>& strSet, CWordStats& stats)
{
    stats = CWordStats();
    if (log.State() == CGameLog::EState::Absent)
        return true;
    if (log.State() == CGameLog::EState::Closed)
        return false;

    const std::string strSetUtf8 = strSet ? EncodeUtf8(*strSet) : std::string();
    bool bOk = true;
    // Runs one query with the two parameters; onRow gets each row.
    auto run = [&](const char* szSql, auto&& onRow) {
        if (!bOk)
            return;
        CSqliteStatement stmt(log.Db(), szSql);
        bOk = stmt.Bind(1, nSkill) && (strSet ? stmt.Bind(2, strSetUtf8) : stmt.BindNull(2));
        while (bOk && stmt.Step())
            onRow(stmt);
        bOk = bOk && !stmt.Failed();
    };
    auto asInt = [](const CSqliteStatement& s, int n) { return static_cast<int>(s.Int(n)); };

    run(kTotals, [&](const CSqliteStatement& s) {
        stats.nPlayed = asInt(s, 0);
        stats.nSolved = asInt(s, 1);
    });
    run(kStreaks, [&](const CSqliteStatement& s) {
        stats.nBestStreak = asInt(s, 0);
        stats.nCurrentStreak = asInt(s, 1);
    });
    run(kTries, [&](const CSqliteStatement& s) {
        stats.anTries[static_cast<std::size_t>(stats.TriesBucketOf(asInt(s, 0)))] = asInt(s, 1);
    });
    run(kLastSolved, [&](const CSqliteStatement& s) { stats.nLastSolvedTries = asInt(s, 0); });
    run(kTimes, [&](const CSqliteStatement& s) {
        stats.bHasTimes = s.Int(0) > 0;
        stats.nBestSeconds = asInt(s, 1);
        stats.dMedianSeconds = s.Double(2);
    });
    run(kTimeTrial, [&](const CSqliteStatement& s) {
        stats.nTimeTrialGames = asInt(s, 0);
        stats.nBestFinalScore = asInt(s, 1);
    });
    run(kFinalScores, [&](const CSqliteStatement& s) { stats.anFinalScores.push_back(asInt(s, 0)); });

    if (!bOk) {
        stats = CWordStats();
        return false;
    }
    return true;
}
