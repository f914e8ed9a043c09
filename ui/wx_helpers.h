// The game's own values in the toolkit's terms: colours and (left, top, right, bottom)
// rectangles. Shared by the dialogs and the game screen.
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
