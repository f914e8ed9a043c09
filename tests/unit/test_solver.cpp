// The solver held against the plain rule (the game's own counts, pair by pair) on the shipped sets
// and on the cases where a fast compare could go wrong: repeated letters, characters outside A to Z,
// guesses the list does not hold, ties, no candidate, one candidate, and sets too large to search.
#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "game/solver.h"
#include "game/word_set.h"
#include "solver_plain_rule.h"
#include "word_list_vector.h"

namespace {

// Every shipped set and skill.
std::vector<CTestList> ShippedLists()
{
    std::vector<CTestList> aLists;
    for (const char* szSet : {"Standard.set", "Animals.set", "Kitchen.set"}) {
        CWordLists lists;
        EXPECT_TRUE(ReadWordSetFile(std::filesystem::path(VQ_SETS_DIR) / szSet, lists)) << szSet;
        for (int nSkill = 0; nSkill < 3; ++nSkill)
            aLists.push_back(ListOf(ToVector(lists.ForSkill(nSkill))));
    }
    return aLists;
}

int Key(const std::pair<int, int>& counts)
{
    return counts.first * CSolverWords::kKeyStride + counts.second;
}

// The guesses a player would have made against a magic word: the words at the given indices.
std::vector<CScoredGuess> Played(const CTestList& list, std::size_t nMagic, const std::vector<std::size_t>& anGuesses)
{
    std::vector<CScoredGuess> aGuesses;
    for (const std::size_t i : anGuesses) {
        const auto [nMatch, nBingo] = GameCounts(list.astrWords[i], list.astrWords[nMagic]);
        aGuesses.push_back({list.astrWords[i], nMatch, nBingo});
    }
    return aGuesses;
}

void ExpectSameBest(const std::optional<CBestGuess>& fast, const std::optional<CBestGuess>& plain)
{
    ASSERT_EQ(fast.has_value(), plain.has_value());
    if (!fast)
        return;
    EXPECT_EQ(fast->nWord, plain->nWord);
    EXPECT_EQ(fast->nSumOfSquares, plain->nSumOfSquares);
    EXPECT_EQ(fast->nCandidates, plain->nCandidates);
    EXPECT_EQ(fast->bFits, plain->bFits);
    EXPECT_FALSE(fast->bSampled);
}

}  // namespace

TEST(SolverCounts, AgreeWithTheGamesCountsOnEveryShippedList)
{
    for (const CTestList& list : ShippedLists()) {
        ASSERT_FALSE(list.astrWords.empty());
        EXPECT_TRUE(list.words.IsPacked());
        // Every word against a spread of guesses.
        const std::size_t nStride = list.astrWords.size() / 60 + 1;
        for (std::size_t g = 0; g < list.astrWords.size(); g += nStride) {
            const CSolverProbe probe = list.words.Probe(list.astrWords[g]);
            for (std::size_t w = 0; w < list.astrWords.size(); ++w)
                ASSERT_EQ(list.words.PairKey(probe, w), Key(GameCounts(list.astrWords[g], list.astrWords[w]))) << g << " " << w;
        }
    }
}

TEST(SolverCounts, RepeatedLettersStrangeCharactersAndOtherLengthsCountAsTheGameCounts)
{
    // The game's own examples, a letter the list never uses (Z, Q, the digit), a non-ASCII letter,
    // and guesses shorter and longer than the words.
    const CTestList list = ListOf({L"APPLE", L"LEVEL", L"ABCDE", L"ÉCLAT", L"EEEEE"});
    ASSERT_TRUE(list.words.IsPacked());
    for (const std::wstring strGuess : {L"PAPER", L"EEEEE", L"AAAAA", L"EDCBA", L"ZZZZZ", L"QAPPL", L"APPL1",
                                         L"ÉÉCLA", L"TALCÉ", L"APP", L"APPLEPIE", L"", L"LEVELLEVELLEVELLEVEL"}) {
        const CSolverProbe probe = list.words.Probe(strGuess);
        for (std::size_t w = 0; w < list.astrWords.size(); ++w)
            EXPECT_EQ(list.words.PairKey(probe, w), Key(GameCounts(strGuess, list.astrWords[w])))
                << std::string(strGuess.begin(), strGuess.end()) << " against word " << w;
    }
    const CSolverProbe paper = list.words.Probe(L"PAPER");
    EXPECT_EQ(list.words.PairKey(paper, 0), 4 * CSolverWords::kKeyStride + 1);

    // As many distinct characters as the packed form holds (the last ones get the byte 0x80), and
    // more: compared one by one, with the same counts and the same best guess.
    for (const int nDistinct : {127, 128, 300}) {
        const int nOthers = nDistinct - 1;  // besides A
        auto other = [&](int k) { return static_cast<wchar_t>(0x4E00 + k % nOthers); };
        std::vector<std::wstring> astrWide;
        for (int k = 0; k < nOthers + 3; k += 3)
            astrWide.push_back({other(k), other(k + 1), other(k + 2), other(k), L'A'});
        // Words that share the last character, and guesses with a character no word holds against
        // it (the XOR of their bytes is 0x80 exactly).
        const wchar_t cLast = other(nOthers - 1);
        astrWide.push_back({cLast, cLast, cLast, cLast, cLast});
        astrWide.push_back({L'A', cLast, L'A', cLast, L'A'});
        const CTestList wide = ListOf(astrWide);
        EXPECT_EQ(wide.words.IsPacked(), nDistinct <= 128);
        for (std::size_t g = 0; g < astrWide.size(); ++g) {
            for (std::size_t w = 0; w < astrWide.size(); ++w)
                ASSERT_EQ(wide.words.PairKey(wide.words.Probe(astrWide[g]), w), Key(GameCounts(astrWide[g], astrWide[w])))
                    << nDistinct << ": " << g << " " << w;
        }
        for (const std::wstring& strGuess : {std::wstring(5, L'Z'), std::wstring{cLast, L'Z', cLast, L'Z', L'A'}}) {
            for (std::size_t w = 0; w < astrWide.size(); ++w)
                ASSERT_EQ(wide.words.PairKey(wide.words.Probe(strGuess), w), Key(GameCounts(strGuess, astrWide[w])));
        }
        ExpectSameBest(BestGuess(wide.words, wide.anAll), PlainBestGuess(wide.astrWords, wide.anAll, false));
    }
}

TEST(SolverFit, TheWordsThatFitAreThoseThePlainRuleKeeps)
{
    for (const CTestList& list : ShippedLists()) {
        const std::size_t n = list.astrWords.size();
        // A few games: a magic word and two or three guesses spread over the list.
        for (std::size_t nMagic : {std::size_t{0}, n / 3, n - 1}) {
            const std::vector<CScoredGuess> aGuesses = Played(list, nMagic, {n / 2, n / 5, (nMagic + 1) % n});
            for (std::size_t nPlayed = 0; nPlayed <= aGuesses.size(); ++nPlayed) {
                const std::vector<CScoredGuess> aSoFar(aGuesses.begin(), aGuesses.begin() + nPlayed);
                const std::vector<std::size_t> anFit = FittingWords(list.words, aSoFar);
                EXPECT_EQ(anFit, PlainFittingWords(list.astrWords, aSoFar));
                // The magic word always fits what it scored.
                EXPECT_NE(std::find(anFit.begin(), anFit.end(), nMagic), anFit.end());
            }
        }
    }
}

TEST(SolverFit, CountsNoWordCanGiveLeaveNothing)
{
    const CTestList list = ListOf({L"APPLE", L"PAPER", L"LEVEL"});
    // Bingo above Match, negative counts, and counts past what the key holds (Match 0 Bingo 65
    // must not pass for Match 4 Bingo 1, what APPLE gets from PAPER).
    for (const CScoredGuess& guess : std::vector<CScoredGuess>{
             {L"APPLE", 2, 3}, {L"APPLE", -1, 0}, {L"APPLE", 0, 65}, {L"APPLE", 16, 0}, {L"APPLE", 6, 0}}) {
        EXPECT_TRUE(FittingWords(list.words, {guess}).empty()) << guess.nMatch << ":" << guess.nBingo;
    }
    EXPECT_EQ(FittingWords(list.words, {{L"PPALE", 5, 3}}), (std::vector<std::size_t>{0}));
    EXPECT_EQ(FittingWords(list.words, {}), list.anAll);
}

TEST(SolverBest, TheFastSearchChoosesAsThePlainRuleDoes)
{
    // Whole lists with no guess yet (the small sets), and the standard set after one or two
    // guesses, with any word and in hard mode.
    const std::vector<CTestList> aLists = ShippedLists();
    for (std::size_t k = 0; k < aLists.size(); ++k) {
        const CTestList& list = aLists[k];
        const std::size_t n = list.astrWords.size();
        std::vector<std::vector<std::size_t>> aanCandidates;
        if (n < 200)
            aanCandidates.push_back(list.anAll);
        aanCandidates.push_back(FittingWords(list.words, Played(list, n / 2, {0})));
        aanCandidates.push_back(FittingWords(list.words, Played(list, n / 7, {n - 1, n / 3})));
        for (const std::vector<std::size_t>& anCandidates : aanCandidates) {
            ExpectSameBest(BestGuess(list.words, anCandidates, EGuessPool::AnyWord),
                           PlainBestGuess(list.astrWords, anCandidates, false));
            ExpectSameBest(BestGuess(list.words, anCandidates, EGuessPool::FittingOnly),
                           PlainBestGuess(list.astrWords, anCandidates, true));
        }
    }
}

TEST(SolverBest, TiesGoToAFittingWordThenTheEarliest)
{
    // Nothing fits: no guess to offer.
    const CTestList list = ListOf({L"GAAAF", L"BCDEF", L"BCDEG", L"BCDEH", L"BCDEX"});
    EXPECT_FALSE(BestGuess(list.words, {}).has_value());

    // One candidate: every word leaves it alone, and the candidate itself wins though later.
    std::optional<CBestGuess> best = BestGuess(list.words, {3});
    ASSERT_TRUE(best);
    EXPECT_EQ(best->nWord, 3u);
    EXPECT_TRUE(best->bFits);
    EXPECT_EQ(best->ExpectedLeftHundredths(), 100u);

    // GAAAF splits BCDEF (1,1), BCDEG (1,0) and BCDEH (0,0) apart: it beats every candidate, which
    // leave (1 + 4) / 3 on average, though it cannot be the word. Hard mode takes the first of the
    // equally good candidates.
    best = BestGuess(list.words, {1, 2, 3});
    ASSERT_TRUE(best);
    EXPECT_EQ(best->nWord, 0u);
    EXPECT_FALSE(best->bFits);
    EXPECT_EQ(best->nSumOfSquares, 3u);
    best = BestGuess(list.words, {1, 2, 3}, EGuessPool::FittingOnly);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->nWord, 1u);
    EXPECT_EQ(best->nSumOfSquares, 5u);
    EXPECT_EQ(best->ExpectedLeftHundredths(), 167u) << "5 / 3 rounds to 1.67";

    // Two candidates BCDEG and BCDEH: GAAAF tells them apart (2) as well as either of them does;
    // the earliest candidate takes it.
    best = BestGuess(list.words, {2, 3});
    ASSERT_TRUE(best);
    EXPECT_EQ(best->nWord, 2u);
    EXPECT_EQ(best->nSumOfSquares, 2u);
}

TEST(SolverBest, ASetTooLargeToSearchIsAnsweredFromASampleAndSaysSo)
{
    // 8,000 words: 64 million pairs, beyond what the search tries in full.
    std::vector<std::wstring> astr;
    std::uint32_t n = 7;
    for (int i = 0; i < 8000; ++i) {
        std::wstring strWord;
        for (int k = 0; k < 6; ++k) {
            n = n * 1664525u + 1013904223u;
            strWord += static_cast<wchar_t>(L'A' + (n >> 24) % 12);
        }
        astr.push_back(strWord);
    }
    const CTestList big = ListOf(astr);
    for (const EGuessPool pool : {EGuessPool::AnyWord, EGuessPool::FittingOnly}) {
        const std::optional<CBestGuess> best = BestGuess(big.words, big.anAll, pool);
        ASSERT_TRUE(best);
        EXPECT_TRUE(best->bSampled);
        // What it says about its guess is exact, over every candidate.
        EXPECT_EQ(best->nCandidates, big.anAll.size());
        EXPECT_EQ(best->nSumOfSquares, PlainSumOfSquares(big.astrWords, big.astrWords[best->nWord], big.anAll));
        // And it is a good guess: better than the list's first word (which a sample always holds).
        EXPECT_LE(best->nSumOfSquares, PlainSumOfSquares(big.astrWords, big.astrWords[0], big.anAll));
    }
    // Once a guess has narrowed the field the search is whole again.
    const std::vector<std::size_t> anFit = FittingWords(big.words, Played(big, 5, {100}));
    ASSERT_LT(anFit.size() * astr.size(), kSolverExactPairs);
    EXPECT_FALSE(BestGuess(big.words, anFit)->bSampled);
}
