// The Options command: what is stored, when a new word starts, and the clock around the dialog.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core_test_seam.h"
#include "scripted_host.h"

namespace {

class Options : public CGameFixture {
protected:
    void SetUp() override
    {
        programDir.Write("animals.set", MakeSet({"tiger", "horse", "camel"}, {"donkey"}, {"giraffe"}));
        programDir.Write("Fruit.set", MakeSet({"apple", "mango"}, {"banana"}, {"apricot"}));
        store.settings.Write(Option::CurrentSet, L"animals");
    }
    // A game in play at level 4 with points banked, its clock running.
    CScriptedGame& Playing()
    {
        CScriptedGame& g = StartGame();
        CGameCoreTestSeam::SetStanding(g, 4, 321);
        g.Miss();
        g.ClearLog();
        return g;
    }
    bool Stored(const wchar_t* szName)
    {
        std::uint32_t dw = 0;
        return store.registry.QueryDword(store.profile.SectionKey(CSettingsStore::kSection), szName, dw) == ERead::Found;
    }
};

}  // namespace

TEST_F(Options, DialogIsGivenTheCurrentValuesAndOnlyARunningClockStopsAroundIt)
{
    store.settings.Write(Option::Sound, false);
    store.settings.Write(Option::Background, 0x123456);
    CScriptedGame& g = StartGame();
    g.ClearLog();
    g.OnOptions();  // cancelled, as every dialog here
    EXPECT_EQ(g.m_astrEvents, std::vector<std::wstring>{L"options"}) << "no clock before the first guess";
    g.Miss();
    g.ClearLog();
    g.OnOptions();
    ASSERT_EQ(g.m_aOptionsGiven.size(), 2u);
    const COptionsValues& v = g.m_aOptionsGiven[1];
    EXPECT_EQ(v.nSkill, SkillBeginner);
    EXPECT_TRUE(v.bTimeTrial);
    EXPECT_EQ(v.strSet, L"animals");
    EXPECT_FALSE(v.bSound);
    EXPECT_EQ(v.clrBackground, 0x123456u);
    EXPECT_EQ(g.m_astrEvents, (std::vector<std::wstring>{L"clock:stop", L"options", L"clock:start"}));
}

TEST_F(Options, SoundAloneIsStoredOnOkEvenUnchangedAndKeepsTheWord)
{
    CScriptedGame& g = Playing();
    const std::wstring strWord = g.m_history.m_strMagicWord;
    EXPECT_FALSE(Stored(L"SOUND"));
    g.ChooseOptions([](COptionsValues&) {});
    EXPECT_EQ(store.StoredInt(L"SOUND"), 1);
    g.ChooseOptions([](COptionsValues& v) { v.bSound = false; });
    EXPECT_FALSE(CGameCoreTestSeam::IsSoundOn(g));
    EXPECT_EQ(store.StoredInt(L"SOUND"), 0);
    EXPECT_FALSE(Stored(L"TIMETRIAL_CHECKED"));
    EXPECT_FALSE(Stored(L"Background Color"));
    EXPECT_EQ(g.Count(L"newgame"), 0);
    EXPECT_EQ(g.m_history.m_strMagicWord, strWord);
    EXPECT_EQ(g.m_history.GuessCount(), 1u);
    EXPECT_TRUE(g.m_bClockOn) << "the clock goes on after the dialog";
    EXPECT_FALSE(g.IsGameOver());
}

TEST_F(Options, AnyChangeBeyondSoundStartsTheNextWordKeepingLevelAndScore)
{
    struct CCase {
        const char* szName;
        std::function<void(COptionsValues&)> change;
        std::wstring strWord;
    };
    const std::vector<CCase> cases = {
        {"colour only", [](COptionsValues& v) { v.clrBackground = 0x00FF00; }, L"HORSE"},
        {"set in another case", [](COptionsValues& v) { v.strSet = L"ANIMALS"; }, L"HORSE"},
        {"skill", [](COptionsValues& v) { v.nSkill = SkillAdvanced; }, L"GIRAFFE"},
        {"Time Trial", [](COptionsValues& v) { v.bTimeTrial = false; }, L"HORSE"},
        {"another set", [](COptionsValues& v) { v.strSet = L"Fruit"; }, L"APPLE"},
    };
    bool bSound = false;
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        store.settings.Write(Option::CurrentSet, L"animals");
        store.settings.Write(Option::CurrentSkill, SkillBeginner);
        store.settings.Write(Option::TimeTrial, true);
        store.settings.WriteWordIndex(L"animals", SkillBeginner, -1);
        // Sound flips too in every case: it is stored along with the other changes, not instead.
        bSound = !bSound;
        store.settings.Write(Option::Sound, !bSound);
        CScriptedGame& g = Playing();
        g.ChooseOptions([&](COptionsValues& v) {
            c.change(v);
            v.bSound = bSound;
        });
        EXPECT_EQ(g.Count(L"newgame"), 1);
        EXPECT_EQ(g.m_history.m_strMagicWord, c.strWord);
        EXPECT_EQ(g.m_history.GuessCount(), 0u);
        EXPECT_EQ(g.Level(), 4);
        EXPECT_EQ(g.Score(), 321);
        EXPECT_FALSE(g.m_bClockOn) << "the new word starts it at its first guess";
        EXPECT_FALSE(CGameCoreTestSeam::IsClockRunning(g));
        EXPECT_TRUE(g.m_astrMessages.empty()) << "the old word goes without a message";
        EXPECT_TRUE(Stored(L"TIMETRIAL_CHECKED"));
        EXPECT_TRUE(Stored(L"Background Color"));
        EXPECT_EQ(static_cast<COLORREF>(store.StoredInt(L"Background Color")), g.Background());
        EXPECT_EQ(store.StoredInt(L"TIMETRIAL_CHECKED"), g.IsTimeTrial() ? 1 : 0);
        EXPECT_EQ(store.StoredSet(), g.CurrentSet());
        EXPECT_EQ(store.StoredInt(L"SOUND"), bSound ? 1 : 0);
        EXPECT_EQ(CGameCoreTestSeam::IsSoundOn(g), bSound);
    }
}

TEST_F(Options, HardModeAndWordCheckAreStoredAndKeepTheWordInPlay)
{
    CScriptedGame& g = Playing();
    const std::wstring strWord = g.m_history.m_strMagicWord;
    ASSERT_FALSE(CGameCoreTestSeam::IsHardMode(g));
    ASSERT_FALSE(CGameCoreTestSeam::IsWordCheck(g));
    g.ChooseOptions([](COptionsValues& v) { v.bHardMode = true; });
    EXPECT_TRUE(CGameCoreTestSeam::IsHardMode(g));
    EXPECT_FALSE(CGameCoreTestSeam::IsWordCheck(g));
    g.ChooseOptions([](COptionsValues& v) { v.bWordCheck = true; });
    EXPECT_TRUE(CGameCoreTestSeam::IsHardMode(g)) << "the second dialog was given Hard Mode on and kept it";
    EXPECT_TRUE(CGameCoreTestSeam::IsWordCheck(g));
    EXPECT_TRUE(g.m_aOptionsGiven[1].bHardMode);
    EXPECT_EQ(store.StoredInt(L"HARD_MODE"), 1);
    EXPECT_EQ(store.StoredInt(L"WORD_CHECK"), 1);
    EXPECT_EQ(g.Count(L"newgame"), 0);
    EXPECT_EQ(g.m_history.m_strMagicWord, strWord);
    EXPECT_EQ(g.m_history.GuessCount(), 1u) << "the word goes on with its guess";
    EXPECT_FALSE(g.IsGameOver());
    EXPECT_TRUE(g.m_bClockOn);

    g.ChooseOptions([](COptionsValues& v) { v.bHardMode = false; });
    EXPECT_FALSE(CGameCoreTestSeam::IsHardMode(g));
    EXPECT_TRUE(CGameCoreTestSeam::IsWordCheck(g));
    EXPECT_EQ(store.StoredInt(L"HARD_MODE"), 0);
}

TEST_F(Options, HardModeAndWordCheckAreReadAtStartAndWhenOptionsOpen)
{
    const std::wstring strSection = store.profile.SectionKey(CSettingsStore::kSection);
    struct {
        const char* pszHow;
        std::function<void()> store;
        bool bHardMode, bWordCheck;
    } const aCases[] = {
        {"absent", [] {}, false, false},
        {"on", [&] { store.settings.Write(Option::HardMode, true); store.settings.Write(Option::WordCheck, true); },
         true, true},
        {"any non-zero number",
         [&] {
             ASSERT_TRUE(store.registry.WriteDword(strSection, L"HARD_MODE", 0));
             ASSERT_TRUE(store.registry.WriteDword(strSection, L"WORD_CHECK", 0xFFFFFFFF));
         },
         false, true},
        {"damaged: a string", [&] {
             ASSERT_TRUE(store.registry.WriteString(strSection, L"HARD_MODE", L"1"));
             ASSERT_TRUE(store.registry.WriteString(strSection, L"WORD_CHECK", L"on"));
         }, false, false},
    };
    // In this order: each case stores both values over what the one before left.
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.pszHow);
        c.store();
        CScriptedGame& g = StartGame();
        EXPECT_EQ(CGameCoreTestSeam::IsHardMode(g), c.bHardMode);
        EXPECT_EQ(CGameCoreTestSeam::IsWordCheck(g), c.bWordCheck);
        // Another copy turns both round while this one plays: Options shows what is stored now.
        store.settings.Write(Option::HardMode, !c.bHardMode);
        store.settings.Write(Option::WordCheck, !c.bWordCheck);
        g.OnOptions();
        ASSERT_FALSE(g.m_aOptionsGiven.empty());
        EXPECT_EQ(g.m_aOptionsGiven.back().bHardMode, !c.bHardMode);
        EXPECT_EQ(g.m_aOptionsGiven.back().bWordCheck, !c.bWordCheck);
    }
}

TEST_F(Options, CancelAfterChangingEverythingChangesNothing)
{
    CScriptedGame& g = Playing();
    g.ChooseOptions(
        [](COptionsValues& v) {
            v = COptionsValues{SkillAdvanced, false, L"Fruit", false, 0x0000FF, true, true};
        },
        ResultCancel);
    EXPECT_EQ(g.Skill(), SkillBeginner);
    EXPECT_TRUE(g.IsTimeTrial());
    EXPECT_TRUE(CGameCoreTestSeam::IsSoundOn(g));
    EXPECT_EQ(g.CurrentSet(), L"animals");
    EXPECT_EQ(g.Background(), kDefaultBackground);
    EXPECT_FALSE(CGameCoreTestSeam::IsHardMode(g));
    EXPECT_FALSE(CGameCoreTestSeam::IsWordCheck(g));
    EXPECT_FALSE(Stored(L"SOUND"));
    EXPECT_FALSE(Stored(L"HARD_MODE"));
    EXPECT_EQ(g.Count(L"newgame"), 0);
    EXPECT_TRUE(g.m_bClockOn);
}

TEST_F(Options, ASetThatCannotBeLoadedLeavesNoWordInPlay)
{
    CScriptedGame& g = Playing();
    g.ChooseOptions([](COptionsValues& v) { v.strSet = L"vanished"; });
    EXPECT_EQ(g.m_astrMessages,
              (std::vector<std::wstring>{L"Can not open file", L"Did not find any word sets to play with."}));
    EXPECT_TRUE(g.IsGameOver());
    EXPECT_FALSE(g.m_bClockOn);
    EXPECT_EQ(g.Count(L"newgame"), 0);
    EXPECT_EQ(store.StoredSet(), L"vanished");

    // The player recovers by choosing a set that exists.
    g.ChooseOptions([](COptionsValues& v) { v.strSet = L"Fruit"; });
    EXPECT_FALSE(g.IsGameOver());
    EXPECT_EQ(g.m_history.m_strMagicWord, L"APPLE");
}

TEST_F(Options, ADamagedSkillFromTheDialogIsPlayedAsBeginner)
{
    CScriptedGame& g = Playing();
    g.ChooseOptions([](COptionsValues& v) {
        v.nSkill = 5;
        v.clrBackground = 1;
    });
    EXPECT_EQ(g.Skill(), SkillBeginner);
    EXPECT_EQ(store.StoredInt(L"CURRENT_LEVEL"), SkillBeginner);
    EXPECT_EQ(g.m_history.m_strMagicWord, L"HORSE");
}
