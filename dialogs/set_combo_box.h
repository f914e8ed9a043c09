// The drop-down list of word sets: drawn by us, so that ten thousand names open as fast as ten,
// and given to screen readers as a combo box holding a list they can walk item by item.
#pragma once

#include <wx/odcombo.h>

#include <string>
#include <vector>

#include "ui/atk_list.h"
#include "ui/atk_objects.h"

class CSetComboBox : public wxOwnerDrawnComboBox {
public:
    CSetComboBox(wxWindow* pParent, int nId, const wxRect& rc);

    void Select(int nItem) override;

    // The list holds sets: each row shows the set's label (its name with hidden controls made
    // visible) and keeps its real name, which is what is stored and opened.
    void SetSets(const std::vector<std::wstring>& astrNames);
    // The real name of a row; empty for no row.
    std::wstring SetNameAt(int nItem) const;

protected:
    // Every row is as wide as the box: the toolkit would otherwise measure every name before the
    // dialog could show, and a name wider than the box is cut with an ellipsis where it is drawn.
    wxCoord OnMeasureItemWidth(size_t nItem) const override;
    void OnDrawItem(wxDC& dc, const wxRect& rc, int nItem, int nFlags) const override;
    // The open list is made on the first opening; it is named here, before it takes the focus.
    void DoShowPopup(const wxRect& rc, int nFlags) override;

private:
    // The item the keyboard is on: the highlighted row while the list is open, the chosen one
    // while the box has the focus, none otherwise.
    void FollowFocus();
    int HighlightedRow() const;

    std::vector<std::wstring> m_astrNames;  // row by row

    CAccWindow m_acc;
    CAccList m_accList;
    bool m_bWatchingList = false;
};
