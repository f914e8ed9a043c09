// The Statistics window: a skill and a set to look at, the figures the game log holds for them,
// and a button that clears the log (never the best scores).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/game_dialog.h"
#include "store/game_log.h"

class CStatisticsChart;

constexpr int IDC_STATS_SKILL = 1601;
constexpr int IDC_STATS_SET = 1602;
constexpr int IDC_STATS_CHART = 1603;
constexpr int IDC_STATS_CLEAR = 1604;

class CStatisticsDlg : public CGameDialog {
public:
    static constexpr const char* kConfirmClear =
        wxTRANSLATE("Clear all statistics?  Every word in the game log is forgotten; the best scores stay.");

    explicit CStatisticsDlg(std::filesystem::path logFile, wxWindow* pParent = nullptr);

    // In: the skill and set shown first (an empty set: all sets).
    int m_nSkill = 0;
    std::wstring m_strSet;

    // Reads the figures for the chosen skill and set again.
    void Reload();

protected:
    void CreateControls() override;
    void InitialiseDialog() override;

private:
    void FillSetChoice();
    void OnClear();

    CGameLog m_log;
    std::vector<std::wstring> m_astrSetNames;  // the real names behind the set choice's rows 1 on
    CStatisticsChart* m_pChart = nullptr;
};
