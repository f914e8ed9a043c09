// New Game dialog: painted rules text over the green tiles, and the "Go =>>" button.
#include "dialogs/new_game_dlg.h"

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/dc.h>

#include "dialogs/dialog_look.h"
#include "dialogs/painted_text.h"
#include "game/spoken_text.h"

CNewGameDlg::CNewGameDlg(wxWindow* pParent)
    : CGameDialog(pParent, "Quillorn", 10, 138, 153)
{
}

void CNewGameDlg::CreateControls()
{
    AddHeader(_("New Game"), DialogRect(2, 3, 97, 8));
    const wxRect rcGo = DialogRect(42, 109, 50, 16);
    auto* pGo = new wxButton(this, IDC_GO, _("Go =>>"), rcGo.GetPosition(), rcGo.GetSize());
    pGo->SetDefault();
    pGo->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndWithResult(ResultOK); });
}

void CNewGameDlg::InitialiseDialog()
{
    KeepLightGround(*this);
    CreateLargeFont(m_fontLarge);
    StyleFontAndBlue(FindWindow(IDC_GO), m_fontHeader);
}

void CNewGameDlg::PaintContent(wxDC& dc, int W)
{
    CGameDialog::PaintContent(dc, W);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(DialogPaintFont());
    dc.SetTextForeground(DialogTextColour(*this, kBlack));

    // The English line has its measured places; in another language the three parts follow one
    // another, as long or as short as the words before the number are.
    // TRANSLATORS: the line reads: these words, the word's length as a large red number, then "lettered word".
    const wxString strBefore = _("Guess the magic ");
    // TRANSLATORS: after the large red number of letters, e.g. "Guess the magic 5 lettered word".
    const wxString strAfter = _("lettered word");
    const wxFont& fontNumber = m_fontLarge;
    const wxString strNumber = wxString::Format("%d", m_nWordLength);
    int xNumber = Px(115);
    int xAfter = Px(135);
    if (strBefore != "Guess the magic " || strAfter != "lettered word") {
        xNumber = Px(20) + dc.GetTextExtent(strBefore).x;
        wxCoord nNumberWidth = 0;
        wxCoord nNumberHeight = 0;
        dc.GetTextExtent(strNumber, &nNumberWidth, &nNumberHeight, nullptr, nullptr, &fontNumber);
        xAfter = xNumber + nNumberWidth + Px(3);
    }
    DrawTextInRect(dc, strBefore, RectLTRB(Px(20), Px(50), W, Px(70)), wxALIGN_LEFT | wxALIGN_TOP);
    dc.SetFont(fontNumber);
    dc.SetTextForeground(DialogTextColour(*this, kRed));
    DrawTextInRect(dc, strNumber, RectLTRB(xNumber, Px(45), W, Px(70)), wxALIGN_LEFT | wxALIGN_TOP);
    dc.SetFont(DialogPaintFont());
    dc.SetTextForeground(DialogTextColour(*this, kBlack));
    DrawTextInRect(dc, strAfter, RectLTRB(xAfter, Px(50), W, Px(70)), wxALIGN_LEFT | wxALIGN_TOP);

    DrawTiles(dc, 80, 85, Scale());

    DrawWrappedCentred(dc, wxGetTranslation(kNewGameRules), RectLTRB(Px(10), Px(100), W - Px(10), Px(200)));

    dc.SetFont(m_fontLarge);
    dc.SetTextForeground(DialogTextColour(*this, kRed));
    DrawTextInRect(dc, _("Use it wisely !!!"), RectLTRB(Px(20), Px(180), W - Px(20), Px(200)),
                   wxALIGN_CENTER_HORIZONTAL | wxALIGN_TOP);
    dc.SetFont(DialogPaintFont());
    dc.SetTextForeground(DialogTextColour(*this, kBlack));
}

std::vector<std::wstring> CNewGameDlg::PaintedTexts() const
{
    return SpokenNewGameLines(m_nWordLength);
}

wxWindow* CNewGameDlg::FirstFocus()
{
    return FindWindow(IDC_GO);
}
