// The zoom steps of the game screen and the arithmetic that picks one: the next step up or down,
// the largest that fits a window, the one a first start takes for the screen. Percent throughout.
#pragma once

#include <algorithm>
#include <array>

constexpr int kZoomNormal = 100;
constexpr std::array<int, 6> kZoomSteps = {100, 150, 200, 250, 300, 400};

// A logical pixel edge at a zoom, rounded to the nearest device pixel. Edges, not sizes, are
// converted, so shapes that meet in the layout still meet when zoomed.
constexpr int ZoomEdge(int nLogical, int nPercent)
{
    const long long n = static_cast<long long>(nLogical) * nPercent;
    return static_cast<int>(n >= 0 ? (n + 50) / 100 : -((-n + 50) / 100));
}

// A device position back to the logical pixel it lies in (the inverse of ZoomEdge for a point).
constexpr int UnzoomPoint(int nDevice, int nPercent)
{
    // Floor division, so a point just left of or above the origin stays outside.
    const long long n = static_cast<long long>(nDevice) * 100;
    return static_cast<int>(n >= 0 ? n / nPercent : -((-n + nPercent - 1) / nPercent));
}

// The width of a one-pixel line: whole pixels, one per whole step.
constexpr int ZoomLineWidth(int nPercent)
{
    return nPercent < 200 ? 1 : nPercent / 100;
}

constexpr bool IsZoomStep(int nPercent)
{
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), nPercent) != kZoomSteps.end();
}

// The step after or before nPercent; the last or first step stays where it is.
constexpr int ZoomStepIn(int nPercent)
{
    const auto it = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), nPercent);
    return it == kZoomSteps.end() ? kZoomSteps.back() : *it;
}

constexpr int ZoomStepOut(int nPercent)
{
    const auto it = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), nPercent);
    return it == kZoomSteps.begin() ? kZoomSteps.front() : *(it - 1);
}

// The largest step at which a picture of nWidth x nHeight logical pixels fits an area of
// nAreaWidth x nAreaHeight; never below the first step.
constexpr int LargestStepFitting(int nWidth, int nHeight, int nAreaWidth, int nAreaHeight)
{
    int nBest = kZoomSteps.front();
    for (const int nStep : kZoomSteps) {
        if (ZoomEdge(nWidth, nStep) <= nAreaWidth && ZoomEdge(nHeight, nStep) <= nAreaHeight)
            nBest = nStep;
    }
    return nBest;
}

// The step a first start takes: the largest at which the whole window (picture plus nChrome
// rows of menu and tool bar) is at most half of the work area's height, and no wider than the
// work area.
constexpr int FirstStartStep(int nPictureWidth, int nPictureHeight, int nChrome, int nWorkWidth, int nWorkHeight)
{
    int nBest = kZoomSteps.front();
    for (const int nStep : kZoomSteps) {
        const int nWindowHeight = ZoomEdge(nPictureHeight, nStep) + nChrome;
        if (2 * nWindowHeight <= nWorkHeight && ZoomEdge(nPictureWidth, nStep) <= nWorkWidth)
            nBest = nStep;
    }
    return nBest;
}

// A stored zoom made usable: a value that is no step (absent, damaged) gives 0, "pick for the
// screen"; a step larger than the screen allows is lowered to nLargestAllowed.
constexpr int UsableStoredZoom(int nStored, int nLargestAllowed)
{
    return IsZoomStep(nStored) ? std::min(nStored, std::max(nLargestAllowed, kZoomSteps.front())) : 0;
}
