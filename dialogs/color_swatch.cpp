// The colour swatch window.
#include "dialogs/color_swatch.h"

#include <wx/dcclient.h>

#include "dialogs/dialog_look.h"

bool CColorSwatch::Create(const wxRect& rc, wxWindow* pParent, int nId)
{
    if (!wxWindow::Create(pParent, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_SIMPLE))
        return false;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CColorSwatch::OnPaint, this);
    return true;
}

void CColorSwatch::SetColor(COLORREF clr)
{
    m_clrSwatch = clr;
    if (GetHandle() == nullptr)
        return;
    Refresh(false);
    Update();
}

void CColorSwatch::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(WxColour(m_clrSwatch)));
    const wxSize size = GetClientSize();
    dc.DrawRectangle(0, 0, size.x, size.y);
}
