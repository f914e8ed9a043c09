// The game view as a screen reader sees it: a named group holding the guess, the status line,
// the history list with one item per guess, and the 26 letter keys as toggle buttons. Built the
// first time an assistive technology asks, kept up to date only after that.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/atk_objects.h"

class CVeltraneQuillornView;

class CViewAccess {
public:
    explicit CViewAccess(CVeltraneQuillornView& view);
    ~CViewAccess();

    // Names, states and rows from the game as it is now. A guess that joined the list is said.
    void Sync();
    // The keyboard moved between the guess, the keys and the rows of the list.
    void OnKeypadFocus();
    // The view got the real focus (back): the part the keyboard is on is the focused one again.
    void OnViewFocus();
    // Says the text now, on whichever part has the focus (see CAccObject::SayInDescription), and
    // as an announcement for readers that take those.
    void Announce(const std::wstring& strText);

private:
    void Build();
    void SyncRows();
    CAccObject* FocusedPart() const;
    // The description a part has when nothing is being said on it.
    std::wstring RestingDescription(const CAccObject* pPart) const;

    CVeltraneQuillornView& m_view;
    CAccWindow m_window;
    std::unique_ptr<CAccObject> m_pGuess;
    std::unique_ptr<CAccObject> m_pStatus;
    std::unique_ptr<CAccObject> m_pList;
    std::vector<std::unique_ptr<CAccObject>> m_apRows;
    std::vector<std::unique_ptr<CAccObject>> m_apKeys;
    // The part whose description carries the last text said, until the focus leaves it.
    CAccObject* m_pSaidOn = nullptr;
    bool m_bBuilt = false;
};
