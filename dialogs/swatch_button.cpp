#include "dialogs/swatch_button.h"

#include <wx/dcclient.h>

#include "dialogs/dialog_look.h"

void DrawSwatch(wxDC& dc, COLORREF clr, const wxRect& rcItem, bool bPressed)
{
    // Edges as rectangles one layout pixel wide at the dialog's scale: whole pixels, light top
    // and left, dark bottom and right.
    const double dScale = DialogScale();
    const int nLine = ScaledLineWidth(dScale);
    const int x = rcItem.x, y = rcItem.y, cx = rcItem.width, cy = rcItem.height;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(0xC0, 0xC0, 0xC0)));
    dc.DrawRectangle(x, y, cx - nLine, nLine);
    dc.DrawRectangle(x, y, nLine, cy - nLine);
    dc.SetBrush(wxBrush(wxColour(0x80, 0x80, 0x80)));
    dc.DrawRectangle(x, y + cy - nLine, cx, nLine);
    dc.DrawRectangle(x + cx - nLine, y, nLine, cy);
    wxRect rcFill = rcItem;
    rcFill.Deflate(ScaledPixels(bPressed ? 1 : 3, dScale));
    dc.SetBrush(wxBrush(WxColour(clr)));
    dc.DrawRectangle(rcFill);
}

CSwatchButton::CSwatchButton(wxWindow* pParent, int nId, const wxRect& rc, COLORREF clr)
    : wxWindow(pParent, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE | wxWANTS_CHARS), m_clr(clr)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
        dc.Clear();
        DrawSwatch(dc, m_clr, wxRect(GetClientSize()), m_bPressedLook);
        m_bPressedLook = false;
    });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
        SetFocus();
        m_bPressed = true;
        if (!HasCapture())
            CaptureMouse();
        RepaintPressed(true);
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        if (HasCapture())
            ReleaseMouse();
        if (!m_bPressed)
            return;
        m_bPressed = false;
        RepaintPressed(true);
        if (wxRect(GetClientSize()).Contains(event.GetPosition()))
            Click();
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_bPressed = false; });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { event.Skip(); RepaintPressed(false); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { event.Skip(); RepaintPressed(false); });
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

void CSwatchButton::RepaintPressed(bool bPressed)
{
    m_bPressedLook = bPressed;
    Refresh(false);
}

void CSwatchButton::Click()
{
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
}
