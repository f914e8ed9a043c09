// Labels placed as DrawLabel places them, from measurements kept per font.
#include "view/label_placer.h"

#include <wx/dc.h>

namespace {

constexpr int kHandled = wxALIGN_CENTRE_HORIZONTAL | wxALIGN_CENTRE_VERTICAL;

}  // namespace

wxPoint CLabelPlacer::Origin(const wxRect& rc, const wxSize& extent, int nAlign)
{
    // DrawLabel's own arithmetic: the centre is rounded towards the top left.
    const int x = (nAlign & wxALIGN_CENTRE_HORIZONTAL) ? (rc.GetLeft() + rc.GetRight() + 1 - extent.x) / 2 : rc.GetLeft();
    const int y = (nAlign & wxALIGN_CENTRE_VERTICAL) ? (rc.GetTop() + rc.GetBottom() + 1 - extent.y) / 2 : rc.GetTop();
    return wxPoint(x, y);
}

void CLabelPlacer::Draw(wxDC& dc, const wxString& str, const wxRect& rc, int nAlign)
{
    if ((nAlign & ~kHandled) != 0 || str.find('\n') != wxString::npos || str.find('&') != wxString::npos) {
        dc.DrawLabel(str, rc, nAlign);
        return;
    }
    // Blanks leave no ink.
    if (str.find_first_not_of(' ') == wxString::npos)
        return;
    wxSize extent;
    if ((nAlign & kHandled) != 0) {
        const wxFont& font = dc.GetFont();
        if (font.GetRefData() != m_font.GetRefData()) {
            if (font != m_font)
                m_mapExtent.clear();
            m_font = font;
        }
        auto it = m_mapExtent.find(str);
        if (it == m_mapExtent.end())
            it = m_mapExtent.emplace(str, dc.GetTextExtent(str)).first;
        extent = it->second;
    }
    dc.DrawText(str, Origin(rc, extent, nAlign));
}
