// The game log's file (schema versions, what is never touched) and the statistics read from
// hand-made logs: streaks, the tries distribution, times and Time Trial games.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game_log_rows.h"
#include "scripted_host.h"
#include "store/game_stats.h"

namespace {

class GameStats : public ::testing::Test {
protected:
    // A log holding exactly these entries, in this order.
    CGameLog& Log(const std::vector<CGameLogEntry>& aEntries)
    {
        EXPECT_EQ(log.OpenForWriting(100), CGameLog::EState::Writable);
        for (const CGameLogEntry& e : aEntries)
            EXPECT_TRUE(log.Append(e));
        return log;
    }
    CWordStats Stats(int nSkill = 0, std::optional<std::wstring> strSet = std::nullopt)
    {
        CWordStats s;
        EXPECT_TRUE(ReadWordStats(log, nSkill, strSet, s));
        return s;
    }

    CTempDir dir;
    std::filesystem::path file = dir.Path() / "data" / "games.db";
    CGameLog log{file};
};

std::string UserVersion(const std::filesystem::path& file)
{
    const CSqlRows rows = SqlRows(file, "PRAGMA user_version");
    return rows.empty() ? "none" : rows[0][0];
}

constexpr EWordEnd S = EWordEnd::Solved;
constexpr EWordEnd G = EWordEnd::GaveUp;
constexpr EWordEnd T = EWordEnd::TimedOut;
constexpr EWordEnd A = EWordEnd::Abandoned;

}  // namespace

TEST_F(GameStats, SchemaComesFromNothingOrVersionZeroAndANewerOneIsOnlyRead)
{
    // No file: reading finds no log, writing creates folder, table and version.
    EXPECT_EQ(log.OpenForReading(100), CGameLog::EState::Absent);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(Stats().nPlayed, 0);
    ASSERT_EQ(log.OpenForWriting(100), CGameLog::EState::Writable);
    EXPECT_EQ(UserVersion(file), std::to_string(CGameLog::kSchemaVersion));
    EXPECT_TRUE(log.Append(LogEntry(S, 3)));
    EXPECT_EQ(ReadLogRows(file).size(), 1u);

    // Version 0 with someone's table in it is another program's database: never ours to write.
    const std::filesystem::path other = dir.Path() / "v0.db";
    ASSERT_TRUE(MakeDatabase(other, "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES('keep me')"));
    const std::string strTheirs = ReadWholeFile(other);
    CGameLog v0(other);
    EXPECT_EQ(v0.OpenForWriting(100), CGameLog::EState::Closed);
    EXPECT_EQ(v0.Trouble(), EStoreTrouble::Foreign);
    EXPECT_FALSE(v0.Append(LogEntry(G, 2)));
    EXPECT_EQ(ReadWholeFile(other), strTheirs);

    // A newer version: refused for writing, left byte for byte, still read for the figures.
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const std::string strNewer = "PRAGMA user_version = " + std::to_string(CGameLog::kSchemaVersion + 1);
    sqlite3_exec(db, strNewer.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::string strBefore = ReadWholeFile(file);
    CGameLog newer(file);
    EXPECT_EQ(newer.OpenForWriting(100), CGameLog::EState::ReadOnly);
    EXPECT_FALSE(newer.Append(LogEntry(S, 1)));
    EXPECT_FALSE(newer.Clear());
    EXPECT_EQ(ReadWholeFile(file), strBefore);
    CWordStats s;
    ASSERT_TRUE(ReadWordStats(newer, 0, std::nullopt, s));
    EXPECT_EQ(s.nSolved, 1);
}

TEST_F(GameStats, UnreadableLogsReportFailureAndStayAsTheyWere)
{
    std::filesystem::create_directories(file.parent_path());
    for (const std::string& strBytes : {std::string("not a database at all"),
                                        std::string("SQLite format 3\0", 16) + std::string(2000, '\x01')}) {
        { std::ofstream(file, std::ios::binary | std::ios::trunc) << strBytes; }
        CGameLog bad(file);
        EXPECT_EQ(bad.OpenForReading(100), CGameLog::EState::Closed);
        EXPECT_FALSE(bad.Error().empty());
        CWordStats s;
        EXPECT_FALSE(ReadWordStats(bad, 0, std::nullopt, s));
        EXPECT_EQ(bad.OpenForWriting(100), CGameLog::EState::Closed);
        EXPECT_FALSE(bad.Append(LogEntry(S, 1)));
        EXPECT_EQ(ReadWholeFile(file), strBytes);
    }
}

TEST_F(GameStats, EmptyAndSingleGameLogs)
{
    // Played, solved percent, current and best streak, tries of the last solved word, whether there
    // are times, Time Trial games.
    const auto figures = [](const CWordStats& s) {
        return std::tuple(s.nPlayed, s.SolvedPercent(), s.nCurrentStreak, s.nBestStreak, s.nLastSolvedTries,
                          s.bHasTimes, s.nTimeTrialGames);
    };
    Log({});
    CWordStats s = Stats();
    EXPECT_EQ(figures(s), std::tuple(0, 0, 0, 0, 0, false, 0));
    EXPECT_TRUE(s.anFinalScores.empty());

    log.Append(LogEntry(S, 4, 83));
    s = Stats();
    EXPECT_EQ(figures(s), std::tuple(1, 100, 1, 1, 4, true, 0));
    EXPECT_EQ(s.anTries[3], 1);
    EXPECT_EQ(s.dMedianSeconds, 83);
    EXPECT_EQ(s.nBestSeconds, 83);
}

TEST_F(GameStats, StreaksBreakOnEveryUnsolvedWordThatWasTried)
{
    struct CCase {
        const char* szName;
        std::vector<std::pair<EWordEnd, int>> aWords;  // how it ended, guesses
        int nPlayed, nSolved, nCurrent, nBest;
    };
    const std::vector<CCase> cases = {
        {"all solved", {{S, 3}, {S, 5}, {S, 2}}, 3, 3, 3, 3},
        {"given up breaks", {{S, 3}, {S, 3}, {G, 4}, {S, 1}}, 4, 3, 1, 2},
        {"timed out breaks", {{S, 3}, {T, 9}, {S, 1}, {S, 2}, {S, 2}}, 5, 4, 3, 3},
        {"abandoned after a guess breaks", {{S, 3}, {S, 3}, {S, 3}, {A, 1}, {S, 2}}, 5, 4, 1, 3},
        {"abandoned untried neither counts nor breaks", {{S, 3}, {A, 0}, {S, 3}, {A, 0}}, 2, 2, 2, 2},
        {"ends on a break", {{S, 1}, {S, 1}, {G, 0}}, 3, 2, 0, 2},
        {"nothing solved", {{G, 2}, {T, 4}, {A, 3}}, 3, 0, 0, 0},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<CGameLogEntry> a;
        for (const auto& [how, n] : c.aWords)
            a.push_back(LogEntry(how, n));
        CGameLog& l = Log(a);
        const CWordStats s = Stats();
        EXPECT_EQ(s.nPlayed, c.nPlayed);
        EXPECT_EQ(s.nSolved, c.nSolved);
        EXPECT_EQ(s.nCurrentStreak, c.nCurrent);
        EXPECT_EQ(s.nBestStreak, c.nBest);
        EXPECT_TRUE(l.Clear());
    }
}

TEST_F(GameStats, TriesAreCountedOneByOneUpToFifteenOrMoreAndOnlyForSolvedWords)
{
    Log({LogEntry(S, 1), LogEntry(S, 2), LogEntry(S, 2), LogEntry(S, 14), LogEntry(S, 15), LogEntry(S, 16),
         LogEntry(S, 90), LogEntry(G, 3), LogEntry(A, 5), LogEntry(S, 3), LogEntry(T, 3)});
    const CWordStats s = Stats();
    const std::array<int, kTriesBuckets> expected = {1, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3};
    EXPECT_EQ(s.anTries, expected);
    EXPECT_EQ(s.nLastSolvedTries, 3) << "the newest solved word, not the newest word";
    EXPECT_EQ(s.SolvedPercent(), 73);  // 8 of 11
}

TEST_F(GameStats, MedianAndBestTimeOfSolvedWords)
{
    struct CCase {
        const char* szName;
        std::vector<int> anSolvedSeconds;
        double dMedian;
        int nBest;
    };
    const std::vector<CCase> cases = {
        {"odd count", {90, 10, 20}, 20, 10},
        {"even count takes the mean of the middle two", {40, 10, 30, 21}, 25.5, 10},
        {"a word solved at the first guess took no time", {0, 300}, 150, 0},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<CGameLogEntry> a = {LogEntry(G, 2, 1)};  // unsolved words have no time to solve
        for (int n : c.anSolvedSeconds)
            a.push_back(LogEntry(S, 2, n));
        Log(a);
        const CWordStats s = Stats();
        EXPECT_EQ(s.dMedianSeconds, c.dMedian);
        EXPECT_EQ(s.nBestSeconds, c.nBest);
        log.Clear();
    }
}

TEST_F(GameStats, FiguresAreForOneSkillAndAllSetsOrOne)
{
    Log({LogEntry(S, 2, 50, L"Animals"), LogEntry(S, 3, 60, L"animals"), LogEntry(G, 4, 70, L"Kitchen"),
         LogEntry(S, 5, 80, L"Animals", 1), FinalWord(700, L"Animals"), FinalWord(300, L"Kitchen"),
         FinalWord(999, L"Animals", 2)});
    const CWordStats all = Stats(0);
    EXPECT_EQ(all.nPlayed, 5);
    EXPECT_EQ(all.nTimeTrialGames, 2);
    EXPECT_EQ(all.nBestFinalScore, 700);
    const CWordStats animals = Stats(0, L"Animals");
    EXPECT_EQ(animals.nPlayed, 2) << "set names compare exactly";
    EXPECT_EQ(animals.nSolved, 1);
    EXPECT_EQ(animals.nTimeTrialGames, 1);
    EXPECT_EQ(Stats(1).nPlayed, 1);
    EXPECT_EQ(Stats(2, L"Kitchen").nPlayed, 0);
    EXPECT_EQ(log.SetNames(), (std::vector<std::wstring>{L"Animals", L"Kitchen", L"animals"}));
}

TEST_F(GameStats, TimeTrialKeepsTheLastThirtyFinalScoresOldestFirst)
{
    std::vector<CGameLogEntry> a;
    for (int i = 1; i <= 35; ++i) {
        CGameLogEntry climb = LogEntry(S, 2);  // a level won on the way: not a game's end
        climb.bTimeTrial = true;
        climb.nScore = 5000;
        a.push_back(climb);
        a.push_back(FinalWord(i * 10));
    }
    CGameLogEntry quitAtLevelStart = LogEntry(A, 0);  // untried, so not played, yet the game ended
    quitAtLevelStart.bTimeTrial = true;
    quitAtLevelStart.bEndsGame = true;
    quitAtLevelStart.nScore = 5;
    a.insert(a.begin(), quitAtLevelStart);
    Log(a);
    const CWordStats s = Stats();
    EXPECT_EQ(s.nPlayed, 70);
    EXPECT_EQ(s.nTimeTrialGames, 36);
    EXPECT_EQ(s.nBestFinalScore, 350);
    ASSERT_EQ(s.anFinalScores.size(), 30u);
    EXPECT_EQ(s.anFinalScores.front(), 60);
    EXPECT_EQ(s.anFinalScores.back(), 350);
}

TEST_F(GameStats, ClearEmptiesTheLogAndKeepsItUsable)
{
    Log({LogEntry(S, 2), FinalWord(10)});
    ASSERT_TRUE(log.Clear());
    EXPECT_TRUE(ReadLogRows(file).empty());
    EXPECT_EQ(UserVersion(file), std::to_string(CGameLog::kSchemaVersion));
    EXPECT_TRUE(log.Append(LogEntry(G, 1)));
    EXPECT_EQ(Stats().nPlayed, 1);
}
