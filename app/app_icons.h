// The tool-bar pictures and the application icon, drawn here rather than loaded, so a copied
// executable carries them along.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

constexpr int kToolImageSize = 16;

wxImage DrawNewToolImage();      // green right-pointing triangle
wxImage DrawOptionsToolImage();  // sheet of paper with a blue pen
wxImage DrawHelpToolImage();     // yellow question mark
wxImage DrawGiveUpToolImage();   // white cross on a red disc

// A large green question mark in front of a row of white tiles; nSize is 16 or 32.
wxImage DrawAppIconImage(int nSize);
wxIconBundle AppIconBundle();
