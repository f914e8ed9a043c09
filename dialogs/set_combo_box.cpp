// The word-set drop-down: fixed-width rows, names fitted to them as they are drawn.
#include "dialogs/set_combo_box.h"

#include <wx/dc.h>

#include "dialogs/fit_text.h"

namespace {

// Room left of the text in the open list, as the toolkit's own rows have.
constexpr int kRowIndent = 2;

}  // namespace

CSetComboBox::CSetComboBox(wxWindow* pParent, int nId, const wxRect& rc)
    : wxOwnerDrawnComboBox(pParent, nId, wxEmptyString, rc.GetPosition(), rc.GetSize(), 0, nullptr, wxCB_READONLY)
{
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
