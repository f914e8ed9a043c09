// Accessible objects on GTK's accessibility layer (ATK), which wxWidgets does not reach on GTK:
// a way to give one of our windows an accessible object with children of our own, and small
// objects of our own for what the game only paints. Nothing here is built until an assistive
// technology asks for it, so a session without one pays nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/gdicmn.h>

typedef struct _AtkObject AtkObject;
class wxWindow;

// Roles and states by the names ATK gives them, so callers need no GTK header.
enum class EAccRole { Label, Text, List, ListItem, ToggleButton, Grouping, StatusBar, ComboBox };
enum class EAccState { Focused, Focusable, Checked, Selected, Selectable };

// One accessible object of our own, for a part of the screen that has no window.
class CAccObject {
public:
    CAccObject(EAccRole role, const std::wstring& strName);
    ~CAccObject();
    CAccObject(const CAccObject&) = delete;
    CAccObject& operator=(const CAccObject&) = delete;

    AtkObject* Get() const { return m_pObject; }

    // Each change is announced to listeners only when it changes something.
    void SetName(const std::wstring& strName);
    void SetDescription(const std::wstring& strDescription);
    void SetState(EAccState state, bool bOn);
    // Text objects (EAccRole::Text) also offer their name as text, with a caret.
    void SetCaret(int nOffset);
    // Where the part is drawn, in client pixels of the window that draws it; asked each time a
    // reader asks, so it follows the zoom, a resize and scrolling.
    void SetBounds(wxWindow* pOwner, std::function<wxRect()> fnBounds);
    // Tells listeners again that the object has the focus, e.g. when its window got the real
    // focus back and a reader took the window itself for the focused object.
    void RenewFocus();
    // The one action a screen reader can run on the object ("press").
    void SetAction(const std::string& strName, std::function<void()> fnAction);

    void AddChild(CAccObject& child);
    void RemoveAllChildren();
    // Says the text at once, whatever has the focus, to readers that take announcements.
    void Announce(const std::wstring& strText);
    // Says the text through the description of this object, which should be the focused one:
    // readers that ignore announcements (Orca 43) speak a description change on the object they
    // are on. The same text twice is said twice.
    void SayInDescription(const std::wstring& strText);

private:
    AtkObject* m_pObject;
};

// The window side (CAccWindow, labels, names of plain windows) comes with the nodes.
#include "ui/atk_window.h"
