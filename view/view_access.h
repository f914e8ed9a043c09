// The game view as a screen reader sees it: a named group holding the guess, the status line,
// the history list with one item per guess, and the 26 letter keys as toggle buttons. Built the
// first time an assistive technology asks, kept up to date only after that.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogs/atk_objects.h"

class CVeltraneQuillornView;

class CViewAccess {
public:
    explicit CViewAccess(CVeltraneQuillornView& view);
    ~CViewAccess();

    // Names, states and rows from the game as it is now. A guess that joined the list is read out.
    void Sync();
    // The keypad focus moved, or returned to the guess.
    void OnKeypadFocus();
    void Announce(const std::wstring& strText);

private:
    void Build();
    void SyncRows();

    CVeltraneQuillornView& m_view;
    CAccWindow m_window;
    std::unique_ptr<CAccObject> m_pGuess;
    std::unique_ptr<CAccObject> m_pStatus;
    std::unique_ptr<CAccObject> m_pList;
    std::vector<std::unique_ptr<CAccObject>> m_apRows;
    std::vector<std::unique_ptr<CAccObject>> m_apKeys;
    bool m_bBuilt = false;
};
