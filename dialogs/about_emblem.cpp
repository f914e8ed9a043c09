// The emblem: the game's three green tiles in miniature, with a white question mark on the
// darkest. Set pixel by pixel so it has exactly its few colours and a clean transparent ground.
#include "dialogs/about_emblem.h"

#include <wx/image.h>

#include "dialogs/dialog_look.h"

namespace {

constexpr int kTile = 17;       // side of a small tile
constexpr int kStep = 7;        // offset of each tile from the one before
constexpr int kCorner = 4;      // radius of the rounded corners

// 0 outside, 1 on the white outline, 2 inside the tile whose corner is at (x0, y0).
int TilePart(int x, int y, int x0, int y0)
{
    const int dx = x - x0, dy = y - y0;
    if (dx < 0 || dy < 0 || dx >= kTile || dy >= kTile)
        return 0;
    // Distance past the corner circle's centre, for pixels in a corner square.
    const int cx = dx < kCorner ? kCorner - dx : (dx >= kTile - kCorner ? dx - (kTile - 1 - kCorner) : 0);
    const int cy = dy < kCorner ? kCorner - dy : (dy >= kTile - kCorner ? dy - (kTile - 1 - kCorner) : 0);
    const int d2 = cx * cx + cy * cy;
    if (d2 > kCorner * kCorner)
        return 0;
    if (d2 > (kCorner - 1) * (kCorner - 1) || dx == 0 || dy == 0 || dx == kTile - 1 || dy == kTile - 1)
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

}  // namespace

wxBitmap MakeEmblemBitmap()
{
    wxImage image(kEmblemSize, kEmblemSize);
    image.InitAlpha();
    const COLORREF aclrTiles[] = {kTileLight, kTileMiddle, kTileDark};
    for (int y = 0; y < kEmblemSize; ++y) {
        for (int x = 0; x < kEmblemSize; ++x) {
            COLORREF clr = kWhite;
            bool bOpaque = false;
            // Later tiles lie over earlier ones.
            for (int i = 0; i < 3; ++i) {
                const int nPart = TilePart(x, y, 1 + i * kStep, 1 + i * kStep);
                if (nPart != 0) {
                    clr = nPart == 1 ? kWhite : aclrTiles[i];
                    bOpaque = true;
                }
            }
            const int mx = x - (1 + 2 * kStep + 6), my = y - (1 + 2 * kStep + 4);
            if (mx >= 0 && mx < 6 && my >= 0 && my < 8 && kMark[my][mx] == 'X')
                clr = kWhite;
            image.SetRGB(x, y, static_cast<unsigned char>(GetRValue(clr)), static_cast<unsigned char>(GetGValue(clr)),
                         static_cast<unsigned char>(GetBValue(clr)));
            image.SetAlpha(x, y, bOpaque ? wxIMAGE_ALPHA_OPAQUE : wxIMAGE_ALPHA_TRANSPARENT);
        }
    }
    return wxBitmap(image);
}
