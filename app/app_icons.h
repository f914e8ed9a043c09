// The tool-bar pictures, drawn here at whatever size the screen needs, and the application icon,
// built into the executable from its SVG file: a copied executable carries them along.
#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

constexpr int kToolImageSize = 16;

// Drawn on a 16-pixel grid and scaled as paths, so a doubled screen gets a 32-pixel picture
// drawn at that size rather than a stretched 16-pixel one.
wxImage DrawNewToolImage(int nSize = kToolImageSize);      // green right-pointing triangle
wxImage DrawOptionsToolImage(int nSize = kToolImageSize);  // sheet of paper with a blue pen
wxImage DrawHelpToolImage(int nSize = kToolImageSize);     // yellow question mark
wxImage DrawGiveUpToolImage(int nSize = kToolImageSize);   // white cross on a red disc
// A tool picture at every whole screen scale up to four: the tool bar takes the one its screen
// needs.
wxBitmapBundle ToolBitmapBundle(wxImage (*pfnDraw)(int));

// The sizes the desktop is given the icon in, as files and as the window's icons.
constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

// A large green question mark in front of a row of white tiles, at each of those sizes.
wxIconBundle AppIconBundle();
