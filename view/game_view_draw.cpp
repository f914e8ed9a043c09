// The game screen: composed on the buffer, copied in one block; and the look of the letter keys.
#include <algorithm>

#include <wx/dcclient.h>

#include "platform/services.h"
#include "view/game_view.h"
#include "view/view_look.h"

namespace {

constexpr int kTopAligned = wxALIGN_LEFT | wxALIGN_TOP;
constexpr int kCentredTop = wxALIGN_CENTER_HORIZONTAL | wxALIGN_TOP;

}  // namespace

void CVeltraneQuillornView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (!m_dcMem.IsOk()) {
        // Before the initial update there is no picture yet.
        dc.SetBackground(wxBrush(WxColour(Background())));
        dc.Clear();
        return;
    }
    OnDraw();
    const wxSize size = m_bmpBuffer.GetLogicalSize();
    dc.Blit(0, 0, size.x, size.y, &m_dcMem, 0, 0);

    if (m_bQuitAfterFirstPaint && !m_bPainted)
        PostQuit(0);
    m_bPainted = true;
}

void CVeltraneQuillornView::OnDraw()
{
    wxMemoryDC& dc = m_dcMem;
    const wxSize size = m_bmpBuffer.GetLogicalSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(WxColour(Background())));
    dc.DrawRectangle(0, 0, size.x, size.y);

    const int L = kHistoryRect.GetLeft();
    const int T = kHistoryRect.GetTop();
    const int R = kHistoryRect.GetRight() + 1;
    const int B = kHistoryRect.GetBottom() + 1;

    // Labels keep the text colour the last paint ended with (black); values are red.
    if (IsTimeTrial()) {
        dc.DrawLabel("Level:", RectLTRB(L, T - 30, L + 40, T), kTopAligned);
        dc.DrawLabel("Score:", RectLTRB(L, T - 15, L + 40, T), kTopAligned);
        dc.SetTextForeground(WxColour(kRed));
        dc.DrawLabel(wxString::Format("%d", Score() + TimeLeft()), RectLTRB(L + 40, T - 15, L + 80, T),
                     kTopAligned);
        dc.DrawLabel(wxString::Format("%d", Level()), RectLTRB(L + 40, T - 30, L + 80, T), kTopAligned);
    } else {
        dc.DrawLabel("Time:", RectLTRB(L, T - 15, L + 40, T), kTopAligned);
        dc.SetTextForeground(WxColour(kRed));
        dc.DrawLabel(wxString::Format("%02d:%02d", Elapsed() / 60, Elapsed() % 60),
                     RectLTRB(L + 40, T - 15, L + 80, T), kTopAligned);
    }

    dc.SetTextForeground(WxColour(kGreen));
    dc.DrawLabel("Match", RectLTRB(145, T - 15, 185, 60), kCentredTop);
    dc.DrawLabel("Bingo", RectLTRB(185, T - 15, 215, 60), kCentredTop);
    dc.DrawLabel("Guess:", RectLTRB(25, 7, 200, 30), kTopAligned);

    dc.SetTextForeground(WxColour(kBlack));
    const int nCells = static_cast<int>(History().m_strMagicWord.size());
    for (int i = 0; i < nCells; ++i)
        DrawGuessCell(i);

    if (!IsGameOver() && IsTimeTrial())
        DrawTimeBar(L, B, R);
    DrawKeypadFocusRing();
}

void CVeltraneQuillornView::DrawGuessCell(int i)
{
    wxMemoryDC& dc = m_dcMem;
    const int x = m_nCellLeft + (m_nCellWidth + m_nCellGap) * i;
    const int nTop = m_nCellTop;
    const wxRect rcCell(x, nTop, m_nCellWidth, m_nCellHeight);

    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(rcCell);

    // The outline runs through the right and bottom edges too, so it spans 21 by 21 pixels and
    // neighbouring outlines stand one pixel apart.
    dc.SetPen(i == Cursor() ? m_penCursor : m_penCell);
    const wxPoint aOutline[] = {{x, nTop},
                                {x + m_nCellWidth, nTop},
                                {x + m_nCellWidth, nTop + m_nCellHeight},
                                {x, nTop + m_nCellHeight},
                                {x, nTop}};
    dc.DrawLines(5, aOutline);

    const wchar_t c = static_cast<std::size_t>(i) < Guess().size() ? Guess()[static_cast<std::size_t>(i)] : L' ';
    dc.DrawLabel(wxString(c), rcCell, wxALIGN_CENTER);
    dc.SetPen(wxNullPen);
}

void CVeltraneQuillornView::DrawTimeBar(int nLeft, int nBottom, int nRight)
{
    wxMemoryDC& dc = m_dcMem;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(RectLTRB(nLeft, nBottom + 2, nRight + 1, nBottom + 6));

    // The inside is 189 pixels wide. A limit of 0 or less (only a damaged skill could give one)
    // draws an empty bar rather than dividing by it.
    const int nInside = nRight - nLeft - 1;
    int nWidth = 0;
    if (TimeLimit() > 0)
        nWidth = std::clamp(nInside * std::max(TimeLeft(), 0) / TimeLimit(), 0, nInside);
    if (nWidth > 0) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(WxColour(kRed)));
        dc.DrawRectangle(nLeft + 1, nBottom + 3, nWidth, 2);
    }
}

void CVeltraneQuillornView::OnDrawItem(wxDC& dc, int nId, const wxRect& rcItem, bool bSelected)
{
    if (bSelected)
        DebugOutput(L"Selected state");

    const int nMark = History().MarkOf(static_cast<wchar_t>(L'A' + nId - IDC_LETTER_FIRST));
    const wxPen& pen = nMark == MarkStruck ? m_penStruck : nMark == MarkHighlighted ? m_penHighlighted : m_penCell;
    dc.SetFont(nMark == MarkHighlighted ? m_fontKeyBold : m_fontKey);
    dc.SetTextForeground(WxColour(nMark == MarkHighlighted ? kBlue : kBlack));
    dc.SetPen(pen);
    dc.SetBrush(m_brushKey);
    dc.DrawRectangle(rcItem);

    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    wxRect rcText = rcItem;
    rcText.y += 1;
    rcText.height -= 2;
    dc.DrawLabel(wxString(static_cast<wchar_t>(L'A' + nId - IDC_LETTER_FIRST)), rcText, wxALIGN_CENTER);

    if (nMark == MarkStruck) {
        dc.SetPen(m_penStruck);
        dc.DrawLine(rcItem.GetLeft(), rcItem.GetTop(), rcItem.GetRight() + 1, rcItem.GetBottom() + 1);
    }
}
