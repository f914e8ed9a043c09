// One key of the letter keypad: a small child window that never keeps the keyboard focus and
// lets its owner draw it, the way an owner-drawn push button does.
#pragma once

#include <wx/window.h>

class wxDC;

// Whoever draws the keys (the game view, which owns their fonts and pens).
class CKeyPainter {
public:
    virtual ~CKeyPainter() = default;
    virtual void OnDrawItem(wxDC& dc, int nId, const wxRect& rcItem, bool bSelected) = 0;
};

class CLetterKey : public wxWindow {
public:
    CLetterKey(wxWindow* pParent, CKeyPainter& painter, int nId, const wxRect& rc);

    // A press sends wxEVT_BUTTON with the key's id up to the parent; typing stays with the view.
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }


private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void SetPressed(bool bPressed);

    CKeyPainter& m_painter;
    bool m_bPressed = false;
};
