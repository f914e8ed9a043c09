// About box: its lines, their look, the emblem, and how it ends.
#include <set>

#include <gtest/gtest.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include "dialogs/about_dlg.h"
#include "dialogs/dialog_look.h"
#include "dialogs/game_dialog.h"
#include "ui_test_support.h"

using namespace uitest;

TEST(AboutBox, ProductLinesAreBlueSemiBoldElevenPointTheRestKeepTheDialogFont)
{
    CModalScript script;
    script.Then([](wxDialog& d) {
        SaveShot(CaptureClient(d), "about");
        const wxColour clrBlue = WxColour(kBlue);
        struct {
            int nId;
            const char* pszText;
            bool bBlue;
            bool bProductFont;
        } const aLines[] = {
            {IDC_ABOUT_PRODUCT, "Veltrane Quillorn", true, true},
            {IDC_ABOUT_PLATFORM, "for Pocket PC", true, true},
            {IDC_ABOUT_VERSION, "Version 1.0", false, false},
            {IDC_ABOUT_NOTICE, nullptr, false, false},
            {IDC_ABOUT_WEB, nullptr, true, false},
            {IDC_ABOUT_SUPPORT, nullptr, true, false},
        };
        const wxFont fontDialog = d.GetFont();
        for (const auto& line : aLines) {
            auto* pText = dynamic_cast<wxStaticText*>(d.FindWindow(line.nId));
            ASSERT_NE(pText, nullptr) << line.nId;
            if (line.pszText != nullptr)
                EXPECT_EQ(pText->GetLabelText(), line.pszText);
            else
                EXPECT_FALSE(pText->GetLabelText().empty()) << line.nId;
            EXPECT_EQ(pText->GetForegroundColour() == clrBlue, line.bBlue) << line.nId;
            const wxFont font = pText->GetFont();
            if (line.bProductFont) {
                EXPECT_EQ(font.GetNumericWeight(), 600) << line.nId;
                EXPECT_NEAR(font.GetFractionalPointSize() * 96 / 72, 14, 0.01) << "11 pt is 14 pixels";
            } else {
                EXPECT_EQ(font, fontDialog) << line.nId;
            }
        }
        std::set<int> anBitmaps;
        for (wxWindow* pChild : d.GetChildren())
            if (auto* pPicture = dynamic_cast<wxStaticBitmap*>(pChild))
                anBitmaps.insert(pPicture->GetSize().x * 1000 + pPicture->GetSize().y);
        // 32 x 32 at 100 %; the desktop's text scaling grows it with the rest of the dialog.
        const int nSide = ScaledPixels(kEmblemSize, dynamic_cast<CGameDialog&>(d).Scale());
        EXPECT_EQ(anBitmaps, std::set<int>{nSide * 1000 + nSide}) << "one emblem";
        wxUIActionSimulator().Char(WXK_RETURN);
    });
    CAboutDlg dlg;
    EXPECT_EQ(dlg.DoModal(), ResultOK) << "Enter presses OK";
    EXPECT_EQ(dlg.GetTitle(), "About Veltrane Quillorn");
}

TEST(AboutBox, EmblemUsesAFewColoursOnATransparentGround)
{
    const wxImage emblem = MakeEmblemBitmap().ConvertToImage();
    ASSERT_EQ(emblem.GetWidth(), kEmblemSize);
    ASSERT_EQ(emblem.GetHeight(), kEmblemSize);
    ASSERT_TRUE(emblem.HasMask() || emblem.HasAlpha());
    std::set<unsigned> colours;
    int nTransparent = 0;
    for (int y = 0; y < kEmblemSize; ++y)
        for (int x = 0; x < kEmblemSize; ++x) {
            if (emblem.IsTransparent(x, y))
                ++nTransparent;
            else
                colours.insert(PixelRgb(emblem, x, y));
        }
    EXPECT_GT(nTransparent, 0) << "the corners show the dialog";
    EXPECT_TRUE(emblem.IsTransparent(kEmblemSize - 1, 0));
    EXPECT_TRUE(colours.count(0x1D941D)) << "the dark tile";
    EXPECT_TRUE(colours.count(0xFFFFFF)) << "the white mark";
    EXPECT_LE(colours.size(), 16u) << "a 16-colour picture";
}

// At 200 % the emblem is drawn anew at twice the size: its dark tile covers twice the width and
// height it does at 100 %, and it still has only its own few colours (a stretched picture would
// blend them at every edge).
TEST(AboutBox, TheEmblemGrowsWithTheZoomAndStaysCrisp)
{
    const auto isDark = [](unsigned rgb) { return rgb == 0x1D941D; };
    std::vector<wxRect> arcDark;
    std::vector<double> adScale;
    for (const int nZoom : {100, 200}) {
        SetDialogZoom(nZoom);
        CAboutDlg dlg;
        WhileOpen(dlg, [&](wxDialog& d) {
            Settle();
            const wxImage img = CaptureClient(d);
            SaveShot(img, "about-emblem-" + std::to_string(nZoom));
            wxStaticBitmap* pEmblem = nullptr;
            for (wxWindow* pChild : d.GetChildren())
                if (auto* p = dynamic_cast<wxStaticBitmap*>(pChild))
                    pEmblem = p;
            ASSERT_NE(pEmblem, nullptr);
            const wxRect rcEmblem = pEmblem->GetRect();
            const double dScale = dynamic_cast<CGameDialog&>(d).Scale();
            EXPECT_EQ(rcEmblem.GetSize().x, ScaledPixels(kEmblemSize, dScale)) << nZoom << " %";
            EXPECT_EQ(rcEmblem.GetSize().y, ScaledPixels(kEmblemSize, dScale)) << nZoom << " %";
            adScale.push_back(dScale);
            wxRect rcDark;
            std::set<unsigned> colours;
            for (int y = rcEmblem.GetTop(); y <= rcEmblem.GetBottom(); ++y)
                for (int x = rcEmblem.GetLeft(); x <= rcEmblem.GetRight(); ++x) {
                    const unsigned rgb = PixelRgb(img, x, y);
                    colours.insert(rgb);
                    if (isDark(rgb))
                        rcDark = rcDark.IsEmpty() ? wxRect(x, y, 1, 1) : rcDark.Union(wxRect(x, y, 1, 1));
                }
            arcDark.push_back(rcDark);
            // Three greens, white and the dialog behind.
            EXPECT_LE(colours.size(), 5u) << nZoom << " %";
        });
    }
    SetDialogZoom(100);
    ASSERT_EQ(arcDark.size(), 2u);
    ASSERT_EQ(adScale.size(), 2u);
    EXPECT_FALSE(arcDark[0].IsEmpty());
    EXPECT_GT(adScale[1], adScale[0]) << "the larger zoom fits the screen";
    // Fifteen pixels of dark tile per 32 of emblem at 100 %.
    EXPECT_NEAR(arcDark[1].width, arcDark[0].width * adScale[1] / adScale[0], 1);
    EXPECT_NEAR(arcDark[1].height, arcDark[0].height * adScale[1] / adScale[0], 1);
}
