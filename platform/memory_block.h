// Growable raw memory for large flat arrays. A large block is mapped on its own, in whole huge
// pages, and asks for them: filled element by element, a block of tens of megabytes would
// otherwise take some ten thousand page faults, and on a virtual machine those cost more than the
// work that fills it. A mapping also grows by moving its pages, never by copying them or holding
// them twice. Small blocks come from the heap, so a small array never holds a 2 MB page.
#pragma once

#include <cstddef>

// The size a block of nBytes really gets: mapped blocks are whole huge pages, and the rounding is
// usable room too. SIZE_MAX-near requests are returned unchanged (and will then fail to resize).
std::size_t MemoryBlockSize(std::size_t nBytes);

// A block of nNewBytes (as returned by MemoryBlockSize) holding the first nKeepBytes of pOld, a
// block of nOldBytes or null; pOld is gone then. Null when the memory cannot be had, and pOld stays
// as it was.
void* ResizeMemoryBlock(void* pOld, std::size_t nOldBytes, std::size_t nKeepBytes, std::size_t nNewBytes);

// Frees a block of nBytes; null is fine.
void FreeMemoryBlock(void* p, std::size_t nBytes);
