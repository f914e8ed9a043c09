// Best Scores dialog: reads the records once when it opens; Reset clears them at once.
#include "dialogs/best_scores_dlg.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/stattext.h>

#include "dialogs/dialog_look.h"
#include "ui/fit_text.h"
#include "game/spoken_text.h"
#include "platform/profile.h"
#include "store/record_store.h"

namespace {

constexpr int IDC_BEST_BEGINNER = 1051;
constexpr int IDC_BEST_INTERMEDIATE = 1052;
constexpr int IDC_BEST_ADVANCED = 1053;

}  // namespace

const CBestScoreRow kBestScoreRows[6] = {
    {SkillBeginner, false, 1026, 1032, 30},    {SkillIntermediate, false, 1027, 1033, 70},
    {SkillAdvanced, false, 1036, 1037, 110},   {SkillBeginner, true, 1023, 1028, 40},
    {SkillIntermediate, true, 1022, 1029, 80}, {SkillAdvanced, true, 1024, 1030, 120},
};

CBestScoresDlg::CBestScoresDlg(wxWindow* pParent, CAppProfile& profile)
    : CGameDialog(pParent, _("Top Players"), 9, 127, 156), m_profile(profile)
{
}

void CBestScoresDlg::CreateControls()
{
    auto label = [this](int nId, const wxString& str, int x, int y, int cx, int cy, long nStyle) {
        const wxRect rc = DialogRect(x, y, cx, cy);
        return new wxStaticText(this, nId, str, rc.GetPosition(), rc.GetSize(), nStyle | wxST_NO_AUTORESIZE);
    };
    // OK first: it stands at the top right, and Enter must never land on Reset by default.
    AddOkButton(95, 1, 30, 11)->SetFocus();
    AddHeader(_("Best Scores"), DialogRect(0, 3, 63, 8));
    label(IDC_BEST_BEGINNER, _("Beginner:"), 2, 17, 72, 8, wxALIGN_LEFT);
    label(IDC_BEST_INTERMEDIATE, _("Intermediate:"), 2, 55, 72, 8, wxALIGN_LEFT);
    label(IDC_BEST_ADVANCED, _("Advanced:"), 2, 95, 72, 8, wxALIGN_LEFT);
    // Made from the top down, the order a reader walking the window meets them in.
    std::vector<CBestScoreRow> aRows(std::begin(kBestScoreRows), std::end(kBestScoreRows));
    std::ranges::sort(aRows, {}, &CBestScoreRow::y);
    for (const CBestScoreRow& row : aRows) {
        // A name of any length stays in its cell, cut short with an ellipsis.
        label(row.nNameId, wxEmptyString, 5, row.y, 63, 8, wxALIGN_LEFT | wxST_ELLIPSIZE_END);
        label(row.nScoreId, wxEmptyString, 100, row.y, 22, 8, wxALIGN_RIGHT);
    }
    const wxRect rcReset = DialogRect(40, 135, 50, 14);
    auto* pReset = new wxButton(this, IDC_BEST_RESET, _("Reset"), rcReset.GetPosition(), rcReset.GetSize());
    pReset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnReset(); });
}

void CBestScoresDlg::InitialiseDialog()
{
    for (int nId : {IDC_BEST_RESET, IDC_BEST_BEGINNER, IDC_BEST_INTERMEDIATE, IDC_BEST_ADVANCED})
        StyleBlue(FindWindow(nId));

    ShowRecords();
}

void CBestScoresDlg::ShowRecords()
{
    CRecordStore records(m_profile);
    m_astrSpoken.clear();
    for (const CBestScoreRow& row : kBestScoreRows) {
        const CBestRecord record = records.Read(row.nSkill, row.bTimeTrial);
        m_astrSpoken.push_back(SpokenBestScore(row.nSkill, row.bTimeTrial, record.strName, record.nNumber));
        if (auto* pName = dynamic_cast<wxStaticText*>(FindWindow(row.nNameId)))
            pName->SetLabelText(FitWithEllipsis(*pName, wxString(record.strName), pName->GetClientSize().x));
        if (auto* pScore = dynamic_cast<wxStaticText*>(FindWindow(row.nScoreId)))
            // 0 is no record: an empty cell.
            pScore->SetLabelText(record.nNumber == 0 ? wxString() : wxString::Format("%d", record.nNumber));
    }
    PaintedTextsChanged();
}

void CBestScoresDlg::OnReset()
{
    CRecordStore(m_profile).ResetAll();
    // What the store holds now, in the cells and in the lines a reader hears.
    ShowRecords();
}
