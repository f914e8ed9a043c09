// The look every game dialog shares: fonts by point size, the header label and the rule under it,
// blue text on chosen controls, and the three green tiles.
#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

#include "ui/font_height.h"
#include "ui/wx_helpers.h"
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

// A font in the given face (resolved as above) and the rest of info. wx would check the face
// against a list of every family on the system, made on first use: some ten milliseconds in front
// of the first window, for faces that are asked of fontconfig directly here.
wxFont FontInFace(const wxString& strFace, const wxFontInfo& info);

// The vertical pixels per inch fonts are sized by, in the toolkit's logical pixels (a HiDPI
// screen's doubled pixels are the toolkit's business).
int ScreenPixelsPerInch();

// The dialogs' scale. Every dialog is laid out from the fonts it actually gets: the game's zoom
// times the desktop's text scaling (the resolution fonts are rendered at over the screen's). Its
// dialog units, its fonts and what it paints all grow by this one factor, so a dialog keeps its
// proportions at any zoom and under "large text" nothing is cut off.
void SetDialogZoom(int nPercent);
// The game's zoom, which a dialog starts from.
int GameDialogZoom();
// The zoom of the dialog being laid out or run: the game's, unless a dialog took a lower one.
int DialogZoom();
// While a dialog is laid out and runs, the fonts it makes and the texts it paints follow its own
// zoom, which may be lower than the game's when the screen is too small for it.
class CDialogZoomScope {
public:
    explicit CDialogZoomScope(int nPercent);
    ~CDialogZoomScope();
    CDialogZoomScope(const CDialogZoomScope&) = delete;
    CDialogZoomScope& operator=(const CDialogZoomScope&) = delete;

private:
    int m_nPrevious;
};
double DesktopTextScale();
double DialogScale();
// A painted layout pixel at the dialog scale, and the width of a one-pixel line.
int ScaledPixels(int nLayout, double dScale);
int ScaledLineWidth(double dScale);

// Fills font with strFace at dPoints; bold means semi-bold (weight 600), not 700.
void CreatePointSizeFont(wxFont& font, const wxString& strFace, double dPoints, bool bBold, bool bItalic,
                         bool bStrikeOut, bool bUnderline);

// A line from (0, 23) to the client width, end point excluded, with a black one-pixel pen;
// its row and width scaled by dScale.
void DrawHeaderRule(wxDC& dc, int nClientWidth, double dScale = 1.0);

// Three overlapping rounded squares, light to dark, from the corner (x, y); layout pixels
// scaled by dScale.
void DrawTiles(wxDC& dc, int x, int y, double dScale = 1.0);

// What stands behind a dialog's texts: its window's colour, which follows the desktop's theme.
COLORREF DialogGround(const wxWindow& window);
// A game colour for a text on the dialog of window, painted or set on a control: the colour itself
// where it reads on the dialog's ground, else a readable variant of it. Black that would not read
// becomes the theme's own text colour, the colour every other text of the dialog has.
wxColour DialogTextColour(const wxWindow& window, COLORREF clr);

// The New Game and Level dialogs paint their texts across the green tiles, light and dark: no
// text colour reads on both a dark theme's ground and the light tile. Like the game screen, they
// keep the light ground the tiles were drawn for (white, the handheld's dialog colour) when the
// theme's is dark; call before the texts' colours are chosen.
void KeepLightGround(wxWindow& dialog);

// A control's font at its exact size, fractions of a point included.
void SetControlFont(wxWindow* pControl, const wxFont& font);
// The control-colour styling: header font and blue text, or blue text alone.
void StyleFontAndBlue(wxWindow* pControl, const wxFont& font);
void StyleBlue(wxWindow* pControl);

// Lays out at once whatever in the window's top-level window waits for the toolkit's next frame.
// A slider given a value moves its thumb only when laid out, and a paint that comes first (an
// expose, a read of the screen) draws the thumb where it was and may leave it there.
void LayOutPendingNow(wxWindow& window);
