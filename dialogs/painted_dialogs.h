// The two dialogs painted across the green tiles: the rules screen shown before each new word (its
// length, what Match and Bingo mean, and "Go"), and the question after a solved Time Trial level
// (go on to the next one?).
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

constexpr int IDC_LEVEL_YES = 6;
constexpr int IDC_LEVEL_NO = 7;

class CLevelDlg : public CGameDialog {
public:
    explicit CLevelDlg(wxWindow* pParent = nullptr);

    int m_nFinishedLevel = 0;
    int m_nNextLevel = 0;
    wxFont m_fontLarge;

    void PaintContent(wxDC& dc, int nClientWidth) override;
    std::vector<std::wstring> PaintedTexts() const override;

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    wxWindow* FirstFocus() override;
};
