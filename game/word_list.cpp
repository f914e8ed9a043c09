// The flat word list: one buffer, a fixed stride, grown by doubling. Large lists live in huge
// pages (platform/memory_block.h), which keeps loading a big set from drowning in page faults.
#include "game/word_list.h"

#include "platform/memory_block.h"

#include <cstring>
#include <limits>
#include <utility>

CWordList::CWordList(const CWordList& other) : m_nWordLength(other.m_nWordLength)
{
    if (other.m_nCount > 0 && reserve(other.m_nCount)) {
        std::memcpy(m_pChars, other.m_pChars, other.m_nCount * m_nWordLength * sizeof(wchar_t));
        m_nCount = other.m_nCount;
    }
}

CWordList::CWordList(CWordList&& other) noexcept
    : m_pChars(std::exchange(other.m_pChars, nullptr)),
      m_nBytes(std::exchange(other.m_nBytes, 0)),
      m_nWordLength(other.m_nWordLength),
      m_nCount(std::exchange(other.m_nCount, 0)),
      m_nCapacity(std::exchange(other.m_nCapacity, 0))
{
}

CWordList& CWordList::operator=(const CWordList& other)
{
    if (this != &other) {
        CWordList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CWordList& CWordList::operator=(CWordList&& other) noexcept
{
    if (this != &other) {
        FreeMemoryBlock(m_pChars, m_nBytes);
        m_pChars = std::exchange(other.m_pChars, nullptr);
        m_nBytes = std::exchange(other.m_nBytes, 0);
        m_nWordLength = other.m_nWordLength;
        m_nCount = std::exchange(other.m_nCount, 0);
        m_nCapacity = std::exchange(other.m_nCapacity, 0);
    }
    return *this;
}

CWordList::~CWordList()
{
    FreeMemoryBlock(m_pChars, m_nBytes);
}

bool CWordList::reserve(std::size_t nWords)
{
    if (nWords <= m_nCapacity)
        return true;
    if (m_nWordLength == 0)
        return false;
    const std::size_t nStride = m_nWordLength * sizeof(wchar_t);
    if (nWords > std::numeric_limits<std::size_t>::max() / nStride)
        return false;
    // Whatever rounding the block gets is room for more words too.
    const std::size_t nBytes = MemoryBlockSize(nWords * nStride);
    void* p = ResizeMemoryBlock(m_pChars, m_nBytes, m_nCount * nStride, nBytes);
    if (p == nullptr)
        return false;
    m_pChars = static_cast<wchar_t*>(p);
    m_nBytes = nBytes;
    m_nCapacity = nBytes / nStride;
    return true;
}

bool CWordList::Grow()
{
    // Doubling keeps the cost per word constant however long the list grows.
    const std::size_t nWant = m_nCapacity < 64 ? 64 : m_nCapacity * 2;
    return reserve(nWant) || reserve(m_nCount + 1);
}

bool CWordList::push_back(std::wstring_view strWord)
{
    if (m_nWordLength == 0 || strWord.size() != m_nWordLength)
        return false;
    wchar_t* pSlot = AppendWord();
    if (pSlot == nullptr)
        return false;
    std::memcpy(pSlot, strWord.data(), m_nWordLength * sizeof(wchar_t));
    return true;
}

std::vector<std::wstring> CWordList::ToVector() const
{
    std::vector<std::wstring> astrWords;
    astrWords.reserve(m_nCount);
    for (std::wstring_view strWord : *this)
        astrWords.emplace_back(strWord);
    return astrWords;
}

bool CWordList::operator==(const std::vector<std::wstring>& astrWords) const
{
    if (astrWords.size() != m_nCount)
        return false;
    for (std::size_t i = 0; i < m_nCount; ++i) {
        if ((*this)[i] != astrWords[i])
            return false;
    }
    return true;
}

bool CWordList::operator==(const CWordList& other) const
{
    if (other.m_nCount != m_nCount)
        return false;
    // Two empty lists are equal whatever length they were made for.
    if (m_nCount == 0)
        return true;
    return other.m_nWordLength == m_nWordLength &&
           std::memcmp(m_pChars, other.m_pChars, m_nCount * m_nWordLength * sizeof(wchar_t)) == 0;
}
