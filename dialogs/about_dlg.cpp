// The About box, and its emblem: the game's three green tiles in miniature with a white question
// mark on the darkest, set pixel by pixel so it has exactly its few colours and a clean
// transparent ground.
#include "dialogs/about_dlg.h"

#include <algorithm>
#include <cmath>

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/statbmp.h>
#include <wx/image.h>
#include <wx/stattext.h>

#include "dialogs/dialog_look.h"

namespace {

constexpr int kTile = 17;       // side of a small tile
constexpr int kStep = 7;        // offset of each tile from the one before
constexpr int kCorner = 4;      // radius of the rounded corners

// 0 outside, 1 on the white outline, 2 inside the tile whose corner is at (x0, y0). The point is
// in emblem pixels and may fall between them: at 100 % it is a pixel's own corner, at larger sizes
// each emblem pixel is sampled several times, so the outline stays one emblem pixel wide.
int TilePart(double x, double y, int x0, int y0)
{
    const double dx = x - x0, dy = y - y0;
    if (dx < -0.5 || dy < -0.5 || dx >= kTile - 0.5 || dy >= kTile - 0.5)
        return 0;
    // Distance past the corner circle's centre, for points in a corner square.
    const auto past = [](double d) {
        return d < kCorner ? kCorner - d : (d > kTile - 1 - kCorner ? d - (kTile - 1 - kCorner) : 0.0);
    };
    const double cx = past(dx), cy = past(dy);
    // Only a corner square is rounded; along a straight edge the range above decides.
    const double d2 = cx > 0 && cy > 0 ? cx * cx + cy * cy : 0.0;
    if (d2 > kCorner * kCorner)
        return 0;
    if (d2 > (kCorner - 1) * (kCorner - 1) || dx < 0.5 || dy < 0.5 || dx >= kTile - 1.5 || dy >= kTile - 1.5)
        return 1;
    return 2;
}

// A question mark of pixels, placed on the dark tile.
constexpr const char* kMark[] = {
    ".XXXX.",
    "XX..XX",
    "....XX",
    "...XX.",
    "..XX..",
    "..XX..",
    "......",
    "..XX..",
};

// The emblem drawn at nSize x nSize pixels; at 32 it is the emblem's own picture.
wxImage MakeEmblemImage(int nSize)
{
    wxImage image(nSize, nSize);
    image.InitAlpha();
    const COLORREF aclrTiles[] = {kTileLight, kTileMiddle, kTileDark};
    const double dScale = static_cast<double>(nSize) / kEmblemSize;
    for (int y = 0; y < nSize; ++y) {
        for (int x = 0; x < nSize; ++x) {
            // The middle of this pixel in emblem pixels, shifted so that at 100 % it is exactly
            // the pixel's own position.
            const double u = (x + 0.5) / dScale - 0.5;
            const double v = (y + 0.5) / dScale - 0.5;
            COLORREF clr = kWhite;
            bool bOpaque = false;
            // Later tiles lie over earlier ones.
            for (int i = 0; i < 3; ++i) {
                const int nPart = TilePart(u, v, 1 + i * kStep, 1 + i * kStep);
                if (nPart != 0) {
                    clr = nPart == 1 ? kWhite : aclrTiles[i];
                    bOpaque = true;
                }
            }
            const int mx = static_cast<int>(std::floor(u + 0.5)) - (1 + 2 * kStep + 6);
            const int my = static_cast<int>(std::floor(v + 0.5)) - (1 + 2 * kStep + 4);
            if (mx >= 0 && mx < 6 && my >= 0 && my < 8 && kMark[my][mx] == 'X')
                clr = kWhite;
            image.SetRGB(x, y, static_cast<unsigned char>(GetRValue(clr)), static_cast<unsigned char>(GetGValue(clr)),
                         static_cast<unsigned char>(GetBValue(clr)));
            image.SetAlpha(x, y, bOpaque ? wxIMAGE_ALPHA_OPAQUE : wxIMAGE_ALPHA_TRANSPARENT);
        }
    }
    return image;
}

}  // namespace

wxBitmap MakeEmblemBitmap(double dScale, double dContentScale)
{
    // Drawn anew at the size it is shown at, in the screen's own pixels: a stretched 32-pixel
    // picture would be blurred or blocky.
    const int nSide = std::max(1, static_cast<int>(std::lround(kEmblemSize * dScale)));
    const int nPixels = std::max(1, static_cast<int>(std::lround(nSide * dContentScale)));
    return wxBitmap(MakeEmblemImage(nPixels), -1, static_cast<double>(nPixels) / nSide);
}

CAboutDlg::CAboutDlg(wxWindow* pParent)
    : CGameDialog(pParent, _("About Veltrane Quillorn"), 9, 145, 151)
{
    m_bHeaderRule = false;
}

void CAboutDlg::CreateControls()
{
    struct {
        int nId;
        const char* pszText;
        int x, y, cx, cy;
    } const aLines[] = {
        {IDC_ABOUT_PRODUCT, "Veltrane Quillorn", 0, 7, 145, 11},
        {IDC_ABOUT_PLATFORM, wxTRANSLATE("for Pocket PC"), 22, 21, 101, 15},
        {IDC_ABOUT_VERSION, wxTRANSLATE("Version 1.0"), 33, 39, 81, 9},
        {IDC_ABOUT_NOTICE, "\u00A9 2026 Veltrane Corporation", 6, 53, 133, 9},
        {IDC_ABOUT_WEB, "https://quillorn.veltrane.example", 0, 67, 145, 9},
        {IDC_ABOUT_SUPPORT, "support@veltrane.example", 10, 83, 126, 9},
    };
    for (const auto& line : aLines) {
        const wxRect rc = DialogRect(line.x, line.y, line.cx, line.cy);
        new wxStaticText(this, line.nId, wxGetTranslation(wxString::FromUTF8(line.pszText)), rc.GetPosition(), rc.GetSize(),
                         wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    }
    // A picture static takes the size of its picture from the template's corner.
    // It grows with the dialog, as everything the dialog paints does.
    const wxRect rcEmblem = DialogRect(60, 126, 18, 16);
    const wxBitmap bmpEmblem = MakeEmblemBitmap(Scale(), GetContentScaleFactor());
    new wxStaticBitmap(this, wxID_ANY, bmpEmblem, rcEmblem.GetPosition(), bmpEmblem.GetLogicalSize());
    AddOkButton(100, 130, 40, 14);
}

void CAboutDlg::InitialiseDialog()
{
    wxFont fontProduct;
    CreatePointSizeFont(fontProduct, "Tahoma", 11, true);
    StyleFontAndBlue(FindWindow(IDC_ABOUT_PRODUCT), fontProduct);
    StyleFontAndBlue(FindWindow(IDC_ABOUT_PLATFORM), fontProduct);
    StyleBlue(FindWindow(IDC_ABOUT_WEB));
    StyleBlue(FindWindow(IDC_ABOUT_SUPPORT));
}

wxWindow* CAboutDlg::FirstFocus()
{
    return FindWindow(wxID_OK);
}
