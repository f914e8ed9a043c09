// The About box: product lines, version, notice, addresses and the emblem.
#pragma once

#include "dialogs/game_dialog.h"

constexpr int IDC_ABOUT_PRODUCT = 1056;
constexpr int IDC_ABOUT_PLATFORM = 1057;
constexpr int IDC_ABOUT_VERSION = 1036;
constexpr int IDC_ABOUT_NOTICE = 1037;
constexpr int IDC_ABOUT_WEB = 1038;
constexpr int IDC_ABOUT_SUPPORT = 1039;

class CAboutDlg : public CGameDialog {
public:
    explicit CAboutDlg(wxWindow* pParent = nullptr);

    wxFont m_fontProduct;

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    wxWindow* FirstFocus() override;
};
