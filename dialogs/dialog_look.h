// The look every game dialog shares: the header label and the rule under it, blue text on chosen
// controls, the three green tiles, and the texts the dialogs paint themselves; with the fonts and
// the zoom they are made at.
#pragma once

#include <vector>

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "game/types.h"
#include "ui/display_zoom.h"
#include "ui/fonts.h"
#include "ui/wx_helpers.h"

class wxDC;
class wxWindow;

// Child id of the header label in every template that has one.
constexpr int IDC_HEADER_LABEL = 1047;
// The header rule runs across the client area at this row.
constexpr int kHeaderRuleY = 23;

constexpr COLORREF kTileLight = 0xA8EEA8;
constexpr COLORREF kTileMiddle = 0x61E061;
constexpr COLORREF kTileDark = 0x1D941D;

// A line from (0, 23) to the client width, end point excluded, with a black one-pixel pen;
// its row and width scaled by dScale.
void DrawHeaderRule(wxDC& dc, int nClientWidth, double dScale = 1.0);

// Three overlapping rounded squares, light to dark, from the corner (x, y); layout pixels
// scaled by dScale.
void DrawTiles(wxDC& dc, int x, int y, double dScale = 1.0);

// A game colour for a text on the dialog of window, painted or set on a control: the colour itself
// where it reads on the dialog's ground, else a readable variant of it. Black that would not read
// becomes the theme's own text colour, the colour every other text of the dialog has.
wxColour DialogTextColour(const wxWindow& window, COLORREF clr);

// The New Game and Level dialogs paint their texts across the green tiles, light and dark: no
// text colour reads on both a dark theme's ground and the light tile. Like the game screen, they
// keep the light ground the tiles were drawn for (white, the handheld's dialog colour) when the
// theme's is dark; call before the texts' colours are chosen.
void KeepLightGround(wxWindow& dialog);

// The control-colour styling: header font and blue text, or blue text alone.
void StyleFontAndBlue(wxWindow* pControl, const wxFont& font);
void StyleBlue(wxWindow* pControl);

// Lays out at once whatever in the window's top-level window waits for the toolkit's next frame.
// A slider given a value moves its thumb only when laid out, and a paint that comes first (an
// expose, a read of the screen) draws the thumb where it was and may leave it there.
void LayOutPendingNow(wxWindow& window);

// "Tahoma" 9 points, regular: the face and size the painted layouts were measured with.
const wxFont& DialogPaintFont();

// One line, clipped to the rectangle; nAlign is wx alignment flags.
void DrawTextInRect(wxDC& dc, const wxString& str, const wxRect& rc, int nAlign);

// Lines broken at blanks so each fits nWidth with the dc's font; a word wider than that stands alone.
std::vector<wxString> WrapWords(wxDC& dc, const wxString& str, int nWidth);

// Word-wrapped, each line centred, from the top of the rectangle, clipped to it.
void DrawWrappedCentred(wxDC& dc, const wxString& str, const wxRect& rc);

