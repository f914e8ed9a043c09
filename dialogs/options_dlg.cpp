#include "dialogs/options_dlg.h"

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/valgen.h>

#include "dialogs/color_dlg.h"
#include "ui/atk_objects.h"
#include "dialogs/dialog_look.h"
#include "store/skill.h"

namespace {

constexpr int kSkillIds[] = {IDC_SKILL_BEGINNER, IDC_SKILL_INTERMEDIATE, IDC_SKILL_ADVANCED};

// wxGTK ties a text, and a group's title, to the next control in the window that takes the
// keyboard, and readers then speak that text for the control. Here that was the Time Trial box
// for "Game Set:" (the set list is drawn by the game and not seen as such) and Beginner for
// "Skill Level". These keep to what they are told.
class CLabelText : public wxStaticText {
public:
    using wxStaticText::wxStaticText;
    void GTKWidgetDoSetMnemonic(GtkWidget*) override {}
};
class CGroupBox : public wxStaticBox {
public:
    using wxStaticBox::wxStaticBox;
    void GTKWidgetDoSetMnemonic(GtkWidget*) override {}
};

class CSwatch : public wxWindow {
public:
    using wxWindow::wxWindow;
    bool AcceptsFocus() const override { return false; }
};

}  // namespace

COptionsDlg::COptionsDlg(wxWindow* pParent, const CSetFolders& folders)
    : CGameDialog(pParent, _("Options"), 9, 135, 155), m_setFolders(folders)
{
}

void COptionsDlg::CreateControls()
{
    auto at = [this](int x, int y, int cx, int cy) { return DialogRect(x, y, cx, cy); };
    auto place = [](wxWindow* pWindow, const wxRect& rc) { pWindow->SetSize(rc); };

    // The group box goes first so the radio buttons it frames lie above it; it takes no focus,
    // so the tab order below is unchanged.
    const wxRect rcGroup = at(3, 44, 67, 57);
    new CGroupBox(this, IDC_SKILL_GROUP, _("Skill Level"), rcGroup.GetPosition(), rcGroup.GetSize());

    const char* const apszSkills[] = {wxTRANSLATE("Beginner"), wxTRANSLATE("Intermediate"), wxTRANSLATE("Advanced")};
    // One unit taller than the template: the toolkit's radio mark needs the extra row.
    const wxRect arcSkills[] = {at(10, 56, 46, 11), at(10, 71, 56, 11), at(10, 86, 47, 11)};
    for (int i = 0; i < 3; ++i)
        new wxRadioButton(this, kSkillIds[i], wxGetTranslation(apszSkills[i]), arcSkills[i].GetPosition(),
                          arcSkills[i].GetSize(), i == 0 ? wxRB_GROUP : 0);
    const wxRect rcSetLabel = at(5, 16, 40, 8);
    new CLabelText(this, IDC_GAME_SET_LABEL, _("Game Set:"), rcSetLabel.GetPosition(), rcSetLabel.GetSize(),
                     wxST_NO_AUTORESIZE);
    // A drop-down list: the template's 68 units include the open list. Closed, the box gets the
    // room above the skill group and no more.
    const wxRect rcCombo = at(3, 26, 129, 17);
    // The list draws only the rows in view: the toolkit's own drop-down measures every name, which
    // froze the game for a minute with ten thousand sets.
    m_comboSet = new CSetComboBox(this, IDC_GAME_SET, rcCombo);
    const auto check = [this](int nId, const wxString& strLabel, bool& bValue) {
        return new wxCheckBox(this, nId, strLabel, wxDefaultPosition, wxDefaultSize, 0, wxGenericValidator(&bValue));
    };
    place(check(IDC_TIME_TRIAL, _("Time Trial"), m_values.bTimeTrial), at(76, 55, 50, 10));
    place(check(IDC_SOUND, _("Sound"), m_values.bSound), at(76, 71, 37, 10));
    // Rows added below the handheld's layout, across the whole dialog so longer translations fit.
    auto* pHardMode = check(IDC_HARD_MODE, _("Hard Mode"), m_values.bHardMode);
    place(pHardMode, at(5, 127, 127, 10));
    auto* pWordCheck = check(IDC_WORD_CHECK, _("Word Check"), m_values.bWordCheck);
    place(pWordCheck, at(5, 141, 127, 10));
    AddHeader(_("Options"), at(4, 2, 52, 8));
    // The handheld's title-bar OK, placed left of Cancel in the header strip.
    AddOkButton(69, 1, 32, 11);
    const wxRect rcCancel = at(103, 1, 32, 11);
    new wxButton(this, wxID_CANCEL, _("Cancel"), rcCancel.GetPosition(), rcCancel.GetSize());
    const wxRect rcColor = at(3, 109, 73, 14);
    auto* pColor = new wxButton(this, IDC_BACKGROUND_COLOR, _("Background Color ..."), rcColor.GetPosition(),
                                rcColor.GetSize());
    pColor->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBackgroundColor(); });
    FindWindow(wxID_CANCEL)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndWithResult(ResultCancel); });

    // The dialog opens on the skill, so Tab reads on from there: the boxes beside it, the colour
    // below, the two boxes under it, then round to the set list at the top, with the two buttons
    // last. The controls keep their template order otherwise, which is the order a screen reader
    // lists them in.
    pColor->MoveAfterInTabOrder(FindWindow(IDC_SOUND));
    pHardMode->MoveAfterInTabOrder(pColor);
    pWordCheck->MoveAfterInTabOrder(pHardMode);
    m_comboSet->MoveAfterInTabOrder(pWordCheck);
}

wxWindow* COptionsDlg::FirstFocus()
{
    for (const int nId : kSkillIds)
        if (auto* pRadio = dynamic_cast<wxRadioButton*>(FindWindow(nId)); pRadio != nullptr && pRadio->GetValue())
            return pRadio;
    return FindWindow(IDC_SKILL_BEGINNER);
}

bool COptionsDlg::TransferDataToWindow()
{
    // A group always has one button on: an unknown skill keeps the first.
    if (IsValidSkill(m_values.nSkill))
        static_cast<wxRadioButton*>(FindWindow(kSkillIds[m_values.nSkill]))->SetValue(true);
    return CGameDialog::TransferDataToWindow();
}

bool COptionsDlg::TransferDataFromWindow()
{
    if (!CGameDialog::TransferDataFromWindow())
        return false;
    for (int i = 0; i < 3; ++i)
        if (static_cast<wxRadioButton*>(FindWindow(kSkillIds[i]))->GetValue())
            m_values.nSkill = i;
    m_values.strSet = m_comboSet->SetNameAt(m_comboSet->GetSelection());
    return true;
}

void COptionsDlg::InitialiseDialog()
{
    for (int nId : {static_cast<int>(wxID_CANCEL), IDC_GAME_SET_LABEL, IDC_SKILL_GROUP})
        StyleBlue(FindWindow(nId));
    // The list's label is a separate text above it.
    SetAccessibleName(*m_comboSet, _("Game Set").ToStdWstring());
    SetLabelFor(*FindWindow(IDC_GAME_SET_LABEL), *m_comboSet);

    const std::vector<std::wstring> astrSets = m_setFolders.ListSetNames();
    if (astrSets.empty()) {
        wxMessageBox(_("Words Sets: Sets not found"), "Veltrane Quillorn", wxOK, GetParent());
        EndWithResult(ResultCancel);
        return;
    }
    int nSelect = 0;
    const wxString strCurrent(m_values.strSet);
    for (std::size_t i = 0; i < astrSets.size(); ++i) {
        // A later match wins, as the list is read.
        if (wxString(astrSets[i]).CmpNoCase(strCurrent) == 0)
            nSelect = static_cast<int>(i);
    }
    m_comboSet->SetSets(astrSets);
    m_comboSet->SetSelection(nSelect);

    ShowSwatch();
}

void COptionsDlg::ShowSwatch()
{
    wxWindow* pSwatch = FindWindow(IDC_COLOR_SWATCH);
    if (pSwatch == nullptr) {
        const wxRect rcButton = FindWindow(IDC_BACKGROUND_COLOR)->GetRect();
        pSwatch = new CSwatch(this, IDC_COLOR_SWATCH, wxPoint(rcButton.GetRight() + 1 + 15, rcButton.GetTop()),
                              wxSize(50, rcButton.GetHeight()), wxBORDER_SIMPLE);
    }
    pSwatch->SetBackgroundColour(WxColour(m_values.clrBackground));
    pSwatch->Refresh();
    pSwatch->Update();
}

void COptionsDlg::OnBackgroundColor()
{
    // Owned by this dialog, so the picker stacks above it on a desktop.
    CColorDlg picker(this);
    picker.m_nRed = GetRValue(m_values.clrBackground);
    picker.m_nGreen = GetGValue(m_values.clrBackground);
    picker.m_nBlue = GetBValue(m_values.clrBackground);
    if (picker.DoModal() == ResultCancel)
        return;
    m_values.clrBackground = MakeRGB(picker.m_nRed, picker.m_nGreen, picker.m_nBlue);
    ShowSwatch();
}
