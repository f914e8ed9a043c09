// The word check and the words-that-fit count in the game core, the shipped dictionary, and the
// stored choice to show the count.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

#include "game/spoken_text.h"
#include "game/word_set.h"
#include "scripted_host.h"
#include "core_test_seam.h"

namespace {

class WordCheckGame : public CGameFixture {
protected:
    // A set whose Beginner words are APPLE, PLANT, CRANE, and a dictionary beside it that knows
    // two other words; the word check on, APPLE in play, Time Trial off.
    CScriptedGame& PlayWithDictionary(bool bWordCheck = true)
    {
        programDir.Write("Small.set", MakeSet({"apple", "plant", "crane"}));
        std::filesystem::create_directories(DictionaryFile(programDir.Path()).parent_path());
        std::ofstream(DictionaryFile(programDir.Path()), std::ios::binary) << MakeSet({"HOUSE", "MOUSE"}, {"GARDEN"});
        store.settings.Write(Option::CurrentSet, L"Small");
        store.settings.Write(Option::TimeTrial, false);
        CScriptedGame& g = StartGame();
        CGameCoreTestSeam::SetWordCheck(g, bWordCheck);
        g.ClearLog();
        return g;
    }
    // Backspace from the last cell blanks the whole row.
    static void ClearCells(CScriptedGame& g)
    {
        for (int i = 0; i < 7; ++i)
            g.OnKeyDown(VK_BACK);
    }
};

}  // namespace

TEST_F(WordCheckGame, AGuessThatIsNoWordKeepsItsCellsAndGetsANoteUntilTheNextKeyOrWord)
{
    CScriptedGame& g = PlayWithDictionary();
    g.Guess(L"ZZZQX");
    EXPECT_EQ(g.m_history.GuessCount(), 0u);
    EXPECT_EQ(g.Guess(), L"ZZZQX") << "the refused guess stays to be changed";
    EXPECT_EQ(g.Note(), L"Not a word");
    EXPECT_TRUE(g.m_astrMessages.empty()) << "no box in the way of typing";
    EXPECT_FALSE(g.m_bClockOn) << "a refused guess is no first guess";
    EXPECT_GE(g.Count(L"repaint:view"), 1);

    // Enter again refuses again, and the note is given anew so it is said again.
    const unsigned nNotes = g.NotesGiven();
    g.OnKeyDown(VK_RETURN);
    EXPECT_EQ(g.NotesGiven(), nNotes + 1);
    EXPECT_EQ(g.Note(), L"Not a word");

    // Any other key takes the note away: an arrow, Backspace, a letter.
    for (const int nKey : {VK_LEFT, VK_BACK}) {
        g.OnKeyDown(VK_RETURN);
        ASSERT_FALSE(g.Note().empty());
        g.OnKeyDown(nKey);
        EXPECT_TRUE(g.Note().empty()) << nKey;
        g.Type(L"X");
    }
    g.OnKeyDown(VK_RETURN);
    ASSERT_FALSE(g.Note().empty());
    g.Type(L"Q");
    EXPECT_TRUE(g.Note().empty());
    // So does a new word.
    g.OnKeyDown(VK_RETURN);
    ASSERT_FALSE(g.Note().empty());
    g.OnNew();
    EXPECT_FALSE(g.IsGameOver());
    EXPECT_TRUE(g.Note().empty());
}

TEST_F(WordCheckGame, WordsOfTheSetAndOfTheDictionaryPassAndTheCheckIsOffByDefault)
{
    CScriptedGame& g = PlayWithDictionary();
    g.Guess(L"CRANE");  // the set's own, not in the dictionary
    g.Guess(L"MOUSE");  // the dictionary's, not in the set
    ASSERT_EQ(g.m_history.GuessCount(), 2u);
    EXPECT_TRUE(g.Note().empty());
    // A word of the dictionary of another length is still no word of this one.
    g.Guess(L"GARDE");
    EXPECT_EQ(g.m_history.GuessCount(), 2u);
    ClearCells(g);
    g.Solve();
    EXPECT_TRUE(g.IsGameOver());
    EXPECT_TRUE(g.Note().empty());

    MakeGame();
    EXPECT_FALSE(CGameCoreTestSeam::IsWordCheck(*game));
    CScriptedGame& off = PlayWithDictionary(false);
    off.Guess(L"ZZZQX");
    EXPECT_EQ(off.m_history.GuessCount(), 1u);
    EXPECT_TRUE(off.Note().empty());
}

// A guess that is no word is told so by the note, before hard mode's message box about it.
TEST_F(WordCheckGame, ANonWordGetsTheNoteBeforeHardModeLooksAtIt)
{
    CScriptedGame& g = PlayWithDictionary();
    CGameCoreTestSeam::SetHardMode(g, true);
    g.Guess(L"PLANT");  // Match 3, Bingo 0 against APPLE; ZZZQX would score 0 and 0 against PLANT
    g.Guess(L"ZZZQX");
    EXPECT_EQ(g.m_history.GuessCount(), 1u);
    EXPECT_TRUE(g.m_astrMessages.empty());
    EXPECT_EQ(g.Note(), L"Not a word");
}

TEST_F(WordCheckGame, WithoutTheDictionaryOnlyTheSetsWordsPass)
{
    // The program folder holds a set and no dictionary folder.
    programDir.Write("Small.set", MakeSet({"apple", "plant", "crane"}));
    store.settings.Write(Option::CurrentSet, L"Small");
    CScriptedGame& g = StartGame();
    CGameCoreTestSeam::SetWordCheck(g, true);
    g.Guess(L"HOUSE");
    EXPECT_EQ(g.m_history.GuessCount(), 0u);
    ClearCells(g);
    g.Guess(L"PLANT");
    EXPECT_EQ(g.m_history.GuessCount(), 1u);
}

TEST(Dictionary, HoldsEveryWordOfItsFileAndIsNeverListedAsASet)
{
    CTempDir dir;
    dir.Write("Play.set", MakeSet({"apple"}));
    const std::filesystem::path file = DictionaryFile(dir.Path());
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << MakeSet({"HOUSE"}, {}, {"KITCHEN"});

    const std::unordered_set<std::wstring> dictionary = ReadDictionary(file);
    EXPECT_TRUE(dictionary.contains(L"KITCHEN"));
    EXPECT_TRUE(dictionary.contains(L"HOUSE"));
    EXPECT_FALSE(dictionary.contains(L"house")) << "guesses are upper case, and so are the words";
    EXPECT_FALSE(dictionary.contains(L"APPLE"));

    EXPECT_EQ(CSetFolders(dir.Path()).ListSetNames(), std::vector<std::wstring>{L"Play"});

    EXPECT_TRUE(ReadDictionary(dir.Path() / "nowhere" / "Everyday.set").empty());
}

// The shipped dictionary is the larger everyday list: every word the Standard set plays is in it,
// it holds many more, and each is a word the player can type.
TEST(Dictionary, TheShippedOneHoldsTheStandardSetAndMore)
{
    const std::filesystem::path sets(VQ_SETS_DIR);
    CWordLists dictionary;
    ASSERT_TRUE(ReadWordSetFile(DictionaryFile(sets.parent_path()), dictionary));
    CWordLists standard;
    ASSERT_TRUE(ReadWordSetFile(sets / "Standard.set", standard));
    const std::unordered_set<std::wstring> lookup = ReadDictionary(DictionaryFile(sets.parent_path()));
    for (int nSkill = 0; nSkill < 3; ++nSkill) {
        const CWordList& words = dictionary.ForSkill(nSkill);
        EXPECT_GT(words.size(), 2 * standard.ForSkill(nSkill).size()) << nSkill;
        for (std::size_t i = 0; i < words.size(); ++i)
            ASSERT_TRUE(CanBeTyped(words[i])) << nSkill << " " << i;
        const CWordList& played = standard.ForSkill(nSkill);
        for (std::size_t i = 0; i < played.size(); ++i)
            ASSERT_TRUE(lookup.contains(std::wstring(played[i]))) << std::string(played[i].begin(), played[i].end());
    }
}

TEST_F(WordCheckGame, TheCountOfWordsThatFitFollowsEachGuessAndEachNewWord)
{
    CScriptedGame& g = PlayWithDictionary(false);
    EXPECT_EQ(g.WordsThatFitCount(), 3u) << "before a guess every word fits";
    // Against APPLE, PLANT scores Match 3, Bingo 0: of the set's words only APPLE does the same.
    g.Guess(L"PLANT");
    EXPECT_EQ(g.WordsThatFitCount(), g.WordsThatFit().size());
    const std::size_t nAfterOne = g.WordsThatFitCount();
    EXPECT_EQ(nAfterOne, 1u);
    g.Guess(L"CRANE");
    EXPECT_EQ(g.WordsThatFitCount(), g.WordsThatFit().size());
    EXPECT_LE(g.WordsThatFitCount(), nAfterOne);
    g.Solve();
    EXPECT_EQ(g.WordsThatFitCount(), 1u) << "the word that ended: only it fits";
    g.OnNew();
    EXPECT_EQ(g.WordsThatFitCount(), 3u) << "a new word starts again from the whole list";
    // The same guess against each word in turn: LNZZZ leaves two words against APPLE or CRANE and
    // one against PLANT, and the count is the word's own, never the one before's.
    for (int nWord = 0; nWord < 3; ++nWord) {
        g.Guess(L"LNZZZ");
        EXPECT_EQ(g.WordsThatFitCount(), g.WordsThatFit().size()) << g.m_history.m_strMagicWord;
        g.OnGiveUp();
        g.OnNew();
    }
}

TEST(WordsFit, TheLineSaysOneWordOrManyWords)
{
    EXPECT_EQ(WordsFitText(1), L"1 word fits");
    EXPECT_EQ(WordsFitText(0), L"0 words fit");
    EXPECT_EQ(WordsFitText(1761), L"1761 words fit");
    EXPECT_EQ(SpokenNotAWord(L"ZZZQX"), L"ZZZQX is not a word.");
}
