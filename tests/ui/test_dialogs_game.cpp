// New Game and Level dialogs: what the game flow gets back, and what they paint.
#include <climits>
#include <functional>
#include <initializer_list>

#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "dialogs/dialog_look.h"
#include "dialogs/painted_dialogs.h"
#include "game/spoken_text.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

using Leave = std::function<void(wxDialog&)>;

const Leave kPressEnter = [](wxDialog&) { wxUIActionSimulator().Char(WXK_RETURN); };
const Leave kPressEscape = [](wxDialog&) { wxUIActionSimulator().Char(WXK_ESCAPE); };
const Leave kCloseWindow = [](wxDialog& d) { d.Close(); };

Leave Click(int nId)
{
    return [nId](wxDialog& d) { ClickButton(d, nId); };
}

// A way of leaving a dialog and the result code the game must get back from it.
struct CEnding {
    const char* pszHow;
    Leave leave;
    int nExpected;
};

// Opens a fresh dialog, made ready by prepare, for each ending and checks what DoModal returns.
template <class TDialog>
void ExpectEndings(std::initializer_list<CEnding> aEndings, const std::function<void(TDialog&)>& prepare)
{
    for (const CEnding& c : aEndings) {
        CModalScript script;
        script.Then(c.leave);
        TDialog dlg;
        prepare(dlg);
        EXPECT_EQ(dlg.DoModal(), c.nExpected) << c.pszHow;
        EXPECT_TRUE(script.Done()) << c.pszHow;
    }
}

// The bounding box of the pixels a test picks, within a band of rows.
struct CBox {
    int nLeft = INT_MAX, nTop = INT_MAX, nRight = INT_MIN, nBottom = INT_MIN;
    bool Empty() const { return nLeft == INT_MAX; }
};
CBox FindPixels(const wxImage& image, int y0, int y1, const std::function<bool(int r, int g, int b)>& pick)
{
    CBox box;
    for (int y = y0; y < y1 && y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (pick(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y))) {
                box.nLeft = std::min(box.nLeft, x);
                box.nRight = std::max(box.nRight, x);
                box.nTop = std::min(box.nTop, y);
                box.nBottom = std::max(box.nBottom, y);
            }
    return box;
}
bool IsRed(int r, int g, int b) { return r > 180 && g < 90 && b < 90; }
bool IsBlue(int r, int g, int b) { return b > 180 && r < 90 && g < 90; }
bool IsTextGreen(int r, int g, int b) { return g > 80 && g < 170 && r < 60 && b < 60; }
bool IsDark(int r, int g, int b) { return r < 100 && g < 100 && b < 100; }

// Runs a dialog to the screen, lets check look at its client area, then leaves it with Cancel.
void WithScreen(CGameDialog& dlg, const std::function<void(const wxImage&, wxDialog&)>& check)
{
    WhileOpen(dlg, [&](wxDialog& d) { check(CaptureClient(d), d); });
}

}  // namespace

TEST(NewGameDialog, GoAndEnterStartTheWordAnythingElseCancels)
{
    ExpectEndings<CNewGameDlg>({{"Go button", Click(IDC_GO), ResultOK},
                                {"Enter key", kPressEnter, ResultOK},
                                {"Escape key", kPressEscape, ResultCancel},
                                {"window closed", kCloseWindow, ResultCancel}},
                               [](CNewGameDlg& dlg) { dlg.m_nWordLength = 5; });
}

TEST(NewGameDialog, PaintsTheWordLengthInRedBetweenTheWords)
{
    for (int nLength : {5, 6, 7}) {
        CNewGameDlg dlg;
        dlg.m_nWordLength = nLength;
        WithScreen(dlg, [&](const wxImage& image, wxDialog& d) {
            const int W = d.GetClientSize().x;
            EXPECT_TRUE(RowIs(image, 23, 0, W, 0x000000)) << "header rule";
            const CBox digit = FindPixels(image, 40, 75, IsRed);
            ASSERT_FALSE(digit.Empty()) << nLength;
            EXPECT_GE(digit.nLeft, 115);
            EXPECT_LT(digit.nRight, 135) << "the digit ends before \"lettered word\"";
            EXPECT_GE(digit.nTop, 45);
            EXPECT_LT(digit.nBottom, 70);
            const CBox words = FindPixels(image, 50, 70, IsDark);
            ASSERT_FALSE(words.Empty());
            EXPECT_GE(words.nLeft, 20);
            EXPECT_LT(words.nLeft, 24) << "\"Guess the magic \" starts at x 20";
            // The closing line is red and centred, above the Go button.
            const CBox closing = FindPixels(image, 176, 205, IsRed);
            ASSERT_FALSE(closing.Empty());
            EXPECT_GE(closing.nTop, 180);
            EXPECT_NEAR(closing.nLeft - 20, (W - 20) - (closing.nRight + 1), 2) << "centred between 20 and W-20";
            EXPECT_LT(closing.nBottom, d.FindWindow(IDC_GO)->GetRect().GetTop());
            // The explanation wraps inside 10 pixels of each side, each line centred.
            const CBox text = FindPixels(image, 100, 178, IsDark);
            ASSERT_FALSE(text.Empty());
            EXPECT_GE(text.nLeft, 10);
            EXPECT_LT(text.nRight, W - 10);
            EXPECT_NEAR(text.nLeft - 10, (W - 10) - (text.nRight + 1), 3);
        });
    }
}

TEST(NewGameDialog, WithoutALengthGivenShowsSix)
{
    CNewGameDlg dlg;
    WithScreen(dlg, [&](const wxImage&, wxDialog&) { EXPECT_EQ(dlg.PaintedTexts(), SpokenNewGameLines(6)); });
}

TEST(LevelDialog, YesGoesOnNoStopsAndOtherEndsAreNeitherYes)
{
    ExpectEndings<CLevelDlg>({{"Yes button", Click(IDC_LEVEL_YES), ResultYes},
                              {"No button", Click(IDC_LEVEL_NO), ResultNo},
                              {"Enter key", kPressEnter, ResultYes},
                              {"Escape key", kPressEscape, ResultCancel},
                              {"window closed", kCloseWindow, ResultCancel},
                              {"Alt+Y", [](wxDialog&) { wxUIActionSimulator().Char('y', wxMOD_ALT); }, ResultYes},
                              {"Alt+N", [](wxDialog&) { wxUIActionSimulator().Char('n', wxMOD_ALT); }, ResultNo}},
                             [](CLevelDlg& dlg) {
                                 dlg.m_nFinishedLevel = 1;
                                 dlg.m_nNextLevel = 2;
                             });
}

TEST(LevelDialog, PaintsBlueGreenAndARedQuestionMarkAtItsFixedPlace)
{
    for (int nLevel : {1, 10}) {
        CLevelDlg dlg;
        dlg.m_nFinishedLevel = nLevel;
        dlg.m_nNextLevel = nLevel + 1;
        WithScreen(dlg, [&](const wxImage& image, wxDialog& d) {
            const CBox first = FindPixels(image, 0, 100, IsBlue);
            ASSERT_FALSE(first.Empty());
            EXPECT_GE(first.nLeft, 15);
            EXPECT_LT(first.nRight, 200);
            EXPECT_GE(first.nTop, 25);
            EXPECT_LT(first.nBottom, 55);
            const CBox second = FindPixels(image, 0, 100, IsTextGreen);
            ASSERT_FALSE(second.Empty());
            EXPECT_GE(second.nLeft, 30);
            EXPECT_LT(second.nRight, 220) << "clipped at its rectangle";
            EXPECT_GE(second.nTop, 55);
            const CBox mark = FindPixels(image, 0, 100, IsRed);
            ASSERT_FALSE(mark.Empty());
            EXPECT_GE(mark.nLeft, 225);
            EXPECT_LE(mark.nLeft, 227);
            EXPECT_LT(mark.nRight, 240);
            EXPECT_GE(mark.nTop, 55);
            EXPECT_LT(mark.nBottom, 85);
            // The tiles from (80, 100), and no header rule.
            EXPECT_EQ(PixelRgb(image, 90, 110), 0xA8EEA8u);
            EXPECT_EQ(PixelRgb(image, 110, 130), 0x61E061u);
            EXPECT_EQ(PixelRgb(image, 150, 170), 0x1D941Du);
            EXPECT_FALSE(RowIs(image, 23, 0, d.GetClientSize().x, 0x000000));
            // The buttons carry the large blue font.
            wxWindow* pYes = d.FindWindow(IDC_LEVEL_YES);
            ASSERT_NE(pYes, nullptr);
            EXPECT_EQ(pYes->GetForegroundColour(), WxColour(kBlue));
            EXPECT_EQ(pYes->GetFont().GetNumericWeight(), 600);
        });
    }
}
