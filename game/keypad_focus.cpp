#include "game/keypad_focus.h"

#include <algorithm>

namespace {

EKeypadAction Move(int& nAt, int nTo)
{
    if (nTo == nAt)
        return EKeypadAction::None;
    nAt = nTo;
    return EKeypadAction::FocusMoved;
}

}  // namespace

EKeypadAction CKeypadFocus::GoTo(EPlace place, int nRows)
{
    // An empty list has nothing to read: Tab passes it by.
    if (place == EPlace::List && nRows <= 0)
        place = m_place == EPlace::Keypad ? EPlace::Guess : EPlace::Keypad;
    // The list is entered on its newest row, the one the player last heard.
    if (place == EPlace::List)
        m_nRow = nRows - 1;
    m_place = place;
    return EKeypadAction::FocusMoved;
}

EKeypadAction CKeypadFocus::OnKey(EKeypadKey key, int nRows)
{
    // The places in Tab order: Shift+Tab steps back, which is two steps on round three.
    if (key == EKeypadKey::Tab || key == EKeypadKey::BackTab)
        return GoTo(static_cast<EPlace>((static_cast<int>(m_place) + (key == EKeypadKey::Tab ? 1 : 2)) % 3), nRows);
    if (m_place == EPlace::Guess)
        return EKeypadAction::Unhandled;
    if (key == EKeypadKey::Escape)
        return GoTo(EPlace::Guess, nRows);
    return m_place == EPlace::Keypad ? OnKeypadKey(key) : OnListKey(key, nRows);
}

EKeypadAction CKeypadFocus::OnKeypadKey(EKeypadKey key)
{
    const int nColumn = m_nKey / kKeysPerColumn;
    const int nRow = m_nKey % kKeysPerColumn;
    const int nColumnStart = nColumn * kKeysPerColumn;
    switch (key) {
    case EKeypadKey::Up: return Move(m_nKey, nRow > 0 ? m_nKey - 1 : m_nKey);
    case EKeypadKey::Down: return Move(m_nKey, nRow < kKeysPerColumn - 1 ? m_nKey + 1 : m_nKey);
    case EKeypadKey::Left: return Move(m_nKey, nColumn > 0 ? m_nKey - kKeysPerColumn : m_nKey);
    case EKeypadKey::Right: return Move(m_nKey, nColumn == 0 ? m_nKey + kKeysPerColumn : m_nKey);
    case EKeypadKey::Home: return Move(m_nKey, nColumnStart);
    case EKeypadKey::End: return Move(m_nKey, nColumnStart + kKeysPerColumn - 1);
    case EKeypadKey::Space:
    case EKeypadKey::Enter: return EKeypadAction::StepMark;
    default: return EKeypadAction::Unhandled;
    }
}

EKeypadAction CKeypadFocus::OnListKey(EKeypadKey key, int nRows)
{
    const int nLast = std::max(nRows - 1, 0);
    switch (key) {
    case EKeypadKey::Up: return Move(m_nRow, std::max(m_nRow - 1, 0));
    case EKeypadKey::Down: return Move(m_nRow, std::min(m_nRow + 1, nLast));
    case EKeypadKey::Home: return Move(m_nRow, 0);
    case EKeypadKey::End: return Move(m_nRow, nLast);
    // Reading never plays: Enter here would send a guess the player is not looking at, and the
    // cursor keys of the guess have no meaning on a row.
    case EKeypadKey::Left:
    case EKeypadKey::Right:
    case EKeypadKey::Space:
    case EKeypadKey::Enter: return EKeypadAction::None;
    default: return EKeypadAction::Unhandled;
    }
}

bool CKeypadFocus::OnRowsChanged(int nRows)
{
    if (m_place != EPlace::List || (nRows > 0 && m_nRow < nRows))
        return false;
    if (nRows <= 0)
        m_place = EPlace::Guess;
    else
        m_nRow = nRows - 1;
    return true;
}
