// The game's settings: skill, word set, Time Trial, Sound, Hard Mode, Word Check and background colour.
#pragma once

#include <string>

#include "dialogs/game_dialog.h"
#include "game/options_values.h"
#include "game/set_folders.h"
#include "game/types.h"

class CSetComboBox;

constexpr int IDC_SKILL_BEGINNER = 1002;
constexpr int IDC_SKILL_INTERMEDIATE = 1003;
constexpr int IDC_SKILL_ADVANCED = 1004;
constexpr int IDC_GAME_SET_LABEL = 1013;
constexpr int IDC_GAME_SET = 1005;
constexpr int IDC_TIME_TRIAL = 1007;
constexpr int IDC_SOUND = 1011;
constexpr int IDC_HARD_MODE = 1012;
constexpr int IDC_WORD_CHECK = 1014;
constexpr int IDC_SKILL_GROUP = 1044;
constexpr int IDC_BACKGROUND_COLOR = 1018;
constexpr int IDC_COLOR_SWATCH = 302;

class COptionsDlg : public CGameDialog {
public:
    // The sets listed are those of the folders the game plays from.
    COptionsDlg(wxWindow* pParent, const CSetFolders& folders);

    // What the dialog opens on and, after OK, what the player chose; the boxes and buttons are
    // bound to it.
    COptionsValues m_values;
    CSetComboBox* m_comboSet = nullptr;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    // The checked skill button.
    wxWindow* FirstFocus() override;

private:
    void OnBackgroundColor();
    // The background colour beside its button; it only shows, so Tab passes it by.
    void ShowSwatch();

    const CSetFolders m_setFolders;
};
