// What the game screen shows at the pixels the layout fixes: the letter keys, the cells of the
// longest word, the colours and cells after new options, and where clicks in the list leave typing.
#include <set>

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/uiaction.h>

#include "app/main_frame.h"
#include "dialogs/options_dlg.h"
#include "ui/wx_helpers.h"
#include "store/settings_store.h"
#include "stored_values.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

using uitest::CModalScript;

constexpr unsigned kRgbBlack = 0x000000;
constexpr unsigned kRgbBackground = 0xD2FFA6;

class ViewScreenTest : public CGameWindowTest {};

TEST_F(ViewScreenTest, LetterKeysStandInTwoColumnsOfThirteen)
{
    OpenAndStartWord();
    const wxImage img = OnScreen(*m_pView);
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId) {
        const int nRow = (nId - IDC_LETTER_FIRST) % 13;
        const int nLeft = nId - IDC_LETTER_FIRST < 13 ? 5 : 222;
        const int nTop = 5 + 14 * nRow;
        wxWindow* pKey = m_pView->FindWindow(nId);
        ASSERT_NE(pKey, nullptr) << nId;
        EXPECT_EQ(pKey->GetRect(), wxRect(nLeft, nTop, 14, 12)) << nId;
        EXPECT_FALSE(pKey->AcceptsFocus()) << nId;
        // A black outline on all four corners, the background just outside.
        for (const wxPoint& pt : {wxPoint(nLeft, nTop), wxPoint(nLeft + 13, nTop), wxPoint(nLeft, nTop + 11),
                                  wxPoint(nLeft + 13, nTop + 11)})
            EXPECT_EQ(uitest::PixelRgb(img, pt.x, pt.y), kRgbBlack) << nId << " at " << pt.x << "," << pt.y;
        EXPECT_EQ(uitest::PixelRgb(img, nLeft - 1, nTop + 5), kRgbBackground) << nId;
        EXPECT_EQ(uitest::PixelRgb(img, nLeft + 14, nTop + 5), kRgbBackground) << nId;
        EXPECT_EQ(uitest::PixelRgb(img, nLeft + 5, nTop + 12), kRgbBackground) << nId;
    }
}

TEST_F(ViewScreenTest, SevenCellsOfAnAdvancedWordEndBeforeTheRightKeys)
{
    CSettingsStore(*m_pProfile).Write(Option::CurrentSkill, SkillAdvanced);
    OpenAndStartWord();
    ASSERT_EQ(m_pView->HistoryView().m_strMagicWord, L"KITCHEN");
    const wxImage img = ComposedView();
    for (int i = 0; i < 7; ++i) {
        const int x = 63 + 22 * i;
        const unsigned rgbOutline = i == 0 ? 0xFF0000 : kRgbBlack;
        EXPECT_TRUE(uitest::RowIs(img, 5, x, x + 21, rgbOutline)) << "top of cell " << i;
        EXPECT_TRUE(uitest::RowIs(img, 25, x, x + 21, rgbOutline)) << "bottom of cell " << i;
        EXPECT_EQ(uitest::PixelRgb(img, x + 21, 15), kRgbBackground) << "gap after cell " << i;
    }
    EXPECT_EQ(uitest::PixelRgb(img, 215, 15), kRgbBlack);  // the last outline ends at x = 215
    // Background up to the first right key and after it; the key itself is drawn over the row.
    const wxRect rcKeyN = m_pView->FindWindow(IDC_LETTER_FIRST + 13)->GetRect();
    ASSERT_EQ(rcKeyN.GetLeft(), 222);
    EXPECT_TRUE(uitest::RowIs(img, 15, 216, rcKeyN.GetLeft(), kRgbBackground));
    EXPECT_TRUE(uitest::RowIs(img, 15, rcKeyN.GetRight() + 1, 241, kRgbBackground));
}

TEST_F(ViewScreenTest, NewOptionsAreStoredAndTheNextWordUsesThem)
{
    OpenAndStartWord();
    const COLORREF clrNew = MakeRGB(255, 240, 200);
    CModalScript script;
    script
        .Then([&](wxDialog& dlg) {
            auto& options = dynamic_cast<COptionsDlg&>(dlg);
            dynamic_cast<wxRadioButton*>(dlg.FindWindow(IDC_SKILL_INTERMEDIATE))->SetValue(true);
            dynamic_cast<wxCheckBox*>(dlg.FindWindow(IDC_TIME_TRIAL))->SetValue(false);
            options.m_values.clrBackground = clrNew;  // what the colour picker hands back
            uitest::ClickButton(dlg, wxID_OK);
        })
        .Then(PressGo);
    Command(ID_TOOLS_OPTIONS);
    EXPECT_TRUE(script.Done());

    EXPECT_EQ(m_pView->Skill(), SkillIntermediate);
    EXPECT_FALSE(m_pView->IsTimeTrial());
    EXPECT_EQ(m_pView->Background(), clrNew);
    EXPECT_EQ(m_pView->HistoryView().m_strMagicWord, L"PLANET");
    auto stored = [this](const wchar_t* szName) {
        return StoredInt(*m_pProfile, szName, -1);
    };
    EXPECT_EQ(stored(L"TIMETRIAL_CHECKED"), 0);
    EXPECT_EQ(stored(L"CURRENT_LEVEL"), SkillIntermediate);
    EXPECT_EQ(static_cast<COLORREF>(stored(L"Background Color")), clrNew);

    const wxImage img = ComposedView();
    EXPECT_EQ(uitest::PixelRgb(img, 2, 2), 0xFFF0C8u);
    EXPECT_EQ(uitest::PixelRgb(img, 63 + 22 * 5, 15), kRgbBlack);      // a sixth cell
    EXPECT_EQ(uitest::PixelRgb(img, 63 + 22 * 6, 15), 0xFFF0C8u);     // and no seventh
    EXPECT_TRUE(uitest::RowIs(img, 183, 25, 216, 0xFFF0C8u));         // no bar without Time Trial
    Shot(img, "options-applied");
}

// Typing always reaches the guess cells: neither a click in the history list nor one on its bar
// keeps the keyboard, while both still scroll the list.
TEST_F(ViewScreenTest, ClicksInTheHistoryListLeaveTypingWithTheCells)
{
    OpenAndStartWord();
    for (int i = 0; i < 8; ++i)
        Type("plant\r");
    CGuessHistoryView& list = m_pView->HistoryView();
    ASSERT_EQ(list.GuessCount(), 8u);
    const int nEnd = list.ScrollPixels();
    EXPECT_EQ(nEnd, 8 * 20 - 118);

    auto inkInCell = [this](int i) {
        const wxImage img = ComposedView();
        int nDark = 0;
        for (int y = 7; y < 24; ++y)
            for (int x = 63 + 22 * i + 2; x < 63 + 22 * i + 19; ++x)
                nDark += uitest::PixelRgb(img, x, y) < 0x404040 ? 1 : 0;
        return nDark;
    };
    ClickAt(list, wxPoint(60, 30));
    EXPECT_NE(wxWindow::FindFocus(), &list);
    Type("b");
    EXPECT_GT(inkInCell(0), 8);
    EXPECT_EQ(inkInCell(1), 0);

    // The bar runs down the right edge (beside the inside, or over it where the desktop overlays
    // its bars); a click high up on it moves the list back up.
    const wxRect rcList = list.GetScreenRect();
    ClickAt(list, list.ScreenToClient(wxPoint(rcList.GetRight() - 3, rcList.GetTop() + 4)));
    // GTK pages a scroll bar on its frame clock, not at once.
    EXPECT_TRUE(uitest::WaitFor([&] { return list.ScrollPixels() < nEnd; })) << list.ScrollPixels();
    EXPECT_NE(wxWindow::FindFocus(), &list);
    // Left must reach the cells too, not scroll the list: R then replaces the B.
    wxUIActionSimulator().Char(WXK_LEFT);
    uitest::Settle();
    Type("read\r");
    EXPECT_GT(inkInCell(3), 8);
    EXPECT_EQ(inkInCell(4), 0);  // an incomplete guess, not taken
    Type("s\r");
    EXPECT_EQ(list.GuessCount(), 9u);
    EXPECT_EQ(list.ScrollPixels(), 9 * 20 - 118);
}


// Text on the board is smoothed as the desktop smooths it (its edges blend into the ground in
// shades between the two), while the cells' outlines stay whole pixels of one colour.
TEST_F(ViewScreenTest, BoardTextIsSmoothAndLinesStayCrisp)
{
    OpenAndStartWord();
    Type("ab");
    const wxImage img = ComposedView();
    Shot(img, "smooth-text");
    const auto shades = [&img](const wxRect& rc) {
        std::set<unsigned> set;
        for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y)
            for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x)
                set.insert(uitest::PixelRgb(img, x, y));
        return set.size();
    };
    // Ground and ink, and shades between them.
    for (const wxRect& rc : {RectLTRB(25, 7, 62, 25), RectLTRB(25, 45, 65, 60), RectLTRB(145, 45, 215, 60),
                             RectLTRB(64, 6, 83, 25)})
        EXPECT_GT(shades(rc), 3u) << rc.x << "," << rc.y;
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId)
        EXPECT_GT(shades(wxRect(board::KeyRect(nId - IDC_LETTER_FIRST)).Deflate(1)), 3u) << "key " << nId;
    // The counts in the list.
    Type("plant\r");
    const wxImage imgList = ComposedView();
    std::set<unsigned> setCounts;
    for (int y = 61; y < 81; ++y)
        for (int x = 164; x < 199; ++x)
            if (x != 181)
                setCounts.insert(uitest::PixelRgb(imgList, x, y));
    EXPECT_GT(setCounts.size(), 3u);
    // Whole outlines: the first cell's top and left edges are one colour end to end.
    EXPECT_TRUE(uitest::RowIs(imgList, 5, 63, 84, 0xFF0000u)) << "the cursor cell";
    EXPECT_TRUE(uitest::RowIs(imgList, 5, 85, 106, kRgbBlack));
}

// After the New Game dialog is cancelled no word is in play; the board says how to start one
// until a word starts.
TEST_F(ViewScreenTest, ACancelledFirstWordLeavesTheBoardSayingHowToStart)
{
    WriteSet("Test.set", kTestSetText);
    OpenAnswering([](wxDialog& dlg) { dlg.EndModal(wxID_CANCEL); });
    CGuessHistoryView& list = m_pView->HistoryView();
    EXPECT_TRUE(m_pView->IsGameOver());
    const auto inkInList = [&] {
        const wxImage img = OnScreen(list);
        return uitest::InkBox(img, wxRect(0, 0, 137, img.GetHeight()), +[](unsigned rgb) { return rgb < 0x606060u; });
    };
    const wxRect rcHint = inkInList();
    Shot(OnScreen(*m_pView), "start-hint");
    EXPECT_GT(rcHint.height, 20) << "the words on the board";

    NewWord();
    EXPECT_FALSE(m_pView->IsGameOver());
    EXPECT_TRUE(inkInList().IsEmpty()) << "the list is empty again";
}

}  // namespace
