// Drawing and scrolling of the guess history list.
#include "view/guess_history_view.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "view/view_look.h"

namespace {

constexpr int kCellHeight = 16;

wxRect RowRect(int nLeft, int nTop, int nRight)
{
    return wxRect(nLeft, nTop, nRight - nLeft, CGuessHistoryView::kRowHeight);
}

}  // namespace

CGuessHistoryView::CGuessHistoryView()
    : m_clrStruck(WxColour(kRed)), m_clrHighlighted(WxColour(kBlue)), m_clrNormal(WxColour(kBlack))
{
}

void CGuessHistoryView::MakeFonts() const
{
    // Made on first need rather than with the window: an empty list draws no text, and loading
    // the face would only delay the first picture of the game.
    if (m_fontRow.IsOk())
        return;
    m_fontRow = FontForCellHeight("ARIAL", kCellHeight, wxFONTWEIGHT_NORMAL, false);
    m_fontRowBold = FontForCellHeight("ARIAL", kCellHeight, wxFONTWEIGHT_BOLD, false);
    m_fontRowStruck = FontForCellHeight("ARIAL", kCellHeight, wxFONTWEIGHT_NORMAL, true);
}

bool CGuessHistoryView::Create(wxWindow* pParent, const wxRect& rc)
{
    if (!wxScrolled<wxWindow>::Create(pParent, kChildId, rc.GetPosition(), rc.GetSize(),
                                      wxBORDER_SIMPLE | wxVSCROLL, "GuessHistory"))
        return false;
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    // The row band is the scroll unit, so one line of scrolling is one row.
    SetScrollRate(0, kRowHeight);
    ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);
    Bind(wxEVT_PAINT, &CGuessHistoryView::OnPaint, this);
    return true;
}

const wxFont& CGuessHistoryView::FontOfMark(int nMark) const
{
    MakeFonts();
    switch (nMark) {
    case MarkStruck: return m_fontRowStruck;
    case MarkHighlighted: return m_fontRowBold;
    default: return m_fontRow;
    }
}

wxColour CGuessHistoryView::ColourOfMark(int nMark) const
{
    switch (nMark) {
    case MarkStruck: return m_clrStruck;
    case MarkHighlighted: return m_clrHighlighted;
    default: return m_clrNormal;
    }
}

int CGuessHistoryView::FirstVisibleRow() const
{
    return GetViewStart().y;  // scroll units are rows
}

void CGuessHistoryView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    OnDraw(dc);
}

void CGuessHistoryView::OnDraw(wxDC& dc)
{
    // Client coordinates: the scroll position only picks the first row, so nothing is drawn at
    // the far-off coordinates of a long list.
    const int nHeight = GetClientSize().y;
    const int nRows = static_cast<int>(m_astrGuesses.size());
    const int nFirst = FirstVisibleRow();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    UseCrispShapes(dc);

    m_nRowsDrawn = 0;
    if (nFirst < nRows)
        MakeFonts();
    for (int j = nFirst, y = 0; j < nRows && y < nHeight; ++j, y += kRowHeight) {
        dc.SetFont(m_fontRow);
        dc.SetTextForeground(m_clrNormal);
        dc.DrawLabel(wxString::Format("%2d.  ", j + 1), RowRect(0, y, kNumberRight),
                     wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);

        const std::wstring& strGuess = m_astrGuesses[static_cast<std::size_t>(j)];
        for (std::size_t k = 0; k < strGuess.size(); ++k) {
            const int nMark = MarkOf(strGuess[k]);  // MarkNone for anything outside A to Z
            dc.SetFont(FontOfMark(nMark));
            dc.SetTextForeground(ColourOfMark(nMark));
            const int nLeft = kLetterLeft + kLetterWidth * static_cast<int>(k);
            dc.DrawLabel(wxString(strGuess[k]), RowRect(nLeft, y, nLeft + kLetterWidth), wxALIGN_CENTER);
        }

        dc.SetFont(m_fontRow);
        dc.SetTextForeground(m_clrNormal);
        dc.DrawLabel(wxString::Format("%u", m_adwMatch[static_cast<std::size_t>(j)]),
                     RowRect(kMatchLeft, y, kBingoLeft), wxALIGN_CENTER);
        dc.DrawLabel(wxString::Format("%u", m_adwBingo[static_cast<std::size_t>(j)]),
                     RowRect(kBingoLeft, y, kBingoRight), wxALIGN_CENTER);
        ++m_nRowsDrawn;
    }

    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(kMatchLeft, 0, kMatchLeft, nHeight);
    dc.DrawLine(kBingoLeft, 0, kBingoLeft, nHeight);
}

void CGuessHistoryView::RepaintNow()
{
    if (!GetHandle())
        return;
    Refresh(false);
    Update();
}

void CGuessHistoryView::OnHistoryReset()
{
    SetVirtualSize(kExtentWidth, 0);
    Scroll(0, 0);
    RepaintNow();
}

void CGuessHistoryView::OnGuessAdded()
{
    const int nRows = static_cast<int>(m_astrGuesses.size());
    SetVirtualSize(kExtentWidth, kRowHeight * nRows);
    // Past the end on purpose: the scroll bar stops at its last position, the newest row.
    Scroll(0, nRows);
    RepaintNow();
}
