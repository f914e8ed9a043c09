// The rules screen shown before each new word: its length, what Match and Bingo mean, and "Go".
#pragma once

#include "dialogs/game_dialog.h"

constexpr int IDC_GO = 1016;

class CNewGameDlg : public CGameDialog {
public:
    explicit CNewGameDlg(wxWindow* pParent = nullptr);

    int m_nWordLength = 6;
    wxFont m_fontLarge;

    void PaintContent(wxDC& dc, int nClientWidth) override;
    std::vector<std::wstring> PaintedTexts() const override;

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    wxWindow* FirstFocus() override;
};
