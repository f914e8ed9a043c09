// What the view says to a screen reader as guesses go in, the clock runs and words end, heard in
// process on the view's accessible objects, and where those objects say they are (the
// out-of-process walk of the tree and Orca's own log are tests/a11y).
#include <string>
#include <vector>

#include <gtk/gtk.h>
#include <wx/uiaction.h>

#include "app/main_frame.h"
#include "ui/atk_objects.h"
#include "view/command_ids.h"
#include "store/settings_store.h"
#include "test_view_fixture.h"
#include "view/game_view.h"

namespace {

class AnnounceTest : public CGameWindowTest {
protected:
    // Asking for the accessible object is what builds the tree, as a screen reader's first look.
    void Listen()
    {
        AtkObject* pView = gtk_widget_get_accessible(static_cast<GtkWidget*>(m_pView->GetHandle()));
        ASSERT_NE(pView, nullptr);
        ASSERT_STREQ(atk_object_get_name(pView), "Veltrane Quillorn game");
        g_signal_connect(pView, "announcement", G_CALLBACK(+[](AtkObject*, const gchar* psz, gpointer p) {
                             static_cast<std::vector<std::string>*>(p)->push_back(psz);
                         }),
                         &m_astrHeard);
    }
    AtkObject* Child(int i)
    {
        return atk_object_ref_accessible_child(gtk_widget_get_accessible(static_cast<GtkWidget*>(m_pView->GetHandle())), i);
    }
    // The view's children: the guess, the status, the list, then the keys A to Z.
    AtkObject* Guess() { return Keep(Child(0)); }
    AtkObject* List() { return Keep(Child(2)); }
    AtkObject* Key(wchar_t c) { return Keep(Child(3 + (c - L'A'))); }
    AtkObject* Keep(AtkObject* p)
    {
        m_apHeld.push_back(p);
        return p;
    }
    void TearDown() override
    {
        for (AtkObject* p : m_apHeld)
            g_object_unref(p);
        CGameWindowTest::TearDown();
    }
    static std::string Description(AtkObject* p)
    {
        const gchar* psz = atk_object_get_description(p);
        return psz != nullptr ? psz : "";
    }
    static bool Focused(AtkObject* p)
    {
        AtkStateSet* pSet = atk_object_ref_state_set(p);
        const bool b = atk_state_set_contains_state(pSet, ATK_STATE_FOCUSED);
        g_object_unref(pSet);
        return b;
    }
    static void PressKey(int nKey, int nModifiers = wxMOD_NONE)
    {
        wxUIActionSimulator().Char(nKey, nModifiers);
        uitest::Settle();
    }
    static wxRect Extents(AtkObject* p)
    {
        int x = 0, y = 0, w = 0, h = 0;
        atk_component_get_extents(ATK_COMPONENT(p), &x, &y, &w, &h, ATK_XY_SCREEN);
        return wxRect(x, y, w, h);
    }

    std::vector<std::string> m_astrHeard;
    std::vector<AtkObject*> m_apHeld;
};

// Orca 43 speaks a description change on the object it is on, and nothing of announcements: each
// text is said on whichever part has the keyboard, and goes from a part the keyboard leaves.
TEST_F(AnnounceTest, WhatIsSaidLandsOnTheFocusedPartAndLeavesWithTheFocus)
{
    OpenAndStartWord();
    Listen();
    AtkObject* pGuess = Guess();
    int nNotified = 0;
    g_signal_connect(pGuess, "notify::accessible-description", G_CALLBACK(+[](GObject*, GParamSpec*, gpointer p) {
                         ++*static_cast<int*>(p);
                     }),
                     &nNotified);
    Type("plant\r");
    EXPECT_EQ(Description(pGuess), "1. PLANT, match 3, bingo 0");
    EXPECT_GE(nNotified, 1) << "the first text said on the guess is heard";

    // Tab to the keypad: a warning is said on key A, which keeps its hint once left.
    PressKey(WXK_TAB);
    AtkObject* pKeyA = Key(L'A');
    ASSERT_TRUE(Focused(pKeyA));
    EXPECT_FALSE(Focused(pGuess));
    EXPECT_EQ(Description(pKeyA), "Click to strike out, highlight or clear this letter in your guesses");
    Tick(60);
    EXPECT_EQ(Description(pKeyA), "3 minutes left");
    PressKey(WXK_DOWN);
    EXPECT_TRUE(Focused(Key(L'B')));
    EXPECT_EQ(Description(pKeyA), "Click to strike out, highlight or clear this letter in your guesses");
    PressKey(WXK_ESCAPE);
    ASSERT_TRUE(Focused(pGuess));

    EXPECT_EQ(Description(pGuess), "") << "what was said went when the keyboard left the guess";
}

// A reader speaks a description only when it differs from the one before: a text said twice
// goes through an empty one, which it keeps quiet about.
TEST(AccObject, TheSameTextSaidTwiceIsHeardTwice)
{
    CAccObject part(EAccRole::Text, L"Guess");
    part.SetDescription(L"");
    std::vector<std::string> astrSeen;
    g_signal_connect(part.Get(), "notify::accessible-description", G_CALLBACK(+[](GObject* p, GParamSpec*, gpointer pv) {
                         static_cast<std::vector<std::string>*>(pv)->push_back(atk_object_get_description(ATK_OBJECT(p)));
                     }),
                     &astrSeen);
    part.SayInDescription(L"1 minute left");
    part.SayInDescription(L"1 minute left");
    std::vector<std::string> astrSpoken;
    for (const std::string& str : astrSeen)
        if (!str.empty())
            astrSpoken.push_back(str);
    EXPECT_EQ(astrSpoken, (std::vector<std::string>{"1 minute left", "1 minute left"}));
}

// The list is a Tab stop of its own: its rows take the focus one by one as the arrows move, each
// read with its counts and marks, and the list window shows the row.
TEST_F(AnnounceTest, TabOnToTheListFocusesItsRowsOneByOne)
{
    OpenAndStartWord();
    Listen();
    Type("plant\rplate\rpleat\r");
    PressKey(WXK_TAB, wxMOD_SHIFT);
    ASSERT_TRUE(m_pView->Keypad().InList());
    AtkObject* pList = List();
    ASSERT_EQ(atk_object_get_n_accessible_children(pList), 3);
    std::vector<AtkObject*> apRows;
    for (int i = 0; i < 3; ++i)
        apRows.push_back(Keep(atk_object_ref_accessible_child(pList, i)));
    EXPECT_TRUE(Focused(apRows[2])) << "the newest row first";
    EXPECT_FALSE(Focused(Guess()));
    PressKey(WXK_UP);
    EXPECT_TRUE(Focused(apRows[1]));
    EXPECT_FALSE(Focused(apRows[2]));
    EXPECT_STREQ(atk_object_get_name(apRows[1]), "2. PLATE, match 4, bingo 1");
    PressKey(WXK_RETURN);
    EXPECT_EQ(m_pView->HistoryView().GuessCount(), 3u) << "Enter on a row sends nothing";
    // A new word empties the list, and the keyboard goes back to the guess.
    GiveUp();
    EXPECT_TRUE(m_pView->Keypad().InList()) << "the given-up word's rows are still there to read";
    NewWord();
    EXPECT_FALSE(m_pView->Keypad().InList());
}

// What a magnifier or a reader's mouse review is told: the rectangles the parts are drawn in, at
// the zoom and centred in whatever the window is, checked against the windows the keys and the
// list really are.
TEST_F(AnnounceTest, ExtentsFollowTheZoomAndTheCentring)
{
    OpenAndStartWord();
    Listen();
    Type("plant\rplate\r");
    for (const int nZoom : {100, 200}) {
        m_pView->SetZoom(nZoom);
        m_pFrame->SetClientSize(700, 560);  // larger than the picture: it stands centred
        uitest::Settle();
        for (int i = 0; i < 5; ++i)
            uitest::Settle();
        m_pView->SetZoom(nZoom);
        uitest::Settle();
        ASSERT_EQ(m_pView->Zoom(), nZoom);
        for (const wchar_t c : {L'A', L'M', L'N', L'Z'}) {
            wxWindow* pKey = m_pView->FindWindow(IDC_LETTER_FIRST + (c - L'A'));
            EXPECT_EQ(Extents(Key(c)), pKey->GetScreenRect()) << nZoom << "% key " << static_cast<char>(c);
        }
        CGuessHistoryView& history = m_pView->HistoryView();
        // The list's outer rectangle, its border included (which the toolkit leaves out of the
        // window's screen position).
        const wxRect rcList(m_pView->ClientToScreen(history.GetPosition()), history.GetSize());
        EXPECT_EQ(Extents(List()), rcList) << nZoom << "%";
        // The rows inside the border, one row height apart, as the list draws them.
        const int nBorder = (rcList.width - history.GetClientSize().x) / 2;
        const wxRect rcRow0 = Extents(Keep(atk_object_ref_accessible_child(List(), 0)));
        const wxRect rcRow1 = Extents(Keep(atk_object_ref_accessible_child(List(), 1)));
        EXPECT_EQ(rcRow0, wxRect(rcList.x + nBorder, rcList.y + nBorder - history.ScrollPixels(), history.GetClientSize().x,
                                 history.RowHeight())) << nZoom << "%";
        EXPECT_EQ(rcRow1.GetTopLeft(), rcRow0.GetTopLeft() + wxPoint(0, history.RowHeight())) << nZoom << "%";
        const wxRect rcGuess = Extents(Guess());
        EXPECT_EQ(rcGuess.GetTopLeft(), m_pView->ClientToScreen(m_pView->ZoomedRect(wxRect(
                                            CGameCore::m_nCellLeft, CGameCore::m_nCellTop, 1, 1)).GetTopLeft()))
            << nZoom << "%";
        EXPECT_EQ(rcGuess.height, m_pView->ZoomedRect(wxRect(0, CGameCore::m_nCellTop, 1, CGameCore::m_nCellHeight)).height);
    }
}

TEST_F(AnnounceTest, CountdownSpeaksAtTheAlertSecondsAndTheTimeOutNamesTheWord)
{
    OpenAndStartWord();
    Listen();
    Type("plant\r");
    ASSERT_EQ(m_astrHeard, std::vector<std::string>{"1. PLANT, match 3, bingo 0"});
    ASSERT_EQ(m_pView->TimeLeft(), 240);
    m_astrHeard.clear();

    Tick(239);
    EXPECT_EQ(m_astrHeard, (std::vector<std::string>{"3 minutes left", "2 minutes left", "1 minute left", "30 seconds left"}));
    m_astrHeard.clear();
    Tick(1);
    EXPECT_EQ(m_astrHeard, std::vector<std::string>{"Time is up"});
    m_astrHeard.clear();

    uitest::CModalScript script;
    script.ThenMessageBox();
    Tick(1);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(m_astrHeard, std::vector<std::string>{"Time is up. The magic word was APPLE."});
}

TEST_F(AnnounceTest, GivingUpNamesTheWordAndAPlainClockSaysNothing)
{
    // Without Time Trial the clock counts up silently.
    CSettingsStore(*m_pProfile).Write(Option::TimeTrial, false);
    OpenAndStartWord();
    Listen();
    Type("plant\r");
    m_astrHeard.clear();
    Tick(120);
    EXPECT_TRUE(m_astrHeard.empty()) << m_astrHeard.front();

    GiveUp();
    EXPECT_EQ(m_astrHeard, std::vector<std::string>{"Given up. The magic word was APPLE."});
}

}  // namespace
