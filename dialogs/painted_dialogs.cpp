// New Game: painted rules text over the green tiles and the "Go =>>" button. Level: the finished
// and next level painted large, Yes and No.
#include "dialogs/painted_dialogs.h"

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/dc.h>

#include "dialogs/dialog_look.h"
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

CLevelDlg::CLevelDlg(wxWindow* pParent)
    : CGameDialog(pParent, _("Level"), 9, 143, 154)
{
    m_bHeaderRule = false;
}

void CLevelDlg::CreateControls()
{
    const wxRect rcYes = DialogRect(14, 118, 50, 14);
    auto* pYes = new wxButton(this, IDC_LEVEL_YES, _("&Yes"), rcYes.GetPosition(), rcYes.GetSize());
    pYes->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndWithResult(ResultYes); });
    const wxRect rcNo = DialogRect(78, 118, 50, 14);
    auto* pNo = new wxButton(this, IDC_LEVEL_NO, _("&No"), rcNo.GetPosition(), rcNo.GetSize());
    pNo->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndWithResult(ResultNo); });
    // Enter goes on to the next level, the answer the player gives most.
    pYes->SetDefault();
}

void CLevelDlg::InitialiseDialog()
{
    KeepLightGround(*this);
    CreateLargeFont(m_fontLarge);
    StyleFontAndBlue(FindWindow(IDC_LEVEL_YES), m_fontLarge);
    StyleFontAndBlue(FindWindow(IDC_LEVEL_NO), m_fontLarge);
    // The lines are painted to a layout 250 pixels wide that grows exactly with the desktop's text
    // scaling, while the dialog's width follows its font's rounded letter width, which grows less
    // (by 1.144 at 125 %): without this the question mark there was cut by the dialog's edge.
    const wxSize sizeClient = GetClientSize();
    const int nPaintedWidth = Px(250);
    if (sizeClient.x < nPaintedWidth) {
        SetClientSize(nPaintedWidth, sizeClient.y);
        // The buttons stay centred under the tiles.
        const wxPoint shift((nPaintedWidth - sizeClient.x) / 2, 0);
        for (const int nId : {IDC_LEVEL_YES, IDC_LEVEL_NO}) {
            wxWindow* pButton = FindWindow(nId);
            pButton->Move(pButton->GetPosition() + shift);
        }
    }
}

void CLevelDlg::PaintContent(wxDC& dc, int nClientWidth)
{
    CGameDialog::PaintContent(dc, nClientWidth);
    const int nAlign = wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL;
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(m_fontLarge);
    dc.SetTextForeground(DialogTextColour(*this, kBlue));
    DrawTextInRect(dc, wxString::Format(_("Finished Level: %s"), wxString::Format("%d", m_nFinishedLevel)), RectLTRB(Px(15), Px(25), Px(200), Px(55)), nAlign);
    dc.SetTextForeground(DialogTextColour(*this, kGreen));
    const wxString strEnglishQuestion = "Continue to Level: %1?";
    if (wxGetTranslation(strEnglishQuestion) == strEnglishQuestion) {
        // Its rectangle runs on to the question mark: in the face in use "11" needs a pixel or two
        // more than the 190 the layout gives, and the five pixels before the mark are free.
        DrawTextInRect(dc, wxString::Format(_("Continue to Level: %s"), wxString::Format("%d", m_nNextLevel)), RectLTRB(Px(30), Px(55), Px(225), Px(85)), nAlign);
        // The question mark keeps its place whatever the width of the line before it.
        dc.SetTextForeground(DialogTextColour(*this, kRed));
        DrawTextInRect(dc, "?", RectLTRB(Px(225), Px(55), Px(240), Px(85)), nAlign);
    } else {
        // The English line was laid out to end where the mark stands; a translated one is shorter
        // or longer, so its mark follows it, after the space (if any) its language puts before a
        // question mark: French a narrow no-break space, German none.
        const wxString strQuestion = SpokenLevelLines(m_nFinishedLevel, m_nNextLevel)[1];
        const bool bMark = strQuestion.EndsWith("?");
        const wxString strLine = bMark ? strQuestion.Left(strQuestion.length() - 1) : strQuestion;
        const int nRight = Px(30) + dc.GetTextExtent(strLine).x;
        DrawTextInRect(dc, strLine, RectLTRB(Px(30), Px(55), nRight, Px(85)), nAlign);
        if (bMark) {
            dc.SetTextForeground(DialogTextColour(*this, kRed));
            DrawTextInRect(dc, "?", RectLTRB(nRight, Px(55), nRight + dc.GetTextExtent("?").x, Px(85)), nAlign);
        }
    }
    DrawTiles(dc, 80, 100, Scale());
    dc.SetFont(DialogPaintFont());
    dc.SetTextForeground(DialogTextColour(*this, kBlack));
}

std::vector<std::wstring> CLevelDlg::PaintedTexts() const
{
    return SpokenLevelLines(m_nFinishedLevel, m_nNextLevel);
}

wxWindow* CLevelDlg::FirstFocus()
{
    return FindWindow(IDC_LEVEL_YES);
}
