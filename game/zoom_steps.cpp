#include "game/zoom_steps.h"

#include <algorithm>

bool IsZoomStep(int nPercent)
{
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), nPercent) != kZoomSteps.end();
}

int ZoomStepIn(int nPercent)
{
    for (const int nStep : kZoomSteps) {
        if (nStep > nPercent)
            return nStep;
    }
    return kZoomSteps.back();
}

int ZoomStepOut(int nPercent)
{
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
        if (*it < nPercent)
            return *it;
    }
    return kZoomSteps.front();
}

int LargestStepFitting(int nWidth, int nHeight, int nAreaWidth, int nAreaHeight)
{
    int nBest = kZoomSteps.front();
    for (const int nStep : kZoomSteps) {
        if (ZoomEdge(nWidth, nStep) <= nAreaWidth && ZoomEdge(nHeight, nStep) <= nAreaHeight)
            nBest = nStep;
    }
    return nBest;
}

int FirstStartStep(int nPictureWidth, int nPictureHeight, int nChrome, int nWorkWidth, int nWorkHeight)
{
    int nBest = kZoomSteps.front();
    for (const int nStep : kZoomSteps) {
        const int nWindowHeight = ZoomEdge(nPictureHeight, nStep) + nChrome;
        if (2 * nWindowHeight <= nWorkHeight && ZoomEdge(nPictureWidth, nStep) <= nWorkWidth)
            nBest = nStep;
    }
    return nBest;
}

int UsableStoredZoom(int nStored, int nLargestAllowed)
{
    if (!IsZoomStep(nStored))
        return 0;
    return std::min(nStored, std::max(nLargestAllowed, kZoomSteps.front()));
}
