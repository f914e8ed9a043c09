// Growable raw memory: the heap for small blocks, huge-page mappings for large ones.
#include "platform/memory_block.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;
constexpr std::size_t kMapFrom = 256 * 1024;

bool IsMapped(std::size_t nBytes)
{
#if defined(__linux__)
    return nBytes >= kMapFrom;
#else
    (void)nBytes;
    return false;
#endif
}

#if defined(__linux__)
void* MapBytes(std::size_t nBytes)
{
    void* p = mmap(nullptr, nBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return nullptr;
    madvise(p, nBytes, MADV_HUGEPAGE);  // only advice: without huge pages it still works
    return p;
}
#endif

}  // namespace

std::size_t MemoryBlockSize(std::size_t nBytes)
{
    if (!IsMapped(nBytes) || nBytes > std::numeric_limits<std::size_t>::max() - kHugePage)
        return nBytes;
    return (nBytes + kHugePage - 1) / kHugePage * kHugePage;
}

void* ResizeMemoryBlock(void* pOld, std::size_t nOldBytes, std::size_t nKeepBytes, std::size_t nNewBytes)
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
    FreeMemoryBlock(pOld, nOldBytes);
    return p;
#else
    (void)nOldBytes;
    (void)nKeepBytes;
    return nullptr;
#endif
}

void FreeMemoryBlock(void* p, std::size_t nBytes)
{
    if (p == nullptr)
        return;
#if defined(__linux__)
    if (IsMapped(nBytes)) {
        munmap(p, nBytes);
        return;
    }
#endif
    (void)nBytes;
    std::free(p);
}
