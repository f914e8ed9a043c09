// A list of words that all have one length, kept flat: the characters of every word one after
// another in a single buffer, so a million words cost a few dozen allocations, not a million.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CWordList {
public:
    // A list of length 0 takes no words at all.
    explicit CWordList(std::size_t nWordLength = 0) : m_nWordLength(nWordLength) {}
    CWordList(const CWordList& other);
    CWordList(CWordList&& other) noexcept;
    CWordList& operator=(const CWordList& other);
    CWordList& operator=(CWordList&& other) noexcept;
    ~CWordList();

    // The length every word of this list has.
    std::size_t WordLength() const { return m_nWordLength; }

    std::size_t size() const { return m_nCount; }
    bool empty() const { return m_nCount == 0; }
    // Drops the words and keeps the buffer for the next ones.
    void clear() { m_nCount = 0; }
    // False when the memory cannot be had; the list is unchanged then.
    bool reserve(std::size_t nWords);

    // A word of another length is refused (false, nothing added): the lists of a set are defined
    // by their word length, and a word that does not fit could never be played.
    bool push_back(std::wstring_view strWord);
    // Room for one more word at the end, for a reader that writes the characters itself; null
    // when the memory cannot be had.
    wchar_t* AppendWord()
    {
        if (m_nCount == m_nCapacity && !Grow())
            return nullptr;
        return m_pChars + m_nCount++ * m_nWordLength;
    }

    std::wstring_view operator[](std::size_t i) const
    {
        return {m_pChars + i * m_nWordLength, m_nWordLength};
    }

    class const_iterator {
    public:
        using value_type = std::wstring_view;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        const_iterator(const CWordList* pList, std::size_t i) : m_pList(pList), m_i(i) {}
        std::wstring_view operator*() const { return (*m_pList)[m_i]; }
        const_iterator& operator++()
        {
            ++m_i;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++m_i;
            return old;
        }
        bool operator==(const const_iterator& other) const = default;

    private:
        const CWordList* m_pList = nullptr;
        std::size_t m_i = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, m_nCount}; }

    std::vector<std::wstring> ToVector() const;
    bool operator==(const std::vector<std::wstring>& astrWords) const;
    bool operator==(const CWordList& other) const;

private:
    bool Grow();

    wchar_t* m_pChars = nullptr;  // a memory block (platform/memory_block.h)
    std::size_t m_nBytes = 0;     // the size of that buffer, which decides how it is freed
    std::size_t m_nWordLength = 0;
    std::size_t m_nCount = 0;
    std::size_t m_nCapacity = 0;  // in words
};
