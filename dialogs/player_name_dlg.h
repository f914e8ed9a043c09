// Asks for the player's name when a best score is to be stored.
#pragma once

#include <string>

#include "dialogs/game_dialog.h"

class wxTextCtrl;

constexpr int IDC_PLAYER_MESSAGE = 1010;
constexpr int IDC_PLAYER_NAME = 1027;

class CPlayerNameDlg : public CGameDialog {
public:
    explicit CPlayerNameDlg(wxWindow* pParent = nullptr);

    std::wstring m_strName;
    std::wstring m_strMessage;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

protected:
    void CreateControls() override;
    wxWindow* FirstFocus() override;

private:
    wxStaticText* m_pMessage = nullptr;
    wxTextCtrl* m_pName = nullptr;
};
