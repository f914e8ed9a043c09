// The character height a point size gives on a screen, the arithmetic every dialog font goes
// through. No toolkit here, so it can be checked without a display.
#pragma once

// Negative, like a logical font's height: the character (em) height in pixels, not the cell.
// Both steps truncate toward zero, so 14 pt at 96 px/inch is 18 px, not the 19 that rounding
// would give; the dialogs' painted layout was measured with these heights.
constexpr int PointSizeToFontHeight(double dPoints, int nPixelsPerInch)
{
    const int nTenths = static_cast<int>(dPoints * 10);
    return ((nPixelsPerInch * nTenths) / -72) / 10;
}
