// The game screen at a zoom: the layout's pixels scaled (positions and sizes, one-pixel lines a
// whole number of pixels wide), taps and key clicks divided back, the window following the zoom
// and the zoom following the window, and the step remembered.
#include <wx/display.h>
#include <wx/frame.h>

#include "view/command_ids.h"
#include "app/main_frame.h"
#include "game/zoom_steps.h"
#include "platform/registry.h"
#include "store/settings_store.h"
#include "test_view_fixture.h"
#include "view/game_view.h"

namespace {

using uitest::InkBox;
using uitest::PixelRgb;
using uitest::RowIs;

constexpr unsigned kRgbBlack = 0x000000;
constexpr unsigned kRgbRed = 0xFF0000;
constexpr unsigned kRgbWhite = 0xFFFFFF;
constexpr unsigned kRgbBackground = 0xD2FFA6;

class ViewZoomTest : public CGameWindowTest {
protected:
    void SetUp() override
    {
        CGameWindowTest::SetUp();
        m_nOpenZoom = 0;  // as the game opens: from "Zoom"
    }
    void OpenAt(int nZoom)
    {
        CSettingsStore(*m_pProfile).Write(Option::Zoom, nZoom);
        OpenAndStartWord();
        ASSERT_EQ(m_pView->Zoom(), nZoom);
        WaitClient(m_pView->ShownSize(nZoom));
    }
    // The window manager (none under Xvfb) resizes when it gets to it.
    bool WaitClient(const wxSize& size)
    {
        return uitest::WaitFor([&] { return m_pFrame->GetClientSize() == size && m_pView->GetClientSize() == size; });
    }
    // Whether every pixel of a layout rectangle's device area has the colour.
    static bool AreaIs(const wxImage& img, const wxRect& rc, unsigned rgb)
    {
        for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y) {
            if (!RowIs(img, y, rc.GetLeft(), rc.GetRight() + 1, rgb))
                return false;
        }
        return true;
    }
    static bool IsDark(unsigned rgb) { return (rgb >> 16) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60; }
    static bool IsGreenText(unsigned rgb) { return (rgb >> 16) < 0x60 && ((rgb >> 8) & 0xFF) > 0x50 && (rgb & 0xFF) < 0x60; }
};

// The screen map at 200 %: every position and size doubled, one-pixel lines two pixels wide.
TEST_F(ViewZoomTest, ScreenMapAtTwoHundredPercentIsTheLayoutDoubled)
{
    OpenAt(100);
    const wxRect rcGuessAt100 = InkBox(OnScreen(*m_pView), wxRect(25, 7, 37, 23), IsGreenText);
    Command(ID_VIEW_ZOOMIN);
    ASSERT_TRUE(WaitClient(m_pView->ShownSize(150)));
    Command(ID_VIEW_ZOOMIN);
    ASSERT_EQ(m_pView->Zoom(), 200);
    ASSERT_TRUE(WaitClient(wxSize(482, 380))) << "the window follows the zoom";
    Type("plant\r");
    Tick(30);  // a bar short of full, so its red end shows

    const wxImage img = OnScreen(*m_pView);
    Shot(img, "zoom-200-view");
    // Keys: 28 x 24, a two-pixel black outline, the background outside.
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId) {
        const int nRow = (nId - IDC_LETTER_FIRST) % 13;
        const int nLeft = 2 * (nId - IDC_LETTER_FIRST < 13 ? 5 : 222);
        const int nTop = 2 * (5 + 14 * nRow);
        ASSERT_EQ(m_pView->FindWindow(nId)->GetRect(), wxRect(nLeft, nTop, 28, 24)) << nId;
        EXPECT_TRUE(AreaIs(img, wxRect(nLeft, nTop, 28, 2), kRgbBlack)) << nId;
        EXPECT_TRUE(AreaIs(img, wxRect(nLeft, nTop + 22, 28, 2), kRgbBlack)) << nId;
        EXPECT_TRUE(AreaIs(img, wxRect(nLeft, nTop, 2, 24), kRgbBlack)) << nId;
        EXPECT_TRUE(AreaIs(img, wxRect(nLeft + 26, nTop, 2, 24), kRgbBlack)) << nId;
        EXPECT_EQ(PixelRgb(img, nLeft + 2, nTop + 2), kRgbWhite) << nId;
        EXPECT_EQ(PixelRgb(img, nLeft - 1, nTop + 10), kRgbBackground) << nId;
        EXPECT_EQ(PixelRgb(img, nLeft + 28, nTop + 10), kRgbBackground) << nId;
        EXPECT_EQ(PixelRgb(img, nLeft + 10, nTop + 24), kRgbBackground) << nId;
    }
    // Cells: outlines 42 x 42 with two-pixel lines, red at the cursor, two pixels apart.
    for (int i = 0; i < 5; ++i) {
        const int x = 2 * (63 + 22 * i);
        const unsigned rgb = i == 0 ? kRgbRed : kRgbBlack;
        EXPECT_TRUE(AreaIs(img, wxRect(x, 10, 42, 2), rgb)) << "top of cell " << i;
        EXPECT_TRUE(AreaIs(img, wxRect(x, 50, 42, 2), rgb)) << "bottom of cell " << i;
        EXPECT_TRUE(AreaIs(img, wxRect(x, 10, 2, 42), rgb)) << "left of cell " << i;
        EXPECT_TRUE(AreaIs(img, wxRect(x + 40, 10, 2, 42), rgb)) << "right of cell " << i;
        EXPECT_TRUE(AreaIs(img, wxRect(x + 2, 12, 38, 38), kRgbWhite)) << "inside of cell " << i;
        EXPECT_TRUE(AreaIs(img, wxRect(x + 42, 10, 2, 42), kRgbBackground)) << "gap after cell " << i;
    }
    // The list window at (50, 120), 380 x 240.
    EXPECT_EQ(m_pView->HistoryView().GetRect(), wxRect(50, 120, 380, 240));
    // The bar: outline rows 364-365 and 370-371, the red inside from x 52 on, shorter than full.
    EXPECT_TRUE(AreaIs(img, wxRect(50, 364, 382, 2), kRgbBlack));
    EXPECT_TRUE(AreaIs(img, wxRect(50, 370, 382, 2), kRgbBlack));
    EXPECT_TRUE(AreaIs(img, wxRect(50, 364, 2, 8), kRgbBlack));
    EXPECT_TRUE(AreaIs(img, wxRect(430, 364, 2, 8), kRgbBlack));
    const int nRed = 378 * (240 - 30) / 240;
    EXPECT_TRUE(AreaIs(img, wxRect(52, 366, nRed, 4), kRgbRed));
    EXPECT_TRUE(AreaIs(img, wxRect(52 + nRed, 366, 378 - nRed, 4), kRgbWhite));
    // Text is drawn at the zoomed size, not stretched: "Guess:" is about twice as tall and as
    // wide as at 100 % and stays inside its doubled rectangle, clear of the first cell.
    const wxRect rcGuess = InkBox(img, wxRect(50, 14, 74, 46), IsGreenText);
    ASSERT_FALSE(rcGuessAt100.IsEmpty());
    ASSERT_FALSE(rcGuess.IsEmpty());
    EXPECT_NEAR(rcGuess.height, 2 * rcGuessAt100.height, 2);
    EXPECT_NEAR(rcGuess.width, 2 * rcGuessAt100.width, 4);
    EXPECT_NEAR(rcGuess.x, 2 * rcGuessAt100.x, 2);
    EXPECT_LT(rcGuess.GetRight(), 126) << "ends before the first cell";
}

// The list at 200 %: rows 40 pixels high, separators two pixels wide at 276 and 312.
TEST_F(ViewZoomTest, HistoryRowsAndSeparatorsScaleWithTheZoom)
{
    OpenAt(200);
    Type("plant\rpaper\r");
    CGuessHistoryView& list = m_pView->HistoryView();
    const wxImage img = OnScreen(list);
    Shot(img, "zoom-200-list");
    const int nBottom = img.GetHeight() - 1;
    for (const int y : {0, nBottom / 2, nBottom}) {
        EXPECT_EQ(PixelRgb(img, 276, y), kRgbBlack) << y;
        EXPECT_EQ(PixelRgb(img, 277, y), kRgbBlack) << y;
        EXPECT_EQ(PixelRgb(img, 278, y), kRgbWhite) << y;
        EXPECT_EQ(PixelRgb(img, 312, y), kRgbBlack) << y;
        EXPECT_EQ(PixelRgb(img, 313, y), kRgbBlack) << y;
        EXPECT_EQ(PixelRgb(img, 275, 75), kRgbWhite);
    }
    // Two rows of ink, each inside its 40-pixel band; nothing below them.
    const wxRect rcRow0 = InkBox(img, wxRect(60, 0, 200, 40), IsDark);
    const wxRect rcRow1 = InkBox(img, wxRect(60, 40, 200, 40), IsDark);
    ASSERT_FALSE(rcRow0.IsEmpty());
    ASSERT_FALSE(rcRow1.IsEmpty());
    EXPECT_GE(rcRow0.height, 18) << "letters are drawn at twice their height";
    EXPECT_TRUE(InkBox(img, wxRect(0, 80, 270, img.GetHeight() - 80), IsDark).IsEmpty());
}

// At 150 % a tap or a key click lands where the player sees the cell or the key.
TEST_F(ViewZoomTest, TapsAndKeyClicksAtOneHundredFiftyPercentHitWhatIsShown)
{
    OpenAt(150);
    ASSERT_EQ(m_pView->HistoryView().m_strMagicWord, L"APPLE");
    // Cell i spans layout x 63+22i to 83+22i: device 94.5+33i on.
    struct CTap {
        wxPoint ptDevice;
        int nCursor;  // where the cursor ends up
    };
    const CTap aTaps[] = {
        {{ZoomEdge(64 + 22 * 2, 150) + 1, ZoomEdge(15, 150)}, 2},  // inside cell 2
        {{ZoomEdge(85, 150) + 1, ZoomEdge(15, 150)}, 1},          // the gap after cell 0 picks cell 1's
        {{ZoomEdge(64 + 22 * 4, 150) + 2, ZoomEdge(24, 150)}, 4}, // bottom row inside cell 4
        {{ZoomEdge(64, 150) + 1, ZoomEdge(5, 150)}, 4},           // the top outline selects nothing
        {{ZoomEdge(64 + 22 * 5, 150) + 2, ZoomEdge(15, 150)}, 4}, // right of the last cell: nothing
    };
    for (const CTap& tap : aTaps) {
        ClickAt(*m_pView, tap.ptDevice);
        EXPECT_EQ(m_pView->Cursor(), tap.nCursor) << tap.ptDevice.x << "," << tap.ptDevice.y;
    }

    // Key R (right column, row 4) clicked in its lower right corner, then typing goes on.
    const int nR = IDC_LETTER_FIRST + ('R' - 'A');
    wxWindow* pKey = m_pView->FindWindow(nR);
    ASSERT_EQ(pKey->GetRect(), wxRect(ZoomEdge(222, 150), ZoomEdge(61, 150), ZoomEdge(236, 150) - ZoomEdge(222, 150),
                                      ZoomEdge(73, 150) - ZoomEdge(61, 150)));
    ClickAt(*pKey, wxPoint(pKey->GetClientSize().x - 2, pKey->GetClientSize().y - 2));
    EXPECT_EQ(m_pView->HistoryView().MarkOf(L'R'), MarkStruck);
    EXPECT_EQ(wxWindow::FindFocus(), m_pView);
    Type("s");
    EXPECT_EQ(m_pView->Guess()[4], L'S');
}

// Zoom commands step through 100, 150, 200, 250, 300, 400 and back; the window follows and the
// step is stored. Ctrl+wheel does the same.
TEST_F(ViewZoomTest, CommandsAndTheWheelStepTheZoomAndTheWindowFollows)
{
    OpenAt(100);
    const auto enabled = [&](int nCommand) {
        bool bEnabled = false;
        m_pView->QueryCommand(nCommand, bEnabled);
        return bEnabled;
    };
    EXPECT_FALSE(enabled(ID_VIEW_ZOOMOUT));
    EXPECT_FALSE(enabled(ID_VIEW_NORMALSIZE));
    for (const int nWant : {150, 200, 250, 300, 400, 400}) {
        Command(ID_VIEW_ZOOMIN);
        EXPECT_EQ(m_pView->Zoom(), nWant);
        EXPECT_EQ(uitest::StoredZoom(*m_pProfile), nWant);
    }
    EXPECT_FALSE(enabled(ID_VIEW_ZOOMIN));
    Command(ID_VIEW_ZOOMOUT);
    EXPECT_EQ(m_pView->Zoom(), 300);
    EXPECT_TRUE(WaitClient(wxSize(723, 570))) << m_pFrame->GetClientSize().x << "x" << m_pFrame->GetClientSize().y;
    Command(ID_VIEW_NORMALSIZE);
    EXPECT_EQ(m_pView->Zoom(), 100);
    EXPECT_TRUE(WaitClient(wxSize(241, 190)));

    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.SetControlDown(true);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    m_pView->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(m_pView->Zoom(), 150);
    wheel.m_wheelRotation = -120;
    m_pView->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(m_pView->Zoom(), 100);
    wheel.SetControlDown(false);
    wheel.m_wheelRotation = 120;
    m_pView->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(m_pView->Zoom(), 100) << "a wheel without Ctrl does not zoom";
}

// The window system confirms a size late: a size from before a zoom step can arrive after the
// window was already laid out at the step's size. It must not pull the zoom back; a window that
// really stays at another size (a drag right after a step) is followed once the while is over.
TEST_F(ViewZoomTest, ALateSizeFromAnEarlierStepDoesNotPullTheZoomBack)
{
    OpenAt(100);
    Command(ID_VIEW_ZOOMIN);
    ASSERT_EQ(m_pView->Zoom(), 150);
    ASSERT_TRUE(WaitClient(m_pView->ShownSize(150)));
    const auto lateSize = [&](const wxSize& size) {
        m_pView->SetSize(size);
        wxSizeEvent event(size, m_pView->GetId());
        event.SetEventObject(m_pView);
        m_pView->GetEventHandler()->ProcessEvent(event);
    };
    lateSize(m_pView->ShownSize(100));
    EXPECT_EQ(m_pView->Zoom(), 150);
    m_pFrame->Layout();  // and then the size asked for arrives
    EXPECT_FALSE(uitest::WaitFor([&] { return m_pView->Zoom() != 150; }, 1500));
    EXPECT_EQ(uitest::StoredZoom(*m_pProfile), 150);

    Command(ID_VIEW_ZOOMOUT);
    ASSERT_EQ(m_pView->Zoom(), 100);
    m_pFrame->SetClientSize(600, 500);
    EXPECT_TRUE(uitest::WaitFor([&] { return m_pView->Zoom() == 200; }, 3000))
        << "a drag right after a step is followed: " << m_pView->Zoom();
    EXPECT_EQ(uitest::StoredZoom(*m_pProfile), 200);
}

// Dragging the window picks the largest step that fits and centres the picture; it never gets
// smaller than 100 %.
TEST_F(ViewZoomTest, TheZoomFollowsAResizedWindowAndThePictureIsCentred)
{
    OpenAt(100);
    m_pFrame->SetClientSize(600, 500);
    ASSERT_TRUE(WaitClient(wxSize(600, 500)));
    uitest::Settle();
    EXPECT_EQ(m_pView->Zoom(), 200);
    EXPECT_EQ(uitest::StoredZoom(*m_pProfile), 200);
    // The composed picture: what the paint copies, whatever other window may cover the screen.
    const wxImage img = ComposedView();
    Shot(img, "zoom-resized");
    // The picture (482 x 380) stands at (59, 60); its first key at (69, 70).
    EXPECT_EQ(m_pView->FindWindow(IDC_LETTER_FIRST)->GetRect(), wxRect(59 + 10, 60 + 10, 28, 24));
    EXPECT_TRUE(AreaIs(img, wxRect(59 + 126, 60 + 10, 42, 2), kRgbRed)) << "the cursor cell, shifted";
    EXPECT_TRUE(AreaIs(img, wxRect(0, 0, 600, 60), kRgbBackground));
    EXPECT_TRUE(AreaIs(img, wxRect(0, 440, 600, 60), kRgbBackground));
    // A tap is divided back from the shifted picture.
    ClickAt(*m_pView, wxPoint(59 + 2 * (63 + 22 * 3) + 5, 60 + 30));
    EXPECT_EQ(m_pView->Cursor(), 3);

    m_pFrame->SetClientSize(120, 90);
    EXPECT_TRUE(uitest::WaitFor([&] { return m_pView->Zoom() == 100; }));
    EXPECT_GE(m_pFrame->GetClientSize().x, 241);
    EXPECT_GE(m_pFrame->GetClientSize().y, 190);
    EXPECT_EQ(m_pView->Zoom(), 100);
}

// The step is kept in "Zoom"; a value that is no step means "pick for the screen" and one too
// large for the screen is lowered (the test screen is 1024 x 768).
TEST_F(ViewZoomTest, StoredZoomIsRestoredCheckedAndLoweredToFitTheScreen)
{
    struct CCase {
        int nStored;
        int nOpened;
    };
    const wxRect rcWork = wxDisplay(0u).GetClientArea();
    ASSERT_EQ(rcWork.GetHeight(), 768) << "the test screen";
    for (const CCase& c : {CCase{250, 250}, CCase{100, 100}, CCase{400, 300}, CCase{0, 150}, CCase{175, 150},
                           CCase{-100, 150}}) {
        CSettingsStore(*m_pProfile).Write(Option::Zoom, c.nStored);
        OpenAndStartWord();
        EXPECT_EQ(m_pView->Zoom(), c.nOpened) << c.nStored;
        EXPECT_TRUE(WaitClient(m_pView->ShownSize(c.nOpened))) << c.nStored;
        m_pFrame->Destroy();
        m_pFrame = nullptr;
        uitest::Settle();
    }
    // A value of the wrong type reads as absent.
    m_pProfile->WriteProfileString(CSettingsStore::kSection, L"Zoom", L"200");
    OpenAndStartWord();
    EXPECT_EQ(m_pView->Zoom(), 150);
}

}  // namespace
