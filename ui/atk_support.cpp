// The ATK bridge's shared pieces: the window link, role and state names, and quiet setters.
#include "ui/atk_support.h"

#include <wx/string.h>

namespace acc {

GQuark QuarkWindow()
{
    static const GQuark quark = g_quark_from_static_string("vq-acc-window");
    return quark;
}

AtkRole AtkRoleOf(EAccRole role)
{
    switch (role) {
    case EAccRole::Label: return ATK_ROLE_LABEL;
    case EAccRole::Text: return ATK_ROLE_TEXT;
    case EAccRole::List: return ATK_ROLE_LIST;
    case EAccRole::ListItem: return ATK_ROLE_LIST_ITEM;
    case EAccRole::ToggleButton: return ATK_ROLE_TOGGLE_BUTTON;
    case EAccRole::Grouping: return ATK_ROLE_GROUPING;
    case EAccRole::StatusBar: return ATK_ROLE_STATUSBAR;
    case EAccRole::ComboBox: return ATK_ROLE_COMBO_BOX;
    }
    return ATK_ROLE_UNKNOWN;
}

AtkStateType AtkStateOf(EAccState state)
{
    switch (state) {
    case EAccState::Focused: return ATK_STATE_FOCUSED;
    case EAccState::Focusable: return ATK_STATE_FOCUSABLE;
    case EAccState::Checked: return ATK_STATE_CHECKED;
    case EAccState::Selected: return ATK_STATE_SELECTED;
    case EAccState::Selectable: return ATK_STATE_SELECTABLE;
    }
    return ATK_STATE_INVALID;
}

std::string Utf8(const std::wstring& str)
{
    return std::string(wxString(str).utf8_str());
}

void SetNameIfChanged(AtkObject* pObject, const std::wstring& strName)
{
    const std::string strUtf8 = Utf8(strName);
    const gchar* pszOld = atk_object_get_name(pObject);
    if (pszOld == nullptr || strUtf8 != pszOld)
        atk_object_set_name(pObject, strUtf8.c_str());  // GObject notifies "accessible-name"
}

void SetDescriptionIfChanged(AtkObject* pObject, const std::wstring& strDescription)
{
    const std::string strUtf8 = Utf8(strDescription);
    const gchar* pszOld = atk_object_get_description(pObject);
    if (pszOld == nullptr || strUtf8 != pszOld)
        atk_object_set_description(pObject, strUtf8.c_str());
}

void EmitAnnouncement(AtkObject* pObject, const std::wstring& strText)
{
    // ATK 2.46 carries announcements as a signal; the bridge turns it into Object:Announcement.
    if (g_signal_lookup("announcement", G_OBJECT_TYPE(pObject)) != 0)
        g_signal_emit_by_name(pObject, "announcement", Utf8(strText).c_str());
}

AtkStateSet* UsableStateSet(std::initializer_list<AtkStateType> aExtra)
{
    AtkStateSet* pSet = atk_state_set_new();
    for (AtkStateType s : {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE})
        atk_state_set_add_state(pSet, s);
    for (AtkStateType s : aExtra)
        atk_state_set_add_state(pSet, s);
    return pSet;
}

gint IndexInParent(AtkObject* pObject)
{
    AtkObject* pParent = pObject->accessible_parent;
    const gint n = pParent != nullptr ? atk_object_get_n_accessible_children(pParent) : 0;
    for (gint i = 0; i < n; ++i) {
        AtkObject* pChild = atk_object_ref_accessible_child(pParent, i);
        if (pChild != nullptr)
            g_object_unref(pChild);
        if (pChild == pObject)
            return i;
    }
    return -1;
}

void RunWhenIdle(std::function<void()> fn)
{
    g_idle_add_full(
        G_PRIORITY_DEFAULT_IDLE,
        [](gpointer p) -> gboolean {
            (*static_cast<std::function<void()>*>(p))();
            return G_SOURCE_REMOVE;
        },
        new std::function<void()>(std::move(fn)), [](gpointer p) { delete static_cast<std::function<void()>*>(p); });
}

}  // namespace acc
