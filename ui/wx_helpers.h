// The game's own values in the toolkit's terms: colours, (left, top, right, bottom) rectangles and
// the two bold faces every dialog heading uses. Shared by the dialogs and the game screen.
#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include "platform/colorref.h"

inline wxColour WxColour(COLORREF clr)
{
    return wxColour(static_cast<unsigned char>(GetRValue(clr)), static_cast<unsigned char>(GetGValue(clr)),
                    static_cast<unsigned char>(GetBValue(clr)));
}

// (left, top, right, bottom), right and bottom exclusive.
inline wxRect RectLTRB(int nLeft, int nTop, int nRight, int nBottom)
{
    return wxRect(nLeft, nTop, nRight - nLeft, nBottom - nTop);
}

// "Tahoma" 8.5 points bold: the heading of a dialog.
void CreateHeadingFont(wxFont& font);
// "Tahoma" 14 points bold: the large line of the New Game and Level dialogs, the Statistics figures.
void CreateLargeFont(wxFont& font);
