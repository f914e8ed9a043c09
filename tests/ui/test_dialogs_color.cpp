// Color picker: components in and out, swatches, sliders and the preview bar.
#include <utility>
#include <vector>

#include <atk/atk.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include "dialogs/color_dlg.h"
#include "dialogs/dialog_look.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

struct CComponents {
    int r, g, b;
};

CComponents SliderValues(wxDialog& d)
{
    auto value = [&](int nId) { return dynamic_cast<wxSlider*>(d.FindWindow(nId))->GetValue(); };
    return {value(IDC_SLIDER_RED), value(IDC_SLIDER_GREEN), value(IDC_SLIDER_BLUE)};
}

unsigned Rgb(int r, int g, int b)
{
    return (static_cast<unsigned>(r) << 16) | (static_cast<unsigned>(g) << 8) | static_cast<unsigned>(b);
}

}  // namespace

TEST(ColorDialog, OpensOnTheGivenColourWithThePreviewInItsPlace)
{
    CColorDlg dlg;
    dlg.m_nRed = GetRValue(kDefaultBackground);
    dlg.m_nGreen = GetGValue(kDefaultBackground);
    dlg.m_nBlue = GetBValue(kDefaultBackground);
    EXPECT_EQ(WhileOpen(dlg, [](wxDialog& d) {
        const CComponents sliders = SliderValues(d);
        EXPECT_EQ(sliders.r, 210);
        EXPECT_EQ(sliders.g, 255);
        EXPECT_EQ(sliders.b, 166);
        const wxImage image = CaptureClient(d);
        SaveShot(image, "color");
        const int W = d.GetClientSize().x;
        const unsigned clr = Rgb(210, 255, 166);
        EXPECT_TRUE(RowIs(image, 23, 0, W, 0x000000)) << "header rule";
        for (int y : {100, 115, 129})
            EXPECT_TRUE(RowIs(image, y, 50, W - 50, clr)) << "preview row " << y;
        for (int y : {99, 130})
            EXPECT_NE(PixelRgb(image, W / 2, y), clr) << "outside the preview at row " << y;
        for (int x : {49, W - 50})
            EXPECT_NE(PixelRgb(image, x, 115), clr) << "outside the preview at column " << x;
        // Only the header and the group caption are blue.
        EXPECT_EQ(d.FindWindow(IDC_HEADER_LABEL)->GetForegroundColour(), WxColour(kBlue));
        EXPECT_EQ(d.FindWindow(IDC_HEADER_LABEL)->GetLabel(), "Color Dialog");
        EXPECT_EQ(d.FindWindow(IDC_CUSTOM_COLOR)->GetForegroundColour(), WxColour(kBlue));
        for (int nId : {2005, 3019, 3021, 3023})
            EXPECT_NE(d.FindWindow(nId)->GetForegroundColour(), WxColour(kBlue)) << nId;
    }), ResultCancel);
}

// Each swatch, pressed, sets the components, the sliders and the preview at once; a real click on
// one and OK hand its components to the caller.
TEST(ColorDialog, EachSwatchSetsItsComponentsSlidersAndPreviewAndOkGivesThem)
{
    struct {
        int nId;
        CComponents c;
    } const aCases[] = {
        {2006, {255, 0, 0}},   {2007, {0, 255, 0}},  {2009, {0, 0, 255}},     {2010, {128, 128, 64}},
        {2011, {255, 0, 255}}, {2012, {255, 255, 255}}, {2008, {0, 0, 0}},  {2013, {128, 0, 64}},
        {2014, {255, 255, 0}}, {2015, {0, 255, 255}},
    };
    CColorDlg dlg;
    dlg.m_nRed = 1;
    dlg.m_nGreen = 2;
    dlg.m_nBlue = 3;
    EXPECT_EQ(WhileOpen(dlg, [&](wxDialog& d) {
        for (const auto& c : aCases) {
            ClickButton(d, c.nId);
            EXPECT_EQ(dlg.m_nRed, c.c.r) << c.nId;
            EXPECT_EQ(dlg.m_nGreen, c.c.g) << c.nId;
            EXPECT_EQ(dlg.m_nBlue, c.c.b) << c.nId;
            const CComponents sliders = SliderValues(d);
            EXPECT_EQ(Rgb(sliders.r, sliders.g, sliders.b), Rgb(c.c.r, c.c.g, c.c.b)) << c.nId;
            EXPECT_EQ(PixelRgb(CaptureClient(d), d.GetClientSize().x / 2, 115), Rgb(c.c.r, c.c.g, c.c.b))
                << "preview repainted at once for " << c.nId;
        }
        // The last pressed was cyan: a click on olive shows in the red component.
        wxUIActionSimulator sim;
        sim.MouseMove(d.FindWindow(2010)->GetScreenRect().GetPosition() + wxPoint(8, 6));
        Settle();
        sim.MouseClick();
        EXPECT_TRUE(WaitFor([&] { return dlg.m_nRed == 128; }));
        ClickButton(d, wxID_OK);
    }), ResultOK);
    EXPECT_EQ(MakeRGB(dlg.m_nRed, dlg.m_nGreen, dlg.m_nBlue), 0x408080u);
}

TEST(ColorDialog, DraggingASliderMovesThePreviewBeforeRelease)
{
    CModalScript script;
    script.Then([](wxDialog& d) {
        auto& dlg = static_cast<CColorDlg&>(d);
        const wxRect rc = d.FindWindow(IDC_SLIDER_RED)->GetScreenRect();
        wxUIActionSimulator sim;
        // A press on the trough takes the thumb there and keeps dragging it.
        sim.MouseMove(rc.GetLeft() + rc.width / 4, rc.GetTop() + rc.height / 2);
        Settle();
        sim.MouseDown();
        Settle();
        sim.MouseMove(rc.GetLeft() + rc.width / 2, rc.GetTop() + rc.height / 2);
        WaitFor([&] { return dlg.m_nRed > 60; });
        Settle();
        const int nMid = dlg.m_nRed;
        EXPECT_GT(nMid, 60);
        EXPECT_LT(nMid, 200);
        EXPECT_EQ(PixelRgb(CaptureClient(d), d.GetClientSize().x / 2, 115), Rgb(nMid, 0, 0))
            << "the preview follows while the button is still down";
        sim.MouseMove(rc.GetLeft() + rc.width * 3 / 4, rc.GetTop() + rc.height / 2);
        EXPECT_TRUE(WaitFor([&] { return dlg.m_nRed > nMid; })) << "still following the pointer";
        sim.MouseUp();
        Settle();
        wxUIActionSimulator().Char(WXK_ESCAPE);
    });
    CColorDlg dlg;
    EXPECT_EQ(dlg.DoModal(), ResultCancel) << "cancel after moving: the caller keeps its colour";
}

// The frame is one layout pixel wide and the colour inset by three (one when pressed), both
// growing with the zoom: at 200 % the frame is two whole pixels.
TEST(ColorDialog, SwatchesDrawAGreyFrameAndInsetTheirColourByActionAtTheZoom)
{
    const unsigned kGround = 0x123456, kOlive = Rgb(128, 128, 64);
    for (const int nZoom : {100, 200}) {
        SetDialogZoom(nZoom);
        const CDialogZoomScope zoom(nZoom);
        // Whole pixels: one, two at 200 % (more under the desktop's larger text).
        const int z = ScaledLineWidth(DialogScale());
        // 26 x 18, like a swatch at 96 dpi; the olive swatch's colour, 128, 128, 64.
        const wxSize size(26 * z, 18 * z);
        struct {
            bool bPressed;
            int nInset;
        } const aCases[] = {{false, 3}, {true, 1}};
        for (const auto& c : aCases) {
            const wxImage image = RenderOffscreen(
                size, [&](wxDC& dc) { DrawSwatch(dc, 0x408080, wxRect(size), c.bPressed); },
                wxColour(0x12, 0x34, 0x56));
            const std::string strWhat = (c.bPressed ? std::string("pressed") : std::string("not pressed")) + " at " + std::to_string(nZoom) + " %";
            for (int n = 0; n < z; ++n) {
                EXPECT_EQ(PixelRgb(image, 5 * z, n), 0xC0C0C0u) << "top edge, " << strWhat;
                EXPECT_EQ(PixelRgb(image, n, 5 * z), 0xC0C0C0u) << "left edge, " << strWhat;
                EXPECT_EQ(PixelRgb(image, 5 * z, size.y - 1 - n), 0x808080u) << "bottom edge, " << strWhat;
                EXPECT_EQ(PixelRgb(image, size.x - 1 - n, 5 * z), 0x808080u) << "right edge, " << strWhat;
            }
            const int nInset = ScaledPixels(c.nInset, DialogScale());
            EXPECT_EQ(PixelRgb(image, nInset, nInset), kOlive) << "fill starts at the inset, " << strWhat;
            EXPECT_EQ(PixelRgb(image, size.x - 1 - nInset, size.y - 1 - nInset), kOlive) << "and ends there, " << strWhat;
            EXPECT_NE(PixelRgb(image, nInset - 1, nInset - 1), kOlive) << "and not before, " << strWhat;
            if (c.nInset > 1) {
                EXPECT_EQ(PixelRgb(image, nInset - 1, nInset - 1), kGround) << "the band is left as it was, " << strWhat;
            }
        }
    }
    SetDialogZoom(100);
}

// On screen at 200 %: a swatch's top and left edges are two light pixels, then its band.
TEST(ColorDialog, SwatchFramesOnScreenAreTwoPixelsAtTwoHundredPercent)
{
    SetDialogZoom(200);
    CColorDlg dlg;
    WhileOpen(dlg, [](wxDialog& d) {
        Settle();
        const wxImage img = CaptureClient(d);
        SaveShot(img, "color-swatches-200");
        const wxRect rc = d.FindWindow(2010)->GetRect();
        const int y = rc.y + rc.height / 2;
        EXPECT_EQ(PixelRgb(img, rc.x, y), 0xC0C0C0u);
        EXPECT_EQ(PixelRgb(img, rc.x + 1, y), 0xC0C0C0u);
        EXPECT_NE(PixelRgb(img, rc.x + 2, y), 0xC0C0C0u);
        EXPECT_EQ(PixelRgb(img, rc.GetRight(), y), 0x808080u);
        EXPECT_EQ(PixelRgb(img, rc.GetRight() - 1, y), 0x808080u);
        EXPECT_EQ(PixelRgb(img, rc.x + 6, y), Rgb(128, 128, 64)) << "the colour, six pixels in";
        EXPECT_NE(PixelRgb(img, rc.x + 5, y), Rgb(128, 128, 64));
    });
    SetDialogZoom(100);
}

TEST(ColorDialog, SwatchPicksMoveTheThumbsAtOnce)
{
    // What the three sliders look like standing at olive, from a picker opened on it.
    auto slidersOf = [](wxDialog& d) {
        const wxImage image = CaptureClient(d);
        std::vector<wxImage> aSliders;
        for (int nId : {IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE})
            aSliders.push_back(image.GetSubImage(d.FindWindow(nId)->GetRect()));
        return aSliders;
    };
    std::vector<wxImage> aOlive;
    {
        CColorDlg dlg;
        dlg.m_nRed = 128;
        dlg.m_nGreen = 128;
        dlg.m_nBlue = 64;
        WhileOpen(dlg, [&](wxDialog& d) { aOlive = slidersOf(d); });
    }
    ASSERT_EQ(aOlive.size(), 3u);
    // Blue first, then olive: each pick must show at once, with no stale thumb left behind.
    CColorDlg dlg;
    dlg.m_nRed = 255;
    WhileOpen(dlg, [&](wxDialog& d) {
        ClickButton(d, 2009);
        Settle();
        ClickButton(d, 2010);
        // No waiting for the toolkit's next frame: reading the screen at once forces a paint,
        // as an expose would, and a thumb painted before its slider is laid out stays behind.
        auto differing = [&] {
            const std::vector<wxImage> aNow = slidersOf(d);
            std::vector<int> anDiffer;
            for (std::size_t i = 0; i < aNow.size(); ++i) {
                int nDiffer = 0;
                for (int y = 0; y < aNow[i].GetHeight(); ++y)
                    for (int x = 0; x < aNow[i].GetWidth(); ++x)
                        nDiffer += PixelRgb(aNow[i], x, y) != PixelRgb(aOlive[i], x, y) ? 1 : 0;
                anDiffer.push_back(nDiffer);
            }
            return anDiffer;
        };
        EXPECT_EQ(differing(), (std::vector<int>{0, 0, 0})) << "pixels off olive per slider, read at once";
        Settle();
        EXPECT_EQ(differing(), (std::vector<int>{0, 0, 0})) << "pixels off olive per slider, a frame later";
        SaveShot(CaptureClient(d), "color-two-picks");
    });
}

// Each slider is read by its own label, which stands centred on the slider's track. The toolkit
// had tied "Blue", the label made last, to the Red slider, the control made after it, and left Blue
// without one.
TEST(ColorDialog, EachSliderIsLabelledByItsOwnTextCentredOnItsTrack)
{
    CColorDlg dlg;
    dlg.m_nRed = dlg.m_nGreen = dlg.m_nBlue = 200;
    WhileOpen(dlg, [](wxDialog& d) {
        const wxImage image = CaptureClient(d);
        SaveShot(image, "color-labels");
        const unsigned rgbGround = PixelRgb(image, 1, image.GetHeight() - 2);
        for (const auto& [nLabel, nSlider] : {std::pair{3019, IDC_SLIDER_RED}, std::pair{3021, IDC_SLIDER_GREEN},
                                              std::pair{3023, IDC_SLIDER_BLUE}}) {
            auto* pLabel = GTK_LABEL(d.FindWindow(nLabel)->GetHandle());
            EXPECT_EQ(gtk_label_get_mnemonic_widget(pLabel), d.FindWindow(nSlider)->GetHandle()) << nLabel;
            AtkRelationSet* pSet = atk_object_ref_relation_set(gtk_widget_get_accessible(d.FindWindow(nSlider)->GetHandle()));
            AtkRelation* pBy = atk_relation_set_get_relation_by_type(pSet, ATK_RELATION_LABELLED_BY);
            GPtrArray* pTargets = pBy != nullptr ? atk_relation_get_target(pBy) : nullptr;
            EXPECT_TRUE(pTargets != nullptr && pTargets->len == 1 &&
                        pTargets->pdata[0] == gtk_widget_get_accessible(GTK_WIDGET(pLabel)))
                << "the one label of " << nSlider;
            g_object_unref(pSet);

            const wxRect rcSlider = d.FindWindow(nSlider)->GetRect();
            // The filled part of the track, a quarter of the way in: clearly bluer than anything grey.
            int nTrackTop = -1;
            int nTrackBottom = -1;
            for (int y = rcSlider.GetTop(); y <= rcSlider.GetBottom(); ++y) {
                const unsigned rgb = PixelRgb(image, rcSlider.GetLeft() + rcSlider.GetWidth() / 4, y);
                if ((rgb & 0xFF) > ((rgb >> 16) & 0xFF) + 60) {
                    nTrackTop = nTrackTop < 0 ? y : nTrackTop;
                    nTrackBottom = y;
                }
            }
            EXPECT_GE(nTrackTop, 0) << "no track found in slider " << nSlider;
            const wxRect rcLabel = d.FindWindow(nLabel)->GetRect();
            const CTextInk ink = MeasureText(
                image, wxRect(rcLabel.GetLeft(), rcSlider.GetTop() - 8, rcLabel.GetWidth(), rcSlider.GetHeight() + 16),
                0x000000, rgbGround);
            EXPECT_GT(ink.nPixels, 10) << nLabel;
            const double dTrack = (nTrackTop + nTrackBottom + 1) / 2.0;
            const double dText = ink.rcBox.GetTop() + ink.rcBox.GetHeight() / 2.0;
            EXPECT_NEAR(dText, dTrack, 1.0) << "label " << nLabel;
        }
    });
}
