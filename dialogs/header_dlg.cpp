// The header label of a dialog that builds its own.
#include "dialogs/header_dlg.h"

#include <wx/stattext.h>

#include "dialogs/dialog_look.h"

CHeaderDlg::CHeaderDlg(wxWindow* pParent, int nTemplateId, const wxString& strCaption, int nWidthDu,
                       int nHeightDu)
    : CGameDialog(pParent, nTemplateId, strCaption, 9, nWidthDu, nHeightDu)
{
}

void CHeaderDlg::InitialiseDialog()
{
    CreateHeadingFont(m_fontTitle);
    // The label leaves 70 pixels at the right of the header strip free.
    const int nWidth = GetClientSize().x;
    const wxRect rc(Px(4), Px(5), nWidth - Px(70) - Px(4), Px(22) - Px(5));
    if (m_staticTitle == nullptr)
        m_staticTitle = new wxStaticText(this, IDC_HEADER_TITLE, wxEmptyString, rc.GetPosition(), rc.GetSize(),
                                         wxALIGN_LEFT | wxST_NO_AUTORESIZE);
    m_staticTitle->SetLabelText(wxString(m_strTitle));
    StyleFontAndBlue(m_staticTitle, m_fontTitle);
}
