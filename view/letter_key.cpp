// Letter keys: press on button-down, fire on button-up inside, like a push button.
#include "view/letter_key.h"

#include <wx/dcclient.h>
#include <wx/translation.h>

#include "game/spoken_text.h"
#include "view/game_view.h"
#include "view/view_look.h"

CLetterKey::CLetterKey(CVeltraneQuillornView& view, int nId, const wxRect& rc)
    : wxWindow(&view, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE, "X"), m_view(view)
{
    SetLabel("X");  // never shown: the painter draws the letter
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetMinSize(rc.GetSize());
    // A newcomer learns marking here; a screen reader hears the same words as the key's description.
    SetToolTip(wxGetTranslation(kLetterKeyHint));
    Bind(wxEVT_PAINT, &CLetterKey::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CLetterKey::OnLeftDown, this);
    // A quick second press arrives as a double click; it is still a press.
    Bind(wxEVT_LEFT_DCLICK, &CLetterKey::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CLetterKey::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CLetterKey::OnCaptureLost, this);
}

void CLetterKey::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    UseCrispShapes(dc);
    m_view.OnDrawItem(dc, GetId(), wxRect(GetClientSize()), m_bPressed);
}

void CLetterKey::SetPressed(bool bPressed)
{
    if (m_bPressed == bPressed)
        return;
    m_bPressed = bPressed;
    Refresh(false);
    Update();
}

void CLetterKey::OnLeftDown(wxMouseEvent&)
{
    if (!HasCapture())
        CaptureMouse();
    SetPressed(true);
}

void CLetterKey::OnLeftUp(wxMouseEvent& event)
{
    if (HasCapture())
        ReleaseMouse();
    const bool bWasPressed = m_bPressed;
    SetPressed(false);
    if (bWasPressed && wxRect(GetClientSize()).Contains(event.GetPosition())) {
        wxCommandEvent press(wxEVT_BUTTON, GetId());
        press.SetEventObject(this);
        ProcessWindowEvent(press);
    }
}

void CLetterKey::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    SetPressed(false);
}
