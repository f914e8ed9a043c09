// ATK plumbing, windows: a hook on the toolkit's per-class accessible factory, so that a window
// we mark gets an accessible object that lists our nodes as its children. Windows we do not mark
// keep GTK's own objects.
#include "ui/atk_window.h"

#include <map>

#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>
#include <wx/window.h>

#include "ui/atk_support.h"

using namespace acc;

namespace {

// The CAccWindow a widget or an accessible object belongs to is kept under this key.
GQuark QuarkWindow()
{
    static const GQuark quark = g_quark_from_static_string("vq-acc-window");
    return quark;
}

// Our accessible type for each type GTK would have used, and the factories the hook replaced.
std::map<GType, GType> g_derivedTypes;
std::map<GtkWidgetClass*, AtkObject* (*)(GtkWidget*)> g_originalFactories;

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
    if (auto it = g_derivedTypes.find(parent); it != g_derivedTypes.end())
        return it->second;
    GTypeQuery query;
    g_type_query(parent, &query);
    GTypeInfo info{};
    info.class_size = static_cast<guint16>(query.class_size);
    info.class_init = WindowClassInit;
    info.instance_size = static_cast<guint16>(query.instance_size);
    const std::string strName = std::string("VqAcc") + g_type_name(parent);
    const GType type = g_type_register_static(parent, strName.c_str(), &info, GTypeFlags(0));
    g_derivedTypes[parent] = type;
    return type;
}

AtkObject* HookedGetAccessible(GtkWidget* pWidget)
{
    if (auto* pWindow = static_cast<CAccWindow*>(g_object_get_qdata(G_OBJECT(pWidget), QuarkWindow())))
        return pWindow->Materialise();
    // Walk up to the class whose factory we replaced.
    for (GType t = G_OBJECT_TYPE(pWidget); t != 0; t = g_type_parent(t)) {
        auto* pClass = static_cast<GtkWidgetClass*>(g_type_class_peek(t));
        auto it = g_originalFactories.find(pClass);
        if (it != g_originalFactories.end())
            return it->second(pWidget);
    }
    return nullptr;
}

void HookFactory(GtkWidget* pWidget)
{
    GtkWidgetClass* pClass = GTK_WIDGET_GET_CLASS(pWidget);
    if (pClass->get_accessible == HookedGetAccessible)
        return;
    g_originalFactories[pClass] = pClass->get_accessible;
    pClass->get_accessible = HookedGetAccessible;
}

GtkWidget* ClientWidget(wxWindow& window)
{
    return window.m_wxwindow != nullptr ? window.m_wxwindow : window.m_widget;
}

}  // namespace

// ---- CAccWindow ---------------------------------------------------------------------------------

CAccWindow::CAccWindow(wxWindow& window, bool bOwnChildrenOnly)
    : m_pWidget(ClientWidget(window)), m_bOwnChildrenOnly(bOwnChildrenOnly)
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
        atk_object_set_role(p, static_cast<AtkRole>(role));
}

void CAccWindow::SetName(const std::wstring& strName)
{
    if (AtkObject* p = Get())
        SetNameIfChanged(p, strName);
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
    // The toolkit derives both directions of the relation from this one link, once: a relation
    // it derived from the link before is dropped, so the new one is derived when next asked.
    gtk_label_set_mnemonic_widget(GTK_LABEL(pLabel), pControl);
    for (const auto& [pWidget, type] : {std::pair{pLabel, ATK_RELATION_LABEL_FOR}, std::pair{pControl, ATK_RELATION_LABELLED_BY}}) {
        AtkRelationSet* pSet = atk_object_ref_relation_set(gtk_widget_get_accessible(pWidget));
        if (pSet == nullptr)
            continue;
        if (AtkRelation* pOld = atk_relation_set_get_relation_by_type(pSet, type))
            atk_relation_set_remove(pSet, pOld);
        g_object_unref(pSet);
    }
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
