// A word list as a vector of words and back, for tests and benchmarks that build or compare whole
// lists.
#pragma once

#include <string>
#include <vector>

#include "game/word_set.h"

inline std::vector<std::wstring> ToVector(const CWordList& list)
{
    std::vector<std::wstring> astrWords;
    for (std::size_t i = 0; i < list.size(); ++i)
        astrWords.emplace_back(list[i]);
    return astrWords;
}

// All of the first word's length.
inline CWordList WordListOf(const std::vector<std::wstring>& astrWords)
{
    CWordList list(astrWords.empty() ? 5 : astrWords.front().size());
    for (const std::wstring& strWord : astrWords)
        list.push_back(strWord);
    return list;
}
