// The guess history list on its own: rows, styles by mark, separators, scrolling, and drawing
// only what can be seen.
#include <wx/frame.h>
#include <wx/panel.h>

#include "test_view_fixture.h"
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
        uitest::Pump(10);
    }
    wxImage Screen()
    {
        m_pList->Refresh(false);
        m_pList->Update();
        uitest::Pump(20);
        return uitest::CaptureClient(*m_pList);
    }
    // Pixels of the row band and column span that are clearly coloured like rgb.
    static int CountLike(const wxImage& img, int y0, int x0, int x1, bool (*pred)(unsigned))
    {
        int n = 0;
        for (int y = y0; y < y0 + 20 && y < img.GetHeight(); ++y)
            for (int x = x0; x < x1; ++x)
                n += pred(uitest::PixelRgb(img, x, y)) ? 1 : 0;
        return n;
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

TEST_F(HistoryListTest, StaysScrolledToTheNewestRowAndDrawsOnlyVisibleRows)
{
    struct CCase {
        int nGuesses;
        int nFirstVisible;  // 118 pixels show five rows and part of a sixth
    };
    int nAdded = 0;
    for (const CCase& c : {CCase{5, 0}, CCase{6, 1}, CCase{10, 5}, CCase{1000, 995}}) {
        for (; nAdded < c.nGuesses; ++nAdded)
            m_pList->AddGuess(L"HELLO");
        Screen();
        EXPECT_EQ(m_pList->FirstVisibleRow(), c.nFirstVisible) << c.nGuesses;
        EXPECT_LE(m_pList->RowsDrawnLastPaint(), 7) << c.nGuesses;
        EXPECT_GE(m_pList->RowsDrawnLastPaint(), 5) << c.nGuesses;
    }
    EXPECT_TRUE(m_pList->IsSolved());
    EXPECT_EQ(m_pList->GetVirtualSize().y, 20 * 1000);

    // Scrolling back by one line shows the rows 20 pixels earlier; the separators stay.
    m_pList->Scroll(0, 3);
    const wxImage img = Screen();
    EXPECT_EQ(m_pList->FirstVisibleRow(), 3);
    EXPECT_EQ(uitest::PixelRgb(img, 138, 2), 0u);
    EXPECT_EQ(uitest::PixelRgb(img, 156, img.GetHeight() - 1), 0u);

    m_pList->ResetHistory();
    Screen();
    EXPECT_EQ(m_pList->FirstVisibleRow(), 0);
    EXPECT_EQ(m_pList->GetVirtualSize().y, m_pList->GetClientSize().y);  // nothing to scroll
    EXPECT_EQ(m_pList->RowsDrawnLastPaint(), 0);
}

}  // namespace
