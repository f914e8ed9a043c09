// Word choice and progress, the time allowance, first run, damaged stored values, taking a guess.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core_test_seam.h"
#include "scripted_host.h"

namespace {

const std::vector<std::string> kBeg = {"apple", "mango", "lemon", "grape", "peach", "melon", "guava"};
const std::vector<std::string> kInt = {"planet", "rocket", "comets"};
const std::vector<std::string> kAdv = {"kitchen", "balcony", "cellars"};

class Rules : public CGameFixture {
protected:
    void SetUp() override
    {
        programDir.Write("animals.set", MakeSet(kBeg, kInt, kAdv));
        programDir.Write("fruit.set", MakeSet({"berry", "cherry!", "olive", "prune"}));
    }
    int StoredIndex(const std::wstring& strSet, int nSkill)
    {
        int n = -99;
        return store.settings.QueryWordIndex(strSet, nSkill, n) == ERead::Found ? n : -99;
    }
    // Hands out the next word the way New does.
    std::wstring Next()
    {
        game->OnNew();
        return game->m_history.m_strMagicWord;
    }
};

}  // namespace

TEST_F(Rules, FirstRunOnAnEmptyStoreTakesTheFirstSetAndItsFirstWord)
{
    // Only one set, so "the first the directory yields" is certain.
    std::filesystem::remove(programDir.Path() / "fruit.set");
    CScriptedGame& g = StartGame();
    EXPECT_TRUE(CGameCoreTestSeam::IsSoundOn(g));
    EXPECT_TRUE(g.IsTimeTrial());
    EXPECT_EQ(g.Background(), 0xA6FFD2u);
    EXPECT_EQ(g.CurrentSet(), L"animals");
    EXPECT_EQ(store.StoredSet(), L"animals");
    EXPECT_EQ(g.Skill(), SkillBeginner);
    EXPECT_EQ(g.m_history.m_strMagicWord, L"APPLE");
    EXPECT_EQ(StoredIndex(L"animals", SkillBeginner), 0);
    EXPECT_EQ(g.m_anNewGameLength, std::vector<int>{5});
    EXPECT_FALSE(g.IsGameOver());
    EXPECT_TRUE(g.m_astrMessages.empty());
}

TEST_F(Rules, WordsComeInFileOrderWrapAndEveryStartAdvances)
{
    store.settings.Write(Option::CurrentSet, L"animals");
    store.settings.Write(Option::CurrentSkill, SkillIntermediate);
    CScriptedGame& g = StartGame();
    EXPECT_EQ(g.m_history.m_strMagicWord, L"PLANET");
    EXPECT_EQ(Next(), L"ROCKET");   // New twice in a row skips nothing but the word abandoned
    EXPECT_EQ(Next(), L"COMETS");
    EXPECT_EQ(Next(), L"PLANET");   // after the last word the set starts again
    EXPECT_EQ(StoredIndex(L"animals", SkillIntermediate), 0);

    // Quitting during a word and starting again gives the following word.
    MakeGame().StartFirstWord();
    EXPECT_EQ(game->m_history.m_strMagicWord, L"ROCKET");
}

TEST_F(Rules, StoredIndexOnTheLastWordWrapsAndMissingIndexIsCreated)
{
    store.settings.Write(Option::CurrentSet, L"animals");
    store.settings.Write(Option::CurrentSkill, SkillAdvanced);
    store.settings.WriteWordIndex(L"animals", SkillAdvanced, 2);
    CScriptedGame& g = StartGame();
    EXPECT_EQ(g.m_history.m_strMagicWord, L"KITCHEN");
    EXPECT_EQ(StoredIndex(L"animals", SkillAdvanced), 0);
    // Only the index of the skill in play is read and written back.
    EXPECT_EQ(StoredIndex(L"animals", SkillBeginner), -99);
}

TEST_F(Rules, TwoSetsAlternatedKeepSeparatePositionsAndCaseSharesProgress)
{
    store.settings.Write(Option::CurrentSet, L"animals");
    CScriptedGame& g = StartGame();
    for (int i = 0; i < 4; ++i)
        Next();
    EXPECT_EQ(CGameCoreTestSeam::WordIndex(g), 4);  // words 0 to 4 of animals

    auto switchTo = [&](const std::wstring& strSet) {
        g.ChooseOptions([strSet](COptionsValues& v) { v.strSet = strSet; });
    };
    switchTo(L"fruit");
    EXPECT_EQ(g.m_history.m_strMagicWord, L"BERRY");
    Next();
    EXPECT_EQ(g.m_history.m_strMagicWord, L"OLIVE");  // "cherry!" is 7 characters: not a Beginner word
    switchTo(L"animals");
    EXPECT_EQ(g.m_history.m_strMagicWord, L"MELON");  // word 5

    // Keys compare without regard to case, as a registry's do: ANIMALS is animals' progress.
    EXPECT_EQ(StoredIndex(L"ANIMALS", SkillBeginner), 5);
    EXPECT_EQ(StoredIndex(L"fruit", SkillBeginner), 1);
}

TEST_F(Rules, SwitchingToAnUnplayedSkillStartsItsFirstWord)
{
    store.settings.Write(Option::CurrentSet, L"animals");
    CScriptedGame& g = StartGame();
    Next();
    g.ChooseOptions([](COptionsValues& v) { v.nSkill = SkillAdvanced; });
    EXPECT_EQ(g.m_history.m_strMagicWord, L"KITCHEN");
    EXPECT_EQ(StoredIndex(L"animals", SkillAdvanced), 0);
    EXPECT_EQ(StoredIndex(L"animals", SkillBeginner), 1) << "the other skill's position is untouched";
    EXPECT_EQ(store.StoredInt(L"CURRENT_LEVEL"), SkillAdvanced);
}

TEST_F(Rules, DamagedStoredValuesPlayAsSomethingSound)
{
    const std::wstring section = store.profile.SectionKey(CSettingsStore::kSection);
    store.settings.Write(Option::CurrentSet, L"animals");
    // A skill outside 0 to 2, an index far below -1, options stored with the wrong type.
    store.registry.WriteDword(section, L"CURRENT_LEVEL", 7);
    store.registry.WriteDword(section + L"\\animals", L"BEG_INDEX", static_cast<std::uint32_t>(-5));
    store.registry.WriteString(section, L"SOUND", L"0");
    store.registry.WriteString(section, L"Background Color", L"red");
    CScriptedGame& g = StartGame();
    EXPECT_TRUE(CGameCoreTestSeam::IsSoundOn(g));
    EXPECT_EQ(g.Background(), kDefaultBackground);
    EXPECT_EQ(g.Skill(), SkillBeginner);
    EXPECT_EQ(g.m_history.m_strMagicWord, L"APPLE");

    // A huge index wraps instead of overflowing.
    store.registry.WriteDword(section + L"\\animals", L"BEG_INDEX", 0x7FFFFFFF);
    MakeGame().StartFirstWord();
    EXPECT_EQ(game->m_history.m_strMagicWord, L"APPLE");
}

TEST_F(Rules, PickNextWordRefusesAnEmptyListAndChangesNothing)
{
    store.settings.Write(Option::CurrentSet, L"fruit");
    store.settings.Write(Option::CurrentSkill, SkillAdvanced);
    CScriptedGame& g = MakeGame();
    ASSERT_TRUE(g.LoadProgress());
    g.m_history.m_strMagicWord = L"OLDIE";
    EXPECT_FALSE(g.PickNextWord());
    EXPECT_EQ(CGameCoreTestSeam::WordIndex(g), -1);
    EXPECT_EQ(g.m_history.m_strMagicWord, L"OLDIE");
    EXPECT_EQ(StoredIndex(L"fruit", SkillAdvanced), -1);
}

TEST(TimeAllowance, BySkillAndLevelWithTheFloor)
{
    struct CCase {
        int nSkill, nLevel;
        bool bTimeTrial;
        int nSeconds;
    };
    const std::vector<CCase> cases = {
        {0, 1, true, 240},  {0, 2, true, 225},   {0, 12, true, 75},   {0, 13, true, 60},
        {0, 14, true, 60},  {0, 1000000000, true, 60}, {1, 1, true, 360}, {1, 21, true, 60},
        {1, 20, true, 75},  {2, 5, true, 420},   {2, 29, true, 60},   {2, 28, true, 75},
        {0, 12, false, 240}, {1, 30, false, 360}, {2, 9, false, 480}, {0, 0, true, 240},
        {0, -3, true, 240}, {5, 1, true, 240},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE("skill " + std::to_string(c.nSkill) + " level " + std::to_string(c.nLevel) +
                     (c.bTimeTrial ? " trial" : ""));
        EXPECT_EQ(CGameCore::TimeAllowance(c.nSkill, c.nLevel, c.bTimeTrial), c.nSeconds);
    }
}

TEST_F(Rules, IncompleteGuessIsRefusedAndTheFirstGuessStartsTheClock)
{
    store.settings.Write(Option::CurrentSet, L"animals");
    CScriptedGame& g = StartGame();
    CGameCoreTestSeam::SetElapsed(g, 77);  // the previous word's time, shown until the first guess
    g.Type(L"appl");
    g.ClearLog();
    EXPECT_FALSE(g.SubmitGuess());
    EXPECT_TRUE(g.m_history.m_astrGuesses.empty());
    EXPECT_EQ(g.Guess(), L"APPL ");
    EXPECT_TRUE(g.m_astrEvents.empty());

    g.Type(L"y");
    EXPECT_TRUE(g.SubmitGuess());
    EXPECT_EQ(g.Guess(), L"     ");
    EXPECT_EQ(g.Cursor(), 0);
    EXPECT_EQ(g.Elapsed(), 0);
    EXPECT_TRUE(CGameCoreTestSeam::IsClockRunning(g));
    EXPECT_EQ(g.Count(L"clock:start"), 1);
    g.Guess(L"APPLY");  // the same guess again is listed again; the clock is not restarted
    EXPECT_EQ(g.m_history.m_astrGuesses.size(), 2u);
    EXPECT_EQ(g.Count(L"clock:start"), 1);
}

TEST_F(Rules, SolvingAtTheFirstGuessStartsAndStopsTheClock)
{
    store.settings.Write(Option::CurrentSet, L"animals");
    store.settings.Write(Option::TimeTrial, false);
    CScriptedGame& g = StartGame();
    g.Type(L"apple");
    g.ClearLog();
    g.OnKeyDown(VK_RETURN);
    EXPECT_TRUE(g.IsGameOver());
    EXPECT_FALSE(CGameCoreTestSeam::IsClockRunning(g));
    EXPECT_FALSE(g.m_bClockOn);
    EXPECT_EQ(g.m_history.GuessCount(), 1u);
    const std::vector<std::wstring> head(g.m_astrEvents.begin(), g.m_astrEvents.begin() + 4);
    EXPECT_EQ(head, (std::vector<std::wstring>{L"clock:start", L"ended:solved",
                                               L"msg:Congratulations.  You are one smart player.", L"clock:stop"}));
}

TEST(RulesOnABrokenStore, GamePlaysOnDefaultsSaysNothingAndLeavesTheFileAlone)
{
    CTempDir dir;
    CTempDir programDir;
    programDir.Write("animals.set", MakeSet(kBeg, kInt, kAdv));
    const std::string garbage(4096, '\x5A');
    const std::filesystem::path file = dir.Write("registry.db", garbage);
    CRegistry registry(file);
    CAppProfile profile(registry);
    CScriptedGame g(profile, programDir.Path());
    g.StartFirstWord();
    EXPECT_TRUE(g.m_astrMessages.empty());
    EXPECT_TRUE(CGameCoreTestSeam::IsSoundOn(g));
    EXPECT_TRUE(g.IsTimeTrial());
    EXPECT_EQ(g.Background(), kDefaultBackground);
    EXPECT_EQ(g.m_history.m_strMagicWord, L"APPLE");
    EXPECT_FALSE(g.IsGameOver());
    g.OnNew();
    EXPECT_EQ(g.m_history.m_strMagicWord, L"MANGO") << "progress held in memory for this run";

    std::ifstream in(file, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(after, garbage);
}
