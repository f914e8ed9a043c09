// Match and Bingo, solving, and the letter marks of the guess record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/guess_record.h"

namespace {

// Counts how often the window hooks run.
class CCountingRecord : public CGuessRecord {
public:
    int m_nResets = 0;
    int m_nAdded = 0;
    std::size_t m_nRowsSeenAtAdd = 0;

protected:
    void OnHistoryReset() override { ++m_nResets; }
    void OnGuessAdded() override
    {
        ++m_nAdded;
        m_nRowsSeenAtAdd = m_adwBingo.size();
    }
};

}  // namespace

TEST(Scoring, MatchAndBingoOnExamples)
{
    struct CCase {
        std::wstring strMagic, strGuess;
        int nMatch, nBingo;
    };
    const std::vector<CCase> cases = {
        {L"APPLE", L"PAPER", 4, 1},
        {L"LEVEL", L"EEEEE", 2, 2},
        {L"ABCDE", L"AAAAA", 1, 1},
        {L"ABCDE", L"EDCBA", 5, 1},
        {L"EEEEE", L"LEVEL", 2, 2},      // more repeats in the magic word than in the guess
        {L"AAAAA", L"ABCDE", 1, 1},
        {L"HELLO", L"LLAMA", 2, 0},
        {L"HELLO", L"HELLO", 5, 5},
        {L"ABCDE", L"FGHIJ", 0, 0},
        {L"AABBC", L"ABABA", 4, 2},      // repeated letters count once per pair
        {L"PLANET", L"PLANET", 6, 6},
        {L"KITCHEN", L"CHICKEN", 6, 3},       // one C in the magic word, two in the guess
        {L"\u00C9COLE", L"\u00C9CLOS", 4, 2},  // non-ASCII letters compare by code
        {L"\u00C9COLE", L"ECOLE", 4, 4},       // É is not E
        {L"APPLE", L"APPLES", 5, 0},            // other length: no Bingo
        {L"APPLE", L"", 0, 0},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(std::string(c.strMagic.begin(), c.strMagic.end()) + " / " +
                     std::string(c.strGuess.begin(), c.strGuess.end()));
        EXPECT_EQ(CountMatch(c.strGuess, c.strMagic), c.nMatch);
        EXPECT_EQ(CountBingo(c.strGuess, c.strMagic), c.nBingo);
        EXPECT_GE(CountMatch(c.strGuess, c.strMagic), CountBingo(c.strGuess, c.strMagic));
    }
}

TEST(Scoring, AddGuessKeepsRowsInStepAndSolvesOnTheLastRowOnly)
{
    CCountingRecord record;
    record.m_strMagicWord = L"HELLO";
    EXPECT_FALSE(record.IsSolved()) << "no rows";

    record.AddGuess(L"LLAMA");
    EXPECT_EQ(record.m_nAdded, 1);
    EXPECT_EQ(record.m_nRowsSeenAtAdd, 1u) << "the hook runs after both counts are in";
    EXPECT_EQ(record.m_adwMatch.back(), 2u);
    EXPECT_EQ(record.m_adwBingo.back(), 0u);
    EXPECT_FALSE(record.IsSolved());

    record.AddGuess(L"HELLO");
    EXPECT_TRUE(record.IsSolved());
    record.AddGuess(L"LLAMA");  // an earlier guess again: listed again with the same counts
    EXPECT_FALSE(record.IsSolved());
    EXPECT_EQ(record.m_astrGuesses.size(), 3u);
    EXPECT_EQ(record.m_adwMatch, (std::vector<std::uint32_t>{2, 5, 2}));
    EXPECT_EQ(record.m_adwBingo, (std::vector<std::uint32_t>{0, 5, 0}));

    record.StepMark(L'L');
    record.ResetHistory();
    EXPECT_EQ(record.m_nResets, 1);
    EXPECT_TRUE(record.m_astrGuesses.empty());
    EXPECT_TRUE(record.m_adwMatch.empty());
    EXPECT_TRUE(record.m_adwBingo.empty());
    EXPECT_EQ(record.MarkOf(L'L'), MarkNone);
    EXPECT_FALSE(record.IsSolved());
}

TEST(LetterMarks, ThreePressesCycleAndOtherCharactersHaveNoEntry)
{
    CGuessRecord record;
    const std::vector<int> expected = {MarkStruck, MarkHighlighted, MarkNone, MarkStruck};
    for (int nMark : expected) {
        record.StepMark(L'Q');
        EXPECT_EQ(record.MarkOf(L'Q'), nMark);
    }
    EXPECT_EQ(record.m_nLetterMark[L'Q' - L'A'], MarkStruck);
    for (int i = 0; i < 26; ++i) {
        if (i != L'Q' - L'A') {
            EXPECT_EQ(record.m_nLetterMark[static_cast<std::size_t>(i)], MarkNone);
        }
    }
    // Outside A to Z: never looked up, never changed.
    const auto before = record.m_nLetterMark;
    for (wchar_t c : {L'a', L'@', L'[', L'\u00C9', L'\0', static_cast<wchar_t>(0x10FFFF)}) {
        record.StepMark(c);
        EXPECT_EQ(record.MarkOf(c), MarkNone);
    }
    EXPECT_EQ(record.m_nLetterMark, before);
}
