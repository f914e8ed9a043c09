// The game view at a zoom: fonts made at the zoomed pixel height, children placed at zoomed
// rectangles, the zoom following the window, Ctrl+wheel.
#include <algorithm>

#include <wx/settings.h>
#include <wx/translation.h>
#include <wx/time.h>

#include "ui/display_zoom.h"
#include "game/zoom_steps.h"
#include "view/game_view.h"
#include "view/view_look.h"

wxSize CVeltraneQuillornView::ShownSize(int nPercent) const
{
    return wxSize(ZoomEdge(board::kWidth, nPercent), ZoomEdge(LayoutHeight(), nPercent));
}

int CVeltraneQuillornView::Z(int nLayout) const
{
    return ZoomEdge(nLayout, m_nZoom);
}

wxRect CVeltraneQuillornView::ZoomedRect(const wxRect& rcLayout) const
{
    const int nLeft = Z(rcLayout.GetLeft());
    const int nTop = Z(rcLayout.GetTop());
    return wxRect(m_ptOrigin.x + nLeft, m_ptOrigin.y + nTop, Z(rcLayout.GetRight() + 1) - nLeft,
                  Z(rcLayout.GetBottom() + 1) - nTop);
}

wxPoint CVeltraneQuillornView::LayoutPoint(const wxPoint& ptClient) const
{
    return wxPoint(UnzoomPoint(ptClient.x - m_ptOrigin.x, m_nZoom), UnzoomPoint(ptClient.y - m_ptOrigin.y, m_nZoom));
}

wxFont CVeltraneQuillornView::ViewFontAt(int nPercent, const wxFont& fontStart) const
{
    // "Guess:" must end before the first cell, and the column heads fit their columns.
    const auto z = [nPercent](int n) { return ZoomEdge(n, nPercent); };
    return DefaultFontForLine(z(board::kLineHeight),
                              {{_("Guess:"), z(board::GuessLabelRect().width)},
                               {_("Match"), z(board::MatchHeadRect().width)},
                               {_("Bingo"), z(board::BingoHeadRect().width)}},
                              fontStart);
}

void CVeltraneQuillornView::FitFontsIfStale()
{
    if (m_nFontsZoom == m_nZoom)
        return;
    m_nFontsZoom = m_nZoom;
    if (!m_fontViewBase.IsOk())
        m_fontViewBase = ViewFontAt(kZoomNormal, wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    // Started from the 100 % font grown by the zoom, so every step shows the same face at the same
    // proportions, only shrunk where rounding would overflow a rectangle.
    m_fontView = m_nZoom == kZoomNormal ? m_fontViewBase
                                        : ViewFontAt(m_nZoom, m_fontViewBase.Scaled(static_cast<float>(m_nZoom) / 100.0f));
    m_fontKey = FontForCellHeight("Tahoma", Z(board::kKeyHeight), wxFONTWEIGHT_NORMAL);
    // Fitted on the regular face either way: the bold one differs only in weight.
    m_fontKeyBold = m_fontKey;
    m_fontKeyBold.SetWeight(wxFONTWEIGHT_BOLD);
}

void CVeltraneQuillornView::LayoutChildren()
{
    const wxSize client = GetClientSize();
    const wxSize picture = ShownSize(m_nZoom);
    m_ptOrigin = wxPoint(std::max((client.x - picture.x) / 2, 0), std::max((client.y - picture.y) / 2, 0));
    m_history.SetSize(ZoomedRect(board::ListRect()));
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId) {
        if (wxWindow* pKey = FindWindow(nId))
            pKey->SetSize(ZoomedRect(board::KeyRect(nId - IDC_LETTER_FIRST)));
    }
}

void CVeltraneQuillornView::SetZoom(int nPercent)
{
    if (!IsZoomStep(nPercent))
        nPercent = kZoomNormal;
    // The game's dialogs are laid out at the zoom of the screen they open over.
    SetDialogZoom(nPercent);
    m_nZoom = nPercent;
    m_history.SetZoom(nPercent);
    LayoutChildren();
    Refresh(false);
}

// A window manager that will not give the asked size gets this long to say so.
constexpr long kFitSettleMs = 1000;

void CVeltraneQuillornView::ChangeZoom(int nPercent)
{
    SetZoom(nPercent);
    m_store.Write(Option::Zoom, m_nZoom);
    if (m_fnFit) {
        m_tFitAsked = wxGetLocalTimeMillis();
        m_fnFit();
    }
}

void CVeltraneQuillornView::FollowWindow()
{
    // The zoom follows the window: the largest step whose picture fits the client area.
    const wxSize client = GetClientSize();
    int nFit = LargestStepFitting(board::kWidth, LayoutHeight(), client.x, client.y);
    if (m_tFitAsked) {
        const long nSinceAsked = (wxGetLocalTimeMillis() - *m_tFitAsked).ToLong();
        if (nSinceAsked >= 0 && nSinceAsked < kFitSettleMs) {
            // Looked at again when the while is over, so a window that stays at another size
            // (a refusing window manager, a drag right after a zoom step) is still followed.
            if (nFit != m_nZoom && !m_timerFitSettled.IsRunning())
                m_timerFitSettled.StartOnce(static_cast<int>(kFitSettleMs - nSinceAsked) + 1);
            nFit = m_nZoom;
        } else {
            m_tFitAsked.reset();
        }
    }
    const bool bChanged = nFit != m_nZoom;
    SetZoom(nFit);  // also lays the picture out anew in the client area it has now
    if (bChanged)
        m_store.Write(Option::Zoom, m_nZoom);
}

void CVeltraneQuillornView::OnMouseWheelEvent(wxMouseEvent& event)
{
    if (!event.ControlDown() || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    if (event.GetWheelRotation() > 0)
        ChangeZoom(ZoomStepIn(m_nZoom));
    else if (event.GetWheelRotation() < 0)
        ChangeZoom(ZoomStepOut(m_nZoom));
}
