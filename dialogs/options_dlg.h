// The game's settings: skill, word set, Time Trial, Sound, Hard Mode, Word Check and background colour.
#pragma once

#include <string>
#include <vector>

#include <wx/odcombo.h>

#include "dialogs/game_dialog.h"
#include "game/options_values.h"
#include "game/set_folders.h"
#include "game/types.h"
#include "ui/atk_list.h"
#include "ui/atk_objects.h"

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

// The drop-down list of word sets: drawn by us, so that ten thousand names open as fast as ten,
// and given to screen readers as a combo box holding a list they can walk item by item.
class CSetComboBox : public wxOwnerDrawnComboBox {
public:
    CSetComboBox(wxWindow* pParent, int nId, const wxRect& rc);

    void Select(int nItem) override;

    // The list holds sets: each row shows the set's label (its name with hidden controls made
    // visible) and keeps its real name, which is what is stored and opened.
    void SetSets(const std::vector<std::wstring>& astrNames);
    // The real name of a row; empty for no row.
    std::wstring SetNameAt(int nItem) const;

protected:
    // Every row is as wide as the box: the toolkit would otherwise measure every name before the
    // dialog could show, and a name wider than the box is cut with an ellipsis where it is drawn.
    wxCoord OnMeasureItemWidth(size_t nItem) const override;
    void OnDrawItem(wxDC& dc, const wxRect& rc, int nItem, int nFlags) const override;
    // The open list is made on the first opening; it is named here, before it takes the focus.
    void DoShowPopup(const wxRect& rc, int nFlags) override;

private:
    // The item the keyboard is on: the highlighted row while the list is open, the chosen one
    // while the box has the focus, none otherwise.
    void FollowFocus();
    int HighlightedRow() const;

    std::vector<std::wstring> m_astrNames;  // row by row

    CAccWindow m_acc;
    CAccList m_accList;
    bool m_bWatchingList = false;
};

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
