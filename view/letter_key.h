// One key of the letter keypad: a small child window that never keeps the keyboard focus and
// lets its owner draw it, the way an owner-drawn push button does.
#pragma once

#include <wx/window.h>

class CVeltraneQuillornView;

class CLetterKey : public wxWindow {
public:
    // The view owns the keys' fonts and pens and draws them.
    CLetterKey(CVeltraneQuillornView& view, int nId, const wxRect& rc);

    // A press sends wxEVT_BUTTON with the key's id up to the parent; typing stays with the view.
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void SetPressed(bool bPressed);

    CVeltraneQuillornView& m_view;
    bool m_bPressed = false;
};
