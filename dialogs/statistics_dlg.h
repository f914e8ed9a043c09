// The Statistics window: a skill and a set to look at, the figures the game log holds for them,
// and a button that clears the log (never the best scores). Its painted part, the chart, shows the
// four headline figures, the tries bar chart with the last solved word's bar marked, the times to
// solve, and Time Trial with a line chart of the last final scores, all placed from the fonts' own
// measurements so it scales with them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

#include "dialogs/game_dialog.h"
#include "store/game_log.h"
#include "store/game_stats.h"

class CAccObject;
class CAccWindow;
class wxChoice;
class wxStaticText;

// A text the chart paints, by what it shows.
enum EStatsText : int {
    StatsTextPlayed = 1,
    StatsTextSolvedPercent,
    StatsTextCurrentStreak,
    StatsTextBestStreak,
    StatsTextMedianTime,
    StatsTextBestTime,
    StatsTextTimeTrialGames,
    StatsTextBestScore,
    StatsTextLastFive,
    StatsTextSolvedWithHint,
    StatsTextTriesCount = 100,   // + the bucket, 0 to 14
};

struct CPaintedText {
    int nId = 0;                 // an EStatsText, or 0 for a fixed caption
    wxString str;
    wxRect rc;
    const wxFont* pFont = nullptr;
    wxColour clr;
    int nAlign = 0;              // wx alignment flags within rc
};

struct CPaintedBar {
    wxRect rcTrack;              // the whole length a bar may take
    wxRect rcBar;                // what is filled; empty for no words
    bool bLastSolved = false;
};

struct CStatsPicture {
    std::vector<CPaintedText> aTexts;
    CPaintedBar aBars[kTriesBuckets];
    wxRect rcLineChart;
    std::vector<wxPoint> aptScores;   // the last final scores, oldest first
    int nLineWidth = 1;               // of the chart's frame and line
    int nDotRadius = 1;               // a game's dot is 2r + 1 pixels square
};

class CStatisticsChart : public wxWindow {
public:
    static inline const wxColour kBarColour{176, 176, 176};
    static inline const wxColour kLastSolvedColour{29, 148, 29};   // the game's dark tile green
    static inline const wxColour kLineColour{0, 0, 255};

    CStatisticsChart(wxWindow* pParent, int nId, const wxRect& rc);
    ~CStatisticsChart() override;

    void SetStats(const CWordStats& stats);

    // Where everything goes for this size and these fonts; Paint draws exactly this.
    CStatsPicture Compose(wxDC& dc) const;
    void Paint(wxDC& dc) const;

private:
    void OnPaint(wxPaintEvent& event);
    void BuildAccessible();

    CWordStats m_stats;
    std::vector<std::wstring> m_astrSpoken;
    std::unique_ptr<CAccWindow> m_pAccess;
    std::vector<std::unique_ptr<CAccObject>> m_apSpoken;
    wxFont m_fontFigure;
    wxFont m_fontCaption;
};


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

protected:
    void CreateControls() override;
    void InitialiseDialog() override;

private:
    void FillSetChoice();
    // Reads the figures for the chosen skill and set again.
    void Reload();
    void OnClear();

    CGameLog m_log;
    std::vector<std::wstring> m_astrSetNames;  // the real names behind the set choice's rows 1 on
    wxChoice* m_pSkill = nullptr;
    wxChoice* m_pSet = nullptr;
    CStatisticsChart* m_pChart = nullptr;
    wxStaticText* m_pState = nullptr;
    wxWindow* m_pClear = nullptr;
};
