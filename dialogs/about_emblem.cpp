// The emblem: the game's three green tiles in miniature, with a white question mark on the
// darkest, on a transparent ground.
#include "dialogs/about_emblem.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include "dialogs/dialog_look.h"

wxBitmap MakeEmblemBitmap()
{
    // Drawn on magenta, which none of the tiles use, and then made transparent.
    const wxColour clrKey(255, 0, 255);
    wxBitmap bitmap(kEmblemSize, kEmblemSize, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(clrKey));
        dc.Clear();
        const COLORREF aclrTiles[] = {kTileLight, kTileMiddle, kTileDark};
        dc.SetPen(wxPen(*wxWHITE, 1));
        for (int i = 0; i < 3; ++i) {
            dc.SetBrush(wxBrush(ToWxColour(aclrTiles[i])));
            dc.DrawRoundedRectangle(1 + i * 7, 1 + i * 7, 16, 16, 4);
        }
        // A question mark of pixels on the dark tile, so it is the same at every font setting.
        static const char* const apszMark[] = {
            ".XXXX.",
            "XX..XX",
            "....XX",
            "...XX.",
            "..XX..",
            "..XX..",
            "......",
            "..XX..",
        };
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(*wxWHITE_BRUSH);
        const int x0 = 15 + 5, y0 = 15 + 4;
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 6; ++col)
                if (apszMark[row][col] == 'X')
                    dc.DrawRectangle(x0 + col, y0 + row, 1, 1);
    }
    wxImage image = bitmap.ConvertToImage();
    image.SetMaskColour(clrKey.Red(), clrKey.Green(), clrKey.Blue());
    return wxBitmap(image);
}
