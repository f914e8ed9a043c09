// The game screen, drawn whole at every paint, and the look of the letter keys.
#include <algorithm>

#include <wx/dcclient.h>
#include <wx/translation.h>

#include "game/zoom_steps.h"
#include "platform/services.h"
#include "view/game_view.h"
#include "view/view_look.h"

namespace {

constexpr int kTopAligned = wxALIGN_LEFT | wxALIGN_TOP;
constexpr int kCentredTop = wxALIGN_CENTER_HORIZONTAL | wxALIGN_TOP;

}  // namespace

void CVeltraneQuillornView::OnPaint(wxPaintEvent&)
{
    // GTK composes every paint off screen and shows it in one piece: drawn straight on the
    // paint DC, the picture never flickers.
    wxPaintDC dc(this);
    if (!m_bReady) {
        // Before the initial update there is no picture yet.
        dc.SetBackground(wxBrush(WxColour(Background())));
        dc.Clear();
        return;
    }
    OnDraw(dc);
    m_bPainted = true;
}

wxRect CVeltraneQuillornView::StatusRect(int nLeft, int nTop, int nRight, int nBottom) const
{
    return ZoomedRect(RectLTRB(nLeft, nTop, nRight, nBottom));
}

void CVeltraneQuillornView::DrawGround(wxDC& dc)
{
    const wxSize size = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(WxColour(Background())));
    dc.DrawRectangle(0, 0, size.x, size.y);

    const int L = kHistoryRect.GetLeft();
    const int T = kHistoryRect.GetTop();
    // The labels are black and green where those read on the player's background, and a
    // readable shade of them where they would not (black on black, green on navy).
    UseSmoothText(dc);
    dc.SetTextForeground(TextColourOn(kBlack, Background()));
    if (IsTimeTrial()) {
        dc.DrawLabel(_("Level:"), StatusRect(L, T - 30, L + 40, T), kTopAligned);
        dc.DrawLabel(_("Score:"), StatusRect(L, T - 15, L + 40, T), kTopAligned);
    } else {
        dc.DrawLabel(_("Time:"), StatusRect(L, T - 15, L + 40, T), kTopAligned);
    }
    dc.SetTextForeground(TextColourOn(kGreen, Background()));
    dc.DrawLabel(_("Match"), StatusRect(145, T - 15, 185, 60), kCentredTop);
    dc.DrawLabel(_("Bingo"), StatusRect(185, T - 15, 215, 60), kCentredTop);
    dc.DrawLabel(_("Guess:"), StatusRect(25, 7, 200, 30), kTopAligned);
    UseCrispShapes(dc);
}

void CVeltraneQuillornView::OnDraw(wxDC& dc)
{
    FitFontsIfStale();
    UseCrispShapes(dc);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(m_fontView);
    DrawGround(dc);

    const int L = kHistoryRect.GetLeft();
    const int T = kHistoryRect.GetTop();
    const int R = kHistoryRect.GetRight() + 1;
    const int B = kHistoryRect.GetBottom() + 1;

    // The values are red, or the red that reads on the player's background.
    UseSmoothText(dc);
    dc.SetTextForeground(TextColourOn(kRed, Background()));
    if (IsTimeTrial()) {
        dc.DrawLabel(wxString::Format("%d", Score() + TimeLeft()), StatusRect(L + 40, T - 15, L + 80, T),
                     kTopAligned);
        dc.DrawLabel(wxString::Format("%d", Level()), StatusRect(L + 40, T - 30, L + 80, T), kTopAligned);
    } else {
        dc.DrawLabel(wxString::Format("%02d:%02d", Elapsed() / 60, Elapsed() % 60),
                     StatusRect(L + 40, T - 15, L + 80, T), kTopAligned);
    }

    // The letters stand on the cells' own white.
    dc.SetTextForeground(WxColour(kBlack));
    const int nCells = static_cast<int>(History().m_strMagicWord.size());
    for (int i = 0; i < nCells; ++i)
        DrawGuessCell(dc, i);

    UseCrispShapes(dc);
    if (!IsGameOver() && IsTimeTrial())
        DrawTimeBar(dc, L, B, R);
    DrawNotes(dc);
    DrawKeypadFocusRing(dc);
}

void CVeltraneQuillornView::DrawNotes(wxDC& dc)
{
    UseSmoothText(dc);
    if (m_bShowWordsFit && !History().m_strMagicWord.empty()) {
        dc.SetTextForeground(TextColourOn(kBlack, Background()));
        dc.DrawLabel(wxString(WordsFitText(WordsThatFitCount())), ZoomedRect(kFitLineRect), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    if (!Note().empty() && !IsGameOver()) {
        dc.SetTextForeground(TextColourOn(kRed, Background()));
        dc.DrawLabel(wxString(Note()), ZoomedRect(kNoteRect), wxALIGN_RIGHT | wxALIGN_TOP);
    }
    UseCrispShapes(dc);
}

void CVeltraneQuillornView::FillLayout(wxDC& dc, int nLeft, int nTop, int nRight, int nBottom, const wxColour& clr)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(clr));
    dc.DrawRectangle(ZoomedRect(RectLTRB(nLeft, nTop, nRight, nBottom)));
}

void CVeltraneQuillornView::DrawGuessCell(wxDC& dc, int i)
{
    const int x = m_nCellLeft + (m_nCellWidth + m_nCellGap) * i;
    const int y = m_nCellTop;
    const int nRight = x + m_nCellWidth;
    const int nBottom = y + m_nCellHeight;
    UseCrispShapes(dc);
    FillLayout(dc, x, y, nRight, nBottom, *wxWHITE);

    // The outline runs through the right and bottom edges too, so it spans 21 by 21 pixels and
    // neighbouring outlines stand one pixel apart. Drawn as four one-pixel bands so that at any
    // zoom each is a whole number of device pixels wide.
    const wxColour clrOutline = WxColour(i == Cursor() ? kRed : kBlack);
    FillLayout(dc, x, y, nRight + 1, y + 1, clrOutline);
    FillLayout(dc, x, nBottom, nRight + 1, nBottom + 1, clrOutline);
    FillLayout(dc, x, y, x + 1, nBottom + 1, clrOutline);
    FillLayout(dc, nRight, y, nRight + 1, nBottom + 1, clrOutline);

    const wchar_t c = static_cast<std::size_t>(i) < Guess().size() ? Guess()[static_cast<std::size_t>(i)] : L' ';
    UseSmoothText(dc);
    dc.DrawLabel(wxString(c), ZoomedRect(RectLTRB(x, y, nRight, nBottom)), wxALIGN_CENTER);
}

void CVeltraneQuillornView::DrawTimeBar(wxDC& dc, int nLeft, int nBottom, int nRight)
{
    const int nTop = nBottom + 2;
    const int nEnd = nRight + 1;
    const int nFoot = nBottom + 6;
    FillLayout(dc, nLeft, nTop, nEnd, nFoot, *wxWHITE);
    FillLayout(dc, nLeft, nTop, nEnd, nTop + 1, *wxBLACK);
    FillLayout(dc, nLeft, nFoot - 1, nEnd, nFoot, *wxBLACK);
    FillLayout(dc, nLeft, nTop, nLeft + 1, nFoot, *wxBLACK);
    FillLayout(dc, nEnd - 1, nTop, nEnd, nFoot, *wxBLACK);

    // The inside is 189 layout pixels wide; the red part is measured in device pixels so a
    // zoomed bar shrinks as smoothly as it can. A limit of 0 or less (only a damaged skill could
    // give one) draws an empty bar rather than dividing by it.
    const wxRect rcInside = ZoomedRect(RectLTRB(nLeft + 1, nBottom + 3, nRight, nBottom + 5));
    int nWidth = 0;
    if (TimeLimit() > 0)
        nWidth = std::clamp(rcInside.width * std::max(TimeLeft(), 0) / TimeLimit(), 0, rcInside.width);
    if (nWidth > 0) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(WxColour(kRed)));
        dc.DrawRectangle(rcInside.x, rcInside.y, nWidth, rcInside.height);
    }
}

void CVeltraneQuillornView::OnDrawItem(wxDC& dc, int nId, const wxRect& rcItem, bool bSelected)
{
    FitFontsIfStale();
    if (bSelected)
        DebugOutput(L"Selected state");

    const int nMark = History().MarkOf(static_cast<wchar_t>(L'A' + nId - IDC_LETTER_FIRST));
    const COLORREF clrLine = nMark == MarkStruck ? kRed : nMark == MarkHighlighted ? kBlue : kBlack;
    dc.SetFont(nMark == MarkHighlighted ? m_fontKeyBold : m_fontKey);
    dc.SetTextForeground(WxColour(nMark == MarkHighlighted ? kBlue : kBlack));
    // The outline is one layout pixel: a whole number of device pixels at every zoom.
    const int nLine = ZoomLineWidth(m_nZoom);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(WxColour(clrLine)));
    dc.DrawRectangle(rcItem);
    dc.SetBrush(m_brushKey);
    dc.DrawRectangle(wxRect(rcItem).Deflate(nLine));

    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    UseSmoothText(dc);
    wxRect rcText = rcItem;
    rcText.y += Z(1);
    rcText.height -= Z(2);
    dc.DrawLabel(wxString(static_cast<wchar_t>(L'A' + nId - IDC_LETTER_FIRST)), rcText, wxALIGN_CENTER);

    UseCrispShapes(dc);
    if (nMark == MarkStruck) {
        m_penStruck.SetWidth(nLine);
        dc.SetPen(m_penStruck);
        dc.DrawLine(rcItem.GetLeft(), rcItem.GetTop(), rcItem.GetRight() + 1, rcItem.GetBottom() + 1);
    }
}
