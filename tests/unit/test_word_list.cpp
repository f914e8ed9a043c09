// The word list of one skill: one length per list, file order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/word_set.h"
#include "word_list_vector.h"

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
    EXPECT_EQ(list.size(), expected.size());
    EXPECT_EQ(ToVector(list), expected);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(list[i], expected[i]) << i;

    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.push_back(L"FRESH"));
    EXPECT_EQ(ToVector(list), std::vector<std::wstring>{L"FRESH"}) << "a cleared list starts again at the front";

    CWordList none;
    EXPECT_FALSE(none.push_back(L""));
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.size(), 0u);
}
