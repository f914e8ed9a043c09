// Best-score records as play makes them: the end of a Time Trial game, give-ups with banked
// points, and the fewest-tries record.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core_test_seam.h"
#include "scripted_host.h"

namespace {

const std::wstring kBestScore = L"You are best player in this level";
const std::wstring kFewestTries = L"You are the best player in this level who took minimum tries.";

class Records : public CGameFixture {
protected:
    void SetUp() override { UseTwentyWordSet("r"); }
    // A stored Time Trial best (or none), the player's answer to the name prompt, and what follows.
    struct CCase {
        const char* szName;
        bool bStored;
        int nStored;
        int nAnswer;
        bool bAsked;
        int nAfter;
    };
    void StoreBest(const CCase& c)
    {
        store.records.ResetAll();
        if (c.bStored)
            store.records.Write(SkillBeginner, true, L"Holder", c.nStored);
    }
    // The player was asked for a name exactly when the score beat the stored best, and the record
    // and the Best Scores window followed the answer.
    void ExpectRecordOutcome(const CScriptedGame& g, const CCase& c)
    {
        ASSERT_EQ(g.m_aNameAsked.size(), c.bAsked ? 1u : 0u);
        if (c.bAsked) {
            EXPECT_EQ(g.m_aNameAsked[0].strMessage, kBestScore);
            EXPECT_EQ(g.m_aNameAsked[0].strPrefill, c.bStored ? L"Holder" : L"");
        }
        EXPECT_EQ(g.Count(L"bestscores"), (c.bAsked && c.nAnswer == ResultOK) ? 1 : 0);
        EXPECT_EQ(store.records.Read(SkillBeginner, true).nNumber, c.nAfter);
    }

    // Misses n - 1 times, then solves: a word solved in n guesses.
    static void SolveIn(CScriptedGame& g, int n)
    {
        for (int i = 1; i < n; ++i)
            g.Miss();
        g.Solve();
    }
};

}  // namespace

// A Time Trial game with points banked ends by the answer No, by giving up or by New: the player
// is asked for a name exactly when the final score beats the stored best, and nothing stays banked.
TEST_F(Records, AGameEndedWithPointsBankedIsARecordOnlyAboveTheStoredBest)
{
    struct CEnd {
        const char* szHow;
        int nScore;  // the game's final score
        std::function<void(CScriptedGame&)> end;
        std::function<void(CScriptedGame&, const CCase&)> expect;  // what this way of ending adds
    };
    const CEnd ends[] = {
        {"No to the next level, 300 banked and 100 s left", 400,
         [](CScriptedGame& g) {
             CGameCoreTestSeam::SetStanding(g, 1, 300);
             g.Miss();
             g.Ticks(g.TimeLimit() - 100);
             g.m_aLevel = {ResultNo};
             g.Solve();
         },
         [](CScriptedGame& g, const CCase&) {
             ExpectStanding(g, 1, 0, 0);  // the level stays until the next New
             EXPECT_TRUE(g.IsGameOver());
         }},
        {"given up", 50,
         [](CScriptedGame& g) {
             CGameCoreTestSeam::SetStanding(g, 1, 50);
             g.OnGiveUp();
         },
         [](CScriptedGame& g, const CCase&) {
             EXPECT_EQ(g.m_astrMessages.front(), L"The magic word was " + g.m_history.m_strMagicWord + L".");
             ExpectStanding(g, 1, 0, 0);
         }},
        {"New in level 2, level 1 solved with 200 of 240 s left", 200,
         [](CScriptedGame& g) {
             g.m_aLevel = {ResultYes};
             g.Miss();
             g.Ticks(40);
             g.Solve();
             g.Miss();
             g.Ticks(5);
             g.ClearLog();
             g.OnNew();
         },
         [this](CScriptedGame& g, const CCase& c) {
             EXPECT_TRUE(g.m_astrMessages.empty()) << "New does not show the word it drops";
             // The countdown stops before anyone is asked for a name, and the new word comes last.
             const auto newgame = std::find(g.m_astrEvents.begin(), g.m_astrEvents.end(), L"newgame");
             EXPECT_EQ(g.m_astrEvents.front(), L"clock:stop");
             EXPECT_EQ(g.Count(L"newgame"), 1);
             EXPECT_EQ(std::count(newgame, g.m_astrEvents.end(), L"name"), 0);
             EXPECT_FALSE(g.m_bClockOn);
             ExpectStanding(g, 1, 0, 240);
             EXPECT_FALSE(g.IsGameOver());
             // The next game banks from nothing: 240, not 440 with the dropped points.
             g.m_aLevel = {ResultNo};
             g.m_aName = {{ResultOK, L"Ann"}};
             g.Solve();
             EXPECT_EQ(store.records.Read(SkillBeginner, true).nNumber, std::max(c.nAfter, 240));
         }},
    };
    for (const CEnd& e : ends) {
        const std::vector<CCase> cases = {
            {"fresh store", false, 0, ResultOK, true, e.nScore},
            {"stored best below", true, e.nScore - 20, ResultOK, true, e.nScore},
            {"stored best equal is no record", true, e.nScore, ResultOK, false, e.nScore},
            {"stored best above", true, 900, ResultOK, false, 900},
            {"new best, name cancelled", true, e.nScore - 20, ResultCancel, true, e.nScore - 20},
        };
        for (const CCase& c : cases) {
            SCOPED_TRACE(std::string(e.szHow) + ": " + c.szName);
            StoreBest(c);
            CScriptedGame& g = StartGame();
            g.m_aName.push_back({c.nAnswer, L"Zoe"});
            e.end(g);
            ExpectRecordOutcome(g, c);
            e.expect(g, c);
        }
    }
}

TEST_F(Records, NewWithoutBankedPointsAsksForNothing)
{
    CScriptedGame& g = StartGame();
    store.records.Write(SkillBeginner, true, L"Holder", 30);
    g.Miss();
    g.Ticks(3);
    g.ClearLog();
    g.OnNew();
    EXPECT_TRUE(g.m_aNameAsked.empty());
    EXPECT_TRUE(g.m_astrMessages.empty());
    EXPECT_EQ(g.Count(L"newgame"), 1);
    EXPECT_EQ(store.records.Read(SkillBeginner, true).nNumber, 30);
    ExpectStanding(g, 1, 0, 240);
}

TEST_F(Records, GiveUpWithoutPointsOnlyShowsTheWord)
{
    CScriptedGame& g = StartGame();
    g.Miss();
    g.ClearLog();
    g.OnGiveUp();
    EXPECT_EQ(g.m_astrEvents, (std::vector<std::wstring>{L"clock:stop", L"ended:gave up", L"msg:The magic word was WORDA."}));
    EXPECT_EQ(g.TimeLimit(), 240);
    g.ClearLog();
    g.OnGiveUp();  // disabled while no word is in play
    EXPECT_TRUE(g.m_astrEvents.empty());
}

TEST_F(Records, BankedPointsAreDroppedWhenTimeTrialWasSwitchedOff)
{
    CScriptedGame& g = StartGame();
    CGameCoreTestSeam::SetStanding(g, 1, 500);  // would beat even an empty fewest-tries record (200) if compared there
    g.ChooseOptions([](COptionsValues& v) { v.bTimeTrial = false; });
    EXPECT_EQ(g.Score(), 500) << "Options keep the score";
    g.m_aName.push_back({ResultOK, L"Zoe"});
    g.OnGiveUp();
    EXPECT_TRUE(g.m_aNameAsked.empty());
    EXPECT_EQ(store.records.Read(SkillBeginner, false).nNumber, 0);
    EXPECT_EQ(store.records.Read(SkillBeginner, true).nNumber, 0);
    EXPECT_EQ(g.Score(), 0);
}

TEST_F(Records, FewestTriesNineThenNineThenEight)
{
    store.settings.Write(Option::TimeTrial, false);
    store.settings.Write(Option::CurrentSkill, SkillIntermediate);
    CScriptedGame& g = StartGame();
    g.m_aName = {{ResultOK, L"Ann"}, {ResultOK, L"Bob"}};

    SolveIn(g, 9);
    ASSERT_EQ(g.m_aNameAsked.size(), 1u);
    EXPECT_EQ(g.m_aNameAsked[0].strMessage, kFewestTries);
    EXPECT_EQ(g.m_aNameAsked[0].strPrefill, L"");
    EXPECT_EQ(store.records.Read(SkillIntermediate, false).nNumber, 9);
    EXPECT_EQ(store.records.Read(SkillIntermediate, false).strName, L"Ann");
    EXPECT_EQ(g.Count(L"bestscores"), 1);

    g.OnNew();
    SolveIn(g, 9);
    EXPECT_EQ(g.m_aNameAsked.size(), 1u) << "equal is no record";

    g.OnNew();
    SolveIn(g, 8);
    ASSERT_EQ(g.m_aNameAsked.size(), 2u);
    EXPECT_EQ(g.m_aNameAsked[1].strPrefill, L"Ann");
    EXPECT_EQ(store.records.Read(SkillIntermediate, false).nNumber, 8);
    EXPECT_EQ(store.records.Read(SkillIntermediate, false).strName, L"Bob");
    EXPECT_EQ(g.Score(), 0);
    EXPECT_EQ(g.Level(), 1);
    EXPECT_EQ(store.records.Read(SkillIntermediate, true).nNumber, 0) << "the Time Trial record is another";
}

TEST_F(Records, ReadBestRecordDefaults)
{
    struct CCase {
        bool bTimeTrial;
        bool bStored;
        int nStored;
        int nRead;
    };
    const std::vector<CCase> cases = {
        {true, false, 0, 0},   {true, true, 0, 0},     {true, true, 77, 77},
        {false, false, 0, 200}, {false, true, 0, 200}, {false, true, 12, 12}, {false, true, -4, 200},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nStored) + (c.bTimeTrial ? " trial" : " tries"));
        store.records.ResetAll();
        if (c.bStored)
            store.records.Write(SkillAdvanced, c.bTimeTrial, L"N", c.nStored);
        else
            store.registry.WriteString(store.profile.SectionKey(CSettingsStore::kSection),
                                       c.bTimeTrial ? L"TOP_ADV_SCORE" : L"TOP_ADVCHANCE_SCORE", L"absent as a number");
        CScriptedGame& g = MakeGame();
        CGameCoreTestSeam::SetSkillAndMode(g, SkillAdvanced, c.bTimeTrial);
        std::wstring strName = L"x";
        bool bKnown = false;
        EXPECT_EQ(g.ReadBestRecord(strName, bKnown), c.nRead);
    }
    // Writing addresses the current skill and mode only.
    CScriptedGame& g = MakeGame();
    CGameCoreTestSeam::SetSkillAndMode(g, SkillIntermediate, false);
    g.WriteBestRecord(L"Cy", 5);
    EXPECT_EQ(store.records.Read(SkillIntermediate, false).nNumber, 5);
    EXPECT_EQ(store.records.Read(SkillIntermediate, true).nNumber, 0);
    EXPECT_EQ(store.records.Read(SkillBeginner, false).nNumber, 0);
}
