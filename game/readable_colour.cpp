#include "game/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(int nChannel)
{
    const double d = nChannel / 255.0;
    return d <= 0.04045 ? d / 12.92 : std::pow((d + 0.055) / 1.055, 2.4);
}

int Mix(int nFrom, int nTo, int nStep, int nSteps)
{
    return nFrom + static_cast<int>(std::lround(static_cast<double>(nTo - nFrom) * nStep / nSteps));
}

}  // namespace

double RelativeLuminance(COLORREF clr)
{
    return 0.2126 * Linear(GetRValue(clr)) + 0.7152 * Linear(GetGValue(clr)) + 0.0722 * Linear(GetBValue(clr));
}

double ContrastRatio(COLORREF clrA, COLORREF clrB)
{
    const double dA = RelativeLuminance(clrA);
    const double dB = RelativeLuminance(clrB);
    return (std::max(dA, dB) + 0.05) / (std::min(dA, dB) + 0.05);
}

COLORREF ReadableOn(COLORREF clrText, COLORREF clrGround)
{
    if (ContrastRatio(clrText, clrGround) >= kReadableContrast)
        return clrText;
    // Every ground has black or white at 4.58 or more; the way leads to the better of the two,
    // and ends there if no colour on it reaches the stand-in contrast.
    const COLORREF clrPole = ContrastRatio(kBlack, clrGround) >= ContrastRatio(kWhite, clrGround) ? kBlack : kWhite;
    // Stepped rather than solved: on its way the colour may first pass the ground's own
    // luminance (a light text on a light ground heading for black), where the contrast dips
    // before it grows.
    constexpr int kSteps = 256;
    for (int i = 1; i < kSteps; ++i) {
        const COLORREF clr =
            MakeRGB(Mix(GetRValue(clrText), GetRValue(clrPole), i, kSteps), Mix(GetGValue(clrText), GetGValue(clrPole), i, kSteps),
                    Mix(GetBValue(clrText), GetBValue(clrPole), i, kSteps));
        if (ContrastRatio(clr, clrGround) >= kStandInContrast)
            return clr;
    }
    return clrPole;
}
