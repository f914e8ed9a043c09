// The command table at the toolkit's edge, the command route, the help address and the icons.
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/app_icons.h"
#include "app/command_table.h"
#include "ui_test_support.h"
#include "view/command_ids.h"
#include "view/command_target.h"

namespace {

TEST(CommandMap, EveryGameCommandGetsItsOwnWxIdBelowTheToolkitLimit)
{
    std::set<int> aSeen;
    for (const int nCommand : {ID_APP_EXIT_GAME, ID_GAME_NEW, ID_TOOLS_OPTIONS, ID_GAME_GIVEUP, ID_TOOLS_BESTSCORES,
                               ID_TOOLS_HELP, ID_FILE_NEW, ID_FILE_OPEN, ID_APP_ABOUT, ID_TOOLS_STATISTICS,
                               ID_VIEW_ZOOMIN, ID_VIEW_ZOOMOUT, ID_VIEW_NORMALSIZE, ID_GAME_HINT}) {
        const int nWxId = WxIdFromCommand(nCommand);
        EXPECT_GT(nWxId, 0) << nCommand;
        EXPECT_LT(nWxId, 0x7FFF) << nCommand;
        EXPECT_TRUE(aSeen.insert(nWxId).second) << "shared wx id for " << nCommand;
        EXPECT_EQ(CommandFromWxId(nWxId), nCommand);
    }
    EXPECT_EQ(WxIdFromCommand(1001), -1);
    EXPECT_EQ(CommandFromWxId(wxID_OK), -1);
    EXPECT_EQ(CommandFromWxId(*aSeen.rbegin() + 1), -1);
    EXPECT_EQ(CommandFromWxId(*aSeen.begin() - 1), -1);
}

// A second row for an id, two tools on one place or a tool without its picture would each build
// a bar that looks fine and does the wrong thing.
TEST(CommandTable, EachCommandHasOneRowAndEachToolItsOwnPlace)
{
    std::set<int> aIds;
    std::set<int> aToolPlaces;
    for (const CCommandRow& row : CommandRows()) {
        EXPECT_TRUE(aIds.insert(row.nId).second) << "two rows for " << row.nId;
        EXPECT_EQ(row.menu == EMenu::None, row.pszText == nullptr) << row.nId;
        EXPECT_FALSE(row.bKeyInMenu && row.aKeys.empty()) << row.nId;
        if (row.nToolPos > 0) {
            EXPECT_TRUE(aToolPlaces.insert(row.nToolPos).second) << "two tools at " << row.nToolPos;
            EXPECT_NE(row.pfnToolImage, nullptr) << row.nId;
            EXPECT_NE(row.pszToolTip, nullptr) << row.nId;
        }
    }
    ASSERT_FALSE(aToolPlaces.empty());
    EXPECT_EQ(*aToolPlaces.rbegin(), static_cast<int>(aToolPlaces.size())) << "tool places leave a gap";
}

// A stop on the route that lists some ids and records what it ran.
class CFakeTarget : public CCommandTarget {
public:
    CFakeTarget(std::set<int> aIds, std::set<int> aDisabled = {}) : m_aIds(std::move(aIds)), m_aDisabled(std::move(aDisabled)) {}
    bool QueryCommand(int nId, bool& bEnabled) const override
    {
        bEnabled = m_aDisabled.count(nId) == 0;
        return m_aIds.count(nId) != 0;
    }
    void OnCommand(int nId) override { m_anRan.push_back(nId); }

    std::set<int> m_aIds;
    std::set<int> m_aDisabled;
    std::vector<int> m_anRan;
};

TEST(CommandRoute, TheFirstTargetThatListsAnIdHandlesItAndDecidesItsEnabling)
{
    CFakeTarget view({ID_GAME_NEW, ID_GAME_GIVEUP}, {ID_GAME_GIVEUP});
    CFakeTarget doc({});
    CFakeTarget frame({ID_GAME_NEW});
    CFakeTarget app({ID_APP_ABOUT, ID_GAME_GIVEUP});
    const std::vector<CCommandTarget*> aRoute = {&view, &doc, &frame, nullptr, &app};

    struct CCase {
        int nId;
        bool bEnabled;
        CFakeTarget* pHandler;
    };
    for (const CCase& c : {CCase{ID_GAME_NEW, true, &view}, CCase{ID_APP_ABOUT, true, &app},
                           CCase{ID_GAME_GIVEUP, false, nullptr}, CCase{ID_TOOLS_HELP, false, nullptr}}) {
        for (CFakeTarget* p : {&view, &doc, &frame, &app})
            p->m_anRan.clear();
        EXPECT_EQ(IsCommandEnabled(aRoute, c.nId), c.bEnabled) << c.nId;
        EXPECT_EQ(RouteCommand(aRoute, c.nId), c.bEnabled) << c.nId;
        for (CFakeTarget* p : {&view, &doc, &frame, &app})
            EXPECT_EQ(p->m_anRan, p == c.pHandler ? std::vector<int>{c.nId} : std::vector<int>{}) << c.nId;
    }
    // Give Up disabled by the view is not passed on to the application, which lists it too.
    EXPECT_EQ(FindCommandTarget(aRoute, ID_GAME_GIVEUP), &view);
}

// The share of an image's pixels that are opaque and match pred.
double Share(const wxImage& img, bool (*pred)(unsigned))
{
    int n = 0;
    for (int y = 0; y < img.GetHeight(); ++y)
        for (int x = 0; x < img.GetWidth(); ++x)
            n += img.GetAlpha(x, y) > 200 && pred(uitest::PixelRgb(img, x, y)) ? 1 : 0;
    return static_cast<double>(n) / (img.GetWidth() * img.GetHeight());
}

// The window's icon of one size, as the window manager gets it.
wxImage AppIcon(const wxIconBundle& icons, int nSize)
{
    const wxIcon icon = icons.GetIcon(wxSize(nSize, nSize), wxIconBundle::FALLBACK_NONE);
    return icon.IsOk() ? wxBitmap(icon).ConvertToImage() : wxImage();
}

TEST(Icons, EachPictureHasItsSizeItsColourAndATransparentBackground)
{
    const auto green = [](unsigned rgb) { return ((rgb >> 8) & 0xFF) > 0x80 && (rgb >> 16) < 0x40 && (rgb & 0xFF) < 0x40; };
    const auto red = [](unsigned rgb) { return (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x40; };
    const auto yellow = [](unsigned rgb) { return (rgb >> 16) > 0xC0 && ((rgb >> 8) & 0xFF) > 0xA0 && (rgb & 0xFF) < 0x60; };
    const auto blue = [](unsigned rgb) { return (rgb & 0xFF) > 0xA0 && (rgb >> 16) < 0x40; };
    const auto white = [](unsigned rgb) { return rgb == 0xFFFFFF; };
    struct CCase {
        const char* pszName;
        wxImage img;
        int nSize;
        bool (*pred)(unsigned);
    };
    const wxIconBundle icons = AppIconBundle();
    const wxImage app16 = AppIcon(icons, 16);
    const wxImage app32 = AppIcon(icons, 32);
    for (const CCase& c : {CCase{"new", DrawNewToolImage(), 16, +green}, CCase{"options", DrawOptionsToolImage(), 16, +blue},
                           CCase{"help", DrawHelpToolImage(), 16, +yellow}, CCase{"giveup", DrawGiveUpToolImage(), 16, +red},
                           CCase{"app16", app16, 16, +green}, CCase{"app32", app32, 32, +green},
                           CCase{"app32-tiles", app32, 32, +white}}) {
        EXPECT_EQ(c.img.GetSize(), wxSize(c.nSize, c.nSize)) << c.pszName;
        ASSERT_TRUE(c.img.HasAlpha()) << c.pszName;
        EXPECT_GT(Share(c.img, c.pred), 0.04) << c.pszName;
        EXPECT_EQ(c.img.GetAlpha(0, 0), 0) << c.pszName << ": the corner shows the bar through";
        uitest::SaveShot(c.img.Scale(c.nSize * 4, c.nSize * 4), std::string("icon-") + c.pszName);
    }
}

// The window shows the icon the desktop does: its SVG file read by the toolkit at every size the
// window is given, and by the desktop's own renderer, agree on shape and colour. The two smooth
// edges differently, which up to 48 pixels is much of the picture: those are compared by their
// colours above.
TEST(Icons, WindowIconIsTheDesktopsSvg)
{
    wxInitAllImageHandlers();
    const std::string strSvg = std::string(VQ_SOURCE_DIR) + "/resources/icons/veltrane-quillorn.svg";
    const wxIconBundle icons = AppIconBundle();
    for (const int nSize : kAppIconSizes) {
        SCOPED_TRACE(nSize);
        const wxImage window = AppIcon(icons, nSize);
        ASSERT_EQ(window.GetSize(), wxSize(nSize, nSize));
        ASSERT_TRUE(window.HasAlpha());
        if (nSize < 64)
            continue;
        // A folder of its own: two runs at once must not read each other's picture.
        const uitest::CTempFolder folder;
        const std::filesystem::path rendered = folder.Path() / "icon.png";
        const std::string strCommand = "rsvg-convert -w " + std::to_string(nSize) + " -h " + std::to_string(nSize) +
                                       " -o '" + rendered.string() + "' '" + strSvg + "'";
        ASSERT_EQ(std::system(strCommand.c_str()), 0) << strCommand;
        wxImage desktop;
        ASSERT_TRUE(desktop.LoadFile(rendered.string(), wxBITMAP_TYPE_PNG));
        ASSERT_TRUE(desktop.HasAlpha());
        // Pixels whose coverage or green differs by more than a little: edges are smoothed a little
        // differently by the two renderers, the shapes must be the same.
        int nDiffering = 0;
        for (int y = 0; y < nSize; ++y)
            for (int x = 0; x < nSize; ++x) {
                const int nAlpha = std::abs(window.GetAlpha(x, y) - desktop.GetAlpha(x, y));
                const int nGreen = std::abs(static_cast<int>(uitest::PixelRgb(window, x, y) >> 8 & 0xFF) -
                                            static_cast<int>(uitest::PixelRgb(desktop, x, y) >> 8 & 0xFF));
                nDiffering += (nAlpha > 64 || (window.GetAlpha(x, y) > 128 && desktop.GetAlpha(x, y) > 128 && nGreen > 48)) ? 1 : 0;
            }
        EXPECT_LT(nDiffering, nSize * nSize / 50);
    }
}

}  // namespace
