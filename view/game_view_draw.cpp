// The game screen, drawn whole at every paint, and the look of the letter keys.
#include <algorithm>

#include <wx/dcclient.h>
#include <wx/translation.h>

#include "game/zoom_steps.h"
#include "platform/services.h"
#include "view/game_view.h"
#include "view/view_look.h"

constexpr int kTopAligned = wxALIGN_LEFT | wxALIGN_TOP;
constexpr int kCentredTop = wxALIGN_CENTER_HORIZONTAL | wxALIGN_TOP;

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
}

void CVeltraneQuillornView::DrawGround(wxDC& dc)
{
    const wxSize size = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(WxColour(Background())));
    dc.DrawRectangle(0, 0, size.x, size.y);

    using board::EStatusField;
    using board::EStatusLine;
    // The labels are black and green where those read on the player's background, and a
    // readable shade of them where they would not (black on black, green on navy).
    UseSmoothText(dc);
    dc.SetTextForeground(TextColourOn(kBlack, Background()));
    if (IsTimeTrial()) {
        dc.DrawLabel(_("Level:"), ZoomedRect(board::StatusFieldRect(EStatusLine::Upper, EStatusField::Label)),
                     kTopAligned);
        dc.DrawLabel(_("Score:"), ZoomedRect(board::StatusFieldRect(EStatusLine::Lower, EStatusField::Label)),
                     kTopAligned);
    } else {
        dc.DrawLabel(_("Time:"), ZoomedRect(board::StatusFieldRect(EStatusLine::Lower, EStatusField::Label)),
                     kTopAligned);
    }
    dc.SetTextForeground(TextColourOn(kGreen, Background()));
    dc.DrawLabel(_("Match"), ZoomedRect(board::MatchHeadRect()), kCentredTop);
    dc.DrawLabel(_("Bingo"), ZoomedRect(board::BingoHeadRect()), kCentredTop);
    dc.DrawLabel(_("Guess:"), ZoomedRect(board::GuessLabelRect()), kTopAligned);
    UseCrispShapes(dc);
}

void CVeltraneQuillornView::OnDraw(wxDC& dc)
{
    FitFontsIfStale();
    UseCrispShapes(dc);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(m_fontView);
    DrawGround(dc);

    using board::EStatusField;
    using board::EStatusLine;
    const wxRect rcUpperValue = ZoomedRect(board::StatusFieldRect(EStatusLine::Upper, EStatusField::Value));
    const wxRect rcLowerValue = ZoomedRect(board::StatusFieldRect(EStatusLine::Lower, EStatusField::Value));

    // The values are red, or the red that reads on the player's background.
    UseSmoothText(dc);
    dc.SetTextForeground(TextColourOn(kRed, Background()));
    if (IsTimeTrial()) {
        dc.DrawLabel(wxString::Format("%d", Score() + TimeLeft()), rcLowerValue, kTopAligned);
        dc.DrawLabel(wxString::Format("%d", Level()), rcUpperValue, kTopAligned);
    } else {
        dc.DrawLabel(wxString::Format("%02d:%02d", Elapsed() / 60, Elapsed() % 60), rcLowerValue, kTopAligned);
    }

    // The letters stand on the cells' own white.
    dc.SetTextForeground(WxColour(kBlack));
    const int nCells = static_cast<int>(History().m_strMagicWord.size());
    for (int i = 0; i < nCells; ++i)
        DrawGuessCell(dc, i);

    UseCrispShapes(dc);
    if (!IsGameOver() && IsTimeTrial())
        DrawTimeBar(dc);
    DrawNotes(dc);
    DrawKeypadFocusRing(dc);
}

void CVeltraneQuillornView::DrawNotes(wxDC& dc)
{
    UseSmoothText(dc);
    if (m_bShowWordsFit && !History().m_strMagicWord.empty()) {
        dc.SetTextForeground(TextColourOn(kBlack, Background()));
        dc.DrawLabel(wxString(WordsFitText(WordsThatFitCount())), ZoomedRect(board::FitLineRect()), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    if (!Note().empty() && !IsGameOver()) {
        dc.SetTextForeground(TextColourOn(kRed, Background()));
        dc.DrawLabel(wxString(Note()), ZoomedRect(board::NoteRect()), wxALIGN_RIGHT | wxALIGN_TOP);
    }
    UseCrispShapes(dc);
}

void CVeltraneQuillornView::FillLayout(wxDC& dc, const wxRect& rc, const wxColour& clr)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(clr));
    dc.DrawRectangle(ZoomedRect(rc));
}

void CVeltraneQuillornView::FrameLayout(wxDC& dc, const wxRect& rc, int nWidth, const wxColour& clr)
{
    // Four bands, so that at any zoom each is a whole number of device pixels wide.
    FillLayout(dc, wxRect(rc.x, rc.y, rc.width, nWidth), clr);
    FillLayout(dc, wxRect(rc.x, rc.GetBottom() + 1 - nWidth, rc.width, nWidth), clr);
    FillLayout(dc, wxRect(rc.x, rc.y, nWidth, rc.height), clr);
    FillLayout(dc, wxRect(rc.GetRight() + 1 - nWidth, rc.y, nWidth, rc.height), clr);
}

void CVeltraneQuillornView::DrawGuessCell(wxDC& dc, int i)
{
    const wxRect rcCell = board::CellRect(i);
    UseCrispShapes(dc);
    FillLayout(dc, rcCell, *wxWHITE);
    const wxColour clrOutline = WxColour(i == Cursor() ? kRed : kBlack);
    FrameLayout(dc, wxRect(rcCell.GetPosition(), rcCell.GetSize() + wxSize(1, 1)), 1, clrOutline);

    const wchar_t c = static_cast<std::size_t>(i) < Guess().size() ? Guess()[static_cast<std::size_t>(i)] : L' ';
    UseSmoothText(dc);
    dc.DrawLabel(wxString(c), ZoomedRect(rcCell), wxALIGN_CENTER);
}

void CVeltraneQuillornView::DrawTimeBar(wxDC& dc)
{
    const wxRect rcBar = board::BarRect();
    FillLayout(dc, rcBar, *wxWHITE);
    FrameLayout(dc, rcBar, 1, *wxBLACK);

    // The red part is measured in device pixels so a zoomed bar shrinks as smoothly as it can. A
    // limit of 0 or less (only a damaged skill could give one) draws an empty bar rather than
    // dividing by it.
    const wxRect rcInside = ZoomedRect(wxRect(rcBar).Deflate(1));
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
