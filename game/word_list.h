// The words of one skill, in the order of the file, all of one length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The characters of every word one after another in one string. A set of a million words is then
// one allocation instead of a million small strings, which would take three times the memory and
// most of the time of loading such a set.
class CWordList {
public:
    // A list of length 0 takes no words at all.
    explicit CWordList(std::size_t nWordLength = 0) : m_nWordLength(nWordLength) {}

    std::size_t WordLength() const { return m_nWordLength; }
    std::size_t size() const { return m_nWordLength == 0 ? 0 : m_strChars.size() / m_nWordLength; }
    bool empty() const { return m_strChars.empty(); }
    void clear() { m_strChars.clear(); }
    // A word of another length is refused (false, nothing added): the lists of a set are defined
    // by their word length, and a word that does not fit could never be played.
    bool push_back(std::wstring_view strWord);

    std::wstring_view operator[](std::size_t i) const
    {
        return std::wstring_view(m_strChars).substr(i * m_nWordLength, m_nWordLength);
    }

private:
    std::size_t m_nWordLength = 0;
    std::wstring m_strChars;
};
