// Whole games through the scripted host: starting words, Time Trial levels, the clock and its
// sounds, time-outs, pausing, and the first word at start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core_test_seam.h"
#include "scripted_host.h"

namespace {

const std::wstring kSolved = L"Congratulations.  You are one smart player.";

class Flow : public CGameFixture {
protected:
    void SetUp() override
    {
        std::vector<std::string> beg;
        for (const char* w : {"apple", "mango", "lemon", "grape", "peach", "melon", "guava", "olive", "prune",
                              "berry", "onion", "bread", "spice", "wheat", "maize"})
            beg.push_back(w);
        programDir.Write("food.set", MakeSet(beg, {"carrot", "tomato"}, {"cabbage"}));
        store.settings.Write(Option::CurrentSet, L"food");
    }
};

}  // namespace

TEST_F(Flow, StartingAWordResetsTheRecordAndRepaintsEveryKeyOnce)
{
    CScriptedGame& g = StartGame();
    g.Guess(L"QQQQQ");
    g.OnLetterKey(1003);
    g.OnLButtonDown(63 + 22 * 3 + 5, 15);  // a tap on the fourth cell
    g.ClearLog();
    g.OnNew();

    // The clock stops first; every key shows its cleared mark before the New Game dialog; the
    // view is repainted after it.
    const auto dialog = std::find(g.m_astrEvents.begin(), g.m_astrEvents.end(), L"newgame");
    ASSERT_NE(dialog, g.m_astrEvents.end());
    EXPECT_EQ(g.m_astrEvents.front(), L"clock:stop");
    for (int id = 1001; id <= 1026; ++id)
        EXPECT_EQ(std::count(g.m_astrEvents.begin(), dialog, L"repaint:key:" + std::to_wstring(id)), 1) << id;
    EXPECT_EQ(g.m_astrEvents.back(), L"repaint:view");
    EXPECT_TRUE(g.m_history.m_astrGuesses.empty());
    EXPECT_EQ(g.m_history.MarkOf(L'C'), MarkNone);
    EXPECT_EQ(g.Guess(), L"     ");
    EXPECT_EQ(g.Cursor(), 0);
    EXPECT_FALSE(CGameCoreTestSeam::IsClockRunning(g));
    EXPECT_EQ(g.m_anNewGameLength.back(), 5);
}

TEST_F(Flow, EachWordHandedOutStoresTheSetAndSkillItCameFrom)
{
    // Another copy of the game chose otherwise meanwhile; the next start continues the set whose
    // word was handed out last.
    CScriptedGame& g = StartGame();
    store.settings.Write(Option::CurrentSet, L"other");
    store.settings.Write(Option::CurrentSkill, SkillAdvanced);
    g.OnNew();
    EXPECT_EQ(store.StoredSet(), L"food");
    EXPECT_EQ(store.StoredInt(L"CURRENT_LEVEL"), SkillBeginner);
}

TEST_F(Flow, NewGameDialogClosedOtherwiseLeavesNoWordInPlay)
{
    CScriptedGame& g = MakeGame();
    g.m_aNewGame = {ResultCancel};
    g.StartFirstWord();
    EXPECT_TRUE(g.IsGameOver());
    EXPECT_EQ(g.m_history.m_strMagicWord, L"APPLE") << "the word was handed out all the same";
    EXPECT_FALSE(g.CanGiveUp());
    g.OnNew();
    EXPECT_FALSE(g.IsGameOver());
    EXPECT_TRUE(g.CanGiveUp());
}

TEST_F(Flow, TimeTrialClimbBanksOnYesAndShrinksTheAllowance)
{
    CScriptedGame& g = StartGame();
    std::vector<int> limits;
    for (int level = 1; level <= 14; ++level) {
        ASSERT_EQ(g.Level(), level);
        ASSERT_FALSE(g.IsGameOver());
        limits.push_back(g.TimeLimit());
        EXPECT_EQ(g.TimeLeft(), g.TimeLimit());
        g.Miss();
        g.Ticks(10);
        const int nScoreBefore = g.Score();
        EXPECT_EQ(g.Score() + g.TimeLeft(), nScoreBefore + g.TimeLimit() - 10) << "score shown";
        g.m_aLevel.push_back(ResultYes);
        g.Solve();
        EXPECT_EQ(g.m_aLevelAsked.back(), std::make_pair(level, level + 1));
        EXPECT_EQ(g.Score(), nScoreBefore + limits.back() - 10);
    }
    const std::vector<int> expected = {240, 225, 210, 195, 180, 165, 150, 135, 120, 105, 90, 75, 60, 60};
    EXPECT_EQ(limits, expected);
    EXPECT_TRUE(g.m_aNameAsked.empty()) << "no record check while the game goes on";
}

TEST_F(Flow, YesBanksTheTimeLeftForTheNextLevelAndNewStartsAgainFromNothing)
{
    CScriptedGame& g = StartGame();
    CGameCoreTestSeam::SetStanding(g, 3, 300);
    CGameCoreTestSeam::SetTimeLeft(g, 100);
    g.m_aLevel = {ResultYes};
    g.Solve();
    ExpectStanding(g, 4, 400, 195);
    EXPECT_FALSE(g.IsGameOver());
    g.OnNew();
    ExpectStanding(g, 1, 0, 240);
    EXPECT_FALSE(g.IsGameOver());
}

TEST_F(Flow, TimeOutWithoutBankedPointsShowsTheWordOnTheTickAfterZero)
{
    CScriptedGame& g = StartGame();
    g.Ticks(50);
    EXPECT_EQ(g.TimeLeft(), 240) << "the countdown waits for the first guess";
    g.Miss();
    g.Ticks(240);
    EXPECT_EQ(g.TimeLeft(), 0);
    EXPECT_FALSE(g.IsGameOver());
    EXPECT_TRUE(g.m_astrMessages.empty());
    g.Ticks(1);
    EXPECT_TRUE(g.IsGameOver());
    EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{L"The magic word was APPLE."});
    EXPECT_FALSE(g.m_bClockOn);
    EXPECT_FALSE(g.CanGiveUp());
    EXPECT_EQ(g.TimeLimit(), 240) << "with nothing banked the times stay";
    g.Ticks(5);
    EXPECT_EQ(g.m_astrMessages.size(), 1u) << "ticks after the end do nothing";
}

// The host hears how each word ended once, just before the message that says so (a screen
// reader says it first); a word replaced unfinished says nothing.
TEST_F(Flow, EachEndOfAWordIsToldOnceRightBeforeItsMessage)
{
    struct CCase {
        const char* szHow;
        std::function<void(CScriptedGame&)> end;
        bool bSolved;
    };
    const std::vector<CCase> aCases = {
        {"solved", [](CScriptedGame& g) { g.Solve(); }, true},
        {"gave up", [](CScriptedGame& g) { g.OnGiveUp(); }, false},
        {"timed out", [](CScriptedGame& g) { g.Ticks(241); }, false},
    };
    for (const CCase& c : aCases) {
        SCOPED_TRACE(c.szHow);
        CScriptedGame& g = StartGame();
        g.Miss();
        g.ClearLog();
        c.end(g);
        const std::wstring strEnded = L"ended:" + std::wstring(c.szHow, c.szHow + std::strlen(c.szHow));
        const auto ended = std::find(g.m_astrEvents.begin(), g.m_astrEvents.end(), strEnded);
        ASSERT_NE(ended, g.m_astrEvents.end());
        ASSERT_NE(ended + 1, g.m_astrEvents.end());
        EXPECT_EQ(*(ended + 1), L"msg:" + (c.bSolved ? kSolved : L"The magic word was " + g.m_history.m_strMagicWord + L"."));
        EXPECT_EQ(std::count_if(g.m_astrEvents.begin(), g.m_astrEvents.end(),
                                [](const std::wstring& s) { return s.starts_with(L"ended:"); }),
                  1);
    }
    CScriptedGame& g = StartGame();
    g.Miss();
    g.ClearLog();
    g.OnNew();
    EXPECT_EQ(g.Count(L"ended:abandoned"), 0);
    EXPECT_FALSE(std::any_of(g.m_astrEvents.begin(), g.m_astrEvents.end(),
                             [](const std::wstring& s) { return s.starts_with(L"ended:"); }));
}

// A time-out with points banked ends the Time Trial game: the record check, then nothing is
// banked. The least score, one point, beats no record at all.
TEST_F(Flow, TimeOutWithBankedPointsRunsTheRecordCheckAndResets)
{
    struct CCase {
        int nBanked;
        std::wstring strHolder;  // of a stored best of 30, or none
    };
    for (const CCase& c : {CCase{50, L"Ann"}, CCase{1, L""}}) {
        SCOPED_TRACE(c.nBanked);
        store.records.ResetAll();
        if (!c.strHolder.empty())
            store.records.Write(SkillBeginner, true, c.strHolder, 30);
        CScriptedGame& g = StartGame();
        CGameCoreTestSeam::SetStanding(g, 1, c.nBanked);
        g.m_aName.push_back({ResultOK, L"Bob"});
        g.Miss();
        g.Ticks(241);
        EXPECT_EQ(g.m_astrMessages.front(), L"The magic word was " + g.m_history.m_strMagicWord + L".");
        ASSERT_EQ(g.m_aNameAsked.size(), 1u);
        EXPECT_EQ(g.m_aNameAsked[0].strPrefill, c.strHolder);
        EXPECT_EQ(g.m_aNameAsked[0].strMessage, L"You are best player in this level");
        EXPECT_EQ(store.records.Read(SkillBeginner, true).nNumber, c.nBanked);
        EXPECT_EQ(store.records.Read(SkillBeginner, true).strName, L"Bob");
        EXPECT_EQ(g.Count(L"bestscores"), 1);
        ExpectStanding(g, 1, 0, 0);
    }
}

TEST_F(Flow, SoundScheduleOverAWholeCountdown)
{
    CScriptedGame& g = StartGame();
    g.Miss();
    g.ClearLog();
    std::vector<int> asteriskAt, exclamationAt;
    for (int i = 0; i < 241; ++i) {
        const int nA = g.Count(L"alert:asterisk"), nE = g.Count(L"alert:exclamation");
        g.OnClockTick();
        if (g.Count(L"alert:asterisk") != nA)
            asteriskAt.push_back(g.TimeLeft());
        if (g.Count(L"alert:exclamation") != nE) {
            exclamationAt.push_back(g.TimeLeft());
            EXPECT_EQ(g.Count(L"alert:exclamation") - nE, 2) << "twice in a row";
        }
    }
    EXPECT_EQ(asteriskAt, (std::vector<int>{180, 120, 60, 0, 0}));  // the last one after the time-out
    EXPECT_EQ(exclamationAt, std::vector<int>{30});
    // The time-out's sound comes after its message has closed.
    const auto msg = std::find(g.m_astrEvents.begin(), g.m_astrEvents.end(), L"msg:The magic word was APPLE.");
    ASSERT_NE(msg, g.m_astrEvents.end());
    EXPECT_NE(std::find(msg, g.m_astrEvents.end(), L"alert:asterisk"), g.m_astrEvents.end());
    EXPECT_EQ(g.Count(L"repaint:view"), 241);
}

TEST_F(Flow, NoSoundWhenSoundIsOffOrTimeTrialIsOff)
{
    for (const bool bTimeTrialOff : {false, true}) {
        SCOPED_TRACE(bTimeTrialOff ? "Time Trial off" : "sound off");
        store.settings.Write(Option::Sound, bTimeTrialOff);
        store.settings.Write(Option::TimeTrial, !bTimeTrialOff);
        CScriptedGame& g = StartGame();
        g.Miss();
        g.Ticks(300);
        EXPECT_EQ(g.Count(L"alert:asterisk") + g.Count(L"alert:exclamation"), 0);
    }
    EXPECT_EQ(game->Elapsed(), 300) << "without Time Trial the clock counts up and never ends the word";
    EXPECT_FALSE(game->IsGameOver());
}

TEST_F(Flow, TicksWhileTheCongratulationBoxIsOpenCountButCannotTimeOut)
{
    struct CCase {
        const char* szName;
        int nLeftAtSolve, nTicksInBox;
        int nBanked;
    };
    const std::vector<CCase> cases = {
        {"seconds in the box are lost to the score", 100, 7, 93},
        {"time runs out while the box is open", 3, 10, 0},
        {"box opened at zero", 0, 2, 0},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CScriptedGame& g = StartGame();
        CGameCoreTestSeam::SetStanding(g, 1, 40);
        g.Miss();
        g.Ticks(240 - c.nLeftAtSolve);
        g.m_onMessage = [&g, n = c.nTicksInBox](const std::wstring& s) {
            if (s == kSolved)
                g.Ticks(n);
        };
        g.m_aLevel.push_back(ResultYes);
        g.ClearLog();
        g.Solve();
        EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{kSolved}) << "no time-out message";
        EXPECT_EQ(g.Count(L"level"), 1);
        EXPECT_EQ(g.Score(), 40 + c.nBanked);
        EXPECT_EQ(g.Level(), 2);
        EXPECT_FALSE(g.IsGameOver()) << "the next level's word is in play";
        g.m_onMessage = nullptr;
    }
}

TEST_F(Flow, PauseAndResumeOnlyForARunningClock)
{
    CScriptedGame& g = StartGame();
    g.ClearLog();
    // Word in play, clock not started: pausing stops, resuming does not start it.
    g.OnActivateView(false);
    EXPECT_TRUE(CGameCoreTestSeam::IsPaused(g));
    g.OnActivateView(true);
    EXPECT_FALSE(g.m_bClockOn);
    EXPECT_EQ(g.Count(L"clock:start"), 0);

    g.Miss();
    EXPECT_TRUE(g.m_bClockOn);
    g.OnActivateView(false);
    EXPECT_FALSE(g.m_bClockOn);
    EXPECT_TRUE(CGameCoreTestSeam::IsPaused(g));
    g.OnActivateView(true);
    EXPECT_TRUE(g.m_bClockOn);
    EXPECT_FALSE(CGameCoreTestSeam::IsPaused(g));

    // No word in play: neither direction touches the clock.
    g.OnGiveUp();
    g.ClearLog();
    g.OnActivateView(false);
    g.OnActivateView(true);
    EXPECT_TRUE(g.m_astrEvents.empty());
    EXPECT_FALSE(CGameCoreTestSeam::IsPaused(g));
}

TEST_F(Flow, BestScoresCommandLeavesTheClockRunningAndATimeOutMayComeOnTop)
{
    CScriptedGame& g = StartGame();
    g.Miss();
    g.Ticks(g.TimeLimit() - 2);
    g.m_onBestScores = [&g] { g.Ticks(3); };
    g.ClearLog();
    g.OnBestScores();
    EXPECT_EQ(g.Count(L"clock:stop"), 1) << "only the time-out stops it";
    EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{L"The magic word was APPLE."});
    EXPECT_TRUE(g.IsGameOver());
}

TEST_F(Flow, FirstStartWithoutAnySetFileShowsBothMessagesAndQuits)
{
    std::filesystem::remove(programDir.Path() / "food.set");
    store.settings.Write(Option::CurrentSet, L"");
    CScriptedGame& g = StartGame();
    EXPECT_EQ(g.m_astrEvents, (std::vector<std::wstring>{L"msg:Words Sets: Sets not found", L"quit:0",
                                                          L"msg:Did not find any word sets to play with."}));
    EXPECT_TRUE(g.IsGameOver());
}

TEST_F(Flow, StoredSetThatCannotBeOpenedIsKeptAndNoWordIsInPlay)
{
    for (const std::wstring strSet : {L"gone", L"..", L"../food", L"a\\b", L"food.set"}) {
        SCOPED_TRACE(std::string(strSet.begin(), strSet.end()));
        store.settings.Write(Option::CurrentSet, strSet);
        CScriptedGame& g = StartGame();
        EXPECT_EQ(g.m_astrMessages,
                  (std::vector<std::wstring>{L"Can not open file", L"Did not find any word sets to play with."}));
        EXPECT_EQ(g.m_nQuitCode, -1) << "no quit: sets exist";
        EXPECT_TRUE(g.IsGameOver());
        EXPECT_EQ(g.Count(L"newgame"), 0);
        EXPECT_EQ(store.StoredSet(), strSet) << "the stored name is not replaced";
    }
}

TEST_F(Flow, EmptyListForTheSkillSaysSoAndStartsNothing)
{
    programDir.Write("small.set", MakeSet({"apple"}, {}, {"kitchen"}));
    store.settings.Write(Option::CurrentSet, L"small");
    store.settings.Write(Option::CurrentSkill, SkillIntermediate);
    CScriptedGame& g = StartGame();
    EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{L"This word set has no words for this skill level."});
    EXPECT_EQ(g.Count(L"newgame"), 0);
    EXPECT_TRUE(g.IsGameOver());
    g.OnKeyDown(VK_RETURN);
    g.OnChar(L'a');
    EXPECT_TRUE(g.m_history.m_astrGuesses.empty());
}

TEST_F(Flow, ExitPostsQuitWithCodeZero)
{
    CScriptedGame& g = StartGame();
    g.OnExit();
    EXPECT_EQ(g.m_nQuitCode, 0);
}
