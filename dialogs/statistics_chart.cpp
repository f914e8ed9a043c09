// The Statistics window's painted figures and charts.
#include "dialogs/statistics_dlg.h"

#include <algorithm>
#include <cmath>

#include <wx/bitmap.h>
#include <wx/translation.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include "ui/atk_objects.h"
#include "dialogs/dialog_look.h"
#include "game/stats_report.h"

namespace {

wxString Number(int n)
{
    return wxString::Format("%d", n);
}

wxString ScoresLine(const std::vector<int>& an)
{
    wxString str;
    for (int n : an)
        str += (str.empty() ? "" : "  ") + Number(n);
    return str.empty() ? wxString("-") : str;
}

}  // namespace

CStatisticsChart::CStatisticsChart(wxWindow* pParent, int nId, const wxRect& rc)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(pParent, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE, "StatisticsChart");
    CreateLargeFont(m_fontFigure);
    CreateHeadingFont(m_fontCaption);
    m_pAccess = std::make_unique<CAccWindow>(*this, true);
    m_pAccess->OnFirstUse([this] { BuildAccessible(); });
    SetStats(CWordStats());
    Bind(wxEVT_PAINT, &CStatisticsChart::OnPaint, this);
}

CStatisticsChart::~CStatisticsChart() = default;

void CStatisticsChart::BuildAccessible()
{
    m_pAccess->SetRole(EAccRole::Grouping);
    m_pAccess->SetName(_("Statistics figures").ToStdWstring());
    for (const std::wstring& strLine : m_astrSpoken) {
        m_apSpoken.push_back(std::make_unique<CAccObject>(EAccRole::Label, strLine));
        m_pAccess->AddChild(*m_apSpoken.back());
    }
}

void CStatisticsChart::SetStats(const CWordStats& stats)
{
    m_stats = stats;
    m_astrSpoken = SpokenStatistics(stats);
    // The lines keep their order, so each label only changes its words.
    for (std::size_t i = 0; i < m_apSpoken.size() && i < m_astrSpoken.size(); ++i)
        m_apSpoken[i]->SetName(m_astrSpoken[i]);
    Refresh(false);
}

CStatsPicture CStatisticsChart::Compose(wxDC& dc) const
{
    CStatsPicture pic;
    const wxSize size = GetClientSize();
    const wxFont& fontSmall = DialogPaintFont();
    // On the dialog's own ground, which follows the desktop's theme.
    const wxColour clrText = DialogTextColour(*this, kBlack);
    const wxColour clrCaption = DialogTextColour(*this, kBlue);

    dc.SetFont(fontSmall);
    const int nLine = dc.GetCharHeight();
    const int nMargin = dc.GetCharWidth();
    const int nCountWidth = dc.GetTextExtent("00000").x;
    const int nValueWidth = dc.GetTextExtent("0000:00").x;
    const int nLabelWidth = dc.GetTextExtent("15+").x + nMargin / 2;
    dc.SetFont(m_fontFigure);
    const int nFigure = dc.GetCharHeight();
    dc.SetFont(m_fontCaption);
    const int nCaption = dc.GetCharHeight();
    // Gaps, lines and dots grow with the text, so the picture keeps its proportions at any zoom.
    const double dUnit = nLine / 15.0;
    const int nGap = std::max(2, static_cast<int>(std::lround(2 * dUnit)));
    pic.nLineWidth = std::max(1, static_cast<int>(std::lround(dUnit)));
    pic.nDotRadius = std::max(1, static_cast<int>(std::lround(dUnit)));

    auto text = [&](int nId, const wxString& str, const wxRect& rc, const wxFont& font, const wxColour& clr,
                    int nAlign) { pic.aTexts.push_back({nId, str, rc, &font, clr, nAlign}); };
    const int nLeftRight = wxALIGN_LEFT | wxALIGN_CENTRE_VERTICAL;
    const int nRight = wxALIGN_RIGHT | wxALIGN_CENTRE_VERTICAL;

    // The four headline figures, each over its caption.
    int y = nMargin / 2;
    const int nColumn = (size.x - 2 * nMargin) / 4;
    const int anFigures[4] = {m_stats.nPlayed, m_stats.SolvedPercent(), m_stats.nCurrentStreak, m_stats.nBestStreak};
    const char* const aszCaptions[4] = {wxTRANSLATE("Played"), wxTRANSLATE("Solved %"), wxTRANSLATE("Streak"),
                                       wxTRANSLATE("Best streak")};
    for (int i = 0; i < 4; ++i) {
        const int x = nMargin + i * nColumn;
        text(StatsTextPlayed + i, Number(anFigures[i]), wxRect(x, y, nColumn, nFigure), m_fontFigure, clrText,
             wxALIGN_CENTRE);
        text(0, wxGetTranslation(aszCaptions[i]), wxRect(x, y + nFigure, nColumn, nLine), fontSmall, clrText, wxALIGN_CENTRE);
    }
    y += nFigure + nLine + nLine / 2;
    const int yColumns = y;

    // Left: how many tries the solved words took.
    const int nLeftWidth = (size.x - 3 * nMargin) * 11 / 20;
    text(0, _("Tries to solve"), wxRect(nMargin, y, nLeftWidth, nCaption), m_fontCaption, clrCaption, nLeftRight);
    y += nCaption + nGap;
    const int nRow = nLine + nGap;
    const int xTrack = nMargin + nLabelWidth + nMargin / 2;
    // The counts' column ends a margin short of the left half, so a count keeps clear of the
    // labels of the right half on its row.
    const int nTrack = std::max(1, nLeftWidth - (xTrack - nMargin) - nCountWidth - nMargin / 2 - nMargin);
    const int nMost = std::max(1, *std::max_element(m_stats.anTries.begin(), m_stats.anTries.end()));
    const int nLastBucket = m_stats.nLastSolvedTries > 0 ? m_stats.TriesBucketOf(m_stats.nLastSolvedTries) : -1;
    for (int i = 0; i < kTriesBuckets; ++i) {
        const int yRow = y + i * nRow;
        const int n = m_stats.anTries[static_cast<std::size_t>(i)];
        // Any word at all shows as at least a sliver.
        const int nLength = n > 0 ? std::max(1, static_cast<int>(std::lround(double(n) * nTrack / nMost))) : 0;
        CPaintedBar& bar = pic.aBars[i];
        bar.rcTrack = wxRect(xTrack, yRow + nGap, nTrack, nRow - 2 * nGap);
        bar.rcBar = wxRect(xTrack, yRow + nGap, nLength, nRow - 2 * nGap);
        bar.bLastSolved = i == nLastBucket;
        text(0, wxString(TriesBucketLabel(i)), wxRect(nMargin, yRow, nLabelWidth, nRow), fontSmall, clrText, nRight);
        // The counts stand in a column of their own past the end of the track: a count next to
        // a short bar would stand next to its bucket too, and "1", "0" read as 10.
        text(StatsTextTriesCount + i, Number(n), wxRect(xTrack + nTrack + nMargin / 2, yRow, nCountWidth, nRow),
             fontSmall, clrText, nRight);
    }

    // Right: times, then Time Trial.
    const int x1 = 2 * nMargin + nLeftWidth;
    const int nRightWidth = size.x - x1 - nMargin;
    y = yColumns;
    auto row = [&](const char* szLabel, int nId, const wxString& strValue) {
        text(0, wxGetTranslation(szLabel), wxRect(x1, y, nRightWidth - nValueWidth, nLine), fontSmall, clrText, nLeftRight);
        text(nId, strValue, wxRect(x1 + nRightWidth - nValueWidth, y, nValueWidth, nLine), fontSmall, clrText, nRight);
        y += nLine;
    };
    text(0, _("Time to solve"), wxRect(x1, y, nRightWidth, nCaption), m_fontCaption, clrCaption, nLeftRight);
    y += nCaption + nGap;
    const bool bTimes = m_stats.bHasTimes;
    row(wxTRANSLATE("Median"), StatsTextMedianTime, bTimes ? wxString(FormatSeconds(m_stats.dMedianSeconds)) : wxString("-"));
    row(wxTRANSLATE("Best"), StatsTextBestTime, bTimes ? wxString(FormatSeconds(m_stats.nBestSeconds)) : wxString("-"));
    row(wxTRANSLATE("Solved with a hint"), StatsTextSolvedWithHint, Number(m_stats.nSolvedWithHint));
    y += nLine / 2;
    text(0, _("Time Trial"), wxRect(x1, y, nRightWidth, nCaption), m_fontCaption, clrCaption, nLeftRight);
    y += nCaption + nGap;
    const bool bGames = m_stats.nTimeTrialGames > 0;
    row(wxTRANSLATE("Games"), StatsTextTimeTrialGames, Number(m_stats.nTimeTrialGames));
    row(wxTRANSLATE("Best final score"), StatsTextBestScore, bGames ? Number(m_stats.nBestFinalScore) : wxString("-"));
    text(0, _("Last five"), wxRect(x1, y, nRightWidth, nLine), fontSmall, clrText, nLeftRight);
    y += nLine;
    text(StatsTextLastFive, ScoresLine(LastFinalScores(m_stats, 5)), wxRect(x1, y, nRightWidth, nLine), fontSmall,
         clrText, nRight);
    y += nLine + nLine / 2;
    text(0, _("Last 30 games"), wxRect(x1, y, nRightWidth, nLine), fontSmall, clrText, nLeftRight);
    y += nLine;

    // The line chart runs from 0 at the bottom to the best of the games shown at the top.
    const int yChartBottom = std::min(size.y - nMargin / 2, yColumns + nCaption + nGap + kTriesBuckets * nRow);
    pic.rcLineChart = wxRect(x1, y, nRightWidth, std::max(3 * nLine, yChartBottom - y));
    const std::vector<int>& an = m_stats.anFinalScores;
    const int nTop = std::max(1, an.empty() ? 1 : *std::max_element(an.begin(), an.end()));
    const wxRect rcPlot = pic.rcLineChart.Deflate(2 * nGap);
    for (std::size_t i = 0; i < an.size(); ++i) {
        const int x = an.size() == 1 ? rcPlot.x + rcPlot.width / 2
                                     : rcPlot.x + static_cast<int>(i * (rcPlot.width - 1) / (an.size() - 1));
        const int yPoint = rcPlot.GetBottom() - static_cast<int>(std::lround(
                                                     double(std::max(0, an[i])) * (rcPlot.height - 1) / nTop));
        pic.aptScores.emplace_back(x, yPoint);
    }
    return pic;
}

void CStatisticsChart::Paint(wxDC& dc) const
{
    const CStatsPicture pic = Compose(dc);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const CPaintedBar& bar : pic.aBars) {
        if (bar.rcBar.width <= 0)
            continue;
        dc.SetBrush(wxBrush(bar.bLastSolved ? kLastSolvedColour : kBarColour));
        dc.DrawRectangle(bar.rcBar);
    }
    for (const CPaintedText& t : pic.aTexts) {
        dc.SetFont(*t.pFont);
        dc.SetTextForeground(t.clr);
        DrawTextInRect(dc, t.str, t.rc, t.nAlign);
    }

    dc.SetPen(wxPen(kBarColour, pic.nLineWidth));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(pic.rcLineChart);
    if (pic.aptScores.size() > 1) {
        dc.SetPen(wxPen(kLineColour, pic.nLineWidth));
        dc.DrawLines(static_cast<int>(pic.aptScores.size()), pic.aptScores.data());
    }
    // Each game a dot; the newest in the last-solved green.
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (std::size_t i = 0; i < pic.aptScores.size(); ++i) {
        const bool bNewest = i + 1 == pic.aptScores.size();
        dc.SetBrush(wxBrush(bNewest ? kLastSolvedColour : kLineColour));
        const int r = pic.nDotRadius;
        dc.DrawRectangle(pic.aptScores[i].x - r, pic.aptScores[i].y - r, 2 * r + 1, 2 * r + 1);
    }
}

void CStatisticsChart::OnPaint(wxPaintEvent&)
{
    // Composed off screen and copied in one block, as the game view is.
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    wxBitmap bmp(size.x, size.y, 24);
    {
        wxMemoryDC dcMem(bmp);
        Paint(dcMem);
    }
    dc.DrawBitmap(bmp, 0, 0);
}
