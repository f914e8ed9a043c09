// ATK plumbing: two small GObject types of our own (a node and a text node) and a hook on the
// toolkit's per-class accessible factory, so that a window we mark gets an accessible object that
// lists our nodes as its children. Windows we do not mark keep GTK's own objects.
#include "ui/atk_objects.h"

#include <map>

#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>
#include <wx/window.h>

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

bool IsNode(gpointer p) { return G_TYPE_CHECK_INSTANCE_TYPE(p, vq_acc_node_get_type()); }
CNodeData& Data(gpointer p) { return *reinterpret_cast<VqAccNode*>(p)->pData; }

GQuark QuarkWindow()
{
    static const GQuark quark = g_quark_from_static_string("vq-acc-window");
    return quark;
}

gint NodeCountChildren(AtkObject* obj) { return static_cast<gint>(Data(obj).apChildren.size()); }

AtkObject* NodeRefChild(AtkObject* obj, gint i)
{
    const auto& ap = Data(obj).apChildren;
    if (i < 0 || static_cast<std::size_t>(i) >= ap.size())
        return nullptr;
    return ATK_OBJECT(g_object_ref(ap[static_cast<std::size_t>(i)]));
}

gint NodeIndexInParent(AtkObject* obj)
{
    AtkObject* pParent = obj->accessible_parent;
    if (pParent == nullptr)
        return -1;
    if (IsNode(pParent)) {
        const auto& ap = Data(pParent).apChildren;
        for (std::size_t i = 0; i < ap.size(); ++i)
            if (ap[i] == obj)
                return static_cast<gint>(i);
        return -1;
    }
    // A window's own children come first, ours after them.
    if (auto* pWindow = static_cast<CAccWindow*>(g_object_get_qdata(G_OBJECT(pParent), QuarkWindow()))) {
        const int nExtra = pWindow->CountExtraChildren();
        const int nTotal = atk_object_get_n_accessible_children(pParent);
        for (int i = 0; i < nExtra; ++i)
            if (pWindow->ExtraChild(i) == obj)
                return nTotal - nExtra + i;
    }
    return -1;
}

AtkStateSet* NodeRefStateSet(AtkObject* obj)
{
    AtkStateSet* pSet = atk_state_set_new();
    for (AtkStateType s : {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE, ATK_STATE_SHOWING})
        atk_state_set_add_state(pSet, s);
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
    pAtk->get_index_in_parent = NodeIndexInParent;
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
    // A reader calls from its own request; the game acts once that request has been answered.
    auto fn = d.fnAction;
    g_idle_add_full(G_PRIORITY_DEFAULT_IDLE,
                    [](gpointer p) -> gboolean {
                        auto* pFn = static_cast<std::function<void()>*>(p);
                        (*pFn)();
                        return G_SOURCE_REMOVE;
                    },
                    new std::function<void()>(std::move(fn)),
                    [](gpointer p) { delete static_cast<std::function<void()>*>(p); });
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
    case EAccRole::Dialog: return ATK_ROLE_DIALOG;
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
    if (pszOld != nullptr && strUtf8 == pszOld)
        return;
    atk_object_set_name(pObject, strUtf8.c_str());  // GObject notifies "accessible-name"
}

void SetDescriptionIfChanged(AtkObject* pObject, const std::wstring& strDescription)
{
    const std::string strUtf8 = Utf8(strDescription);
    const gchar* pszOld = atk_object_get_description(pObject);
    if (pszOld != nullptr && strUtf8 == pszOld)
        return;
    atk_object_set_description(pObject, strUtf8.c_str());
}

void EmitAnnouncement(AtkObject* pObject, const std::wstring& strText)
{
    // ATK 2.46 carries announcements as a signal; the bridge turns it into Object:Announcement.
    if (g_signal_lookup("announcement", G_OBJECT_TYPE(pObject)) != 0)
        g_signal_emit_by_name(pObject, "announcement", Utf8(strText).c_str());
}

// ---- Windows we take over -----------------------------------------------------------------------

std::map<GType, GType>& DerivedTypes()
{
    static std::map<GType, GType> map;
    return map;
}

CAccWindow* WindowOf(AtkObject* obj)
{
    return static_cast<CAccWindow*>(g_object_get_qdata(G_OBJECT(obj), QuarkWindow()));
}

AtkObjectClass* ParentAtkClass(AtkObject* obj)
{
    return ATK_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(obj)));
}

gint WindowCountChildren(AtkObject* obj)
{
    CAccWindow* pWindow = WindowOf(obj);
    const gint nOwn = pWindow != nullptr && pWindow->OwnChildrenOnly() ? 0 : ParentAtkClass(obj)->get_n_children(obj);
    return nOwn + (pWindow != nullptr ? pWindow->CountExtraChildren() : 0);
}

AtkObject* WindowRefChild(AtkObject* obj, gint i)
{
    CAccWindow* pWindow = WindowOf(obj);
    const gint nOwn = pWindow != nullptr && pWindow->OwnChildrenOnly() ? 0 : ParentAtkClass(obj)->get_n_children(obj);
    if (i < nOwn)
        return ParentAtkClass(obj)->ref_child(obj, i);
    if (pWindow == nullptr || i - nOwn >= pWindow->CountExtraChildren())
        return nullptr;
    return ATK_OBJECT(g_object_ref(pWindow->ExtraChild(i - nOwn)));
}

void WindowClassInit(gpointer klass, gpointer)
{
    ATK_OBJECT_CLASS(klass)->get_n_children = WindowCountChildren;
    ATK_OBJECT_CLASS(klass)->ref_child = WindowRefChild;
}

// The same child lists on top of whichever accessible type GTK would have used.
GType DerivedWindowType(GType parent)
{
    auto& map = DerivedTypes();
    if (auto it = map.find(parent); it != map.end())
        return it->second;
    GTypeQuery query;
    g_type_query(parent, &query);
    GTypeInfo info{};
    info.class_size = static_cast<guint16>(query.class_size);
    info.class_init = WindowClassInit;
    info.instance_size = static_cast<guint16>(query.instance_size);
    const std::string strName = std::string("VqAcc") + g_type_name(parent);
    const GType type = g_type_register_static(parent, strName.c_str(), &info, GTypeFlags(0));
    map[parent] = type;
    return type;
}

std::map<GtkWidgetClass*, AtkObject* (*)(GtkWidget*)>& OriginalFactories()
{
    static std::map<GtkWidgetClass*, AtkObject* (*)(GtkWidget*)> map;
    return map;
}

AtkObject* HookedGetAccessible(GtkWidget* pWidget)
{
    if (auto* pWindow = static_cast<CAccWindow*>(g_object_get_qdata(G_OBJECT(pWidget), QuarkWindow())))
        return pWindow->Materialise();
    // Walk up to the class whose factory we replaced.
    for (GType t = G_OBJECT_TYPE(pWidget); t != 0; t = g_type_parent(t)) {
        auto* pClass = static_cast<GtkWidgetClass*>(g_type_class_peek(t));
        auto it = OriginalFactories().find(pClass);
        if (it != OriginalFactories().end())
            return it->second(pWidget);
    }
    return nullptr;
}

void HookFactory(GtkWidget* pWidget)
{
    GtkWidgetClass* pClass = GTK_WIDGET_GET_CLASS(pWidget);
    if (pClass->get_accessible == HookedGetAccessible)
        return;
    OriginalFactories()[pClass] = pClass->get_accessible;
    pClass->get_accessible = HookedGetAccessible;
}

GtkWidget* ClientWidget(wxWindow& window)
{
    return window.m_wxwindow != nullptr ? window.m_wxwindow : window.m_widget;
}

}  // namespace

// ---- CAccObject ---------------------------------------------------------------------------------

CAccObject::CAccObject(EAccRole role, const std::wstring& strName)
{
    const GType type = role == EAccRole::Text ? vq_acc_text_node_get_type() : vq_acc_node_get_type();
    m_pObject = ATK_OBJECT(g_object_new(type, nullptr));
    atk_object_set_role(m_pObject, AtkRoleOf(role));
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
    SetDescriptionIfChanged(m_pObject, strDescription);
}

void CAccObject::SetState(EAccState state, bool bOn)
{
    const AtkStateType type = AtkStateOf(state);
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
    SetDescriptionIfChanged(m_pObject, strText);
}

// ---- CAccWindow ---------------------------------------------------------------------------------

CAccWindow::CAccWindow(wxWindow& window, bool bOwnChildrenOnly)
    : m_window(window), m_pWidget(ClientWidget(window)), m_bOwnChildrenOnly(bOwnChildrenOnly)
{
    if (m_pWidget == nullptr)
        return;
    g_object_set_qdata(G_OBJECT(m_pWidget), QuarkWindow(), this);
    HookFactory(static_cast<GtkWidget*>(m_pWidget));
}

CAccWindow::~CAccWindow()
{
    if (m_pWidget != nullptr)
        g_object_set_qdata(G_OBJECT(m_pWidget), QuarkWindow(), nullptr);
    if (m_pObject != nullptr) {
        g_object_set_qdata(G_OBJECT(m_pObject), QuarkWindow(), nullptr);
        g_object_unref(m_pObject);
    }
    for (AtkObject* pChild : m_apChildren)
        g_object_unref(pChild);
}

AtkObject* CAccWindow::Materialise()
{
    if (m_pObject != nullptr || m_pWidget == nullptr)
        return m_pObject;
    auto* pWidget = static_cast<GtkWidget*>(m_pWidget);
    const GType parent = m_bOwnChildrenOnly ? GTK_TYPE_WIDGET_ACCESSIBLE : GTK_TYPE_CONTAINER_ACCESSIBLE;
    m_pObject = ATK_OBJECT(g_object_new(DerivedWindowType(parent), "widget", pWidget, nullptr));
    g_object_set_qdata(G_OBJECT(m_pObject), QuarkWindow(), this);
    atk_object_initialize(m_pObject, pWidget);
    atk_object_set_role(m_pObject, ATK_ROLE_PANEL);
    if (m_fnBuild) {
        auto fnBuild = std::move(m_fnBuild);
        m_fnBuild = nullptr;
        fnBuild();
    }
    return m_pObject;
}

AtkObject* CAccWindow::Get()
{
    return m_pWidget != nullptr ? gtk_widget_get_accessible(static_cast<GtkWidget*>(m_pWidget)) : nullptr;
}

void CAccWindow::SetRole(EAccRole role)
{
    if (AtkObject* p = Get())
        atk_object_set_role(p, AtkRoleOf(role));
}

void CAccWindow::SetName(const std::wstring& strName)
{
    if (AtkObject* p = Get())
        SetNameIfChanged(p, strName);
}

void CAccWindow::SetDescription(const std::wstring& strDescription)
{
    if (AtkObject* p = Get())
        SetDescriptionIfChanged(p, strDescription);
}

void CAccWindow::AddChild(CAccObject& child)
{
    AddChild(child.Get());
}

void CAccWindow::AddChild(AtkObject* pChild)
{
    AtkObject* p = Get();
    if (p == nullptr || pChild == nullptr)
        return;
    m_apChildren.push_back(ATK_OBJECT(g_object_ref(pChild)));
    atk_object_set_parent(pChild, p);
    g_signal_emit_by_name(p, "children-changed::add", static_cast<guint>(atk_object_get_n_accessible_children(p) - 1),
                          pChild);
}

void CAccWindow::Announce(const std::wstring& strText)
{
    if (m_pObject != nullptr)
        EmitAnnouncement(m_pObject, strText);
}

// ---- Plain windows ------------------------------------------------------------------------------

void MarkAsDialog(wxWindow& window)
{
    auto* pWidget = static_cast<GtkWidget*>(window.GetHandle());
    if (pWidget == nullptr)
        return;
    atk_object_set_role(gtk_widget_get_accessible(pWidget), ATK_ROLE_DIALOG);
}

void ShowKeyboardFocus(wxWindow& window)
{
    auto* pWidget = static_cast<GtkWidget*>(window.GetHandle());
    if (pWidget != nullptr && GTK_IS_WINDOW(pWidget))
        gtk_window_set_focus_visible(GTK_WINDOW(pWidget), TRUE);
}

namespace {

void UntieLabels(GtkWidget* pWidget)
{
    GList* pLabels = gtk_widget_list_mnemonic_labels(pWidget);
    for (GList* p = pLabels; p != nullptr; p = p->next)
        gtk_widget_remove_mnemonic_label(pWidget, GTK_WIDGET(p->data));
    g_list_free(pLabels);
}

}  // namespace

void SetLabelFor(wxWindow& label, wxWindow& control)
{
    auto* pLabel = static_cast<GtkWidget*>(label.GetHandle());
    GtkWidget* pControl = ClientWidget(control);
    if (pLabel == nullptr || pControl == nullptr || !GTK_IS_LABEL(pLabel))
        return;
    UntieLabels(pControl);
    // The toolkit derives both directions of the relation from this one link.
    gtk_label_set_mnemonic_widget(GTK_LABEL(pLabel), pControl);
}

void SetAccessibleName(wxWindow& window, const std::wstring& strName)
{
    if (auto* pWidget = static_cast<GtkWidget*>(window.GetHandle()))
        atk_object_set_name(gtk_widget_get_accessible(pWidget), Utf8(strName).c_str());
}

void NameListForReaders(wxWindow& window, const std::wstring& strName)
{
    auto* pWidget = static_cast<GtkWidget*>(window.GetHandle());
    while (pWidget != nullptr) {
        AtkObject* pAccessible = gtk_widget_get_accessible(pWidget);
        atk_object_set_role(pAccessible, ATK_ROLE_LIST);
        atk_object_set_name(pAccessible, Utf8(strName).c_str());
        // The focus goes to the area a scrolled window holds, not to the scrolled window.
        pWidget = GTK_IS_SCROLLED_WINDOW(pWidget) ? gtk_bin_get_child(GTK_BIN(pWidget)) : nullptr;
    }
}
