// The game log as play writes it: every way a word leaves play gives exactly one row with the
// fields of that moment, and a log that cannot be written never stops the game.
#include <gtest/gtest.h>

#include <ctime>
#include <tuple>
#include <string>
#include <vector>

#include "game_log_rows.h"
#include "scripted_host.h"
#include "store/game_log_writer.h"
#include "test_store_lock.h"

namespace {

class LogFlow : public CGameFixture {
protected:
    void SetUp() override { UseTwentyWordSet("Fruit"); }
    CScriptedGame& Start(bool bTimeTrial)
    {
        store.settings.Write(Option::TimeTrial, bTimeTrial);
        MakeGame().SetGameLog(&writer);
        game->StartFirstWord();
        return *game;
    }
    std::vector<CLogRow> Rows()
    {
        WaitUntilWritten(writer, std::chrono::seconds(10));
        return ReadLogRows(logFile);
    }
    std::vector<std::string> Outcomes()
    {
        std::vector<std::string> a;
        for (const CLogRow& r : Rows())
            a.push_back(r.strOutcome);
        return a;
    }
    // Every row as play decides it, all but its time and set: outcome, word, skill, guesses,
    // seconds, Time Trial, level, score, and whether it ends the game.
    using CFacts = std::tuple<std::string, std::string, int, int, int, int, int, int, int>;
    std::vector<CFacts> Facts()
    {
        std::vector<CFacts> a;
        for (const CLogRow& r : Rows())
            a.emplace_back(r.strOutcome, r.strWord, r.nSkill, r.nGuesses, r.nSeconds, r.nTimeTrial, r.nLevel, r.nScore,
                           r.nEndsGame);
        return a;
    }

    std::filesystem::path logFile = store.dir.Path() / "share" / "games.db";
    CGameLogWriter writer{logFile, 200};
};

// The bytes of a log written by a later version of the game, with a row of its own.
std::string NewerGamesLog(const std::filesystem::path& file)
{
    EXPECT_TRUE(MakeDatabase(file, "CREATE TABLE games(id INTEGER PRIMARY KEY, outcome TEXT, mood TEXT);"
                                   "INSERT INTO games(outcome, mood) VALUES('solved', 'happy');"
                                   "PRAGMA user_version = 7;"));
    return ReadWholeFile(file);
}

}  // namespace

TEST_F(LogFlow, SolvedWordWithoutTimeTrialKeepsEveryField)
{
    const std::time_t tBefore = std::time(nullptr);
    CScriptedGame& g = Start(false);
    g.Miss();
    g.Ticks(7);
    g.Miss();
    g.Ticks(5);
    g.Solve();
    const std::time_t tAfter = std::time(nullptr);

    EXPECT_EQ(Facts(), (std::vector<CFacts>{{"solved", "WORDA", SkillBeginner, 3, 12, 0, 1, 0, 0}}));
    const std::vector<CLogRow> rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    const CLogRow& r = rows[0];
    EXPECT_EQ(r.strSet, "Fruit");
    // The end is stored as UTC text, within the seconds the test ran.
    std::tm tm{};
    ASSERT_NE(strptime(r.strEnded.c_str(), "%Y-%m-%d %H:%M:%S", &tm), nullptr) << r.strEnded;
    const std::time_t tEnded = timegm(&tm);
    EXPECT_GE(tEnded, tBefore);
    EXPECT_LE(tEnded, tAfter);
}

TEST_F(LogFlow, TimeTrialRowsCarryLevelBankedScoreAndTheGamesEnd)
{
    CScriptedGame& g = Start(true);
    g.m_aLevel = {ResultYes, ResultNo};
    g.Miss();
    g.Ticks(40);
    g.Solve();  // level 1: 200 of 240 s banked, go on
    g.Miss();
    g.Ticks(25);
    g.Miss();
    g.Solve();  // level 2 (225 s): 200 more banked, stop

    // Answering No ends the game: 400 is its final score.
    EXPECT_EQ(Facts(), (std::vector<CFacts>{{"solved", "WORDA", 0, 2, 40, 1, 1, 200, 0},
                                            {"solved", "WORDB", 0, 3, 25, 1, 2, 400, 1}}));
}

TEST_F(LogFlow, GivingUpAndTimingOutEndTheTimeTrialGameWithWhatWasBanked)
{
    CScriptedGame& g = Start(true);
    g.m_aLevel = {ResultYes, ResultYes};
    g.Miss();
    g.Ticks(30);
    g.Solve();  // 210 banked
    g.Miss();
    g.Ticks(3);
    g.OnGiveUp();
    g.OnNew();
    g.Miss();
    g.Ticks(240 + 1);  // to 0, and the tick after that times the word out

    EXPECT_EQ(Facts(), (std::vector<CFacts>{{"solved", "WORDA", 0, 2, 30, 1, 1, 210, 0},
                                            {"gave up", "WORDB", 0, 1, 3, 1, 2, 210, 1},
                                            {"timed out", "WORDC", 0, 1, 240, 1, 1, 0, 1}}));
}

TEST_F(LogFlow, NewOptionsAndExitAbandonTheWordInPlayUnderItsOwnSettings)
{
    CScriptedGame& g = Start(true);
    g.m_aLevel = {ResultYes, ResultYes};
    g.Solve();
    g.Solve();
    g.Miss();
    g.Miss();
    g.OnNew();  // level 3 word, two guesses in

    g.Miss();
    g.ChooseOptions([](COptionsValues& v) {
        v.nSkill = SkillIntermediate;
        v.bTimeTrial = false;
    });  // Beginner, Time Trial word with one guess

    g.OnExit();  // the Intermediate word, never tried

    // The level 3 word is logged before New sets the level back to 1, with what it had banked, as
    // the end of its game (New drops the banked score); the Options word before the new options apply.
    const std::vector<CFacts> facts = Facts();
    ASSERT_EQ(facts.size(), 5u);
    EXPECT_EQ(facts[2], (CFacts{"abandoned", "WORDC", SkillBeginner, 2, 0, 1, 3, 465, 1}));
    EXPECT_EQ(facts[3], (CFacts{"abandoned", "WORDD", SkillBeginner, 1, 0, 1, 1, 0, 0}));
    EXPECT_EQ(facts[4], (CFacts{"abandoned", "SIXLTA", SkillIntermediate, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(g.m_nQuitCode, 0);
}

// Going on to the next level and then cancelling its New Game dialog leaves no word in play, but
// the points stay banked: whatever ends that game (New, Exit) still logs it once, on the word
// handed out for the level and never started, as quitting at the start of a level does.
TEST_F(LogFlow, BankedPointsEndTheirGameInTheLogAlsoWhenTheNextWordWasNeverStarted)
{
    for (const bool bByExit : {false, true}) {
        SCOPED_TRACE(bByExit ? "ended by Exit" : "ended by New");
        CGameLogWriter log(store.dir.Path() / (bByExit ? "exit.db" : "new.db"), 200);
        store.settings.Write(Option::TimeTrial, true);
        CScriptedGame& g = MakeGame();
        g.SetGameLog(&log);
        g.StartFirstWord();
        g.m_aLevel = {ResultYes};
        g.m_aNewGame = {ResultCancel};  // the next level's
        g.Miss();
        g.Ticks(40);
        g.Solve();  // 200 banked; level 2's dialog cancelled
        ASSERT_TRUE(g.IsGameOver());
        const std::wstring strHanded = g.m_history.m_strMagicWord;  // level 2's, never shown
        if (bByExit) {
            g.OnExit();
            g.AbandonWordInPlay(true);  // the window closing after Exit must not log it twice
        } else {
            g.OnNew();
        }

        WaitUntilWritten(log, std::chrono::seconds(10));
        const std::vector<CLogRow> rows = ReadLogRows(store.dir.Path() / (bByExit ? "exit.db" : "new.db"));
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].nEndsGame, 0);
        EXPECT_EQ(rows[1].strOutcome, "abandoned");
        EXPECT_EQ(rows[1].strWord, std::string(strHanded.begin(), strHanded.end()));
        EXPECT_NE(rows[1].strWord, rows[0].strWord);
        EXPECT_EQ(rows[1].nLevel, 2);
        EXPECT_EQ(rows[1].nGuesses, 0);
        EXPECT_EQ(rows[1].nScore, 200);
        EXPECT_EQ(rows[1].nEndsGame, 1);
    }
}

TEST_F(LogFlow, OneRowPerWordWhateverEndsAndFollows)
{
    CScriptedGame& g = Start(false);
    g.Solve();
    g.OnNew();          // after a solved word nothing is in play: no abandoned row
    g.OnGiveUp();
    g.OnGiveUp();       // disabled now
    g.OnExit();         // nothing in play
    g.OnNew();
    g.m_aNewGame = {ResultCancel};
    g.OnNew();          // the word is replaced even though "Go" was not pressed...
    g.Miss();
    g.OnOptions();      // cancelled: the word stays
    g.Solve();          // ...and the replacement plays on
    g.OnStatistics();
    g.OnExit();

    EXPECT_EQ(Outcomes(), (std::vector<std::string>{"solved", "gave up", "abandoned", "solved"}));
    EXPECT_EQ(g.Count(L"statistics"), 1);
}

TEST_F(LogFlow, StatisticsStopTheClockAndSeeTheWordJustEnded)
{
    CScriptedGame& g = Start(true);
    g.OnStatistics();
    EXPECT_FALSE(g.m_bClockOn) << "the clock starts at the first guess, not on Statistics";
    g.Miss();
    g.ClearLog();
    g.OnStatistics();
    EXPECT_EQ(g.m_astrEvents, (std::vector<std::wstring>{L"clock:stop", L"statistics", L"clock:start"}));
    g.OnGiveUp();
    g.ClearLog();
    g.OnStatistics();
    EXPECT_EQ(g.m_astrEvents, (std::vector<std::wstring>{L"statistics"}));
    // The writer is flushed before the window reads: the row is already on disk.
    EXPECT_EQ(ReadLogRows(logFile).size(), 1u);
}

TEST_F(LogFlow, ALogThatCannotBeWrittenNeverStopsTheGameAndIsLeftAsItWas)
{
    std::filesystem::create_directories(logFile.parent_path());
    const std::string strHeaderThenJunk = std::string("SQLite format 3\0", 16) + std::string(4080, '\x5A');
    struct CCase {
        const char* szName;
        std::string strBytes;
    };
    const std::vector<CCase> cases = {
        {"not a database", "my shopping list\n"},
        {"damaged database", strHeaderThenJunk},
        {"a newer game's log", NewerGamesLog(store.dir.Path() / "newer.db")},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        { std::ofstream(logFile, std::ios::binary | std::ios::trunc) << c.strBytes; }
        CScriptedGame& g = Start(false);
        g.Miss();
        g.Solve();
        g.OnNew();
        g.OnGiveUp();
        EXPECT_TRUE(WaitUntilWritten(writer, std::chrono::seconds(10))) << "dropped, not kept waiting";
        EXPECT_EQ(g.m_astrMessages, (std::vector<std::wstring>{L"Congratulations.  You are one smart player.",
                                                               L"The magic word was " + g.m_history.m_strMagicWord + L"."}));
        EXPECT_EQ(ReadWholeFile(logFile), c.strBytes);
    }
}

TEST_F(LogFlow, ALockedLogKeepsTheRowAndWritesItOnceItIsFree)
{
    CScriptedGame& g = Start(false);
    g.Solve();
    WaitUntilWritten(writer, std::chrono::seconds(10));
    const std::string strBefore = ReadWholeFile(logFile);

    CStoreLock other(logFile, CStoreLock::Kind::Write, "games");
    ASSERT_TRUE(other.Held());
    g.OnNew();
    g.OnGiveUp();  // meets the lock on the writer's thread, and waits there to try again
    EXPECT_FALSE(writer.Flush()) << "the window thread does not wait out the lock";
    EXPECT_EQ(ReadWholeFile(logFile), strBefore);
    EXPECT_EQ(g.m_astrMessages.back(), L"The magic word was WORDB.");
    other.Release();

    g.OnNew();
    g.Solve();
    EXPECT_EQ(Outcomes(), (std::vector<std::string>{"solved", "gave up", "solved"}));
}
