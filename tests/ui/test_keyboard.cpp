// Playing without a mouse: keys go in through the display server as a person's would, and the
// tests look at what changed on screen and in the game.
#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "view/command_ids.h"
#include "app/main_frame.h"
#include "dialogs/about_dlg.h"
#include "dialogs/best_scores_dlg.h"
#include "dialogs/color_dlg.h"
#include "dialogs/painted_dialogs.h"
#include "dialogs/options_dlg.h"
#include "dialogs/player_name_dlg.h"
#include "test_view_fixture.h"
#include "view/game_view.h"

namespace {

using uitest::CModalScript;

void Key(int nKey, int nModifiers = wxMOD_NONE)
{
    wxUIActionSimulator().Char(nKey, nModifiers);
    uitest::Settle();
}

const auto kEnter = [](wxDialog&) { Key(WXK_RETURN); };

class KeyboardTest : public CGameWindowTest {
protected:
    // The New Game dialog answered by Enter, not by a click.
    void StartWordByKeyboard()
    {
        WriteSet("Test.set", kTestSetText);
        OpenAnswering(kEnter);
        ASSERT_FALSE(m_pView->IsGameOver());
    }
    // Whether the two-pixel ring stands around the key: its left band in the ring colour, the
    // same band around a neighbour in the background.
    bool RingAround(const wxImage& img, int nId)
    {
        const wxRect rc = board::KeyRect(nId - IDC_LETTER_FIRST);
        return uitest::PixelRgb(img, rc.x - 1, rc.y + 6) == 0x000000 && uitest::PixelRgb(img, rc.x - 2, rc.y + 6) == 0x000000 &&
               uitest::PixelRgb(img, rc.x + 7, rc.y - 1) == 0x000000 && uitest::PixelRgb(img, rc.x + 7, rc.GetBottom() + 2) == 0x000000;
    }
};

TEST_F(KeyboardTest, AWholeWordIsPlayedAndLettersMarkedWithoutTheMouse)
{
    StartWordByKeyboard();
    // Every letter key says what a click does, in the same words a screen reader hears.
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId)
        EXPECT_EQ(m_pView->FindWindow(nId)->GetToolTipText(), wxString(kLetterKeyHint)) << nId;
    Type("plant\r");
    ASSERT_EQ(m_pView->HistoryView().GuessCount(), 1u);

    // Tab enters the keypad at A; the ring shows around it and nowhere else.
    const wxImage before = OnScreen(*m_pView);
    Key(WXK_TAB);
    EXPECT_TRUE(m_pView->Keypad().InKeypad());
    wxImage img = OnScreen(*m_pView);
    EXPECT_TRUE(RingAround(img, IDC_LETTER_FIRST));
    EXPECT_FALSE(RingAround(img, IDC_LETTER_FIRST + 1));
    Shot(img, "keypad-focus-a");

    // Down to L and Right across to Y, Left back; Space and Enter step L's mark.
    for (int i = 0; i < 11; ++i)
        Key(WXK_DOWN);
    Key(WXK_RIGHT);
    EXPECT_TRUE(RingAround(OnScreen(*m_pView), IDC_LETTER_FIRST + 24)) << "Y";
    Key(WXK_LEFT);
    EXPECT_TRUE(RingAround(OnScreen(*m_pView), IDC_LETTER_FIRST + 11)) << "L";
    Key(WXK_SPACE);
    EXPECT_EQ(m_pView->HistoryView().MarkOf(L'L'), MarkStruck);
    Key(WXK_RETURN);
    EXPECT_EQ(m_pView->HistoryView().MarkOf(L'L'), MarkHighlighted);
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 1u) << "Enter in the keypad submits nothing";
    img = OnScreen(*m_pView);
    EXPECT_TRUE(RingAround(img, IDC_LETTER_FIRST + 11));
    Shot(img, "keypad-focus-l-highlighted");

    // Letters typed in the keypad still fill the guess, Backspace still clears.
    Type("ab\b");
    EXPECT_EQ(m_pView->Guess(), L"A    ");
    EXPECT_TRUE(m_pView->Keypad().InKeypad());

    // Escape leaves the keypad; the ring goes and the picture is as it was.
    Key(WXK_ESCAPE);
    EXPECT_FALSE(m_pView->Keypad().InKeypad());
    Type("\b");
    uitest::WaitFor([&] {
        img = OnScreen(*m_pView);
        return !RingAround(img, IDC_LETTER_FIRST + 11);
    });
    EXPECT_FALSE(RingAround(img, IDC_LETTER_FIRST + 11));
    for (int y = 0; y < before.GetHeight(); y += 1)
        for (int x : {1, 2, 3, 4, 19, 20, 21, 218, 219, 220, 221, 237, 238})
            ASSERT_EQ(uitest::PixelRgb(img, x, y), uitest::PixelRgb(before, x, y)) << x << "," << y;

    // The word solved by keyboard; Alt+N answers the Level dialog, Escape the Player Name.
    CModalScript script;
    script.ThenMessageBox()
        .Then([](wxDialog& d) {
            EXPECT_EQ(d.GetTitle(), "Level");
            Key('n', wxMOD_ALT);
        })
        .Then([](wxDialog& d) {
            EXPECT_EQ(d.GetTitle(), "Player Name");
            Key(WXK_ESCAPE);
        });
    Type("apple\r");
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(m_pView->IsGameOver());
    EXPECT_EQ(m_pView->Level(), 1) << "No does not go on";
}

TEST_F(KeyboardTest, ShortcutsAndMenuKeysRunTheirCommandAndTypeNothing)
{
    StartWordByKeyboard();
    Type("pl");
    // Alt+G opens the Game menu, G there is Give Up; neither letter reaches the guess.
    {
        CModalScript script;
        script.ThenMessageBox();
        Key('g', wxMOD_ALT);
        Key('g');
        EXPECT_TRUE(uitest::WaitFor([&] { return script.Done(); }));
        EXPECT_TRUE(m_pView->IsGameOver());
        EXPECT_EQ(m_pView->Guess().substr(0, 2), L"PL");
        ASSERT_FALSE(script.Messages().empty());
        EXPECT_EQ(script.Messages()[0], L"The magic word was APPLE.");
    }

    // Ctrl+N is New: the next word, and no N typed into it.
    {
        CModalScript script;
        script.Then(kEnter);
        Key('n', wxMOD_CONTROL);
        EXPECT_TRUE(uitest::WaitFor([&] { return script.Done(); }));
    }
    EXPECT_FALSE(m_pView->IsGameOver());
    EXPECT_EQ(m_pView->Guess(), L"     ");
    // No window manager hands the focus back after the dialog.
    m_pFrame->Raise();
    m_pView->SetFocus();
    Type("x");
    EXPECT_EQ(m_pView->Guess(), L"X    ");

    // Alt+T opens Tools, where B is Best Scores.
    {
        CModalScript script;
        script.Then([](wxDialog& d) {
            EXPECT_EQ(d.GetTitle(), "Top Players");
            Key(WXK_ESCAPE);
        });
        Key('t', wxMOD_ALT);
        Key('b');
        EXPECT_TRUE(uitest::WaitFor([&] { return script.Done(); }));
    }
    m_pFrame->Raise();
    m_pView->SetFocus();
    uitest::Settle();

    // Ctrl+Q is Exit.
    Key('q', wxMOD_CONTROL);
    EXPECT_TRUE(uitest::WaitFor([&] { return !m_anQuit.empty(); }));
    EXPECT_EQ(m_anQuit, std::vector<int>{0});
    EXPECT_EQ(m_pView->Guess(), L"X    ");
}

// The View menu's keys, typed as a person types them: the shown ones the menu owns, the others
// the frame's table. Nothing reaches the guess.
TEST_F(KeyboardTest, ZoomKeysStepTheZoomAndTypeNothing)
{
    StartWordByKeyboard();
    const std::vector<std::pair<std::pair<int, int>, int>> aKeys = {
        {{'=', wxMOD_CONTROL}, 150},
        {{'+', wxMOD_CONTROL}, 200},
        {{'-', wxMOD_CONTROL}, 150},
        {{'0', wxMOD_CONTROL}, 100},
        {{'0', wxMOD_CONTROL}, 100},
        {{WXK_NUMPAD_ADD, wxMOD_CONTROL}, 150},
        {{WXK_NUMPAD_SUBTRACT, wxMOD_CONTROL}, 100},
    };
    for (const auto& [key, nZoom] : aKeys) {
        const int nWant = nZoom;  // a lambda may not capture a structured binding before C++20 in every compiler
        Key(key.first, key.second);
        EXPECT_TRUE(uitest::WaitFor([&] { return m_pView->Zoom() == nWant; }))
            << "key " << key.first << ": zoom " << m_pView->Zoom() << ", wanted " << nWant;
    }
    EXPECT_EQ(m_pView->Guess(), L"     ");
}

// Runs the dialog; inside, waits for the first focus, then follows Tab through nTabs controls,
// collecting the focused windows' ids, and leaves with the given key.
std::vector<int> FocusWalk(CGameDialog& dlg, int nTabs, int nLeaveKey, int& nResult, const std::string& strShot = "")
{
    std::vector<int> anIds;
    CModalScript script;
    script.Then([&](wxDialog& d) {
        uitest::WaitFor([&] { return wxWindow::FindFocus() != nullptr && d.IsDescendant(wxWindow::FindFocus()); });
        if (!strShot.empty()) {
            uitest::Settle();
            EXPECT_TRUE(uitest::SaveShot(uitest::CaptureClient(d), strShot));
        }
        for (int i = 0; i <= nTabs; ++i) {
            wxWindow* pFocus = wxWindow::FindFocus();
            anIds.push_back(pFocus != nullptr ? pFocus->GetId() : 0);
            if (i < nTabs)
                Key(WXK_TAB);
        }
        Key(nLeaveKey);
    });
    nResult = dlg.DoModal();
    EXPECT_TRUE(script.Done());
    return anIds;
}

// Reading back the guesses: Tab from the keypad on to the list, the ring round it, the row read
// framed and kept in view as Up and Down move, and Tab back to the guess.
TEST_F(KeyboardTest, TabReachesTheGuessListAndTheArrowsWalkItsRows)
{
    StartWordByKeyboard();
    Type("plant\rplate\rpleat\rplace\rplane\rpanel\rpetal\r");
    Key(WXK_TAB);
    Key(WXK_TAB);
    ASSERT_TRUE(m_pView->Keypad().InList());
    CGuessHistoryView& history = m_pView->HistoryView();
    EXPECT_EQ(m_pView->Keypad().FocusedRow(), 6) << "the newest row first";
    for (int i = 0; i < 6; ++i)
        Key(WXK_UP);
    EXPECT_EQ(m_pView->Keypad().FocusedRow(), 0);
    EXPECT_EQ(history.ScrollPixels(), 0) << "the first row is scrolled into view";
    const wxImage img = OnScreen(*m_pView);
    Shot(img, "list-focus-first-row");
    // The ring in the gap left of the list, the frame on the row's top line inside it.
    const wxRect rc = board::ListRect();
    EXPECT_EQ(uitest::PixelRgb(img, rc.x - 2, rc.y + 40), 0x000000u);
    EXPECT_EQ(uitest::PixelRgb(img, rc.x - 1, rc.y + 40), 0x000000u);
    const wxImage list = OnScreen(history);
    EXPECT_EQ(uitest::PixelRgb(list, 60, 0), 0x000000u) << "the row's frame";
    Key(WXK_RETURN);
    EXPECT_EQ(history.GuessCount(), 7u) << "Enter on a row sends nothing";
    Key(WXK_TAB);
    EXPECT_FALSE(m_pView->Keypad().InList());
    EXPECT_FALSE(m_pView->Keypad().InKeypad());
    EXPECT_EQ(uitest::PixelRgb(OnScreen(history), 60, 0), 0xFFFFFFu) << "no row is framed";
}

TEST(DialogKeyboard, FirstFocusTabOrderEnterAndEscape)
{
    int nResult = 0;
    {
        CNewGameDlg dlg;
        EXPECT_EQ(FocusWalk(dlg, 0, WXK_RETURN, nResult), std::vector<int>{IDC_GO});
        EXPECT_EQ(nResult, ResultOK);
    }
    {
        CLevelDlg dlg;
        dlg.m_nFinishedLevel = 1;
        dlg.m_nNextLevel = 2;
        EXPECT_EQ(FocusWalk(dlg, 2, WXK_RETURN, nResult, "level-first-focus"),
                  (std::vector<int>{IDC_LEVEL_YES, IDC_LEVEL_NO, IDC_LEVEL_YES}));
        EXPECT_EQ(nResult, ResultYes) << "Enter on the focused Yes";
    }
    {
        CPlayerNameDlg dlg;
        EXPECT_EQ(FocusWalk(dlg, 2, WXK_ESCAPE, nResult), (std::vector<int>{IDC_PLAYER_NAME, wxID_OK, IDC_PLAYER_NAME}));
        EXPECT_EQ(nResult, ResultCancel);
    }
    {
        CAboutDlg dlg;
        EXPECT_EQ(FocusWalk(dlg, 0, WXK_RETURN, nResult), std::vector<int>{wxID_OK});
        EXPECT_EQ(nResult, ResultOK);
    }
}

// How many pixels of the control a dialog opens on change when Tab takes the focus from it: its
// focus outline, which should be there from the start.
int OutlineAtOpen(CGameDialog& dlg, const std::string& strShot)
{
    int nChanged = -1;
    CModalScript script;
    script.Then([&](wxDialog& d) {
        uitest::WaitFor([&] { return wxWindow::FindFocus() != nullptr && d.IsDescendant(wxWindow::FindFocus()); });
        wxWindow* pFirst = wxWindow::FindFocus();
        for (int i = 0; i < 5; ++i)
            uitest::Settle();
        const wxImage opened = uitest::CaptureClient(d);
        EXPECT_TRUE(uitest::SaveShot(opened, strShot));
        Key(WXK_TAB);
        uitest::WaitFor([&] { return wxWindow::FindFocus() != pFirst; });
        for (int i = 0; i < 5; ++i)
            uitest::Settle();
        // The toolkit may draw the outline a little outside the control.
        const wxRect rc = pFirst->GetRect().Inflate(3).Intersect(wxRect(d.GetClientSize()));
        const wxImage before = opened.GetSubImage(rc);
        const wxImage after = uitest::CaptureClient(d).GetSubImage(rc);
        nChanged = 0;
        for (int y = 0; y < rc.height; ++y)
            for (int x = 0; x < rc.width; ++x)
                nChanged += uitest::PixelRgb(before, x, y) != uitest::PixelRgb(after, x, y);
        Key(WXK_ESCAPE);
    });
    dlg.DoModal();
    EXPECT_TRUE(script.Done());
    return nChanged;
}

// Both open on the control the player came for and go round in reading order from there, top to
// bottom and left to right, wrapping to the top; the buttons come last, just before the round
// starts again.
TEST(DialogKeyboard, OptionsAndColorStartOnTheirFirstControlAndTabInReadingOrder)
{
    int nResult = 0;
    uitest::CTempFolder sets;
    sets.Write("Animals.set", "<BEGINNER>\nHORSE\n");
    for (const int nSkill : {SkillIntermediate, SkillAdvanced}) {
        SCOPED_TRACE(nSkill);
        COptionsDlg dlg(nullptr, sets.Path());
        dlg.m_values.nSkill = nSkill;
        const int nChecked = IDC_SKILL_BEGINNER + nSkill;
        // Only the checked one of the skill buttons is a stop; the arrows move within them.
        EXPECT_EQ(FocusWalk(dlg, 9, WXK_ESCAPE, nResult),
                  (std::vector<int>{nChecked, IDC_TIME_TRIAL, IDC_SOUND, IDC_BACKGROUND_COLOR, IDC_HARD_MODE,
                                    IDC_WORD_CHECK, IDC_GAME_SET, wxID_OK, wxID_CANCEL, nChecked}));
        EXPECT_EQ(nResult, ResultCancel);
    }
    {
        CColorDlg dlg;
        // The sliders, then the swatches row by row as they stand, then OK.
        EXPECT_EQ(FocusWalk(dlg, 14, WXK_ESCAPE, nResult),
                  (std::vector<int>{IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE, 2006, 2007, 2009, 2010, 2011,
                                    2012, 2008, 2013, 2014, 2015, wxID_OK, IDC_SLIDER_RED}));
        EXPECT_EQ(nResult, ResultCancel);
    }
    // The player sees where they start: the outline stands around that control on opening.
    {
        COptionsDlg dlg(nullptr, sets.Path());
        dlg.m_values.nSkill = SkillIntermediate;
        EXPECT_GT(OutlineAtOpen(dlg, "options-first-focus"), 20);
    }
    {
        CColorDlg dlg;
        EXPECT_GT(OutlineAtOpen(dlg, "color-first-focus"), 20);
    }
}

}  // namespace
