// Marking letters without a mouse: which letter key holds the keyboard focus, and what the keys
// pressed there mean. The view keeps the real focus all the time, so typed letters still reach
// the guess; this only decides where Tab, the arrows, Space, Enter and Escape go.
#pragma once

enum class EKeypadKey { Tab, Escape, Up, Down, Left, Right, Home, End, Space, Enter, Other };

enum class EKeypadAction {
    Unhandled,   // not a keypad key: the guess gets it as always
    None,        // taken, nothing changes (an arrow at the edge)
    FocusMoved,  // into or out of the keypad, or to another key
    StepMark,    // step the mark of the focused key
};

class CKeypadFocus {
public:
    static constexpr int kKeys = 26;
    static constexpr int kKeysPerColumn = 13;  // A to M on the left, N to Z on the right

    bool InKeypad() const { return m_bInKeypad; }
    // The focused key, 0 for A to 25 for Z; kept while the focus is on the guess, so Tab comes
    // back to the key the player left.
    int FocusedKey() const { return m_nKey; }
    wchar_t FocusedLetter() const { return static_cast<wchar_t>(L'A' + m_nKey); }

    EKeypadAction OnKey(EKeypadKey key);
    // Back to the guess, e.g. when a new word starts or the view loses the focus for good.
    void Leave() { m_bInKeypad = false; }

private:
    EKeypadAction MoveTo(int nKey);

    bool m_bInKeypad = false;
    int m_nKey = 0;
};
