// The guess history list on its own: rows, styles by mark, separators, scrolling, and drawing
// only what can be seen.
#include <algorithm>
#include <string>

#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "test_view_fixture.h"
#include "game/zoom_steps.h"
#include "view/guess_history_view.h"

namespace {

class HistoryListTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "history");
        m_pFrame->SetClientSize(240, 190);
        // A frame stretches a lone child over its client area; the list sits on a panel instead.
        auto* pPanel = new wxPanel(m_pFrame);
        m_pList = new CGuessHistoryView;
        ASSERT_TRUE(m_pList->Create(pPanel, wxRect(25, 60, 190, 120)));
        m_pList->ResetHistory();
        m_pList->m_strMagicWord = L"HELLO";
        m_pFrame->Show();
        uitest::WaitShown(*m_pFrame);
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        uitest::Settle();
    }
    wxImage Screen() { return uitest::RepaintedClient(*m_pList); }
    // Pixels of the row band and column span that are clearly coloured like rgb.
    static int CountInRow(const wxImage& img, int y, int x0, int x1, bool (*pred)(unsigned))
    {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            n += pred(uitest::PixelRgb(img, x, y)) ? 1 : 0;
        return n;
    }
    static int CountLike(const wxImage& img, int y0, int x0, int x1, bool (*pred)(unsigned))
    {
        int n = 0;
        for (int y = y0; y < y0 + 20 && y < img.GetHeight(); ++y)
            n += CountInRow(img, y, x0, x1, pred);
        return n;
    }
    static int LongestRun(const wxImage& img, int y, int x0, int x1, bool (*pred)(unsigned))
    {
        int nLongest = 0;
        for (int x = x0, nRun = 0; x < x1; ++x) {
            nRun = pred(uitest::PixelRgb(img, x, y)) ? nRun + 1 : 0;
            nLongest = std::max(nLongest, nRun);
        }
        return nLongest;
    }
    // Pixels of the Match and Bingo columns (separators left out) that differ from a list of
    // nRows copies of imgRow's first row scrolled by nScroll pixels; blank below the last row.
    static int RowsDifferingFrom(const wxImage& img, const wxImage& imgRow, int nScroll, int nRows)
    {
        int nDiffer = 0;
        for (int y = 0; y < img.GetHeight(); ++y) {
            const bool bInRow = (y + nScroll) / 20 < nRows;
            for (int x = 139; x < 174; ++x) {
                if (x == 156)
                    continue;
                const unsigned rgbWant = bInRow ? uitest::PixelRgb(imgRow, x, (y + nScroll) % 20) : 0xFFFFFFu;
                nDiffer += uitest::PixelRgb(img, x, y) != rgbWant ? 1 : 0;
            }
        }
        return nDiffer;
    }
    void ScrollByLine(wxEventType type)
    {
        wxScrollWinEvent line(type, 0, wxVERTICAL);
        line.SetEventObject(m_pList);
        m_pList->GetEventHandler()->ProcessEvent(line);
    }
    void Wheel(int nRotation)
    {
        wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
        wheel.m_wheelRotation = nRotation;  // positive: away from the user, up the list
        wheel.m_wheelDelta = 120;
        wheel.m_linesPerAction = 3;
        wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        wheel.SetEventObject(m_pList);
        m_pList->GetEventHandler()->ProcessEvent(wheel);
    }
    // Red, also where smoothing blends it with the white ground.
    static bool IsRedTint(unsigned rgb)
    {
        const unsigned r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return r > 0xC0 && g + 0x40 < r && b + 0x40 < r;
    }
    static bool IsRed(unsigned rgb) { return (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60; }
    static bool IsBlue(unsigned rgb) { return (rgb & 0xFF) > 0xB0 && (rgb >> 16) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60; }
    static bool IsDark(unsigned rgb) { return (rgb >> 16) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60; }

    wxFrame* m_pFrame = nullptr;
    CGuessHistoryView* m_pList = nullptr;
};

TEST_F(HistoryListTest, EmptyListShowsOnlyTheTwoSeparators)
{
    const wxImage img = Screen();
    const int nHeight = img.GetHeight();
    for (const int y : {0, nHeight / 2, nHeight - 1}) {
        EXPECT_EQ(uitest::PixelRgb(img, 138, y), 0u) << y;
        EXPECT_EQ(uitest::PixelRgb(img, 156, y), 0u) << y;
        EXPECT_FALSE(IsDark(uitest::PixelRgb(img, 137, y))) << y;
        EXPECT_FALSE(IsDark(uitest::PixelRgb(img, 157, y))) << y;
    }
    int nDark = 0;
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < img.GetWidth(); ++x)
            nDark += (x != 138 && x != 156 && IsDark(uitest::PixelRgb(img, x, y))) ? 1 : 0;
    EXPECT_EQ(nDark, 0);
    EXPECT_FALSE(m_pList->IsSolved());
}

TEST_F(HistoryListTest, LettersTakeTheStyleOfTheirMarks)
{
    m_pList->AddGuess(L"LLAMA");
    m_pList->StepMark(L'L');                          // struck: red
    m_pList->StepMark(L'A');
    m_pList->StepMark(L'A');                          // highlighted: bold blue
    const wxImage img = Screen();
    uitest::SaveShot(img, "history-marks");
    // L L A M A in columns of 15 pixels from x 30.
    EXPECT_GT(CountLike(img, 0, 30, 45, IsRed), 4);
    EXPECT_GT(CountLike(img, 0, 45, 60, IsRed), 4);
    EXPECT_GT(CountLike(img, 0, 60, 75, IsBlue), 4);
    EXPECT_EQ(CountLike(img, 0, 75, 90, IsBlue) + CountLike(img, 0, 75, 90, IsRed), 0);  // M plain
    EXPECT_GT(CountLike(img, 0, 75, 90, IsDark), 4);
    // Counts: 2 under Match, 0 under Bingo, in black.
    EXPECT_GT(CountLike(img, 0, 139, 156, IsDark), 4);
    EXPECT_GT(CountLike(img, 0, 157, 174, IsDark), 4);
    EXPECT_EQ(m_pList->m_adwMatch[0], 2u);
    EXPECT_EQ(m_pList->m_adwBingo[0], 0u);
}

TEST_F(HistoryListTest, EveryStruckLetterHasALineThroughIt)
{
    // Letters with no bar of their own between cap height and baseline: a wide horizontal run
    // of ink there can only be the strike-out line. I and O stay plain to show that.
    for (int i = 0; i < 3; ++i)
        m_pList->AddGuess(L"LUCIO");
    for (const wchar_t c : {L'L', L'U', L'C'})
        m_pList->StepMark(c);
    const wxImage img = Screen();
    uitest::SaveShot(img, "history-struck");

    for (int nRow = 0; nRow < 3; ++nRow) {
        const int nTop = 20 * nRow;
        // The plain I spans cap height to baseline.
        int nCapTop = -1;
        int nBase = -1;
        for (int y = nTop; y < nTop + 20; ++y)
            if (CountInRow(img, y, 90, 105, IsDark) > 0) {
                nCapTop = nCapTop < 0 ? y : nCapTop;
                nBase = y;
            }
        ASSERT_GT(nBase - nCapTop, 6) << "row " << nRow;
        for (int k = 0; k < 5; ++k) {
            const int nLeft = 30 + 15 * k;
            int nWidest = 0;
            for (int y = nCapTop + 2; y <= nBase - 2; ++y)
                nWidest = std::max(nWidest, LongestRun(img, y, nLeft, nLeft + 15, k < 3 ? IsRedTint : IsDark));
            if (k < 3)
                EXPECT_GE(nWidest, 5) << "struck letter " << k << " of row " << nRow;
            else
                EXPECT_LT(nWidest, 4) << "plain letter " << k << " of row " << nRow;
        }
    }
}

TEST_F(HistoryListTest, LettersOutsideAToZAreDrawnPlain)
{
    // Letters the keyboard may give that have no mark of their own.
    m_pList->m_strMagicWord = L"\u00C9COLE";
    m_pList->AddGuess(L"\u00C9\u0416\u00DF@[");
    for (wchar_t c = L'A'; c <= L'Z'; ++c)
        m_pList->StepMark(c);  // everything struck: a wrongly indexed mark would turn them red
    const wxImage img = Screen();
    EXPECT_EQ(CountLike(img, 0, 30, 105, IsRed), 0);
    EXPECT_GT(CountLike(img, 0, 30, 45, IsDark), 4);
}

TEST_F(HistoryListTest, ScrollsByPixelsSoTheNewestRowEndsAtTheBottomEdge)
{
    // Every row holds the same guess, so the Match and Bingo columns repeat every 20 pixels and
    // show exactly where the rows stand. The first row alone, unscrolled, is the pattern.
    m_pList->AddGuess(L"HELLO");
    const wxImage imgRow = Screen();
    struct CCase {
        int nGuesses;
        int nScroll;  // the inside is 118 pixels high
    };
    int nAdded = 1;
    for (const CCase& c : {CCase{5, 0}, CCase{6, 2}, CCase{12, 122}, CCase{1000, 20 * 1000 - 118}}) {
        for (; nAdded < c.nGuesses; ++nAdded)
            m_pList->AddGuess(L"HELLO");
        // A loaded machine may show the scrolled rows a frame late: read until they stand still.
        wxImage img;
        uitest::WaitFor([&] {
            img = Screen();
            return img.GetHeight() == 118 && RowsDifferingFrom(img, imgRow, c.nScroll, c.nGuesses) == 0;
        });
        if (c.nGuesses == 6 || c.nGuesses == 12)
            uitest::SaveShot(img, "history-after-" + std::to_string(c.nGuesses));
        ASSERT_EQ(img.GetHeight(), 118);
        EXPECT_EQ(m_pList->ScrollPixels(), c.nScroll) << c.nGuesses;
        EXPECT_EQ(RowsDifferingFrom(img, imgRow, c.nScroll, c.nGuesses), 0) << c.nGuesses;
        // The newest number stands in the bottom band, which is empty while the rows are fewer.
        const int nLastTop = 20 * c.nGuesses - c.nScroll - 20;
        EXPECT_GT(CountLike(img, std::min(nLastTop, 98), 0, 30, IsDark), 4) << c.nGuesses;
    }
    EXPECT_TRUE(m_pList->IsSolved());

    // A line of the bar or the wheel is one row; the separators stay whatever the position.
    const int nEnd = m_pList->ScrollPixels();
    ScrollByLine(wxEVT_SCROLLWIN_LINEUP);
    EXPECT_EQ(m_pList->ScrollPixels(), nEnd - 20);
    wxImage img = Screen();
    EXPECT_EQ(RowsDifferingFrom(img, imgRow, nEnd - 20, 1000), 0);
    EXPECT_EQ(uitest::PixelRgb(img, 138, 2), 0u);
    EXPECT_EQ(uitest::PixelRgb(img, 156, img.GetHeight() - 1), 0u);
    ScrollByLine(wxEVT_SCROLLWIN_LINEDOWN);
    ScrollByLine(wxEVT_SCROLLWIN_LINEDOWN);
    EXPECT_EQ(m_pList->ScrollPixels(), nEnd);  // never past the end

    // A wheel notch is three rows back; a touchpad's part notches add up to whole rows.
    Wheel(120);
    EXPECT_EQ(m_pList->ScrollPixels(), nEnd - 60);
    img = Screen();
    EXPECT_EQ(RowsDifferingFrom(img, imgRow, nEnd - 60, 1000), 0);
    Wheel(-30);
    EXPECT_EQ(m_pList->ScrollPixels(), nEnd - 60);
    Wheel(-90);
    EXPECT_EQ(m_pList->ScrollPixels(), nEnd);

    m_pList->ResetHistory();
    Screen();
    EXPECT_EQ(m_pList->ScrollPixels(), 0);
    EXPECT_EQ(m_pList->GetVirtualSize().y, m_pList->GetClientSize().y);  // nothing to scroll
}


// The line through a struck letter is one band of whole pixels in the letter's own colour, as
// thick as a layout pixel at the zoom, through the letter's middle: no pale smear across two rows.
TEST_F(HistoryListTest, StrikeThroughIsOneCrispLineInTheLettersColour)
{
    // V has no bar of its own: a wide run of its colour can only be the line.
    m_pList->AddGuess(L"VUCIO");
    m_pList->StepMark(L'V');
    const wxColour clr = m_pList->ColourOfMark(MarkStruck);
    const unsigned rgbStruck = (unsigned(clr.Red()) << 16) | (unsigned(clr.Green()) << 8) | clr.Blue();
    for (const int nZoom : {100, 150, 200}) {
        m_pList->SetZoom(nZoom);
        m_pFrame->SetClientSize(ZoomEdge(240, nZoom), ZoomEdge(190, nZoom));
        m_pList->SetSize(ZoomEdge(190, nZoom), ZoomEdge(120, nZoom));
        const wxImage img = Screen();
        uitest::SaveShot(img, "history-strike-" + std::to_string(nZoom));
        const auto z = [nZoom](int n) { return ZoomEdge(n, nZoom); };
        // Rows where the letter's column holds a run of the exact colour wider than a stroke.
        std::vector<int> anRows;
        for (int y = 0; y < z(20); ++y) {
            int nRun = 0, nLongest = 0;
            for (int x = z(30); x < z(45); ++x) {
                nRun = uitest::PixelRgb(img, x, y) == rgbStruck ? nRun + 1 : 0;
                nLongest = std::max(nLongest, nRun);
            }
            if (nLongest >= z(6))
                anRows.push_back(y);
        }
        const std::string strWhat = "at " + std::to_string(nZoom) + " %";
        ASSERT_FALSE(anRows.empty()) << "no line in the letter's colour " << strWhat;
        EXPECT_EQ(static_cast<int>(anRows.size()), ZoomLineWidth(nZoom)) << strWhat;
        EXPECT_EQ(anRows.back() - anRows.front() + 1, static_cast<int>(anRows.size())) << "one band " << strWhat;
        // Through the middle of the letter, whose ink the plain I beside it shows.
        int nTop = -1, nBottom = -1;
        for (int y = 0; y < z(20); ++y)
            if (CountInRow(img, y, z(90), z(105), IsDark) > 0) {
                nTop = nTop < 0 ? y : nTop;
                nBottom = y;
            }
        EXPECT_NEAR((anRows.front() + anRows.back()) / 2.0, (nTop + nBottom) / 2.0, z(2)) << strWhat;
        // The rows beside the band carry no run of that width in any shade of red.
        for (const int y : {anRows.front() - 1, anRows.back() + 1})
            EXPECT_LT(LongestRun(img, y, z(30), z(45), IsRedTint), z(6)) << "row " << y << " " << strWhat;
    }
}

// Row numbers of three digits stand whole inside the list, their blanks given up as far as they
// must: "100." neither runs into the left border nor is cut there.
TEST_F(HistoryListTest, RowNumbersFromAHundredOnStandWhole)
{
    for (int i = 0; i < 120; ++i)
        m_pList->AddGuess(L"HELLO");
    for (const int nZoom : {100, 200}) {
        m_pList->SetZoom(nZoom);
        m_pFrame->SetClientSize(ZoomEdge(240, nZoom), ZoomEdge(190, nZoom));
        m_pList->SetSize(ZoomEdge(190, nZoom), ZoomEdge(120, nZoom));
        const auto z = [nZoom](int n) { return ZoomEdge(n, nZoom); };
        // Row 100 at the top.
        m_pList->Scroll(0, 99 * m_pList->RowHeight());
        const wxImage img = Screen();
        uitest::SaveShot(img, "history-row-100-" + std::to_string(nZoom));
        const std::string strWhat = "at " + std::to_string(nZoom) + " %";
        ASSERT_EQ(m_pList->FirstVisibleRow(), 99) << strWhat;
        const wxRect rcInk = uitest::InkBox(img, wxRect(0, 0, z(30), z(20)), +[](unsigned rgb) {
            return (rgb >> 16) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80;
        });
        ASSERT_FALSE(rcInk.IsEmpty()) << strWhat;
        EXPECT_GE(rcInk.GetLeft(), 1) << "cut at the left edge " << strWhat;
        EXPECT_LE(rcInk.GetRight(), z(30)) << strWhat;
        // As wide as the three digits and the stop drawn alone: nothing of them is missing.
        wxClientDC dc(m_pList);
        dc.SetFont(m_pList->FontOfMark(MarkNone));
        EXPECT_GE(rcInk.width, dc.GetTextExtent("100.").x - z(3)) << strWhat;
    }
}

}  // namespace
