// A push button its dialog draws: takes the focus, clicks with the mouse or the space bar, and
// asks the dialog to draw it with the action that caused the paint.
#pragma once

#include <functional>

#include <wx/window.h>

// Why an owner-drawn button is being drawn.
enum EDrawAction : int { DrawEntire = 1, DrawSelect = 2, DrawFocus = 4 };

class CSwatchButton : public wxWindow {
public:
    using DrawItem = std::function<void(wxDC& dc, int nId, const wxRect& rcItem, int nAction)>;

    CSwatchButton(wxWindow* pParent, int nId, const wxRect& rc, DrawItem drawItem);

    bool AcceptsFocus() const override { return true; }

private:
    void RepaintFor(int nAction);
    void Click();

    DrawItem m_drawItem;
    int m_nPendingAction = DrawEntire;
    bool m_bPressed = false;
};
