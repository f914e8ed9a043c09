// A plain child window that shows one colour: the background colour beside the Options button.
#pragma once

#include <wx/window.h>

#include "game/types.h"

constexpr int IDC_COLOR_SWATCH = 302;

class CColorSwatch : public wxWindow {
public:
    CColorSwatch() = default;

    // A visible child with a thin border at a rectangle of the parent's client area.
    bool Create(const wxRect& rc, wxWindow* pParent, int nId);
    // Shows the colour at once.
    void SetColor(COLORREF clr);
    // Only shows; Tab passes it by.
    bool AcceptsFocus() const override { return false; }

    COLORREF m_clrSwatch = kWhite;

private:
    void OnPaint(wxPaintEvent& event);
};
