// The Statistics window on a hand-made log of 1,000 words: the figures and bars it paints, the
// same figures from the command line, Clear with its question, and Ctrl+T from the game window.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/uiaction.h>

#include "app/main_frame.h"
#include "dialogs/dialog_look.h"
#include "dialogs/statistics_dlg.h"
#include "platform/files.h"
#include "store/game_log.h"
#include "store/game_log_writer.h"
#include "test_view_fixture.h"
#include "ui_test_support.h"
#include "view/command_ids.h"
#include "view/game_view.h"

using namespace uitest;

namespace {

CStatisticsChart& ChartOf(wxWindow& dlg)
{
    return dynamic_cast<CStatisticsChart&>(*dlg.FindWindow(IDC_STATS_CHART));
}

CGameLogEntry Word(EWordEnd how, int nGuesses, int nSeconds, int nRow)
{
    CGameLogEntry e;
    e.nEndedUtc = 1800000000 + nRow * 300;
    e.strSet = nRow % 2 ? L"Kitchen" : L"Animals";
    e.strWord = L"PLANT";
    e.eEnd = how;
    e.nGuesses = nGuesses;
    e.nSeconds = nSeconds;
    return e;
}

// 1,000 Beginner words, in this order:
//   199 given up (every fifth the end of a Time Trial game), 100 solved in 15 to 24 tries (100 s),
//   25 abandoned untried, 400 solved in 1 + i % 10 tries (40, 50 or 60 s by i % 3),
//   50 timed out, 25 abandoned after two guesses, 180 more of those solved, 1 given up, the last 20.
// So: played 975, solved 700 (72 %), best streak 500 (the untried ones break nothing), current
// streak 20; tries 1 to 10 sixty each, 15+ a hundred, the last solved word took 10; times
// 200 x 40 s, 200 x 50 s, 200 x 60 s, 100 x 100 s: median 0:50, best 0:40. Time Trial: 40 games,
// game k scoring 200 + 25k (k even) or 50 + 25k (k odd): best 1150, last five 925 1100 975 1150 1025.
void WriteThousandWords(const std::filesystem::path& file)
{
    CGameLog log(file);
    ASSERT_EQ(log.OpenForWriting(1000), CGameLog::EState::Writable);
    log.Db().Exec("PRAGMA synchronous = OFF");  // a test's throwaway file
    std::vector<CGameLogEntry> a;
    int nGame = 0;
    for (int j = 0; j < 199; ++j) {
        CGameLogEntry e = Word(EWordEnd::GaveUp, 5, 90, static_cast<int>(a.size()));
        if (j % 5 == 0) {
            e.bTimeTrial = true;
            e.bEndsGame = true;
            e.nScore = nGame % 2 == 0 ? 200 + 25 * nGame : 50 + 25 * nGame;
            ++nGame;
        }
        a.push_back(e);
    }
    auto add = [&](EWordEnd how, int nGuesses, int nSeconds) {
        a.push_back(Word(how, nGuesses, nSeconds, static_cast<int>(a.size())));
    };
    auto solvedA = [&](int i) { add(EWordEnd::Solved, 1 + i % 10, 40 + 10 * (i % 3)); };
    for (int i = 0; i < 100; ++i)
        add(EWordEnd::Solved, 15 + i % 10, 100);
    for (int i = 0; i < 25; ++i)
        add(EWordEnd::Abandoned, 0, 0);
    for (int i = 0; i < 400; ++i)
        solvedA(i);
    for (int i = 0; i < 50; ++i)
        add(EWordEnd::TimedOut, 7, 240);
    for (int i = 0; i < 25; ++i)
        add(EWordEnd::Abandoned, 2, 30);
    for (int i = 400; i < 580; ++i)
        solvedA(i);
    add(EWordEnd::GaveUp, 3, 20);
    for (int i = 580; i < 600; ++i)
        solvedA(i);
    ASSERT_EQ(a.size(), 1000u);
    ASSERT_EQ(nGame, 40);
    for (const CGameLogEntry& e : a)
        ASSERT_TRUE(log.Append(e));
}

// Whether the screen shows exactly t's text in t's place: the expected string is painted alone,
// the same way, on the same ground, and the two pictures compared pixel for pixel.
// The text the chart composed for what nId names, or null.
const CPaintedText* TextOf(const CStatsPicture& pic, int nId)
{
    for (const CPaintedText& t : pic.aTexts)
        if (t.nId == nId)
            return &t;
    return nullptr;
}

::testing::AssertionResult ShowsText(const wxImage& shot, const CPaintedText* t, const wxString& strExpected,
                                     const wxColour& clrGround)
{
    if (t == nullptr)
        return ::testing::AssertionFailure() << "no such text";
    const wxImage expected = RenderOffscreen(
        t->rc.GetSize(),
        [&](wxDC& dc) {
            dc.SetFont(*t->pFont);
            dc.SetTextForeground(t->clr);
            dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
            DrawTextInRect(dc, strExpected, wxRect(t->rc.GetSize()), t->nAlign);
        },
        clrGround);
    const wxImage shown = shot.GetSubImage(t->rc);
    for (int y = 0; y < expected.GetHeight(); ++y)
        for (int x = 0; x < expected.GetWidth(); ++x)
            if (PixelRgb(expected, x, y) != PixelRgb(shown, x, y))
                return ::testing::AssertionFailure() << "\"" << strExpected.utf8_string() << "\" differs at (" << x
                                                     << ", " << y << ") of " << t->rc.x << "," << t->rc.y;
    return ::testing::AssertionSuccess();
}

// Bar pixels of a colour along the middle row of a bar's track.
int BarLength(const wxImage& shot, const CPaintedBar& bar, const wxColour& clr)
{
    const unsigned rgb = (unsigned(clr.Red()) << 16) | (unsigned(clr.Green()) << 8) | clr.Blue();
    const int y = bar.rcTrack.y + bar.rcTrack.height / 2;
    int n = 0;
    for (int x = bar.rcTrack.x; x < bar.rcTrack.GetRight() + 1; ++x)
        n += PixelRgb(shot, x, y) == rgb ? 1 : 0;
    return n;
}

// The names a screen reader reads for the painted figures: the chart's accessible children.
std::vector<std::string> ReadAloud(CStatisticsChart& chart)
{
    std::vector<std::string> astr;
    AtkObject* pChart = gtk_widget_get_accessible(static_cast<GtkWidget*>(chart.GetHandle()));
    if (pChart == nullptr)
        return astr;
    astr.push_back(atk_object_get_name(pChart) ? atk_object_get_name(pChart) : "");
    for (int i = 0; i < atk_object_get_n_accessible_children(pChart); ++i) {
        AtkObject* pChild = atk_object_ref_accessible_child(pChart, i);
        astr.push_back(pChild && atk_object_get_name(pChild) ? atk_object_get_name(pChild) : "");
        if (pChild)
            g_object_unref(pChild);
    }
    return astr;
}

std::string RunStatsCommand(const std::filesystem::path& dataHome, const std::string& strArgs)
{
    const std::string strCmd = "XDG_DATA_HOME='" + dataHome.string() + "' '" +
                               (ProgramDirectory() / "veltrane-quillorn").string() +
                               "' --stats " + strArgs;
    std::string strOut;
    if (FILE* pipe = popen(strCmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n = 0;
        while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
            strOut.append(buf, n);
        pclose(pipe);
    }
    return strOut;
}

}  // namespace

TEST(StatisticsDialog, ThousandWordsShowTheirFiguresBarsAndScores)
{
    CTempFolder folder;
    const std::filesystem::path file = folder.Path() / "veltrane-quillorn" / "games.db";
    WriteThousandWords(file);

    CStatisticsDlg dlg(file);
    EXPECT_EQ(WhileOpen(dlg, [&](wxDialog& d) {
        CStatisticsChart& chart = ChartOf(dlg);
        SaveShot(CaptureClient(d), "statistics-thousand-words");
        const wxImage shot = CaptureClient(chart);
        wxClientDC dc(&chart);
        const CStatsPicture pic = chart.Compose(dc);
        const wxColour clrGround = d.GetBackgroundColour();

        const std::vector<std::pair<int, const char*>> aFigures = {
            {StatsTextPlayed, "975"},     {StatsTextSolvedPercent, "72"}, {StatsTextCurrentStreak, "20"},
            {StatsTextBestStreak, "500"}, {StatsTextMedianTime, "0:50"},   {StatsTextBestTime, "0:40"},
            {StatsTextTimeTrialGames, "40"}, {StatsTextBestScore, "1150"},
            {StatsTextLastFive, "925  1100  975  1150  1025"},
        };
        for (const auto& [nId, szText] : aFigures)
            EXPECT_TRUE(ShowsText(shot, TextOf(pic, nId), szText, clrGround)) << nId;

        // Tries: 1 to 10 sixty words each, 11 to 14 none, 15+ a hundred; the last solved word took 10.
        const int nTrack = pic.aBars[14].rcTrack.width;
        EXPECT_EQ(BarLength(shot, pic.aBars[14], CStatisticsChart::kBarColour), nTrack) << "the most fills the track";
        for (int i = 0; i < kTriesBuckets; ++i) {
            SCOPED_TRACE(i + 1);
            const int nWords = i < 10 ? 60 : i == 14 ? 100 : 0;
            EXPECT_TRUE(ShowsText(shot, TextOf(pic, StatsTextTriesCount + i), wxString::Format("%d", nWords), clrGround));
            // The count stands past the whole track, never beside its bucket's number.
            EXPECT_GT(TextOf(pic, StatsTextTriesCount + i)->rc.x, pic.aBars[i].rcTrack.GetRight());
            const int nGrey = BarLength(shot, pic.aBars[i], CStatisticsChart::kBarColour);
            const int nGreen = BarLength(shot, pic.aBars[i], CStatisticsChart::kLastSolvedColour);
            if (i == 9) {
                EXPECT_EQ(nGrey, 0);
                EXPECT_NEAR(nGreen, 0.6 * nTrack, 1.0);
            } else {
                EXPECT_EQ(nGreen, 0);
                if (i != 14) {
                    EXPECT_NEAR(nGrey, nWords / 100.0 * nTrack, 1.0);
                }
            }
        }

        // The line chart: the last 30 games as dots, the best (1150, the 29th) highest, the newest green.
        ASSERT_EQ(pic.aptScores.size(), 30u);
        int nHighest = 0;
        for (std::size_t i = 0; i < pic.aptScores.size(); ++i) {
            const wxPoint pt = pic.aptScores[i];
            const wxColour clr = i == 29 ? CStatisticsChart::kLastSolvedColour : CStatisticsChart::kLineColour;
            EXPECT_EQ(PixelRgb(shot, pt.x, pt.y), (unsigned(clr.Red()) << 16) | (unsigned(clr.Green()) << 8) | clr.Blue())
                << "dot " << i;
            EXPECT_TRUE(pic.rcLineChart.Contains(pt));
            if (pt.y < pic.aptScores[static_cast<std::size_t>(nHighest)].y)
                nHighest = static_cast<int>(i);
        }
        EXPECT_EQ(nHighest, 28);

        // A screen reader reads the same figures.
        const std::vector<std::string> astrRead = ReadAloud(chart);
        ASSERT_EQ(astrRead.size(), 1 + 4 + kTriesBuckets + 6u);
        EXPECT_EQ(astrRead[0], "Statistics figures");
        EXPECT_EQ(astrRead[1], "Words played 975");
        EXPECT_EQ(astrRead[2], "Solved 72 percent");
        EXPECT_EQ(astrRead[4], "Best streak 500");
        EXPECT_EQ(astrRead[5 + 9], "10 tries: 60 words, the last solved word");
        EXPECT_EQ(astrRead[5 + 14], "15+ tries: 100 words");
        EXPECT_EQ(astrRead[20], "Median time to solve 0:50");
        EXPECT_EQ(astrRead[astrRead.size() - 2], "Last five final scores 925 1100 975 1150 1025");
        EXPECT_EQ(astrRead.back(), "Solved with a hint 0");

        // Another skill: nothing played there.
        auto* pSkill = dynamic_cast<wxChoice*>(d.FindWindow(IDC_STATS_SKILL));
        ASSERT_NE(pSkill, nullptr);
        pSkill->SetSelection(SkillIntermediate);
        wxCommandEvent choose(wxEVT_CHOICE, IDC_STATS_SKILL);
        choose.SetEventObject(pSkill);
        pSkill->GetEventHandler()->ProcessEvent(choose);
        Settle();
        const wxImage shotOther = CaptureClient(chart);
        const CStatsPicture picOther = chart.Compose(dc);
        EXPECT_TRUE(ShowsText(shotOther, TextOf(picOther, StatsTextPlayed), "0", clrGround));
        EXPECT_TRUE(ShowsText(shotOther, TextOf(picOther, StatsTextMedianTime), "-", clrGround));
        EXPECT_EQ(ReadAloud(chart)[1], "Words played 0") << "the labels follow the choice";
        d.EndModal(wxID_OK);
    }), ResultOK);

    // The command line reads the same file and gives the same figures.
    const std::string strJson = RunStatsCommand(folder.Path(), "--json --skill beginner");
    for (const char* szField :
         {"\"played\": 975", "\"solved\": 700", "\"solved_percent\": 72", "\"current_streak\": 20",
          "\"best_streak\": 500", "\"tries\": [60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 0, 0, 0, 0, 100]",
          "\"last_solved_tries\": 10", "\"median_seconds\": 50,", "\"best_seconds\": 40", "\"games\": 40",
          "\"best_score\": 1150", "\"last_five\": [925, 1100, 975, 1150, 1025]"})
        EXPECT_NE(strJson.find(szField), std::string::npos) << szField << " not in\n" << strJson;
}

TEST(StatisticsDialog, ClearAsksFirstAndEmptiesOnlyTheLog)
{
    CTempFolder folder;
    const std::filesystem::path file = folder.Path() / "games.db";
    {
        CGameLog log(file);
        ASSERT_EQ(log.OpenForWriting(1000), CGameLog::EState::Writable);
        CGameLogEntry e;
        e.strSet = L"Animals";
        e.strWord = L"TIGER";
        e.nGuesses = 3;
        ASSERT_TRUE(log.Append(e));
    }
    std::vector<std::wstring> astrAsked;
    CStatisticsDlg dlg(file);
    WhileOpen(dlg, [&](wxDialog& d) {
        const wxColour clrGround = d.GetBackgroundColour();
        auto shows = [&](const char* szPlayed) {
            Settle();
            wxClientDC dc(&ChartOf(dlg));
            return ShowsText(CaptureClient(ChartOf(dlg)), TextOf(ChartOf(dlg).Compose(dc), StatsTextPlayed), szPlayed,
                             clrGround);
        };
        EXPECT_TRUE(shows("1"));
        {
            CModalScript answers;
            answers.ThenMessageBox(wxID_CANCEL);
            ClickButton(d, IDC_STATS_CLEAR);
            EXPECT_TRUE(answers.Done());
            astrAsked = answers.Messages();
        }
        EXPECT_TRUE(shows("1")) << "cancelled: nothing cleared";
        {
            CModalScript answers;
            answers.ThenMessageBox(wxID_OK);
            ClickButton(d, IDC_STATS_CLEAR);
            EXPECT_TRUE(answers.Done());
        }
        EXPECT_TRUE(shows("0"));
    });
    ASSERT_EQ(astrAsked.size(), 1u);
    EXPECT_EQ(astrAsked[0], wxString(CStatisticsDlg::kConfirmClear).ToStdWstring());
    CGameLog after(file);
    ASSERT_EQ(after.OpenForWriting(1000), CGameLog::EState::Writable);
    EXPECT_TRUE(after.SetNames().empty());
}

class StatisticsCommand : public CGameWindowTest {};

TEST_F(StatisticsCommand, CtrlTOpensTheWindowWithTheWordJustGivenUp)
{
    OpenAndStartWord();
    CGameLogWriter writer(m_dirTemp / "games.db", 1000);
    m_pView->SetGameLog(&writer);

    Type("bread\r");
    GiveUp();
    CModalScript script;
    script.Then([&](wxDialog& d) {
        wxClientDC dc(&ChartOf(d));
        const CStatsPicture pic = ChartOf(d).Compose(dc);
        EXPECT_TRUE(ShowsText(CaptureClient(ChartOf(d)), TextOf(pic, StatsTextPlayed), "1", d.GetBackgroundColour()));
        AtkObject* pPlayed =
            atk_object_ref_accessible_child(gtk_widget_get_accessible(static_cast<GtkWidget*>(ChartOf(d).GetHandle())), 0);
        ASSERT_NE(pPlayed, nullptr);
        EXPECT_STREQ(atk_object_get_name(pPlayed), "Words played 1");
        g_object_unref(pPlayed);
        d.EndModal(wxID_OK);
    });
    wxUIActionSimulator sim;
    sim.Char('t', wxMOD_CONTROL);
    EXPECT_TRUE(WaitFor([&] { return script.Done(); }));
    Settle();
    m_pView->SetGameLog(nullptr);
}

TEST_F(StatisticsCommand, ClosingTheWindowAbandonsTheWordInPlay)
{
    OpenAndStartWord();
    const std::filesystem::path file = m_dirTemp / "games.db";
    CGameLogWriter writer(file, 1000);
    m_pView->SetGameLog(&writer);
    Type("bread\r");
    m_pFrame->Close(true);
    m_pFrame = nullptr;
    Settle();
    writer.Flush(std::chrono::seconds(10));

    CGameLog log(file);
    ASSERT_EQ(log.OpenForReading(1000), CGameLog::EState::ReadOnly);
    CSqliteStatement rows(log.Db(), "SELECT word, outcome, guesses, time_trial, ends_game FROM games");
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.Text(0), "APPLE");
    EXPECT_EQ(rows.Text(1), "abandoned");
    EXPECT_EQ(rows.Int(2), 1);
    EXPECT_EQ(rows.Int(4), rows.Int(3)) << "leaving ends a Time Trial game";
    EXPECT_FALSE(rows.Step()) << "one row for the one word";
}
