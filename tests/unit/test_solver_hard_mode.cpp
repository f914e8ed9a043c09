// Hard mode in the game core: a guess that does not fit the counts of an earlier guess is refused
// with a message naming that guess and what it would have scored, and stays in the cells.
#include <gtest/gtest.h>

#include <string>

#include "game/solver.h"
#include "scripted_host.h"
#include "core_test_seam.h"

TEST(HardModeRule, FindsTheFirstEarlierGuessANewGuessContradicts)
{
    CGuessRecord record;
    record.m_strMagicWord = L"APPLE";
    record.AddGuess(L"PAPER");  // 4, 1
    record.AddGuess(L"LEVEL");  // 2, 0
    record.AddGuess(L"AMPLE");  // 4, 4

    struct CCase {
        std::wstring strGuess;
        int nContradicted;  // -1: fits every guess
        int nMatch, nBingo;  // what the contradicted guess would have scored against strGuess
    };
    for (const CCase& c : std::vector<CCase>{
             {L"APPLE", -1, 0, 0},  // the magic word fits everything it scored
             {L"ZZZZZ", 0, 0, 0},
             {L"AMPLE", 0, 3, 1},   // the first contradiction is named, not the only one
             {L"APPEL", 0, 4, 2},   // the same letters, placed otherwise
             {L"EPPLA", 2, 4, 2},   // fits PAPER and LEVEL, not AMPLE
         }) {
        const std::optional<CContradiction> found = FirstContradiction(record, c.strGuess);
        SCOPED_TRACE(std::string(c.strGuess.begin(), c.strGuess.end()));
        ASSERT_EQ(found.has_value(), c.nContradicted >= 0);
        if (!found)
            continue;
        EXPECT_EQ(found->nGuess, static_cast<std::size_t>(c.nContradicted));
        EXPECT_EQ(found->nMatch, c.nMatch);
        EXPECT_EQ(found->nBingo, c.nBingo);
    }
}

namespace {

// The twenty-word set's first Beginner word, WORDA, in play.
class HardModeGame : public CGameFixture {
protected:
    CScriptedGame& Play(bool bHardMode)
    {
        UseTwentyWordSet("words");
        CScriptedGame& g = StartGame();
        CGameCoreTestSeam::SetHardMode(g, bHardMode);
        EXPECT_EQ(g.m_history.m_strMagicWord, L"WORDA");
        g.ClearLog();
        return g;
    }
};

}  // namespace

TEST_F(HardModeGame, AGuessThatCannotBeTheWordIsRefusedAndStaysInTheCells)
{
    CScriptedGame& g = Play(true);
    g.Guess(L"WORDB");  // 4, 4
    ASSERT_EQ(g.m_history.GuessCount(), 1u);
    g.ClearLog();

    g.Guess(L"QUERY");
    EXPECT_EQ(g.m_history.GuessCount(), 1u) << "not listed";
    EXPECT_EQ(g.Guess(), L"QUERY") << "the typed guess stays in the cells";
    ASSERT_EQ(g.m_astrMessages.size(), 1u);
    EXPECT_EQ(g.m_astrMessages[0], L"Hard mode: QUERY cannot be the word. WORDB got Match 4, Bingo 4; against QUERY it "
                                   L"would have scored Match 1, Bingo 0.");

    // Changed into a word that fits, it is taken; the magic word always fits, so the word can be
    // solved as ever.
    for (int i = 0; i < 5; ++i)
        g.OnKeyDown(VK_BACK);
    g.Guess(L"WORDC");
    EXPECT_EQ(g.m_history.GuessCount(), 2u);
    g.Solve();
    EXPECT_TRUE(g.m_history.IsSolved());
    EXPECT_EQ(g.m_history.GuessCount(), 3u);
}

TEST_F(HardModeGame, OffByDefaultAndOffAnyGuessIsTaken)
{
    UseTwentyWordSet("words");
    CScriptedGame& g = StartGame();
    EXPECT_FALSE(CGameCoreTestSeam::IsHardMode(g));
    g.ClearLog();
    g.Guess(L"WORDB");
    g.Guess(L"QUERY");
    EXPECT_EQ(g.m_history.GuessCount(), 2u);
    EXPECT_TRUE(g.m_astrMessages.empty());
}
