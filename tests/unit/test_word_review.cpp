// The review of a word that ended: each guess held against the plain rule, the texts that tell it,
// and which ended word the game core offers to review.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scripted_host.h"
#include "solver_plain_rule.h"
#include "word_list_vector.h"
#include "core_test_seam.h"

namespace {

std::vector<CScoredGuess> ScoredAgainst(const std::wstring& strMagic, const std::vector<std::wstring>& astrGuesses)
{
    std::vector<CScoredGuess> aGuesses;
    for (const std::wstring& s : astrGuesses) {
        const auto [nMatch, nBingo] = GameCounts(s, strMagic);
        aGuesses.push_back({s, nMatch, nBingo});
    }
    return aGuesses;
}

// Every row as the plain rule, pair by pair, has it: the words that fit before and after each guess,
// the best guess at that point (in hard mode one that fits) and what it and the player's guess leave.
void ExpectPlainRule(const CWordReview& review, const std::vector<std::wstring>& astrWords,
                     const std::vector<CScoredGuess>& aGuesses, bool bHard)
{
    ASSERT_EQ(review.aRows.size(), aGuesses.size());
    std::vector<CScoredGuess> aSoFar;
    for (std::size_t i = 0; i < aGuesses.size(); ++i) {
        const CReviewRow& row = review.aRows[i];
        SCOPED_TRACE(row.strGuess);
        const std::vector<std::size_t> anBefore = PlainFittingWords(astrWords, aSoFar);
        aSoFar.push_back(aGuesses[i]);
        EXPECT_EQ(row.strGuess, aGuesses[i].strGuess);
        EXPECT_EQ(row.nFitBefore, anBefore.size());
        EXPECT_EQ(row.nFitAfter, PlainFittingWords(astrWords, aSoFar).size());
        const std::optional<CBestGuess> best = PlainBestGuess(astrWords, anBefore, bHard);
        ASSERT_TRUE(best);
        EXPECT_EQ(row.strBest, astrWords[best->nWord]);
        EXPECT_EQ(row.nBestHundredths, best->ExpectedLeftHundredths());
        CBestGuess mine = *best;
        mine.nSumOfSquares = PlainSumOfSquares(astrWords, aGuesses[i].strGuess, anBefore);
        EXPECT_EQ(row.nGuessHundredths, mine.ExpectedLeftHundredths());
    }
    const std::vector<std::size_t> anLeft = PlainFittingWords(astrWords, aSoFar);
    EXPECT_EQ(review.nLeft, anLeft.size());
    ASSERT_EQ(review.astrLeft.size(), std::min(anLeft.size(), kReviewNamesShown));
    for (std::size_t i = 0; i < review.astrLeft.size(); ++i)
        EXPECT_EQ(review.astrLeft[i], astrWords[anLeft[i]]);
}

class ReviewGame : public CGameFixture {};

}  // namespace

TEST(WordReview, FollowsThePlainRuleGuessByGuessAndNamesTheFirstWordsLeft)
{
    // Repeated letters and a guess the list does not hold, on a list small enough to read.
    const std::vector<std::wstring> astrWords = {L"APPLE", L"ANGLE", L"AMPLE", L"PLANE", L"PLATE", L"SLATE",
                                                 L"LEAPT", L"PETAL", L"PAPER", L"EAGLE", L"GLEAM", L"MAPLE"};
    const CSolverWords words(WordListOf(astrWords));
    for (const bool bHard : {false, true}) {
        SCOPED_TRACE(bHard ? "hard" : "any word");
        const std::vector<CScoredGuess> aGuesses = ScoredAgainst(L"MAPLE", {L"QUICK", L"PLATE", L"AMPLE", L"MAPLE"});
        const CWordReview review = ReviewGuesses(words, aGuesses, bHard ? EGuessPool::FittingOnly : EGuessPool::AnyWord);
        ExpectPlainRule(review, astrWords, aGuesses, bHard);
        EXPECT_EQ(review.astrLeft, std::vector<std::wstring>{L"MAPLE"});
    }
    // More words left than are named: the first ones in file order, and the count of all.
    std::vector<std::wstring> astrMany;
    for (wchar_t c = L'A'; c <= L'Z'; ++c)
        astrMany.push_back(L"QQQQ" + std::wstring(1, c));
    const CWordReview wide = ReviewGuesses(CSolverWords(WordListOf(astrMany)), {}, EGuessPool::AnyWord);
    EXPECT_EQ(wide.nLeft, astrMany.size());
    EXPECT_EQ(wide.astrLeft, std::vector<std::wstring>(astrMany.begin(), astrMany.begin() + kReviewNamesShown));
    CWordReview three;
    three.nLeft = 12;
    three.astrLeft = {L"APPLE", L"ANGLE", L"AMPLE"};
    EXPECT_EQ(ReviewLeftText(three), L"12 words fit every guess: APPLE, ANGLE, AMPLE and 9 more.");

    // Counts no word of the list can have (the magic word was not in it): nothing to offer.
    const CWordReview none = ReviewGuesses(words, {{L"APPLE", 0, 0}, {L"PLATE", 2, 1}}, EGuessPool::AnyWord);
    ASSERT_EQ(none.aRows.size(), 2u);
    EXPECT_EQ(none.aRows[0].nFitAfter, 0u);
    EXPECT_EQ(none.aRows[1].nFitBefore, 0u);
    EXPECT_TRUE(none.aRows[1].strBest.empty());
    EXPECT_EQ(ReviewRowText(none.aRows[1]), L"Your guess left 0 words.");
    EXPECT_EQ(ReviewLeftText(none), L"No word of the list fits every guess.");
}

TEST(WordReview, SaysWhatTheBestGuessWouldHaveLeftUnlessTheGuessWasAsGood)
{
    CReviewRow row;
    row.strGuess = L"CRANE";
    row.nFitAfter = 12;
    row.nGuessHundredths = 1450;
    row.strBest = L"SLATE";
    row.nBestHundredths = 305;
    EXPECT_EQ(ReviewRowText(row), L"Your guess left 12 words; SLATE would have left 3.05 on average.");
    // Another word that leaves as many on average is no better.
    row.nFitAfter = 1;
    row.nGuessHundredths = 305;
    EXPECT_EQ(ReviewRowText(row), L"Your guess left 1 word; no guess would have left fewer on average than its 3.05.");

    CWordReview review;
    review.nLeft = 2;
    review.astrLeft = {L"APPLE", L"ANGLE"};
    EXPECT_EQ(ReviewLeftText(review), L"2 words fit every guess: APPLE, ANGLE.");
}

TEST_F(ReviewGame, AnEndedWordIsReviewedAsThePlainRuleHasItHardModeAsItWasPlayed)
{
    CScriptedGame& g = PlayStandard(false);
    EXPECT_FALSE(g.CanReview()) << "not while the word is in play";
    g.Guess(L"SLATE");
    g.Guess(L"CORNY");
    // Hard mode as the word ends is what it was played in; the magic word always fits.
    CGameCoreTestSeam::SetHardMode(g, true);
    // The message that ends the word offers the review: it must be there while the box is open.
    bool bReviewableInMessage = false;
    g.m_onMessage = [&](const std::wstring&) { bReviewableInMessage = g.CanReview(); };
    g.Solve();
    EXPECT_TRUE(bReviewableInMessage);
    ASSERT_TRUE(g.IsGameOver());
    EXPECT_EQ(g.m_nReviewOffered, 1);
    EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{L"Congratulations.  You are one smart player."});
    ASSERT_TRUE(g.CanReview());
    // Hard mode turned off afterwards does not change what the review judged by.
    CGameCoreTestSeam::SetHardMode(g, false);
    const CWordReview review = g.ReviewOfLastWord();
    EXPECT_EQ(review.strMagicWord, g.m_history.m_strMagicWord);
    ExpectPlainRule(review, ToVector(CGameCoreTestSeam::Words(g).m_wordsBeginner), ScoredGuessesOf(g.m_history), true);
    EXPECT_EQ(review.astrLeft, std::vector<std::wstring>{g.m_history.m_strMagicWord});

    // The next word replaces it.
    g.OnNew();
    EXPECT_FALSE(g.CanReview());
    EXPECT_TRUE(g.ReviewOfLastWord().aRows.empty());
}

TEST_F(ReviewGame, OnlyAWordThatEndedWithGuessesAtTheSameSkillIsOffered)
{
    CScriptedGame& g = PlayStandard(false);
    // Given up before a guess: the plain message, no Review button.
    g.OnGiveUp();
    EXPECT_EQ(g.m_nReviewOffered, 0);
    EXPECT_EQ(g.m_astrMessages.size(), 1u);
    EXPECT_FALSE(g.CanReview());

    g.OnNew();
    g.Guess(L"SLATE");
    g.OnGiveUp();
    EXPECT_EQ(g.m_nReviewOffered, 1);
    EXPECT_TRUE(g.CanReview());
    ExpectPlainRule(g.ReviewOfLastWord(), ToVector(CGameCoreTestSeam::Words(g).m_wordsBeginner), ScoredGuessesOf(g.m_history), false);

}

TEST_F(ReviewGame, AWordIsNotJudgedAgainstAnotherSkillsList)
{
    // No Intermediate words: choosing that skill starts no word, and the last word's guesses stay.
    programDir.Write("Small.set", MakeSet({"apple", "angle", "ample", "maple"}));
    store.settings.Write(Option::CurrentSet, L"Small");
    store.settings.Write(Option::TimeTrial, false);
    CScriptedGame& g = StartGame();
    g.Guess(L"PLANE");
    g.OnGiveUp();
    ASSERT_TRUE(g.CanReview());
    g.ChooseOptions([](COptionsValues& v) { v.nSkill = SkillIntermediate; });
    ASSERT_EQ(g.Skill(), SkillIntermediate);
    ASSERT_EQ(g.m_history.GuessCount(), 1u);
    EXPECT_FALSE(g.CanReview());
    EXPECT_TRUE(g.ReviewOfLastWord().aRows.empty());
}
