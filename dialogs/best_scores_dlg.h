// The table of the six best-score records, with Reset.
#pragma once

#include "dialogs/game_dialog.h"

class CAppProfile;

constexpr int IDC_BEST_RESET = 1025;

// One row of the table: the record it shows, the two controls that show it and the top of the
// row in template units.
struct CBestScoreRow {
    int nSkill;
    bool bTimeTrial;
    int nNameId;
    int nScoreId;
    int y;
};

// In the order the rows are read: the fewest-tries rows by skill, then the Time Trial rows.
extern const CBestScoreRow kBestScoreRows[6];

class CBestScoresDlg : public CGameDialog {
public:
    // The records are read from and reset in profile.
    CBestScoresDlg(wxWindow* pParent, CAppProfile& profile);

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    // Each record as one line: a reader passes over the short names and numbers on their own.
    std::vector<std::wstring> PaintedTexts() const override { return m_astrSpoken; }

private:
    // The stored records into the cells and the spoken lines.
    void ShowRecords();
    void OnReset();

    CAppProfile& m_profile;
    std::vector<std::wstring> m_astrSpoken;
};
