// A colour swatch that works as a push button: takes the focus, clicks with the mouse or the space
// bar, and looks pressed from a press until it is next drawn for another reason.
#pragma once

#include <wx/window.h>

#include "game/types.h"

class wxDC;

// A grey 3-D frame one layout pixel wide at the dialog's scale, then the colour inset by 1 pixel
// when pressed, 3 otherwise.
void DrawSwatch(wxDC& dc, COLORREF clr, const wxRect& rcItem, bool bPressed);

class CSwatchButton : public wxWindow {
public:
    CSwatchButton(wxWindow* pParent, int nId, const wxRect& rc, COLORREF clr);

    bool AcceptsFocus() const override { return true; }

private:
    void RepaintPressed(bool bPressed);
    void Click();

    COLORREF m_clr;
    bool m_bPressedLook = false;  // for the next paint only
    bool m_bPressed = false;
};
