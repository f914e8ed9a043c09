// The game window under the desktop's scaling: ctest runs this suite again with GDK_SCALE=2 and
// with GDK_DPI_SCALE=1.5. The window is read back as the X server holds it, one image pixel per
// screen pixel, so a picture stretched from a smaller one, or a letter cut at its key's edge,
// shows as it would to a person.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <gdk/gdk.h>
#include <gtk/gtk.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/toolbar.h>

#include "app/app_icons.h"
#include "app/main_frame.h"
#include "dialogs/dialog_look.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"
#include "view/view_look.h"

namespace {

using uitest::InkBox;
using uitest::PixelRgb;

// A window's whole area as the X server holds it, and the screen pixels per logical one.
wxImage ScreenPixels(wxWindow& window, int& nScale)
{
    window.Refresh();
    window.Update();
    uitest::Settle();
    nScale = gdk_window_get_scale_factor(gtk_widget_get_window(static_cast<GtkWidget*>(window.GetHandle())));
    const wxRect rc(window.GetScreenPosition(), window.GetSize());
    GdkPixbuf* pPixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rc.x, rc.y, rc.width, rc.height);
    if (pPixbuf == nullptr)
        return wxImage();
    const int nW = gdk_pixbuf_get_width(pPixbuf), nH = gdk_pixbuf_get_height(pPixbuf);
    const int nChannels = gdk_pixbuf_get_n_channels(pPixbuf), nStride = gdk_pixbuf_get_rowstride(pPixbuf);
    const guchar* pData = gdk_pixbuf_get_pixels(pPixbuf);
    wxImage img(nW, nH);
    for (int y = 0; y < nH; ++y)
        for (int x = 0; x < nW; ++x) {
            const guchar* p = pData + y * nStride + x * nChannels;
            img.SetRGB(x, y, p[0], p[1], p[2]);
        }
    g_object_unref(pPixbuf);
    return img;
}

std::string ScalingName()
{
    std::string str;
    for (const char* pszVar : {"GDK_SCALE", "GDK_DPI_SCALE"})
        if (const char* pszValue = std::getenv(pszVar))
            str += std::string("-") + pszVar + "-" + pszValue;
    return str;
}

bool IsGreenInk(unsigned rgb)
{
    return (rgb >> 16) < 0x80 && ((rgb >> 8) & 0xFF) > 0x40 && (rgb & 0xFF) < 0x80 &&
           ((rgb >> 8) & 0xFF) > (rgb >> 16) + 0x20;
}


// How far, on average per channel, a screen area is from a picture laid over a ground colour.
double Difference(const wxImage& screen, const wxPoint& pt, const wxImage& picture, unsigned rgbGround)
{
    double dSum = 0;
    int nCount = 0;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x) {
            if (pt.x + x >= screen.GetWidth() || pt.y + y >= screen.GetHeight() || pt.x + x < 0 || pt.y + y < 0)
                return 1e9;
            const double a = picture.HasAlpha() ? picture.GetAlpha(x, y) / 255.0 : 1.0;
            const unsigned s = PixelRgb(screen, pt.x + x, pt.y + y);
            for (int nShift : {16, 8, 0}) {
                const double dPicture = ((PixelRgb(picture, x, y) >> nShift) & 0xFF) * a + ((rgbGround >> nShift) & 0xFF) * (1 - a);
                dSum += std::abs(dPicture - ((s >> nShift) & 0xFF));
                ++nCount;
            }
        }
    return dSum / nCount;
}

class ViewScalingTest : public CGameWindowTest {
protected:
    // Opens the game at each zoom with a guess half typed and hands it to check once the window has
    // painted whole; then closes it.
    void ForEachZoom(std::initializer_list<int> anZooms, const std::function<void(int)>& check)
    {
        for (const int nZoom : anZooms) {
            m_nOpenZoom = nZoom;
            OpenAndStartWord();
            Type("pla");
            ComposedView();  // waits for a paint that reaches the window whole
            check(nZoom);
            m_pFrame->Destroy();
            uitest::Settle();
            m_pFrame = nullptr;
        }
    }
};

// The window in the screen's own pixels at 100 % and 200 %: the cell outlines solid whole pixels
// (no stretched picture blurs them), "Guess:" clear of the first cell, the tool bar's pictures
// drawn at the screen's scale rather than stretched.
TEST_F(ViewScalingTest, TheWindowIsWholeAndCrispUnderTheDesktopsScaling)
{
    ForEachZoom({100, 200}, [&](int nZoom) {
        int s = 1;
        const wxImage img = ScreenPixels(*m_pFrame, s);
        ASSERT_TRUE(img.IsOk());
        Shot(img, "window-" + std::to_string(nZoom) + ScalingName());
        const std::string strWhat = std::to_string(nZoom) + " %" + ScalingName();
        // The view's origin in the frame's own pixels.
        const wxPoint ptView = (m_pView->GetScreenPosition() - m_pFrame->GetScreenPosition()) * s;
        const auto device = [&](const wxRect& rc) {
            return wxRect(ptView.x + rc.x * s, ptView.y + rc.y * s, rc.width * s, rc.height * s);
        };
        const int nLine = (nZoom / 100) * s;

        // The first cell's outline: a solid black band nLine pixels wide, then white.
        const wxRect rcCell = device(m_pView->ZoomedRect(wxRect(63 + 22, 5, 21, 21)));
        const int yMid = rcCell.y + rcCell.height / 2;
        for (int i = 0; i < nLine; ++i)
            EXPECT_EQ(PixelRgb(img, rcCell.x + i, yMid), 0x000000u) << "outline pixel " << i << " at " << strWhat;
        EXPECT_EQ(PixelRgb(img, rcCell.x + nLine, yMid), 0xFFFFFFu) << "inside the outline at " << strWhat;

        const wxRect rcFirstCell = device(m_pView->ZoomedRect(wxRect(63, 5, 21, 21)));
        const wxRect rcGuess = InkBox(img, wxRect(ptView.x, rcFirstCell.y, rcFirstCell.x - ptView.x, rcFirstCell.height), IsGreenInk);
        ASSERT_FALSE(rcGuess.IsEmpty()) << strWhat;
        EXPECT_LT(rcGuess.GetRight(), rcFirstCell.GetLeft()) << "\"Guess:\" runs into the first cell at " << strWhat;

        // The key capitals are drawn as at the unscaled desktop. Text scaling once drew them so
        // large that the key's outline cut them: "W" filled the key from side to side and "T"'s
        // bar disappeared into the top edge, leaving a one-pixel stem.
        const auto keyInk = [&](char chLetter, wxRect& rcInside) {
            rcInside = device(m_pView->FindWindow(IDC_LETTER_FIRST + chLetter - 'A')->GetRect()).Deflate(nLine);
            // The letter's body: its smoothed edge, a pale fringe, does not count.
            return InkBox(img, rcInside, [](unsigned rgb) {
                return ((rgb >> 16) * 30 + ((rgb >> 8) & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100 < 160;
            });
        };
        wxRect rcInside;
        const wxRect rcW = keyInk('W', rcInside);
        EXPECT_GT(rcW.GetLeft(), rcInside.GetLeft()) << "W at " << strWhat;
        EXPECT_LT(rcW.GetRight(), rcInside.GetRight()) << "W at " << strWhat;
        EXPECT_LE(rcW.width * 8, rcInside.width * 7) << "W at " << strWhat;
        const wxRect rcT = keyInk('T', rcInside);
        EXPECT_GE(rcT.width * 3, rcInside.width) << "T's bar at " << strWhat;
        EXPECT_LT(rcT.GetBottom(), rcInside.GetBottom()) << "T at " << strWhat;

        // The Give Up picture on the tool bar is the one drawn for this many screen pixels.
        wxToolBar* pTools = m_pFrame->GetToolBar();
        const wxPoint ptBar = (pTools->GetScreenPosition() - m_pFrame->GetScreenPosition()) * s;
        const wxRect rcBar(ptBar, pTools->GetSize() * s);
        const auto isRed = [](unsigned rgb) { return (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x40 && (rgb & 0xFF) < 0x40; };
        const wxRect rcRed = InkBox(img, rcBar, isRed);
        ASSERT_FALSE(rcRed.IsEmpty()) << strWhat;
        const wxImage native = DrawGiveUpToolImage(kToolImageSize * s);
        const unsigned rgbGround = PixelRgb(img, rcRed.x - 3 * s, rcRed.y + rcRed.height / 2);
        double dBest = 1e9;
        for (int dy = -2 * s; dy <= 2 * s; ++dy)
            for (int dx = -2 * s; dx <= 2 * s; ++dx)
                dBest = std::min(dBest, Difference(img, wxPoint(rcRed.x - s + dx, rcRed.y - s + dy), native, rgbGround));
        EXPECT_LT(dBest, 6.0) << "the tool picture is not the one drawn at " << kToolImageSize * s << " pixels, at " << strWhat;
    });
}

// What the screen shows of the view is the picture drawn in the program's own memory at the
// screen's scale: the way to the screen blends nothing and shifts nothing. Compared in screen
// pixels, outside the keys and the list, at every zoom whose window fits the test screen: pixel
// for pixel on an unscaled screen. Under GDK_SCALE=2 letters may land on the finer grid by
// another rounding (a device pixel either way), so there the same ink is asked for: every colour
// covers as many pixels in both, which a stretched or smoothed picture could not match.
TEST_F(ViewScalingTest, TheScreenShowsThePictureComposedInMemory)
{
    int nChecked = 0;
    ForEachZoom({100, 150, 300}, [&](int nZoom) {
        const bool bFits = wxDisplay(m_pFrame).GetGeometry().Contains(m_pFrame->GetScreenRect());
        if (m_pView->Zoom() == nZoom && bFits) {
            int s = 1;
            const wxImage screen = ScreenPixels(*m_pView, s);
            wxBitmap bmp;
            bmp.CreateWithDIPSize(m_pView->GetClientSize(), m_pView->GetDPIScaleFactor());
            {
                wxMemoryDC dc(bmp);
                m_pView->OnDraw(dc);
            }
            const wxImage memory = bmp.ConvertToImage();
            const std::string strWhat = std::to_string(nZoom) + " %" + ScalingName();
            ASSERT_EQ(screen.GetSize(), memory.GetSize()) << strWhat;
            Shot(screen, "view-on-screen-" + std::to_string(nZoom) + ScalingName());
            std::vector<wxRect> aChildren;
            for (const wxWindow* pChild : m_pView->GetChildren())
                aChildren.push_back(wxRect(pChild->GetPosition() * s, pChild->GetSize() * s));
            int nDiffering = 0, nCompared = 0;
            wxPoint ptFirst;
            std::map<unsigned, int> anScreenInk, anMemoryInk;
            for (int y = 0; y < screen.GetHeight(); ++y)
                for (int x = 0; x < screen.GetWidth(); ++x) {
                    const wxPoint pt(x, y);
                    if (std::any_of(aChildren.begin(), aChildren.end(), [&pt](const wxRect& rc) { return rc.Contains(pt); }))
                        continue;
                    ++nCompared;
                    ++anScreenInk[PixelRgb(screen, x, y)];
                    ++anMemoryInk[PixelRgb(memory, x, y)];
                    if (PixelRgb(screen, x, y) != PixelRgb(memory, x, y) && nDiffering++ == 0)
                        ptFirst = pt;
                }
            EXPECT_GT(nCompared * 3, screen.GetWidth() * screen.GetHeight()) << strWhat;
            if (s == 1)
                EXPECT_EQ(nDiffering, 0) << "first at " << ptFirst.x << "," << ptFirst.y << ", at " << strWhat;
            else
                EXPECT_EQ(anScreenInk, anMemoryInk) << strWhat;
            ++nChecked;
        }
    });
    EXPECT_GE(nChecked, 2) << "too few zoom steps fit the test screen";
}

}  // namespace

// The cell fonts are sized by our own search over whole points, which must land where wx's
// pixel-size search lands (the sizes every screen of the game was drawn at so far), and each
// cell must hold the font it was made for.
TEST(ViewLook, CellFontsTakeTheWholePointSizeWxWouldPickForTheHeight)
{
    if (DesktopTextScale() != 1.0)
        GTEST_SKIP() << "under text scaling the sizes are searched in unscaled points instead";
    wxBitmap bmp(4, 4);
    wxMemoryDC dc(bmp);
    for (const char* pszFace : {"Tahoma", "DejaVu Sans"}) {
        for (int nHeight = 6; nHeight <= 72; nHeight += nHeight < 24 ? 1 : 5) {
            const wxFont font = FontForCellHeight(pszFace, nHeight, wxFONTWEIGHT_NORMAL);
            wxFont fontWx = FontInFace(pszFace, wxFontInfo(12));
            fontWx.SetPixelSize(wxSize(0, nHeight));
            EXPECT_EQ(font.GetFractionalPointSize(), fontWx.GetFractionalPointSize()) << pszFace << " " << nHeight;
            dc.SetFont(font);
            EXPECT_LE(dc.GetCharHeight(), nHeight) << pszFace << " " << nHeight;
        }
    }
}
