// Hints in the game log: a log of the first schema keeps every row when it is brought up to date,
// is read as it is when only read, and the words played with a hint reach the statistics and
// --stats.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/stats_command.h"
#include "game/stats_report.h"
#include "game_log_rows.h"
#include "scripted_host.h"
#include "store/game_log_writer.h"
#include "store/game_stats.h"

namespace {

// The first schema as the game wrote it, before hints, with three rows of Beginner words.
::testing::AssertionResult WriteVersion1Log(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file.parent_path());
    return MakeDatabase(file,
        "CREATE TABLE games(id INTEGER PRIMARY KEY, ended_utc TEXT NOT NULL, set_name TEXT NOT NULL,"
        " skill INTEGER NOT NULL, word TEXT NOT NULL, guesses INTEGER NOT NULL,"
        " outcome TEXT NOT NULL CHECK(outcome IN ('solved', 'gave up', 'timed out', 'abandoned')),"
        " seconds INTEGER NOT NULL, time_trial INTEGER NOT NULL, level INTEGER NOT NULL,"
        " score INTEGER NOT NULL, ends_game INTEGER NOT NULL DEFAULT 0);"
        "CREATE INDEX games_for_statistics"
        " ON games(skill, id, set_name, outcome, guesses, seconds, time_trial, ends_game, score);"
        "CREATE INDEX games_by_set ON games(set_name);"
        "INSERT INTO games(ended_utc, set_name, skill, word, guesses, outcome, seconds, time_trial, level, score, ends_game)"
        " VALUES('2026-01-02 10:00:00', 'Standard', 0, 'PLANT', 3, 'solved', 40, 0, 1, 0, 0),"
        "       ('2026-01-02 10:05:00', 'Standard', 0, 'CRANE', 6, 'gave up', 90, 0, 1, 0, 0),"
        "       ('2026-01-02 10:09:00', 'Animals', 0, 'TIGER', 2, 'solved', 20, 1, 2, 340, 1);"
        "PRAGMA user_version = 1;");
}

CSqlRows HintedColumn(const std::filesystem::path& file)
{
    return SqlRows(file, "SELECT hinted FROM games ORDER BY id");
}

// How SQLite runs the statistics' query: the plan's details, one line each.
std::string StatisticsPlan(const std::filesystem::path& file)
{
    std::string str;
    for (const std::vector<std::string>& row :
         SqlRows(file, "EXPLAIN QUERY PLAN SELECT outcome, guesses, seconds, time_trial AND ends_game, score, hinted"
                       " FROM games WHERE skill = 0 ORDER BY id"))
        str += row[3] + "\n";
    return str;
}

CGameLogEntry Hinted(CGameLogEntry e)
{
    e.bHinted = true;
    return e;
}

}  // namespace

TEST(GameLogHints, AnOldLogIsReadAsItIsAndKeepsEveryRowWhenBroughtUpToDate)
{
    CTempDir dir;
    const std::filesystem::path file = dir.Path() / "data" / "games.db";
    ASSERT_TRUE(WriteVersion1Log(file));
    const std::vector<CLogRow> rowsBefore = ReadLogRows(file);
    ASSERT_EQ(rowsBefore.size(), 3u);
    const std::string strBytes = ReadWholeFile(file);

    // Only read (the Statistics window, --stats): the figures come out, with no hints, and the
    // file is not touched.
    {
        CGameLog reader(file);
        ASSERT_EQ(reader.OpenForReading(100), CGameLog::EState::ReadOnly);
        EXPECT_FALSE(reader.HasHints());
        CWordStats s;
        ASSERT_TRUE(ReadWordStats(reader, 0, std::nullopt, s));
        EXPECT_EQ(s.nPlayed, 3);
        EXPECT_EQ(s.nSolved, 2);
        EXPECT_EQ(s.nPlayedWithHint, 0);
        EXPECT_EQ(s.nTimeTrialGames, 1);
    }
    EXPECT_EQ(ReadWholeFile(file), strBytes);

    // Written to: brought up to date, every old row as it was and marked as played without a hint.
    CGameLog log(file);
    ASSERT_EQ(log.OpenForWriting(100), CGameLog::EState::Writable);
    EXPECT_TRUE(log.HasHints());
    ASSERT_TRUE(log.Append(Hinted(LogEntry(EWordEnd::Solved, 4))));
    std::vector<CLogRow> rowsAfter = ReadLogRows(file);
    ASSERT_EQ(rowsAfter.size(), 4u);
    rowsAfter.pop_back();
    EXPECT_EQ(rowsAfter, rowsBefore);
    EXPECT_EQ(HintedColumn(file), (CSqlRows{{"0"}, {"0"}, {"0"}, {"1"}}));
    // The figures are still served from the index alone.
    EXPECT_NE(StatisticsPlan(file).find("COVERING INDEX games_for_statistics"), std::string::npos) << StatisticsPlan(file);

    // Opened again, it is already up to date: nothing is added twice.
    log.Close();
    CGameLog again(file);
    ASSERT_EQ(again.OpenForWriting(100), CGameLog::EState::Writable);
    CWordStats s;
    ASSERT_TRUE(ReadWordStats(again, 0, std::nullopt, s));
    EXPECT_EQ(s.nPlayed, 4);
    EXPECT_EQ(s.nSolvedWithHint, 1);
}

TEST(GameLogHints, StatisticsCountPlayedAndSolvedWordsThatHadAHint)
{
    auto word = [](EWordEnd how, int nGuesses, bool bHinted) {
        CLoggedWord w;
        w.eEnd = how;
        w.nGuesses = nGuesses;
        w.bHinted = bHinted;
        return w;
    };
    // A hint asked for before a word was abandoned unplayed does not count: the word was not played.
    const CWordStats s = ComputeWordStats({word(EWordEnd::Solved, 3, true), word(EWordEnd::Solved, 5, false),
                                           word(EWordEnd::GaveUp, 4, true), word(EWordEnd::Abandoned, 0, true),
                                           word(EWordEnd::TimedOut, 6, false), word(EWordEnd::Solved, 2, true)});
    EXPECT_EQ(s.nPlayed, 5);
    EXPECT_EQ(s.nPlayedWithHint, 3);
    EXPECT_EQ(s.nSolvedWithHint, 2);
    EXPECT_EQ(SpokenStatistics(s).back(), L"Solved with a hint 2");
}

TEST(GameLogHints, StatsCommandAddsTheHintsAfterWhatItPrintedBefore)
{
    CTempDir dir;
    const std::filesystem::path file = dir.Path() / "games.db";
    ASSERT_TRUE(WriteLog(file, {Hinted(LogEntry(EWordEnd::Solved, 4)), Hinted(LogEntry(EWordEnd::GaveUp, 2)),
                                LogEntry(EWordEnd::Solved, 3)}));
    std::ostringstream out, err;
    ASSERT_EQ(RunStatsReport({"--skill", "beginner"}, file, out, err), 0) << err.str();
    const std::string strText = out.str();
    // The two new lines close the block, after the last line it had before.
    const std::string strTail = "  Last 30 final scores    -\n  Played with a hint      2\n  Solved with a hint      1\n";
    ASSERT_GE(strText.size(), strTail.size());
    EXPECT_EQ(strText.substr(strText.size() - strTail.size()), strTail) << strText;

    std::ostringstream json;
    ASSERT_EQ(RunStatsReport({"--skill", "beginner", "--json"}, file, json, err), 0);
    const std::string strJson = json.str();
    EXPECT_NE(strJson.find("      \"best_seconds\": 60,\n      \"hints\": {\"played\": 2, \"solved\": 1},\n"
                           "      \"time_trial\": {"),
              std::string::npos)
        << strJson;
}

namespace {

class HintLogFlow : public CGameFixture {
protected:
    std::filesystem::path logFile = store.dir.Path() / "share" / "games.db";
    CGameLogWriter writer{logFile, 200};
};

}  // namespace

TEST_F(HintLogFlow, AWordPlayedWithAHintIsLoggedSoAndTheNextOneIsNot)
{
    UseTwentyWordSet("Fruit");
    store.settings.Write(Option::TimeTrial, false);
    MakeGame().SetGameLog(&writer);
    CScriptedGame& g = *game;
    g.StartFirstWord();
    g.Miss();
    g.OnHint();
    g.Solve();
    g.OnNew();
    g.Miss();
    g.OnGiveUp();
    // Asked for before the first guess, then left for a new word.
    g.OnNew();
    g.OnHint();
    g.OnNew();
    WaitUntilWritten(writer, std::chrono::seconds(10));
    EXPECT_EQ(HintedColumn(logFile), (CSqlRows{{"1"}, {"0"}, {"1"}}));
}
