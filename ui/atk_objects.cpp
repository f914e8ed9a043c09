// ATK plumbing, our own nodes: two small GObject types (a node and a text node) for the parts the
// game only paints. The hook that hangs them under a window is in atk_window.cpp.
#include "ui/atk_objects.h"

#include <vector>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/window.h>

#include "ui/atk_support.h"

using namespace acc;

namespace {

// ---- Our nodes ----------------------------------------------------------------------------------

struct CNodeData {
    std::vector<AtkObject*> apChildren;  // referenced
    unsigned long long nStates = 0;      // bits by AtkStateType
    wxWindow* pOwner = nullptr;
    std::function<wxRect()> fnBounds;
    int nCaret = -1;
    std::string strAction;
    std::function<void()> fnAction;
};

struct VqAccNode {
    AtkObject parent;
    CNodeData* pData;
};
struct VqAccNodeClass {
    AtkObjectClass parent_class;
};

void NodeComponentInit(AtkComponentIface* iface);
void NodeActionInit(AtkActionIface* iface);
void NodeTextInit(AtkTextIface* iface);
static void vq_acc_node_class_init(VqAccNodeClass* klass);
static void vq_acc_node_init(VqAccNode* self) { self->pData = new CNodeData; }

G_DEFINE_TYPE_WITH_CODE(VqAccNode, vq_acc_node, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, NodeComponentInit)
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_ACTION, NodeActionInit))

struct VqAccTextNode {
    VqAccNode parent;
};
struct VqAccTextNodeClass {
    VqAccNodeClass parent_class;
};
static void vq_acc_text_node_class_init(VqAccTextNodeClass*) {}
static void vq_acc_text_node_init(VqAccTextNode*) {}

G_DEFINE_TYPE_WITH_CODE(VqAccTextNode, vq_acc_text_node, vq_acc_node_get_type(),
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_TEXT, NodeTextInit))

CNodeData& Data(gpointer p) { return *reinterpret_cast<VqAccNode*>(p)->pData; }

gint NodeCountChildren(AtkObject* obj) { return static_cast<gint>(Data(obj).apChildren.size()); }

AtkObject* NodeRefChild(AtkObject* obj, gint i)
{
    const auto& ap = Data(obj).apChildren;
    if (i < 0 || static_cast<std::size_t>(i) >= ap.size())
        return nullptr;
    return ATK_OBJECT(g_object_ref(ap[static_cast<std::size_t>(i)]));
}

AtkStateSet* NodeRefStateSet(AtkObject* obj)
{
    AtkStateSet* pSet = UsableStateSet({ATK_STATE_SHOWING});
    const unsigned long long nStates = Data(obj).nStates;
    for (int s = 0; s < 64; ++s)
        if ((nStates >> s) & 1ULL)
            atk_state_set_add_state(pSet, static_cast<AtkStateType>(s));
    return pSet;
}

void NodeFinalize(GObject* obj)
{
    CNodeData* pData = reinterpret_cast<VqAccNode*>(obj)->pData;
    for (AtkObject* pChild : pData->apChildren)
        g_object_unref(pChild);
    delete pData;
    G_OBJECT_CLASS(vq_acc_node_parent_class)->finalize(obj);
}

static void vq_acc_node_class_init(VqAccNodeClass* klass)
{
    AtkObjectClass* pAtk = ATK_OBJECT_CLASS(klass);
    pAtk->get_n_children = NodeCountChildren;
    pAtk->ref_child = NodeRefChild;
    pAtk->get_index_in_parent = IndexInParent;
    pAtk->ref_state_set = NodeRefStateSet;
    G_OBJECT_CLASS(klass)->finalize = NodeFinalize;
}

void NodeGetExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coords)
{
    *x = *y = *width = *height = 0;
    const CNodeData& d = Data(component);
    if (d.pOwner == nullptr || !d.fnBounds)
        return;
    const wxRect rcBounds = d.fnBounds();
    auto* pWidget = static_cast<GtkWidget*>(d.pOwner->m_wxwindow ? d.pOwner->m_wxwindow : d.pOwner->GetHandle());
    GtkWidget* pTop = gtk_widget_get_toplevel(pWidget);
    int tx = 0;
    int ty = 0;
    if (pWidget == nullptr || pTop == nullptr ||
        !gtk_widget_translate_coordinates(pWidget, pTop, rcBounds.x, rcBounds.y, &tx, &ty))
        return;
    if (coords == ATK_XY_SCREEN && gtk_widget_get_window(pTop) != nullptr) {
        int ox = 0;
        int oy = 0;
        gdk_window_get_origin(gtk_widget_get_window(pTop), &ox, &oy);
        tx += ox;
        ty += oy;
    }
    *x = tx;
    *y = ty;
    *width = rcBounds.width;
    *height = rcBounds.height;
}

void NodeComponentInit(AtkComponentIface* iface)
{
    iface->get_extents = NodeGetExtents;
}

gint NodeActionCount(AtkAction* action) { return Data(action).fnAction ? 1 : 0; }

gboolean NodeDoAction(AtkAction* action, gint i)
{
    CNodeData& d = Data(action);
    if (i != 0 || !d.fnAction)
        return FALSE;
    // The reader waits for its request to be answered: the press comes after that.
    wxTheApp->CallAfter(d.fnAction);
    return TRUE;
}

const gchar* NodeActionName(AtkAction* action, gint i)
{
    const CNodeData& d = Data(action);
    return i == 0 && d.fnAction ? d.strAction.c_str() : nullptr;
}

void NodeActionInit(AtkActionIface* iface)
{
    iface->get_n_actions = NodeActionCount;
    iface->do_action = NodeDoAction;
    iface->get_name = NodeActionName;
}

const gchar* NameOf(AtkText* text)
{
    const gchar* psz = atk_object_get_name(ATK_OBJECT(text));
    return psz != nullptr ? psz : "";
}

gchar* TextGetText(AtkText* text, gint nStart, gint nEnd)
{
    const gchar* psz = NameOf(text);
    const glong nLength = g_utf8_strlen(psz, -1);
    if (nEnd < 0 || nEnd > nLength)
        nEnd = static_cast<gint>(nLength);
    if (nStart < 0)
        nStart = 0;
    if (nStart >= nEnd)
        return g_strdup("");
    return g_utf8_substring(psz, nStart, nEnd);
}

gint TextCount(AtkText* text) { return static_cast<gint>(g_utf8_strlen(NameOf(text), -1)); }

gint TextCaret(AtkText* text)
{
    const int nCaret = Data(text).nCaret;
    return nCaret >= 0 ? nCaret : 0;
}

gunichar TextCharAt(AtkText* text, gint nOffset)
{
    const gchar* psz = NameOf(text);
    if (nOffset < 0 || nOffset >= g_utf8_strlen(psz, -1))
        return 0;
    return g_utf8_get_char(g_utf8_offset_to_pointer(psz, nOffset));
}

void NodeTextInit(AtkTextIface* iface)
{
    iface->get_text = TextGetText;
    iface->get_character_count = TextCount;
    iface->get_caret_offset = TextCaret;
    iface->get_character_at_offset = TextCharAt;
}

}  // namespace

// ---- CAccObject ---------------------------------------------------------------------------------

CAccObject::CAccObject(EAccRole role, const std::wstring& strName)
{
    const GType type = role == EAccRole::Text ? vq_acc_text_node_get_type() : vq_acc_node_get_type();
    m_pObject = ATK_OBJECT(g_object_new(type, nullptr));
    atk_object_set_role(m_pObject, static_cast<AtkRole>(role));
    atk_object_set_name(m_pObject, Utf8(strName).c_str());
}

CAccObject::~CAccObject()
{
    Data(m_pObject).fnAction = nullptr;
    Data(m_pObject).fnBounds = nullptr;
    Data(m_pObject).pOwner = nullptr;
    g_object_unref(m_pObject);
}

void CAccObject::SetName(const std::wstring& strName)
{
    const bool bText = G_TYPE_CHECK_INSTANCE_TYPE(m_pObject, vq_acc_text_node_get_type());
    const gchar* pszOld = atk_object_get_name(m_pObject);
    const std::string strOld = pszOld != nullptr ? pszOld : "";
    SetNameIfChanged(m_pObject, strName);
    const gchar* pszNew = atk_object_get_name(m_pObject);
    if (!bText || strOld == pszNew)
        return;
    // The text is the name: readers that follow text hear it change as a whole.
    g_signal_emit_by_name(m_pObject, "text-remove", 0, static_cast<gint>(g_utf8_strlen(strOld.c_str(), -1)),
                          strOld.c_str());
    g_signal_emit_by_name(m_pObject, "text-insert", 0, static_cast<gint>(g_utf8_strlen(pszNew, -1)), pszNew);
}

void CAccObject::SetDescription(const std::wstring& strDescription)
{
    const std::string strUtf8 = Utf8(strDescription);
    const gchar* pszOld = atk_object_get_description(m_pObject);
    if (pszOld == nullptr || strUtf8 != pszOld)
        atk_object_set_description(m_pObject, strUtf8.c_str());
}

void CAccObject::SetState(EAccState state, bool bOn)
{
    const auto type = static_cast<AtkStateType>(state);
    unsigned long long& nStates = Data(m_pObject).nStates;
    const unsigned long long nBit = 1ULL << static_cast<int>(type);
    if (((nStates & nBit) != 0) == bOn)
        return;
    nStates = bOn ? (nStates | nBit) : (nStates & ~nBit);
    atk_object_notify_state_change(m_pObject, type, bOn);
}

void CAccObject::SetCaret(int nOffset)
{
    int& nCaret = Data(m_pObject).nCaret;
    if (nCaret == nOffset)
        return;
    nCaret = nOffset;
    if (G_TYPE_CHECK_INSTANCE_TYPE(m_pObject, vq_acc_text_node_get_type()))
        g_signal_emit_by_name(m_pObject, "text-caret-moved", nOffset);
}

void CAccObject::SetBounds(wxWindow* pOwner, std::function<wxRect()> fnBounds)
{
    Data(m_pObject).pOwner = pOwner;
    Data(m_pObject).fnBounds = std::move(fnBounds);
}

void CAccObject::RenewFocus()
{
    if ((Data(m_pObject).nStates >> ATK_STATE_FOCUSED) & 1ULL)
        atk_object_notify_state_change(m_pObject, ATK_STATE_FOCUSED, TRUE);
}

void CAccObject::SetAction(const std::string& strName, std::function<void()> fnAction)
{
    Data(m_pObject).strAction = strName;
    Data(m_pObject).fnAction = std::move(fnAction);
}

void CAccObject::AddChild(CAccObject& child)
{
    auto& ap = Data(m_pObject).apChildren;
    ap.push_back(ATK_OBJECT(g_object_ref(child.Get())));
    atk_object_set_parent(child.Get(), m_pObject);
    g_signal_emit_by_name(m_pObject, "children-changed::add", static_cast<guint>(ap.size() - 1), child.Get());
}

void CAccObject::RemoveAllChildren()
{
    auto& ap = Data(m_pObject).apChildren;
    while (!ap.empty()) {
        AtkObject* pChild = ap.back();
        ap.pop_back();
        g_signal_emit_by_name(m_pObject, "children-changed::remove", static_cast<guint>(ap.size()), pChild);
        g_object_unref(pChild);
    }
}

void CAccObject::Announce(const std::wstring& strText)
{
    EmitAnnouncement(m_pObject, strText);
}

void CAccObject::SayInDescription(const std::wstring& strText)
{
    // Orca speaks the new description only when it differs from the old one: a repeated text
    // (the same warning a minute on) goes through an empty one, which it keeps silent.
    const gchar* pszOld = atk_object_get_description(m_pObject);
    if (pszOld != nullptr && Utf8(strText) == pszOld)
        atk_object_set_description(m_pObject, "");
    SetDescription(strText);
}
