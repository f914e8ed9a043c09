// The hint in the game core: the solver's best next guess for the word in play, what it says, and
// what it costs (30 seconds of a countdown, the fewest-tries record of the word).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/word_set.h"
#include "scripted_host.h"
#include "solver_plain_rule.h"
#include "word_list_vector.h"
#include "core_test_seam.h"

namespace {

class HintGame : public CGameFixture {
protected:
    // What the plain rule offers for the guesses of the word in play.
    std::wstring PlainHintMessage(CScriptedGame& g, bool bHard)
    {
        const std::vector<std::wstring> astrWords = ToVector(CGameCoreTestSeam::Words(g).m_wordsBeginner);
        const std::vector<std::size_t> anFit = PlainFittingWords(astrWords, ScoredGuessesOf(g.m_history));
        EXPECT_EQ(g.WordsThatFit(), anFit);
        const std::optional<CBestGuess> best = PlainBestGuess(astrWords, anFit, bHard);
        EXPECT_TRUE(best);
        if (!best)
            return {};
        const std::wstring strGuess = astrWords[best->nWord];
        const std::uint64_t n = best->ExpectedLeftHundredths();
        const std::wstring strCents = (n % 100 < 10 ? L"0" : L"") + std::to_wstring(n % 100);
        return L"Hint: try " + strGuess + L". " + std::to_wstring(anFit.size()) + L" words still fit; after " +
               strGuess + L" about " + std::to_wstring(n / 100) + L"." + strCents + L" would be left on average.";
    }
};

}  // namespace

TEST_F(HintGame, OffersThePlainRulesBestGuessAndCostsThirtySecondsOfTheCountdown)
{
    CScriptedGame& g = PlayStandard(true);
    ASSERT_TRUE(g.CanHint());
    EXPECT_EQ(g.WordsThatFit().size(), CGameCoreTestSeam::Words(g).m_wordsBeginner.size()) << "before a guess every word fits";
    g.Guess(L"SLATE");
    g.Guess(L"CORNY");
    g.ClearLog();
    const int nTimeLeft = g.TimeLeft();
    g.OnHint();
    ASSERT_EQ(g.m_astrMessages.size(), 1u);
    EXPECT_EQ(g.m_astrMessages[0], PlainHintMessage(g, false) + L" The hint cost 30 seconds.");
    EXPECT_EQ(g.TimeLeft(), nTimeLeft - 30);
    EXPECT_TRUE(CGameCoreTestSeam::IsHintUsed(g));

    // Hard mode hints only a word that fits.
    CGameCoreTestSeam::SetHardMode(g, true);
    g.ClearLog();
    g.OnHint();
    ASSERT_EQ(g.m_astrMessages.size(), 1u);
    EXPECT_EQ(g.m_astrMessages[0], PlainHintMessage(g, true) + L" The hint cost 30 seconds.");
    EXPECT_EQ(g.TimeLeft(), nTimeLeft - 60);
}

TEST_F(HintGame, TheCountdownStopsAtZeroAndTheNextTickEndsTheWord)
{
    CScriptedGame& g = PlayStandard(true);
    g.Guess(L"SLATE");
    g.Ticks(g.TimeLeft() - 20);
    ASSERT_EQ(g.TimeLeft(), 20);
    g.OnHint();
    EXPECT_EQ(g.TimeLeft(), 0);
    EXPECT_FALSE(g.IsGameOver()) << "the hint alone ends nothing";
    g.ClearLog();
    g.Ticks(1);
    EXPECT_TRUE(g.IsGameOver());
    EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{L"The magic word was " + g.m_history.m_strMagicWord + L"."});
    // No word in play, no hint.
    EXPECT_FALSE(g.CanHint());
    g.ClearLog();
    g.OnHint();
    EXPECT_TRUE(g.m_astrMessages.empty());
}

TEST_F(HintGame, AWordSolvedWithAHintMakesNoFewestTriesRecord)
{
    UseTwentyWordSet("words");
    store.settings.Write(Option::TimeTrial, false);
    CScriptedGame& g = StartGame();
    g.OnHint();
    EXPECT_EQ(g.TimeLeft(), g.TimeLimit()) << "no countdown to charge";
    g.Solve();
    EXPECT_TRUE(g.m_history.IsSolved());
    EXPECT_TRUE(g.m_aNameAsked.empty());

    // The next word, without a hint, makes the first record.
    g.OnNew();
    EXPECT_FALSE(CGameCoreTestSeam::IsHintUsed(g));
    g.Solve();
    EXPECT_EQ(g.m_aNameAsked.size(), 1u);
}

TEST_F(HintGame, AnotherSetOfTheSameSkillIsHintedFromItsOwnWords)
{
    UseTwentyWordSet("words");
    programDir.Write("Other.set", MakeSet({"zebra", "zeros"}));
    CScriptedGame& g = StartGame();
    g.OnHint();
    ASSERT_EQ(g.m_astrMessages.size(), 1u);
    EXPECT_EQ(g.m_astrMessages[0].find(L"Hint: try WORD"), 0u) << "from the twenty words";

    g.ChooseOptions([](COptionsValues& v) { v.strSet = L"Other"; });
    ASSERT_EQ(g.CurrentSet(), L"Other");
    ASSERT_FALSE(g.IsGameOver());
    g.ClearLog();
    g.OnHint();
    ASSERT_EQ(g.m_astrMessages.size(), 1u);
    EXPECT_EQ(g.m_astrMessages[0].find(L"Hint: try ZE"), 0u) << std::string(g.m_astrMessages[0].begin(), g.m_astrMessages[0].end());
}
