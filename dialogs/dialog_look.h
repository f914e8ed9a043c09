// The look every game dialog shares: fonts by point size, the header label and the rule under it,
// blue text on chosen controls, and the three green tiles.
#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

#include "dialogs/font_height.h"
#include "dialogs/wx_helpers.h"
#include "game/types.h"

class wxDC;
class wxWindow;

// Child id of the header label in every template that has one.
constexpr int IDC_HEADER_LABEL = 1047;
// The header rule runs across the client area at this row.
constexpr int kHeaderRuleY = 23;

constexpr COLORREF kTileLight = 0xA8EEA8;
constexpr COLORREF kTileMiddle = 0x61E061;
constexpr COLORREF kTileDark = 0x1D941D;
constexpr int kTileSize = 50;
constexpr int kTileStep = 20;
constexpr int kTileCornerEllipse = 25;


// Makes the free Tahoma known to the toolkit when it is installed; call once before any font is
// made. Without it the fonts fall back to the desktop's sans face and the layout still holds,
// because dialog units follow whatever face is used.
void RegisterGameFonts();

// The face to ask the toolkit for: Tahoma itself when it is there; otherwise Liberation Sans,
// whose widths come closer to Tahoma's than the desktop's default sans face, so the templates
// still fit.
wxString ResolveFaceName(const wxString& strFace);

// The vertical pixels per inch fonts are sized by.
int ScreenPixelsPerInch();

// Fills font with strFace at dPoints; bold means semi-bold (weight 600), not 700.
void CreatePointSizeFont(wxFont& font, const wxString& strFace, double dPoints, bool bBold, bool bItalic,
                         bool bStrikeOut, bool bUnderline);

// A line from (0, 23) to the client width, end point excluded, with a black one-pixel pen.
void DrawHeaderRule(wxDC& dc, int nClientWidth);

// Three overlapping rounded squares, light to dark, from the corner (x, y).
void DrawTiles(wxDC& dc, int x, int y);

// A control's font at its exact size, fractions of a point included.
void SetControlFont(wxWindow* pControl, const wxFont& font);
// The control-colour styling: header font and blue text, or blue text alone.
void StyleFontAndBlue(wxWindow* pControl, const wxFont& font);
void StyleBlue(wxWindow* pControl);
