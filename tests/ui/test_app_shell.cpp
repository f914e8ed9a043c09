// The game window from start-up to the end of a word, driven through the real window: the
// keyboard, clicks on cells and letter keys, menu commands and clock ticks.
#include <algorithm>

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "core_test_seam.h"
#include "dialogs/painted_dialogs.h"
#include "dialogs/player_name_dlg.h"
#include "store/record_store.h"
#include "store/settings_store.h"
#include "stored_values.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

using uitest::CModalScript;

constexpr unsigned kRgbRed = 0xFF0000;
constexpr unsigned kRgbBlack = 0x000000;
constexpr unsigned kRgbWhite = 0xFFFFFF;

class ShellTest : public CGameWindowTest {};

TEST_F(ShellTest, WithoutAnySetBothMessagesShowAndTheGameQuits)
{
    CModalScript script;
    script.ThenMessageBox().ThenMessageBox();
    Open(script);

    ASSERT_EQ(script.Messages().size(), 2u);
    EXPECT_EQ(script.Messages()[0], L"Words Sets: Sets not found");
    EXPECT_EQ(script.Messages()[1], L"Did not find any word sets to play with.");
    EXPECT_EQ(m_anQuit, std::vector<int>{0});
    EXPECT_TRUE(m_pView->IsGameOver());
    EXPECT_TRUE(m_pView->HistoryView().m_strMagicWord.empty());
    // No word: no cells, but the background and the labels are still drawn.
    const wxImage img = ComposedView();
    EXPECT_EQ(uitest::PixelRgb(img, 63, 5), 0xD2FFA6u);
    Shot(img, "no-set");
}

TEST_F(ShellTest, StartUpAsksForTheFirstWordAndStoresWhereItIs)
{
    OpenAndStartWord();  // which fails unless the New Game dialog came
    EXPECT_FALSE(m_pView->IsGameOver());
    EXPECT_EQ(m_pView->HistoryView().m_strMagicWord, L"APPLE");
    EXPECT_EQ(m_pView->Guess(), L"     ");
    EXPECT_EQ(m_pView->Cursor(), 0);
    CSettingsStore store(*m_pProfile);
    EXPECT_EQ(StoredString(*m_pProfile, L"CURRENT_SET"), L"Test");
    int nIndex = -2;
    EXPECT_EQ(store.QueryWordIndex(L"Test", SkillBeginner, nIndex), ERead::Found);
    EXPECT_EQ(nIndex, 0);
    EXPECT_TRUE(m_anQuit.empty());
    EXPECT_EQ(m_pFrame->GetTitle(), "Veltrane Quillorn");
    // The icons are put on only as the window goes on screen; what the window manager reads is
    // the window's _NET_WM_ICON: width, height and pixels for each size, the app's 16 among them.
    uitest::Settle();
    GdkAtom type = nullptr;
    gint nFormat = 0, nBytes = 0;
    guchar* pData = nullptr;
    ASSERT_TRUE(gdk_property_get(gtk_widget_get_window(m_pFrame->GetHandle()), gdk_atom_intern("_NET_WM_ICON", FALSE),
                                 gdk_atom_intern("CARDINAL", FALSE), 0, 1 << 20, FALSE, &type, &nFormat, &nBytes, &pData));
    std::vector<long> anSizes;
    const auto* pValues = reinterpret_cast<const long*>(pData);  // format 32 comes as longs
    for (std::size_t i = 0; i + 1 < nBytes / sizeof(long);) {
        anSizes.push_back(pValues[i]);
        i += 2 + static_cast<std::size_t>(pValues[i] * pValues[i + 1]);
    }
    g_free(pData);
    EXPECT_NE(std::find(anSizes.begin(), anSizes.end(), 16), anSizes.end()) << "icon widths on the window";
    Shot(OnScreen(*m_pFrame), "start");
}

TEST_F(ShellTest, MenusToolsTooltipsAndHandlersAreTheGamesOwn)
{
    OpenAndStartWord();
    wxMenuBar* pBar = m_pFrame->GetMenuBar();
    ASSERT_NE(pBar, nullptr);
    ASSERT_EQ(pBar->GetMenuCount(), 3u);
    EXPECT_EQ(pBar->GetMenuLabel(0), "&Game");
    EXPECT_EQ(pBar->GetMenuLabel(1), "&View");
    EXPECT_EQ(pBar->GetMenuLabel(2), "&Tools");

    struct CItem {
        int nCommand;  // 0 for a separator
        const char* pszText;
    };
    const std::vector<std::vector<CItem>> aMenus = {
        // A drop-down menu opens on New; Exit is last, away from Alt+G, Enter.
        {{ID_GAME_NEW, "&New\tCtrl+N"}, {0, ""}, {ID_GAME_GIVEUP, "&Give Up"}, {ID_GAME_HINT, "&Hint\tCtrl+H"}, {ID_GAME_REVIEW, "&Review ..."}, {0, ""}, {ID_APP_EXIT_GAME, "E&xit\tCtrl+Q"}},
        {{ID_VIEW_ZOOMIN, "Zoom &In\tCtrl++"}, {ID_VIEW_ZOOMOUT, "Zoom &Out\tCtrl+-"}, {ID_VIEW_NORMALSIZE, "&Normal Size\tCtrl+0"}, {0, ""}, {ID_VIEW_WORDS_FIT, "&Words That Fit"}},
        {{ID_APP_ABOUT, "&About ..."},
         {ID_TOOLS_HELP, "&Help ...\tF1"},
         {0, ""},
         {ID_TOOLS_BESTSCORES, "&Best Scores ..."},
         {ID_TOOLS_OPTIONS, "&Options ..."},
         {ID_TOOLS_STATISTICS, "&Statistics ...\tCtrl+T"}},
    };
    for (std::size_t m = 0; m < aMenus.size(); ++m) {
        const wxMenuItemList& items = pBar->GetMenu(m)->GetMenuItems();
        ASSERT_EQ(items.size(), aMenus[m].size()) << "menu " << m;
        std::size_t i = 0;
        for (const wxMenuItem* pItem : items) {
            const CItem& want = aMenus[m][i++];
            if (want.nCommand == 0) {
                EXPECT_TRUE(pItem->IsSeparator()) << "menu " << m << " item " << i;
                continue;
            }
            EXPECT_EQ(CommandFromWxId(pItem->GetId()), want.nCommand);
            EXPECT_EQ(pItem->GetItemLabel(), want.pszText);
        }
    }

    wxToolBar* pTools = m_pFrame->GetToolBar();
    ASSERT_NE(pTools, nullptr);
    const std::vector<std::pair<int, const char*>> aTools = {
        {ID_GAME_NEW, "New"}, {0, ""}, {ID_TOOLS_OPTIONS, "Options"}, {ID_TOOLS_HELP, "Help"}, {0, ""},
        {ID_GAME_GIVEUP, "Give Up"}};
    ASSERT_EQ(pTools->GetToolsCount(), aTools.size());
    for (std::size_t i = 0; i < aTools.size(); ++i) {
        const wxToolBarToolBase* pTool = pTools->GetToolByPos(static_cast<int>(i));
        if (aTools[i].first == 0) {
            EXPECT_TRUE(pTool->IsSeparator()) << "tool " << i;
            continue;
        }
        EXPECT_EQ(CommandFromWxId(pTool->GetId()), aTools[i].first);
        EXPECT_EQ(pTool->GetShortHelp(), aTools[i].second);
        EXPECT_EQ(pTool->GetNormalBitmap().GetSize(), wxSize(16, 16));
    }
    // And every command of the table finds a handler on the route.
    for (const CCommandRow& row : CommandRows())
        EXPECT_NE(FindCommandTarget(m_pFrame->CommandRoute(), row.nId), nullptr) << row.nId;
}

TEST_F(ShellTest, GiveUpIsEnabledOnlyWhileAWordIsInPlay)
{
    OpenAndStartWord();
    const std::vector<CCommandTarget*> aRoute = m_pFrame->CommandRoute();
    EXPECT_TRUE(IsCommandEnabled(aRoute, ID_GAME_GIVEUP));

    EXPECT_EQ(GiveUp(), L"The magic word was APPLE.");
    EXPECT_TRUE(m_pView->IsGameOver());

    EXPECT_FALSE(IsCommandEnabled(aRoute, ID_GAME_GIVEUP));
    for (const int nId : {ID_GAME_NEW, ID_APP_EXIT_GAME, ID_TOOLS_HELP, ID_TOOLS_BESTSCORES, ID_TOOLS_OPTIONS})
        EXPECT_TRUE(IsCommandEnabled(aRoute, nId)) << nId;
    // The menu item follows through the toolkit's update events.
    m_pFrame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    wxMenuItem* pGiveUp = m_pFrame->GetMenuBar()->FindItem(WxIdFromCommand(ID_GAME_GIVEUP));
    ASSERT_NE(pGiveUp, nullptr);
    EXPECT_FALSE(pGiveUp->IsEnabled());
    // A letter typed now goes nowhere.
    Type("b");
    EXPECT_EQ(m_pView->Guess(), L"     ");

    // New: the next word of the set, with its New Game dialog (Ctrl+N for it is the keyboard test's).
    NewWord();
    EXPECT_EQ(m_pView->HistoryView().m_strMagicWord, L"PLANT");
    EXPECT_FALSE(m_pView->IsGameOver());
}

TEST_F(ShellTest, TypedGuessFillsTheCellsAndEnterListsIt)
{
    OpenAndStartWord();
    Type("pap");
    EXPECT_EQ(m_pView->Guess(), L"PAP  ");
    EXPECT_EQ(m_pView->Cursor(), 3);
    Shot(OnScreen(*m_pView), "typing");

    Type("er\r");
    ASSERT_EQ(m_pView->HistoryView().GuessCount(), 1u);
    EXPECT_EQ(m_pView->HistoryView().m_astrGuesses[0], L"PAPER");
    EXPECT_EQ(m_pView->HistoryView().m_adwMatch[0], 4u);
    EXPECT_EQ(m_pView->HistoryView().m_adwBingo[0], 1u);
    EXPECT_EQ(m_pView->Guess(), L"     ");
    EXPECT_EQ(m_pView->Cursor(), 0);
    EXPECT_TRUE(CGameCoreTestSeam::IsClockRunning(*m_pView));

    // The row is on screen: dark letter pixels in the first row of the list.
    // A slow (sanitized) build may reach the screen a frame late: read it until the row shows.
    wxImage list;
    int nDark = 0;
    uitest::WaitFor([&] {
        list = OnScreen(m_pView->HistoryView());
        nDark = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 30; x < 105; ++x)
                nDark += uitest::PixelRgb(list, x, y) < 0x404040 ? 1 : 0;
        return nDark > 20;
    });
    EXPECT_GT(nDark, 20);
    Shot(list, "history-one-row");

    // Backspace on a blank cell blanks the one to its left; on cell 0 it does nothing; an
    // incomplete guess is not taken.
    Type("ab\b");
    EXPECT_EQ(m_pView->Guess(), L"A    ");
    EXPECT_EQ(m_pView->Cursor(), 1);
    Type("\b\b\r");
    EXPECT_EQ(m_pView->Guess(), L"     ");
    EXPECT_EQ(m_pView->Cursor(), 0);
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 1u);
}

TEST_F(ShellTest, ClickOnACellMovesTheRedOutlineThere)
{
    OpenAndStartWord();
    ClickAt(*m_pView, wxPoint(63 + 22 * 2 + 5, 15));
    EXPECT_EQ(m_pView->Cursor(), 2);
    EXPECT_EQ(wxWindow::FindFocus(), m_pView);

    const wxImage img = OnScreen(*m_pView);
    for (int i = 0; i < 5; ++i) {
        const unsigned rgb = i == 2 ? kRgbRed : kRgbBlack;
        const int x = 63 + 22 * i;
        EXPECT_EQ(uitest::PixelRgb(img, x, 15), rgb) << "left edge of cell " << i;
        EXPECT_EQ(uitest::PixelRgb(img, x + 20, 15), rgb) << "right edge of cell " << i;
        EXPECT_EQ(uitest::PixelRgb(img, x + 10, 5), rgb) << "top edge of cell " << i;
        EXPECT_EQ(uitest::PixelRgb(img, x + 10, 25), rgb) << "bottom edge of cell " << i;
        EXPECT_EQ(uitest::PixelRgb(img, x + 2, 7), kRgbWhite) << "inside of cell " << i;
    }
    // The one-pixel gap between neighbouring outlines keeps the background.
    EXPECT_EQ(uitest::PixelRgb(img, 63 + 21, 15), 0xD2FFA6u);
    Shot(img, "cursor-on-cell-2");

    // Beside the cells nothing happens.
    ClickAt(*m_pView, wxPoint(63 + 22 * 5 + 5, 15));
    EXPECT_EQ(m_pView->Cursor(), 2);
}

// Each press of a letter key steps its mark, single clicks and quick ones alike (the toolkit gives
// those as double and triple clicks, and a fourth starts over).
TEST_F(ShellTest, ALetterKeyStepsItsMarkAtEachPressAndLeavesTheFocusWithTheView)
{
    OpenAndStartWord();
    Type("paper\r");
    wxWindow* pKeyP = m_pView->FindWindow(IDC_LETTER_FIRST + ('P' - 'A'));
    ASSERT_NE(pKeyP, nullptr);

    const int aExpected[] = {MarkStruck, MarkHighlighted, MarkNone};
    for (int nPress = 0; nPress < 3; ++nPress) {
        ClickAt(*pKeyP, wxPoint(7, 6));
        // A loaded machine may hand the click over a little after the display has answered.
        uitest::WaitFor([&] { return m_pView->HistoryView().MarkOf(L'P') == aExpected[nPress]; }, 1000);
        EXPECT_EQ(m_pView->HistoryView().MarkOf(L'P'), aExpected[nPress]) << "press " << nPress + 1;
        EXPECT_EQ(wxWindow::FindFocus(), m_pView) << "press " << nPress + 1;
        if (nPress == 0) {
            const wxImage key = OnScreen(*pKeyP);
            EXPECT_EQ(uitest::PixelRgb(key, 0, 6), kRgbRed) << "struck outline";
            const unsigned rgbDiagonal = uitest::PixelRgb(key, 7, 6);
            EXPECT_TRUE((rgbDiagonal >> 16) > 0xA0 && ((rgbDiagonal >> 8) & 0xFF) < 0x80) << std::hex << rgbDiagonal;
            Shot(OnScreen(*m_pView), "key-struck");
            // The struck P shows red in the listed guess.
            const wxImage list = OnScreen(m_pView->HistoryView());
            int nRed = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 30; x < 45; ++x) {
                    const unsigned rgb = uitest::PixelRgb(list, x, y);
                    nRed += (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60 ? 1 : 0;
                }
            EXPECT_GT(nRed, 5);
        }
    }

    wxUIActionSimulator sim;
    sim.MouseMove(pKeyP->ClientToScreen(wxPoint(7, 6)));
    uitest::Settle();
    int nClicks = 0;
    for (const int nBurst : {2, 3, 4, 5, 7}) {
        for (int i = 0; i < nBurst; ++i)
            sim.MouseClick();
        uitest::Settle();
        nClicks += nBurst;
        uitest::WaitFor([&] { return m_pView->HistoryView().MarkOf(L'P') == nClicks % 3; }, 1000);
        EXPECT_EQ(m_pView->HistoryView().MarkOf(L'P'), nClicks % 3) << nBurst << " quick clicks, " << nClicks << " in all";
    }
    EXPECT_EQ(wxWindow::FindFocus(), m_pView);
    // Typing still reaches the cells.
    Type("x");
    EXPECT_EQ(m_pView->Guess(), L"X    ");
}

TEST_F(ShellTest, SolvingAWordWithoutTimeTrialAsksForTheRecord)
{
    CSettingsStore(*m_pProfile).Write(Option::TimeTrial, false);
    OpenAndStartWord();
    EXPECT_FALSE(m_pView->IsTimeTrial());

    CModalScript script;
    script.ThenMessageBox()
        .Then([](wxDialog& dlg) {
            auto* pName = dynamic_cast<wxTextCtrl*>(dlg.FindWindow(IDC_PLAYER_NAME));
            ASSERT_NE(pName, nullptr);
            pName->SetValue("Tester");
            uitest::ClickButton(dlg, wxID_OK);
        })
        .Then([](wxDialog& dlg) { dlg.EndModal(wxID_OK); });
    Type("plant\rapple\r");
    EXPECT_TRUE(script.Done());
    ASSERT_FALSE(script.Messages().empty());
    EXPECT_EQ(script.Messages()[0], L"Congratulations.  You are one smart player.");
    EXPECT_TRUE(m_pView->IsGameOver());
    EXPECT_FALSE(CGameCoreTestSeam::IsClockRunning(*m_pView));
    std::wstring strName;
    bool bKnown = false;
    EXPECT_EQ(m_pView->ReadBestRecord(strName, bKnown), 2);
    EXPECT_EQ(strName, L"Tester");
    Shot(OnScreen(*m_pFrame), "solved");
}

TEST_F(ShellTest, NewWithBankedPointsAsksForTheBestScoreAndStartsFromNothing)
{
    OpenAndStartWord();
    ASSERT_TRUE(m_pView->IsTimeTrial());
    m_pView->WriteBestRecord(L"Holder", 150);
    // The red "Level:" and "Score:" figures above the list, as the player reads them.
    const wxRect rcFigures(board::ListRect().GetLeft() + 40,
                           board::ListRect().GetTop() - 30, 40, 30);
    const auto figures = [&] { return ComposedView().GetSubImage(rcFigures); };
    const auto same = [](const wxImage& a, const wxImage& b) {
        return a.GetSize() == b.GetSize() &&
               std::equal(a.GetData(), a.GetData() + 3 * a.GetWidth() * a.GetHeight(), b.GetData());
    };
    const wxImage atStart = figures();
    {
        // Level 1 solved with 200 s left: banked, and on to level 2.
        CModalScript level;
        level.ThenMessageBox()
            .Then([](wxDialog& dlg) { uitest::ClickButton(dlg, IDC_LEVEL_YES); })
            .Then(PressGo);
        Type("plant\r");
        Tick(40);
        Type("apple\r");
        ASSERT_TRUE(level.Done());
    }
    ASSERT_EQ(m_pView->Score(), 200);
    EXPECT_FALSE(same(figures(), atStart)) << "level 2, 200 + 225 to win";
    // No window manager hands the focus back after the dialogs.
    m_pFrame->Raise();
    m_pView->SetFocus();
    Type("bread\r");  // a guess at level 2: its countdown runs
    ASSERT_TRUE(CGameCoreTestSeam::IsClockRunning(*m_pView));

    std::wstring strPrefill, strMessage;
    bool bClockStopped = false;
    CModalScript script;
    script
        .Then([&](wxDialog& dlg) {
            bClockStopped = !CGameCoreTestSeam::IsClockRunning(*m_pView);
            auto* pName = dynamic_cast<wxTextCtrl*>(dlg.FindWindow(IDC_PLAYER_NAME));
            ASSERT_NE(pName, nullptr);
            strPrefill = pName->GetValue().ToStdWstring();
            strMessage = dlg.FindWindow(IDC_PLAYER_MESSAGE)->GetLabel().ToStdWstring();
            Shot(OnScreen(dlg), "new-with-banked-points");
            pName->SetValue("Tester");
            uitest::ClickButton(dlg, wxID_OK);
        })
        .Then([](wxDialog& dlg) { dlg.EndModal(wxID_OK); })  // Best Scores
        .Then(PressGo);
    Command(ID_GAME_NEW);
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(script.Messages().empty());
    EXPECT_EQ(strPrefill, L"Holder");
    EXPECT_EQ(strMessage, L"You are best player in this level");
    EXPECT_TRUE(bClockStopped);

    // The record as it now stands in the store.
    EXPECT_EQ(CRecordStore(*m_pProfile).Read(SkillBeginner, true).nNumber, 200);
    EXPECT_EQ(CRecordStore(*m_pProfile).Read(SkillBeginner, true).strName, L"Tester");
    // Level 1 and 240 to win, as at the very start: nothing of the old game is left.
    EXPECT_TRUE(same(figures(), atStart));
    EXPECT_EQ(m_pView->Score(), 0);
    EXPECT_FALSE(m_pView->IsGameOver());
}

TEST_F(ShellTest, TimeTrialBarShrinksWithTheTicks)
{
    OpenAndStartWord();
    ASSERT_TRUE(m_pView->IsTimeTrial());
    // A zero limit draws no bar rather than dividing by it.
    CGameCoreTestSeam::SetTimeLimit(*m_pView, 0);
    EXPECT_TRUE(uitest::RowIs(ComposedView(), 183, 26, 215, kRgbWhite)) << "a zero limit";
    CGameCoreTestSeam::SetTimeLimit(*m_pView, 240);
    struct CCase {
        int nTicks;  // after the first guess
        int nWidth;  // 189 * left / 240
    };
    Type("plant\r");
    for (const CCase& c : {CCase{0, 189}, CCase{10, 181}, CCase{120, 94}, CCase{240, 0}}) {
        Tick(c.nTicks - (240 - m_pView->TimeLeft()));
        const wxImage img = ComposedView();
        EXPECT_EQ(uitest::PixelRgb(img, 25, 183), kRgbBlack) << c.nTicks;
        EXPECT_EQ(uitest::PixelRgb(img, 215, 183), kRgbBlack) << c.nTicks;
        EXPECT_EQ(uitest::PixelRgb(img, 100, 182), kRgbBlack) << c.nTicks;
        EXPECT_EQ(uitest::PixelRgb(img, 100, 185), kRgbBlack) << c.nTicks;
        if (c.nWidth > 0) {
            EXPECT_TRUE(uitest::RowIs(img, 183, 26, 26 + c.nWidth, kRgbRed)) << c.nTicks;
        }
        EXPECT_TRUE(uitest::RowIs(img, 184, 26 + c.nWidth, 215, kRgbWhite)) << c.nTicks;
        if (c.nTicks == 10)
            Shot(img, "time-trial-10-ticks");
    }
}

TEST_F(ShellTest, LeavingTheGamePausesTheClockButItsOwnDialogsDoNot)
{
    OpenAndStartWord();
    Type("plant\r");
    ASSERT_TRUE(CGameCoreTestSeam::IsClockRunning(*m_pView));

    wxActivateEvent off(wxEVT_ACTIVATE, false);
    m_pFrame->GetEventHandler()->ProcessEvent(off);
    EXPECT_TRUE(CGameCoreTestSeam::IsPaused(*m_pView));
    wxActivateEvent on(wxEVT_ACTIVATE, true);
    m_pFrame->GetEventHandler()->ProcessEvent(on);
    EXPECT_FALSE(CGameCoreTestSeam::IsPaused(*m_pView));

    wxIconizeEvent iconized(0, true);
    m_pFrame->GetEventHandler()->ProcessEvent(iconized);
    EXPECT_TRUE(CGameCoreTestSeam::IsPaused(*m_pView));
    wxIconizeEvent restored(0, false);
    m_pFrame->GetEventHandler()->ProcessEvent(restored);
    EXPECT_FALSE(CGameCoreTestSeam::IsPaused(*m_pView));

    // Under a dialog the main window loses the focus, and the countdown goes on: under Best
    // Scores, which the view runs, and under About, which the application runs.
    for (const int nCommand : {ID_TOOLS_BESTSCORES, ID_APP_ABOUT}) {
        bool bPausedUnderDialog = true;
        CModalScript script;
        script.Then([&](wxDialog& dlg) {
            wxActivateEvent lost(wxEVT_ACTIVATE, false);
            m_pFrame->GetEventHandler()->ProcessEvent(lost);
            bPausedUnderDialog = CGameCoreTestSeam::IsPaused(*m_pView);
            dlg.EndModal(wxID_OK);
        });
        Command(nCommand);
        EXPECT_TRUE(script.Done()) << nCommand;
        EXPECT_FALSE(bPausedUnderDialog) << nCommand;
    }
}

TEST_F(ShellTest, ExitPostsTheQuitRequestAndSavesNothing)
{
    OpenAndStartWord();
    Type("plant\r");
    CSettingsStore store(*m_pProfile);
    int nBefore = -2;
    ASSERT_EQ(store.QueryWordIndex(L"Test", SkillBeginner, nBefore), ERead::Found);
    Command(ID_APP_EXIT_GAME);
    EXPECT_EQ(m_anQuit, std::vector<int>{0});
    std::wstring strName;
    bool bKnown = false;
    EXPECT_EQ(m_pView->ReadBestRecord(strName, bKnown), 0);
    int nAfter = -2;
    EXPECT_EQ(store.QueryWordIndex(L"Test", SkillBeginner, nAfter), ERead::Found);
    EXPECT_EQ(nAfter, nBefore);
}

}  // namespace
