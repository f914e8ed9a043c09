// The ATK bridge's shared pieces.
#include "ui/atk_support.h"

#include <wx/string.h>

namespace acc {

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
}  // namespace acc
