// Keypad and list focus: the two key columns are walked like a grid, the list row by row; arrows
// stop at the edges.
#include "game/keypad_focus.h"

#include <algorithm>

EKeypadAction CKeypadFocus::MoveTo(int nKey)
{
    if (nKey == m_nKey)
        return EKeypadAction::None;
    m_nKey = nKey;
    return EKeypadAction::FocusMoved;
}

EKeypadAction CKeypadFocus::MoveToRow(int nRow)
{
    if (nRow == m_nRow)
        return EKeypadAction::None;
    m_nRow = nRow;
    return EKeypadAction::FocusMoved;
}

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
    switch (m_place) {
    case EPlace::Guess:
        if (key == EKeypadKey::Tab)
            return GoTo(EPlace::Keypad, nRows);
        if (key == EKeypadKey::BackTab)
            return GoTo(EPlace::List, nRows);
        return EKeypadAction::Unhandled;
    case EPlace::Keypad:
        if (key == EKeypadKey::Tab)
            return GoTo(EPlace::List, nRows);
        if (key == EKeypadKey::BackTab)
            return GoTo(EPlace::Guess, nRows);
        return OnKeypadKey(key);
    case EPlace::List:
        if (key == EKeypadKey::Tab)
            return GoTo(EPlace::Guess, nRows);
        if (key == EKeypadKey::BackTab)
            return GoTo(EPlace::Keypad, nRows);
        return OnListKey(key, nRows);
    }
    return EKeypadAction::Unhandled;
}

EKeypadAction CKeypadFocus::OnKeypadKey(EKeypadKey key)
{
    const int nColumn = m_nKey / kKeysPerColumn;
    const int nRow = m_nKey % kKeysPerColumn;
    const int nColumnStart = nColumn * kKeysPerColumn;
    switch (key) {
    case EKeypadKey::Escape:
        m_place = EPlace::Guess;
        return EKeypadAction::FocusMoved;
    case EKeypadKey::Up: return MoveTo(nRow > 0 ? m_nKey - 1 : m_nKey);
    case EKeypadKey::Down: return MoveTo(nRow < kKeysPerColumn - 1 ? m_nKey + 1 : m_nKey);
    case EKeypadKey::Left: return MoveTo(nColumn > 0 ? m_nKey - kKeysPerColumn : m_nKey);
    case EKeypadKey::Right: return MoveTo(nColumn == 0 ? m_nKey + kKeysPerColumn : m_nKey);
    case EKeypadKey::Home: return MoveTo(nColumnStart);
    case EKeypadKey::End: return MoveTo(nColumnStart + kKeysPerColumn - 1);
    case EKeypadKey::Space:
    case EKeypadKey::Enter: return EKeypadAction::StepMark;
    default: break;
    }
    return EKeypadAction::Unhandled;
}

EKeypadAction CKeypadFocus::OnListKey(EKeypadKey key, int nRows)
{
    const int nLast = std::max(nRows - 1, 0);
    switch (key) {
    case EKeypadKey::Escape:
        m_place = EPlace::Guess;
        return EKeypadAction::FocusMoved;
    case EKeypadKey::Up: return MoveToRow(std::max(m_nRow - 1, 0));
    case EKeypadKey::Down: return MoveToRow(std::min(m_nRow + 1, nLast));
    case EKeypadKey::Home: return MoveToRow(0);
    case EKeypadKey::End: return MoveToRow(nLast);
    // Reading never plays: Enter here would send a guess the player is not looking at, and the
    // cursor keys of the guess have no meaning on a row.
    case EKeypadKey::Left:
    case EKeypadKey::Right:
    case EKeypadKey::Space:
    case EKeypadKey::Enter: return EKeypadAction::None;
    default: break;
    }
    return EKeypadAction::Unhandled;
}

bool CKeypadFocus::OnRowsChanged(int nRows)
{
    if (m_place != EPlace::List)
        return false;
    if (nRows <= 0) {
        m_place = EPlace::Guess;
        return true;
    }
    if (m_nRow < nRows)
        return false;
    m_nRow = nRows - 1;
    return true;
}
