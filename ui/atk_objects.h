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
enum class EAccRole { Label, Text, List, ListItem, ToggleButton, Grouping, StatusBar, Dialog, ComboBox };
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

// The accessible object of a window, made ours: a role, a name, and children of our own placed
// after (or instead of) the accessible objects of its child windows.
class CAccWindow {
public:
    // bOwnChildrenOnly: the child windows are drawn parts too and are shown only as our children.
    CAccWindow(wxWindow& window, bool bOwnChildrenOnly);
    ~CAccWindow();
    CAccWindow(const CAccWindow&) = delete;
    CAccWindow& operator=(const CAccWindow&) = delete;

    // Runs once, when an assistive technology first asks for the window's accessible object.
    void OnFirstUse(std::function<void()> fnBuild) { m_fnBuild = std::move(fnBuild); }
    // Whether anything has asked yet; until then there is nothing to keep up to date.
    bool IsInUse() const { return m_pObject != nullptr; }

    AtkObject* Get();  // makes it if needed
    void SetRole(EAccRole role);
    void SetName(const std::wstring& strName);
    void SetDescription(const std::wstring& strDescription);
    void AddChild(CAccObject& child);
    void AddChild(AtkObject* pChild);
    void Announce(const std::wstring& strText);

    // Used by the toolkit hook.
    AtkObject* Materialise();
    int CountExtraChildren() const { return static_cast<int>(m_apChildren.size()); }
    AtkObject* ExtraChild(int i) const { return m_apChildren[static_cast<std::size_t>(i)]; }
    bool OwnChildrenOnly() const { return m_bOwnChildrenOnly; }

private:
    [[maybe_unused]] wxWindow& m_window;  // kept for the object's life; clang sees no read of it
    void* m_pWidget;  // the GtkWidget that draws the window's client area
    bool m_bOwnChildrenOnly;
    AtkObject* m_pObject = nullptr;
    std::vector<AtkObject*> m_apChildren;
    std::function<void()> m_fnBuild;
};

// The dialog role for a top-level window that GTK would report as a frame.
void MarkAsDialog(wxWindow& window);
// The focused control of a top-level window outlined now, not only after the first key press;
// GTK decides afresh when the window is mapped, so this comes once it is up.
void ShowKeyboardFocus(wxWindow& window);

// A text that labels a control: readers speak it for the control. Any other text the toolkit had
// tied to the control (the one created before it, a group's title) no longer labels it.
void SetLabelFor(wxWindow& label, wxWindow& control);

// The accessible name of a control, e.g. a field whose label is a separate text.
void SetAccessibleName(wxWindow& window, const std::wstring& strName);
// A drawn list's window as readers meet it when it takes the focus: a list with a name, where
// the toolkit would report an unnamed panel (and so would its scrolled area inside).
void NameListForReaders(wxWindow& window, const std::wstring& strName);
