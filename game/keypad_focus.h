// Marking letters and reading back the guesses without a mouse: whether the keyboard is on the
// guess, on a letter key or on a row of the guess list, and what the keys pressed there mean. The
// view keeps the real focus all the time, so typed letters still reach the guess; this only
// decides where Tab, the arrows, Space, Enter and Escape go.
#pragma once

enum class EKeypadKey { Tab, BackTab, Escape, Up, Down, Left, Right, Home, End, Space, Enter, Other };

enum class EKeypadAction {
    Unhandled,   // not a key of the place the keyboard is on: the guess gets it as always
    None,        // taken, nothing changes (an arrow at the edge)
    FocusMoved,  // to another place, key or row
    StepMark,    // step the mark of the focused key
};

class CKeypadFocus {
public:
    static constexpr int kKeysPerColumn = 13;  // A to M on the left, N to Z on the right

    // Tab goes round guess, keypad, list, in this order (the list only while it has rows);
    // Shift+Tab the other way; Escape comes back to the guess from anywhere.
    enum class EPlace { Guess, Keypad, List };

    EPlace Place() const { return m_place; }
    bool InKeypad() const { return m_place == EPlace::Keypad; }
    bool InList() const { return m_place == EPlace::List; }
    // The focused key, 0 for A to 25 for Z; kept while the focus is elsewhere, so Tab comes
    // back to the key the player left.
    int FocusedKey() const { return m_nKey; }
    // The row of the list the keyboard reads (0 for the first guess); meaningful in the list.
    int FocusedRow() const { return m_nRow; }

    // nRows: how many guesses the list holds now.
    EKeypadAction OnKey(EKeypadKey key, int nRows);
    // The list changed: a list that lost its rows (a new word) gives the keyboard back to the
    // guess. True when the focus moved.
    bool OnRowsChanged(int nRows);

private:
    EKeypadAction GoTo(EPlace place, int nRows);
    EKeypadAction OnKeypadKey(EKeypadKey key);
    EKeypadAction OnListKey(EKeypadKey key, int nRows);

    EPlace m_place = EPlace::Guess;
    int m_nKey = 0;
    int m_nRow = 0;
};
