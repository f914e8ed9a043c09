// Marking letters and reading the list from the keyboard: the view keeps the focus and routes Tab,
// the arrows, Space, Enter and Escape to the keypad or the list while one is entered; a ring shows
// which key or list they act on.
#include <wx/dcmemory.h>

#include "view/game_view.h"
#include "view/view_access.h"
#include "view/view_look.h"

static EKeypadKey KeypadKeyFromWx(int nWxKey, int nModifiers)
{
    // With Ctrl or Alt a key belongs to the menus and shortcuts, never to the keypad.
    if ((nModifiers & ~wxMOD_SHIFT) != 0)
        return EKeypadKey::Other;
    switch (nWxKey) {
    case WXK_TAB: return (nModifiers & wxMOD_SHIFT) != 0 ? EKeypadKey::BackTab : EKeypadKey::Tab;
    case WXK_ESCAPE: return EKeypadKey::Escape;
    case WXK_UP:
    case WXK_NUMPAD_UP: return EKeypadKey::Up;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: return EKeypadKey::Down;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return EKeypadKey::Left;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return EKeypadKey::Right;
    case WXK_HOME:
    case WXK_NUMPAD_HOME: return EKeypadKey::Home;
    case WXK_END:
    case WXK_NUMPAD_END: return EKeypadKey::End;
    case WXK_SPACE:
    case WXK_NUMPAD_SPACE: return EKeypadKey::Space;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER: return EKeypadKey::Enter;
    default: return EKeypadKey::Other;
    }
}

bool CVeltraneQuillornView::HandleKeypadKey(const wxKeyEvent& event)
{
    const EKeypadAction action = m_keypad.OnKey(KeypadKeyFromWx(event.GetKeyCode(), event.GetModifiers()),
                                                 static_cast<int>(m_history.GuessCount()));
    switch (action) {
    case EKeypadAction::Unhandled: return false;
    case EKeypadAction::None: return true;
    case EKeypadAction::FocusMoved:
        OnKeypadFocusChanged();
        return true;
    case EKeypadAction::StepMark:
        OnLetterKey(IDC_LETTER_FIRST + m_keypad.FocusedKey());
        return true;
    }
    return false;
}

void CVeltraneQuillornView::OnKeypadFocusChanged()
{
    // The list shows the row being read, and keeps it in view.
    m_history.SetFocusRow(m_keypad.InList() ? m_keypad.FocusedRow() : -1);
    RepaintView();
    if (m_pAccess)
        m_pAccess->OnKeypadFocus();
}

void CVeltraneQuillornView::DrawKeypadFocusRing(wxDC& dc)
{
    if (!m_keypad.InKeypad() && !m_keypad.InList())
        return;
    // Two pixels around the key or the list, in the gaps the layout leaves around them; dark on
    // a light background and light on a dark one.
    const COLORREF clrBack = Background();
    const int nLuma = (GetRValue(clrBack) * 299 + GetGValue(clrBack) * 587 + GetBValue(clrBack) * 114) / 1000;
    const wxRect rcKey = m_keypad.InList() ? board::ListRect() : board::KeyRect(m_keypad.FocusedKey());
    const wxColour clrRing = WxColour(nLuma >= 128 ? kBlack : kWhite);
    // Layout pixels, zoomed like the rest of the picture.
    FrameLayout(dc, wxRect(rcKey).Inflate(board::kRingWidth), board::kRingWidth, clrRing);
}
