// Keypad focus: the two columns are walked like a grid, arrows stop at its edges.
#include "game/keypad_focus.h"

EKeypadAction CKeypadFocus::MoveTo(int nKey)
{
    if (nKey == m_nKey)
        return EKeypadAction::None;
    m_nKey = nKey;
    return EKeypadAction::FocusMoved;
}

EKeypadAction CKeypadFocus::OnKey(EKeypadKey key)
{
    if (!m_bInKeypad) {
        if (key != EKeypadKey::Tab)
            return EKeypadAction::Unhandled;
        m_bInKeypad = true;
        return EKeypadAction::FocusMoved;
    }
    const int nColumn = m_nKey / kKeysPerColumn;
    const int nRow = m_nKey % kKeysPerColumn;
    const int nColumnStart = nColumn * kKeysPerColumn;
    switch (key) {
    case EKeypadKey::Tab:
    case EKeypadKey::Escape:
        m_bInKeypad = false;
        return EKeypadAction::FocusMoved;
    case EKeypadKey::Up: return MoveTo(nRow > 0 ? m_nKey - 1 : m_nKey);
    case EKeypadKey::Down: return MoveTo(nRow < kKeysPerColumn - 1 ? m_nKey + 1 : m_nKey);
    case EKeypadKey::Left: return MoveTo(nColumn > 0 ? m_nKey - kKeysPerColumn : m_nKey);
    case EKeypadKey::Right: return MoveTo(nColumn == 0 ? m_nKey + kKeysPerColumn : m_nKey);
    case EKeypadKey::Home: return MoveTo(nColumnStart);
    case EKeypadKey::End: return MoveTo(nColumnStart + kKeysPerColumn - 1);
    case EKeypadKey::Space:
    case EKeypadKey::Enter: return EKeypadAction::StepMark;
    case EKeypadKey::Other: break;
    }
    return EKeypadAction::Unhandled;
}
