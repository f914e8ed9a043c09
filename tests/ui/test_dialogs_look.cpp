// The shared look: font heights by point size, dialog units, the header rule and the tiles.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include "dialogs/dialog_look.h"
#include "ui/dialog_units.h"
#include "ui/font_height.h"
#include "ui_test_support.h"

using namespace uitest;

TEST(DialogLook, PointSizesBecomeTruncatedCharacterHeights)
{
    struct {
        double dPoints;
        int nPpi;
        int nHeight;
    } const aCases[] = {
        {8.5, 96, -11}, {11, 96, -14}, {14, 96, -18},  // 18.67 truncates to 18
        {9, 96, -12},   {10, 96, -13}, {8.5, 120, -14}, {14, 72, -14}, {8.56, 96, -11},  // tenths truncate too
    };
    for (const auto& c : aCases)
        EXPECT_EQ(PointSizeToFontHeight(c.dPoints, c.nPpi), c.nHeight) << c.dPoints << " pt at " << c.nPpi;
}

TEST(DialogLook, CreatedFontsAreSemiBoldAtTheirCharacterHeight)
{
    ASSERT_EQ(ScreenPixelsPerInch(), 96) << "the tests expect a 96 dpi display";
    struct {
        double dPoints;
        bool bBold;
        int nEmPixels;
        int nWeight;
    } const aCases[] = {{8.5, true, 11, 600}, {11, true, 14, 600}, {14, true, 18, 600}, {9, false, 12, 400}};
    for (const auto& c : aCases) {
        wxFont font;
        CreatePointSizeFont(font, "Tahoma", c.dPoints, c.bBold);
        ASSERT_TRUE(font.IsOk());
        EXPECT_EQ(font.GetNumericWeight(), c.nWeight) << c.dPoints;
        EXPECT_EQ(font.GetFaceName(), ResolveFaceName("Tahoma"));
        EXPECT_FALSE(font.GetUnderlined());
        // The toolkit takes points at 96 px/inch: the em height in pixels is points * 4 / 3.
        EXPECT_NEAR(font.GetFractionalPointSize() * 96 / 72, c.nEmPixels, 0.01) << c.dPoints;
    }
    EXPECT_EQ(ResolveFaceName("ARIAL"), "ARIAL") << "only Tahoma has a stand-in";
}

TEST(DialogUnits, CellHeightsAndConversionsMatchTheOldPlatform)
{
    // Tahoma's win metrics: 2049 up, 423 down on a 2048 em; the known base heights are 13 for
    // 8 pt (11 px), 14 for 9 pt (12 px) and 16 for 10 pt (13 px).
    const CFontVerticalMetrics tahoma{2048, 2049, 423};
    EXPECT_EQ(CellHeightFromMetrics(tahoma, 11), 13);
    EXPECT_EQ(CellHeightFromMetrics(tahoma, 12), 14);
    EXPECT_EQ(CellHeightFromMetrics(tahoma, 13), 16);
    EXPECT_EQ(CellHeightFromMetrics(CFontVerticalMetrics{}, 12), 12) << "no metrics: the em height";

    EXPECT_EQ(TemplateEmPixels(9, 96), 12);
    EXPECT_EQ(TemplateEmPixels(10, 96), 13);

    struct {
        int nUnits, nBase, nDivisor, nPixels;
    } const aSpans[] = {{4, 7, 4, 7}, {145, 7, 4, 254}, {11, 14, 8, 19}, {23, 14, 8, 40}, {0, 7, 4, 0}, {-4, 7, 4, -7}};
    for (const auto& s : aSpans)
        EXPECT_EQ(DialogUnitsToPixels(s.nUnits, s.nBase, s.nDivisor), s.nPixels) << s.nUnits << " units";
}

TEST(DialogUnits, FontMetricsAreReadFromTheFileOrRefused)
{
    CTempFolder folder;
    folder.Write("short.ttf", std::string("\x00\x01\x00\x00\x00", 5));
    folder.Write("notables.ttf", std::string("\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12));
    CFontVerticalMetrics metrics{1, 2, 3};
    EXPECT_FALSE(ReadFontVerticalMetrics(folder.Path() / "missing.ttf", metrics));
    EXPECT_FALSE(ReadFontVerticalMetrics(folder.Path() / "short.ttf", metrics));
    EXPECT_FALSE(ReadFontVerticalMetrics(folder.Path() / "notables.ttf", metrics));
    EXPECT_FALSE(ReadFontVerticalMetrics(folder.Path(), metrics)) << "a directory";
    EXPECT_EQ(metrics.nUnitsPerEm, 1) << "a failed read leaves the metrics alone";

    const std::filesystem::path tahoma = "/usr/share/wine/fonts/tahoma.ttf";
    if (!std::filesystem::exists(tahoma))
        GTEST_SKIP() << "no Tahoma installed";
    ASSERT_TRUE(ReadFontVerticalMetrics(tahoma, metrics));
    EXPECT_EQ(metrics.nUnitsPerEm, 2048);
    EXPECT_GT(metrics.nWinAscent, metrics.nWinDescent);
    if (const char* pszNoTahoma = std::getenv("VQ_TEST_NO_TAHOMA"); pszNoTahoma && std::string(pszNoTahoma) == "1")
        GTEST_SKIP() << "fonts not registered in this run";
    ASSERT_NE(TahomaMetrics(), nullptr) << "registering the fonts keeps Tahoma's metrics";
    EXPECT_EQ(ResolveFaceName("Tahoma"), "Tahoma") << "the registered face is used by name";
    EXPECT_EQ(TahomaMetrics()->nWinAscent, metrics.nWinAscent);
}

TEST(DialogLook, HeaderRuleIsOneBlackRowAtTwentyThree)
{
    const int nWidth = 240;
    const wxImage image = RenderOffscreen(wxSize(nWidth, 40), [&](wxDC& dc) { DrawHeaderRule(dc, nWidth); });
    EXPECT_TRUE(RowIs(image, 23, 0, nWidth, 0x000000)) << "the whole row, both ends included";
    EXPECT_TRUE(RowIs(image, 22, 0, nWidth, 0xFFFFFF));
    EXPECT_TRUE(RowIs(image, 24, 0, nWidth, 0xFFFFFF));
}

TEST(DialogLook, TilesOverlapLightToDarkWithWhiteEdgesAndRoundCorners)
{
    const int x = 80, y = 100;
    // On grey, so the white outline shows apart from the ground.
    const wxImage image =
        RenderOffscreen(wxSize(240, 220), [&](wxDC& dc) { DrawTiles(dc, x, y); }, wxColour(0x80, 0x80, 0x80));
    const unsigned kGround = 0x808080;
    struct {
        int px, py;
        unsigned rgb;
        const char* pszWhere;
    } const aProbes[] = {
        {x + 10, y + 10, 0xA8EEA8, "tile 1 alone"},
        {x + 30, y + 30, 0x61E061, "tile 2 over tile 1"},
        {x + 50, y + 50, 0x1D941D, "tile 3 over tile 2"},
        {x + 80, y + 80, 0x1D941D, "tile 3 towards its far corner"},
        {x + 25, y, 0xFFFFFF, "tile 1's top edge"},
        {x, y + 25, 0xFFFFFF, "tile 1's left edge"},
        {x + 50, y + 10, kGround, "just right of tile 1: it is 50 pixels wide"},
        {x + 65, y + 40, 0xFFFFFF, "tile 3's top edge"},
        {x + 89, y + 65, 0xFFFFFF, "tile 3's right edge"},
        {x + 90, y + 65, kGround, "just right of tile 3"},
        {x - 1, y + 25, kGround, "left of tile 1"},
        {x, y, kGround, "tile 1's rounded corner"},
        {x + 2, y + 2, kGround, "still outside the 25-pixel corner"},
        {x + 89, y + 89, kGround, "tile 3's far corner"},
        {x + 60, y + 5, kGround, "above tile 2"},
    };
    for (const auto& p : aProbes)
        EXPECT_EQ(PixelRgb(image, p.px, p.py), p.rgb) << p.pszWhere << std::hex << " got " << PixelRgb(image, p.px, p.py);
}
