// The product emblem: 32 by 32 pixels in a handful of colours, drawn here rather than loaded.
#pragma once

#include <wx/bitmap.h>
#include <wx/image.h>

constexpr int kEmblemSize = 32;

// The emblem drawn at nSize x nSize pixels; at 32 it is the emblem's own picture.
wxImage MakeEmblemImage(int nSize = kEmblemSize);
// The emblem as shown at a dialog scale: 32 x 32 logical pixels times dScale, drawn in the
// screen's pixels (dContentScale of them per logical pixel).
wxBitmap MakeEmblemBitmap(double dScale = 1.0, double dContentScale = 1.0);
