// The product emblem: 32 by 32 pixels in a handful of colours, drawn here rather than loaded.
#pragma once

#include <wx/bitmap.h>

constexpr int kEmblemSize = 32;

// The emblem as shown at a dialog scale: 32 x 32 logical pixels times dScale, drawn in the
// screen's pixels (dContentScale of them per logical pixel).
wxBitmap MakeEmblemBitmap(double dScale = 1.0, double dContentScale = 1.0);
