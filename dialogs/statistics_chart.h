// The painted part of the Statistics window: the four headline figures, the tries bar chart with
// the last solved word's bar marked, the times to solve, and Time Trial with a line chart of the
// last final scores. Everything is placed from the fonts' own measurements, so it scales with them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

#include "store/game_stats.h"

class wxDC;
class CAccObject;
class CAccWindow;

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

    const CPaintedText* Text(int nId) const;
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
