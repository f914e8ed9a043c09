// The Hint command, the words-that-fit line and the word check's note in the game window: driven
// by the keyboard and the menu route, read off the screen and off the view's accessible objects.
#include <string>

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "store/settings_store.h"
#include "stored_values.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"
#include "core_test_seam.h"

namespace {

bool IsDark(unsigned rgb)
{
    return ((rgb >> 16) & 0xFF) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80;
}

bool IsRed(unsigned rgb)
{
    return ((rgb >> 16) & 0xFF) > 0xA0 && ((rgb >> 8) & 0xFF) < 0x70 && (rgb & 0xFF) < 0x70;
}

class HintFitTest : public CGameWindowTest {
protected:
    // The text said on the guess, where the keyboard is: what Orca reads.
    std::string GuessDescription()
    {
        AtkObject* pView = gtk_widget_get_accessible(static_cast<GtkWidget*>(m_pView->GetHandle()));
        AtkObject* pGuess = atk_object_ref_accessible_child(pView, 0);
        const gchar* psz = atk_object_get_description(pGuess);
        std::string str = psz != nullptr ? psz : "";
        g_object_unref(pGuess);
        return str;
    }
    // The view's client area relative to a layout rectangle at the zoom it has.
    wxRect OnImage(const wxRect& rcLayout) const { return m_pView->ZoomedRect(rcLayout); }
    bool MenuItemState(int nCommand, bool bChecked)
    {
        m_pFrame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        wxMenuItem* pItem = m_pFrame->GetMenuBar()->FindItem(WxIdFromCommand(nCommand));
        return pItem != nullptr && (bChecked ? pItem->IsChecked() : pItem->IsEnabled());
    }
};

}  // namespace

TEST_F(HintFitTest, CtrlHOffersAHintWhileAWordIsInPlayAndCostsTheCountdown)
{
    OpenAndStartWord();
    ASSERT_TRUE(m_pView->IsTimeTrial());
    Type("plant\r");
    const int nTimeLeft = m_pView->TimeLeft();
    EXPECT_TRUE(MenuItemState(ID_GAME_HINT, false));
    {
        uitest::CModalScript script;
        script.ThenMessageBox();
        wxUIActionSimulator().Char('h', wxMOD_CONTROL);
        uitest::Settle();
        ASSERT_TRUE(uitest::WaitFor([&] { return script.Done(); }));
        ASSERT_EQ(script.Messages().size(), 1u);
        // Only APPLE fits PLANT's counts in the test set, so it is the hint.
        EXPECT_EQ(script.Messages()[0].rfind(L"Hint: try APPLE. 1 word still fits", 0), 0u) << script.Messages()[0];
    }
    EXPECT_EQ(m_pView->TimeLeft(), nTimeLeft - 30);
    EXPECT_TRUE(CGameCoreTestSeam::IsHintUsed(*m_pView));
    EXPECT_EQ(m_pView->Guess(), L"     ") << "the hint types nothing for the player";

    // Once the word is over there is nothing to hint at: the item greys and the key does nothing.
    GiveUp();
    EXPECT_FALSE(MenuItemState(ID_GAME_HINT, false));
    uitest::CModalScript none;
    wxUIActionSimulator().Char('h', wxMOD_CONTROL);
    uitest::Settle();
    EXPECT_TRUE(none.Messages().empty());
}

// The line stands under the board and the window grows by it; nothing the board draws moves.
TEST_F(HintFitTest, WordsThatFitGrowsTheWindowByALineAndIsStored)
{
    OpenAndStartWord();
    Type("plant\r");
    const wxImage before = ComposedView();
    ASSERT_EQ(before.GetSize(), wxSize(241, 190));
    EXPECT_FALSE(MenuItemState(ID_VIEW_WORDS_FIT, true));

    Command(ID_VIEW_WORDS_FIT);
    EXPECT_TRUE(MenuItemState(ID_VIEW_WORDS_FIT, true));
    EXPECT_EQ(StoredInt(*m_pProfile, L"SHOW_WORDS_FIT", -1), 1);
    const int nGrown = 190 + board::kFitLineHeight;
    ASSERT_TRUE(uitest::WaitFor([&] { return m_pView->GetClientSize() == wxSize(241, nGrown); }))
        << m_pView->GetClientSize().x << "x" << m_pView->GetClientSize().y;
    EXPECT_EQ(m_pView->Zoom(), 100);
    const wxImage after = ComposedView();
    Shot(after, "words-fit-100");
    int nMoved = 0;
    for (int y = 0; y < 190; ++y)
        for (int x = 0; x < 241; ++x)
            nMoved += uitest::PixelRgb(before, x, y) != uitest::PixelRgb(after, x, y) ? 1 : 0;
    EXPECT_EQ(nMoved, 0) << "pixels of the board changed";
    const wxRect rcInk100 = uitest::InkBox(after, OnImage(board::FitLineRect()), IsDark);
    EXPECT_GT(rcInk100.width, 30) << "\"1 word fits\" is drawn";
    EXPECT_EQ(m_pView->WordsThatFitCount(), 1u);

    // At 200 % the line is drawn at twice the size, under the board as before.
    m_pView->ChangeZoom(200);
    ASSERT_TRUE(uitest::WaitFor([&] { return m_pView->GetClientSize() == m_pView->ShownSize(200); }));
    const wxImage zoomed = ComposedView();
    Shot(zoomed, "words-fit-200");
    const wxRect rcInk200 = uitest::InkBox(zoomed, OnImage(board::FitLineRect()), IsDark);
    EXPECT_NEAR(rcInk200.width, 2 * rcInk100.width, rcInk100.width / 4);
    EXPECT_NEAR(rcInk200.height, 2 * rcInk100.height, 4);
    EXPECT_GE(rcInk200.y, OnImage(wxRect(0, 190, 1, 1)).y);

    // Off again: the window gives the line back.
    m_pView->ChangeZoom(100);
    Command(ID_VIEW_WORDS_FIT);
    EXPECT_EQ(StoredInt(*m_pProfile, L"SHOW_WORDS_FIT", -1), 0);
    EXPECT_TRUE(uitest::WaitFor([&] { return m_pView->GetClientSize() == wxSize(241, 190); }));
}

TEST_F(HintFitTest, EachNewRowIsReadWithTheWordsThatStillFitWhenTheLineIsShown)
{
    OpenAndStartWord();
    GuessDescription();  // a reader is listening from the start
    Type("bread\r");
    EXPECT_EQ(GuessDescription(), "1. BREAD, match 2, bingo 0") << "nothing more while the line is hidden";
    Command(ID_VIEW_WORDS_FIT);
    Type("plant\r");
    EXPECT_EQ(GuessDescription(), "2. PLANT, match 3, bingo 0, 1 word fits");
}

// The word check's note: red, under the cells, until the next key; and said on the guess.
TEST_F(HintFitTest, ARefusedGuessGetsANoteBesideTheCellsUntilTheNextKey)
{
    OpenAndStartWord();
    CGameCoreTestSeam::SetWordCheck(*m_pView, true);
    GuessDescription();  // a reader is listening from the start
    Type("zzzqx\r");
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 0u);
    EXPECT_EQ(m_pView->Guess(), L"ZZZQX");
    const wxImage noted = ComposedView();
    Shot(noted, "word-check-note");
    const wxRect rcNote = OnImage(board::NoteRect());
    const wxRect rcRed = uitest::InkBox(noted, rcNote, IsRed);
    EXPECT_GT(rcRed.width, 20) << "the note is drawn in red beside the cells";
    EXPECT_EQ(GuessDescription(), "ZZZQX is not a word.");

    Type("\b");
    EXPECT_TRUE(m_pView->Note().empty());
    EXPECT_TRUE(uitest::InkBox(ComposedView(), rcNote, IsRed).IsEmpty()) << "the next key takes the note away";
    // A word of the set goes in as always.
    Type("\b\b\b\b\b\bplant\r");
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 1u);
}

// Hard mode refuses, in a message that names the guess it contradicts, a guess that cannot be the
// word; the guess stays in the cells to be changed, and a guess that fits goes in.
TEST_F(HintFitTest, HardModeRefusesAGuessThatContradictsAnEarlierOneAndKeepsItInTheCells)
{
    OpenAndStartWord();
    CGameCoreTestSeam::SetHardMode(*m_pView, true);
    Type("bread\r");
    ASSERT_EQ(m_pView->HistoryView().GuessCount(), 1u);
    {
        uitest::CModalScript script;
        script.ThenMessageBox();
        Type("plant\r");
        ASSERT_TRUE(uitest::WaitFor([&] { return script.Done(); }));
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_EQ(script.Messages()[0], L"Hard mode: PLANT cannot be the word. BREAD got Match 2, Bingo 0; "
                                        L"against PLANT it would have scored Match 1, Bingo 0.");
    }
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 1u);
    EXPECT_EQ(m_pView->Guess(), L"PLANT");
    // EAZZZ shares E and A with BREAD, neither in BREAD's place: it fits BREAD's counts.
    Type("\b\b\b\b\b\beazzz\r");
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 2u);
}
