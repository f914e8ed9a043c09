// Colours, fonts and smoothing of the game screen.
#pragma once

#include <utility>
#include <vector>

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

#include "game/types.h"
#include "ui/wx_helpers.h"

class wxDC;

// A font whose cell (ascent plus descent, leading included) is at most nCellHeight pixels, as
// large as that allows. The screen layout was drawn for such cell heights, while the toolkit sizes
// fonts by their em, so the size is found by measuring.
wxFont FontForCellHeight(const wxString& strFace, int nCellHeight, wxFontWeight weight);

// fontStart (the desktop's GUI font, or it scaled for a zoom), shrunk if need be so that one line
// fits nLineHeight pixels and each sample text fits its width.
wxFont DefaultFontForLine(int nLineHeight, const std::vector<std::pair<wxString, int>>& aSamples,
                          const wxFont& fontStart);

// Where the middle of the capital letters' ink lies in a line of text of this font, as a share of
// the line's height from its top. Measured: each face puts its capitals where it likes.
double CapitalsMiddle(const wxFont& font);

// Lines and rectangles pixel-exact, as the layout was drawn: no anti-aliasing. Text drawn after
// this call on the same surface loses its smoothing too, so text is drawn after UseSmoothText.
void UseCrispShapes(wxDC& dc);
// The desktop's smoothing again, for text.
void UseSmoothText(wxDC& dc);

// A game colour for text on clrGround: itself where it reads there, else its readable variant.
wxColour TextColourOn(COLORREF clrText, COLORREF clrGround);
