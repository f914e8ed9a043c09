// The flat word list: one length per list, file order, and words that survive growth and copies.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "game/word_list.h"

namespace {

// Word i of a long list: distinct for every i, so a word moved or lost in growth shows.
std::wstring NumberedWord(std::size_t i)
{
    std::wstring strWord(5, L'A');
    for (std::size_t k = 5; k-- > 0; i /= 26)
        strWord[k] = static_cast<wchar_t>(L'A' + i % 26);
    return strWord;
}

bool HoldsNumberedWords(const CWordList& list, std::size_t nCount)
{
    if (list.size() != nCount)
        return false;
    for (std::size_t i = 0; i < nCount; ++i) {
        if (list[i] != NumberedWord(i))
            return false;
    }
    return true;
}

}  // namespace

TEST(WordList, TakesOnlyWordsOfItsLengthAndKeepsTheirOrder)
{
    struct CPush {
        std::wstring strWord;
        bool bTaken;
    };
    const std::vector<CPush> pushes = {
        {L"APPLE", true},   {L"PLANET", false}, {L"", false},        {L"MANGO", true},
        {L"APPL", false},   {L"\u00C9COLE", true}, {std::wstring(L"AB\0DE", 5), true}, {L"APPLE", true},
    };
    CWordList list(5);
    std::vector<std::wstring> expected;
    for (const CPush& push : pushes) {
        EXPECT_EQ(list.push_back(push.strWord), push.bTaken) << std::string(push.strWord.begin(), push.strWord.end());
        if (push.bTaken)
            expected.push_back(push.strWord);
    }
    EXPECT_EQ(list.ToVector(), expected);
    EXPECT_TRUE(list == expected);
    std::vector<std::wstring> iterated;
    for (std::wstring_view strWord : list)
        iterated.emplace_back(strWord);
    EXPECT_EQ(iterated, expected);

    expected.back() = L"LEMON";
    EXPECT_FALSE(list == expected) << "the last word differs";
    expected.pop_back();
    EXPECT_FALSE(list == expected) << "one word fewer";

    CWordList none;
    EXPECT_FALSE(none.push_back(L""));
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(none == CWordList(7)) << "empty lists are equal whatever their length";
}

TEST(WordList, WordsSurviveGrowthCopiesMovesAndClearing)
{
    // Far past the size where the buffer changes from the heap to a mapping of its own.
    constexpr std::size_t kMany = 300000;
    CWordList list(5);
    EXPECT_FALSE(list.reserve(std::numeric_limits<std::size_t>::max() / 8)) << "a size that overflows is refused";
    for (std::size_t i = 0; i < kMany; ++i)
        ASSERT_TRUE(list.push_back(NumberedWord(i)));
    EXPECT_TRUE(HoldsNumberedWords(list, kMany));

    CWordList copy(list);
    EXPECT_TRUE(copy == list);
    copy.push_back(L"EXTRA");
    EXPECT_TRUE(HoldsNumberedWords(list, kMany)) << "a copy is independent";

    CWordList assigned(7);
    assigned.push_back(L"KITCHEN");
    assigned = list;
    EXPECT_TRUE(assigned == list);
    EXPECT_EQ(assigned.WordLength(), 5u);

    CWordList moved(std::move(list));
    EXPECT_TRUE(HoldsNumberedWords(moved, kMany));
    EXPECT_TRUE(list.empty()) << "a moved-from list is empty and still usable";
    EXPECT_TRUE(list.push_back(L"AFTER"));
    EXPECT_EQ(list[0], L"AFTER");

    moved = std::move(copy);
    EXPECT_EQ(moved.size(), kMany + 1);
    EXPECT_EQ(moved[kMany], L"EXTRA");

    // Cleared, the buffer is kept and new words start at the front.
    moved.clear();
    EXPECT_TRUE(moved.empty());
    moved.push_back(L"FRESH");
    EXPECT_EQ(moved.ToVector(), std::vector<std::wstring>{L"FRESH"});

    // Reserving first, then filling past the reserve, keeps every word too.
    CWordList reserved(5);
    ASSERT_TRUE(reserved.reserve(kMany / 2));
    for (std::size_t i = 0; i < kMany; ++i)
        ASSERT_TRUE(reserved.push_back(NumberedWord(i)));
    EXPECT_TRUE(HoldsNumberedWords(reserved, kMany));
}
