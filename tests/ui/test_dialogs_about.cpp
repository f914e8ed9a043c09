// About box: its lines, their look, the emblem, and how it ends.
#include <set>

#include <gtest/gtest.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include "dialogs/about_dlg.h"
#include "dialogs/about_emblem.h"
#include "dialogs/dialog_look.h"
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
                anBitmaps.insert(pPicture->GetBitmap().GetWidth() * 100 + pPicture->GetBitmap().GetHeight());
        EXPECT_EQ(anBitmaps, std::set<int>{3232}) << "one 32 x 32 emblem";
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
