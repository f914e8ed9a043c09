// For states no input can bring about (not a file, not the registry, not a key): reaching one is
// a bug in the program, and carrying on would hide it. Unlike assert(), it stays in release builds.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void InvariantFailed(const char* pszCondition, const char* pszFile, int nLine)
{
    std::fprintf(stderr, "veltrane-quillorn: %s:%d: impossible state: %s\n", pszFile, nLine, pszCondition);
    std::abort();
}

#define VQ_INVARIANT(condition) \
    ((condition) ? static_cast<void>(0) : ::InvariantFailed(#condition, __FILE__, __LINE__))
