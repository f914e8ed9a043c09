// Whether a text colour can be read on a ground colour, and the nearest colour that can: the
// contrast a reader needs, in the measure accessibility guidelines use (relative luminance).
#pragma once

#include "platform/colorref.h"

// What small text needs against its ground to be read by most people with low vision.
constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double RelativeLuminance(COLORREF clr);
// (lighter + 0.05) / (darker + 0.05): 1 for equal luminance, 21 for black on white.
double ContrastRatio(COLORREF clrA, COLORREF clrB);

// What a stand-in colour is made to reach: smoothed text draws its thin strokes' pixels partly in
// the ground's colour, so a colour chosen for exactly 4.5 shows less on screen: up to an eighth
// less for light strokes on a dark ground, measured.
constexpr double kStandInContrast = 6.0;

// clrText itself when it reaches kReadableContrast on clrGround; otherwise the first colour on the
// straight way from it towards black or white (whichever reads better on that ground) that reaches
// kStandInContrast. A colour keeps its hue as far as it can, so a red value stays a red on every
// ground that allows one.
COLORREF ReadableOn(COLORREF clrText, COLORREF clrGround);
