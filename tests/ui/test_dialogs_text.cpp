// How the dialogs' texts come out on screen: semi-bold texts look bold at every size the dialogs
// use, and capitals stand as tall as their point size makes them, on controls and painted alike.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/about_dlg.h"
#include "dialogs/color_dlg.h"
#include "dialogs/dialog_look.h"
#include "ui/font_height.h"
#include "dialogs/painted_dialogs.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

constexpr unsigned kInkBlue = 0x0000FF;
constexpr unsigned kInkRed = 0xFF0000;
constexpr unsigned kInkGreen = 0x008000;
constexpr unsigned kInkBlack = 0x000000;

struct CText {
    const char* pszWhat;
    std::function<wxRect(wxDialog&)> area;
    unsigned rgbInk;
    double dPoints;
    bool bBold;
    bool bCapitalFirst;  // the first glyph is a capital or a digit: its height is the cap height
    bool bOnButton = false;
};

std::function<wxRect(wxDialog&)> Control(int nId, int nInset = 0)
{
    return [nId, nInset](wxDialog& d) { return d.FindWindow(nId)->GetRect().Deflate(nInset); };
}
std::function<wxRect(wxDialog&)> Area(int x, int y, int cx, int cy)
{
    return [=](wxDialog& d) { return wxRect(x, y, cx < 0 ? d.GetClientSize().x : cx, cy); };
}

// Opens the dialog, measures each text in a screenshot of it, and closes it again.
void CheckTexts(CGameDialog& dlg, const std::string& strShot, const std::vector<CText>& aTexts)
{
    WhileOpen(dlg, [&](wxDialog& d) {
        const wxImage image = CaptureClient(d);
        SaveShot(image, strShot);
        const unsigned rgbGround = PixelRgb(image, 1, image.GetHeight() - 2);
        for (const CText& t : aTexts) {
            const wxRect rc = t.area(d);
            // A button's text stands on the button's own face.
            const CTextInk ink =
                MeasureText(image, rc, t.rgbInk, t.bOnButton ? PixelRgb(image, rc.x + 1, rc.y + 1) : rgbGround);
            ASSERT_GT(ink.nPixels, 20) << t.pszWhat << ": no text of its colour";
            // Regular Tahoma's stems are about a pixel and a half wide once smoothed; bold ones
            // at least two and a half.
            if (t.bBold)
                EXPECT_GE(ink.dStroke, 2.4) << t.pszWhat << " looks thin";
            else
                EXPECT_LE(ink.dStroke, 1.8) << t.pszWhat << " looks heavy";
            if (t.bCapitalFirst) {
                // Capitals are about seven tenths of the em; emboldening may add a pixel.
                const int nEm = -PointSizeToFontHeight(t.dPoints, 96);
                EXPECT_GE(ink.rcFirstGlyph.height, 0.68 * nEm) << t.pszWhat << " at " << t.dPoints << " pt";
                EXPECT_LE(ink.rcFirstGlyph.height, 0.8 * nEm + 1) << t.pszWhat << " at " << t.dPoints << " pt";
            }
        }
    });
}

}  // namespace

TEST(DialogText, SemiBoldTextsLookBoldAndCapitalsFollowThePointSize)
{
    ASSERT_EQ(ScreenPixelsPerInch(), 96) << "the tests expect a 96 dpi display";
    {
        CAboutDlg dlg;
        CheckTexts(dlg, "about",
                   {{"product line", Control(IDC_ABOUT_PRODUCT), kInkBlue, 11, true, true},
                    {"platform line", Control(IDC_ABOUT_PLATFORM), kInkBlue, 11, true, false},
                    {"version line", Control(IDC_ABOUT_VERSION), kInkBlack, 9, false, true},
                    {"notice line", Control(IDC_ABOUT_NOTICE), kInkBlack, 9, false, false},
                    {"web address", Control(IDC_ABOUT_WEB), kInkBlue, 9, false, false}});
    }
    {
        CNewGameDlg dlg;
        dlg.m_nWordLength = 5;
        CheckTexts(dlg, "new-game",
                   {{"header", Control(IDC_HEADER_LABEL), kInkBlue, 8.5, true, true},
                    {"word length", Area(100, 40, 40, 35), kInkRed, 14, true, true},
                    {"closing line", Area(0, 176, -1, 29), kInkRed, 14, true, true},
                    {"Go button", Control(IDC_GO, 3), kInkBlue, 8.5, true, true, true},
                    {"first line", Area(0, 50, 110, 20), kInkBlack, 9, false, true}});
    }
    {
        CLevelDlg dlg;
        dlg.m_nFinishedLevel = 1;
        dlg.m_nNextLevel = 2;
        CheckTexts(dlg, "level",
                   {{"finished level", Area(0, 20, 240, 35), kInkBlue, 14, true, true},
                    {"next level", Area(0, 55, 225, 30), kInkGreen, 14, true, true},
                    {"Yes button", Control(IDC_LEVEL_YES, 3), kInkBlue, 14, true, true, true}});
    }
    {
        CColorDlg dlg;
        CheckTexts(dlg, "color-header",
                   {{"header", Control(IDC_HEADER_LABEL), kInkBlue, 8.5, true, true},
                    {"Standard Colors", Control(2005), kInkBlack, 9, false, true}});
    }
}
