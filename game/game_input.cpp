// What typing, the four editing keys, a tap on the guess row and a letter-key press do to the game.
#include "game/game_core.h"
#include "platform/invariant.h"
#include "platform/text.h"

void CGameCore::OnChar(wchar_t c)
{
    if (m_bGameOver || c == L'\r')
        return;  // Enter arrives as a key as well and is handled there
    // A note about the last Enter has been seen once the player types on.
    const bool bNoteGone = DropNote();
    if (!IsLetter(c)) {
        if (bNoteGone)
            RepaintView();
        return;
    }
    const int nLength = WordLength();
    // While a word is in play the row has a cell per letter and the cursor stands on one of them.
    VQ_INVARIANT(m_nCursor >= 0 && m_nCursor < nLength && static_cast<std::size_t>(nLength) == m_strGuess.size());
    m_strGuess[static_cast<std::size_t>(m_nCursor)] = ToUpperChar(c);
    // At the last cell the cursor stays, and the next letter replaces this one.
    if (m_nCursor < nLength - 1)
        ++m_nCursor;
    RepaintView();
}

void CGameCore::OnKeyDown(int nVirtKey)
{
    if (m_bGameOver)
        return;
    // Enter checks the guess again and says again what it finds.
    if (nVirtKey != VK_RETURN && DropNote())
        RepaintView();
    const int nLength = WordLength();
    switch (nVirtKey) {
    case VK_BACK:
        VQ_INVARIANT(m_nCursor >= 0 && static_cast<std::size_t>(m_nCursor) < m_strGuess.size());
        if (m_nCursor == 0)
            return;
        // On a blank cell Backspace deletes the letter before it, as in a line of text.
        if (m_strGuess[static_cast<std::size_t>(m_nCursor)] == L' ')
            --m_nCursor;
        m_strGuess[static_cast<std::size_t>(m_nCursor)] = L' ';
        RepaintView();
        break;
    case VK_RETURN:
        if (SubmitGuess())
            RepaintView();
        break;
    case VK_LEFT:
        if (m_nCursor > 0) {
            --m_nCursor;
            RepaintView();
        }
        break;
    case VK_RIGHT:
        if (m_nCursor < nLength - 1) {
            ++m_nCursor;
            RepaintView();
        }
        break;
    default:
        break;
    }
}

void CGameCore::OnLButtonDown(int x, int y)
{
    if (m_bGameOver)
        return;
    if (y <= m_nCellTop || y >= m_nCellTop + m_nCellHeight)
        return;
    const int d = x - m_nCellLeft;
    if (d <= 0)
        return;
    // The gap right of a cell belongs to that cell.
    const int i = d / m_nCellPitch;
    if (i < WordLength()) {
        m_nCursor = i;
        RepaintView();
    }
}

void CGameCore::OnLetterKey(int nId)
{
    // Only the 26 keys send this, each with its own id.
    VQ_INVARIANT(nId >= IDC_LETTER_FIRST && nId <= IDC_LETTER_LAST);
    if (m_bGameOver)
        return;
    History().StepMark(static_cast<wchar_t>(L'A' + (nId - IDC_LETTER_FIRST)));
    // The marks show in the list and on the key; the guess row does not change.
    RepaintHistory();
    RepaintKey(nId);
}
