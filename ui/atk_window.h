// A window's accessible object made ours, and names, roles and labels for plain windows, on GTK's
// accessibility layer (ATK), which wxWidgets does not reach on GTK.
#pragma once

#include <functional>
#include <string>
#include <vector>

typedef struct _AtkObject AtkObject;
class wxWindow;
class CAccObject;
enum class EAccRole;

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
    void AddChild(CAccObject& child);
    void AddChild(AtkObject* pChild);
    void Announce(const std::wstring& strText);

    // Used by the toolkit hook.
    AtkObject* Materialise();
    int CountExtraChildren() const { return static_cast<int>(m_apChildren.size()); }
    AtkObject* ExtraChild(int i) const { return m_apChildren[static_cast<std::size_t>(i)]; }
    bool OwnChildrenOnly() const { return m_bOwnChildrenOnly; }

private:
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
