// A list on GTK's accessibility layer whose items are made only when a reader asks for them, for
// a list the game draws itself: ten thousand word sets cost nothing until someone walks them.
#pragma once

#include <functional>
#include <string>

typedef struct _AtkObject AtkObject;

class CAccList {
public:
    struct CSource {
        std::function<int()> fnCount;
        std::function<std::wstring(int)> fnName;
        std::function<int()> fnSelected;        // -1: none
        std::function<void(int)> fnSelect;      // a reader asks for an item to be chosen
    };

    CAccList(const std::wstring& strName, CSource source);
    ~CAccList();
    CAccList(const CAccList&) = delete;
    CAccList& operator=(const CAccList&) = delete;

    AtkObject* Get() const { return m_pObject; }

    // The items were replaced as a whole.
    void Reload();
    // The chosen item changed: it is marked selected, the old one no longer, and listeners hear it.
    void SelectionMoved();
    // The item the keyboard is on (the chosen one in a closed box, the highlighted one in an open
    // list), or -1 when the list has no focus; a reader follows it as it would a focused control.
    void SetFocusItem(int nItem);

private:
    AtkObject* m_pObject;
};
