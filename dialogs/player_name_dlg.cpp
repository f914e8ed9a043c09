// Player Name dialog: a message saying why, and the name field.
#include "dialogs/player_name_dlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/atk_objects.h"
#include "dialogs/dialog_look.h"

CPlayerNameDlg::CPlayerNameDlg(wxWindow* pParent)
    : CGameDialog(pParent, _("Player Name"), 9, 145, 95)
{
}

void CPlayerNameDlg::CreateControls()
{
    AddHeader(_("Player Name"), DialogRect(1, 2, 79, 8));
    // The template's message area starts above the header rule. Covering the rule there left two
    // stubs that read as a dash before the text; instead the rule runs across whole and the
    // message starts just below it, at every zoom and text scaling (the rule is painted at the
    // dialog's scale, the area placed in dialog units: they part at any scale but 100 %). It may
    // then reach down to the prompt, so two lines still fit.
    wxRect rcMessage = DialogRect(7, 11, 133, 22);
    const int nBelowRule = Px(kHeaderRuleY) + ScaledLineWidth(Scale()) + Px(2);
    if (rcMessage.GetTop() < nBelowRule) {
        const int nBottom = std::max(rcMessage.GetBottom() + 1, DialogRect(8, 35, 80, 8).GetTop() - Px(1));
        rcMessage.y = nBelowRule;
        rcMessage.height = nBottom - nBelowRule;
    }
    m_pMessage = new wxStaticText(this, IDC_PLAYER_MESSAGE, wxEmptyString, rcMessage.GetPosition(), rcMessage.GetSize(),
                                  wxALIGN_LEFT | wxST_NO_AUTORESIZE);
    const wxRect rcPrompt = DialogRect(8, 35, 80, 8);
    new wxStaticText(this, wxID_ANY, _("Enter your name:"), rcPrompt.GetPosition(), rcPrompt.GetSize(),
                     wxALIGN_LEFT | wxST_NO_AUTORESIZE);
    const wxRect rcName = DialogRect(7, 49, 120, 14);
    m_pName = new wxTextCtrl(this, IDC_PLAYER_NAME, wxEmptyString, rcName.GetPosition(), rcName.GetSize());
    // The prompt is a separate text; a reader landing in the field hears it as the field's name.
    SetAccessibleName(*m_pName, _("Enter your name").ToStdWstring());
    AddOkButton(77, 70, 50, 14);
}

bool CPlayerNameDlg::TransferDataToWindow()
{
    m_pName->ChangeValue(wxString(m_strName));
    // Taken as text: an ampersand in a message is shown, not read as a mnemonic.
    m_pMessage->SetLabelText(wxString(m_strMessage));
    m_pMessage->Wrap(m_pMessage->GetSize().x);
    return true;
}

bool CPlayerNameDlg::TransferDataFromWindow()
{
    m_strName = m_pName->GetValue().ToStdWstring();
    return true;
}

wxWindow* CPlayerNameDlg::FirstFocus()
{
    // A desktop has no input panel; what the panel was for is typing the name, so the name field
    // has the keyboard focus.
    return m_pName;
}
