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

// The sizes the desktop is given the icon in, as files and as the window's icons.
constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

// A large green question mark in front of a row of white tiles, nSize pixels square.
wxImage DrawAppIconImage(int nSize);
wxIconBundle AppIconBundle();
