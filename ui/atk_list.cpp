// The lazily filled list on ATK: a list object with the selection interface, and plain item
// objects made the first time a reader asks for each one. Their selected and focused states are
// worked out from the list when asked, and announced when they change.
#include "ui/atk_list.h"

#include <vector>

#include <wx/app.h>
#include <wx/string.h>

#include "ui/atk_support.h"

namespace {

struct CListData {
    CAccList::CSource source;
    std::vector<AtkObject*> apItems;  // by index, referenced; null until asked for
    int nSelected = -1;               // as last announced
    int nFocus = -1;
};

// ---- Items --------------------------------------------------------------------------------------

struct VqAccListItem {
    AtkObject parent;
    int nIndex;
};
struct VqAccListItemClass {
    AtkObjectClass parent_class;
};
static void vq_acc_list_item_class_init(VqAccListItemClass* klass);
static void vq_acc_list_item_init(VqAccListItem* self) { self->nIndex = -1; }
G_DEFINE_TYPE(VqAccListItem, vq_acc_list_item, ATK_TYPE_OBJECT)

// ---- The list -----------------------------------------------------------------------------------

struct VqAccList {
    AtkObject parent;
    CListData* pData;
};
struct VqAccListClass {
    AtkObjectClass parent_class;
};
void ListSelectionInit(AtkSelectionIface* iface);
static void vq_acc_list_class_init(VqAccListClass* klass);
static void vq_acc_list_init(VqAccList* self) { self->pData = new CListData; }
G_DEFINE_TYPE_WITH_CODE(VqAccList, vq_acc_list, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_SELECTION, ListSelectionInit))

CListData& ListData(gpointer p) { return *reinterpret_cast<VqAccList*>(p)->pData; }
int IndexOf(gpointer pItem) { return reinterpret_cast<VqAccListItem*>(pItem)->nIndex; }

int Count(const CListData& d) { return d.source.fnCount ? d.source.fnCount() : 0; }
int Selected(const CListData& d) { return d.source.fnSelected ? d.source.fnSelected() : -1; }

AtkObject* Item(AtkObject* pList, int i)
{
    CListData& d = ListData(pList);
    if (i < 0 || i >= Count(d))
        return nullptr;
    if (d.apItems.size() < static_cast<std::size_t>(Count(d)))
        d.apItems.resize(static_cast<std::size_t>(Count(d)), nullptr);
    AtkObject*& pItem = d.apItems[static_cast<std::size_t>(i)];
    if (pItem == nullptr) {
        pItem = ATK_OBJECT(g_object_new(vq_acc_list_item_get_type(), nullptr));
        reinterpret_cast<VqAccListItem*>(pItem)->nIndex = i;
        atk_object_set_role(pItem, ATK_ROLE_LIST_ITEM);
        atk_object_set_name(pItem, wxString(d.source.fnName(i)).utf8_str());
        atk_object_set_parent(pItem, pList);
    }
    return pItem;
}

// An item made earlier, or null: states of items nobody asked for need no announcing.
AtkObject* MadeItem(AtkObject* pList, int i)
{
    const CListData& d = ListData(pList);
    return i >= 0 && static_cast<std::size_t>(i) < d.apItems.size() ? d.apItems[static_cast<std::size_t>(i)] : nullptr;
}

void DropItems(AtkObject* pList)
{
    for (AtkObject*& pItem : ListData(pList).apItems) {
        if (pItem != nullptr) {
            atk_object_set_parent(pItem, nullptr);
            g_object_unref(pItem);
            pItem = nullptr;
        }
    }
    ListData(pList).apItems.clear();
}

gint ListCountChildren(AtkObject* obj) { return Count(ListData(obj)); }

AtkObject* ListRefChild(AtkObject* obj, gint i)
{
    AtkObject* pItem = Item(obj, i);
    return pItem != nullptr ? ATK_OBJECT(g_object_ref(pItem)) : nullptr;
}

AtkStateSet* ListRefStateSet(AtkObject*) { return acc::UsableStateSet({ATK_STATE_SHOWING}); }

void ListFinalize(GObject* obj)
{
    DropItems(ATK_OBJECT(obj));
    delete reinterpret_cast<VqAccList*>(obj)->pData;
    G_OBJECT_CLASS(vq_acc_list_parent_class)->finalize(obj);
}

static void vq_acc_list_class_init(VqAccListClass* klass)
{
    AtkObjectClass* pAtk = ATK_OBJECT_CLASS(klass);
    pAtk->get_n_children = ListCountChildren;
    pAtk->ref_child = ListRefChild;
    pAtk->get_index_in_parent = acc::IndexInParent;
    pAtk->ref_state_set = ListRefStateSet;
    G_OBJECT_CLASS(klass)->finalize = ListFinalize;
}

gboolean ListAddSelection(AtkSelection* selection, gint i)
{
    CListData& d = ListData(selection);
    if (i < 0 || i >= Count(d) || !d.source.fnSelect)
        return FALSE;
    // The reader waits for its request to be answered: the choice comes after that.
    wxTheApp->CallAfter([fnSelect = d.source.fnSelect, i] { fnSelect(i); });
    return TRUE;
}

AtkObject* ListRefSelection(AtkSelection* selection, gint i)
{
    AtkObject* pItem = i == 0 ? Item(ATK_OBJECT(selection), Selected(ListData(selection))) : nullptr;
    return pItem != nullptr ? ATK_OBJECT(g_object_ref(pItem)) : nullptr;
}

gint ListSelectionCount(AtkSelection* selection) { return Selected(ListData(selection)) >= 0 ? 1 : 0; }

gboolean ListIsChildSelected(AtkSelection* selection, gint i)
{
    return i >= 0 && i == Selected(ListData(selection));
}

void ListSelectionInit(AtkSelectionIface* iface)
{
    iface->add_selection = ListAddSelection;
    iface->ref_selection = ListRefSelection;
    iface->get_selection_count = ListSelectionCount;
    iface->is_child_selected = ListIsChildSelected;
}

AtkStateSet* ItemRefStateSet(AtkObject* obj)
{
    AtkStateSet* pSet = acc::UsableStateSet({ATK_STATE_SELECTABLE, ATK_STATE_FOCUSABLE});
    AtkObject* pList = obj->accessible_parent;
    if (pList != nullptr && G_TYPE_CHECK_INSTANCE_TYPE(pList, vq_acc_list_get_type())) {
        const CListData& d = ListData(pList);
        if (IndexOf(obj) == Selected(d))
            atk_state_set_add_state(pSet, ATK_STATE_SELECTED);
        if (IndexOf(obj) == d.nFocus)
            atk_state_set_add_state(pSet, ATK_STATE_FOCUSED);
    }
    return pSet;
}

gint ItemIndexInParent(AtkObject* obj) { return IndexOf(obj); }

static void vq_acc_list_item_class_init(VqAccListItemClass* klass)
{
    ATK_OBJECT_CLASS(klass)->ref_state_set = ItemRefStateSet;
    ATK_OBJECT_CLASS(klass)->get_index_in_parent = ItemIndexInParent;
}

}  // namespace

CAccList::CAccList(const std::wstring& strName, CSource source)
    : m_pObject(ATK_OBJECT(g_object_new(vq_acc_list_get_type(), nullptr)))
{
    atk_object_set_role(m_pObject, ATK_ROLE_LIST);
    atk_object_set_name(m_pObject, wxString(strName).utf8_str());
    CListData& d = ListData(m_pObject);
    d.source = std::move(source);
    d.nSelected = Selected(d);
}

CAccList::~CAccList()
{
    // A reader may hold the object a little longer; by then it is an empty list.
    DropItems(m_pObject);
    ListData(m_pObject).source = {};
    g_object_unref(m_pObject);
}

void CAccList::Reload()
{
    DropItems(m_pObject);
    CListData& d = ListData(m_pObject);
    d.nSelected = Selected(d);
    d.nFocus = -1;
    g_signal_emit_by_name(m_pObject, "visible-data-changed");
}

void CAccList::SelectionMoved()
{
    CListData& d = ListData(m_pObject);
    const int nOld = d.nSelected;
    d.nSelected = Selected(d);
    if (nOld == d.nSelected)
        return;
    if (AtkObject* pOld = MadeItem(m_pObject, nOld))
        atk_object_notify_state_change(pOld, ATK_STATE_SELECTED, FALSE);
    if (AtkObject* pNew = Item(m_pObject, d.nSelected))
        atk_object_notify_state_change(pNew, ATK_STATE_SELECTED, TRUE);
    g_signal_emit_by_name(m_pObject, "selection-changed");
}

void CAccList::SetFocusItem(int nItem)
{
    CListData& d = ListData(m_pObject);
    if (nItem == d.nFocus)
        return;
    const int nOld = d.nFocus;
    d.nFocus = nItem;
    if (AtkObject* pOld = MadeItem(m_pObject, nOld))
        atk_object_notify_state_change(pOld, ATK_STATE_FOCUSED, FALSE);
    AtkObject* pNew = Item(m_pObject, nItem);
    if (pNew == nullptr)
        return;
    atk_object_notify_state_change(pNew, ATK_STATE_FOCUSED, TRUE);
    // The keyboard stays on the box; readers follow the item it points at.
    g_signal_emit_by_name(m_pObject, "active-descendant-changed", pNew);
    if (AtkObject* pOwner = m_pObject->accessible_parent)
        g_signal_emit_by_name(pOwner, "active-descendant-changed", pNew);
}
