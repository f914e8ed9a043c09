// Drawing and scrolling of the guess history list.
#include "view/guess_history_view.h"

#include <algorithm>
#include <cmath>

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "dialogs/dialog_look.h"
#include "game/zoom_steps.h"
#include "view/view_look.h"

constexpr int kCellHeight = 16;

int CGuessHistoryView::Z(int nLayout) const
{
    return ZoomEdge(nLayout, m_nZoom);
}

int CGuessHistoryView::RowHeight() const
{
    return Z(kRowHeight);
}

void CGuessHistoryView::MakeFonts() const
{
    // Made on first need rather than with the window: an empty list draws no text, and loading
    // the face would only delay the first picture of the game.
    if (m_fontRow.IsOk())
        return;
    m_fontRow = FontForCellHeight("ARIAL", Z(kCellHeight), wxFONTWEIGHT_NORMAL);
    m_fontRowBold = FontForCellHeight("ARIAL", Z(kCellHeight), wxFONTWEIGHT_BOLD);
    m_dStrikeAt = CapitalsMiddle(m_fontRow);
}

bool CGuessHistoryView::Create(wxWindow* pParent, const wxRect& rc)
{
    if (!wxScrolled<wxWindow>::Create(pParent, kChildId, rc.GetPosition(), rc.GetSize(),
                                      wxBORDER_SIMPLE | wxVSCROLL, "GuessHistory"))
        return false;
    // White under any desktop theme, like the cells and keys beside it: the marks' red and
    // blue are the keys' own, and they read on white.
    SetBackgroundColour(WxColour(kWhite));
    // Pixels are the scroll unit, so that the newest row can end exactly at the bottom edge even
    // though the inside is not a whole number of rows high; a line step is still one row.
    SetScrollRate(0, 1);
    ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);
    Bind(wxEVT_PAINT, &CGuessHistoryView::OnPaint, this);
    Bind(wxEVT_SCROLLWIN_LINEUP, &CGuessHistoryView::OnScrollLine, this);
    Bind(wxEVT_SCROLLWIN_LINEDOWN, &CGuessHistoryView::OnScrollLine, this);
    Bind(wxEVT_MOUSEWHEEL, &CGuessHistoryView::OnWheel, this);
    Bind(wxEVT_SET_FOCUS, &CGuessHistoryView::OnFocusGiven, this);
    return true;
}

const wxFont& CGuessHistoryView::FontOfMark(int nMark) const
{
    MakeFonts();
    return nMark == MarkHighlighted ? m_fontRowBold : m_fontRow;
}

wxColour CGuessHistoryView::ColourOfMark(int nMark) const
{
    // The game's red reads 4:1 on white, a little short: a red a shade darker reads.
    return TextColourOn(nMark == MarkStruck ? kRed : nMark == MarkHighlighted ? kBlue : kBlack, kWhite);
}

int CGuessHistoryView::ScrollPixels() const
{
    return GetViewStart().y;
}

int CGuessHistoryView::FirstVisibleRow() const
{
    return ScrollPixels() / RowHeight();
}

void CGuessHistoryView::OnScrollLine(wxScrollWinEvent& event)
{
    if (event.GetOrientation() != wxVERTICAL) {
        event.Skip();
        return;
    }
    // The bar's arrows step by lines; a line is one row, not one scroll unit.
    ScrollRows(event.GetEventType() == wxEVT_SCROLLWIN_LINEUP ? -1 : 1);
}

void CGuessHistoryView::OnWheel(wxMouseEvent& event)
{
    // Ctrl+wheel zooms the whole screen, the list included.
    if (event.ControlDown() && GetParent() != nullptr) {
        GetParent()->GetEventHandler()->ProcessEvent(event);
        return;
    }
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || event.GetWheelDelta() <= 0) {
        event.Skip();
        return;
    }
    // Handled here rather than by the toolkit, which would move by a fraction of the page: the
    // wheel, like the arrows, moves whole rows.
    m_nWheelRotation += event.GetWheelRotation();
    const int nLines = m_nWheelRotation / event.GetWheelDelta();
    m_nWheelRotation -= nLines * event.GetWheelDelta();
    if (nLines != 0)
        ScrollRows(-nLines * event.GetLinesPerAction());
}

void CGuessHistoryView::ScrollRows(int nRows)
{
    Scroll(-1, std::max(ScrollPixels() + nRows * RowHeight(), 0));
}

void CGuessHistoryView::OnFocusGiven(wxFocusEvent& event)
{
    // Should the toolkit hand the focus here anyway, it goes straight back to where typing is
    // read.
    if (wxWindow* pParent = GetParent())
        pParent->SetFocus();
    event.Skip();
}

void CGuessHistoryView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    OnDraw(dc);
}

void CGuessHistoryView::OnDraw(wxDC& dc)
{
    // In client coordinates: the scroll position only picks the first row and how much of it is
    // cut off above, so nothing is drawn at the far-off coordinates of a long list.
    const int nHeight = GetClientSize().y;
    const int nRows = static_cast<int>(m_astrGuesses.size());
    const int nFirst = FirstVisibleRow();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

    if (nFirst < nRows)
        MakeFonts();
    // Text first, with the desktop's smoothing; the lines after it crisp.
    UseSmoothText(dc);
    const int nRowHeight = RowHeight();
    const auto rowRect = [&](int nLeft, int y, int nRight) {
        return wxRect(Z(nLeft), y, Z(nRight) - Z(nLeft), nRowHeight);
    };
    const wxColour clrNormal = ColourOfMark(MarkNone);
    for (int j = nFirst, y = -(ScrollPixels() % nRowHeight); j < nRows && y < nHeight; ++j, y += nRowHeight) {
        dc.SetFont(m_fontRow);
        dc.SetTextForeground(clrNormal);
        DrawRowNumber(dc, j + 1, y);

        const std::wstring& strGuess = m_astrGuesses[static_cast<std::size_t>(j)];
        for (std::size_t k = 0; k < strGuess.size(); ++k) {
            const int nMark = MarkOf(strGuess[k]);  // MarkNone for anything outside A to Z
            const int nLeft = kLetterLeft + kLetterWidth * static_cast<int>(k);
            DrawLetter(dc, strGuess[k], nMark, rowRect(nLeft, y, nLeft + kLetterWidth));
        }

        dc.SetFont(m_fontRow);
        dc.SetTextForeground(clrNormal);
        dc.DrawLabel(wxString::Format("%u", m_adwMatch[static_cast<std::size_t>(j)]),
                     rowRect(kMatchLeft, y, kBingoLeft), wxALIGN_CENTER);
        dc.DrawLabel(wxString::Format("%u", m_adwBingo[static_cast<std::size_t>(j)]),
                     rowRect(kBingoLeft, y, kBingoRight), wxALIGN_CENTER);
    }

    if (nRows == 0 && !m_strEmpty.empty())
        DrawEmptyText(dc);

    // One layout pixel wide, a whole number of device pixels at every zoom.
    UseCrispShapes(dc);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawRectangle(Z(kMatchLeft), 0, Z(kMatchLeft + 1) - Z(kMatchLeft), nHeight);
    dc.DrawRectangle(Z(kBingoLeft), 0, Z(kBingoLeft + 1) - Z(kBingoLeft), nHeight);

    // The row read from the keyboard: a one-layout-pixel frame inside the row.
    if (m_nFocusRow >= 0 && m_nFocusRow < nRows) {
        const int y = m_nFocusRow * nRowHeight - ScrollPixels();
        const int nLine = std::max(Z(1), 1);
        const int nWidth = GetClientSize().x;
        dc.SetBrush(wxBrush(WxColour(kBlack)));
        dc.DrawRectangle(0, y, nWidth, nLine);
        dc.DrawRectangle(0, y + nRowHeight - nLine, nWidth, nLine);
        dc.DrawRectangle(0, y, nLine, nRowHeight);
        dc.DrawRectangle(nWidth - nLine, y, nLine, nRowHeight);
    }
}

void CGuessHistoryView::SetFocusRow(int nRow)
{
    m_nFocusRow = nRow;
    if (nRow >= 0) {
        const int nTop = nRow * RowHeight();
        const int nHeight = GetClientSize().y;
        if (nTop < ScrollPixels())
            Scroll(0, nTop);
        else if (nTop + RowHeight() > ScrollPixels() + nHeight)
            Scroll(0, nTop + RowHeight() - nHeight);
    }
    RepaintNow();
}

void CGuessHistoryView::DrawRowNumber(wxDC& dc, int nNumber, int y)
{
    // "%2d.  " right-aligned in the first 30 pixels: the two blanks keep the number off the
    // letters. From 100 on the number needs their room, and takes as much of it as it must,
    // so it is never cut at the list's left edge.
    const wxString strNumber = wxString::Format("%2d.", nNumber);
    const wxSize extent = dc.GetTextExtent(strNumber);
    const int nRight = Z(kNumberRight) - dc.GetTextExtent("  ").x;
    const int x = std::min(std::max(nRight - extent.x, Z(kNumberMargin)), Z(kNumberRight) - extent.x);
    dc.DrawText(strNumber, x, y + (RowHeight() - extent.y) / 2);
}

void CGuessHistoryView::DrawLetter(wxDC& dc, wchar_t cLetter, int nMark, const wxRect& rc)
{
    const wxColour clr = ColourOfMark(nMark);
    dc.SetTextForeground(clr);
    if (nMark != MarkStruck) {
        dc.SetFont(FontOfMark(nMark));
        dc.DrawLabel(wxString(cLetter), rc, wxALIGN_CENTER);
        return;
    }
    // A font's own strike-out band is thinner than a pixel and, smoothed, comes out as two pale
    // rows. The line is drawn here instead: whole pixels in the letter's colour, through the
    // middle of the capitals, as long as the letter is wide.
    dc.SetFont(m_fontRow);
    dc.DrawLabel(wxString(cLetter), rc, wxALIGN_CENTER);
    const wxSize extent = dc.GetTextExtent(wxString(cLetter));
    const int nThick = ZoomLineWidth(m_nZoom);
    const int yText = rc.y + (rc.height - extent.y) / 2;
    const int yLine = yText + static_cast<int>(std::lround(m_dStrikeAt * extent.y - nThick / 2.0));
    UseCrispShapes(dc);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(clr));
    dc.DrawRectangle(rc.x + (rc.width - extent.x) / 2, yLine, extent.x, nThick);
    UseSmoothText(dc);
}

void CGuessHistoryView::DrawEmptyText(wxDC& dc)
{
    // Left of the Match column, centred both ways, so no separator runs through it.
    MakeFonts();
    dc.SetFont(m_fontRow);
    dc.SetTextForeground(ColourOfMark(MarkNone));
    const int nMargin = Z(kEmptyTextMargin);
    const wxRect rc(nMargin, 0, Z(kMatchLeft) - 2 * nMargin, GetClientSize().y);
    const std::vector<wxString> astrLines = WrapWords(dc, m_strEmpty, rc.width);
    const int nLine = dc.GetCharHeight();
    int y = rc.y + (rc.height - nLine * static_cast<int>(astrLines.size())) / 2;
    for (const wxString& strLine : astrLines) {
        dc.DrawText(strLine, rc.x + (rc.width - dc.GetTextExtent(strLine).x) / 2, y);
        y += nLine;
    }
}

void CGuessHistoryView::SetEmptyText(const wxString& str)
{
    if (str == m_strEmpty)
        return;
    m_strEmpty = str;
    Refresh(false);
}

void CGuessHistoryView::RepaintNow()
{
    if (!GetHandle())
        return;
    Refresh(false);
    Update();
}

void CGuessHistoryView::SetExtent()
{
    SetVirtualSize(Z(kExtentWidth), RowHeight() * static_cast<int>(m_astrGuesses.size()));
}

void CGuessHistoryView::OnHistoryReset()
{
    SetExtent();
    Scroll(0, 0);
    RepaintNow();
}

void CGuessHistoryView::OnGuessAdded()
{
    const int nRows = static_cast<int>(m_astrGuesses.size());
    SetExtent();
    // Past the end on purpose: the scroll bar stops at its last position, the newest row ending
    // at the bottom edge.
    Scroll(0, RowHeight() * nRows);
    RepaintNow();
}

void CGuessHistoryView::SetZoom(int nPercent)
{
    if (nPercent == m_nZoom)
        return;
    // The same rows stay in view, as far as the new height allows.
    const int nTopRow = FirstVisibleRow();
    m_nZoom = nPercent;
    m_fontRow = wxFont();  // remade at the new height on first need
    m_fontRowBold = wxFont();
    SetExtent();
    Scroll(0, nTopRow * RowHeight());
    Refresh(false);
}
