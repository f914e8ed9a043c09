// The flat word list: one buffer, a fixed stride, grown by doubling.
#include "game/word_list.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// A large buffer is mapped on its own, in whole huge pages, and asks for them. Filled word by
// word, a list of a million words would otherwise take some ten thousand page faults, and on a
// virtual machine those cost more than reading and parsing the whole file. A mapping also grows
// by moving its pages, never by copying them or holding them twice. Below kMapFrom the heap
// serves: a set of a few thousand words should not hold a 2 MB page per list.
constexpr std::size_t kHugePage = 2 * 1024 * 1024;
constexpr std::size_t kMapFrom = 256 * 1024;

#if defined(__linux__)
bool IsMapped(std::size_t nBytes)
{
    return nBytes >= kMapFrom;
}

void* MapBytes(std::size_t nBytes)
{
    void* p = mmap(nullptr, nBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return nullptr;
    madvise(p, nBytes, MADV_HUGEPAGE);  // only advice: without huge pages it still works
    return p;
}
#else
bool IsMapped(std::size_t)
{
    return false;
}
#endif

// A buffer of nNewBytes holding the first nKeepBytes of pOld; pOld is gone then. Null when the
// memory cannot be had, and pOld stays as it was.
void* ResizeBytes(void* pOld, std::size_t nOldBytes, std::size_t nKeepBytes, std::size_t nNewBytes)
{
    if (!IsMapped(nNewBytes))
        return std::realloc(pOld, nNewBytes);
#if defined(__linux__)
    if (pOld != nullptr && IsMapped(nOldBytes)) {
        void* p = mremap(pOld, nOldBytes, nNewBytes, MREMAP_MAYMOVE);
        if (p != MAP_FAILED) {
            madvise(p, nNewBytes, MADV_HUGEPAGE);
            return p;
        }
    }
    void* p = MapBytes(nNewBytes);
    if (p == nullptr)
        return nullptr;
    if (nKeepBytes > 0)
        std::memcpy(p, pOld, nKeepBytes);
    if (IsMapped(nOldBytes))
        munmap(pOld, nOldBytes);
    else
        std::free(pOld);
    return p;
#else
    (void)nOldBytes;
    (void)nKeepBytes;
    return nullptr;
#endif
}

void FreeBytes(void* p, std::size_t nBytes)
{
#if defined(__linux__)
    if (IsMapped(nBytes)) {
        munmap(p, nBytes);
        return;
    }
#endif
    (void)nBytes;
    std::free(p);
}

}  // namespace

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
        FreeBytes(m_pChars, m_nBytes);
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
    FreeBytes(m_pChars, m_nBytes);
}

bool CWordList::reserve(std::size_t nWords)
{
    if (nWords <= m_nCapacity)
        return true;
    if (m_nWordLength == 0)
        return false;
    const std::size_t nStride = m_nWordLength * sizeof(wchar_t);
    if (nWords > (std::numeric_limits<std::size_t>::max() - kHugePage) / nStride)
        return false;
    std::size_t nBytes = nWords * nStride;
    // A mapping is whole huge pages (which IsMapped still says of the rounded size); the words
    // that fit in the rounding are capacity too.
    if (IsMapped(nBytes))
        nBytes = (nBytes + kHugePage - 1) / kHugePage * kHugePage;
    void* p = ResizeBytes(m_pChars, m_nBytes, m_nCount * nStride, nBytes);
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
