// The view's labels land on the very pixels wxDC::DrawLabel gives them, while each text is
// measured only once per font.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/dc.h>
#include <wx/settings.h>

#include "ui_test_support.h"
#include "view/label_placer.h"
#include "view/view_look.h"

namespace {

bool SameImages(const wxImage& a, const wxImage& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x)
            if (uitest::PixelRgb(a, x, y) != uitest::PixelRgb(b, x, y))
                return false;
    return true;
}

// Every letter of the cells and the screen's texts, in rectangles of even and odd sizes and
// ones narrower and lower than the text (where the centre rounds differently below zero),
// in the fonts the screen uses at 100 % and zoomed.
TEST(LabelPlacer, DrawsWhereDrawLabelDraws)
{
    std::vector<wxString> astr = {"Match", "Bingo", "Guess:", "Level:", "240", "00:07", "i"};
    for (wchar_t c = L'A'; c <= L'Z'; ++c)
        astr.push_back(wxString(c));
    const wxFont fontGui = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    const std::vector<wxFont> afont = {fontGui, fontGui.Scaled(3.0f),
                                       FontForCellHeight("Tahoma", 24, wxFONTWEIGHT_BOLD, false)};
    const std::vector<wxRect> arc = {wxRect(3, 4, 21, 21), wxRect(10, 2, 40, 30), wxRect(7, 9, 60, 63),
                                     wxRect(20, 20, 4, 3), wxRect(0, 0, 90, 45)};
    const int anAlign[] = {wxALIGN_CENTER, wxALIGN_CENTER_HORIZONTAL | wxALIGN_TOP, wxALIGN_LEFT | wxALIGN_TOP,
                           wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL};
    const wxSize size(100, 80);
    // One placer throughout: each new font must forget the extents of the one before.
    CLabelPlacer placer;
    int nChecked = 0;
    for (const wxFont& font : afont)
        for (const wxString& str : astr)
            for (const wxRect& rc : arc)
                for (const int nAlign : anAlign) {
                    const auto prepare = [&font](wxDC& dc) {
                        UseCrispShapes(dc);
                        dc.SetFont(font);
                        dc.SetTextForeground(*wxBLACK);
                    };
                    const wxImage want = uitest::RenderOffscreen(size, [&](wxDC& dc) {
                        prepare(dc);
                        dc.DrawLabel(str, rc, nAlign);
                    });
                    const wxImage got = uitest::RenderOffscreen(size, [&](wxDC& dc) {
                        prepare(dc);
                        placer.Draw(dc, str, rc, nAlign);
                    });
                    ASSERT_TRUE(SameImages(want, got)) << "\"" << str << "\" in " << rc.x << "," << rc.y << " "
                                                       << rc.width << "x" << rc.height << " align " << nAlign
                                                       << " font " << font.GetPixelSize().y;
                    ++nChecked;
                }
    EXPECT_EQ(nChecked, 3 * 33 * 5 * 4);
}

// Blanks are the cells not typed yet: they leave the ground as it is, like DrawLabel.
TEST(LabelPlacer, BlanksLeaveNoInk)
{
    CLabelPlacer placer;
    const wxImage img = uitest::RenderOffscreen(wxSize(30, 30), [&placer](wxDC& dc) {
        dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
        placer.Draw(dc, " ", wxRect(0, 0, 30, 30), wxALIGN_CENTER);
        placer.Draw(dc, "   ", wxRect(0, 0, 30, 30), wxALIGN_LEFT | wxALIGN_TOP);
    });
    EXPECT_EQ(uitest::InkBox(img, wxRect(0, 0, 30, 30), [](unsigned rgb) { return rgb != 0xFFFFFFu; }), wxRect());
}

}  // namespace
