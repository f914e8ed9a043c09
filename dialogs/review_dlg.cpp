// The Review window's table and texts. Laid out by sizers and sized to its texts: a translation may
// make any of them longer, and nothing of it may be cut.
#include "dialogs/review_dlg.h"

#include <algorithm>

#include <gtk/gtk.h>

#include <wx/button.h>
#include <wx/dataview.h>
#include <wx/display.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

#include "platform/translate.h"
#include "ui/atk_window.h"

namespace {

// The table and the multi-line texts are a scrolled window around the widget that takes the focus;
// the label, and the name a reader says, belong to that inner widget.
void LabelInner(wxStaticText& label, wxWindow& control)
{
    SetLabelFor(label, control);
    auto* pOuter = static_cast<GtkWidget*>(control.GetHandle());
    GtkWidget* pInner = pOuter != nullptr && GTK_IS_SCROLLED_WINDOW(pOuter) ? gtk_bin_get_child(GTK_BIN(pOuter)) : nullptr;
    auto* pLabel = static_cast<GtkWidget*>(label.GetHandle());
    if (pInner == nullptr || pLabel == nullptr || !GTK_IS_LABEL(pLabel))
        return;
    gtk_label_set_mnemonic_widget(GTK_LABEL(pLabel), pInner);
    wxString strName = wxStripMenuCodes(label.GetLabel());
    strName.EndsWith(":", &strName);
    atk_object_set_name(gtk_widget_get_accessible(pInner), strName.utf8_str());
}

// The native tree view pads each cell; text width alone would cut the last characters.
constexpr int kCellPadding = 32;
constexpr int kMaxTableRows = 12;

}  // namespace

CReviewDlg::CReviewDlg(wxWindow* pParent, CWordReview review)
    : wxDialog(pParent, wxID_ANY, _("Review"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_review(std::move(review))
{
    auto* pTop = new wxBoxSizer(wxVERTICAL);
    const int nGap = FromDIP(8);

    // The same words as the message that ended the word, in the same translation.
    auto* pHeading = new wxStaticText(this, wxID_ANY, wxString(Fill(Tr("The magic word was %1."), {m_review.strMagicWord})));
    pTop->Add(pHeading, 0, wxALL, nGap);

    auto* pTableLabel = new wxStaticText(this, wxID_ANY, _("&Guesses:"));
    pTop->Add(pTableLabel, 0, wxLEFT | wxRIGHT, nGap);
    m_pTable = new wxDataViewListCtrl(this, IDC_REVIEW_TABLE, wxDefaultPosition, wxDefaultSize,
                                      wxDV_SINGLE | wxDV_ROW_LINES | wxDV_HORIZ_RULES);
    const wxString astrHeaders[] = {_("Guess"), _("Match"), _("Bingo"), _("Words before"), _("Words after"),
                                    _("Best guess"), _("It leaves on average")};
    for (const wxString& strHeader : astrHeaders)
        m_pTable->AppendTextColumn(strHeader, wxDATAVIEW_CELL_INERT, wxCOL_WIDTH_AUTOSIZE, wxALIGN_LEFT, 0);
    for (const CReviewRow& row : m_review.aRows) {
        wxVector<wxVariant> aCells;
        aCells.push_back(wxVariant(wxString(row.strGuess)));
        aCells.push_back(wxVariant(wxString::Format("%d", row.nMatch)));
        aCells.push_back(wxVariant(wxString::Format("%d", row.nBingo)));
        aCells.push_back(wxVariant(wxString::Format("%zu", row.nFitBefore)));
        aCells.push_back(wxVariant(wxString::Format("%zu", row.nFitAfter)));
        aCells.push_back(wxVariant(wxString(row.strBest)));
        aCells.push_back(wxVariant(row.strBest.empty() ? wxString() : wxString(AverageText(row.nBestHundredths))));
        m_pTable->AppendItem(aCells);
    }
    pTop->Add(m_pTable, 1, wxEXPAND | wxLEFT | wxRIGHT, nGap);
    LabelInner(*pTableLabel, *m_pTable);

    // The chosen row in a sentence: too long for a column, and a screen reader finds it by Tab.
    auto* pSummaryLabel = new wxStaticText(this, wxID_ANY, _("&About the chosen guess:"));
    pTop->Add(pSummaryLabel, 0, wxLEFT | wxRIGHT | wxTOP, nGap);
    m_pSummary = new wxTextCtrl(this, IDC_REVIEW_SUMMARY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
    pTop->Add(m_pSummary, 0, wxEXPAND | wxLEFT | wxRIGHT, nGap);
    LabelInner(*pSummaryLabel, *m_pSummary);
    m_pTable->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) { ShowChosenRow(); });

    auto* pLeftLabel = new wxStaticText(this, wxID_ANY, _("&Words left at the end:"));
    pTop->Add(pLeftLabel, 0, wxLEFT | wxRIGHT | wxTOP, nGap);
    m_pLeft = new wxTextCtrl(this, IDC_REVIEW_LEFT, wxString(ReviewLeftText(m_review)), wxDefaultPosition, wxDefaultSize,
                             wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
    pTop->Add(m_pLeft, 0, wxEXPAND | wxLEFT | wxRIGHT, nGap);
    LabelInner(*pLeftLabel, *m_pLeft);

    // Escape and the button both close it; there is nothing to confirm.
    auto* pButtons = new wxBoxSizer(wxHORIZONTAL);
    pButtons->AddStretchSpacer();
    auto* pClose = new wxButton(this, wxID_CLOSE);
    pButtons->Add(pClose);
    pTop->Add(pButtons, 0, wxEXPAND | wxALL, nGap);
    SetEscapeId(wxID_CLOSE);
    SetAffirmativeId(wxID_CLOSE);
    pClose->SetDefault();

    SetSizer(pTop);
    FitToTable();
    MarkAsDialog(*this);

    // The table has the keyboard first, its first row chosen, so a reader starts with the first guess.
    if (m_pTable->GetItemCount() > 0)
        m_pTable->SelectRow(0);
    ShowChosenRow();
    m_pTable->SetFocus();
}

void CReviewDlg::ShowChosenRow()
{
    const int nRow = m_pTable->GetSelectedRow();
    m_pSummary->ChangeValue(nRow >= 0 && static_cast<std::size_t>(nRow) < m_review.aRows.size()
                                ? wxString(ReviewRowText(m_review.aRows[static_cast<std::size_t>(nRow)]))
                                : wxString());
}

void CReviewDlg::FitToTable()
{
    // Every column as wide as its header or its widest cell, whichever is wider.
    int nTableWidth = 0;
    for (unsigned nCol = 0; nCol < m_pTable->GetColumnCount(); ++nCol) {
        wxDataViewColumn* pColumn = m_pTable->GetColumn(nCol);
        int nWidth = m_pTable->GetTextExtent(pColumn->GetTitle()).x;
        for (int nRow = 0; nRow < m_pTable->GetItemCount(); ++nRow)
            nWidth = std::max(nWidth, m_pTable->GetTextExtent(m_pTable->GetTextValue(static_cast<unsigned>(nRow), nCol)).x);
        nWidth += FromDIP(kCellPadding);
        pColumn->SetWidth(nWidth);
        nTableWidth += nWidth;
    }
    const int nRowHeight = m_pTable->GetCharHeight() + FromDIP(12);
    const int nRows = std::clamp(m_pTable->GetItemCount(), 3, kMaxTableRows);
    // Header row, rows, and room for a horizontal scroll bar should the screen be narrower.
    const int nTableHeight = (nRows + 2) * nRowHeight;
    const int nDisplay = wxDisplay::GetFromWindow(GetParent() != nullptr ? GetParent() : this);
    const wxRect rcWork = wxDisplay(nDisplay == wxNOT_FOUND ? 0u : static_cast<unsigned>(nDisplay)).GetClientArea();
    const int nWidth = std::min(nTableWidth + FromDIP(4), rcWork.width * 9 / 10);
    m_pTable->SetMinSize(wxSize(nWidth, nTableHeight));
    // The words left wrap within the table's width: three lines at least.
    m_pLeft->SetMinSize(wxSize(nWidth, m_pLeft->GetCharHeight() * 4 + FromDIP(8)));
    m_pSummary->SetMinSize(wxSize(nWidth, m_pSummary->GetCharHeight() * 3 + FromDIP(8)));
    GetSizer()->SetSizeHints(this);
    CentreOnParent();
}
