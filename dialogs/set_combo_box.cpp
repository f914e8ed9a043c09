// The word-set drop-down: fixed-width rows, names fitted to them as they are drawn, and the list
// on the accessibility layer.
#include "dialogs/options_dlg.h"

#include <wx/dc.h>
#include <wx/translation.h>
#include <wx/vlbox.h>

#include "game/set_folders.h"
#include "ui/fit_text.h"

namespace {

// Room left of the text in the open list, as the toolkit's own rows have.
constexpr int kRowIndent = 2;

}  // namespace

CSetComboBox::CSetComboBox(wxWindow* pParent, int nId, const wxRect& rc)
    : wxOwnerDrawnComboBox(pParent, nId, wxEmptyString, rc.GetPosition(), rc.GetSize(), 0, nullptr, wxCB_READONLY),
      m_acc(*this, true),
      m_accList(_("Game Set").ToStdWstring(),
                {[this] { return static_cast<int>(GetCount()); },
                 [this](int i) { return GetString(static_cast<unsigned>(i)).ToStdWstring(); },
                 [this] { return GetSelection(); },
                 [this](int i) {
                     // As if the player had picked it: the dialog hears of it like of any other choice.
                     Select(i);
                     wxCommandEvent event(wxEVT_COMBOBOX, GetId());
                     event.SetEventObject(this);
                     event.SetInt(i);
                     ProcessWindowEvent(event);
                 }})
{
    m_acc.OnFirstUse([this] {
        m_acc.SetRole(EAccRole::ComboBox);
        m_acc.AddChild(m_accList.Get());
        FollowFocus();
    });
    Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& event) {
        event.Skip();
        if (m_acc.IsInUse()) {
            m_accList.SelectionMoved();
            FollowFocus();
        }
    });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        FollowFocus();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        // The open list takes the focus from the box; its own rows are followed then.
        CallAfter([this] { FollowFocus(); });
    });
    Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& event) {
        event.Skip();
        wxWindow* pList = GetPopupControl() != nullptr ? GetPopupControl()->GetControl() : nullptr;
        if (pList != nullptr && !m_bWatchingList) {
            m_bWatchingList = true;
            // Keys move the highlight in the open list; the choice is made only by Enter or a click.
            pList->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
                e.Skip();
                FollowFocus();
            });
        }
        FollowFocus();
    });
    Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& event) {
        event.Skip();
        FollowFocus();
    });
}

void CSetComboBox::DoShowPopup(const wxRect& rc, int nFlags)
{
    // Readers would otherwise hear an unnamed panel as the list opens.
    if (wxWindow* pList = GetPopupControl() != nullptr ? GetPopupControl()->GetControl() : nullptr)
        NameListForReaders(*pList, _("Game Set").ToStdWstring());
    wxOwnerDrawnComboBox::DoShowPopup(rc, nFlags);
}

int CSetComboBox::HighlightedRow() const
{
    auto* pPopup = const_cast<CSetComboBox*>(this)->GetPopupControl();
    const auto* pList = pPopup != nullptr ? dynamic_cast<const wxVListBox*>(pPopup->GetControl()) : nullptr;
    return pList != nullptr ? pList->GetSelection() : GetSelection();
}

void CSetComboBox::FollowFocus()
{
    if (!m_acc.IsInUse())
        return;
    if (IsPopupShown())
        m_accList.SetFocusItem(HighlightedRow());
    else
        m_accList.SetFocusItem(HasFocus() ? GetSelection() : -1);
}

void CSetComboBox::Select(int nItem)
{
    wxOwnerDrawnComboBox::Select(nItem);
    if (m_acc.IsInUse())
        m_accList.SelectionMoved();
}

void CSetComboBox::SetSets(const std::vector<std::wstring>& astrNames)
{
    wxArrayString astrLabels;
    astrLabels.reserve(astrNames.size());
    for (const std::wstring& strName : astrNames)
        astrLabels.push_back(wxString(ShownSetName(strName)));
    Set(astrLabels);
    m_astrNames = astrNames;
    m_accList.Reload();
}

std::wstring CSetComboBox::SetNameAt(int nItem) const
{
    if (nItem < 0 || static_cast<std::size_t>(nItem) >= m_astrNames.size())
        return {};
    return m_astrNames[static_cast<std::size_t>(nItem)];
}

wxCoord CSetComboBox::OnMeasureItemWidth(size_t) const
{
    // Never wider than the box, so the open list is the box's width and no row is measured.
    return 0;
}

void CSetComboBox::OnDrawItem(wxDC& dc, const wxRect& rc, int nItem, int nFlags) const
{
    if (nItem < 0 || static_cast<unsigned>(nItem) >= GetCount())
        return;
    const bool bInBox = (nFlags & wxODCB_PAINTING_CONTROL) != 0;
    const int nLeft = bInBox ? GetMargins().x : kRowIndent;
    const wxString strName = FitWithEllipsis(*this, GetString(static_cast<unsigned>(nItem)), rc.width - nLeft - kRowIndent);
    dc.DrawText(strName, rc.x + nLeft, rc.y + (rc.height - dc.GetCharHeight()) / 2);
}
