// Accessible objects on GTK's accessibility layer (ATK), which wxWidgets does not reach on GTK:
// small objects of our own for what the game only paints. Nothing here is built until an
// assistive technology asks for it, so a session without one pays nothing.
#pragma once

#include <functional>
#include <string>

#include <atk/atk.h>
#include <wx/gdicmn.h>

class wxWindow;

enum class EAccRole {
    Label = ATK_ROLE_LABEL,
    Text = ATK_ROLE_TEXT,
    List = ATK_ROLE_LIST,
    ListItem = ATK_ROLE_LIST_ITEM,
    ToggleButton = ATK_ROLE_TOGGLE_BUTTON,
    Grouping = ATK_ROLE_GROUPING,
    StatusBar = ATK_ROLE_STATUSBAR,
    ComboBox = ATK_ROLE_COMBO_BOX,
};
enum class EAccState {
    Focused = ATK_STATE_FOCUSED,
    Focusable = ATK_STATE_FOCUSABLE,
    Checked = ATK_STATE_CHECKED,
    Selected = ATK_STATE_SELECTED,
    Selectable = ATK_STATE_SELECTABLE,
};

// One accessible object of our own, for a part of the screen that has no window. Each change is
// told to listeners only when it changes something.
class CAccObject {
public:
    CAccObject(EAccRole role, const std::wstring& strName);
    ~CAccObject();
    CAccObject(const CAccObject&) = delete;
    CAccObject& operator=(const CAccObject&) = delete;

    AtkObject* Get() const { return m_pObject; }

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
