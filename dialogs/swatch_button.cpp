#include "dialogs/swatch_button.h"

#include <wx/dcclient.h>

CSwatchButton::CSwatchButton(wxWindow* pParent, int nId, const wxRect& rc, DrawItem drawItem)
    : wxWindow(pParent, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE | wxWANTS_CHARS),
      m_drawItem(std::move(drawItem))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        const int nAction = m_nPendingAction;
        m_nPendingAction = DrawEntire;
        dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
        dc.Clear();
        if (m_drawItem)
            m_drawItem(dc, GetId(), wxRect(GetClientSize()), nAction);
    });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
        SetFocus();
        m_bPressed = true;
        if (!HasCapture())
            CaptureMouse();
        RepaintFor(DrawSelect);
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        if (HasCapture())
            ReleaseMouse();
        if (!m_bPressed)
            return;
        m_bPressed = false;
        RepaintFor(DrawSelect);
        if (wxRect(GetClientSize()).Contains(event.GetPosition()))
            Click();
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_bPressed = false; });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { event.Skip(); RepaintFor(DrawFocus); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { event.Skip(); RepaintFor(DrawFocus); });
    Bind(wxEVT_CHAR, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_SPACE)
            Click();
        else
            event.Skip();
    });
    // Tab and the arrows move between controls as they do for any button.
    Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_TAB)
            Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        else
            event.Skip();
    });
}

void CSwatchButton::RepaintFor(int nAction)
{
    m_nPendingAction = nAction;
    Refresh(false);
}

void CSwatchButton::Click()
{
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
}
