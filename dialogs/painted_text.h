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

// Where the two functions above put each line of text, and the rectangle it had to stay in, so
// that a check can see what was cut off or ran into a neighbour. Kept only while switched on.
struct CDrawnText {
    wxString str;
    wxRect rcText;   // the text's own extent where it was drawn
    wxRect rcLimit;  // the rectangle it was drawn into
};
void RecordPaintedTexts(bool bRecord);
std::vector<CDrawnText>& PaintedTexts();
