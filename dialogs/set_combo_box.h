// The drop-down list of word sets: drawn by us, so that ten thousand names open as fast as ten.
#pragma once

#include <wx/odcombo.h>

class CSetComboBox : public wxOwnerDrawnComboBox {
public:
    CSetComboBox(wxWindow* pParent, int nId, const wxRect& rc);

protected:
    // Every row is as wide as the box: the toolkit would otherwise measure every name before the
    // dialog could show, and a name wider than the box is cut with an ellipsis where it is drawn.
    wxCoord OnMeasureItemWidth(size_t nItem) const override;
    void OnDrawItem(wxDC& dc, const wxRect& rc, int nItem, int nFlags) const override;
};
