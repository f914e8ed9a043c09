// Text the dialogs paint themselves: the stand-in for the handheld's system font, and drawing
// into a rectangle the way the painted layouts expect (clipped to it, one line or word-wrapped).
#pragma once

#include <vector>

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "ui/wx_helpers.h"

class wxDC;

// "Tahoma" 9 points, regular: the face and size the painted layouts were measured with.
const wxFont& DialogPaintFont();


// One line, clipped to the rectangle; nAlign is wx alignment flags.
void DrawTextInRect(wxDC& dc, const wxString& str, const wxRect& rc, int nAlign);

// Lines broken at blanks so each fits nWidth with the dc's font; a word wider than that stands alone.
std::vector<wxString> WrapWords(wxDC& dc, const wxString& str, int nWidth);

// Word-wrapped, each line centred, from the top of the rectangle, clipped to it.
void DrawWrappedCentred(wxDC& dc, const wxString& str, const wxRect& rc);

