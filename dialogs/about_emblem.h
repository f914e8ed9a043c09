// The product emblem: 32 by 32 pixels in a handful of colours, drawn here rather than loaded.
#pragma once

#include <wx/bitmap.h>

constexpr int kEmblemSize = 32;

wxBitmap MakeEmblemBitmap();
