// The end of the program at a broken invariant, with the place it was found.
#include "platform/invariant.h"

#include <cstdio>
#include <cstdlib>

void InvariantFailed(const char* pszCondition, const char* pszFile, int nLine)
{
    std::fprintf(stderr, "veltrane-quillorn: %s:%d: impossible state: %s\n", pszFile, nLine, pszCondition);
    std::abort();
}
