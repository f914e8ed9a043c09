// A dialog that makes its own header label (not part of its template) and rules it off.
#pragma once

#include <string>

#include "dialogs/game_dialog.h"

class wxStaticText;

constexpr int IDC_HEADER_TITLE = 1111;

class CHeaderDlg : public CGameDialog {
public:
    wxFont m_fontTitle;
    std::wstring m_strTitle;
    wxStaticText* m_staticTitle = nullptr;

protected:
    CHeaderDlg(wxWindow* pParent, int nTemplateId, const wxString& strCaption, int nWidthDu, int nHeightDu);

    // Makes the header font and label; derived dialogs call it first.
    void InitialiseDialog() override;
};
